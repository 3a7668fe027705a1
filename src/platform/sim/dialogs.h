// Message boxes and popup menus: what the program showed, and the answers
// a test scripted. A scripted box or menu can stay open for a while (the
// desktop then runs its modal loop, so timers tick inside it) and run a
// callback while it is open.
#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "platform/sim/types.h"

namespace sim {

struct MessageBoxRecord {
  HWND owner = 0;
  HWND hwnd = 0;  // the box's own window, gone once it closed
  std::string text;
  std::string caption;
  UINT type = 0;
  int answer = 0;
  Millis opened_at = 0;
};

struct BoxScript {
  std::optional<int> answer{};      // nothing: the box's first button
  std::optional<Millis> open_ms{};  // nothing: the desktop's default
  std::function<void()> while_open{};
};

struct MenuRecord {
  HWND owner = 0;
  std::vector<plat::MenuItemSpec> items;
  POINT at{};
  std::optional<std::size_t> choice;
};

struct MenuScript {
  std::optional<std::size_t> choice{};  // nothing: dismissed
  std::optional<Millis> open_ms{};
  std::function<void()> while_open{};
};

class Dialogs {
 public:
  // Answers for the next boxes, in order; later boxes take the default.
  void answer_boxes(std::initializer_list<int> answers);
  void script_box(BoxScript script);
  // How long an unscripted box stays open (default 0).
  void set_box_open_ms(Millis ms) { box_open_ms_ = ms; }
  void choose_in_menus(std::initializer_list<std::optional<std::size_t>> choices);
  void script_menu(MenuScript script);

  const std::vector<MessageBoxRecord>& boxes() const { return boxes_; }
  const std::vector<MenuRecord>& menus() const { return menus_; }
  void clear_records();

  // The answer a box gives when nobody scripted one: its first button.
  static int first_button(UINT type);
  // "error", "warning", "confirmation", "information" or "plain".
  static std::string kind(UINT type);
  // The button texts, e.g. "Yes No".
  static std::string buttons(UINT type);

  // The answer the next box will give, and the item the next menu will
  // return (separators and disabled items cannot be chosen: a script that
  // picks one gets the menu dismissed), before either is taken.
  int next_box_answer(UINT type) const;
  std::optional<std::size_t> next_menu_choice(const std::vector<plat::MenuItemSpec>& items) const;

  // Used by the desktop.
  BoxScript next_box();
  MenuScript next_menu();
  Millis default_open_ms() const { return box_open_ms_; }
  MessageBoxRecord& record(MessageBoxRecord r) { return boxes_.emplace_back(std::move(r)); }
  MenuRecord& record(MenuRecord r) { return menus_.emplace_back(std::move(r)); }

 private:
  std::deque<BoxScript> box_scripts_;
  std::deque<MenuScript> menu_scripts_;
  std::vector<MessageBoxRecord> boxes_;
  std::vector<MenuRecord> menus_;
  Millis box_open_ms_ = 0;
};

}  // namespace sim
