#include "platform/win32/window_proc.h"

#include <optional>

#include "platform/win32/carried_error.h"
#include "platform/win32/convert.h"
#include "platform/win32/dib.h"
#include "platform/win32/gdi_canvas.h"
#include "platform/win32/handles.h"
#include "platform/win32/hosted_focus.h"
#include "platform/win32/live_objects.h"
#include "platform/win32/posted.h"

namespace win32 {

namespace {


unsigned alt_bit() { return ::GetKeyState(VK_MENU) < 0 ? plat::ssAlt : 0u; }

// Mouse messages carry every state bit but Alt's in wParam.
unsigned mouse_shift(WPARAM wparam) {
  unsigned shift = alt_bit();
  if (wparam & MK_SHIFT) shift |= plat::ssShift;
  if (wparam & MK_CONTROL) shift |= plat::ssCtrl;
  if (wparam & MK_LBUTTON) shift |= plat::ssLeft;
  if (wparam & MK_RBUTTON) shift |= plat::ssRight;
  if (wparam & MK_MBUTTON) shift |= plat::ssMiddle;
  return shift;
}

unsigned key_shift() {
  unsigned shift = alt_bit();
  if (::GetKeyState(VK_SHIFT) < 0) shift |= plat::ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= plat::ssCtrl;
  return shift;
}

std::optional<plat::MouseButton> button_of(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      return plat::MouseButton::Left;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
      return plat::MouseButton::Right;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
      return plat::MouseButton::Middle;
    default:
      return {};
  }
}

bool is_button_down(UINT msg) {
  return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
}

// The one watcher of paints, if a build installs one (window_proc.h).
PaintObserver* paint_observer = nullptr;

LONGLONG now_ticks() {
  ::LARGE_INTEGER t{};
  ::QueryPerformanceCounter(&t);
  return t.QuadPart;
}

// Paints into a memory DC of the update region's bounding box and copies
// it once, so no window ever shows a half-drawn frame, and a small change
// (the lock screen's clock, once a minute) costs a buffer of its own size
// rather than one of the screen's. Gives the painted rectangle, and adds
// the copy's duration to `copy_ticks` when asked.
::RECT paint_buffered(plat::WindowSink& sink, HWND hwnd, LONGLONG* copy_ticks = nullptr) {
  PaintDc screen(hwnd);
  const ::RECT area = screen.paint_rect();
  const int w = area.right - area.left;
  const int h = area.bottom - area.top;
  // BeginPaint and EndPaint alone validate the window.
  if (!screen || w <= 0 || h <= 0 || !sink.draws()) return {};

  MemoryDc back(::CreateCompatibleDC(screen.get()));
  // A DIB section, not a compatible bitmap: its pixels are virtual memory
  // that goes back to the system when it is deleted, where Wine keeps a
  // compatible bitmap's pixels on its own heap, which then stays as large
  // as the largest paint (measured: 33 MB resident at 3840 x 2160).
  const BITMAPINFO info = top_down_info(w, h);
  void* bits = nullptr;
  GdiObject<HBITMAP> buffer(::CreateDIBSection(screen.get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!back || !buffer) {
    // Out of GDI memory: a flickering paint beats a blank window.
    GdiCanvas canvas(screen.get(), from_rect(area));
    sink.on_paint(canvas);
    return area;
  }
  SelectedObject selected(back.get(), buffer.get());
  // The sink draws in client coordinates; the buffer starts at the area's corner.
  ::SetViewportOrgEx(back.get(), -area.left, -area.top, nullptr);
  {
    GdiCanvas canvas(back.get(), from_rect(area));
    sink.on_paint(canvas);
  }
  const LONGLONG copy_start = copy_ticks ? now_ticks() : 0;
  ::BitBlt(screen.get(), area.left, area.top, w, h, back.get(), area.left, area.top, SRCCOPY);
  if (copy_ticks) *copy_ticks += now_ticks() - copy_start;
  return area;
}

void paint(plat::WindowSink& sink, HWND hwnd) {
  if (!paint_observer) {
    paint_buffered(sink, hwnd);
    return;
  }
  LONGLONG copy_ticks = 0;
  const LONGLONG start = now_ticks();
  const ::RECT painted = paint_buffered(sink, hwnd, &copy_ticks);
  const LONGLONG end = now_ticks();
  paint_observer->painted(hwnd, painted, end - start, copy_ticks);
}

HCURSOR cursor_at(plat::WindowSink& sink, HWND hwnd) {
  ::POINT p{};
  ::GetCursorPos(&p);
  ::ScreenToClient(hwnd, &p);
  return to_hcursor(sink.on_set_cursor(p.x, p.y));
}

// The sink's answer to a message, or nothing for the default handling.
std::optional<LRESULT> dispatch(plat::WindowSink& sink, HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  const int x = GET_X_LPARAM(lparam);
  const int y = GET_Y_LPARAM(lparam);
  if (auto button = button_of(msg)) {
    if (is_button_down(msg)) {
      sink.on_mouse_down(*button, mouse_shift(wparam), x, y);
    } else {
      sink.on_mouse_up(*button, mouse_shift(wparam), x, y);
    }
    return 0;
  }
  if (msg >= kPostedFirst && msg <= kPostedLast) {
    sink.on_posted(msg - kPostedFirst, static_cast<std::uintptr_t>(lparam));
    return 0;
  }
  switch (msg) {
    case WM_PAINT:
      paint(sink, hwnd);
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_MOUSEMOVE:
      sink.on_mouse_move(mouse_shift(wparam), x, y);
      return 0;
    case WM_KEYDOWN:
      sink.on_key_down(static_cast<int>(wparam), key_shift());
      return 0;
    case WM_CHAR:
      sink.on_key_char(static_cast<char>(wparam));
      return 0;
    case WM_CLOSE:
      // Never the default: it would destroy the window behind the toolkit's back.
      sink.on_close_request();
      return 0;
    case WM_NCHITTEST:
      if (auto code = sink.on_nc_hit_test(x, y)) return *code;
      return {};
    case WM_SETCURSOR:
      // Only for the window itself: a child's cursor is the child's business.
      if (LOWORD(lparam) == HTCLIENT && reinterpret_cast<HWND>(wparam) == hwnd) {
        if (HCURSOR cursor = cursor_at(sink, hwnd)) {
          ::SetCursor(cursor);
          return TRUE;
        }
      }
      return {};
    case WM_WINDOWPOSCHANGED: {
      ::RECT outer{};
      ::GetWindowRect(hwnd, &outer);
      sink.on_bounds_changed(from_rect(outer));
      return {};  // the default still sends WM_SIZE and WM_MOVE
    }
    case WM_CAPTURECHANGED:
      sink.on_capture_lost();
      return 0;
    case WM_TIMER:
      sink.on_timer(static_cast<std::uintptr_t>(wparam));
      return 0;
    case WM_ACTIVATE:
      sink.on_activate_window(LOWORD(wparam) != WA_INACTIVE);
      tell_frame_activated(hwnd, LOWORD(wparam) != WA_INACTIVE);
      return {};  // the default gives the keyboard focus to the window
    case WM_SETFOCUS:
      // A hosted control takes the form's focus on (hosted_focus.h).
      if (hand_on_focus(hwnd)) return 0;
      return {};
    case WM_ACTIVATEAPP:
      sink.on_activate_app(wparam != 0);
      return 0;
    case WM_DWMCOMPOSITIONCHANGED:
      sink.on_composition_changed();
      return 0;
    case WM_DISPLAYCHANGE:
      sink.on_display_change();
      return {};
    case WM_DPICHANGED:
      // The low word is the x dpi, equal to the high word's y dpi; lParam
      // is the RECT the system suggests at that dpi.
      sink.on_dpi_changed(LOWORD(wparam), from_rect(*reinterpret_cast<const ::RECT*>(lparam)));
      return 0;
    default:
      return {};
  }
}

plat::WindowSink* sink_of(HWND hwnd) {
  return reinterpret_cast<plat::WindowSink*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace

void set_paint_observer(PaintObserver* observer) { paint_observer = observer; }

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam) {
  if (msg == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lparam);
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    const LRESULT created = ::DefWindowProcA(hwnd, msg, wparam, lparam);
    // A window refused here gets no WM_NCDESTROY to count it out again.
    if (created) count_live(LiveKind::Window, +1);
    return created;
  }
  if (msg == live_objects_message() && msg != 0) {
    if (wparam != static_cast<WPARAM>(LiveKind::Gdi) && wparam != static_cast<WPARAM>(LiveKind::Window)) return -1;
    return live_count(static_cast<LiveKind>(wparam)).load();
  }
  plat::WindowSink* sink = sink_of(hwnd);
  if (msg == WM_NCDESTROY) {
    count_live(LiveKind::Window, -1);
    // The sink may go right after its window; nothing may reach it later.
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
    sink = nullptr;
  }
  // Messages before WM_NCCREATE (WM_GETMINMAXINFO) find no sink yet.
  if (!sink) return ::DefWindowProcA(hwnd, msg, wparam, lparam);
  try {
    if (auto answer = dispatch(*sink, hwnd, msg, wparam, lparam)) return *answer;
  } catch (...) {
    carry_exception(std::current_exception());
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wparam, lparam);
}

}  // namespace win32
