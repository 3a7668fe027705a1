// Forms are made through a factory: a constructor that fails (a design
// that does not load, a component missing from it) gives its error as a
// value, and the half-built form is gone before anyone can reach it, so no
// handler of it ever runs.
#pragma once

#include <exception>
#include <expected>
#include <memory>
#include <string>

namespace ui {

class Application;

template <class T>
using MadeForm = std::expected<std::unique_ptr<T>, std::string>;

// T(Application&) constructs the form; the error is the text of what it raised.
template <class T>
MadeForm<T> make_form(Application& app) noexcept {
  try {
    return std::make_unique<T>(app);
  } catch (const std::exception& e) {
    return std::unexpected(std::string(e.what()));
  } catch (...) {
    return std::unexpected(std::string("Unknown error"));
  }
}

}  // namespace ui
