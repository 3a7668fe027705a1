// The foreground as the program meets it, a person's click, the
// asynchronous key state, and the order in which the loop hands out
// posted messages, input, paints and timers.
#include <algorithm>
#include <string>

#include "row.h"
#include "stage.h"

namespace conformance {
namespace {

constexpr POINT kInsideActive{200, 200};  // inside the default bounds of a stage window
constexpr POINT kInsideBelow{500, 150};   // inside {400, 100, 600, 250} only

void set_foreground_window(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND other = stage.show({"other", 0, 0, {400, 100, 600, 250}});
  stage.show({"active"});
  check.that(stage.os().SetForegroundWindow(other) != 0, "SetForegroundWindow from the foreground process failed");
  desk.run_for(50);
  check.that(stage.foreground() == "other", "the foreground window after SetForegroundWindow is " + stage.foreground());
  check.equal(stage.z_order(), {"other", "active"}, "z-order after SetForegroundWindow");
}

void switch_to_this_window(Desk& desk, Check& check) {
  Stage stage(desk);
  const HWND other = stage.show({"other", 0, 0, {400, 100, 600, 250}});
  stage.show({"active"});
  stage.os().SwitchToThisWindow(other, 1);
  desk.run_for(50);
  check.that(stage.foreground() == "other", "the foreground window after SwitchToThisWindow is " + stage.foreground());
  check.equal(stage.z_order(), {"other", "active"}, "z-order after SwitchToThisWindow");
}

void click_activates_and_raises(Desk& desk, Check& check) {
  Stage stage(desk);
  stage.show({"below", 0, 0, {400, 100, 600, 250}});
  stage.show({"active"});
  desk.move_pointer(kInsideBelow);
  desk.press_left();
  desk.release_left();
  desk.run_for(100);
  check.that(stage.foreground() == "below", "the foreground window after a click on another window is " +
                                                stage.foreground());
  check.equal(stage.z_order(), {"below", "active"}, "z-order after the click");
  const auto& e = stage.events();
  check.that(std::ranges::find(e, "below down") != e.end() && std::ranges::find(e, "below up") != e.end(),
             "the clicked window did not receive the press and the release");
}

void async_key_state_high_bit(Desk& desk, Check& check) {
  Stage stage(desk);
  stage.show({"active"});
  desk.move_pointer(kInsideActive);
  desk.run_for(50);
  desk.press_left();
  desk.run_for(50);
  const std::int16_t held = stage.os().GetAsyncKeyState(plat::VK_LBUTTON);
  check.that((held & kKeyDown) != 0, "the high bit is clear while the left button is held");
  desk.release_left();
  desk.run_for(50);
  const std::int16_t up = stage.os().GetAsyncKeyState(plat::VK_LBUTTON);
  check.that((up & kKeyDown) == 0, "the high bit is set after the left button went up");
}

// Pressed and released with no call between: the first call after says so
// in the low bit, with the high bit clear, so `!= 0` is no test of "held".
void async_key_state_low_bit(Desk& desk, Check& check) {
  Stage stage(desk);
  stage.show({"active"});
  desk.move_pointer(kInsideActive);
  desk.run_for(50);
  stage.os().GetAsyncKeyState(plat::VK_LBUTTON);
  desk.press_left();
  desk.release_left();
  desk.run_for(50);
  const std::int16_t after_click = stage.os().GetAsyncKeyState(plat::VK_LBUTTON);
  check.that((after_click & kKeyDown) == 0, "the high bit is set after a whole click, with no button held");
  check.that((after_click & 1) != 0, "the low bit is clear on the first call after a whole click");
  const std::int16_t again = stage.os().GetAsyncKeyState(plat::VK_LBUTTON);
  check.that(again == 0, "the second call after a whole click gives " + std::to_string(again));
}

// The first event of each kind, in the order they came.
std::vector<std::string> first_of_each_kind(const std::vector<std::string>& events) {
  std::vector<std::string> out;
  for (const std::string& e : events) {
    for (const char* kind : {"posted", "move", "paint", "timer"}) {
      const std::string name = std::string("window ") + kind;
      if (e.starts_with(name) && std::ranges::find(out, kind) == out.end()) out.push_back(kind);
    }
  }
  return out;
}

void message_order(Desk& desk, Check& check) {
  Stage stage(desk);
  desk.move_pointer({20, 20});
  const HWND w = stage.show({"window"});
  desk.run_for(100);
  stage.events().clear();
  // Queued in the reverse of the order they come out in.
  stage.os().SetTimer(w, 7, 10);
  stage.os().InvalidateRect(w, nullptr);
  desk.move_pointer(kInsideActive);
  stage.os().PostMessageA(w, 5, 0);
  stage.os().Sleep(60);  // the timer is due, nothing dispatched yet
  stage.os().pump_pending();
  stage.os().KillTimer(w, 7);
  check.equal(first_of_each_kind(stage.events()), {"posted", "move", "paint", "timer"},
              "the kinds of message in the order the loop returned them");
}

const Row kRows[] = {
    {"set_foreground_window", "SetForegroundWindow on another window of the foreground process",
     "Succeeds: the window comes to the top of its band and becomes the foreground window. (A process that is "
     "not the foreground one and did not receive the last input event is refused; the program calls it only "
     "right after the user's own input.)",
     "SetForegroundWindow, Remarks: a process can set the foreground window if \"The calling process is the "
     "foreground process\" or \"received the last input event\" (learn.microsoft.com/windows/win32/api/winuser/"
     "nf-winuser-setforegroundwindow); Wine dlls/user32/tests/win.c test_SetForegroundWindow",
     set_foreground_window},
    {"switch_to_this_window", "SwitchToThisWindow(other, TRUE) from the foreground process",
     "The window is brought to the foreground",
     "SwitchToThisWindow: \"Switches focus to the specified window and brings it to the foreground\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-switchtothiswindow)",
     switch_to_this_window},
    {"click_activates_and_raises", "A person's left click on an inactive window",
     "The window receives the press and the release, becomes the active window and comes to the top",
     "WM_MOUSEACTIVATE: sent when \"the user presses a mouse button\" in an inactive window; DefWindowProc "
     "answers MA_ACTIVATE (learn.microsoft.com/windows/win32/inputdev/wm-mouseactivate); Window Features, "
     "Z-Order: \"The system positions the active window at the top of the z-order\"",
     click_activates_and_raises},
    {"async_key_state_high_bit", "GetAsyncKeyState(VK_LBUTTON) while the left button is held and after it went up",
     "The high bit (0x8000) is set while the button is down and clear once it is up",
     "GetAsyncKeyState: \"If the most significant bit is set, the key is down, and if the least significant bit "
     "is set, the key was pressed after the previous call ... you should not rely on this last behavior\" "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getasynckeystate)",
     async_key_state_high_bit},
    {"async_key_state_low_bit", "GetAsyncKeyState(VK_LBUTTON) after a whole click with no call between, twice",
     "The first call has the low bit set (pressed since the last call) and the high bit clear, so a test "
     "`!= 0` is true with no button held; the second call gives 0",
     "GetAsyncKeyState: \"if the least significant bit is set, the key was pressed after the previous call to "
     "GetAsyncKeyState. However, you should not rely on this last behavior\" (another program's call can take "
     "the bit), so the program tests the high bit only "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getasynckeystate)",
     async_key_state_low_bit},
    {"message_order", "A timer that is due, an invalidated window, a pointer move and a posted message, all "
     "pending at once, queued in the reverse order",
     "The loop returns the posted message, then input, then WM_PAINT, then WM_TIMER",
     "GetMessage, Remarks: with no filter, messages are processed in the order sent messages, posted messages, "
     "input (hardware) messages and system internal events, sent messages, WM_PAINT messages, WM_TIMER messages "
     "(learn.microsoft.com/windows/win32/api/winuser/nf-winuser-getmessage); WM_TIMER: \"a low-priority "
     "message\" (learn.microsoft.com/windows/win32/winmsg/wm-timer)",
     message_order},
};

}  // namespace

std::span<const Row> input_rows() { return kRows; }

}  // namespace conformance
