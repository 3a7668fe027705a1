// Window texts and the desktop's window tree: FindWindowA and GetWindow.
#include <algorithm>
#include <cstring>

#include "platform/sim/desktop.h"

namespace sim {
namespace {

bool same_text_nocase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           auto up = [](char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; };
           return up(x) == up(y);
         });
}

}  // namespace

BOOL Desktop::SetWindowTextA(HWND hwnd, const char* text) {
  Window* w = find_or_fail(hwnd);
  if (!w) return FALSE;
  w->title = text ? text : "";
  return TRUE;
}

int Desktop::GetWindowTextA(HWND hwnd, char* buffer, int max_count) {
  const Window* w = find_or_fail(hwnd);
  if (!w || !buffer || max_count <= 0) return 0;
  const auto n = std::min<std::size_t>(w->title.size(), static_cast<std::size_t>(max_count - 1));
  std::memcpy(buffer, w->title.data(), n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}

// Every top-level window of every process, visible or not, from the top.
HWND Desktop::FindWindowA(const char* class_name, const char* window_name) {
  for (HWND h : z_.order()) {
    const Window* w = find(h);
    if (!w) continue;
    if (class_name && !same_text_nocase(w->class_name, class_name)) continue;
    if (window_name && !same_text_nocase(w->title, window_name)) continue;
    return h;
  }
  fail(ERROR_FILE_NOT_FOUND);
  return 0;
}

HWND Desktop::GetWindow(HWND hwnd, UINT cmd) {
  const Window* w = hwnd == kDesktopWindow ? nullptr : find(hwnd);
  if (hwnd != kDesktopWindow && !w) {
    fail(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  if (cmd == plat::GW_CHILD) {
    if (!w) return z_.first();
    return w->children.empty() ? 0 : w->children.front();
  }
  if (!w) return 0;
  if (cmd == GW_OWNER) return w->owner;
  if (w->top_level()) {
    switch (cmd) {
      case plat::GW_HWNDNEXT:
        return z_.next(hwnd);
      case GW_HWNDPREV:
        return z_.prev(hwnd);
      case GW_HWNDFIRST:
        return z_.first();
      case GW_HWNDLAST:
        return z_.last();
      default:
        return 0;
    }
  }
  const Window* p = find(w->parent);
  if (!p) return 0;
  const auto& s = p->children;
  const auto it = std::find(s.begin(), s.end(), hwnd);
  switch (cmd) {
    case plat::GW_HWNDNEXT:
      return (it != s.end() && it + 1 != s.end()) ? *(it + 1) : 0;
    case GW_HWNDPREV:
      return (it != s.end() && it != s.begin()) ? *(it - 1) : 0;
    case GW_HWNDFIRST:
      return s.front();
    case GW_HWNDLAST:
      return s.back();
    default:
      return 0;
  }
}

}  // namespace sim
