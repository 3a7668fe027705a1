// The hosted web browser control: the system's WebBrowser object, embedded
// in place in a child window of the form by a site of our own, its
// DWebBrowserEvents2 delivered through its connection point.
#include <string>
#include <vector>

#include "platform/win32/browser_site.h"
#include "platform/win32/carried_error.h"
#include "platform/win32/convert.h"
#include "platform/win32/handles.h"
#include "platform/win32/hosted_focus.h"
#include "platform/win32/win32_platform.h"

#include <exdispid.h>

namespace win32 {

using Microsoft::WRL::ComPtr;

// ---- the frame ----------------------------------------------------------------

HRESULT BrowserFrame::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleWindow || iid == IID_IOleInPlaceUIWindow ||
      iid == IID_IOleInPlaceFrame) {
    *out = static_cast<IOleInPlaceFrame*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

BrowserFrame::~BrowserFrame() { remove_key_filter(this); }

void BrowserFrame::detach() {
  remove_key_filter(this);
  active_.Reset();
}

// The form's top-level window: dialogs a page raises (alerts, file
// choosers, certificate prompts) are owned by it, as a user expects.
HRESULT BrowserFrame::GetWindow(HWND* out) {
  if (!out) return E_POINTER;
  *out = frame_;
  return S_OK;
}

// The control names its active object when it becomes UI-active and
// clears it (null) when it stops being so.
HRESULT BrowserFrame::SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) {
  active_ = active;
  if (active_) {
    add_key_filter(this);
  } else {
    remove_key_filter(this);
  }
  return S_OK;
}

// Only keys meant for the control's windows: its own child window or any
// window inside it (the page's window is a descendant).
bool BrowserFrame::take_key(MSG& msg) {
  if (!active_ || !msg.hwnd) return false;
  if (msg.hwnd != window_ && !::IsChild(window_, msg.hwnd)) return false;
  return active_->TranslateAccelerator(&msg) == S_OK;
}

// ---- the site -----------------------------------------------------------------

HRESULT BrowserSite::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IOleClientSite) {
    *out = static_cast<IOleClientSite*>(this);
  } else if (iid == IID_IOleWindow || iid == IID_IOleInPlaceSite) {
    *out = static_cast<IOleInPlaceSite*>(this);
  } else if (iid == IID_IDocHostUIHandler) {
    *out = static_cast<IDocHostUIHandler*>(this);
  } else {
    *out = nullptr;
    return E_NOINTERFACE;
  }
  AddRef();
  return S_OK;
}

