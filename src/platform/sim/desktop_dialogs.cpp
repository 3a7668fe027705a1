// Message boxes and popup menus. Each opens a modal loop: the capture is
// taken away, the owner is disabled while a box is open, the loop
// dispatches messages (timers tick) for the scripted time, and the
// scripted answer comes back.
#include "platform/sim/desktop.h"

namespace sim {

namespace {

constexpr UINT kMbSystemModal = 0x00001000;
constexpr UINT kMbTopmost = plat::MB_TOPMOST;
constexpr LONG kBoxWidth = 320;
constexpr LONG kBoxHeight = 140;

}  // namespace

// A box is a real window of our program (the dialog class): owned by the
// owner passed, at the top of its band (the ordinary one unless
// MB_TOPMOST or MB_SYSTEMMODAL, or its owner is topmost), and active if
// our program was. The system lets a program in the background show it
// but not activate it.
HWND Desktop::open_box_window(HWND owner, const std::string& caption, UINT type) {
  Window w;
  w.name = "MessageBox";
  w.class_name = "#32770";
  w.title = caption;
  w.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU | plat::WS_VISIBLE;
  // An owned window of a topmost owner is topmost too.
  const Window* o = find(owner);
  w.ex_style = ((type & (kMbSystemModal | kMbTopmost)) || (o && o->topmost())) ? plat::WS_EX_TOPMOST : 0;
  const LONG left = (screen_width_ - kBoxWidth) / 2;
  const LONG top = (screen_height_ - kBoxHeight) / 2;
  w.bounds = {left, top, left + kBoxWidth, top + kBoxHeight};
  w.owner = o ? owner : 0;
  const HWND box = windows_.add(std::move(w)).hwnd;
  z_.insert(box, find(box)->topmost());
  if (const HWND active = activation_.foreground(); !active || is_ours(active)) set_foreground(box, true);
  return box;
}

// As the dialog ends: the owner is enabled again, the box hides, and if it
// was active its owner is activated (hidden or not), then the box goes.
void Desktop::close_box_window(HWND box, HWND owner, bool enable_owner) {
  Window* o = find(owner);
  if (enable_owner && o) o->style &= ~plat::WS_DISABLED;
  Window* b = find(box);
  if (!b) return;
  b->style &= ~plat::WS_VISIBLE;
  if (activation_.foreground() == box) {
    if (o) {
      set_foreground(owner, true);
    } else {
      activation_.pass_from(box);
    }
  }
  // The box has no owned windows and no timers; it just goes.
  z_.remove(box);
  windows_.erase(box);
}

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
  take_capture_away();

  Window* o = find(owner);
  const bool disable_owner = o && o->ours() && o->enabled();
  if (disable_owner) o->style |= plat::WS_DISABLED;
  const HWND box = open_box_window(owner, box_caption, type);
  record.hwnd = box;
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(dialogs_.default_open_ms());
  if (open_ms > 0 && !queue_.quit_posted()) run_modal(open_ms);
  close_box_window(box, owner, disable_owner);
  return answer;
}

std::optional<std::size_t> Desktop::TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                                   int y) {
  const std::optional<std::size_t> choice = dialogs_.next_menu_choice(items);
  MenuScript script = dialogs_.next_menu();
  dialogs_.record(MenuRecord{owner, items, {x, y}, choice});
  take_capture_away();
  if (script.while_open) script.while_open();
  const Millis open_ms = script.open_ms.value_or(0);
  if (open_ms > 0 && !queue_.quit_posted()) run_modal(open_ms);
  return choice;
}

}  // namespace sim
