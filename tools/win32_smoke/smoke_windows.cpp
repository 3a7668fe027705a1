// Real windows through the seam: a layered topmost form owned by a hidden
// application window, painting double-buffered through the GDI canvas, a
// window fed by UpdateLayeredWindow, timers, posted messages, capture,
// bounds, a popup menu, a message box and the close request.
#include <cmath>
#include <functional>
#include <stdexcept>
#include <string>

#include "smoke.h"

namespace smoke {

namespace {

// The program's own message numbers; 2 is also WM_DESTROY's number, which
// must not matter.
constexpr plat::UINT kPosted = 5;
constexpr plat::UINT kPostedLikeDestroy = 2;
constexpr plat::UINT kPostedThrow = 6;
constexpr plat::UINT kPostedTooHigh = 0x4000;
constexpr std::uintptr_t kTickTimer = 7;
constexpr std::uintptr_t kBoxTimer = 8;
constexpr std::uintptr_t kMenuTimer = 9;
constexpr char kCaption[] = "Slatebar smoke";

// A disc whose alpha falls off towards the rim, straight alpha.
plat::Image disc(int side, std::uint8_t r, std::uint8_t g, std::uint8_t b, bool premultiplied) {
  plat::Image img = plat::Image::blank(side, side);
  const double c = (side - 1) / 2.0;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      const double d = std::hypot(x - c, y - c) / c;
      const double a = d >= 1.0 ? 0.0 : 1.0 - d * d;
      auto scale = [&](std::uint8_t v) { return static_cast<std::uint8_t>(premultiplied ? v * a : v); };
      img.at(x, y) = plat::argb(static_cast<std::uint8_t>(255 * a), scale(r), scale(g), scale(b));
    }
  }
  return img;
}

class SmokeSink : public plat::WindowSink {
 public:
  explicit SmokeSink(plat::Image picture) : picture_(std::move(picture)) {}

  void on_paint(plat::Canvas& c) override {
    ++paints;
    c.fill_rect({0, 0, 400, 240}, 0x00402010);    // deep blue
    c.fill_rect({20, 20, 180, 120}, 0x000080FF);  // orange
    c.frame_rect({14, 14, 186, 126}, 0x00FFFFFF);
    c.draw_image(picture_, 200, 16, {0, 0, 400, 240});
    // Cut to its clip: only the upper left quarter shows.
    c.draw_image(picture_, 300, 16, {300, 16, 348, 64});
    const plat::Font font{"Tahoma", -16, true};
    c.draw_text(kCaption, font, 0x00FFFFFF, {20, 140, 380, 170}, plat::TextAlign::Left);
    c.draw_text("tick " + std::to_string(ticks), {"Tahoma", -13, false}, 0x0000FFFF, {0, 190, 400, 220},
                plat::TextAlign::Center);
  }
  void on_timer(std::uintptr_t id) override {
    if (on_tick) on_tick(id);
  }
  void on_posted(plat::UINT msg, std::uintptr_t param) override {
    if (msg == kPostedThrow) throw std::runtime_error("thrown by a sink");
    posted_msg = msg;
    posted_param = param;
  }
  void on_bounds_changed(const plat::RECT& outer) override { bounds = outer; }
  void on_capture_lost() override { capture_lost = true; }
  void on_close_request() override { close_requested = true; }

  int paints = 0;
  int ticks = 0;
  plat::UINT posted_msg = 0;
  std::uintptr_t posted_param = 0;
  plat::RECT bounds{};
  bool capture_lost = false;
  bool close_requested = false;
  std::function<void(std::uintptr_t)> on_tick;

 private:
  plat::Image picture_;
};

class PlainSink : public plat::WindowSink {
 public:
  void on_paint(plat::Canvas&) override {}
};

// Dispatches until the condition holds or the time is up.
bool pump_until(win32::Win32Platform& os, const std::function<bool()>& done, plat::DWORD timeout_ms) {
  const plat::DWORD start = os.GetTickCount();
  while (!done()) {
    if (os.GetTickCount() - start > timeout_ms || !os.pump_pending()) return done();
    os.Sleep(5);
  }
  return true;
}

