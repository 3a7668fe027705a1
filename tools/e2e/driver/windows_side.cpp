#include "driver/windows_side.h"

#include <charconv>
#include <iomanip>

namespace e2e {
namespace {

template <typename Number>
bool number(std::string_view field, Number& out) {
  int base = 10;
  if (field.starts_with("0x")) {
    field.remove_prefix(2);
    base = 16;
  }
  const auto [end, ec] = std::from_chars(field.data(), field.data() + field.size(), out, base);
  return ec == std::errc{} && end == field.data() + field.size();
}

std::string without_accelerator(std::string_view label) {
  std::string out;
  for (std::size_t i = 0; i < label.size(); ++i) {
    if (label[i] == '&' && i + 1 < label.size()) ++i;  // "&&" is a literal '&'
    out += label[i];
  }
  return out;
}

std::unexpected<std::string> bad_line(std::string_view line) {
  return std::unexpected("helper output not understood: " + std::string(line));
}

// "#32770" boxes keep their message in the static control of id 0xFFFF and
// their icon in the one of id 0x440, as Wine's and Windows' box templates do.
constexpr int kMessageTextId = 0xFFFF;
constexpr int kMessageIconId = 0x440;

}  // namespace

std::vector<std::string_view> split_tabs(std::string_view line) {
  std::vector<std::string_view> fields;
  for (;;) {
    const auto tab = line.find('\t');
    fields.push_back(line.substr(0, tab));
    if (tab == std::string_view::npos) return fields;
    line.remove_prefix(tab + 1);
  }
}

std::vector<std::string_view> split_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  while (!text.empty()) {
    const auto end = text.find('\n');
    std::string_view line = text.substr(0, end);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!line.empty()) lines.push_back(line);
    if (end == std::string_view::npos) break;
    text.remove_prefix(end + 1);
  }
  return lines;
}

std::string unescape(std::string_view field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\' || i + 1 == field.size()) {
      out += field[i];
      continue;
    }
    switch (field[++i]) {
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      default: out += field[i];
    }
  }
  return out;
}

std::ostream& operator<<(std::ostream& out, const WinWindow& w) {
  const auto flags = out.flags();
  out << std::hex << "hwnd=0x" << w.hwnd << " xid=0x" << w.xid << " style=0x" << w.style << " ex=0x" << w.ex_style
      << " owner=0x" << w.owner << std::dec << " pid=" << w.pid << ' ' << w.rect
      << (w.visible ? " visible" : " hidden") << " class=\"" << w.class_name << "\" title=\"" << w.title << '"';
  out.flags(flags);
  return out;
}

std::ostream& operator<<(std::ostream& out, const Dialog& d) {
  out << "box \"" << d.caption << "\" " << d.rect << " text=\"" << d.text() << "\" buttons=[";
  const char* separator = "";
  for (const std::string& b : d.buttons()) {
    out << separator << b;
    separator = ", ";
  }
  return out << (d.has_icon() ? "] icon" : "] no icon");
}

std::vector<WinWindow> WindowList::of_class(std::string_view class_name) const {
  std::vector<WinWindow> out;
  for (const WinWindow& w : windows) {
    if (w.class_name == class_name) out.push_back(w);
  }
  return out;
}

std::optional<WinWindow> WindowList::first_of_class(std::string_view class_name) const {
  for (const WinWindow& w : windows) {
    if (w.class_name == class_name) return w;
  }
  return std::nullopt;
}

std::optional<WinWindow> WindowList::visible_titled(std::string_view title) const {
  for (const WinWindow& w : windows) {
    if (w.visible && w.title == title) return w;
  }
  return std::nullopt;
}

std::optional<WinWindow> WindowList::by_hwnd(std::uint64_t hwnd) const {
  for (const WinWindow& w : windows) {
    if (w.hwnd == hwnd) return w;
  }
  return std::nullopt;
}

std::optional<std::size_t> WindowList::z_index(std::uint64_t hwnd) const {
  for (std::size_t i = 0; i < windows.size(); ++i) {
    if (windows[i].hwnd == hwnd) return i;
  }
  return std::nullopt;
}

std::string Dialog::text() const {
  for (const DialogControl& c : controls) {
    if (c.id == kMessageTextId && c.class_name == "Static") return c.text;
  }
  return {};
}

