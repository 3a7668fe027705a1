// Modal message boxes, and where the activation goes when the hidden
// application window is handed it.
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
#include <string>

#include "ui/application.h"
#include "ui/form.h"

namespace ui {

using plat::os;

namespace {

bool can_take_activation(plat::HWND w) {
  return w && os().IsWindowVisible(w) && os().IsWindowEnabled(w);
}

// Another program's window that a person would take for the one to go
// back to: not a tool window (the taskbar is one, and always in front) nor
// one that asked never to be activated. A window the compositor keeps
// cloaked (on another virtual desktop) is no such window either; that
// test joins these two once the compositor access can tell.
bool is_handed_activation(plat::HWND w) {
  const auto ex = static_cast<plat::DWORD>(os().GetWindowLongA(w, plat::GWL_EXSTYLE));
  return can_take_activation(w) && !(ex & (plat::WS_EX_TOOLWINDOW | plat::WS_EX_NOACTIVATE));
}

}  // namespace

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
  const int answer = os().MessageBoxA(handle_, body.c_str(), caption, type);

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
  if (os().GetForegroundWindow() != handle_) return;
  if (had_it != handle_ && can_take_activation(had_it)) {
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
    if (w != handle_ && is_ours(w) == ours && (ours ? can_take_activation(w) : is_handed_activation(w))) {
      os().SetForegroundWindow(w);
      return true;
    }
  }
  return false;
}

}  // namespace ui
