// Message boxes and popup menus. Each opens a modal loop: the capture is
// taken away, the owner is disabled while a box is open, the loop
// dispatches messages (timers tick) for the scripted time, and the
// scripted answer comes back.
#include "platform/sim/desktop.h"

namespace sim {

int Desktop::MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  const int answer = dialogs_.next_box_answer(type);
  BoxScript script = dialogs_.next_box();
  MessageBoxRecord r;
  r.owner = owner;
  r.text = text ? text : "";
  // Windows titles a box without a caption "Error".
  r.caption = caption ? caption : "Error";
  r.type = type;
  r.answer = answer;
  r.opened_at = clock_.now();
  const std::string box_caption = r.caption;
  MessageBoxRecord& record = dialogs_.record(std::move(r));
  wm_.take_capture_away();

  Window* o = find(owner);
  const bool disable_owner = o && o->ours() && o->enabled();
  if (disable_owner) o->style |= plat::WS_DISABLED;
  const HWND box = wm_.open_box_window(owner, box_caption, type, SIZE{screen_width_, screen_height_});
  record.hwnd = box;
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(dialogs_.default_open_ms());
  if (open_ms > 0 && !queue_.quit_posted()) run_modal(open_ms);
  wm_.close_box_window(box, owner, disable_owner);
  return answer;
}

std::optional<std::size_t> Desktop::TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                                   int y) {
  const std::optional<std::size_t> choice = dialogs_.next_menu_choice(items);
  MenuScript script = dialogs_.next_menu();
  dialogs_.record(MenuRecord{owner, items, {x, y}, choice});
  wm_.take_capture_away();
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(0);
  if (open_ms > 0 && !queue_.quit_posted()) run_modal(open_ms);
  return choice;
}

}  // namespace sim
