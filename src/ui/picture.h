// A picture control: draws its picture at natural size (grown by the
// form's scale) from its top-left corner, or stretched over its bounds,
// blended by the picture's alpha and cut to its bounds.
#pragma once

#include <cstddef>
#include <memory>
#include <string_view>

#include "platform/image.h"
#include "ui/control.h"
#include "image/scale.h"

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

  // The control keeps its bounds from now on (its form's size is fixed at
  // creation), so the picture keeps only what they can show: at natural
  // size the part inside them; stretched, the smaller of the picture and
  // its stretched copy (a grown picture is stretched where it is painted).
  void hold_visible_only();
  // The pixels held: the picture and its stretched copy, if one is kept.
  std::size_t held_pixels() const { return image_.pixels.size() + scaled_.pixels.size(); }

  void paint(plat::Canvas& canvas, int x, int y) override;
  bool set_property(const DesignProperty& property, DesignContext& context) override;

 private:
  void dpi_applied() override;
  void fit();
  plat::SIZE shown_size() const;
  bool grown() const;
  const plat::Image& stretched(plat::SIZE size);
  void paint_stretched(plat::Canvas& canvas, int x, int y, const plat::RECT& clip, plat::SIZE shown);

  plat::Image image_;
  // The stretched picture for the current size, made once per size, and
  // only where it holds no more pixels than the picture itself.
  plat::Image scaled_;
  // Otherwise the picture is stretched band by band where it is painted.
  std::unique_ptr<image::Stretch> stretch_at_paint_;
  bool stretch_ = false;
  bool auto_size_ = false;
};

}  // namespace ui