void pump_for(win32::Win32Platform& os, plat::DWORD ms) {
  pump_until(os, [] { return false; }, ms);
}

std::string rect_text(const plat::RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
         std::to_string(r.bottom);
}

}  // namespace

void check_windows(win32::Win32Platform& os, Report& r, unsigned hold_ms) {
  PlainSink app_sink;
  const plat::HWND app =
      os.create_window({"application", "", "Slatebar smoke application", plat::WS_POPUP, plat::WS_EX_TOOLWINDOW,
                        {0, 0, 0, 0}, 0, 0},
                       &app_sink);
  r.check("create_window: the hidden application window", app != 0);

  SmokeSink sink(disc(96, 40, 220, 90, false));
  const plat::RECT bounds{100, 100, 500, 340};
  const plat::HWND form = os.create_window(
      {"smoke", "", kCaption, plat::WS_POPUP,
       plat::WS_EX_LAYERED | plat::WS_EX_TOPMOST | plat::WS_EX_TOOLWINDOW, bounds, app, 0},
      &sink);
  r.check("create_window: a layered topmost owned form", form != 0);

  r.check("SetLayeredWindowAttributes", os.SetLayeredWindowAttributes(form, 0, 230, plat::LWA_ALPHA) != 0);
  plat::COLORREF key = 1;
  std::uint8_t alpha = 0;
  plat::DWORD flags = 0;
  const bool read_back = os.GetLayeredWindowAttributes(form, &key, &alpha, &flags) != 0;
  r.check("GetLayeredWindowAttributes reads it back", read_back && alpha == 230 && flags == plat::LWA_ALPHA,
          std::to_string(alpha));

  os.ShowWindow(form, plat::SW_SHOW);
  r.check("ShowWindow makes it visible", os.IsWindowVisible(form) != 0 && os.IsWindowVisible(app) == 0);
  r.check("the form paints", pump_until(os, [&] { return sink.paints > 0; }, 5000));
  r.check("GWL_HWNDPARENT is the owner",
          os.GetWindowLongA(form, plat::GWL_HWNDPARENT) == static_cast<plat::LONG>(app));
  const auto ex = static_cast<plat::DWORD>(os.GetWindowLongA(form, plat::GWL_EXSTYLE));
  r.check("GWL_EXSTYLE has layered and topmost",
          (ex & plat::WS_EX_LAYERED) && (ex & plat::WS_EX_TOPMOST));
  r.check("FindWindowA by the form class and caption", os.FindWindowA("SlatebarForm", kCaption) == form);
  r.check("FindWindowA of an unknown class", os.FindWindowA("SlatebarNoSuchClass", nullptr) == 0);
  char text[64] = {};
  r.check("GetWindowTextA", os.GetWindowTextA(form, text, sizeof text) > 0 && std::string(text) == kCaption);

  sink.on_tick = [&](std::uintptr_t id) {
    if (id != kTickTimer) return;
    ++sink.ticks;
    os.InvalidateRect(form, nullptr);
  };
  r.check("SetTimer", os.SetTimer(form, kTickTimer, 40) != 0);
  const bool ticked = pump_until(os, [&] { return sink.ticks >= 3; }, 5000);
  r.check("the timer ticks", ticked, std::to_string(sink.ticks));

  os.PostMessageA(form, kPosted, 42);
  r.check("a posted message arrives with its param",
          pump_until(os, [&] { return sink.posted_param == 42; }, 2000) && sink.posted_msg == kPosted);
  os.PostMessageA(form, kPostedLikeDestroy, 43);
  r.check("a posted 2 is the program's, not WM_DESTROY",
          pump_until(os, [&] { return sink.posted_param == 43; }, 2000) && sink.posted_msg == kPostedLikeDestroy &&
              os.IsWindowVisible(form) != 0);
  r.check("a number past the private range is refused", os.PostMessageA(form, kPostedTooHigh, 0) == 0);

  os.PostMessageA(form, kPostedThrow, 0);
  std::string thrown;
  try {
    pump_for(os, 200);
  } catch (const std::runtime_error& e) {
    thrown = e.what();
  }
  r.check("a sink's exception comes out of the pump", thrown == "thrown by a sink", thrown);

  os.SetWindowPos(form, plat::HWND_TOPMOST, 110, 100, 400, 240, plat::SWP_NOACTIVATE);
  plat::RECT now{};
  os.GetWindowRect(form, &now);
  const plat::RECT moved{110, 100, 510, 340};
  r.check("SetWindowPos reports the new bounds", sink.bounds == moved && now == moved, rect_text(sink.bounds));

  os.SetCapture(form);
  const bool captured = os.GetCapture() == form;
  os.ReleaseCapture();
  r.check("SetCapture, then ReleaseCapture tells the sink", captured && sink.capture_lost);

  PlainSink layered_sink;
  const plat::HWND glow = os.create_window({"glow", "", "Slatebar smoke glow", plat::WS_POPUP,
                                            plat::WS_EX_LAYERED | plat::WS_EX_TOPMOST | plat::WS_EX_TOOLWINDOW,
                                            {560, 100, 688, 228}, app, 0},
                                           &layered_sink);
  const plat::Image ring = disc(128, 255, 200, 40, true);
  const plat::POINT dst{560, 100}, src{0, 0};
  const plat::SIZE size{128, 128};
  const plat::BLENDFUNCTION blend{plat::AC_SRC_OVER, 0, 255, plat::AC_SRC_ALPHA};
  r.check("UpdateLayeredWindow with a premultiplied picture",
          os.UpdateLayeredWindow(glow, &dst, &size, ring, &src, 0, &blend, plat::ULW_ALPHA) != 0);
  os.ShowWindow(glow, plat::SW_SHOWNA);
  pump_for(os, hold_ms);  // screenshot: the form and the glow

  sink.on_tick = [&](std::uintptr_t id) {
    if (id == kMenuTimer) {
      os.KillTimer(form, kMenuTimer);
      press_down_down_return();
    }
  };
  os.SetTimer(form, kMenuTimer, 300);
  const auto chosen = os.TrackPopupMenu(form, {{"&First"}, {"-"}, {"&Second"}, {"Third", false}}, 160, 160);
  r.check("TrackPopupMenu returns the chosen index past a separator", chosen == 2u,
          chosen ? std::to_string(*chosen) : "none");

  const plat::DWORD box_start = os.GetTickCount();
  sink.on_tick = [&](std::uintptr_t id) {
    if (id == kBoxTimer && os.GetTickCount() - box_start > hold_ms && press_ok_on_box(kCaption)) {
      os.KillTimer(form, kBoxTimer);
    }
  };
  os.SetTimer(form, kBoxTimer, 100);
  // screenshot: the box over the form
  const int answer = os.MessageBoxA(form, "The smoke program works.", kCaption, plat::MB_OK);
  r.check("MessageBoxA is answered OK", answer == plat::IDOK, std::to_string(answer));
  r.check("timers keep running inside modal loops", sink.ticks >= 3);

  post_close(form);
  r.check("WM_CLOSE becomes a close request",
          pump_until(os, [&] { return sink.close_requested; }, 2000) && os.IsWindowVisible(form) != 0);

  os.ShowWindow(form, plat::SW_HIDE);
  r.check("DestroyWindow of every window",
          os.DestroyWindow(glow) != 0 && os.DestroyWindow(form) != 0 && os.DestroyWindow(app) != 0);
  os.PostQuitMessage(0);
  r.check("pump_pending stops on WM_QUIT", !os.pump_pending());
  os.PostQuitMessage(0);
  r.check("pump_one stops on WM_QUIT", !os.pump_one());
}

}  // namespace smoke
