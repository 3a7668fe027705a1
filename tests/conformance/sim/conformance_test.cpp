// The conformance table on the simulated desktop: every row, each on a
// fresh desktop. Where the desktop does not yet follow Windows, the row is
// on the list below and its failures are printed instead of failing the
// suite; a listed row that holds fails, so the list can only shrink.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "deviations.h"
#include "row.h"
#include "sim/table_document.h"
#include "sim/sim_desk.h"

namespace conformance {
namespace {


std::vector<const Row*> all_rows() {
  std::vector<const Row*> out;
  for (const Row& row : rows()) out.push_back(&row);
  return out;
}

class SimulatedDesktop : public testing::TestWithParam<const Row*> {};

TEST_P(SimulatedDesktop, RowHolds) {
  const Row& row = *GetParam();
  SimDesk desk;
  const std::vector<std::string> failures = run_row(row, desk);
  std::string found;
  for (const std::string& f : failures) found += "\n  " + f;
  const auto deviation = sim_deviations().find(row.id);
  if (deviation == sim_deviations().end()) {
    EXPECT_TRUE(failures.empty()) << row.id << ": " << row.windows_does << found;
    return;
  }
  EXPECT_FALSE(failures.empty()) << row.id << " now holds on the simulated desktop: take it off sim_deviations() in tests/conformance/deviations.cpp";
  std::printf("known deviation of the simulated desktop: %s (%s)%s\n", std::string(row.id).c_str(),
              std::string(deviation->second).c_str(), found.c_str());
}

INSTANTIATE_TEST_SUITE_P(Table, SimulatedDesktop, testing::ValuesIn(all_rows()),
                         [](const testing::TestParamInfo<const Row*>& info) { return std::string(info.param->id); });

TEST(ConformanceTable, EveryRowHasItsTextsAndAUniqueId) {
  std::map<std::string_view, int> seen;
  for (const Row& row : rows()) {
    EXPECT_EQ(++seen[row.id], 1) << row.id;
    EXPECT_FALSE(row.situation.empty() || row.windows_does.empty() || row.evidence.empty()) << row.id;
  }
  for (const auto& list : {sim_deviations(), wine_deviations()}) {
    for (const auto& [id, why] : list) EXPECT_NE(find_row(id), nullptr) << id;
  }
}

TEST(ConformanceTable, TheDocumentHoldsTheTableAsTheRowsSayIt) {
  const auto doc = read_table_section(kTableDocument);
  ASSERT_TRUE(doc) << "no table section in " << kTableDocument;
  EXPECT_EQ(*doc, markdown_table()) << "the table in " << kTableDocument
                                    << " is out of date; write it again with\n  conformance_tests --write-table";
}

}  // namespace
}  // namespace conformance
