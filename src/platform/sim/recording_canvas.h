// A canvas that records what a paint handler draws, so that tests read
// the calls back instead of pixels.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/canvas.h"
#include "platform/sim/types.h"

namespace sim {

enum class DrawKind { FillRect, FrameRect, Image, Text };

struct DrawOp {
  DrawKind kind = DrawKind::FillRect;
  RECT rect{};  // the filled or framed rectangle, the text box, or the image clip
  COLORREF color = 0;
  int x = 0;  // image position
  int y = 0;
  // The drawn picture as it was passed: only valid while the caller keeps
  // it; image_copy holds a copy when the desktop is asked for copies.
  const plat::Image* image = nullptr;
  SIZE image_size{};
  std::shared_ptr<const plat::Image> image_copy;
  std::string text;
  plat::Font font;
  plat::TextAlign align = plat::TextAlign::Left;
};

using Recording = std::vector<DrawOp>;

// Writes over the recording it is given, reusing its elements (and their
// strings' storage), so that a paint repeated in steady state allocates
// nothing; finish() drops what the paint did not reach.
class RecordingCanvas final : public plat::Canvas {
 public:
  RecordingCanvas(Recording& out, bool copy_images, const RECT& paint)
      : out_(out), copy_images_(copy_images), paint_(paint) {}
  void finish() { out_.resize(used_); }

  RECT paint_rect() const override { return paint_; }
  void fill_rect(const RECT& r, COLORREF color) override;
  void frame_rect(const RECT& r, COLORREF color) override;
  void draw_image(const plat::Image& img, int x, int y, const RECT& clip) override;
  void draw_text(std::string_view line, const plat::Font& font, COLORREF color, const RECT& box,
                 plat::TextAlign align) override;

 private:
  DrawOp& next(DrawKind kind);
  Recording& out_;
  bool copy_images_;
  RECT paint_;
  std::size_t used_ = 0;
};

// The texts drawn, in drawing order.
std::vector<std::string> drawn_texts(const Recording& recording);
// One line per operation, e.g. `text "24:59" Calibri -96 0x00FFFFFF 10,20,300,140`.
std::string describe(const DrawOp& op);
std::vector<std::string> describe(const Recording& recording);

}  // namespace sim
