// The helper's report lines as the driver reads them. A misread here would
// make an end-to-end test pass or fail for the wrong reason, far from the
// cause, so the awkward cases are pinned down without Wine.
#include <gtest/gtest.h>

#include "driver/message_boxes.h"
#include "driver/screenshot.h"
#include "driver/windows_side.h"

namespace e2e {
namespace {

TEST(HelperReport, WindowListKeepsZOrderStylesAndEscapedTitles) {
  const auto list = parse_window_list(
      "foreground\t0x20044\n"
      "window\t0x20044\t32\t0xa00001\t1\t431\t331\t162\t105\t0x94c801c4\t0x10101\t0x0\t#32770\tConfirm\n"
      "window\t0x1004c\t32\t0xc00001\t0\t-64\t0\t48\t768\t0x14cf0000\t0x80088\t0x1005a\tSlatebarCLS\ta\\tb\\\\c\\nd\r\n");
  ASSERT_TRUE(list) << list.error();
  ASSERT_EQ(list->windows.size(), 2u);
  EXPECT_EQ(list->foreground_window()->title, "Confirm");
  const WinWindow bar = *list->first_of_class("SlatebarCLS");
  EXPECT_EQ(bar.title, "a\tb\\c\nd");
  EXPECT_EQ(bar.rect, (Rect{-64, 0, 48, 768}));
  EXPECT_FALSE(bar.visible);
  EXPECT_TRUE(bar.topmost());
  EXPECT_TRUE(bar.tool_window());
  EXPECT_TRUE(bar.layered());
  EXPECT_EQ(bar.owner, 0x1005au);
  EXPECT_EQ(list->z_index(bar.hwnd), 1u);
  EXPECT_FALSE(list->visible_titled("a\tb\\c\nd"));
}

TEST(HelperReport, MalformedLinesAreRefusedNotGuessed) {
  for (const char* text : {"window\t0x1\t2\n", "window\tzz\t32\t0x0\t1\t0\t0\t1\t1\t0x0\t0x0\t0x0\tC\tT\n",
                           "foreground\n", "surprise\n"}) {
    EXPECT_FALSE(parse_window_list(text)) << text;
  }
  for (const char* text : {"child\t0x2\t1\tButton\t0\t0\t1\t1\t1\t0\tOK\n", "dialog\t0x1\t0\t0\t1\t1\t0x0\tCap\nchild\t0x2\n",
                           "dialog\t0x1\t0\t0\tone\t1\t0x0\tCap\n", "dialog\t0x1\t0\t0\t1\t1\tCap\n"}) {
    EXPECT_FALSE(parse_dialogs(text)) << text;
  }
  EXPECT_FALSE(parse_resources(""));
  EXPECT_FALSE(parse_resources("resources\t1\t2\n"));
  const auto resources = parse_resources("resources\t31\t12\t4096\t8192\t7\n");
  ASSERT_TRUE(resources);
  EXPECT_EQ(resources->gdi_objects, 31u);
  EXPECT_EQ(resources->private_bytes, 4096u);
  for (const char* text : {"", "live\t3\n", "live\t3\tmany\n", "resources\t1\t2\t3\t4\t5\n"}) {
    EXPECT_FALSE(parse_live_objects(text)) << text;
  }
  const auto live = parse_live_objects("live\t57\t11\n");
  ASSERT_TRUE(live);
  EXPECT_EQ(live->gdi_objects, 57);
  EXPECT_EQ(live->windows, 11);
}

TEST(HelperReport, MessageBoxTextButtonsAndIcon) {
  const auto boxes = parse_dialogs(
      "dialog\t0x20044\t431\t331\t162\t105\t0xd8e9ec\tConfirm\n"
      "child\t0x10052\t1088\tStatic\t446\t361\t32\t32\t1\t1\t\n"
      "child\t0x10054\t6\tButton\t459\t401\t48\t24\t1\t0\t&Yes\n"
      "child\t0x10056\t7\tButton\t523\t401\t48\t24\t1\t0\t&No && more\n"
      "child\t0x10058\t2\tButton\t0\t0\t48\t24\t0\t0\tCancel\n"
      "child\t0x10068\t65535\tStatic\t490\t365\t88\t24\t1\t0\tUse this picture?\\nSecond && last\n"
      "dialog\t0x30000\t0\t0\t100\t80\t0xf0f0f0\tSlatebar\n"
      "child\t0x30001\t1088\tStatic\t10\t10\t24\t24\t1\t0\t\n"
      "child\t0x30002\t65535\tStatic\t10\t10\t50\t20\t1\t0\tAero Disabled\n"
      "child\t0x30004\t2\tButton\t20\t40\t48\t24\t1\t0\tOK\n");
  ASSERT_TRUE(boxes) << boxes.error();
  ASSERT_EQ(boxes->size(), 2u);
  const Dialog& confirm = (*boxes)[0];
  EXPECT_EQ(confirm.text(), "Use this picture?\nSecond && last");
  // Hidden buttons are not there for a person; "&&" is a literal ampersand.
  EXPECT_EQ(confirm.buttons(), (std::vector<std::string>{"Yes", "No & more"}));
  EXPECT_EQ(confirm.button("No & more")->rect.center(), (Point{547, 413}));
  EXPECT_TRUE(confirm.has_icon());
  EXPECT_EQ(confirm.face, (Rgb{0xec, 0xe9, 0xd8}));
  // Wine keeps an empty icon control, visible, in a box without an icon.
  EXPECT_EQ(seen((*boxes)[1]), (BoxSeen{"Slatebar", "Aero Disabled", {"OK"}, false}));
}

TEST(HelperReport, StartupPolicyAnswersByCaptionAndDefaultsToTheFirstButton) {
  const BoxPolicy policy = startup_policy(Answer::No);
  const DialogControl yes{2, 6, "Button", {}, true, false, "&Yes"};
  const DialogControl no{3, 7, "Button", {}, true, false, "&No"};
  const DialogControl ok{2, 2, "Button", {}, true, false, "OK"};
  const Dialog confirm{1, {}, "Confirm", {yes, no}, {}};
  const Dialog unknown_question{1, {}, "Other", {yes, no}, {}};
  const Dialog unknown_note{1, {}, "Other", {ok}, {}};
  EXPECT_EQ(policy.answer_for(confirm), Answer::No);
  EXPECT_EQ(policy.answer_for(unknown_question), Answer::Yes);
  EXPECT_EQ(policy.answer_for(unknown_note), Answer::Ok);
}

TEST(ScreenshotRegions, CountsAreCutToTheCaptureAndOffsetByItsOrigin) {
  // A 4 x 2 capture taken at screen 10, 20: white left half, black right.
  std::vector<Rgb> pixels;
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 4; ++col) pixels.push_back(col < 2 ? Rgb{250, 250, 250} : Rgb{5, 5, 5});
  }
  const Screenshot shot(4, 2, pixels, {10, 20});
  EXPECT_EQ(shot.at(11, 21), (Rgb{250, 250, 250}));
  EXPECT_EQ(shot.at(0, 0), (Rgb{}));
  EXPECT_DOUBLE_EQ(shot.fraction({10, 20, 4, 2}, near_white), 0.5);
  EXPECT_TRUE(shot.all({12, 20, 100, 100}, near_black));  // cut to the capture
  EXPECT_DOUBLE_EQ(shot.fraction({0, 0, 5, 5}, near_white), 0.0);
  EXPECT_EQ(shot.mean({10, 20, 4, 1}), (Rgb{127, 127, 127}));
}

}  // namespace
}  // namespace e2e
