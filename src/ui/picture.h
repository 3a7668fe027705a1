// A picture control: draws its picture at natural size from its top-left
// corner, or stretched over its bounds, blended by the picture's alpha and
// cut to its bounds.
#pragma once

#include <string_view>

#include "platform/image.h"
#include "ui/control.h"

namespace ui {

class Picture : public Control {
 public:
  Picture(std::string name, Component* owner, Control* parent);

  const plat::Image& image() const { return image_; }
  void set_image(plat::Image image);
  void clear();
  // Loads a picture file of any supported kind (errors as picture_file.h).
  void load_from_file(std::string_view path);
  // Makes the picture a bitmap and reads a bitmap file into it.
  void load_bitmap(std::string_view path);

  bool stretch() const { return stretch_; }
  void set_stretch(bool on);
  bool auto_size() const { return auto_size_; }
  void set_auto_size(bool on);

  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  void fit();
  const plat::Image& stretched();

  plat::Image image_;
  plat::Image scaled_;  // the stretched picture for the current size, made once per size
  bool stretch_ = false;
  bool auto_size_ = false;
};

}  // namespace ui
