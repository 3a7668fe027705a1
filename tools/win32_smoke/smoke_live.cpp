// The program's own live counts: owners count a GDI object once however it
// is moved, and out when it is released or handed on; the window procedure
// counts windows in and out; and the registered message answers with them.
// The system headers come in with the owners, so the style names here are
// their macros.
#include <string>
#include <utility>

#include "platform/win32/convert.h"
#include "platform/win32/handles.h"
#include "platform/win32/live_objects.h"
#include "smoke.h"

namespace smoke {

namespace {

class QuietSink : public plat::WindowSink {
 public:
  void on_paint(plat::Canvas&) override {}
};

long live(win32::LiveKind kind) { return win32::live_count(kind).load(); }

std::string counts(long before, long now) { return std::to_string(before) + " -> " + std::to_string(now); }

}  // namespace

void check_live_objects(win32::Win32Platform& os, Report& r) {
  using win32::LiveKind;
  const long gdi = live(LiveKind::Gdi);
  {
    win32::GdiObject<HBRUSH> brush(::CreateSolidBrush(0));
    win32::MemoryDc dc(::CreateCompatibleDC(nullptr));
    win32::GdiObject<HBRUSH> moved(std::move(brush));
    r.check("a held brush and DC count once each, moved or not", live(LiveKind::Gdi) == gdi + 2,
            counts(gdi, live(LiveKind::Gdi)));
    moved.reset(::CreateSolidBrush(0xFF));
    r.check("a reset owner counts its new object, not the old", live(LiveKind::Gdi) == gdi + 2,
            counts(gdi, live(LiveKind::Gdi)));
    ::DeleteObject(moved.release());
    r.check("a released object is no longer counted", live(LiveKind::Gdi) == gdi + 1, counts(gdi, live(LiveKind::Gdi)));
  }
  r.check("owners gone, the count is back", live(LiveKind::Gdi) == gdi, counts(gdi, live(LiveKind::Gdi)));

  const long windows = live(LiveKind::Window);
  QuietSink sink;
  const plat::HWND hwnd = os.create_window(
      {"live", "", "Slatebar smoke live", WS_POPUP, WS_EX_TOOLWINDOW, {0, 0, 10, 10}, 0, 0}, &sink);
  r.check("a created window is counted", hwnd != 0 && live(LiveKind::Window) == windows + 1,
          counts(windows, live(LiveKind::Window)));
  const UINT message = win32::live_objects_message();
  const auto asked = [&](LiveKind kind) {
    return static_cast<long>(::SendMessageA(win32::to_hwnd(hwnd), message, static_cast<WPARAM>(kind), 0));
  };
  r.check("the message answers both counts",
          message != 0 && asked(LiveKind::Gdi) == live(LiveKind::Gdi) &&
              asked(LiveKind::Window) == live(LiveKind::Window),
          std::to_string(asked(LiveKind::Gdi)) + " " + std::to_string(asked(LiveKind::Window)));
  r.check("an unknown kind is answered with -1",
          ::SendMessageA(win32::to_hwnd(hwnd), message, 7, 0) == -1);
  os.DestroyWindow(hwnd);
  r.check("a destroyed window is counted out", live(LiveKind::Window) == windows,
          counts(windows, live(LiveKind::Window)));
}

}  // namespace smoke
