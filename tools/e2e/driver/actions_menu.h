// Reaching the icon bar as a person does, for the end-to-end groups and
// the tour: the pointer rests on the last
// pixel column until the bar has slid in, and a right click on the bar
// opens its context menu, which then takes keys.
#pragma once

#include <X11/keysym.h>

#include <chrono>
#include <expected>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "driver/session.h"
#include "driver/slatebar.h"
#include "driver/wait.h"

namespace e2e::actions {

using namespace std::chrono_literals;

inline constexpr int kBarWidth = 48;

// Keys that choose the context menu's items once it is open: About...,
// then Lock (the separators are skipped), and Exit by its accelerator.
inline const std::vector<KeySymbol> kAbout = {XK_Down, XK_Return};
inline const std::vector<KeySymbol> kLock = {XK_Down, XK_Down, XK_Return};
inline const std::vector<KeySymbol> kExit = {XK_x};

using slatebar::all_visible_titled;
using slatebar::visible_titled;

// The bar's icons are drawn on it and no longer move: two looks a little
// apart show the same pixels, and some of them are the icons' white.
inline bool icons_settled(Session& s, Rect bar) {
  std::optional<Screenshot> last;
  return wait_until(10s, [&] {
    auto shot = s.screenshot();
    if (!shot) return false;
    const bool drawn = shot->fraction(bar, near_white) >= 0.03;
    const bool still = last && shot->same_as(*last, bar, 0) == 1.0;
    last = std::move(*shot);
    if (!(drawn && still)) std::this_thread::sleep_for(150ms);
    return drawn && still;
  });
}

// What a person waits for before moving onto the bar: the bar alone (to
// open its context menu), or its icons too (to click one).
enum class BarWith { Icons, NoIcons };

// The bar slid wholly onto the screen, the pointer resting on it at
// height `y` (by default a little above the middle, between icons).
inline std::expected<WinWindow, std::string> slide_bar_in(Session& s, std::optional<int> at_y = {},
                                                          BarWith with = BarWith::Icons) {
  const int w = s.screen().width;
  const int y = at_y.value_or(s.screen().height / 2 - 100);
  s.input().move_to({w - 1, y});
  auto bar = wait_until(10s, [&]() -> std::optional<WinWindow> {
    auto list = s.windows();
    if (!list) return std::nullopt;
    auto found = list->first_of_class(slatebar::kBarClass);
    if (found && found->visible && found->rect.x <= w - kBarWidth) return found;
    return std::nullopt;
  });
  if (!bar) {
    auto list = s.windows();
    auto fg = list ? list->foreground_window() : std::nullopt;
    return std::unexpected("the icon bar did not slide in; the foreground window is " +
                           (fg ? fg->class_name + " '" + fg->title + "'" : std::string("none")));
  }
  // A person waits, the pointer still on the edge, until the icons have
  // flown in and stand still: the fly-in starts on the pointer watch's tick
  // after the bar is in, and only while the pointer rests on the edge.
  if (with == BarWith::Icons && !icons_settled(s, bar->rect)) {
    return std::unexpected("the bar's icons did not fly in; " + s.record("icons-not-in").string());
  }
  // Off the last column, still on the bar: it stays in while the pointer
  // is not left of it.
  s.input().move_to({bar->rect.x + kBarWidth / 2, y});
  return *bar;
}

// The icons fly in to the bar's left edge, 64 pixels apart around the
// screen's middle; each is named by its place from the centre one.
enum class Icon : int { Search = -2, Share = -1, Start = 0, Connect = 1, Settings = 2 };

inline int icon_y(const Session& s, Icon icon) { return s.screen().height / 2 + 64 * static_cast<int>(icon); }

// The bar slid in at the icon's height, and the icon clicked once the
// icons stand still.
inline std::expected<void, std::string> click_icon(Session& s, Icon icon) {
  const int y = icon_y(s, icon);
  auto bar = slide_bar_in(s, y);
  if (!bar) return std::unexpected(bar.error());
  s.input().click_at({bar->rect.x + kBarWidth / 2, y});
  return {};
}

// The context menu open at the pointer, on the bar.
inline std::expected<WinWindow, std::string> open_context_menu(Session& s) {
  auto bar = slide_bar_in(s, {}, BarWith::NoIcons);
  if (!bar) return std::unexpected(bar.error());
  std::this_thread::sleep_for(200ms);
  s.input().click(Button::Right);
  auto menu = wait_until(10s, [&]() -> std::optional<WinWindow> {
    auto list = s.windows();
    if (!list) return std::nullopt;
    auto found = list->first_of_class("#32768");  // the system's popup menu class
    return found && found->visible ? found : std::nullopt;
  });
  if (!menu) return std::unexpected("no context menu after a right click on the bar");
  return *menu;
}

// A key is typed again until the menu shows that it took it: the highlight
// moved, or, for the last key, the menu gone. Under load a key was seen to
// be lost between the menu's showing and its taking keys, which left the
// menu open and the choice never made; a person presses again.
inline std::expected<void, std::string> choose_in(Session& s, const WinWindow& menu,
                                                   const std::vector<KeySymbol>& keys) {
  const auto menu_open = [&] {
    auto list = s.windows();
    auto found = list ? list->by_hwnd(menu.hwnd) : std::nullopt;
    return found && found->visible;
  };
  for (std::size_t i = 0; i < keys.size(); ++i) {
    const bool last = i + 1 == keys.size();
    bool taken = false;
    for (int attempt = 0; attempt < 3 && !taken; ++attempt) {
      auto before = s.screenshot();
      if (!before) return std::unexpected(before.error());
      s.input().tap(keys[i]);
      taken = wait_until(5s, [&] {
        if (last) return !menu_open();
        auto now = s.screenshot();
        return now && now->same_as(*before, menu.rect, 0) < 1.0;
      });
    }
    if (!taken) {
      return std::unexpected("the context menu did not take key " + std::to_string(i + 1) + " of " +
                             std::to_string(keys.size()) + "; " + s.record("menu-key-not-taken").string());
    }
  }
  return {};
}

// The context menu opened on the bar and an item chosen with keys.
inline std::expected<void, std::string> choose(Session& s, const std::vector<KeySymbol>& keys) {
  auto menu = open_context_menu(s);
  if (!menu) return std::unexpected(menu.error());
  return choose_in(s, *menu, keys);
}

}  // namespace e2e::actions
