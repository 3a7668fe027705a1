// The COM objects by which the program hosts the web browser control: the
// site the control is embedded in (client site, in-place site and document
// host), its in-place frame, and the sink that receives the control's
// events. Each is made by make_com, which counts its references and frees
// it on the last Release; the host holds them in ComPtrs.
#pragma once

#include <memory>
#include <utility>

#include "platform/win32/com_object.h"
#include "platform/win32/key_filter.h"
#include "platform/win32/win32_headers.h"

#include <exdisp.h>
#include <mshtmhst.h>
#include <ocidl.h>
#include <oleidl.h>
#include <wrl/client.h>

namespace win32 {

// The in-place frame: the form's top-level window, which owns the
// dialogs a page raises, and the holder of the control's active object,
// to which every message loop offers the keys meant for the control's
// windows (key_filter.h) before dispatching them.
class BrowserFrame : public IOleInPlaceFrame, private KeyFilter {
 public:
  // `frame` is the form's top-level window, `window` the child window the
  // control lives in.
  BrowserFrame(HWND frame, HWND window) : frame_(frame), window_(window) {}
  BrowserFrame(const BrowserFrame&) = delete;
  BrowserFrame& operator=(const BrowserFrame&) = delete;

  // Lets go of the active object and stops taking keys; the control holds
  // the frame, and the frame the active object, so the host breaks the
  // cycle when it goes.
  void detach();

  // The control's active object while it is UI-active, else null.
  IOleInPlaceActiveObject* active_object() const { return active_.Get(); }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

  // IOleWindow
  HRESULT STDMETHODCALLTYPE GetWindow(HWND* out) override;
  HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL) override { return E_NOTIMPL; }

  // IOleInPlaceUIWindow: no toolbars, so no border space to give.
  HRESULT STDMETHODCALLTYPE GetBorder(LPRECT) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE RequestBorderSpace(LPCBORDERWIDTHS) override { return INPLACE_E_NOTOOLSPACE; }
  HRESULT STDMETHODCALLTYPE SetBorderSpace(LPCBORDERWIDTHS) override { return OLE_E_INVALIDRECT; }
  HRESULT STDMETHODCALLTYPE SetActiveObject(IOleInPlaceActiveObject* active, LPCOLESTR) override;

  // IOleInPlaceFrame: no menu bar, no status bar, no accelerators of ours.
  HRESULT STDMETHODCALLTYPE InsertMenus(HMENU, LPOLEMENUGROUPWIDTHS) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMenu(HMENU, HOLEMENU, HWND) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RemoveMenus(HMENU) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetStatusText(LPCOLESTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, WORD) override { return S_FALSE; }

 protected:
  ~BrowserFrame();

 private:
  bool take_key(MSG& msg) override;

  HWND frame_;
  HWND window_;
  Microsoft::WRL::ComPtr<IOleInPlaceActiveObject> active_;
};

// The site the control is embedded in: client site, in-place site and
// document host, all answered by one object. The control lives in
// `window` (a child window of ours that fills the browser's place on the
// form); its in-place frame is `frame`.
class BrowserSite : public IOleClientSite, public IOleInPlaceSite, public IDocHostUIHandler {
 public:
  BrowserSite(HWND window, Microsoft::WRL::ComPtr<BrowserFrame> frame)
      : window_(window), frame_(std::move(frame)) {}
  BrowserSite(const BrowserSite&) = delete;
  BrowserSite& operator=(const BrowserSite&) = delete;

  // IUnknown. AddRef and Release are ComObject's; they are named here so
  // that a call through this class, with three IUnknowns, finds one.
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override = 0;
  ULONG STDMETHODCALLTYPE Release() override = 0;

  // IOleClientSite
  HRESULT STDMETHODCALLTYPE SaveObject() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMoniker(DWORD, DWORD, IMoniker** out) override;
  HRESULT STDMETHODCALLTYPE GetContainer(IOleContainer** out) override;
  HRESULT STDMETHODCALLTYPE ShowObject() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnShowWindow(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE RequestNewObjectLayout() override { return E_NOTIMPL; }

  // IOleWindow (the in-place site's): the control's own window.
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

  // IDocHostUIHandler
  HRESULT STDMETHODCALLTYPE ShowContextMenu(DWORD id, POINT*, IUnknown*, IDispatch*) override;
  HRESULT STDMETHODCALLTYPE GetHostInfo(DOCHOSTUIINFO* info) override;
  // The frame has no toolbars or menus for the control to show or hide.
  HRESULT STDMETHODCALLTYPE ShowUI(DWORD, IOleInPlaceActiveObject*, IOleCommandTarget*, IOleInPlaceFrame*,
                                   IOleInPlaceUIWindow*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE HideUI() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE UpdateUI() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE EnableModeless(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDocWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnFrameWindowActivate(BOOL) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE ResizeBorder(LPCRECT, IOleInPlaceUIWindow*, BOOL) override { return S_OK; }
  // Every key is the control's own to handle.
  HRESULT STDMETHODCALLTYPE TranslateAccelerator(LPMSG, const GUID*, DWORD) override { return S_FALSE; }
  // No registry key of ours: the control keeps its defaults.
  HRESULT STDMETHODCALLTYPE GetOptionKeyPath(LPOLESTR* key, DWORD) override;
  HRESULT STDMETHODCALLTYPE GetDropTarget(IDropTarget*, IDropTarget** out) override;
  HRESULT STDMETHODCALLTYPE GetExternal(IDispatch** out) override;
  HRESULT STDMETHODCALLTYPE TranslateUrl(DWORD, LPWSTR, LPWSTR* out) override;
  HRESULT STDMETHODCALLTYPE FilterDataObject(IDataObject*, IDataObject** out) override;

 protected:
  ~BrowserSite() = default;

 private:
  HWND window_;
  Microsoft::WRL::ComPtr<BrowserFrame> frame_;
};

// What GetHostInfo answers: no 3D border (the frame draws none around the
// page), flat scroll bars like the rest of the frame, and DPI-aware layout
// so that pages follow the system's scaling.
inline constexpr DWORD kDocHostFlags =
    DOCHOSTUIFLAG_NO3DBORDER | DOCHOSTUIFLAG_FLAT_SCROLLBAR | DOCHOSTUIFLAG_DPI_AWARE;

// Receives DWebBrowserEvents2 and hands the two the program uses to the
// toolkit. Detached before the host goes, since the control may keep the
// sink a little longer than the connection.
class BrowserEventSink : public IDispatch {
 public:
  explicit BrowserEventSink(plat::BrowserEvents* events) : events_(events) {}
  BrowserEventSink(const BrowserEventSink&) = delete;
  BrowserEventSink& operator=(const BrowserEventSink&) = delete;

  void detach() { events_ = nullptr; }

  // IUnknown
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override;

  // IDispatch: only Invoke; the control never asks a sink for type information.
  HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
  HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD, DISPPARAMS* params, VARIANT*, EXCEPINFO*,
                                   UINT*) override;

 protected:
  ~BrowserEventSink() = default;

 private:
  void new_window2(DISPPARAMS& params);

  plat::BrowserEvents* events_;
};

// A dispatch pointer as the seam carries it: the shared owner holds one
// reference and releases it when the last copy goes.
std::shared_ptr<void> share_dispatch(IDispatch* disp);

}  // namespace win32
