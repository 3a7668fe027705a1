// Creating the browser frame: its design, the steps of its creation in
// their order on screens whose work area starts at the origin or below a
// taskbar at the top, and the state it is left in: hidden, screen-sized at
// the work area's origin, a layered tool window not on top of everything,
// its browser filling it and its location bar across the bottom, which
// follows the pointer from the first tick on although nobody shows it.
#include <gtest/gtest.h>

#include "support/framework_fixture.h"

namespace {

using framework_test::FrameWork;
using framework_test::Screen;

const char* const kStartPage = "file:///C:/Program Files/Slatebar/menu\\index.htm";

TEST_F(FrameWork, DesignValues) {
  create();
  TfrmFrameWork& f = *frmFrameWork;
  EXPECT_EQ(f.caption(), "Slatebar");
  EXPECT_EQ(f.color(), 0x00530034u);
  EXPECT_EQ(f.font().name, "Tahoma");
  EXPECT_EQ(f.font().height, -11);

  // The bar is black, flat and lies above the browser: created after it.
  EXPECT_EQ(f.Panel1->color(), 0u);
  EXPECT_EQ(f.Panel1->height(), 33);
  const auto& children = f.controls();
  const auto at = [&](const ui::Control* c) { return std::find(children.begin(), children.end(), c) - children.begin(); };
  EXPECT_LT(at(f.wb1), at(f.Panel1));

  struct Arrow {
    const ui::Picture* picture;
    int left;
  };
  for (const Arrow& a : {Arrow{f.imgBack, 8}, Arrow{f.imgForward, 656}}) {
    SCOPED_TRACE(a.picture->name());
    EXPECT_EQ(a.picture->parent(), f.Panel1);
    EXPECT_EQ(a.picture->left(), a.left);
    EXPECT_EQ(a.picture->top(), 0);
    EXPECT_EQ(a.picture->width(), 32);
    EXPECT_EQ(a.picture->height(), 32);
    EXPECT_EQ(a.picture->image().width, 32);
    EXPECT_EQ(a.picture->image().height, 32);
    EXPECT_EQ(a.picture->cursor(), ui::crHandPoint);
  }

  EXPECT_EQ(f.lblURL->parent(), f.Panel1);
  EXPECT_EQ(f.lblURL->left(), 48);
  EXPECT_EQ(f.lblURL->top(), 8);
  EXPECT_EQ(f.lblURL->caption(), "");
  EXPECT_EQ(f.lblURL->font().name, "Tahoma");
  EXPECT_EQ(f.lblURL->font().height, -19);
  EXPECT_FALSE(f.lblURL->font().bold);
  EXPECT_EQ(f.lblURL->font_color(), 0x00FFFFFFu);

  EXPECT_EQ(f.tmrLocationBar->interval(), 500u);
  EXPECT_TRUE(f.tmrLocationBar->enabled());
}

// The arrows are white on black: the middle of each arrow is light and the
// corners are dark.
TEST_F(FrameWork, ArrowPicturesAreWhiteOnBlack) {
  create();
  for (const ui::Picture* p : {frmFrameWork->imgBack, frmFrameWork->imgForward}) {
    const plat::Image& img = p->image();
    const auto luma = [&](int x, int y) {
      const std::uint32_t px = img.pixels[static_cast<std::size_t>(y) * img.width + x];
      return ((px >> 16) & 0xFF) + ((px >> 8) & 0xFF) + (px & 0xFF);
    };
    EXPECT_LT(luma(0, 0), 90u) << p->name();
    EXPECT_LT(luma(31, 31), 90u) << p->name();
    EXPECT_GT(luma(16, 16), 600u) << p->name();
  }
}

TEST_F(FrameWork, CreationStepsInTheirOrder) {
  struct Row {
    const char* what;
    Screen screen;
    std::vector<std::string> expected;
  };
  const Row rows[] = {
      {"work area at the origin",
       {1024, 768, plat::RECT{0, 0, 1024, 728}},
       {"SetWindowLongA frmFrameWork GWL_STYLE 0x86000000",
        "SetWindowPos frmFrameWork SWP_NOSIZE|SWP_NOMOVE|SWP_NOZORDER|SWP_NOACTIVATE|SWP_FRAMECHANGED",
        "SetWindowPos frmFrameWork 0,0 1024x728 SWP_NOZORDER|SWP_NOACTIVATE",
        "put_FullScreen frmFrameWork true",
        "put_TheaterMode frmFrameWork true",
        std::string("Navigate frmFrameWork ") + kStartPage,
        "SetWindowLongA frmFrameWork GWL_EXSTYLE 0x00080080",
        "SetLayeredWindowAttributes frmFrameWork alpha=255",
        "SetWindowPos frmFrameWork HWND_TOP SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE"}},
      // The work area's origin and size: the frame ends at the screen's
      // bottom edge.
      {"taskbar at the top",
       {1280, 720, plat::RECT{0, 40, 1280, 720}},
       {"SetWindowLongA frmFrameWork GWL_STYLE 0x86000000",
        "SetWindowPos frmFrameWork SWP_NOSIZE|SWP_NOMOVE|SWP_NOZORDER|SWP_NOACTIVATE|SWP_FRAMECHANGED",
        "SetWindowPos frmFrameWork 0,40 1280x680 SWP_NOZORDER|SWP_NOACTIVATE",
        "put_FullScreen frmFrameWork true",
        "put_TheaterMode frmFrameWork true",
        std::string("Navigate frmFrameWork ") + kStartPage,
        "SetWindowLongA frmFrameWork GWL_EXSTYLE 0x00080080",
        "SetLayeredWindowAttributes frmFrameWork alpha=255",
        "SetWindowPos frmFrameWork HWND_TOP SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE"}},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    sim.restart();
    sim.desktop.log().clear();
    create(row.screen);
    const auto actual = sim.desktop.log().of({"SetWindowLongA", "SetWindowPos", "SetLayeredWindowAttributes",
                                              "ShowWindow", "put_FullScreen", "put_TheaterMode", "Navigate"});
    framework_test::expect_sequence(row.expected, actual);
  }
}

TEST_F(FrameWork, StateAfterCreation) {
  struct Row {
    const char* what;
    Screen screen;
    plat::RECT window;  // screen bounds
    int panel_top;
  };
  const Row rows[] = {
      {"work area at the origin", {1024, 768, plat::RECT{0, 0, 1024, 728}}, {0, 0, 1024, 728}, 695},
      {"taskbar at the top", {1024, 768, plat::RECT{0, 40, 1024, 768}}, {0, 40, 1024, 768}, 695},
      {"taskbar at the left", {800, 600, plat::RECT{60, 0, 800, 600}}, {60, 0, 800, 600}, 567},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    sim.restart();
    create(row.screen);
    const plat::HWND h = frmFrameWork->handle();
    const sim::Window& w = sim.desktop.window(h);
    // The work area's size, wherever the taskbar is.
    const int width = row.window.right - row.window.left, height = row.window.bottom - row.window.top;

    EXPECT_FALSE(frmFrameWork->visible());
    EXPECT_FALSE(sim.desktop.IsWindowVisible(h));
    EXPECT_EQ(w.bounds, row.window);
    EXPECT_EQ(w.style & (plat::WS_CAPTION | plat::WS_THICKFRAME), 0u) << "no border";
    EXPECT_EQ(w.ex_style & (plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW), plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW);
    EXPECT_EQ(w.ex_style & plat::WS_EX_TOPMOST, 0u) << "raised, not made topmost";
    plat::COLORREF key = 1;
    std::uint8_t alpha = 0;
    plat::DWORD flags = 0;
    ASSERT_TRUE(sim.desktop.GetLayeredWindowAttributes(h, &key, &alpha, &flags));
    EXPECT_EQ(key, 0u);
    EXPECT_EQ(alpha, 255);
    EXPECT_EQ(flags, plat::LWA_ALPHA);

    // The browser fills the client area, in full screen and theatre mode,
    // on the start page.
    EXPECT_EQ(frmFrameWork->wb1->align(), ui::Align::Client);
    EXPECT_EQ(browser().bounds(), (plat::RECT{0, 0, width, height}));
    EXPECT_EQ(browser().parent(), h);
    EXPECT_TRUE(browser().full_screen());
    EXPECT_TRUE(browser().theater_mode());
    EXPECT_EQ(browser().history(), std::vector<std::u16string>{u"file:///C:/Program Files/Slatebar/menu\\index.htm"});

    // The bar spans the bottom edge; the forward arrow keeps its place.
    const ui::Panel& bar = *frmFrameWork->Panel1;
    EXPECT_EQ(bar.left(), 0);
    EXPECT_EQ(bar.top(), row.panel_top);
    EXPECT_EQ(bar.width(), width);
    EXPECT_EQ(bar.height(), 33);
    EXPECT_EQ(frmFrameWork->imgForward->left(), 656);
    EXPECT_EQ(frmFrameWork->lblURL->caption(), "");
  }
}

// The frame is raised in the ordinary band at its creation: in front of
// the ordinary windows there are, behind the always-on-top ones.
TEST_F(FrameWork, RaisedToTheTopOfTheOrdinaryBand) {
  sim::ForeignWindow editor;
  editor.title = "Editor";
  sim.desktop.add_foreign_window(editor);
  sim::ForeignWindow on_top = editor;
  on_top.title = "Always on top";
  on_top.ex_style = plat::WS_EX_TOPMOST;
  sim.desktop.add_foreign_window(on_top);
  create();
  const auto z = sim.desktop.z_order_names();
  const auto pos = [&](const std::string& n) { return std::find(z.begin(), z.end(), n) - z.begin(); };
  EXPECT_LT(pos("Always on top"), pos("frmFrameWork")) << ::testing::PrintToString(z);
  EXPECT_LT(pos("frmFrameWork"), pos("Editor")) << ::testing::PrintToString(z);
}

// Nobody shows the frame here, yet its bar follows the pointer: the timer
// runs from creation, every 500 ms.
TEST_F(FrameWork, TheLocationBarTimerRunsWhileTheFrameIsHidden) {
  create();
  sim.desktop.move_pointer(10, 767);
  sim.desktop.advance(framework_test::kTick - 1);
  EXPECT_TRUE(frmFrameWork->Panel1->visible()) << "as designed, before the first tick";
  sim.desktop.move_pointer(10, 100);
  sim.desktop.advance(1);
  EXPECT_FALSE(frmFrameWork->Panel1->visible()) << "first tick at 500 ms";
  sim.desktop.move_pointer(10, 767);
  sim.desktop.advance(framework_test::kTick);
  EXPECT_TRUE(frmFrameWork->Panel1->visible()) << "second tick at 1000 ms";
  EXPECT_FALSE(frmFrameWork->visible());
  EXPECT_FALSE(sim.desktop.IsWindowVisible(frmFrameWork->handle()));
}

// The browser's window leaves the bar's place to the form while the bar is
// shown, and takes it back while it is hidden.
TEST_F(FrameWork, TheBrowserLeavesTheShownBarsPlaceToTheForm) {
  create({800, 600, std::nullopt});
  const plat::RECT bar{0, 567, 800, 600};
  EXPECT_EQ(browser().covered(), std::vector<plat::RECT>{bar}) << "as designed, the bar starts shown";
  point_and_tick(400, 100);
  EXPECT_TRUE(browser().covered().empty());
  point_and_tick(400, 599);
  EXPECT_EQ(browser().covered(), std::vector<plat::RECT>{bar});
}

// The control is closed while the frame's window, its parent, still stands.
TEST_F(FrameWork, TheControlIsReleasedBeforeTheFramesWindow) {
  create();
  ASSERT_EQ(sim.desktop.browsers().size(), 1u);
  const plat::HWND h = frmFrameWork->handle();
  sim.desktop.log().clear();
  sim.app->destroy_forms();
  EXPECT_TRUE(sim.desktop.browsers().empty());
  EXPECT_FALSE(sim.desktop.window_exists(h));
  framework_test::expect_sequence({"release_browser frmFrameWork", "DestroyWindow frmFrameWork"},
                                  sim.desktop.log().of({"release_browser", "DestroyWindow"}));
}

// Without the control the frame still comes up, and the first call that
// needs it says why there is none: the HRESULT its creation failed with.
TEST_F(FrameWork, AControlThatCouldNotBeCreatedIsReportedWithItsResult) {
  sim.desktop.fail_browser_creation(static_cast<plat::HRESULT>(0x80040154));
  create();
  EXPECT_EQ(frmFrameWork->wb1->host(), nullptr);
  const auto shown = boxes();
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_NE(shown[0].find(" | The web browser control is not available on this system: "), std::string::npos)
      << shown[0];
  EXPECT_NE(shown[0].find("(0x80040154)"), std::string::npos) << shown[0];
  EXPECT_EQ(sim.desktop.log().of({"create_browser"}),
            (std::vector<std::string>{"create_browser frmFrameWork -> 0x80040154"}));
}

}  // namespace
