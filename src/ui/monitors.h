// The desk as the forms see it: every monitor together, the monitor the
// pointer is on, and the button the user holds to drag. The edges where
// the pointer stops are the watches' (desk_watch.h), which keep what
// these queries found until the desk changes.
#pragma once

#include <optional>

#include "platform/platform.h"

namespace ui {

// The bounding rectangle of every monitor (the virtual screen); a place
// outside it is on no monitor at all.
plat::RECT desk_rect();
// The primary monitor, always at the origin.
plat::RECT primary_rect();
// The monitor holding the point, or nothing when the point is on none.
std::optional<plat::RECT> monitor_at(plat::POINT point);
bool contains(const plat::RECT& rect, plat::POINT point);
// The virtual key of the primary button as the user has mapped it:
// GetAsyncKeyState reads physical buttons, so a left-handed user's drag is
// held on VK_RBUTTON.
int primary_button_vk();
// Whether the button is down now: the high bit only, since the low bit
// ("pressed since the last call") may be left over from a press long
// gone, or taken by another program's call.
bool button_held(int vk);

}  // namespace ui
