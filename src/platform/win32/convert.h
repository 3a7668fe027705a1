// The seam carries handles as integers and records with fixed-width
// fields; the system uses pointers and `long`. These convert between the
// two without either side knowing the other's types.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

static_assert(sizeof(plat::RECT) == sizeof(::RECT));
static_assert(sizeof(plat::POINT) == sizeof(::POINT));
static_assert(sizeof(plat::HWND) == sizeof(::HWND));

inline ::HWND to_hwnd(plat::HWND h) { return reinterpret_cast<::HWND>(h); }
inline plat::HWND from_hwnd(::HWND h) { return reinterpret_cast<plat::HWND>(h); }
inline ::HMODULE to_hmodule(plat::HMODULE h) { return reinterpret_cast<::HMODULE>(h); }
inline plat::HMODULE from_hmodule(::HMODULE h) { return reinterpret_cast<plat::HMODULE>(h); }
inline ::HCURSOR to_hcursor(plat::HCURSOR h) { return reinterpret_cast<::HCURSOR>(h); }
inline plat::HCURSOR from_hcursor(::HCURSOR h) { return reinterpret_cast<plat::HCURSOR>(h); }

inline ::RECT to_rect(const plat::RECT& r) { return {r.left, r.top, r.right, r.bottom}; }
inline plat::RECT from_rect(const ::RECT& r) {
  return {static_cast<plat::LONG>(r.left), static_cast<plat::LONG>(r.top), static_cast<plat::LONG>(r.right),
          static_cast<plat::LONG>(r.bottom)};
}
inline ::POINT to_point(const plat::POINT& p) { return {p.x, p.y}; }
inline plat::POINT from_point(const ::POINT& p) {
  return {static_cast<plat::LONG>(p.x), static_cast<plat::LONG>(p.y)};
}
inline ::SIZE to_size(const plat::SIZE& s) { return {s.cx, s.cy}; }
inline plat::SIZE from_size(const ::SIZE& s) {
  return {static_cast<plat::LONG>(s.cx), static_cast<plat::LONG>(s.cy)};
}
inline ::BLENDFUNCTION to_blend(const plat::BLENDFUNCTION& b) {
  return {b.BlendOp, b.BlendFlags, b.SourceConstantAlpha, b.AlphaFormat};
}

// An optional seam record as the optional system record a call takes.
template <typename Sys, typename Seam, typename Fn>
Sys* optional_arg(const Seam* in, Sys& storage, Fn convert) {
  if (!in) return nullptr;
  storage = convert(*in);
  return &storage;
}

}  // namespace win32
