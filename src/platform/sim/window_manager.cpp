// The window manager's places, visibility, activation, destruction and
// the windows of message boxes.
#include "platform/sim/window_manager.h"

namespace sim {

namespace {

constexpr UINT kMbSystemModal = 0x00001000;
constexpr UINT kMbTopmost = plat::MB_TOPMOST;
constexpr LONG kBoxWidth = 320;
constexpr LONG kBoxHeight = 140;

}  // namespace

FrameInsets WindowManager::insets_of(const Window& w) const {
  return frame_insets(metrics_, w.style, w.ex_style, false);
}

RECT WindowManager::screen_bounds(const Window& w) const {
  if (w.top_level()) return w.bounds;
  const Window* p = find(w.parent);
  if (!p) return w.bounds;
  const RECT pr = screen_bounds(*p);
  const FrameInsets in = insets_of(*p);
  const LONG dx = pr.left + in.left;
  const LONG dy = pr.top + in.top;
  return {w.bounds.left + dx, w.bounds.top + dy, w.bounds.right + dx, w.bounds.bottom + dy};
}

POINT WindowManager::to_client(const Window& w, int x, int y) const {
  const RECT b = screen_bounds(w);
  const FrameInsets in = insets_of(w);
  return {x - b.left - in.left, y - b.top - in.top};
}

void WindowManager::set_visible(Window& w, bool visible) {
  if (visible == w.visible()) return;
  if (visible) {
    w.style |= plat::WS_VISIBLE;
    w.mark_dirty();
    for (HWND c : w.children) {
      if (Window* child = find(c)) child->mark_dirty();
    }
  } else {
    w.style &= ~plat::WS_VISIBLE;
  }
}

void WindowManager::set_bounds(HWND hwnd, const RECT& bounds) {
  Window* w = find(hwnd);
  if (!w || w->bounds == bounds) return;
  const bool resized = (w->bounds.right - w->bounds.left != bounds.right - bounds.left) ||
                       (w->bounds.bottom - w->bounds.top != bounds.bottom - bounds.top);
  w->bounds = bounds;
  if (resized) w->mark_dirty();
  if (w->sink) w->sink->on_bounds_changed(screen_bounds(*w));
}

bool WindowManager::is_ours(HWND hwnd) const {
  const Window* w = find(hwnd);
  return w && w->ours();
}

void WindowManager::destroy_tree(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w) return;
  // Owned and child windows go first, as DestroyWindow does.
  std::vector<HWND> dependents = w->children;
  for (HWND other : z_.order()) {
    if (const Window* o = find(other); o && o->owner == hwnd) dependents.push_back(other);
  }
  hook_.destroying(hwnd);
  for (HWND d : dependents) destroy_tree(d);
  if (!(w = find(hwnd))) return;
  timers_.kill_all(hwnd);
  capture_.forget(hwnd);
  if (caption_drag_ && caption_drag_->hwnd == hwnd) caption_drag_.reset();
  // While the window still exists and holds its place, so that the next
  // window is found behind it and the move is seen as leaving our process
  // or not. It cannot take the activation back while it goes.
  if (activation_.foreground() == hwnd) {
    w->style &= ~plat::WS_VISIBLE;
    activation_.pass_from(hwnd);
  }
  if (!(w = find(hwnd))) return;
  if (w->parent) {
    if (Window* p = find(w->parent)) std::erase(p->children, hwnd);
  } else {
    z_.remove(hwnd);
  }
  windows_.erase(hwnd);
}

void WindowManager::set_foreground(HWND hwnd, bool raise_it) {
  if (raise_it && hwnd) raise(hwnd);
  activation_.set(hwnd);
}

// The modal loops of message boxes and menus take the capture, as
// Windows and Wine do: the window that had it is told and loses it.
void WindowManager::take_capture_away() {
  caption_drag_.reset();
  capture_.release();
}

// A box is a real window of our program (the dialog class): owned by the
// owner passed, at the top of its band (the ordinary one unless
// MB_TOPMOST or MB_SYSTEMMODAL, or its owner is topmost), and active if
// our program was. The system lets a program in the background show it
// but not activate it.
HWND WindowManager::open_box_window(HWND owner, const std::string& caption, UINT type, SIZE screen) {
  Window w;
  w.name = "MessageBox";
  w.class_name = "#32770";
  w.title = caption;
  w.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_SYSMENU | plat::WS_VISIBLE;
  // An owned window of a topmost owner is topmost too.
  const Window* o = find(owner);
  w.ex_style = ((type & (kMbSystemModal | kMbTopmost)) || (o && o->topmost())) ? plat::WS_EX_TOPMOST : 0;
  const LONG left = (screen.cx - kBoxWidth) / 2;
  const LONG top = (screen.cy - kBoxHeight) / 2;
  w.bounds = {left, top, left + kBoxWidth, top + kBoxHeight};
  w.owner = o ? owner : 0;
  const HWND box = windows_.add(std::move(w)).hwnd;
  z_.insert(box, find(box)->topmost());
  if (const HWND active = activation_.foreground(); !active || is_ours(active)) set_foreground(box, true);
  return box;
}

// As the dialog ends: the owner is enabled again, the box hides, and if it
// was active its owner is activated (hidden or not), then the box goes.
void WindowManager::close_box_window(HWND box, HWND owner, bool enable_owner) {
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

}  // namespace sim
