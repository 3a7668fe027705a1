// A text label. It sizes itself to its text unless its design fixes the
// size, shows a carriage return as a line break, and follows the desktop's
// rule for labels that do not ask for transparency: see paint().
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "ui/control.h"

namespace ui {

class Label : public Control {
 public:
  Label(std::string name, Component* owner, Control* parent);

  const std::string& caption() const { return caption_; }
  void set_caption(std::string_view text);
  bool auto_size() const { return auto_size_; }
  // A label whose design declares neither way is drawn transparent while
  // the desktop's visual styles are on, and on its colour otherwise.
  void set_transparent(bool on);
  // True when the label is drawn without filling its rectangle.
  bool draws_transparent() const;

  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;
  void loaded() override;

 protected:
  // The font grew or shrank with the form's scale.
  void dpi_applied() override;

 private:
  void fit_to_text();
  std::string caption_;
  bool auto_size_ = true;
  std::optional<bool> transparent_;
  plat::TextAlign alignment_ = plat::TextAlign::Left;
  bool loading_ = true;
};

// The lines of a caption: a carriage return (with or without a line feed
// after it) or a line feed breaks the line.
std::vector<std::string_view> caption_lines(std::string_view text);

}  // namespace ui
