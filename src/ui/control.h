// A visual component: bounds in its parent's client coordinates, colour,
// font, cursor, visibility and mouse events. Controls other than forms and
// the browser have no window of their own; their form paints them and
// routes the mouse to them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/canvas.h"
#include "ui/component.h"

namespace ui {

class PopupMenu;

enum class Align { None, Client };

inline constexpr int crDefault = 0;
inline constexpr int crHandPoint = -21;

class Control : public Component {
 public:
  Control(std::string name, Component* owner, Control* parent);
  ~Control() override;

  Control* parent() const { return parent_; }
  const std::vector<Control*>& controls() const { return controls_; }

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  virtual void set_bounds(int left, int top, int width, int height);
  void set_left(int v) { set_bounds(v, top_, width_, height_); }
  void set_top(int v) { set_bounds(left_, v, width_, height_); }
  void set_width(int v) { set_bounds(left_, top_, v, height_); }
  void set_height(int v) { set_bounds(left_, top_, width_, v); }

  bool visible() const { return visible_; }
  virtual void set_visible(bool v);
  void show() { set_visible(true); }
  void hide() { set_visible(false); }
  bool enabled() const { return enabled_; }
  void set_enabled(bool v);

  plat::COLORREF color() const;
  void set_color(plat::COLORREF c);
  const plat::Font& font() const;
  plat::COLORREF font_color() const;
  void set_font(const plat::Font& f);
  void set_font_color(plat::COLORREF c);

  int cursor() const { return cursor_; }
  void set_cursor(int c) { cursor_ = c; }
  Align align() const { return align_; }
  void set_align(Align a);
  PopupMenu* popup_menu() const { return popup_menu_; }

  // The dpi of the monitor this control's window is on (its form's), and
  // a length made at 96 pixels per inch at that dpi.
  virtual int dpi() const;
  int scaled(int value) const;
  // Puts the designed places, sizes and font back at the form's dpi, as
  // they were when the design was read; what code placed afterwards is
  // the form's to place again.
  void apply_designed_values();

  // Client-area origin of this control within its form.
  plat::POINT origin_in_form() const;
  // The deepest visible control at a point of this control's client area.
  Control* control_at(int x, int y);

  virtual void paint(plat::Canvas& canvas, int x, int y);
  void paint_children(plat::Canvas& canvas, int x, int y);
  // Marks the place where this control and its children are drawn for
  // painting again; the form repaints only that part.
  virtual void invalidate();
  // Lays out children aligned to the client area.
  void realign();

  MouseEvent on_mouse_down;
  MouseEvent on_mouse_up;
  NotifyEvent on_click;

  // Mouse input routed by the form, in this control's coordinates.
  virtual void mouse_down(MouseButton button, unsigned shift, int x, int y);
  virtual void mouse_up(MouseButton button, unsigned shift, int x, int y);
  virtual void click();

  bool set_property(const DesignProperty& property, DesignContext& context) override;
  bool bind_event(std::string_view event, const Handler& handler) override;
  void loaded() override;
  // The form's window now exists; windowed controls make theirs.
  virtual void window_created() {}
  // The form's window is about to go; windowed controls let go of theirs
  // while it still stands.
  virtual void window_destroying() {}

 protected:
  virtual void bounds_changed() {}
  // The form's dpi changed and the designed values are back in place.
  virtual void dpi_applied() {}
  void apply_designed_bounds();
  void apply_designed_font();
  virtual void visibility_changed() {}
  // Another child of this control's parent moved, was resized, shown or
  // hidden. Windowed controls use it to leave room for the windowless
  // controls that lie above them.
  virtual void sibling_changed(Control& /*sibling*/) {}
  void detach_from_parent();

  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  bool visible_ = true;
  bool enabled_ = true;

 private:
  void notify_siblings();
  // The box that this control and its children cover, in its own
  // coordinates: children are painted unclipped, so they may reach out.
  plat::RECT reach() const;

  // What the design gave, at 96 pixels per inch, for another dpi later.
  struct Designed {
    std::optional<int> left, top, width, height, font_height;
  };
  Designed designed_;
  Control* parent_;
  std::vector<Control*> controls_;
  plat::COLORREF color_ = 0x00F0F0F0;  // the button face of a classic desktop
  bool parent_color_ = true;
  plat::Font font_{};
  plat::COLORREF font_color_ = 0;
  bool parent_font_ = true;
  int cursor_ = crDefault;
  Align align_ = Align::None;
  PopupMenu* popup_menu_ = nullptr;
  std::string popup_menu_name_;
};

}  // namespace ui
