// Errors raised inside event handlers. The application catches them where
// it calls a handler and shows them in the standard error box.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace ui {

class Error : public std::runtime_error {
 public:
  explicit Error(const std::string& message) : std::runtime_error(message) {}
};

// The text of the standard error box: a full stop is appended when the
// last character sorts after the full stop, so "abc" reads "abc." while
// "abc!" and "abc." are left alone.
std::string error_box_text(std::string_view message);

}  // namespace ui
