#include "ui/form.h"
#include "ui/strings.h"


#include "ui/application.h"
#include "ui/design_context.h"
#include "ui/design_loader.h"
#include "ui/error.h"
#include "ui/popup_menu.h"
#include "ui/scale.h"

namespace ui {

using plat::os;

Form::Form(Application& app) : Control("", nullptr, nullptr), app_(app) { visible_ = false; }

// The derived form's part is gone by now, or never finished its
// constructor: none of its handlers may run, so the window goes without the
// destroy event, which Application::destroy raised for a form it made.
Form::~Form() {
  close_window();
  destroy_components();
  if (forget_reference_) forget_reference_();
}

void Form::load_design(std::string_view resource_name) {
  // The window does not exist yet, so the design is read at the system's
  // dpi, where the window is made; a window that lands on a monitor of
  // another scale is laid out again at once.
  dpi_ = os().screen_dpi();
  DesignLoader(*this, resource_name).apply();
  create_window();
  const int shown_at = static_cast<int>(os().GetDpiForWindow(handle()));
  if (shown_at > 0 && shown_at != dpi_) apply_dpi(shown_at);
  for (const auto& c : components()) {
    if (auto* control = dynamic_cast<Control*>(c.get())) control->window_created();
  }
  realign();
}

void Form::apply_dpi(int dpi) {
  if (dpi <= 0) return;
  dpi_ = dpi;
  if (!created_) apply_designed_place();
  apply_designed_font();
  for (const auto& c : components()) {
    if (auto* control = dynamic_cast<Control*>(c.get())) control->apply_designed_values();
  }
  realign();
  invalidate();
}

void Form::apply_designed_place() {
  apply_designed_bounds();
  if (designed_client_width_ || designed_client_height_) {
    plat::RECT r{0, 0, designed_client_width_ ? scale(*designed_client_width_, dpi_) : client_width(),
                 designed_client_height_ ? scale(*designed_client_height_, dpi_) : client_height()};
    os().AdjustWindowRectEx(&r, window_style(designed_border_), 0, 0);
    set_bounds(left_, top_, r.right - r.left, r.bottom - r.top);
  }
}

void Form::dpi_changed(const plat::RECT& suggested) {
  set_bounds(suggested.left, suggested.top, suggested.right - suggested.left, suggested.bottom - suggested.top);
}

// Before the creation event the form has not placed itself yet, and the
// creation handler does it at the dpi now in force.
void Form::on_dpi_changed(int dpi, const plat::RECT& suggested) {
  app_.guard([&] {
    apply_dpi(dpi);
    if (created_) dpi_changed(suggested);
  });
}

void Form::create_params(plat::WindowParams&) {}

plat::DWORD Form::window_style(BorderStyle border) const {
  plat::DWORD style = plat::WS_CLIPCHILDREN | plat::WS_CLIPSIBLINGS;
  switch (border) {
    case BorderStyle::None: style |= plat::WS_POPUP; break;
    case BorderStyle::Single: style |= plat::WS_CAPTION | plat::WS_BORDER; break;
    case BorderStyle::Sizeable: style |= plat::WS_CAPTION | plat::WS_THICKFRAME; break;
  }
  if (border != BorderStyle::None && border_icons_) {
    style |= plat::WS_SYSMENU | plat::WS_MINIMIZEBOX | plat::WS_MAXIMIZEBOX;
  }
  return style;
}

void Form::create_window() {
  plat::WindowParams params;
  params.name = name();
  params.caption = caption_;
  params.style = window_style();
  params.ex_style = form_style_ == FormStyle::StayOnTop ? plat::WS_EX_TOPMOST : 0;
  params.bounds = {left_, top_, left_ + width_, top_ + height_};
  params.owner = app_.handle();
  create_params(params);
  window_.reset(os().create_window(params, this));
  if (!window_) throw Error(cat("Cannot create the window of ", name()));
}

void Form::apply_window_style() {
  if (!handle()) return;
  auto current = static_cast<plat::DWORD>(os().GetWindowLongA(handle(), plat::GWL_STYLE));
  plat::DWORD style = window_style() | (current & (plat::WS_VISIBLE | plat::WS_DISABLED));
  os().SetWindowLongA(handle(), plat::GWL_STYLE, static_cast<plat::LONG>(style));
  // The outer size stays; the client area grows into the frame.
  os().SetWindowPos(handle(), 0, 0, 0, 0, 0,
                    plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOZORDER | plat::SWP_NOACTIVATE |
                        plat::SWP_FRAMECHANGED);
  realign();
  invalidate();
}

void Form::set_border_style(BorderStyle style) {
  border_style_ = style;
  apply_window_style();
}

void Form::set_border_icons(bool has_icons) {
  border_icons_ = has_icons;
  apply_window_style();
}

void Form::set_form_style(FormStyle style) {
  form_style_ = style;
  if (handle() && style == FormStyle::StayOnTop) {
    os().SetWindowPos(handle(), plat::HWND_TOPMOST, 0, 0, 0, 0,
                      plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE);
  }
}

void Form::set_caption(std::string_view text) {
  caption_ = std::string(text);
  if (handle()) os().SetWindowTextA(handle(), caption_.c_str());
}

void Form::set_bounds(int left, int top, int width, int height) {
  bool resized = width != width_ || height != height_;
  // Timers put some forms back in place on every tick; an unchanged place
  // is not worth a trip to the window system (a server round trip and an
  // X request under Wine, 80 times a second for the left-edge strip).
  if (!resized && left == left_ && top == top_ && handle()) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  if (handle() && !syncing_bounds_) {
    syncing_bounds_ = true;
    os().SetWindowPos(handle(), 0, left, top, width, height, plat::SWP_NOZORDER | plat::SWP_NOACTIVATE);
    syncing_bounds_ = false;
  }
  if (resized) realign();
}

int Form::client_width() const {
  if (!handle()) return width_;
  plat::RECT r{};
  os().GetClientRect(handle(), &r);
  return r.right - r.left;
}

int Form::client_height() const {
  if (!handle()) return height_;
  plat::RECT r{};
  os().GetClientRect(handle(), &r);
  return r.bottom - r.top;
}

void Form::set_client_size(int width, int height) {
  plat::RECT r{0, 0, width, height};
  os().AdjustWindowRectEx(&r, window_style(), 0, 0);
  set_bounds(left_, top_, r.right - r.left, r.bottom - r.top);
}

void Form::centre_on_screen() {
  int sw = os().GetSystemMetrics(plat::SM_CXSCREEN);
  int sh = os().GetSystemMetrics(plat::SM_CYSCREEN);
  set_bounds((sw - width_) / 2, (sh - height_) / 2, width_, height_);
}

void Form::set_visible(bool v) {
  if (!handle()) {
    visible_ = v;
    return;
  }
  if (v) {
    if (!visible_) {
      visible_ = true;
      if (position_ == FormPosition::ScreenCenter) centre_on_screen();
      if (on_show) app_.guard([&] { on_show(*this); });
      if (destroyed_ || !visible_) return;
      os().ShowWindow(handle(), plat::SW_SHOW);
    }
    bring_to_front();
  } else if (visible_) {
    visible_ = false;
    os().ShowWindow(handle(), plat::SW_HIDE);
  }
}

// Raising a form in code leaves the activation where it is: the strip
// comes back to the front after a switch, and the window switched to
// keeps the keyboard.
void Form::bring_to_front() {
  if (handle()) {
    os().SetWindowPos(handle(), plat::HWND_TOP, 0, 0, 0, 0, plat::SWP_NOMOVE | plat::SWP_NOSIZE | plat::SWP_NOACTIVATE);
  }
}

void Form::close() {
  CloseAction action = CloseAction::Hide;
  if (on_close) app_.guard([&] { on_close(*this, action); });
  if (action == CloseAction::None) return;
  if (this == app_.main_form()) {
    app_.terminate();
  } else if (action == CloseAction::Hide) {
    hide();
  } else {
    release();
  }
}

void Form::release() { app_.release_form(this); }

void Form::invalidate() {
  if (handle()) os().InvalidateRect(handle(), nullptr);
}

void Form::invalidate_rect(const plat::RECT& part) {
  if (handle()) os().InvalidateRect(handle(), &part);
}

void Form::created() {
  created_ = true;
  if (on_create) app_.guard([&] { on_create(*this); });
}

void Form::destroy() {
  if (destroyed_) return;
  destroyed_ = true;
  if (on_destroy) app_.guard([&] { on_destroy(*this); });
  close_window();
}

// Controls with windows of their own let go of them while the form's
// window still exists; the owner hands out 0 while the window goes.
void Form::close_window() {
  if (!window_) return;
  for (const auto& c : components()) {
    if (auto* control = dynamic_cast<Control*>(c.get())) control->window_destroying();
  }
  window_.reset();
}

void Form::throw_missing_component(std::string_view name) const {
  throw Error(cat("Form ", this->name(), " has no component named ", name));
}

const Handler* Form::find_handler(std::string_view name) const {
  auto it = handlers_.find(name);
  return it == handlers_.end() ? nullptr : &it->second;
}

// ---- window events ------------------------------------------------------

void Form::on_paint(plat::Canvas& canvas) {
  canvas.fill_rect({0, 0, client_width(), client_height()}, color());
  paint_children(canvas, 0, 0);
}

void Form::on_mouse_down(plat::MouseButton button, unsigned shift, int x, int y) {
  app_.form_used(*this);
  Control* target = control_at(x, y);
  if (button == plat::MouseButton::Left) {
    os().SetCapture(handle());
    mouse_target_ = target;
    pressed_control_ = target;
  }
  plat::POINT o = target->origin_in_form();
  target->mouse_down(button, shift, x - o.x, y - o.y);
}

void Form::on_mouse_up(plat::MouseButton button, unsigned shift, int x, int y) {
  Control* target = (button == plat::MouseButton::Left && mouse_target_) ? mouse_target_ : control_at(x, y);
  Control* pressed = pressed_control_;
  if (button == plat::MouseButton::Left) {
    mouse_target_ = nullptr;
    pressed_control_ = nullptr;
    if (os().GetCapture() == handle()) os().ReleaseCapture();
  }
  plat::POINT o = target->origin_in_form();
  int lx = x - o.x, ly = y - o.y;
  target->mouse_up(button, shift, lx, ly);
  if (button == plat::MouseButton::Left && target == pressed && lx >= 0 && ly >= 0 && lx < target->width() &&
      ly < target->height()) {
    target->click();
  }
  if (button == plat::MouseButton::Right) {
    for (Control* c = target; c; c = c->parent()) {
      if (PopupMenu* menu = c->popup_menu()) {
        plat::POINT p{};
        if (os().GetCursorPos(&p)) menu->popup(p.x, p.y);
        break;
      }
    }
  }
}

void Form::on_capture_lost() { mouse_target_ = nullptr; }

void Form::on_display_change() { app_.guard([&] { display_changed(); }); }

void Form::key_press(char& key) {
  if (on_key_press) app_.guard([&] { on_key_press(*this, key); });
}

void Form::on_key_char(char ch) {
  app_.form_used(*this);
  key_press(ch);
}

void Form::on_close_request() { app_.guard([&] { close(); }); }

std::optional<int> Form::on_nc_hit_test(int x, int y) { return nc_hit_test(x, y); }

plat::HCURSOR Form::on_set_cursor(int x, int y) { return app_.screen().cursor(control_at(x, y)->cursor()); }

void Form::on_bounds_changed(const plat::RECT& outer) {
  if (syncing_bounds_) return;
  syncing_bounds_ = true;
  set_bounds(outer.left, outer.top, outer.right - outer.left, outer.bottom - outer.top);
  syncing_bounds_ = false;
}

// ---- design --------------------------------------------------------------

bool Form::set_property(const DesignProperty& p, DesignContext& ctx) {
  const std::string& k = p.key;
  if (k == "caption") {
    set_caption(ctx.string(p));
  } else if (k == "border") {
    const std::string& w = ctx.word(p);
    if (w == "none") border_style_ = BorderStyle::None;
    else if (w == "single") border_style_ = BorderStyle::Single;
    else if (w == "sizeable") border_style_ = BorderStyle::Sizeable;
    else ctx.fail(p, "is none, single or sizeable");
    designed_border_ = border_style_;
  } else if (k == "bordericons") {
    border_icons_ = ctx.word(p) != "none";
  } else if (k == "style") {
    const std::string& w = ctx.word(p);
    if (w == "stayontop") form_style_ = FormStyle::StayOnTop;
    else if (w == "normal") form_style_ = FormStyle::Normal;
    else ctx.fail(p, "is stayontop or normal");
  } else if (k == "position") {
    const std::string& w = ctx.word(p);
    if (w == "screencenter") position_ = FormPosition::ScreenCenter;
    else if (w == "designed") position_ = FormPosition::Designed;
    else ctx.fail(p, "is screencenter or designed");
  } else if (k == "doublebuffered") {
    double_buffered_ = ctx.boolean(p);
  } else if (k == "visible") {
    visible_ = ctx.boolean(p);
  } else {
    return Control::set_property(p, ctx);
  }
  return true;
}

bool Form::bind_event(std::string_view event, const Handler& h) {
  if (event == "OnCreate") return take_handler(h, on_create);
  if (event == "OnShow") return take_handler(h, on_show);
  if (event == "OnDestroy") return take_handler(h, on_destroy);
  if (event == "OnClose") return take_handler(h, on_close);
  if (event == "OnKeyPress") return take_handler(h, on_key_press);
  return Control::bind_event(event, h);
}

}  // namespace ui
