// The message loop: timers, posted messages, scripted actions and input,
// and painting, in time order on the virtual clock.
#include <cstdio>
#include <cstdlib>

#include "platform/sim/desktop.h"

namespace sim {
namespace {

// A handler that posts a message on every message it gets never lets the
// queue run dry; stop the test loudly rather than hang it.
constexpr int kSettleLimit = 1'000'000;

[[noreturn]] void unsettled() {
  std::fputs("sim::Desktop: the message queue never ran dry (a handler keeps posting)\n", stderr);
  std::abort();
}

}  // namespace

std::uintptr_t Desktop::SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) {
  if (!find(hwnd)) {
    fail(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  timers_.set({hwnd, id}, elapse_ms, clock_.now());
  return id == 0 ? 1 : id;
}

BOOL Desktop::KillTimer(HWND hwnd, std::uintptr_t id) {
  if (!timers_.kill({hwnd, id})) return FALSE;
  return TRUE;
}

BOOL Desktop::PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) {
  if (hwnd != 0 && !find(hwnd)) {
    fail(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  // A thread message (no window) and a message to another process's
  // window never reach one of our sinks; they are accepted and dropped.
  if (wm_.is_ours(hwnd)) queue_.post({hwnd, msg, param});
  return TRUE;
}

void Desktop::PostQuitMessage(int exit_code) {
  queue_.post_quit(exit_code);
}

void Desktop::apply_due_script() {
  while (auto item = script_.pop_due(clock_.now())) {
    if (auto* action = std::get_if<Action>(&item->what)) {
      if (*action) (*action)();
    } else {
      apply_input(std::get<Input>(item->what));
    }
  }
}

HWND Desktop::next_dirty(std::uint64_t pump) const {
  for (const auto& [hwnd, w] : windows_.all()) {
    if (!w->dirty || !w->sink || w->painted_in_pump == pump) continue;
    bool shown = true;
    for (const Window* p = w.get(); p && shown; p = p->parent ? find(p->parent) : nullptr) shown = p->visible();
    if (shown) return hwnd;
  }
  return 0;
}

void Desktop::paint(HWND hwnd) {
  Window* w = find(hwnd);
  if (!w || !w->sink) return;
  // As BeginPaint's rcPaint: the update region's box, cut to the client area.
  const FrameInsets in = wm_.insets_of(*w);
  RECT area{0, 0, std::max<LONG>(0, w->bounds.right - w->bounds.left - in.left - in.right),
            std::max<LONG>(0, w->bounds.bottom - w->bounds.top - in.top - in.bottom)};
  if (w->dirty_part) {
    area = {std::max(area.left, w->dirty_part->left), std::max(area.top, w->dirty_part->top),
            std::min(area.right, w->dirty_part->right), std::min(area.bottom, w->dirty_part->bottom)};
  }
  w->dirty = false;
  w->dirty_part.reset();
  if (!w->sink->draws()) return;
  RecordingCanvas canvas(scratch_paint_, copy_images_, area);
  w->sink->on_paint(canvas);
  canvas.finish();
  // The handler may have destroyed its window: look it up again.
  if ((w = find(hwnd))) {
    w->last_paint.swap(scratch_paint_);
    w->last_paint_rect = area;
    ++w->paint_count;
  }
}

const Recording& Desktop::paint_now(HWND hwnd) {
  paint(hwnd);
  return window(hwnd).last_paint;
}

// Win32's order at one instant: posted messages, then the quit, then
// input, then paint, then timers (GetMessage's Remarks; WM_TIMER is "a
// low-priority message").
Desktop::Step Desktop::step(std::uint64_t pump) {
  apply_due_script();
  if (const auto m = queue_.take()) {
    if (Window* w = find(m->hwnd); w && w->sink) w->sink->on_posted(m->msg, m->param);
    return Step::Dispatched;
  }
  if (queue_.quit_posted()) return Step::Quit;
  if (auto m = input_.pop()) {
    deliver(*m);
    return Step::Dispatched;
  }
  if (HWND h = next_dirty(pump)) {
    if (Window* w = find(h)) w->painted_in_pump = pump;
    paint(h);
    return Step::Dispatched;
  }
  if (auto t = timers_.take_due(clock_.now(), pump)) {
    ++timer_messages_;
    if (Window* w = find(t->hwnd); w && w->sink) w->sink->on_timer(t->id);
    return Step::Dispatched;
  }
  return Step::Idle;
}

Desktop::Step Desktop::drain(bool modal) {
  const std::uint64_t pump = ++pump_counter_;
  for (int n = 0; n < kSettleLimit; ++n) {
    const Step s = step(pump);
    if (s == Step::Dispatched) continue;
    if (s == Step::Quit && !modal) quit_seen_ = true;
    return s;
  }
  unsettled();
}

std::optional<Millis> Desktop::next_event_time() const {
  std::optional<Millis> t = timers_.next_due();
  if (auto s = script_.next_time(); s && (!t || *s < *t)) t = s;
  return t;
}

void Desktop::passed_deadline_check() {
  if (deadline_ && clock_.now() > *deadline_) deadline_reached_ = true;
}

bool Desktop::pump_pending() {
  if (quit_seen_ || deadline_reached_) return false;
  return drain(false) != Step::Quit;
}

bool Desktop::pump_one() {
  passed_deadline_check();
  if (quit_seen_ || deadline_reached_) return false;
  Step s = step(++pump_counter_);
  if (s == Step::Idle) {
    const auto next = next_event_time();
    if (!next && !deadline_) {
      stalled_ = true;
      return false;
    }
    if (!next || (deadline_ && *next > *deadline_)) {
      clock_.set(*deadline_);
      deadline_reached_ = true;
      return false;
    }
    clock_.set(*next);
    s = step(++pump_counter_);
  }
  if (s == Step::Quit) {
    quit_seen_ = true;
    return false;
  }
  return true;
}

void Desktop::advance(Millis ms) {
  const Millis target = clock_.now() + ms;
  while (!quit_seen_) {
    drain(false);
    if (quit_seen_) break;
    const auto next = next_event_time();
    if (!next || *next > target) break;
    clock_.set(*next);
  }
  clock_.set(target);
}

void Desktop::at(Millis time, Action action) { script_.add(time, std::move(action)); }

// A modal loop (message box, menu) dispatches everything, timers
// included; a quit ends it and stays posted for the outer loop, as the
// system's modal loops re-post WM_QUIT.
void Desktop::run_modal(Millis ms) {
  const Millis target = clock_.now() + ms;
  for (;;) {
    if (drain(true) == Step::Quit) return;
    const auto next = next_event_time();
    if (!next || *next > target) break;
    clock_.set(*next);
  }
  clock_.set(target);
}

// Sleep dispatches nothing, but the hardware goes on: scripted input
// whose time comes changes the pointer and buttons and queues its
// messages for the next pump. Scripted callbacks wait for that pump.
void Desktop::Sleep(DWORD ms) {
  const Millis target = clock_.now() + ms;
  while (auto item = script_.pop_input_due(target)) {
    clock_.set(item->time);
    apply_input(std::get<Input>(item->what));
  }
  clock_.set(target);
  passed_deadline_check();
}

void Desktop::GetLocalTime(SYSTEMTIME* time) {
  if (time) *time = clock_.local_time();
}

}  // namespace sim
