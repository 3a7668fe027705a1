#include "ui/overlay.h"

#include "platform/platform.h"
#include "ui/form.h"

namespace ui::overlay {

void add_overlay_styles(ui::Form& form, plat::DWORD extra_ex_style) {
  auto& os = plat::os();
  auto ex = static_cast<plat::DWORD>(os.GetWindowLongA(form.handle(), plat::GWL_EXSTYLE));
  ex |= plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | extra_ex_style;
  os.SetWindowLongA(form.handle(), plat::GWL_EXSTYLE, static_cast<plat::LONG>(ex));
}

void set_alpha(ui::Form& form, std::uint8_t alpha) {
  plat::os().SetLayeredWindowAttributes(form.handle(), 0, alpha, plat::LWA_ALPHA);
}

void place_in_band(ui::Form& form, plat::HWND insert_after) {
  plat::os().SetWindowPos(form.handle(), insert_after, form.left(), form.top(), form.width(), form.height(),
                          plat::SWP_NOSIZE | plat::SWP_NOMOVE | plat::SWP_NOACTIVATE);
}

void make_overlay(ui::Form& form, std::uint8_t alpha, plat::HWND insert_after, plat::DWORD extra_ex_style) {
  add_overlay_styles(form, extra_ex_style);
  set_alpha(form, alpha);
  place_in_band(form, insert_after);
}

}  // namespace ui::overlay
