// The hosted browser's site and the keyboard path, with a stand-in for the
// control: an in-place active object of our own, handed to the frame the
// way the control hands over its own. Every message loop must offer the
// keys meant for the browser's windows to its TranslateAccelerator before
// translating and dispatching them, and what it takes (S_OK) must go no
// further. A real page cannot run here (Wine has no HTML engine), so the
// stand-in shows what the page would be offered.
#include <string>
#include <vector>

#include "platform/win32/browser_site.h"
#include "platform/win32/convert.h"
#include "smoke.h"

namespace smoke {

namespace {

using Microsoft::WRL::ComPtr;
using Log = std::vector<std::string>;

std::string key_name(const MSG& msg) {
  return (msg.message == WM_KEYDOWN ? "WM_KEYDOWN " : "message " + std::to_string(msg.message) + " ") +
         std::to_string(msg.wParam);
}

// Answers TranslateAccelerator with `answer` and notes every call.
class StandInActiveObject final : public IOleInPlaceActiveObject {
 public:
  StandInActiveObject(Log& log, HWND page) : log_(log), page_(page) {}
  HRESULT answer = S_FALSE;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceActiveObject) {
      *out = static_cast<IOleInPlaceActiveObject*>(this);
      AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  // Lives on the stack of the check; the count only has to balance.
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --refs; }
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override {
    *out = page_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG msg) override {
    log_.push_back("translate " + key_name(*msg) + (msg->hwnd == page_ ? " page" : " other"));
    return answer;
  }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }

  ULONG refs = 1;

 private:
  Log& log_;
  HWND page_;
};

// Notes the keys dispatched to a window, and the loop's end marker.
class KeySink : public plat::WindowSink {
 public:
  KeySink(Log& log, std::string name) : log_(log), name_(std::move(name)) {}
  void on_paint(plat::Canvas&) override {}
  void on_key_down(int vk, unsigned) override { log_.push_back("dispatch " + name_ + " " + std::to_string(vk)); }
  void on_posted(plat::UINT, std::uintptr_t) override { done = true; }
  bool done = false;

 private:
  Log& log_;
  std::string name_;
};

constexpr plat::UINT kDone = 9;

// The form (top-level), the browser's child window in it and the page's
// window inside that, as the control makes its own.
struct Windows {
  Windows(win32::Win32Platform& os, Log& log) : os_(os), form_sink(log, "form"), browser_sink(log, "browser"),
                                                page_sink(log, "page") {
    plat::WindowParams p;
    p.name = "smoke form";
    p.bounds = {40, 40, 360, 280};
    form = os.create_window(p, &form_sink);
    p.name = "smoke browser";
    p.style = WS_CHILD | WS_VISIBLE;  // the system's macros here, after <windows.h>
    p.parent = form;
    p.bounds = {0, 0, 300, 200};
    browser = os.create_window(p, &browser_sink);
    p.name = "smoke page";
    p.parent = browser;
    page = os.create_window(p, &page_sink);
  }
  ~Windows() {
    if (form) os_.DestroyWindow(form);
  }
  win32::Win32Platform& os_;
  KeySink form_sink, browser_sink, page_sink;
  plat::HWND form = 0, browser = 0, page = 0;
};

void check_site(IOleInPlaceFrame& frame, win32::BrowserSite& site, const Windows& w, Report& r) {
  HWND got = nullptr;
  ComPtr<IOleInPlaceSite> in_place;
  site.QueryInterface(IID_PPV_ARGS(&in_place));
  r.check("site: in-place site's window is the browser's",
          in_place && SUCCEEDED(in_place->GetWindow(&got)) && got == win32::to_hwnd(w.browser));
  r.check("site: frame's window is the top-level form",
          SUCCEEDED(frame.GetWindow(&got)) && got == win32::to_hwnd(w.form));

  ComPtr<IDocHostUIHandler> host;
  site.QueryInterface(IID_PPV_ARGS(&host));
  DOCHOSTUIINFO info{};
  info.cbSize = sizeof info;
  r.check("site: answers as document host", host != nullptr);
  if (!host) return;
  const DWORD wanted = DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_FLAT_SCROLLBAR | DOCHOSTUIFLAG_DPI_AWARE;
  const bool answered = SUCCEEDED(host->GetHostInfo(&info));
  r.check("site: GetHostInfo flags", answered && info.dwFlags == wanted, std::to_string(info.dwFlags));
  r.check("site: the page background's menu is cut, a field's kept",
          host->ShowContextMenu(CONTEXT_MENU_DEFAULT, nullptr, nullptr, nullptr) == S_OK &&
              host->ShowContextMenu(CONTEXT_MENU_CONTROL, nullptr, nullptr, nullptr) == S_FALSE);
}

