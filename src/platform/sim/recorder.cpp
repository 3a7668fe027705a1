// Windows, activation, capture, messages and dialogs as the program calls
// them. An entry is written as the call is made, before the desktop acts
// on it, so that the notifications the call causes follow it in the log;
// a call the desktop refuses for a handle it does not know writes nothing.
#include "platform/sim/recorder.h"

#include "platform/sim/desktop.h"

namespace sim {

Recorder::Recorder(Desktop& desktop, EventLog& log) : ForwardingPlatform(desktop), desktop_(desktop), log_(log) {}

bool Recorder::exists(HWND hwnd) const { return desktop_.window_exists(hwnd); }

std::string Recorder::name(HWND hwnd) const { return desktop_.name_of(hwnd); }

std::string Recorder::after_name(HWND insert_after) const {
  if (insert_after == plat::HWND_TOP) return "HWND_TOP";
  if (insert_after == plat::HWND_BOTTOM) return "HWND_BOTTOM";
  if (insert_after == plat::HWND_TOPMOST) return "HWND_TOPMOST";
  if (insert_after == plat::HWND_NOTOPMOST) return "HWND_NOTOPMOST";
  return name(insert_after);
}

std::string Recorder::outcome(bool ok) { return outcome_name(ok ? 0 : desktop_.GetLastError()); }

// ---- notifications --------------------------------------------------------

void Recorder::activate_window(HWND hwnd, bool active) {
  if (on()) add("on_activate " + name(hwnd) + " " + (active ? "true" : "false"));
}

void Recorder::activate_app(HWND, bool active) {
  if (active == app_active_) return;
  app_active_ = active;
  if (on()) add(std::string("on_activate_app ") + (active ? "true" : "false"));
}

void Recorder::capture_lost(HWND hwnd) {
  if (on()) add("on_capture_lost " + name(hwnd));
}

// The window the program named is recorded as its call; the windows it
// owned or contained go with it, and only the desktop knows which.
void Recorder::destroying(HWND hwnd) {
  const bool called = hwnd == destroy_call_;
  if (called) destroy_call_ = 0;
  if (on()) add((called ? "DestroyWindow " : "destroyed ") + name(hwnd));
}

// ---- windows ----------------------------------------------------------------

HWND Recorder::create_window(const plat::WindowParams& params, plat::WindowSink* sink) {
  const HWND hwnd = desktop_.create_window(params, sink);
  if (hwnd && on()) add("create_window " + name(hwnd));
  return hwnd;
}

BOOL Recorder::DestroyWindow(HWND hwnd) {
  const HWND outer = destroy_call_;
  destroy_call_ = hwnd;
  const BOOL result = desktop_.DestroyWindow(hwnd);
  destroy_call_ = outer;
  return result;
}

BOOL Recorder::ShowWindow(HWND hwnd, int cmd) {
  if (on() && exists(hwnd)) add("ShowWindow " + name(hwnd) + " " + show_command_name(cmd));
  return desktop_.ShowWindow(hwnd, cmd);
}

BOOL Recorder::EnableWindow(HWND hwnd, BOOL enable) {
  if (on() && exists(hwnd)) add("EnableWindow " + name(hwnd) + " " + bool_name(enable));
  return desktop_.EnableWindow(hwnd, enable);
}

BOOL Recorder::SetWindowPos(HWND hwnd, HWND after, int x, int y, int cx, int cy, UINT flags) {
  if (on() && desktop_.can_insert_after(hwnd, after, flags)) {
    std::string e = "SetWindowPos " + name(hwnd);
    if (!(flags & plat::SWP_NOZORDER)) e += " " + after_name(after);
    if (!(flags & plat::SWP_NOMOVE)) e += " " + std::to_string(x) + "," + std::to_string(y);
    if (!(flags & plat::SWP_NOSIZE)) e += " " + std::to_string(cx) + "x" + std::to_string(cy);
    add(e + " " + swp_flags_name(flags));
  }
  return desktop_.SetWindowPos(hwnd, after, x, y, cx, cy, flags);
}

LONG Recorder::SetWindowLongA(HWND hwnd, int index, LONG value) {
  if (on() && exists(hwnd)) {
    const auto bits = static_cast<std::uint32_t>(value);
    add("SetWindowLongA " + name(hwnd) + " " + gwl_index_name(index) + " " +
        (index == plat::GWL_HWNDPARENT ? name(static_cast<HWND>(bits)) : hex32(bits)));
  }
  return desktop_.SetWindowLongA(hwnd, index, value);
}

BOOL Recorder::SetLayeredWindowAttributes(HWND hwnd, COLORREF key, std::uint8_t alpha, DWORD flags) {
  if (on() && exists(hwnd)) {
    std::string e = "SetLayeredWindowAttributes " + name(hwnd);
    if (flags & plat::LWA_COLORKEY) e += " key=" + hex32(key);
    if (flags & plat::LWA_ALPHA) e += " alpha=" + std::to_string(alpha);
    add(e);
  }
  return desktop_.SetLayeredWindowAttributes(hwnd, key, alpha, flags);
}

BOOL Recorder::UpdateLayeredWindow(HWND hwnd, const POINT* dst, const SIZE* size, const plat::Image& src,
                                   const POINT* src_pt, COLORREF key, const plat::BLENDFUNCTION* blend,
                                   DWORD flags) {
  if (on() && exists(hwnd)) {
    std::string e = "UpdateLayeredWindow " + name(hwnd) +
                    " alpha=" + std::to_string(blend ? blend->SourceConstantAlpha : 255);
    if (size) e += " " + std::to_string(size->cx) + "x" + std::to_string(size->cy);
    add(e);
  }
  return desktop_.UpdateLayeredWindow(hwnd, dst, size, src, src_pt, key, blend, flags);
}

BOOL Recorder::SetWindowTextA(HWND hwnd, const char* text) {
  if (on() && exists(hwnd)) add("SetWindowTextA " + name(hwnd) + " " + in_quotes(text ? text : ""));
  return desktop_.SetWindowTextA(hwnd, text);
}

BOOL Recorder::SetForegroundWindow(HWND hwnd) {
  if (on() && exists(hwnd) && desktop_.window(hwnd).top_level()) add("SetForegroundWindow " + name(hwnd));
  return desktop_.SetForegroundWindow(hwnd);
}

void Recorder::SwitchToThisWindow(HWND hwnd, BOOL alt_tab) {
  if (on()) add("SwitchToThisWindow " + name(hwnd) + " " + bool_name(alt_tab));
  desktop_.SwitchToThisWindow(hwnd, alt_tab);
}

// Only a window of our own process can take the capture.
HWND Recorder::SetCapture(HWND hwnd) {
  if (on() && exists(hwnd) && desktop_.window(hwnd).ours()) add("SetCapture " + name(hwnd));
  return desktop_.SetCapture(hwnd);
}

BOOL Recorder::ReleaseCapture() {
  if (on()) add("ReleaseCapture " + name(desktop_.GetCapture()));
  return desktop_.ReleaseCapture();
}

// ---- messages, timers and modal loops ----------------------------------------

std::uintptr_t Recorder::SetTimer(HWND hwnd, std::uintptr_t id, UINT elapse_ms) {
  const std::uintptr_t result = desktop_.SetTimer(hwnd, id, elapse_ms);
  if (result && on()) add("SetTimer " + name(hwnd) + " " + std::to_string(id) + " " + std::to_string(elapse_ms));
  return result;
}

BOOL Recorder::KillTimer(HWND hwnd, std::uintptr_t id) {
  const BOOL result = desktop_.KillTimer(hwnd, id);
  if (result && on()) add("KillTimer " + name(hwnd) + " " + std::to_string(id));
  return result;
}

BOOL Recorder::PostMessageA(HWND hwnd, UINT msg, std::uintptr_t param) {
  const BOOL result = desktop_.PostMessageA(hwnd, msg, param);
  if (result && on()) add("PostMessageA " + name(hwnd) + " " + hex32(msg) + " " + std::to_string(param));
  return result;
}

void Recorder::PostQuitMessage(int exit_code) {
  if (on()) add("PostQuitMessage " + std::to_string(exit_code));
  desktop_.PostQuitMessage(exit_code);
}

// The answer is the scripted user's, known before the box opens, so that
// the entry stands before what happens while the box is up.
int Recorder::MessageBoxA(HWND owner, const char* text, const char* caption, UINT type) {
  if (on()) {
    // Windows titles a box without a caption "Error".
    add("MessageBoxA " + in_quotes(caption ? caption : "Error") + " " + in_quotes(text ? text : "") + " " +
        message_box_flags_name(type) + " -> " + dialog_answer_name(desktop_.dialogs().next_box_answer(type)));
  }
  return desktop_.MessageBoxA(owner, text, caption, type);
}

std::optional<std::size_t> Recorder::TrackPopupMenu(HWND owner, const std::vector<plat::MenuItemSpec>& items, int x,
                                                    int y) {
  if (on()) {
    const std::optional<std::size_t> choice = desktop_.dialogs().next_menu_choice(items);
    std::string list;
    for (const auto& item : items) list += (list.empty() ? "" : "|") + item.caption;
    add("TrackPopupMenu " + name(owner) + " " + std::to_string(x) + "," + std::to_string(y) + " [" + list + "] -> " +
        (choice ? std::to_string(*choice) : std::string("none")));
  }
  return desktop_.TrackPopupMenu(owner, items, x, y);
}

void Recorder::Sleep(DWORD ms) {
  if (on()) add("Sleep " + std::to_string(ms));
  desktop_.Sleep(ms);
}

}  // namespace sim
