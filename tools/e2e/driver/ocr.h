// Reading the screen's texts as a person reads them, with tesseract: a
// part of a screenshot, white text kept and everything else dropped, read
// word by word with each word's place on the screen.
#pragma once

#include <expected>
#include <string>
#include <string_view>
#include <vector>

#include "driver/geometry.h"
#include "driver/screenshot.h"

namespace e2e {

struct OcrWord {
  std::string text;  // UTF-8
  Rect box;          // on the screen
  int line = 0;      // words of one line share this number
};

// The white texts of `area` (light pixels on anything darker: the
// program's texts on its pictures and black panels), in reading order.
// `language` is tesseract's: "eng", "spa".
std::expected<std::vector<OcrWord>, std::string> read_white_text(const Screenshot& shot, Rect area,
                                                                 std::string_view language = "eng");

// The words of each line joined by spaces, top to bottom.
std::vector<std::string> lines_of(const std::vector<OcrWord>& words);
// Each of those lines' box on the screen: the union of its words'.
std::vector<Rect> line_boxes(const std::vector<OcrWord>& words);

}  // namespace e2e
