// The parts of the application object that decide where the activation
// and the always-on-top band go: the hand-over of the band when the
// program loses and regains activation, modal message boxes, and where the
// activation goes when the hidden application window is handed it.
//
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
//
// A box is owned by the application window, which is not always on top,
// so the system puts it in the ordinary band: behind the lock screen, the
// welcome screen, the bar and the window list, which the user would see
// frozen with an unseen box behind them. A box of its own in the topmost
// band (MB_TOPMOST) would stand in front of other programs' always-on-top
// windows too, and a form put back on top by one of our timers would still
// cover it. So for the box's life our always-on-top windows step down into
// the ordinary band, as they do while another program is active, and the
// box, shown and activated last, stands in front of all of them. Every
// form is disabled meanwhile, as the box's own loop disables only its
// owner; timers go on in that loop.
//
// When the box closes the system activates its owner, the application
// window. The activation goes back to the window that had it before the
// box: a form of ours, or another program's window when the box came up
// while the user worked there.
#include <algorithm>
#include <string>

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

bool can_take_activation(plat::HWND w) {
  return w && os().IsWindowVisible(w) && os().IsWindowEnabled(w);
}

}  // namespace

bool Application::is_ours(plat::HWND w) const {
  if (w == handle()) return true;
  const auto owner = static_cast<std::uint32_t>(os().GetWindowLongA(w, plat::GWL_HWNDPARENT));
  return owner != 0 && static_cast<plat::HWND>(owner) == static_cast<plat::HWND>(static_cast<std::uint32_t>(handle()));
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
    if (w != handle() && is_ours(w)) {
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

// Another program's window that a person would take for the one to go
// back to: not a tool window (the taskbar is one, and always in front) nor
// one that asked never to be activated, nor one the compositor keeps
// cloaked (on another virtual desktop, or a suspended app's frame), which
// counts as visible and enabled but is nowhere on the screen.
bool Application::is_handed_activation(plat::HWND w) const {
  const auto ex = static_cast<plat::DWORD>(os().GetWindowLongA(w, plat::GWL_EXSTYLE));
  return can_take_activation(w) && !(ex & (plat::WS_EX_TOOLWINDOW | plat::WS_EX_NOACTIVATE)) &&
         !(is_cloaked_ && is_cloaked_(w));
}

int Application::message_box(std::string_view text, const char* caption, plat::UINT type) {
  const plat::HWND had_it = os().GetForegroundWindow();
  std::vector<plat::HWND> disabled;
  for (const auto& form : forms_) {
    const plat::HWND w = form->handle();
    if (w && os().IsWindowEnabled(w)) {
      os().EnableWindow(w, 0);
      disabled.push_back(w);
    }
  }
  ++modal_depth_;
  normalize_topmosts(Band::All);

  // A box shown while another program is in front cannot take the
  // foreground, and its owner, the hidden application window, has no
  // taskbar button to find it by: in the topmost band it stands in front
  // of the program the user works in, where a click answers it.
  if (had_it && !is_ours(had_it)) type |= plat::MB_TOPMOST;
  const std::string body(text);
  const int answer = os().MessageBoxA(handle(), body.c_str(), caption, type);

  --modal_depth_;
  for (plat::HWND w : disabled) os().EnableWindow(w, 1);
  if (!modal_box_open()) {
    restore_topmosts();
    // A box of the start-up sequence leaves the activation with its
    // owner, the application window: handing it to the window that was in
    // front before the program started would run the deactivation
    // hand-over before the user did anything.
    if (!starting()) hand_back_activation(had_it);
    // Back in the background, the always-on-top windows other than the
    // main form stay down, as after any deactivation.
    if (!is_ours(os().GetForegroundWindow())) normalize_topmosts(Band::AllButMain);
  }
  return answer;
}

// When none of ours had the activation, none of ours takes it now.
void Application::hand_back_activation(plat::HWND had_it) {
  if (os().GetForegroundWindow() != handle()) return;
  if (had_it != handle() && can_take_activation(had_it)) {
    os().SetForegroundWindow(had_it);
  } else if (had_it && is_ours(had_it)) {
    pass_activation_on();
  } else {
    activate_front_window(false);
  }
}

void Application::form_used(Form& form) {
  if (!recent_forms_.empty() && recent_forms_.front() == &form) return;
  std::erase(recent_forms_, &form);
  recent_forms_.insert(recent_forms_.begin(), &form);
}

// The application window holds the activation only as a step between two
// windows: the form the user used last takes it; with none of those
// shown, the window of another program the system would pick next (the
// first one in the z-order that can be activated); with no other program
// on the desktop, our own front window.
void Application::pass_activation_on() {
  for (Form* form : recent_forms_) {
    if (can_take_activation(form->handle())) {
      os().SetForegroundWindow(form->handle());
      return;
    }
  }
  if (!activate_front_window(false)) activate_front_window(true);
}

// The first window in the z-order, of another program or of ours (the
// application window aside), that can take the activation takes it. Our
// own forms are all tool windows, and any of them shown will do.
bool Application::activate_front_window(bool ours) {
  for (plat::HWND w = os().GetWindow(os().GetDesktopWindow(), plat::GW_CHILD); w;
       w = os().GetWindow(w, plat::GW_HWNDNEXT)) {
    if (w != handle() && is_ours(w) == ours && (ours ? can_take_activation(w) : is_handed_activation(w))) {
      os().SetForegroundWindow(w);
      return true;
    }
  }
  return false;
}

}  // namespace ui
