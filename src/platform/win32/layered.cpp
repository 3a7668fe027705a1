#include "platform/win32/layered.h"

#include "platform/win32/carried_error.h"
#include "platform/win32/convert.h"
#include "platform/win32/dib.h"
#include "platform/win32/entry_point.h"
#include "platform/win32/handles.h"

namespace win32 {

namespace {

BOOL WINAPI missing_set(HWND, COLORREF, BYTE, DWORD) {
  ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI missing_get(HWND, COLORREF*, BYTE*, DWORD*) {
  ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

BOOL WINAPI missing_update(HWND, HDC, ::POINT*, ::SIZE*, HDC, ::POINT*, COLORREF, ::BLENDFUNCTION*, DWORD) {
  ::SetLastError(ERROR_CALL_NOT_IMPLEMENTED);
  return FALSE;
}

template <typename Fn>
Fn user32_entry(const char* name, Fn stand_in) {
  Fn entry = entry_point<Fn>(::GetModuleHandleA("user32.dll"), name);
  return entry ? entry : stand_in;
}

}  // namespace

LayeredApi look_up_layered_api() {
  return {user32_entry<LayeredApi::SetAttributes>("SetLayeredWindowAttributes", missing_set),
          user32_entry<LayeredApi::GetAttributes>("GetLayeredWindowAttributes", missing_get),
          user32_entry<LayeredApi::Update>("UpdateLayeredWindow", missing_update)};
}

plat::BOOL Win32Platform::SetLayeredWindowAttributes(plat::HWND hwnd, plat::COLORREF key, std::uint8_t alpha,
                                                     plat::DWORD flags) {
  return sending([&] { return layered_->set_attributes(to_hwnd(hwnd), key, alpha, flags); });
}

plat::BOOL Win32Platform::GetLayeredWindowAttributes(plat::HWND hwnd, plat::COLORREF* key, std::uint8_t* alpha,
                                                     plat::DWORD* flags) {
  COLORREF k = 0;
  BYTE a = 0;
  DWORD f = 0;
  const BOOL ok = layered_->get_attributes(to_hwnd(hwnd), &k, &a, &f);
  if (!ok) return ok;
  if (key) *key = static_cast<plat::COLORREF>(k);
  if (alpha) *alpha = a;
  if (flags) *flags = static_cast<plat::DWORD>(f);
  return ok;
}

plat::BOOL Win32Platform::UpdateLayeredWindow(plat::HWND hwnd, const plat::POINT* dst, const plat::SIZE* size,
                                              const plat::Image& src, const plat::POINT* src_pt,
                                              plat::COLORREF key, const plat::BLENDFUNCTION* blend,
                                              plat::DWORD flags) {
  // The picture stands for the bitmap selected into the source DC; it is
  // premultiplied already, as the system wants it for ULW_ALPHA.
  auto dib = make_dib(src, AlphaForm::Premultiplied);
  WindowDc screen(nullptr);
  MemoryDc source(::CreateCompatibleDC(screen.get()));
  if (!dib || !screen || !source) {
    ::SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return FALSE;
  }
  SelectedObject selected(source.get(), dib->bitmap.get());
  ::POINT dst_storage{}, src_storage{};
  ::SIZE size_storage{};
  ::BLENDFUNCTION blend_storage{};
  auto* dst_arg = optional_arg(dst, dst_storage, to_point);
  auto* size_arg = optional_arg(size, size_storage, to_size);
  auto* src_arg = optional_arg(src_pt, src_storage, to_point);
  auto* blend_arg = optional_arg(blend, blend_storage, to_blend);
  return sending([&] {
    return layered_->update(to_hwnd(hwnd), screen.get(), dst_arg, size_arg, source.get(), src_arg, key,
                            blend_arg, flags);
  });
}

}  // namespace win32
