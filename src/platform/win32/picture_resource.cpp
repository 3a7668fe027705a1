// Decoding the splash picture through GDI+: the RCDATA bytes in the exe,
// read through a COM stream of our own, become a GDI+ bitmap, then a
// 32-bit GDI bitmap on a transparent background, whose bits are read back
// into a picture. GDI+ itself was started by the program before any form.
#include <algorithm>
#include <cstring>
#include <limits>
#include <memory>
#include <new>
#include <span>
#include <string>

#include "platform/win32/com_object.h"
#include "platform/win32/gdiplus_library.h"
#include "platform/win32/handles.h"
#include "platform/win32/straight_alpha.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/win32_headers.h"

#include <wrl/client.h>

namespace win32 {

namespace {

using Microsoft::WRL::ComPtr;

// A read-only IStream over bytes it does not own (a resource, which lives
// as long as the module). Stat reports the size and no name: by the
// IStream convention the caller frees any name it receives, so the field
// must never be left undefined. The system's memory streams are of no use
// here, since what their Stat leaves in that field is theirs to decide.
class ResourceStream : public IStream {
 public:
  static ComPtr<IStream> create(std::span<const BYTE> bytes, ULONGLONG position = 0) {
    return make_com<ResourceStream>(bytes, position);
  }

  // ---- IUnknown ----
  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
    if (!object) return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_ISequentialStream || riid == IID_IStream) {
      *object = static_cast<IStream*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }

  // ---- ISequentialStream ----
  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG count, ULONG* read) override {
    if (!buffer) return STG_E_INVALIDPOINTER;
    const ULONGLONG left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const auto n = static_cast<ULONG>(std::min<ULONGLONG>(count, left));
    if (n) std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    if (read) *read = n;
    // A short read at the end is S_OK, as the system's own streams answer it.
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Write(const void*, ULONG, ULONG* written) override {
    if (written) *written = 0;
    return STG_E_ACCESSDENIED;
  }

  // ---- IStream ----
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin, ULARGE_INTEGER* new_position) override {
    LONGLONG base = 0;
    switch (origin) {
      case STREAM_SEEK_SET: base = 0; break;
      case STREAM_SEEK_CUR: base = static_cast<LONGLONG>(position_); break;
      case STREAM_SEEK_END: base = static_cast<LONGLONG>(bytes_.size()); break;
      default: return STG_E_INVALIDFUNCTION;
    }
    const LONGLONG offset = move.QuadPart;
    if (offset > 0 && offset > std::numeric_limits<LONGLONG>::max() - base) return STG_E_INVALIDFUNCTION;
    if (base + offset < 0) return STG_E_INVALIDFUNCTION;
    // Beyond the end is allowed; reads there give nothing.
    position_ = static_cast<ULONGLONG>(base + offset);
    if (new_position) new_position->QuadPart = position_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return STG_E_ACCESSDENIED; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream* target, ULARGE_INTEGER count, ULARGE_INTEGER* read,
                                   ULARGE_INTEGER* written) override {
    if (!target) return STG_E_INVALIDPOINTER;
    const ULONGLONG left = position_ < bytes_.size() ? bytes_.size() - position_ : 0;
    const auto n = static_cast<ULONG>(std::min<ULONGLONG>(count.QuadPart, left));
    ULONG done = 0;
    const HRESULT hr = n ? target->Write(bytes_.data() + position_, n, &done) : S_OK;
    position_ += n;
    if (read) read->QuadPart = n;
    if (written) written->QuadPart = done;
    return hr;
  }
  // Nothing is buffered and nothing is transacted.
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return S_OK; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return STG_E_INVALIDFUNCTION;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    if (!stat) return STG_E_INVALIDPOINTER;
    // No exception may cross into the caller's frames; a failure while
    // filling the record is reported as a code instead.
    try {
      *stat = STATSTG{};
      stat->type = STGTY_STREAM;
      stat->cbSize.QuadPart = bytes_.size();
      stat->grfLocksSupported = LOCK_WRITE;  // the three times stay zero
    } catch (...) {
      return E_UNEXPECTED;
    }
    stat->pwcsName = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Clone(IStream** copy) override {
    if (!copy) return STG_E_INVALIDPOINTER;
    *copy = create(bytes_, position_).Detach();
    return *copy ? S_OK : E_OUTOFMEMORY;
  }

