// The two COM objects by which the program hosts the web browser control:
// the site the control is embedded in (client site, in-place site and
// in-place frame, all answered by one object) and the sink that receives
// the control's events. Both count their references and free themselves
// on the last Release, as COM objects do; the host holds them in ComPtrs.
#pragma once

#include <memory>
#include <utility>

#include "platform/win32/win32_headers.h"

#include <exdisp.h>
#include <ocidl.h>
#include <oleidl.h>
#include <wrl/client.h>

namespace win32 {

// A COM object of ours, holding the first reference. The last Release
// deletes it, so its creation is the one place a bare new belongs.
template <class T, class... Args>
Microsoft::WRL::ComPtr<T> make_com(Args&&... args) {
  Microsoft::WRL::ComPtr<T> object;
  object.Attach(new T(std::forward<Args>(args)...));
  return object;
}

// The control lives in `window` (a child window of ours that fills the
// browser's place on the form); `frame` is the form's top-level window.
class BrowserSite final : public IOleClientSite, public IOleInPlaceSite, public IOleInPlaceFrame {
 public:
  BrowserSite(HWND window, HWND frame) : window_(window), frame_(frame) {}
  BrowserSite(const BrowserSite&) = delete;
  BrowserSite& operator=(const BrowserSite&) = delete;

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (shared by the in-place site and the frame)
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceSite
  HRESULT STDMETHODCALLTYPE CanInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnUIActivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetWindowContext(IOleInPlaceFrame** frame, IOleInPlaceUIWindow** doc, LPRECT pos,
                                             LPRECT clip, LPOLEINPLACEFRAMEINFO info) override;
  HRESULT STDMETHODCALLTYPE Scroll(SIZE) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnUIDeactivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnInPlaceDeactivate() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE DiscardUndoState() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE DeactivateAndUndo() override { return E_NOTIMPL; }
  // The form decides the control's size; a request of the control's own is
  // granted by ignoring it.
  HRESULT STDMETHODCALLTYPE OnPosRectChange(LPCRECT) override { return S_OK; }

  // IOleInPlaceUIWindow: no toolbars, so no border space to give.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject*, LPCOLESTR) override { return S_OK; }

  // IOleInPlaceFrame: no menu bar, no status bar.
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 private:
  ~BrowserSite() = default;

  ULONG refs_ = 1;  // the control calls on the program's one thread
  HWND window_;
  HWND frame_;
};

// Receives DWebBrowserEvents2 and hands the two the program uses to the
// toolkit. Detached before the host goes, since the control may keep the
// sink a little longer than the connection.
class BrowserEventSink final : public IDispatch {
 public:
  explicit BrowserEventSink(plat::BrowserEvents* events) : events_(events) {}
  BrowserEventSink(const BrowserEventSink&) = delete;
  BrowserEventSink& operator=(const BrowserEventSink&) = delete;

  void detach() { events_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override { return ++refs_; }
  ULONG STDMETHODCALLTYPE Release() override;

  // IDispatch: only Invoke; the control never asks a sink for type information.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

 private:
  ~BrowserEventSink() = default;
  void new_window2(DISPPARAMS& params);

  ULONG refs_ = 1;  // the control calls on the program's one thread
  plat::BrowserEvents* events_;
};

// A dispatch pointer as the seam carries it: the shared owner holds one
// reference and releases it when the last copy goes.
std::shared_ptr<void> share_dispatch(IDispatch* disp);

}  // namespace win32
