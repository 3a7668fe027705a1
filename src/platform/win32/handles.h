// Owners for the system's handles: each releases its handle the one way
// the system wants it released, so no backend code releases by hand.
#pragma once

#include <utility>

#include "platform/win32/live_objects.h"
#include "platform/win32/win32_headers.h"

#include <objbase.h>

namespace win32 {

// A movable owner of one handle; Traits names the empty value and the release call,
// and with a `live` member the kind of live count (live_objects.h) the handle is in.
// A moved handle stays counted once; release() hands it on, out of the count.
template <typename Traits>
class UniqueHandle {
 public:
  using pointer = typename Traits::pointer;

  UniqueHandle() = default;
  explicit UniqueHandle(pointer h) : h_(h) { count(h, +1); }
  UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::empty())) {}
  UniqueHandle& operator=(UniqueHandle&& other) noexcept {
    if (this != &other) {
      reset();
      h_ = std::exchange(other.h_, Traits::empty());
    }
    return *this;
  }
  UniqueHandle(const UniqueHandle&) = delete;
  UniqueHandle& operator=(const UniqueHandle&) = delete;
  ~UniqueHandle() { reset(); }

  pointer get() const { return h_; }
  explicit operator bool() const { return h_ != Traits::empty(); }
  pointer release() {
    const pointer h = std::exchange(h_, Traits::empty());
    count(h, -1);
    return h;
  }
  void reset(pointer h = Traits::empty()) {
    count(h, +1);
    if (pointer old = std::exchange(h_, h); old != Traits::empty()) {
      Traits::close(old);
      count(old, -1);
    }
  }

 private:
  static void count(pointer h, long delta) {
    if constexpr (requires { Traits::live; }) {
      if (h != Traits::empty()) count_live(Traits::live, delta);
    }
  }

  pointer h_ = Traits::empty();
};

template <typename T, auto Close>
struct NullTraits {
  using pointer = T;
  static pointer empty() { return nullptr; }
  static void close(pointer h) { Close(h); }
};

// GDI objects and memory DCs, which the system counts among a process's GDI objects too.
template <typename T, auto Close>
struct GdiTraits : NullTraits<T, Close> {
  static constexpr LiveKind live = LiveKind::Gdi;
};

// CreateFileA reports failure as INVALID_HANDLE_VALUE, not as null.
struct FileTraits {
  using pointer = HANDLE;
  static pointer empty() { return INVALID_HANDLE_VALUE; }
  static void close(pointer h) { ::CloseHandle(h); }
};

using UniqueWindow = UniqueHandle<NullTraits<HWND, ::DestroyWindow>>;
using MemoryDc = UniqueHandle<GdiTraits<HDC, ::DeleteDC>>;
using UniqueModule = UniqueHandle<NullTraits<HMODULE, ::FreeLibrary>>;
using UniqueKey = UniqueHandle<NullTraits<HKEY, ::RegCloseKey>>;
using UniqueCursor = UniqueHandle<NullTraits<HCURSOR, ::DestroyCursor>>;
using UniqueMenu = UniqueHandle<NullTraits<HMENU, ::DestroyMenu>>;
using UniqueFile = UniqueHandle<FileTraits>;

template <typename T>
using GdiObject = UniqueHandle<GdiTraits<T, ::DeleteObject>>;

// A device context from GetDC, handed back with ReleaseDC to the window it came from.
class WindowDc {
 public:
  explicit WindowDc(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(hwnd_, dc_);
  }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }

 private:
  HWND hwnd_;
  HDC dc_;
};

// The device context of one WM_PAINT, ended with EndPaint.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &ps_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(hwnd_, &ps_); }
  HDC get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // The bounding box of the update region, in client coordinates.
  const ::RECT& paint_rect() const { return ps_.rcPaint; }

 private:
  HWND hwnd_;
  PAINTSTRUCT ps_{};
  HDC dc_;
};

// An object selected into a device context; the previous one goes back on scope exit,
// because a DC must not be deleted, nor its object freed, while ours is selected.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), old_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() {
    if (old_ && old_ != HGDI_ERROR) ::SelectObject(dc_, old_);
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace win32
