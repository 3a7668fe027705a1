// The page's keyboard with the real browser control: showing and
// activating the form that hosts it puts the focus into the control's own
// window, without a click, and a key typed then reaches that window, not
// the form. Wine creates the control (its in-place window) although it has
// no HTML engine to show a page in it.
#include <string>

#include "platform/win32/convert.h"
#include "platform/win32/win32_headers.h"
#include "smoke.h"

namespace smoke {

namespace {

class NoEvents final : public plat::BrowserEvents {
 public:
  void download_complete() override {}
  void new_window2(std::shared_ptr<void>&, bool&) override {}
};

class FormSink final : public plat::WindowSink {
 public:
  void on_paint(plat::Canvas&) override {}
  void on_key_down(int, unsigned) override { ++keys; }
  int keys = 0;
};

// The window each WM_KEYDOWN of this thread was taken for, as the message
// loop took it.
HWND key_window = nullptr;
LRESULT CALLBACK note_keys(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const MSG*>(lp);
  if (code == HC_ACTION && wp == PM_REMOVE && msg->message == WM_KEYDOWN) key_window = msg->hwnd;
  return ::CallNextHookEx(nullptr, code, wp, lp);
}

std::string class_of(HWND hwnd) {
  char name[64] = "";
  if (hwnd) ::GetClassNameA(hwnd, name, sizeof name);
  return hwnd ? name : "(none)";
}

// The focus lies in the form but in none of our own windows: in the control's.
bool focus_in_control(HWND form, HWND focus) {
  return focus && focus != form && ::IsChild(form, focus) && class_of(focus) != class_of(form);
}

void activate(win32::Win32Platform& os, plat::HWND form) {
  os.ShowWindow(form, SW_SHOW);
  os.SetForegroundWindow(form);
  for (int i = 0; i < 20; ++i) {
    os.pump_pending();
    ::Sleep(10);
  }
}

void check_focus_with_ole(win32::Win32Platform& os, Report& r) {
  FormSink form_sink, other_sink;
  plat::WindowParams p;
  p.name = "smoke frame";
  p.bounds = {60, 60, 420, 320};
  const plat::HWND form = os.create_window(p, &form_sink);
  p.name = "smoke other";
  p.bounds = {500, 60, 700, 200};
  const plat::HWND other = os.create_window(p, &other_sink);
  NoEvents events;
  auto host = os.create_browser(form, &events);
  r.check("focus: the browser control is created", host.has_value(),
          host ? "" : std::to_string(static_cast<unsigned long>(host.error())));
  if (!host) {
    os.DestroyWindow(other);
    os.DestroyWindow(form);
    return;
  }
  (*host)->set_bounds({0, 0, 360, 260});
  (*host)->set_visible(true);
  const HWND frame = win32::to_hwnd(form);

  activate(os, form);
  HWND focus = ::GetFocus();
  r.check("focus: in the control once the frame is shown", focus_in_control(frame, focus), class_of(focus));

  HHOOK hook = ::SetWindowsHookExA(WH_GETMESSAGE, note_keys, nullptr, ::GetCurrentThreadId());
  key_window = nullptr;
  INPUT in[2]{};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = VK_NEXT;  // Page Down
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  ::SendInput(2, in, sizeof(INPUT));
  for (int i = 0; i < 20 && !key_window; ++i) {
    os.pump_pending();
    ::Sleep(10);
  }
  r.check("focus: a key reaches the control's window", key_window && key_window == focus && form_sink.keys == 0,
          class_of(key_window));

  // Away to another window and back: the page has the keyboard again.
  activate(os, other);
  activate(os, form);
  focus = ::GetFocus();
  r.check("focus: in the control again after another window was active", focus_in_control(frame, focus),
          class_of(focus));
  if (hook) ::UnhookWindowsHookEx(hook);

  host->reset();
  os.DestroyWindow(other);
  os.DestroyWindow(form);
}

}  // namespace

void check_focus(win32::Win32Platform& os, Report& r) {
  // The control needs OLE on the thread, as the program starts it.
  const plat::HRESULT ole = os.OleInitialize();
  check_focus_with_ole(os, r);
  if (SUCCEEDED(ole)) os.OleUninitialize();
}

}  // namespace smoke
