// Layered windows. As on Windows, the two ways of drawing one exclude
// each other: once SetLayeredWindowAttributes has been called,
// UpdateLayeredWindow fails until the layered style is cleared and set
// again, and GetLayeredWindowAttributes only answers after
// SetLayeredWindowAttributes.
#include "platform/sim/desktop.h"

namespace sim {

BOOL Desktop::SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  if (!(w->ex_style & plat::WS_EX_LAYERED)) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  w->layered_attributes_set = true;
  w->layered_key = key;
  w->layered_alpha = alpha;
  w->layered_flags = flags;
  w->mark_dirty();
  return TRUE;
}

BOOL Desktop::GetLayeredWindowAttributes(HWND hwnd, COLORREF* key, std::uint8_t* alpha, DWORD* flags) {
  const Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  if (!(w->ex_style & plat::WS_EX_LAYERED) || !w->layered_attributes_set) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (key) *key = w->layered_key;
  if (alpha) *alpha = w->layered_alpha;
  if (flags) *flags = w->layered_flags;
  return TRUE;
}

BOOL Desktop::UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const plat::Image& src,
                                  const POINT* src_pt, COLORREF key, const plat::BLENDFUNCTION* blend,
                                  DWORD flags) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  LayeredUpdate u;
  if (dst) u.dst = *dst;
  if (size) u.size = *size;
  u.source_size = {src.width, src.height};
  u.alpha = blend ? blend->SourceConstantAlpha : 255;
  u.alpha_format = blend ? blend->AlphaFormat : 0;
  u.key = key;
  u.flags = flags;
  const POINT origin = src_pt ? *src_pt : POINT{};
  const bool source_too_small =
      size && (origin.x < 0 || origin.y < 0 || origin.x + size->cx > src.width || origin.y + size->cy > src.height);
  if (!(w->ex_style & plat::WS_EX_LAYERED) || w->layered_attributes_set || source_too_small) {
    fail(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  if (copy_images_) u.image = std::make_shared<const plat::Image>(plat::Image{src.width, src.height, src.pixels, {}});
  w->layered_updates.push_back(std::move(u));
  RECT b = w->bounds;
  if (dst) b = {dst->x, dst->y, dst->x + (b.right - b.left), dst->y + (b.bottom - b.top)};
  if (size) b = {b.left, b.top, b.left + size->cx, b.top + size->cy};
  wm_.set_bounds(hwnd, b);
  return TRUE;
}

// The system sends it to every top-level window, from the top; a handler
// may destroy windows, so each is looked up again before it is told.
void Desktop::composition_changed() {
  const std::vector<HWND> order = z_.order();
  for (HWND h : order) {
    if (Window* w = find(h); w && w->ours() && w->top_level() && w->sink) w->sink->on_composition_changed();
  }
}

}  // namespace sim
