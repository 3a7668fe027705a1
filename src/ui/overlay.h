// The recipe by which a form makes itself a floating overlay: layered and
// a tool window (off the taskbar, out of the task-switch list and of the
// program's own window list), a constant alpha, and a place in the
// z-order taken without moving, sizing or activating the window.
#pragma once

#include <cstdint>

#include "platform/winapi.h"

namespace ui {
class Form;
}

namespace ui::overlay {

// Adds WS_EX_LAYERED | WS_EX_TOOLWINDOW (and any extra extended styles)
// to the window's extended style.
void add_overlay_styles(ui::Form& form, plat::DWORD extra_ex_style = 0);
// SetLayeredWindowAttributes(window, colour key 0, alpha, LWA_ALPHA).
void set_alpha(ui::Form& form, std::uint8_t alpha);
// SetWindowPos(window, insert_after, current bounds, SWP_NOSIZE |
// SWP_NOMOVE | SWP_NOACTIVATE).
void place_in_band(ui::Form& form, plat::HWND insert_after);

// All three, in that order.
void make_overlay(ui::Form& form, std::uint8_t alpha, plat::HWND insert_after, plat::DWORD extra_ex_style = 0);

}  // namespace ui::overlay
