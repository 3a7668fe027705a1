// The design text format: what a person writes must read back exactly,
// and anything malformed must be refused with the line it is on.
#include <gtest/gtest.h>

#include "ui/design.h"
#include "ui/error.h"

namespace {

TEST(DesignParse, ReadsBlocksPropertiesAndValues) {
  const char* text =
      "# comment\n"
      "form frmTest TfrmTest\n"
      "  caption \"Two\\rlines \\\"quoted\\\"\"\n"
      "  color 0x00310925\n"
      "  left -40\n"
      "  visible false\n"
      "\n"
      "panel Panel1\n"
      "  bevel none\n"
      "picture imgBack in Panel1\n"
      "  OnClick imgBackClick\n"
      "  items \"a\" \"b\"\n";
  auto d = ui::parse_design("T", text);
  ASSERT_TRUE(d.has_value()) << d.error();
  ASSERT_EQ(d->blocks.size(), 3u);
  const auto& form = d->blocks[0];
  EXPECT_EQ(form.kind, "form");
  EXPECT_EQ(form.name, "frmTest");
  EXPECT_EQ(form.extra, "TfrmTest");
  ASSERT_EQ(form.properties.size(), 4u);
  EXPECT_EQ(std::get<std::string>(form.properties[0].values[0]), "Two\rlines \"quoted\"");
  EXPECT_EQ(std::get<std::int64_t>(form.properties[1].values[0]), 0x00310925);
  EXPECT_EQ(std::get<std::int64_t>(form.properties[2].values[0]), -40);
  EXPECT_EQ(std::get<bool>(form.properties[3].values[0]), false);
  EXPECT_EQ(d->blocks[2].extra, "Panel1");
  EXPECT_EQ(std::get<ui::DesignWord>(d->blocks[2].properties[0].values[0]).text, "imgBackClick");
  EXPECT_EQ(d->blocks[2].properties[1].values.size(), 2u);
  EXPECT_EQ(d->blocks[2].properties[1].line, 12);
}

TEST(DesignParse, RefusesMalformedInputNamingTheLine) {
  struct Row {
    const char* text;
    const char* expected_fragment;
  } rows[] = {
      {"", "no form block"},
      {"  caption \"x\"\n", "line 1: a property outside of any block"},
      {"label lbl\n", "line 1: the first block must be the form"},
      {"form f\n", "form <name> <ClassName>"},
      {"form f T\nform g T\n", "line 2: only the first block may be the form"},
      {"form f T\n  caption \"open\n", "line 2: unterminated string"},
      {"form f T\n  left 12x\n", "line 2: malformed number '12x'"},
      {"form f T\n  caption \"\\q\"\n", "unknown escape"},
      {"form f T\nlabel l on Panel1\n", "line 2: a component block reads"},
      {"form f T\n  \"x\"\n", "a property starts with its name"},
  };
  for (const auto& row : rows) {
    auto d = ui::parse_design("T", row.text);
    ASSERT_FALSE(d.has_value()) << row.text;
    EXPECT_NE(d.error().find(row.expected_fragment), std::string::npos) << d.error();
  }
}

TEST(ErrorBox, AppendsAFullStopOnlyAfterCharactersThatSortAfterIt) {
  struct Row {
    const char* in;
    const char* out;
  } rows[] = {
      {"abc", "abc."}, {"abc.", "abc."}, {"abc!", "abc!"}, {"abc?", "abc?."},
      {"", ""},        {"42", "42."},    {"a)", "a)"},     {"line 139)", "line 139)"},
  };
  for (const auto& row : rows) EXPECT_EQ(ui::error_box_text(row.in), row.out) << row.in;
}

}  // namespace
