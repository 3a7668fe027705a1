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

#include "platform/owners.h"
#include "platform/platform.h"
#include "ui/error.h"
#include "ui/events.h"
#include "ui/form_factory.h"
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

  plat::HWND handle() const { return window_.get(); }
  const std::string& title() const { return title_; }
  void set_title(std::string_view title);
  Screen& screen() { return screen_; }
  Form* main_form() const { return main_form_; }

  // Makes a form owned by the application (make_form), stores it in its
  // global reference, then runs its creation event. The first form made
  // becomes the main form. The reference is cleared when the form is
  // freed, so a later program on the same thread starts as a fresh one.
  // A form that could not be made raises its error here, before any of it
  // is adopted.
  template <class T>
  T& create_form(T*& reference) {
    T& form = adopt_made(make_form<T>(*this));
    reference = &form;
    form_freed(form, [&reference, &form] {
      if (reference == &form) reference = nullptr;
    });
    form.created();
    return form;
  }
  // A form without a global reference (made per use, freed on close).
  template <class T>
  T& create_owned_form() {
    T& form = adopt_made(make_form<T>(*this));
    form.created();
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

  // Whether the compositor keeps a window off the screen although it counts
  // as visible; the program's run answers it, as the toolkit does not reach
  // the compositor. Without one no window is taken for cloaked.
  void set_cloaked_test(std::function<bool(plat::HWND)> test) { is_cloaked_ = std::move(test); }

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

  template <class T>
  T& adopt_made(MadeForm<T> made) {
    if (!made) throw Error(made.error());
    T& form = **made;
    adopt(std::move(*made));
    return form;
  }
  void adopt(std::unique_ptr<Form> form);
  static void form_freed(Form& form, std::function<void()> forget);
  // Another program's window a person would take for the one to go back to.
  bool is_handed_activation(plat::HWND w) const;
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
  std::string title_;
  Form* main_form_ = nullptr;
  bool terminated_ = false;
  bool quit_received_ = false;
  std::vector<std::unique_ptr<Form>> forms_;
  std::vector<plat::HWND> lowered_topmosts_;
  // The topmost band, ours and other programs' windows, in z-order as it
  // stood before the first of them was lowered: where they go back to.
  std::vector<plat::HWND> band_before_;
  // Forms in the order the user last used them, the latest first.
  std::vector<Form*> recent_forms_;
  int modal_depth_ = 0;
  std::function<bool(plat::HWND)> is_cloaked_;
  // Last, so that they go first: the timers are killed while their window
  // exists, and the window is destroyed while everything its notifications
  // read is still there.
  plat::Window window_;
  TimerGroups timers_;
};

}  // namespace ui
