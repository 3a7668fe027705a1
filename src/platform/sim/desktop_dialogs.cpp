// Message boxes and popup menus. Each opens a modal loop: the capture is
// taken away, the owner is disabled while a box is open, the loop
// dispatches messages (timers tick) for the scripted time, and the
// scripted answer comes back.
#include "platform/sim/desktop.h"

namespace sim {

int Desktop::MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  BoxScript script = dialogs_.next_box();
  const int answer = script.answer.value_or(Dialogs::first_button(type));
  MessageBoxRecord r;
  r.owner = owner;
  r.text = text ? text : "";
  // Windows titles a box without a caption "Error".
  r.caption = caption ? caption : "Error";
  r.type = type;
  r.answer = answer;
  r.opened_at = clock_.now();
  if (log_.enabled()) {
    note("MessageBoxA " + in_quotes(r.caption) + " " + in_quotes(r.text) + " " + message_box_flags_name(type) + " -> " +
         dialog_answer_name(answer));
  }
  dialogs_.record(std::move(r));
  take_capture_away();

  Window* o = find(owner);
  const bool disable_owner = o && o->ours() && o->enabled();
  if (disable_owner) o->style |= plat::WS_DISABLED;
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(dialogs_.default_open_ms());
  if (open_ms > 0 && !quit_posted_) run_modal(open_ms);
  if (disable_owner && (o = find(owner))) o->style &= ~plat::WS_DISABLED;
  return answer;
}

std::optional<std::size_t> Desktop::TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                                   int y) {
  MenuScript script = dialogs_.next_menu();
  std::optional<std::size_t> choice = script.choice;
  // Separators and disabled items cannot be chosen: a script that picks
  // one gets the menu dismissed.
  if (choice && (*choice >= items.size() || items[*choice].caption == "-" || !items[*choice].enabled)) {
    choice.reset();
  }
  if (log_.enabled()) {
    std::string list;
    for (const auto& item : items) list += (list.empty() ? "" : "|") + item.caption;
    note("TrackPopupMenu " + name_of(owner) + " " + std::to_string(x) + "," + std::to_string(y) + " [" + list +
         "] -> " + (choice ? std::to_string(*choice) : std::string("none")));
  }
  dialogs_.record(MenuRecord{owner, items, {x, y}, choice});
  take_capture_away();
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(0);
  if (open_ms > 0 && !quit_posted_) run_modal(open_ms);
  return choice;
}

}  // namespace sim
