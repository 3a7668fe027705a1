// A top-level form: a window owned by the application window, built from
// a stored design, with the form events and the show, hide and close
// semantics every form of the program relies on.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "platform/owners.h"
#include "platform/platform.h"
#include "ui/control.h"

namespace ui {

class Application;

enum class BorderStyle { None, Single, Sizeable };
enum class FormStyle { Normal, StayOnTop };
enum class FormPosition { Designed, ScreenCenter };

class Form : public Control, private plat::WindowSink {
  friend class DesignLoader;
  friend class Application;

 public:
  explicit Form(Application& app);
  ~Form() override;

  Application& application() const { return app_; }
  plat::HWND handle() const { return window_.get(); }

  // Form-level visibility: showing makes visible and brings to the front
  // (running the show event first when it was hidden); hiding hides.
  void set_visible(bool v) override;
  void show() { set_visible(true); }
  void hide() { set_visible(false); }
  void bring_to_front();
  // The close event decides; a form that is not the main form and has no
  // close handler is hidden, closing the main form ends the program.
  void close();
  // Frees the form once the current message has been handled.
  void release();

  void set_bounds(int left, int top, int width, int height) override;
  int dpi() const override { return dpi_; }
  // Lays the form out at another dpi: the designed values at that dpi,
  // then the form's own layout (dpi_changed).
  void apply_dpi(int dpi);
  // The form's designed place and client size at its dpi.
  void apply_designed_place();
  int client_width() const;
  int client_height() const;
  void set_client_size(int width, int height);

  const std::string& caption() const { return caption_; }
  void set_caption(std::string_view text);
  BorderStyle border_style() const { return border_style_; }
  void set_border_style(BorderStyle style);
  void set_border_icons(bool has_icons);
  FormStyle form_style() const { return form_style_; }
  void set_form_style(FormStyle style);
  FormPosition position() const { return position_; }
  void set_position(FormPosition p) { position_ = p; }
  bool double_buffered() const { return double_buffered_; }
  void set_double_buffered(bool on) { double_buffered_ = on; }

  void invalidate() override;
  // Only part of the client area (client coordinates) is to be painted again.
  void invalidate_rect(const plat::RECT& part);
  // Fires the creation event; the application calls it once the form
  // and its global reference exist.
  void created();
  // Fires the destroy event and destroys the window; idempotent.
  void destroy();

  NotifyEvent on_create;
  NotifyEvent on_show;
  NotifyEvent on_destroy;
  CloseEvent on_close;
  KeyPressEvent on_key_press;

  bool set_property(const DesignProperty& property, DesignContext& context) override;
  bool bind_event(std::string_view event, const Handler& handler) override;

  template <class T>
  T& component(std::string_view name) {
    auto* c = dynamic_cast<T*>(find_component(name));
    if (!c) throw_missing_component(name);
    return *c;
  }

  // A handler the design may bind by name.
  template <class F, class... Args>
  void handler(std::string name, void (F::*method)(Args...)) {
    F* self = static_cast<F*>(this);
    std::function<void(Args...)> fn = [self, method](Args... args) { (self->*method)(args...); };
    handlers_.insert_or_assign(std::move(name), Handler{std::move(fn)});
  }
  const Handler* find_handler(std::string_view name) const;

 protected:
  // Builds the components and the window from the design resource.
  void load_design(std::string_view resource_name);
  // Lets a form adjust its window's creation parameters.
  virtual void create_params(plat::WindowParams& params);

 private:
  void create_window();
  void close_window();
  plat::DWORD window_style() const { return window_style(border_style_); }
  plat::DWORD window_style(BorderStyle border) const;
  void apply_window_style();
  void centre_on_screen();
  [[noreturn]] void throw_missing_component(std::string_view name) const;

  // plat::WindowSink
  void on_paint(plat::Canvas& canvas) override;
  void on_mouse_down(plat::MouseButton, unsigned shift, int x, int y) override;
  void on_mouse_up(plat::MouseButton, unsigned shift, int x, int y) override;
  void on_key_char(char ch) override;
  void on_close_request() override;
  std::optional<int> on_nc_hit_test(int x, int y) override;
  plat::HCURSOR on_set_cursor(int x, int y) override;
  void on_bounds_changed(const plat::RECT& outer) override;
  void on_capture_lost() override;
  void on_display_change() override;

 protected:
  // The desk changed (a monitor added, removed or resized): forms sized
  // to the screen lay themselves out again.
  virtual void display_changed() {}
  void on_dpi_changed(int dpi, const plat::RECT& suggested) override;

 protected:
  // The form is now shown at another dpi and its designed values are in
  // place at it; a form that places itself in code does so again here.
  // By default it takes the place the system suggests; the form's own
  // place and size are not put back as designed once it has placed itself.
  virtual void dpi_changed(const plat::RECT& suggested);
  // Forms that answer hit tests themselves (a splash dragged by any
  // point) override this.
  virtual std::optional<int> nc_hit_test(int, int) { return {}; }
  virtual void key_press(char& key);

 private:
  Application& app_;
  plat::Window window_;
  std::string caption_;
  BorderStyle border_style_ = BorderStyle::Sizeable;
  bool border_icons_ = true;
  FormStyle form_style_ = FormStyle::Normal;
  FormPosition position_ = FormPosition::Designed;
  bool double_buffered_ = false;
  bool destroyed_ = false;
  bool created_ = false;
  int dpi_ = 96;
  std::optional<int> designed_client_width_, designed_client_height_;  // at 96 dpi
  // The frame the design gave: the outer size is its client size and this
  // frame, whatever border the form takes afterwards.
  BorderStyle designed_border_ = BorderStyle::Sizeable;
  bool syncing_bounds_ = false;
  Control* mouse_target_ = nullptr;   // the control a left press went to
  Control* pressed_control_ = nullptr;
  std::map<std::string, Handler, std::less<>> handlers_;
  // Clears the global reference the form was made for (Application::create_form).
  std::function<void()> forget_reference_;
};

}  // namespace ui
