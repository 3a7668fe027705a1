#include "driver/x_windows.h"

#include <X11/Xlib.h>
#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <memory>
#include <sstream>

namespace e2e {
namespace {

struct XFreeDeleter {
  void operator()(void* p) const {
    if (p) XFree(p);
  }
};
template <typename T>
using XOwned = std::unique_ptr<T, XFreeDeleter>;

// A property's items, or nothing when the window lacks it or has gone.
template <typename Item>
std::optional<std::vector<Item>> property(const XConnection& x, XWindow w, const char* name, XAtom type) {
  ::Atom actual_type = 0;
  int format = 0;
  unsigned long count = 0, after = 0;
  unsigned char* raw = nullptr;
  const int rc = XGetWindowProperty(x.get(), w, x.atom(name), 0, 1 << 16, False, type, &actual_type, &format,
                                    &count, &after, &raw);
  XOwned<unsigned char> data(raw);
  if (rc != Success || !raw || actual_type == None) return std::nullopt;
  std::vector<Item> items;
  for (unsigned long i = 0; i < count; ++i) {
    // Xlib hands 32-bit items as longs, 8-bit items as bytes.
    if (format == 32) items.push_back(static_cast<Item>(reinterpret_cast<const long*>(raw)[i]));
    else items.push_back(static_cast<Item>(raw[i]));
  }
  return items;
}

std::string text_property(const XConnection& x, XWindow w, const char* name, XAtom type) {
  auto bytes = property<char>(x, w, name, type);
  return bytes ? std::string(bytes->begin(), bytes->end()) : std::string{};
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const XWindowInfo& w) {
  out << "0x" << std::hex << w.id << std::dec << ' ' << w.rect << (w.mapped ? " mapped" : " unmapped")
      << " pid=" << w.pid;
  if (w.opacity) out << " alpha=" << w.alpha();
  if (w.transient_for) out << " transient-for=0x" << std::hex << w.transient_for << std::dec;
  return out << " class=\"" << w.class_name << "\" title=\"" << w.title << '"';
}

std::optional<XWindowInfo> x_window_info(const XConnection& x, XWindow id) {
  XWindowAttributes attributes{};
  if (!XGetWindowAttributes(x.get(), id, &attributes)) return std::nullopt;
  XWindowInfo info;
  info.id = id;
  int sx = 0, sy = 0;
  ::Window child = 0;
  XTranslateCoordinates(x.get(), id, x.root(), 0, 0, &sx, &sy, &child);
  const Point o = x.windows_origin();
  info.rect = {sx - o.x, sy - o.y, attributes.width, attributes.height};
  info.mapped = attributes.map_state == IsViewable;
  info.override_redirect = attributes.override_redirect;
  info.title = text_property(x, id, "_NET_WM_NAME", x.atom("UTF8_STRING"));
  if (info.title.empty()) info.title = text_property(x, id, "WM_NAME", XA_STRING);
  XClassHint hint{};
  if (XGetClassHint(x.get(), id, &hint)) {
    XOwned<char> name(hint.res_name), klass(hint.res_class);
    if (klass) info.class_name = klass.get();
  }
  if (auto pid = property<long>(x, id, "_NET_WM_PID", XA_CARDINAL); pid && !pid->empty()) info.pid = pid->front();
  if (auto opacity = property<std::uint32_t>(x, id, "_NET_WM_WINDOW_OPACITY", XA_CARDINAL);
      opacity && !opacity->empty()) {
    info.opacity = opacity->front();
  }
  ::Window owner = 0;
  if (XGetTransientForHint(x.get(), id, &owner)) info.transient_for = owner;
  return info;
}

std::vector<XWindowInfo> x_top_level_windows(const XConnection& x) {
  ::Window root = 0, parent = 0;
  ::Window* raw_children = nullptr;
  unsigned int count = 0;
  std::vector<XWindowInfo> out;
  if (!XQueryTree(x.get(), x.root(), &root, &parent, &raw_children, &count)) return out;
  XOwned<::Window> children(raw_children);
  for (unsigned int i = count; i-- > 0;) {
    if (auto info = x_window_info(x, raw_children[i])) out.push_back(std::move(*info));
  }
  return out;
}

std::optional<XWindowInfo> find_x_window(const std::vector<XWindowInfo>& windows, std::string_view title) {
  for (const XWindowInfo& w : windows) {
    if (w.mapped && w.title == title) return w;
  }
  return std::nullopt;
}

std::string describe(const std::vector<XWindowInfo>& windows) {
  std::ostringstream out;
  for (const XWindowInfo& w : windows) out << w << '\n';
  return out.str();
}

}  // namespace e2e