// A window of a class registered with the wide calls, as the control's
// page window is, noting the characters it receives.
wchar_t received_char = 0;
LRESULT CALLBACK wide_window_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_CHAR) received_char = static_cast<wchar_t>(wp);
  return ::DefWindowProcW(hwnd, msg, wp, lp);
}

// A character outside any 8-bit code page, typed into a page, must arrive
// as it was typed. A loop taking messages with the narrow calls would
// convert it to the process's code page and back on the way, which cannot
// carry it (measured under Wine: with GetMessageA and DispatchMessageA the
// window receives '?').
void check_wide_pump(win32::Win32Platform& os, Report& r) {
  WNDCLASSW wc{};
  wc.lpfnWndProc = wide_window_proc;
  wc.hInstance = ::GetModuleHandleW(nullptr);
  wc.lpszClassName = L"SlatebarSmokeWide";
  ::RegisterClassW(&wc);
  HWND window = ::CreateWindowExW(0, wc.lpszClassName, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
  received_char = 0;
  ::PostMessageW(window, WM_CHAR, 0x263A, 1);
  os.pump_pending();
  r.check("keys: a character outside the code page arrives intact", received_char == 0x263A,
          std::to_string(static_cast<unsigned>(received_char)));
  ::DestroyWindow(window);
}

}  // namespace

void check_keys(win32::Win32Platform& os, Report& r) {
  Log log;
  Windows w(os, log);
  if (!w.page) {
    r.check("keys: windows made", false);
    return;
  }
  auto frame = win32::make_com<win32::BrowserFrame>(win32::to_hwnd(w.form), win32::to_hwnd(w.browser));
  auto site = win32::make_com<win32::BrowserSite>(win32::to_hwnd(w.browser), frame);
  StandInActiveObject active(log, win32::to_hwnd(w.page));

  // The frame comes to the control through the site, as in-place activation asks for it.
  ComPtr<IOleInPlaceFrame> offered;
  ComPtr<IOleInPlaceUIWindow> document;
  ::RECT pos{}, clip{};
  OLEINPLACEFRAMEINFO info{};
  info.cb = sizeof info;
  site->GetWindowContext(&offered, &document, &pos, &clip, &info);
  r.check("site: window context names the form as frame", offered && info.hwndFrame == win32::to_hwnd(w.form));
  if (!offered) return;
  check_site(*offered.Get(), *site.Get(), w, r);
  offered->SetActiveObject(&active, nullptr);

  enum class Loop { Main, Nested };
  struct Row {
    const char* what;
    Loop loop;
    plat::HWND target;
    HRESULT answer;
    Log expected;
  } rows[] = {
      {"main loop, declined", Loop::Main, w.page, S_FALSE, {"translate WM_KEYDOWN 116 page", "dispatch page 116"}},
      {"main loop, taken", Loop::Main, w.page, S_OK, {"translate WM_KEYDOWN 116 page"}},
      {"nested loop, declined", Loop::Nested, w.page, S_FALSE, {"translate WM_KEYDOWN 116 page", "dispatch page 116"}},
      {"nested loop, taken", Loop::Nested, w.page, S_OK, {"translate WM_KEYDOWN 116 page"}},
      {"the browser's own window", Loop::Nested, w.browser, S_OK, {"translate WM_KEYDOWN 116 other"}},
      {"a window outside the browser", Loop::Main, w.form, S_OK, {"dispatch form 116"}},
  };
  for (const Row& row : rows) {
    log.clear();
    active.answer = row.answer;
    // F5, which makes no character, so TranslateMessage adds nothing.
    ::PostMessageW(win32::to_hwnd(row.target), WM_KEYDOWN, VK_F5, 1);
    if (row.loop == Loop::Main) {
      w.form_sink.done = false;
      os.PostMessageA(w.form, kDone, 0);
      for (int i = 0; i < 100 && !w.form_sink.done; ++i) os.pump_one();
    } else {
      os.pump_pending();
    }
    r.check(std::string("keys: ") + row.what, log == row.expected, log.empty() ? "(nothing)" : log.back());
  }

  // Once the control clears its active object, keys are no longer offered.
  offered->SetActiveObject(nullptr, nullptr);
  log.clear();
  ::PostMessageW(win32::to_hwnd(w.page), WM_KEYDOWN, VK_F5, 1);
  os.pump_pending();
  r.check("keys: not offered once the active object is gone", log == Log{"dispatch page 116"});
  frame->detach();
  r.check("keys: the frame lets go of the active object", active.refs == 1, std::to_string(active.refs));
  check_wide_pump(os, r);
}

}  // namespace smoke