HRESULT BrowserSite::GetMoniker(DWORD, DWORD, IMoniker** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

// The control is the only object in this container.
HRESULT BrowserSite::GetContainer(IOleContainer** out) {
  if (out) *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT BrowserSite::GetWindow(HWND* out) {
  if (!out) return E_POINTER;
  *out = window_;
  return S_OK;
}

HRESULT BrowserSite::GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                      LPRECT clip, LPOLEINPLACEFRAMEINFO info) {
  if (!frame || !doc || !pos || !clip || !info) return E_POINTER;
  HWND top = nullptr;
  frame_->GetWindow(&top);
  *frame = frame_.Get();
  (*frame)->AddRef();
  *doc = nullptr;  // no document window between the frame and the control
  ::GetClientRect(window_, pos);
  *clip = *pos;
  info->fMDIApp = FALSE;
  info->hwndFrame = top;
  info->haccel = nullptr;
  info->cAccelEntries = 0;
  return S_OK;
}

// The control's menus stay where they serve the person at the page: in
// fields (cut, copy, paste, select all), on a selection, a link or a
// picture. On the page's bare background the menu is cut: its entries
// (Back and Forward, which the frame's own arrows already are; View Source
// and Properties, which open windows outside the frame; Encoding, Print,
// Refresh) either repeat the frame or lead out of it.
HRESULT BrowserSite::ShowContextMenu(DWORD id, POINT*, IUnknown*, IDispatch*) {
  return id == CONTEXT_MENU_DEFAULT ? S_OK : S_FALSE;
}

HRESULT BrowserSite::GetHostInfo(DOCHOSTUIINFO* info) {
  if (!info) return E_POINTER;
  if (info->cbSize < sizeof(DOCHOSTUIINFO)) return E_INVALIDARG;
  info->dwFlags = kDocHostFlags;
  info->dwDoubleClick = DOCHOSTUIDBLCLK_DEFAULT;
  info->pchHostCss = nullptr;
  info->pchHostNS = nullptr;
  return S_OK;
}

HRESULT BrowserSite::GetOptionKeyPath(LPOLESTR* key, DWORD) {
  if (key) *key = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserSite::GetDropTarget(IDropTarget*, IDropTarget** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

// Pages get no window.external of ours.
HRESULT BrowserSite::GetExternal(IDispatch** out) {
  if (out) *out = nullptr;
  return E_NOTIMPL;
}

HRESULT BrowserSite::TranslateUrl(DWORD, LPWSTR, LPWSTR* out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

HRESULT BrowserSite::FilterDataObject(IDataObject*, IDataObject** out) {
  if (out) *out = nullptr;
  return S_FALSE;
}

// ---- the event sink -----------------------------------------------------------

HRESULT BrowserEventSink::QueryInterface(REFIID iid, void** out) {
  if (!out) return E_POINTER;
  if (iid == IID_IUnknown || iid == IID_IDispatch || iid == DIID_DWebBrowserEvents2) {
    *out = static_cast<IDispatch*>(this);
    AddRef();
    return S_OK;
  }
  *out = nullptr;
  return E_NOINTERFACE;
}

HRESULT BrowserEventSink::GetTypeInfoCount(UINT* count) {
  if (!count) return E_POINTER;
  *count = 0;
  return S_OK;
}

HRESULT BrowserEventSink::Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                 UINT*) {
  if (!events_) return S_OK;
  // The toolkit shows a handler's errors itself; nothing may unwind into
  // the control, not even a failed allocation.
  try {
    if (id == DISPID_DOWNLOADCOMPLETE) {
      events_->download_complete();
    } else if (id == DISPID_NEWWINDOW2 && params) {
      new_window2(*params);
    }
  } catch (...) {
  }
  return S_OK;
}

// Arguments come last first: rgvarg[1] is ppDisp, rgvarg[0] is Cancel.
void BrowserEventSink::new_window2(DISPPARAMS& params) {
  if (params.cArgs != 2) return;
  VARIANTARG& disp_arg = params.rgvarg[1];
  VARIANTARG& cancel_arg = params.rgvarg[0];
  if (disp_arg.vt != (VT_BYREF | VT_DISPATCH) || cancel_arg.vt != (VT_BYREF | VT_BOOL)) return;
  IDispatch** slot = disp_arg.ppdispVal;
  VARIANT_BOOL* cancel_slot = cancel_arg.pboolVal;
  if (!slot || !cancel_slot) return;

  if (*slot) (*slot)->AddRef();
  std::shared_ptr<void> disp = share_dispatch(*slot);
  bool cancel = *cancel_slot != VARIANT_FALSE;
  events_->new_window2(disp, cancel);

  // An in-out pointer: the one handed back carries its own reference, and
  // the one it replaces is ours to release.
  auto* answer = static_cast<IDispatch*>(disp.get());
  if (answer != *slot) {
    if (answer) answer->AddRef();
    if (*slot) (*slot)->Release();
    *slot = answer;
  }
  *cancel_slot = cancel ? VARIANT_TRUE : VARIANT_FALSE;
}

std::shared_ptr<void> share_dispatch(IDispatch* disp) {
  if (!disp) return {};
  return std::shared_ptr<void>(disp, [](void* p) { static_cast<IDispatch*>(p)->Release(); });
}

// ---- the host -----------------------------------------------------------------

namespace {

using Bstr = UniqueHandle<NullTraits<BSTR, ::SysFreeString>>;

// A VARIANT that is cleared when it goes.
struct Variant {
  Variant() { ::VariantInit(&v); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  ~Variant() { ::VariantClear(&v); }
  VARIANT v;
};

class WebBrowserHost final : public plat::BrowserHost, private plat::WindowSink, private FocusHost {
 public:
  WebBrowserHost(HWND form, plat::BrowserEvents* events) : form_(form), events_(events) {}
  WebBrowserHost(const WebBrowserHost&) = delete;
  WebBrowserHost& operator=(const WebBrowserHost&) = delete;
  ~WebBrowserHost() override;

  // Every step that fails leaves the host half built, and its destructor
  // takes down what was built.
  HRESULT create(Win32Platform& os);

  plat::HRESULT Navigate(std::u16string_view url) override;
  plat::HRESULT GoBack() override {
    return sending([&] { return browser_->GoBack(); });
  }
  plat::HRESULT GoForward() override {
    return sending([&] { return browser_->GoForward(); });
  }
  plat::HRESULT put_FullScreen(bool on) override {
    return sending([&] { return browser_->put_FullScreen(on ? VARIANT_TRUE : VARIANT_FALSE); });
  }
  plat::HRESULT put_TheaterMode(bool on) override {
    return sending([&] { return browser_->put_TheaterMode(on ? VARIANT_TRUE : VARIANT_FALSE); });
  }
  plat::HRESULT get_LocationURL(std::u16string& url) override;
  plat::HRESULT get_Application(std::shared_ptr<void>& disp) override;
  void set_bounds(const plat::RECT& client_rect) override;
  void set_visible(bool visible) override;
  void set_covered(std::span<const plat::RECT> rects) override;

 private:
  void apply_region();
  // FocusHost: the page is the frame's keyboard.
  void frame_activated(bool active) override;
  bool take_focus() override;
  void ui_activate();
  // plat::WindowSink: the control paints all of the window it lies in.
  void on_paint(plat::Canvas&) override {}
  bool draws() const override { return false; }

  HWND form_;
  plat::BrowserEvents* events_;
  UniqueWindow window_;
  plat::RECT bounds_{};
  std::vector<plat::RECT> covered_;
  ComPtr<BrowserFrame> frame_;
  ComPtr<BrowserSite> site_;
  ComPtr<BrowserEventSink> sink_;
  ComPtr<IOleObject> object_;
  ComPtr<IOleInPlaceObject> in_place_;
  ComPtr<IWebBrowser2> browser_;
  ComPtr<IConnectionPoint> events_point_;
  DWORD cookie_ = 0;
};

HRESULT WebBrowserHost::create(Win32Platform& os) {
  plat::WindowParams params;
  params.name = "browser";
  params.style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  params.parent = from_hwnd(form_);
  window_.reset(to_hwnd(os.create_window(params, this)));
  if (!window_) return HRESULT_FROM_WIN32(::GetLastError());

  HRESULT hr = ::CoCreateInstance(CLSID_WebBrowser, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&object_));
  if (FAILED(hr)) return hr;
  frame_ = make_com<BrowserFrame>(form_, window_.get());
  site_ = frame_ ? make_com<BrowserSite>(window_.get(), frame_) : nullptr;
  if (!site_) return E_OUTOFMEMORY;
  hr = sending([&] { return object_->SetClientSite(site_.Get()); });
  if (FAILED(hr)) return hr;
  // A fresh control in its default state, as a designer would store it.
  if (ComPtr<IPersistStreamInit> persist; SUCCEEDED(object_.As(&persist))) persist->InitNew();
  ::RECT area{};
  hr = sending([&] {
    return object_->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, site_.Get(), 0, window_.get(), &area);
  });
  if (FAILED(hr)) return hr;
  if (hr = object_.As(&in_place_); FAILED(hr)) return hr;
  if (hr = object_.As(&browser_); FAILED(hr)) return hr;
  add_focus_host(form_, this);

  ComPtr<IConnectionPointContainer> points;
  if (hr = object_.As(&points); FAILED(hr)) return hr;
  if (hr = points->FindConnectionPoint(DIID_DWebBrowserEvents2, &events_point_); FAILED(hr)) return hr;
  sink_ = make_com<BrowserEventSink>(events_);
  if (!sink_) return E_OUTOFMEMORY;
  return events_point_->Advise(sink_.Get(), &cookie_);
}

// Events stop before anything goes; the control is closed and let go
// while its window still exists, and our window goes last.
WebBrowserHost::~WebBrowserHost() {
  remove_focus_host(form_, this);
  if (events_point_ && cookie_) events_point_->Unadvise(cookie_);
  if (sink_) sink_->detach();
  if (in_place_) in_place_->InPlaceDeactivate();
  if (object_) {
    object_->Close(OLECLOSE_NOSAVE);
    object_->SetClientSite(nullptr);
  }
  if (frame_) frame_->detach();
  events_point_.Reset();
  browser_.Reset();
  in_place_.Reset();
  object_.Reset();
  sink_.Reset();
  site_.Reset();
  frame_.Reset();
  window_.reset();
}

// A hosted control is UI-active while its frame is active and is told of
// each change (IOleInPlaceActiveObject::OnFrameWindowActivate), so that
// the page has the keyboard from the moment the frame is shown, not only
// after a click into it. The control is in-place active from its creation;
// UI-activating it then would set the focus into a hidden frame.
void WebBrowserHost::frame_activated(bool active) {
  if (active && !frame_->active_object() && ::IsWindowVisible(window_.get())) ui_activate();
  if (IOleInPlaceActiveObject* object = frame_->active_object()) object->OnFrameWindowActivate(active ? TRUE : FALSE);
}

// The control names its active object and puts the focus into its own
// window; a page script it runs reports its errors through the sink.
void WebBrowserHost::ui_activate() {
  ::RECT area{};
  ::GetClientRect(window_.get(), &area);
  object_->DoVerb(OLEIVERB_UIACTIVATE, nullptr, site_.Get(), 0, window_.get(), &area);
}

// The form's focus goes on to the control's own window, from which the
// control gives it to the page; a hidden browser takes nothing.
bool WebBrowserHost::take_focus() {
  if (!in_place_ || !::IsWindowVisible(window_.get())) return false;
  if (!frame_->active_object()) ui_activate();
  HWND control = nullptr;
  if (FAILED(in_place_->GetWindow(&control)) || !control) return false;
  const HWND focus = ::GetFocus();
  if (focus != control && !::IsChild(control, focus)) ::SetFocus(control);
  return true;
}

plat::HRESULT WebBrowserHost::Navigate(std::u16string_view url) {
  Bstr address(::SysAllocStringLen(reinterpret_cast<const OLECHAR*>(url.data()), static_cast<UINT>(url.size())));
  if (!address) return E_OUTOFMEMORY;
  Variant flags, target, post_data, headers;
  return sending([&] { return browser_->Navigate(address.get(), &flags.v, &target.v, &post_data.v, &headers.v); });
}

// S_FALSE with no string is what a control that has shown nothing yet
// answers; it is a success, and the location is then empty.
plat::HRESULT WebBrowserHost::get_LocationURL(std::u16string& url) {
  BSTR raw = nullptr;
  const HRESULT hr = browser_->get_LocationURL(&raw);
  Bstr owned(raw);
  if (SUCCEEDED(hr)) {
    const auto* text = reinterpret_cast<const char16_t*>(owned.get());
    url.assign(text ? text : u"", owned ? ::SysStringLen(owned.get()) : 0);
  }
  return hr;
}

plat::HRESULT WebBrowserHost::get_Application(std::shared_ptr<void>& disp) {
  ComPtr<IDispatch> application;
  const HRESULT hr = browser_->get_Application(&application);
  if (SUCCEEDED(hr)) disp = share_dispatch(application.Detach());
  return hr;
}

void WebBrowserHost::set_bounds(const plat::RECT& r) {
  bounds_ = r;
  const int w = r.right - r.left, h = r.bottom - r.top;
  sending([&] { return ::SetWindowPos(window_.get(), nullptr, r.left, r.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE); });
  const ::RECT area{0, 0, w, h};
  if (in_place_) sending([&] { return in_place_->SetObjectRects(&area, &area); });
  apply_region();
}

void WebBrowserHost::set_visible(bool visible) {
  sending([&] { return ::ShowWindow(window_.get(), visible ? SW_SHOWNA : SW_HIDE); });
}

void WebBrowserHost::set_covered(std::span<const plat::RECT> rects) {
  covered_.assign(rects.begin(), rects.end());
  apply_region();
}

// The window keeps all of its place but the covered parts, where the form
// then paints its own controls; those parts are repainted at once.
void WebBrowserHost::apply_region() {
  if (covered_.empty()) {
    sending([&] { return ::SetWindowRgn(window_.get(), nullptr, TRUE); });
    return;
  }
  GdiObject<HRGN> region(::CreateRectRgn(0, 0, bounds_.right - bounds_.left, bounds_.bottom - bounds_.top));
  if (!region) return;
  for (const plat::RECT& c : covered_) {
    GdiObject<HRGN> cut(
        ::CreateRectRgn(c.left - bounds_.left, c.top - bounds_.top, c.right - bounds_.left, c.bottom - bounds_.top));
    if (cut) ::CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
  }
  // The system owns a region it has accepted.
  if (sending([&] { return ::SetWindowRgn(window_.get(), region.get(), TRUE); })) region.release();
  for (const plat::RECT& c : covered_) {
    const ::RECT r = to_rect(c);
    ::InvalidateRect(form_, &r, FALSE);
  }
}

}  // namespace

// A host whose creation failed is destroyed at once, taking down what was
// built; the caller gets the failing step's HRESULT.
std::expected<std::unique_ptr<plat::BrowserHost>, plat::HRESULT> Win32Platform::create_browser(
    plat::HWND parent, plat::BrowserEvents* events) {
  auto host = std::make_unique<WebBrowserHost>(to_hwnd(parent), events);
  if (const HRESULT hr = host->create(*this); FAILED(hr)) return std::unexpected(static_cast<plat::HRESULT>(hr));
  return host;
}

}  // namespace win32
