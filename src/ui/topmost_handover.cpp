// While another program is active, our own always-on-top windows (other
// than the main form) step down into the ordinary band, so that they do
// not stand in front of the program the user switched to; they go back up
// when we are activated again. While a message box is open all of them
// step down, the main form too, so that the box stands in front.
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

bool Application::is_ours(plat::HWND w) const {
  if (w == handle_) return true;
  const auto owner = static_cast<std::uint32_t>(os().GetWindowLongA(w, plat::GWL_HWNDPARENT));
  return owner != 0 && static_cast<plat::HWND>(owner) == static_cast<plat::HWND>(static_cast<std::uint32_t>(handle_));
}

// Windows lowered earlier stay on the list: they stood in front of the
// ones lowered now, and the list keeps that order for the way back.
void Application::normalize_topmosts(Band which) {
  plat::HWND main = (which == Band::AllButMain && main_form_) ? main_form_->handle() : 0;
  std::vector<plat::HWND> lowered;
  plat::HWND previous = 0;  // the window in front of the one visited
  plat::HWND stop = 0;
  for (plat::HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD); w;
       w = os().GetWindow(w, plat::GW_HWNDNEXT)) {
    if (w != handle_ && is_ours(w)) {
      if (w == main || !is_topmost(w)) {
        stop = w;
        break;
      }
      lowered.push_back(w);
    }
    previous = w;
  }
  if (lowered.empty()) return;
  plat::HWND after = (stop && previous && !is_topmost(previous)) ? previous : plat::HWND_NOTOPMOST;
  // Placed from the lowest up, each behind the same window, so that they
  // keep their order among themselves.
  for (auto it = lowered.rbegin(); it != lowered.rend(); ++it) {
    os().SetWindowPos(*it, after, 0, 0, 0, 0, kKeepPlace);
  }
  lowered_topmosts_.insert(lowered_topmosts_.end(), lowered.begin(), lowered.end());
}

void Application::restore_topmosts() {
  for (auto it = lowered_topmosts_.rbegin(); it != lowered_topmosts_.rend(); ++it) {
    os().SetWindowPos(*it, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
  }
  lowered_topmosts_.clear();
}

}  // namespace ui
