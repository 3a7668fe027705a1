// While another program is active, our own always-on-top windows (other
// than the main form) step down into the ordinary band, so that they do
// not stand in front of the program the user switched to; they go back up
// when we are activated again. While a message box is open all of them
// step down, the main form too, so that the box stands in front.
//
// Taking one window out of the band takes its whole owner group out with
// it, and every form is owned by the application window: so each step
// down takes every form of ours out, and the ones meant to stay (the main
// form and what stood behind it) are put back at once. Windows go back to
// the places they had in the band, among other programs' always-on-top
// windows, not to its top: an always-on-top window the user keeps in
// front of ours stays in front.
#include <algorithm>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

using plat::os;

namespace {

constexpr plat::UINT kKeepPlace = plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE | plat::SWP_NOOWNERZORDER;

bool is_topmost(plat::HWND w) {
  return (static_cast<plat::DWORD>(os().GetWindowLongA(w, plat::GWL_EXSTYLE)) & plat::WS_EX_TOPMOST) != 0;
}

bool contains(const std::vector<plat::HWND>& list, plat::HWND w) {
  return std::find(list.begin(), list.end(), w) != list.end();
}

// Every window in the topmost band, topmost first.
std::vector<plat::HWND> topmost_band() {
  std::vector<plat::HWND> band;
  for (plat::HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD); w && is_topmost(w);
       w = os().GetWindow(w, plat::GW_HWNDNEXT)) {
    band.push_back(w);
  }
  return band;
}

}  // namespace

bool Application::is_ours(plat::HWND w) const {
  if (w == handle_) return true;
  const auto owner = static_cast<std::uint32_t>(os().GetWindowLongA(w, plat::GWL_HWNDPARENT));
  return owner != 0 && static_cast<plat::HWND>(owner) == static_cast<plat::HWND>(static_cast<std::uint32_t>(handle_));
}

// Windows lowered earlier stay on the list, and the band they were
// lowered from stays the one they go back to.
void Application::normalize_topmosts(Band which) {
  const std::vector<plat::HWND> band = topmost_band();
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
  if (lowered_topmosts_.empty()) band_before_ = band;
  plat::HWND after = (stop && previous && !is_topmost(previous)) ? previous : plat::HWND_NOTOPMOST;
  // Placed from the lowest up, each behind the same window, so that they
  // keep their order among themselves.
  for (auto it = lowered.rbegin(); it != lowered.rend(); ++it) {
    os().SetWindowPos(*it, after, 0, 0, 0, 0, kKeepPlace);
  }
  lowered_topmosts_.insert(lowered_topmosts_.end(), lowered.begin(), lowered.end());

  std::vector<plat::HWND> went_along;
  for (plat::HWND w : band) {
    if (is_ours(w) && !contains(lowered_topmosts_, w) && !is_topmost(w)) went_along.push_back(w);
  }
  if (which == Band::All) {
    // While a box is open they stay down with the rest.
    lowered_topmosts_.insert(lowered_topmosts_.end(), went_along.begin(), went_along.end());
  } else {
    put_back_in_band(band, went_along);
  }
}

void Application::restore_topmosts() {
  // A window lowered that was not in the band when the first went down
  // had come up since, at its top.
  std::vector<plat::HWND> band;
  for (plat::HWND w : lowered_topmosts_) {
    if (!contains(band_before_, w)) band.push_back(w);
  }
  band.insert(band.end(), band_before_.begin(), band_before_.end());
  put_back_in_band(band, lowered_topmosts_);
  lowered_topmosts_.clear();
  band_before_.clear();
}

// Each of `which` goes back into the band right behind the nearest window
// that stood in front of it and is in the band now; with none, at the top.
void Application::put_back_in_band(const std::vector<plat::HWND>& band, const std::vector<plat::HWND>& which) {
  plat::HWND in_front = 0;
  for (plat::HWND w : band) {
    if (contains(which, w)) {
      os().SetWindowPos(w, plat::HWND_TOPMOST, 0, 0, 0, 0, kKeepPlace);
      if (in_front) os().SetWindowPos(w, in_front, 0, 0, 0, 0, kKeepPlace);
      in_front = w;
    } else if (is_topmost(w)) {
      in_front = w;
    }
  }
}

}  // namespace ui
