// Painting, bounds notifications, keys and the modal loops of boxes on the
// simulated desktop, and the log lines that sequence tests compare.
#include <gtest/gtest.h>

#include <optional>

#include "platform/sim/desktop.h"
#include "sim_probe.h"

namespace {

using namespace plat;
using sim::Desktop;
using sim_test::Probe;

// Draws a fixed picture and keeps the outer bounds it is told about.
struct Painter : Probe {
  using Probe::Probe;
  Image picture = Image::blank(3, 2);
  std::vector<RECT> bounds;
  int invalidate_in_paint = 0;
  Desktop* d = nullptr;
  HWND self = 0;
  void on_paint(Canvas& c) override {
    Probe::on_paint(c);
    c.fill_rect({0, 0, 10, 10}, 0x00310925);
    c.draw_image(picture, 1, 2, {0, 0, 5, 5});
    c.draw_text("Wednesday, a long line", Font{"Calibri", -32, true}, 0x00FFFFFF, {0, 0, 90, 40}, TextAlign::Center);
    if (invalidate_in_paint-- > 0) d->InvalidateRect(self, nullptr);
  }
  void on_bounds_changed(const RECT& r) override { bounds.push_back(r); }
};

struct PaintTest : ::testing::Test {
  Desktop d;
  std::vector<std::string> events;
  Painter painter{"w", events};
  HWND w = 0;
  void SetUp() override {
    WindowParams p;
    p.name = "frmClock";
    p.style = WS_CAPTION | WS_THICKFRAME;
    p.bounds = {211, 467, 679, 637};
    w = d.create_window(p, &painter);
    painter.d = &d;
    painter.self = w;
  }
};

TEST_F(PaintTest, OnlyVisibleMarkedWindowsArePaintedOncePerPump) {
  struct Step {
    const char* what;
    std::function<void()> run;
    int paints;
  };
  const std::vector<Step> steps = {
      {"hidden and marked: not painted", [&] { d.InvalidateRect(w, nullptr); }, 0},
      {"shown: painted", [&] { d.ShowWindow(w, SW_SHOWNOACTIVATE); }, 1},
      {"nothing marked: nothing painted", [] {}, 1},
      {"a paint that marks itself again waits for the next pump", [&] {
         painter.invalidate_in_paint = 1;
         d.InvalidateRect(w, nullptr);
       }, 2},
      {"the next pump paints it", [] {}, 3},
      {"moved only: not painted", [&] { d.SetWindowPos(w, 0, 5, 5, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE); }, 3},
      {"resized: painted", [&] { d.SetWindowPos(w, 0, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE); }, 4},
  };
  for (const Step& s : steps) {
    s.run();
    d.pump_pending();
    EXPECT_EQ(d.paint_count(w), s.paints) << s.what;
  }
  EXPECT_EQ(sim::describe(d.last_paint(w)),
            (std::vector<std::string>{"fill 0,0,10,10 0x00310925", "image 3x2 at 1,2 clip 0,0,5,5",
                                      "text \"Wednesday, a long line\" Calibri -32 bold 0x00FFFFFF 0,0,90,40 center"}));
  EXPECT_EQ(d.last_paint(w)[1].image, &painter.picture);
}

// A paint covers the update region's bounding box, cut to the client
// area: the size of the buffer that the Windows backend paints into.
TEST_F(PaintTest, APaintCoversTheBoxOfWhatWasMarked) {
  d.ShowWindow(w, SW_SHOWNOACTIVATE);
  d.pump_pending();
  RECT client{};
  d.GetClientRect(w, &client);
  ASSERT_EQ(d.window(w).last_paint_rect, client) << "the first paint covers the whole client area";
  struct Row {
    const char* what;
    std::vector<std::optional<RECT>> marked;  // nothing: the whole client area
    std::optional<RECT> painted;              // nothing: no paint
  };
  const std::vector<Row> rows = {
      {"one small rectangle", {RECT{10, 10, 30, 20}}, RECT{10, 10, 30, 20}},
      {"two: their box", {RECT{10, 10, 30, 20}, RECT{40, 5, 50, 15}}, RECT{10, 5, 50, 20}},
      {"a rectangle, then all", {RECT{10, 10, 30, 20}, std::nullopt}, client},
      {"all, then a rectangle", {std::nullopt, RECT{10, 10, 30, 20}}, client},
      {"reaching past the client area: cut", {RECT{-5, 100, 30, 900}}, RECT{0, 100, 30, client.bottom}},
      {"an empty rectangle: nothing", {RECT{10, 10, 10, 20}}, std::nullopt},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const int before = d.paint_count(w);
    for (const auto& m : r.marked) d.InvalidateRect(w, m ? &*m : nullptr);
    d.pump_pending();
    if (!r.painted) {
      EXPECT_EQ(d.paint_count(w), before);
      continue;
    }
    EXPECT_EQ(d.paint_count(w), before + 1);
    EXPECT_EQ(d.window(w).last_paint_rect, *r.painted);
  }
}

// The browser control's host draws nothing itself: it is never asked to.
TEST(SimPaint, AWindowThatDrawsNothingIsNotAskedToPaint) {
  struct Host : Probe {
    using Probe::Probe;
    bool draws() const override { return false; }
  };
  Desktop d;
  std::vector<std::string> events;
  Host host{"host", events};
  WindowParams p;
  p.name = "browser";
  p.style = WS_POPUP | WS_VISIBLE;
  p.bounds = {0, 0, 100, 100};
  const HWND w = d.create_window(p, &host);
  d.InvalidateRect(w, nullptr);
  d.pump_pending();
  EXPECT_EQ(d.paint_count(w), 0);
  for (const auto& e : events) EXPECT_EQ(e.find("paint"), std::string::npos) << e;
}

TEST_F(PaintTest, BoundsChangesAreToldOnceEachWithTheOuterRectangle) {
  d.SetWindowPos(w, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  d.SetWindowPos(w, 0, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  d.SetWindowPos(w, 0, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  d.SetWindowPos(w, 0, 0, 0, 100, 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(painter.bounds, (std::vector<RECT>{{10, 20, 478, 190}, {10, 20, 110, 70}}));
}

// A press on the caption starts the system's move loop: the window follows
// the pointer until the button goes up, and the form sees no press.
TEST_F(PaintTest, ACaptionPressDragsTheWindow) {
  d.ShowWindow(w, SW_SHOWNOACTIVATE);
  d.move_pointer(300, 475);  // in the caption
  d.press();
  d.move_pointer(320, 500);
  d.move_pointer(350, 510);
  d.release();
  d.move_pointer(400, 600);
  d.pump_pending();
  EXPECT_EQ(painter.bounds, (std::vector<RECT>{{261, 502, 729, 672}}));
  for (const auto& e : events) EXPECT_EQ(e.find("down"), std::string::npos) << e;
}

TEST_F(PaintTest, KeysGoToTheForegroundWindowOfOurs) {
  d.ShowWindow(w, SW_SHOW);
  d.key_char('a');
  const HWND other = d.add_foreign_window({.class_name = "Notepad"});
  d.pump_pending();
  d.activate_foreign(other);
  d.key_char('b');
  d.key_char('c', w);
  d.pump_pending();
  std::vector<std::string> keys;
  for (const auto& e : events) {
    if (e.find("char") != std::string::npos) keys.push_back(e);
  }
  EXPECT_EQ(keys, (std::vector<std::string>{"w char a", "w char c"}));
}

TEST_F(PaintTest, ABoxAnswersItsFirstButtonDisablesItsOwnerAndEndsOnQuit) {
  struct Row {
    UINT type;
    int answer;
    std::string kind;
    std::string buttons;
  };
  const std::vector<Row> rows = {
      {MB_OK, IDOK, "plain", "OK"},
      {MB_OK | MB_ICONSTOP, IDOK, "error", "OK"},
      {MB_YESNO | MB_ICONQUESTION, IDYES, "confirmation", "Yes No"},
      {sim::MB_OKCANCEL | MB_ICONWARNING, IDOK, "warning", "OK Cancel"},
      {sim::MB_RETRYCANCEL | sim::MB_ICONINFORMATION, sim::IDRETRY, "information", "Retry Cancel"},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(d.MessageBoxA(w, "t", "c", r.type), r.answer);
    EXPECT_EQ(sim::Dialogs::kind(r.type), r.kind);
    EXPECT_EQ(sim::Dialogs::buttons(r.type), r.buttons);
  }
  bool owner_enabled_inside = true;
  d.SetTimer(w, 1, 10);
  painter.timer_hook = [&](std::uintptr_t) {
    owner_enabled_inside = d.IsWindowEnabled(w);
    if (d.now() == 30) d.PostQuitMessage(0);
  };
  d.dialogs().script_box({.answer = IDNO, .open_ms = 1000});
  EXPECT_EQ(d.MessageBoxA(w, nullptr, nullptr, MB_YESNO), IDNO);
  EXPECT_FALSE(owner_enabled_inside);
  EXPECT_TRUE(d.IsWindowEnabled(w));
  EXPECT_EQ(d.now(), 30u) << "the quit closed the box";
  EXPECT_EQ(d.dialogs().boxes().back().caption, "Error");
  EXPECT_FALSE(d.pump_pending()) << "and stayed posted for the program's loop";
}

TEST(SimLog, EntriesReadAsTheCallsWereMade) {
  Desktop d;
  WindowParams p;
  p.name = "frmMenu";
  const HWND w = d.create_window(p, nullptr);
  d.log().clear();
  // Through the recorder, as the program calls the desktop.
  plat::Platform& os = d.recorded();
  os.ShowWindow(w, SW_SHOWNOACTIVATE);
  os.SetWindowPos(w, HWND_TOPMOST, 976, 0, 48, 768, SWP_NOACTIVATE);
  os.SetWindowPos(w, 0, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
  os.SetWindowLongA(w, GWL_EXSTYLE, static_cast<LONG>(WS_EX_LAYERED | WS_EX_TOOLWINDOW));
  os.SetLayeredWindowAttributes(w, 0, 128, LWA_ALPHA);
  os.MessageBoxA(w, "There were errors.\r\nSecond", "Slatebar", MB_OK | MB_ICONWARNING);
  os.WinExec("control.exe userpasswords", 1);
  os.Sleep(500);
  os.GetFileAttributesA("C:\\Program Files\\Slatebar\\pics");
  os.CreateDirectoryA("C:\\Program Files\\Slatebar\\pics");
  os.SwitchToThisWindow(w, sim::TRUE);
  const std::vector<std::string> expected = {
      "ShowWindow frmMenu SW_SHOWNOACTIVATE",
      "SetWindowPos frmMenu HWND_TOPMOST 976,0 48x768 SWP_NOACTIVATE",
      "SetWindowPos frmMenu SWP_NOSIZE|SWP_NOMOVE|SWP_NOZORDER|SWP_FRAMECHANGED",
      "on_activate_app true",  // that SetWindowPos activates: no SWP_NOACTIVATE
      "on_activate frmMenu true",
      "SetWindowLongA frmMenu GWL_EXSTYLE 0x00080080",
      "SetLayeredWindowAttributes frmMenu alpha=128",
      "MessageBoxA \"Slatebar\" \"There were errors.\\r\\nSecond\" MB_OK|MB_ICONWARNING -> IDOK",
      "on_activate frmMenu false",  // the box is a window of ours and takes the activation
      "on_activate MessageBox true",
      "on_activate MessageBox false",
      "on_activate frmMenu true",  // and hands it to its owner as it ends
      "WinExec \"control.exe userpasswords\" 1",
      "Sleep 500",
      "GetFileAttributesA C:\\Program Files\\Slatebar\\pics -> error 2",
      "CreateDirectoryA C:\\Program Files\\Slatebar\\pics -> ok",
      "SwitchToThisWindow frmMenu TRUE",
  };
  EXPECT_EQ(d.events(), expected) << sim::side_by_side(expected, d.events());
  EXPECT_EQ(d.log().of({"Sleep", "WinExec"}), (std::vector<std::string>{expected[12], expected[13]}));
}

}  // namespace
