#include "platform/sim/event_log.h"

#include <algorithm>
#include <cstdio>

namespace sim {

void EventLog::add(std::string entry) {
  if (enabled_) entries_.push_back(std::move(entry));
}

std::vector<std::string> EventLog::of(std::initializer_list<std::string_view> calls) const {
  return of(std::span<const std::string_view>(calls.begin(), calls.size()));
}

std::vector<std::string> EventLog::of(std::span<const std::string_view> calls) const {
  std::vector<std::string> out;
  for (const std::string& e : entries_) {
    const std::string_view first = std::string_view(e).substr(0, e.find(' '));
    if (std::find(calls.begin(), calls.end(), first) != calls.end()) out.push_back(e);
  }
  return out;
}

std::vector<std::string> EventLog::since(std::size_t skip) const {
  if (skip >= entries_.size()) return {};
  return {entries_.begin() + static_cast<std::ptrdiff_t>(skip), entries_.end()};
}

std::string side_by_side(std::span<const std::string> expected, std::span<const std::string> actual) {
  std::size_t width = 8;
  for (const auto& e : expected) width = std::max(width, e.size());
  width = std::min<std::size_t>(width, 70);
  const std::size_t rows = std::max(expected.size(), actual.size());
  bool marked = false;
  std::string out = "\n    " + std::string("expected") + std::string(width - 8, ' ') + " | actual\n";
  for (std::size_t i = 0; i < rows; ++i) {
    const std::string e = i < expected.size() ? expected[i] : "";
    const std::string a = i < actual.size() ? actual[i] : "";
    const bool differs = i >= expected.size() || i >= actual.size() || e != a;
    out += (differs && !marked) ? ">>> " : "    ";
    marked = marked || differs;
    out += e;
    if (e.size() < width) out += std::string(width - e.size(), ' ');
    out += " | " + a + "\n";
  }
  return out;
}

std::string hex32(std::uint32_t value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08X", value);
  return buf;
}

std::string in_quotes(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    switch (c) {
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      default:
        out += c;
    }
  }
  return out + "\"";
}

std::string show_command_name(int cmd) {
  switch (cmd) {
    case plat::SW_HIDE:
      return "SW_HIDE";
    case plat::SW_SHOWNORMAL:
      return "SW_SHOWNORMAL";
    case plat::SW_SHOWNOACTIVATE:
      return "SW_SHOWNOACTIVATE";
    case plat::SW_SHOW:
      return "SW_SHOW";
    case plat::SW_SHOWNA:
      return "SW_SHOWNA";
    default:
      return std::to_string(cmd);
  }
}

namespace {

struct FlagName {
  UINT bit;
  const char* name;
};

std::string join_flags(UINT value, std::span<const FlagName> names, const char* none) {
  std::string out;
  for (const FlagName& f : names) {
    if (value & f.bit) {
      if (!out.empty()) out += '|';
      out += f.name;
      value &= ~f.bit;
    }
  }
  if (value != 0) {
    if (!out.empty()) out += '|';
    out += hex32(value);
  }
  return out.empty() ? none : out;
}

}  // namespace

std::string swp_flags_name(UINT flags) {
  static constexpr FlagName names[] = {
      {plat::SWP_NOSIZE, "SWP_NOSIZE"},           {plat::SWP_NOMOVE, "SWP_NOMOVE"},
      {plat::SWP_NOZORDER, "SWP_NOZORDER"},       {plat::SWP_NOACTIVATE, "SWP_NOACTIVATE"},
      {plat::SWP_FRAMECHANGED, "SWP_FRAMECHANGED"}, {plat::SWP_SHOWWINDOW, "SWP_SHOWWINDOW"},
      {plat::SWP_HIDEWINDOW, "SWP_HIDEWINDOW"},   {plat::SWP_NOOWNERZORDER, "SWP_NOOWNERZORDER"},
  };
  return join_flags(flags, names, "0");
}

std::string gwl_index_name(int index) {
  switch (index) {
    case plat::GWL_EXSTYLE:
      return "GWL_EXSTYLE";
    case plat::GWL_STYLE:
      return "GWL_STYLE";
    case plat::GWL_HWNDPARENT:
      return "GWL_HWNDPARENT";
    default:
      return std::to_string(index);
  }
}

std::string message_box_flags_name(UINT type) {
  static constexpr const char* buttons[] = {"MB_OK",    "MB_OKCANCEL",    "MB_ABORTRETRYIGNORE",
                                            "MB_YESNOCANCEL", "MB_YESNO", "MB_RETRYCANCEL",
                                            "MB_CANCELTRYCONTINUE"};
  const UINT button_bits = type & 0x0F;
  std::string out = button_bits < 7 ? buttons[button_bits] : hex32(button_bits);
  switch (type & 0xF0) {
    case 0:
      break;
    case plat::MB_ICONSTOP:
      out += "|MB_ICONSTOP";
      break;
    case plat::MB_ICONQUESTION:
      out += "|MB_ICONQUESTION";
      break;
    case plat::MB_ICONWARNING:
      out += "|MB_ICONWARNING";
      break;
    case MB_ICONINFORMATION:
      out += "|MB_ICONINFORMATION";
      break;
    default:
      out += "|" + hex32(type & 0xF0);
  }
  if (type & plat::MB_TOPMOST) out += "|MB_TOPMOST";
  if (type & ~(0xFFu | plat::MB_TOPMOST)) out += "|" + hex32(type & ~(0xFFu | plat::MB_TOPMOST));
  return out;
}

std::string dialog_answer_name(int answer) {
  switch (answer) {
    case plat::IDOK:
      return "IDOK";
    case IDCANCEL:
      return "IDCANCEL";
    case IDABORT:
      return "IDABORT";
    case IDRETRY:
      return "IDRETRY";
    case IDIGNORE:
      return "IDIGNORE";
    case plat::IDYES:
      return "IDYES";
    case plat::IDNO:
      return "IDNO";
    case IDTRYAGAIN:
      return "IDTRYAGAIN";
    case IDCONTINUE:
      return "IDCONTINUE";
    default:
      return std::to_string(answer);
  }
}

std::string bool_name(BOOL value) { return value ? "TRUE" : "FALSE"; }

std::string outcome_name(DWORD error) { return error == 0 ? "ok" : "error " + std::to_string(error); }

}  // namespace sim
