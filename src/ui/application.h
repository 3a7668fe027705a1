// The application object: the hidden application window that owns every
// form's window, the title, the main form, the message loop, the timers,
// the standard error box around every handler, and the hand-over of the
// always-on-top band when the program loses and regains activation, the
// modal message boxes, and where the activation goes when the application
// window is handed it.
#pragma once

#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "ui/events.h"
#include "ui/screen.h"
#include "ui/timer_groups.h"

namespace ui {

class Form;
class Timer;

class Application : private plat::WindowSink {
 public:
  Application();
  ~Application() override;
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  plat::HWND handle() const { return handle_; }
  const std::string& title() const { return title_; }
  void set_title(std::string_view title);
  Screen& screen() { return screen_; }
  Form* main_form() const { return main_form_; }

  // Constructs a form owned by the application, stores it in its global
  // reference, then runs its creation event. The first form made becomes
  // the main form.
  template <class T>
  T& create_form(T*& reference) {
    auto owned = std::make_unique<T>(*this);
    T& form = *owned;
    reference = &form;
    adopt(std::move(owned));
    return form;
  }
  // A form without a global reference (made per use, freed on close).
  template <class T>
  T& create_owned_form() {
    auto owned = std::make_unique<T>(*this);
    T& form = *owned;
    adopt(std::move(owned));
    return form;
  }
  std::vector<Form*> forms() const;

  // Shows the main form, then dispatches messages until terminated; then
  // destroys every form.
  void run();
  void terminate();
  bool terminated() const { return terminated_; }
  // Dispatches what is pending; a quit among it terminates the program.
  void process_messages();
  // Frees a form once the current message has been handled.
  void release_form(Form* form);
  void destroy_forms();

  // Runs a handler; an error it raises is shown in the standard error
  // box and the program goes on.
  template <class F>
  void guard(F&& handler) noexcept {
    try {
      handler();
    } catch (const std::exception& e) {
      show_exception(e.what());
    } catch (...) {
      show_exception("Unknown error");
    }
  }
  void show_exception(std::string_view message) noexcept;

  // Shows a modal message box in front of every window of the program and
  // returns the button pressed (MessageBoxA's answer). Every form is
  // disabled while it is open; timers go on.
  int message_box(std::string_view text, const char* caption, plat::UINT type);
  bool modal_box_open() const { return modal_depth_ > 0; }

  // The user pressed a button or typed on a form: it is the form the
  // activation goes back to when the application window is handed it.
  void form_used(Form& form);

  // Raised after the program lost (or regained) activation to another
  // program, from a posted message, never inside the notification.
  std::function<void(Application& sender)> on_deactivate;
  std::function<void(Application& sender)> on_activate;

  // Timers live on the application window; these are for ui::Timer.
  void start_timer(Timer* timer, unsigned interval_ms) { timers_.start(timer, interval_ms); }
  void stop_timer(Timer* timer) { timers_.stop(timer); }
  // What the watches ticking together read once (tick_reads.h).
  TickReads& tick_reads() { return timers_.reads(); }

  // Posted-message ids of the application window.
  enum Posted : plat::UINT { kDeactivate = 1, kActivate = 2, kRelease = 3, kPassActivation = 4 };

 private:
  enum class Band { AllButMain, All };

  void adopt(std::unique_ptr<Form> form);
  void forget(Form* form);
  void normalize_topmosts(Band which);
  void restore_topmosts();
  void put_back_in_band(const std::vector<plat::HWND>& band, const std::vector<plat::HWND>& which);
  bool is_ours(plat::HWND w) const;
  // Until the main form's window is up the start-up sequence decides where
  // the activation goes: it shows and activates the main form last.
  bool starting() const;
  void pass_activation_on();
  bool activate_front_window(bool ours);
  void hand_back_activation(plat::HWND had_it);

  // plat::WindowSink
  void on_paint(plat::Canvas&) override {}
  void on_timer(std::uintptr_t id) override;
  void on_activate_window(bool active) override;
  void on_activate_app(bool active) override;
  void on_posted(plat::UINT msg, std::uintptr_t param) override;

  Screen screen_;
  plat::HWND handle_ = 0;
  std::string title_;
  Form* main_form_ = nullptr;
  bool terminated_ = false;
  bool quit_received_ = false;
  std::vector<std::unique_ptr<Form>> forms_;
  TimerGroups timers_;
  std::vector<plat::HWND> lowered_topmosts_;
  // The topmost band, ours and other programs' windows, in z-order as it
  // stood before the first of them was lowered: where they go back to.
  std::vector<plat::HWND> band_before_;
  // Forms in the order the user last used them, the latest first.
  std::vector<Form*> recent_forms_;
  int modal_depth_ = 0;
};

}  // namespace ui
