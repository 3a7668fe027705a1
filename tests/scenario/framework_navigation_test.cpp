// Moving about in the frame: back with nothing behind reaches the standard
// error box with the control's own text and the program goes on, forward
// with nothing ahead does nothing visible, a page's request for a new
// window is answered with the frame's own control, and a failing Navigate
// raises into whoever called it.
#include <gtest/gtest.h>

#include "support/framework_fixture.h"
#include "ui/error.h"

namespace {

using framework_test::FrameWork;

const std::u16string kStart = u"file:///C:/Program Files/Slatebar/menu\\index.htm";
const std::u16string kWeb = u"https://www.example.org/";

TEST_F(FrameWork, BackAndForwardClicks) {
  struct Step {
    const char* action;  // "navigate", "back" or "forward"
    std::u16string location;  // where the control is afterwards
    std::vector<std::string> boxes;  // shown by this step
  };
  const Step steps[] = {
      {"back", kStart, {"Slatebar | Unspecified error (GoBack: 0x80004005) | error OK"}},
      {"forward", kStart, {}},
      {"navigate", kWeb, {}},
      {"back", kStart, {}},
      {"back", kStart, {"Slatebar | Unspecified error (GoBack: 0x80004005) | error OK"}},
      {"forward", kWeb, {}},
      {"forward", kWeb, {}},
  };
  create();
  std::size_t seen = 0;
  for (const Step& s : steps) {
    const std::string action = s.action;
    if (action == "navigate") frmFrameWork->wb1->Navigate(kWeb);
    if (action == "back") click_arrow(*frmFrameWork->imgBack);
    if (action == "forward") click_arrow(*frmFrameWork->imgForward);
    const auto all = boxes();
    const std::vector<std::string> shown(all.begin() + static_cast<std::ptrdiff_t>(seen), all.end());
    seen = all.size();
    EXPECT_EQ(shown, s.boxes) << action;
    EXPECT_EQ(browser().location(), s.location) << action;
  }
  // Every click reached the control; the failed ones changed nothing.
  EXPECT_EQ(browser().calls(), (std::vector<std::string>{
                                   "put_FullScreen true", "put_TheaterMode true",
                                   "Navigate file:///C:/Program Files/Slatebar/menu\\index.htm",
                                   "GoBack -> 0x80004005", "GoForward -> 0x80004005",
                                   "Navigate https://www.example.org/", "GoBack", "GoBack -> 0x80004005",
                                   "GoForward", "GoForward -> 0x80004005"}));
}

// After the error box the program runs on: the bar still follows the
// pointer and the arrows still answer.
TEST_F(FrameWork, TheProgramGoesOnAfterTheBackErrorBox) {
  create();
  click_arrow(*frmFrameWork->imgBack);
  ASSERT_EQ(boxes().size(), 1u);
  point_and_tick(100, 100);
  EXPECT_FALSE(frmFrameWork->Panel1->visible());
  frmFrameWork->wb1->Navigate(kWeb);
  click_arrow(*frmFrameWork->imgBack);
  EXPECT_EQ(browser().location(), kStart);
  EXPECT_EQ(boxes().size(), 1u);
  EXPECT_TRUE(frmFrameWork->visible());
}

// Whatever the control reports for forward is swallowed, not only the end
// of the history.
TEST_F(FrameWork, ForwardFailuresOfAnyKindAreIgnored) {
  create();
  for (plat::HRESULT hr : {plat::E_FAIL, plat::E_UNEXPECTED, plat::E_NOTIMPL}) {
    browser().fail(sim::BrowserCall::GoForward, hr);
    click_arrow(*frmFrameWork->imgForward);
  }
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(browser().location(), kStart);
}

TEST_F(FrameWork, NewWindowRequestsGetTheFramesOwnControl) {
  create();
  const auto other = std::make_shared<int>(7);
  struct Row {
    const char* what;
    std::shared_ptr<void> sent;
    bool cancel;
  };
  const Row rows[] = {
      {"nothing sent, not cancelled", {}, false},
      {"another object sent", other, false},
      {"cancelled by the control", {}, true},
  };
  for (const Row& row : rows) {
    const auto answer = browser().fire_new_window2(row.sent, row.cancel);
    EXPECT_EQ(answer.ppDisp, browser().application()) << row.what;
    EXPECT_EQ(answer.cancel, row.cancel) << row.what << ": Cancel is left as it came";
  }
  EXPECT_TRUE(boxes().empty());
}

// When the control cannot give its Application the request is answered
// with what was sent, and the box says why.
TEST_F(FrameWork, NewWindowWithoutAnApplicationObject) {
  create();
  browser().fail(sim::BrowserCall::Application, plat::E_FAIL);
  const auto sent = std::make_shared<int>(1);
  const auto answer = browser().fire_new_window2(sent, false);
  EXPECT_EQ(answer.ppDisp, sent);
  EXPECT_FALSE(answer.cancel);
  EXPECT_EQ(boxes(), std::vector<std::string>{"Slatebar | Unspecified error (Application: 0x80004005) | error OK"});
}

// Other forms navigate the frame's control; a failure raises into them
// with the system's text for the result code.
TEST_F(FrameWork, AFailingNavigateRaisesIntoTheCaller) {
  create();
  browser().fail(sim::BrowserCall::Navigate, plat::E_INVALIDARG);
  try {
    frmFrameWork->wb1->Navigate(kWeb);
    ADD_FAILURE() << "Navigate did not raise";
  } catch (const ui::Error& e) {
    EXPECT_EQ(std::string(e.what()), sim::error_text(0x80070057u) + " (Navigate: 0x80070057)");
  }
  EXPECT_EQ(browser().location(), kStart);
  EXPECT_EQ(browser().history().size(), 1u);
  EXPECT_TRUE(boxes().empty()) << "the caller decides";
}

}  // namespace