std::vector<std::string> Dialog::buttons() const {
  std::vector<std::string> out;
  for (const DialogControl& c : controls) {
    if (c.class_name == "Button" && c.visible) out.push_back(without_accelerator(c.text));
  }
  return out;
}

std::optional<DialogControl> Dialog::button(std::string_view label) const {
  for (const DialogControl& c : controls) {
    if (c.class_name == "Button" && c.visible && without_accelerator(c.text) == label) return c;
  }
  return std::nullopt;
}

bool Dialog::has_icon() const {
  for (const DialogControl& c : controls) {
    if (c.id == kMessageIconId && c.visible && c.has_icon) return true;
  }
  return false;
}

std::expected<WindowList, std::string> parse_window_list(std::string_view output) {
  WindowList list;
  for (std::string_view line : split_lines(output)) {
    const auto f = split_tabs(line);
    if (f[0] == "foreground" && f.size() == 2) {
      if (!number(f[1], list.foreground)) return bad_line(line);
    } else if (f[0] == "window" && f.size() == 14) {
      WinWindow w;
      int visible = 0;
      if (!number(f[1], w.hwnd) || !number(f[2], w.pid) || !number(f[3], w.xid) || !number(f[4], visible) ||
          !number(f[5], w.rect.x) || !number(f[6], w.rect.y) || !number(f[7], w.rect.width) ||
          !number(f[8], w.rect.height) || !number(f[9], w.style) || !number(f[10], w.ex_style) ||
          !number(f[11], w.owner)) {
        return bad_line(line);
      }
      w.visible = visible != 0;
      w.class_name = unescape(f[12]);
      w.title = unescape(f[13]);
      list.windows.push_back(std::move(w));
    } else {
      return bad_line(line);
    }
  }
  return list;
}

std::expected<std::vector<Dialog>, std::string> parse_dialogs(std::string_view output) {
  std::vector<Dialog> dialogs;
  for (std::string_view line : split_lines(output)) {
    const auto f = split_tabs(line);
    if (f[0] == "dialog" && f.size() == 8) {
      Dialog d;
      std::uint32_t face = 0;  // 0x00BBGGRR
      if (!number(f[1], d.hwnd) || !number(f[2], d.rect.x) || !number(f[3], d.rect.y) ||
          !number(f[4], d.rect.width) || !number(f[5], d.rect.height) || !number(f[6], face)) {
        return bad_line(line);
      }
      d.face = {static_cast<std::uint8_t>(face), static_cast<std::uint8_t>(face >> 8),
                static_cast<std::uint8_t>(face >> 16)};
      d.caption = unescape(f[7]);
      dialogs.push_back(std::move(d));
    } else if (f[0] == "child" && f.size() == 11 && !dialogs.empty()) {
      DialogControl c;
      int visible = 0, icon = 0;
      if (!number(f[1], c.hwnd) || !number(f[2], c.id) || !number(f[4], c.rect.x) || !number(f[5], c.rect.y) ||
          !number(f[6], c.rect.width) || !number(f[7], c.rect.height) || !number(f[8], visible) ||
          !number(f[9], icon)) {
        return bad_line(line);
      }
      c.class_name = unescape(f[3]);
      c.visible = visible != 0;
      c.has_icon = icon != 0;
      c.text = unescape(f[10]);
      dialogs.back().controls.push_back(std::move(c));
    } else {
      return bad_line(line);
    }
  }
  return dialogs;
}

std::expected<Resources, std::string> parse_resources(std::string_view output) {
  for (std::string_view line : split_lines(output)) {
    const auto f = split_tabs(line);
    Resources r;
    if (f[0] == "resources" && f.size() == 6 && number(f[1], r.gdi_objects) && number(f[2], r.user_objects) &&
        number(f[3], r.private_bytes) && number(f[4], r.working_set) && number(f[5], r.page_faults)) {
      return r;
    }
    return bad_line(line);
  }
  return std::unexpected("helper reported no resources");
}

std::expected<LiveObjects, std::string> parse_live_objects(std::string_view output) {
  for (std::string_view line : split_lines(output)) {
    const auto f = split_tabs(line);
    LiveObjects live;
    if (f[0] == "live" && f.size() == 3 && number(f[1], live.gdi_objects) && number(f[2], live.windows)) return live;
    return bad_line(line);
  }
  return std::unexpected("helper reported no live objects");
}

}  // namespace e2e
