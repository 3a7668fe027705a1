// While another program is active, our own always-on-top windows (other
// than the main form) step down into the ordinary band, so that they do
// not stand in front of the program the user switched to; they go back up
// when we are activated again.
#include "ui/application.h"
#include "ui/form.h"

namespace ui {

using plat::os;

namespace {

constexpr plat::UINT kKeepPlace = plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE | plat::SWP_NOOWNERZORDER;

bool is_topmost(plat::HWND w) {
  return (static_cast<plat::DWORD>(os().GetWindowLongA(w, plat::GWL_EXSTYLE)) & plat::WS_EX_TOPMOST) != 0;
}

}  // namespace

void Application::normalize_topmosts() {
  lowered_topmosts_.clear();
  plat::HWND main = main_form_ ? main_form_->handle() : 0;
  plat::HWND previous = 0;  // the window in front of the one visited
  plat::HWND stop = 0;
  for (plat::HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD); w;
       w = os().GetWindow(w, plat::GW_HWNDNEXT)) {
    bool ours = static_cast<plat::HWND>(static_cast<std::uint32_t>(os().GetWindowLongA(w, plat::GWL_HWNDPARENT))) ==
                static_cast<plat::HWND>(static_cast<std::uint32_t>(handle_));
    if (ours) {
      if (w == main || !is_topmost(w)) {
        stop = w;
        break;
      }
      lowered_topmosts_.push_back(w);
    }
    previous = w;
  }
  if (lowered_topmosts_.empty()) return;
  plat::HWND after = (stop && previous && !is_topmost(previous)) ? previous : plat::HWND_NOTOPMOST;
  // Placed from the lowest up, each behind the same window, so that they
  // keep their order among themselves.
  for (auto it = lowered_topmosts_.rbegin(); it != lowered_topmosts_.rend(); ++it) {
    os().SetWindowPos(*it, after, 0, 0, 0, 0, kKeepPlace);
  }
}

void Application::restore_topmosts() {
  for (auto it = lowered_topmosts_.rbegin(); it != lowered_topmosts_.rend(); ++it) {
    os().SetWindowPos(*it, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
  }
  lowered_topmosts_.clear();
}

}  // namespace ui