 protected:
  ResourceStream(std::span<const BYTE> bytes, ULONGLONG position) : bytes_(bytes), position_(position) {}
  ~ResourceStream() = default;

 private:
  std::span<const BYTE> bytes_;
  ULONGLONG position_;
};

// A GDI+ image, disposed when its owner goes.
struct DisposeImage {
  const GdiplusLibrary* gdiplus;
  void operator()(Gdiplus::GpBitmap* image) const { gdiplus->dispose_image(image); }
};
using GdipBitmap = std::unique_ptr<Gdiplus::GpBitmap, DisposeImage>;

// The RCDATA resource of the program's own module, or nothing.
std::span<const BYTE> rcdata(std::string_view name) {
  const std::string id(name);
  HRSRC found = ::FindResourceA(nullptr, id.c_str(), RT_RCDATA);
  HGLOBAL loaded = found ? ::LoadResource(nullptr, found) : nullptr;
  const auto* bytes = loaded ? static_cast<const BYTE*>(::LockResource(loaded)) : nullptr;
  if (!bytes) return {};
  return {bytes, ::SizeofResource(nullptr, found)};
}

// GDI+'s 32-bit GDI bitmap of the encoded picture, on a background of
// ARGB 0 (all four channels zero). The GDI+ image and the stream are
// released before this returns; the bitmap is all that is left.
GdiObject<HBITMAP> decode_to_hbitmap(const GdiplusLibrary& gdiplus, std::span<const BYTE> encoded) {
  ComPtr<IStream> stream = ResourceStream::create(encoded);
  if (!stream) return {};
  Gdiplus::GpBitmap* made = nullptr;
  // Without embedded colour management: the artwork's pixels as they are.
  if (gdiplus.create_bitmap_from_stream(stream.Get(), &made) != Gdiplus::Ok) return {};
  GdipBitmap image(made, DisposeImage{&gdiplus});
  HBITMAP hbitmap = nullptr;
  if (gdiplus.create_hbitmap_from_bitmap(image.get(), &hbitmap, 0) != Gdiplus::Ok) return {};
  return GdiObject<HBITMAP>(hbitmap);
}

}  // namespace

plat::DecodedBitmap Win32Platform::decode_picture_resource(std::string_view name) {
  const std::span<const BYTE> encoded = rcdata(name);
  if (encoded.empty()) return {};
  const GdiplusLibrary* library = gdiplus();
  if (!library) return {};
  const GdiObject<HBITMAP> hbitmap = decode_to_hbitmap(*library, encoded);
  if (!hbitmap) return {};

  BITMAP info{};
  if (!::GetObjectA(hbitmap.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
  plat::DecodedBitmap out;
  out.bits_per_pixel = info.bmBitsPixel;

  // Asked for top-down 32-bit rows, GDI copies a 32-bit bitmap's bytes,
  // alpha included, whichever way up GDI+ made it.
  BITMAPINFO request{};
  request.bmiHeader.biSize = sizeof request.bmiHeader;
  request.bmiHeader.biWidth = info.bmWidth;
  request.bmiHeader.biHeight = -info.bmHeight;
  request.bmiHeader.biPlanes = 1;
  request.bmiHeader.biBitCount = 32;
  request.bmiHeader.biCompression = BI_RGB;
  plat::Image image = plat::Image::blank(info.bmWidth, info.bmHeight);
  WindowDc screen(nullptr);
  if (!screen || ::GetDIBits(screen.get(), hbitmap.get(), 0, static_cast<UINT>(info.bmHeight), image.pixels.data(),
                             &request, DIB_RGB_COLORS) != info.bmHeight) {
    return out;  // the depth alone, for the caller's check
  }
  // Only a 32-bit bitmap carries alpha; the others are refused by the
  // caller on their depth.
  if (out.bits_per_pixel == 32) to_straight_alpha(image.pixels);
  out.image = std::move(image);
  return out;
}

}  // namespace win32
