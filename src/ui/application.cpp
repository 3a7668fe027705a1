#include "ui/application.h"

#include <algorithm>

#include "ui/error.h"
#include "ui/form.h"
#include "ui/timer.h"

namespace ui {

using plat::os;

Application::Application() {
  plat::WindowParams params;
  params.name = "Application";
  params.class_name = "SlatebarApp";
  params.style = plat::WS_POPUP | plat::WS_CAPTION | plat::WS_CLIPSIBLINGS | plat::WS_SYSMENU | plat::WS_MINIMIZEBOX;
  // A zero-sized window: it carries the title and owns the forms, and is
  // never meant to be seen.
  int cx = os().GetSystemMetrics(plat::SM_CXSCREEN) / 2;
  int cy = os().GetSystemMetrics(plat::SM_CYSCREEN) / 2;
  params.bounds = {cx, cy, cx, cy};
  window_.reset(os().create_window(params, this));
  timers_.attach(window_.get());
}

// The timers, then the window, go with their owners (declared last).
Application::~Application() { destroy_forms(); }

void Application::set_title(std::string_view title) {
  title_ = std::string(title);
  os().SetWindowTextA(handle(), title_.c_str());
}

void Application::adopt(std::unique_ptr<Form> owned) {
  Form& form = *owned;
  forms_.push_back(std::move(owned));
  if (!main_form_) main_form_ = &form;
}

void Application::form_freed(Form& form, std::function<void()> forget) { form.forget_reference_ = std::move(forget); }

std::vector<Form*> Application::forms() const {
  std::vector<Form*> out;
  for (const auto& f : forms_) out.push_back(f.get());
  return out;
}

void Application::run() {
  if (main_form_ && !terminated_) main_form_->show();
  // Runs until the quit message itself has been taken off the queue, so
  // that it cannot close a message box shown while the forms go.
  while (!quit_received_) {
    if (!os().pump_one()) quit_received_ = true;
  }
  terminated_ = true;
  destroy_forms();
}

void Application::terminate() {
  if (terminated_) return;
  terminated_ = true;
  os().PostQuitMessage(0);
}

void Application::process_messages() {
  if (!os().pump_pending()) {
    terminated_ = true;
    quit_received_ = true;
  }
}

void Application::release_form(Form* form) {
  os().PostMessageA(handle(), kRelease, reinterpret_cast<std::uintptr_t>(form));
}

void Application::destroy_forms() {
  // Last created first, as owned components are freed.
  while (!forms_.empty()) {
    std::unique_ptr<Form> form = std::move(forms_.back());
    forms_.pop_back();
    forget(form.get());
    form->destroy();
  }
}

void Application::forget(Form* form) {
  if (form == main_form_) main_form_ = nullptr;
  std::erase(recent_forms_, form);
}

void Application::show_exception(std::string_view message) noexcept {
  try {
    message_box(error_box_text(message), title_.c_str(), plat::MB_OK | plat::MB_ICONSTOP);
  } catch (...) {
    // Nothing sensible is left to report to when even the box fails.
  }
}

void Application::on_timer(std::uintptr_t id) { timers_.fire(id); }

void Application::on_activate_app(bool active) {
  // While a box is open our always-on-top windows are already out of the
  // band, and stay out until it closes, whoever is active meanwhile.
  if (active) {
    if (!modal_box_open()) restore_topmosts();
    os().PostMessageA(handle(), kActivate, 0);
  } else {
    if (!modal_box_open()) normalize_topmosts(Band::AllButMain);
    os().PostMessageA(handle(), kDeactivate, 0);
  }
}

void Application::on_activate_window(bool active) {
  // Handed on from a posted message: activating another window inside
  // this notification would start a second activation within the first.
  if (active) os().PostMessageA(handle(), kPassActivation, 0);
}

bool Application::starting() const { return !main_form_ || !os().IsWindowVisible(main_form_->handle()); }

void Application::on_posted(plat::UINT msg, std::uintptr_t param) {
  switch (msg) {
    case kDeactivate:
      if (on_deactivate) guard([&] { on_deactivate(*this); });
      break;
    case kActivate:
      if (on_activate) guard([&] { on_activate(*this); });
      break;
    case kPassActivation:
      if (!modal_box_open() && !starting() && os().GetForegroundWindow() == handle()) pass_activation_on();
      break;
    case kRelease: {
      auto* target = reinterpret_cast<Form*>(param);
      auto it = std::find_if(forms_.begin(), forms_.end(), [&](const auto& f) { return f.get() == target; });
      if (it == forms_.end()) break;
      std::unique_ptr<Form> form = std::move(*it);
      forms_.erase(it);
      forget(form.get());
      form->destroy();
      break;
    }
    default:
      break;
  }
}

}  // namespace ui
