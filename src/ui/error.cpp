#include "ui/error.h"

namespace ui {

std::string error_box_text(std::string_view message) {
  std::string text(message);
  if (!text.empty() && static_cast<unsigned char>(text.back()) > static_cast<unsigned char>('.')) {
    text += '.';
  }
  return text;
}

}  // namespace ui
