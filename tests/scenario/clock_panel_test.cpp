// The clock panel: its window as creation leaves it, its texts before and
// after the first clock tick, and that neither showing it nor clicking on
// it takes anything from the window the user works in.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/menu_fixture.h"

namespace {

using menu_test::BarDesk;

struct Frame {
  const char* what;
  sim::FrameMetrics metrics;
  plat::RECT panel;
};

sim::FrameMetrics metrics(int frame, int padded, int caption) {
  sim::FrameMetrics m;
  m.cx_frame = m.cy_frame = frame;
  m.cx_padded_border = padded;
  m.cy_caption = caption;
  return m;
}

// The design's 460 x 143 client area grows by the frame and caption of a
// captioned, sizeable window on the running system; the frame then goes
// and the panel keeps that outer size.
TEST(ClockPanel, OuterSizeFollowsTheSystemFrame) {
  const std::vector<Frame> rows = {
      {"thin frame", metrics(4, 0, 19), {211, 467, 211 + 468, 467 + 170}},
      {"padded frame, tall caption", metrics(4, 4, 23), {211, 467, 211 + 476, 467 + 182}},
  };
  for (const Frame& row : rows) {
    SCOPED_TRACE(row.what);
    BarDesk d(1024, 768, 500, [&](sim::Desktop& desk) { desk.metrics() = row.metrics; });
    const sim::Window& w = d.desktop.window(d.clock().handle());
    EXPECT_EQ(w.bounds, row.panel);
    EXPECT_EQ(w.style & (plat::WS_CAPTION | plat::WS_THICKFRAME), 0u);
    plat::RECT client{};
    d.desktop.GetClientRect(d.clock().handle(), &client);
    EXPECT_EQ(client.right, row.panel.right - row.panel.left);
    EXPECT_EQ(client.bottom, row.panel.bottom - row.panel.top);
  }
}

TEST(ClockPanel, WindowAndLabelsAfterCreation) {
  // A screen too small for the panel: it is not moved to fit.
  BarDesk d(640, 480);
  TfrmClock& c = d.clock();
  const sim::Window& w = d.desktop.window(c.handle());
  EXPECT_EQ(w.bounds.left, 211);
  EXPECT_EQ(w.bounds.top, 467);
  EXPECT_FALSE(w.visible());
  const plat::DWORD wanted = plat::WS_EX_LAYERED | plat::WS_EX_TRANSPARENT | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST;
  EXPECT_EQ(w.ex_style & wanted, wanted);
  EXPECT_TRUE(w.click_through());
  EXPECT_EQ(w.layered_alpha, 255);
  EXPECT_EQ(w.layered_flags, plat::LWA_ALPHA);
  EXPECT_EQ(c.color(), 0u);

  struct LabelRow {
    ui::Label* label;
    int left, top;
    const char* caption;
    int font_height;
  };
  for (const LabelRow& row : {LabelRow{c.lblTime, 80, 16, "24:59", -96},
                              LabelRow{c.lblDay, 304, 40, "Wednesday\rJune 01", -32}}) {
    SCOPED_TRACE(row.caption);
    EXPECT_EQ(row.label->left(), row.left);
    EXPECT_EQ(row.label->top(), row.top);
    EXPECT_EQ(row.label->caption(), row.caption);
    EXPECT_EQ(row.label->font().name, "Calibri");
    EXPECT_EQ(row.label->font().height, row.font_height);
    EXPECT_FALSE(row.label->font().bold);
    EXPECT_EQ(row.label->font_color(), 0x00FFFFFFu);
  }
}

// The design texts stay until the first tick, one second after creation;
// each tick reads the local time afresh, shown or hidden.
TEST(ClockPanel, TextsFollowTheLocalTime) {
  const plat::SYSTEMTIME start{2024, 3, 0, 3, 0, 4, 59, 100};  // Sunday 3 March, 00:04:59.100
  BarDesk d(1024, 768, 500, [&](sim::Desktop& desk) { desk.set_local_time(start); });
  struct Row {
    sim::Millis at;
    const char* time;
    const char* day;
  };
  const std::vector<Row> rows = {
      {999, "24:59", "Wednesday\rJune 01"},
      {1000, "00:05", "Sunday\rMar, 3"},
      {60000, "00:05", "Sunday\rMar, 3"},
      {61000, "00:06", "Sunday\rMar, 3"},
  };
  for (const Row& row : rows) {
    d.desktop.advance(row.at - d.desktop.now());
    SCOPED_TRACE(std::to_string(row.at) + " ms");
    EXPECT_EQ(d.clock().lblTime->caption(), row.time);
    EXPECT_EQ(d.clock().lblDay->caption(), row.day);
  }
  EXPECT_FALSE(d.desktop.window(d.clock().handle()).visible());
  EXPECT_FALSE(d.clock().visible()) << "the form's own flag is never touched";
}

struct Focus {
  const char* what;
  bool editor_active;
};

// Brought in by the bar, the panel takes no activation, and a click at
// its place goes to whatever lies beneath.
TEST(ClockPanel, ShownWithoutActivationAndTransparentToClicks) {
  for (const Focus& row : {Focus{"the bar active", false}, Focus{"another program active", true}}) {
    SCOPED_TRACE(row.what);
    BarDesk d;
    sim::ForeignWindow beneath;
    beneath.class_name = "Editor";
    beneath.bounds = {100, 400, 900, 700};
    const plat::HWND editor = d.desktop.add_foreign_window(beneath);
    if (row.editor_active) d.desktop.activate_foreign(editor);
    const plat::HWND before = d.desktop.GetForegroundWindow();
    d.pointer_at(d.width() - 1);
    d.tick();
    ASSERT_TRUE(d.desktop.window(d.clock().handle()).visible());
    EXPECT_EQ(d.desktop.GetForegroundWindow(), before);
    EXPECT_EQ(d.desktop.z_order_names(sim::Windows::Visible).front(), "frmClock");
    EXPECT_EQ(d.desktop.window_at(211 + 150, 467 + 60), editor);

    d.desktop.log().clear();
    d.desktop.move_pointer(211 + 150, 467 + 60);
    d.desktop.press();
    d.desktop.release();
    d.desktop.advance(1);
    EXPECT_EQ(d.desktop.GetForegroundWindow(), editor);
    EXPECT_TRUE(d.desktop.log().of({"SetCapture"}).empty()) << "a form of ours took the press";
  }
}

// A shown window keeps its z-order place, behind the always-on-top
// screens made after the panel: each time it appears it is put on top of
// the band, once, without activation, and left there while it stays up.
TEST(ClockPanel, ComesToTheTopOncePerAppearance) {
  BarDesk d;
  sim::ForeignWindow lock;
  lock.name = "LockScreen";
  lock.bounds = {0, 0, 1024, 768};
  lock.ex_style = plat::WS_EX_TOPMOST;
  lock.process = sim::kOurProcess;
  lock.owner = d.app->handle();
  d.desktop.add_foreign_window(lock);
  auto placements = [&] {
    std::vector<std::string> out;
    for (const std::string& line : d.desktop.log().of({"SetWindowPos"})) {
      if (line.starts_with("SetWindowPos frmClock HWND_TOPMOST")) out.push_back(line);
    }
    return out;
  };
  d.desktop.log().clear();
  const std::string placed = "SetWindowPos frmClock HWND_TOPMOST SWP_NOSIZE|SWP_NOMOVE|SWP_NOACTIVATE|SWP_NOOWNERZORDER";
  struct Row {
    const char* what;
    int from_w;
    int ticks;
    std::size_t placements;
  };
  for (const Row& row : {Row{"pointer held on the edge", -1, 12, 1}, Row{"pointer in the middle", -500, 9, 1},
                         Row{"pointer on the edge again", -1, 3, 2}}) {
    SCOPED_TRACE(row.what);
    d.pointer_at(d.width() + row.from_w);
    d.tick(row.ticks);
    EXPECT_EQ(placements(), std::vector<std::string>(row.placements, placed));
  }
  EXPECT_EQ(d.desktop.z_order_names(sim::Windows::Visible).front(), "frmClock");
  EXPECT_EQ(d.desktop.GetForegroundWindow(), d.bar().handle());
}

}  // namespace
