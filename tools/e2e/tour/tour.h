// The guided tour: Slatebar started on a virtual display and shown screen
// by screen, each screen written as a PNG into tour/. A step drives the
// program to a screen a person would see and takes its picture; later
// work adds steps to the list in steps.cpp, in the order a person would
// meet the screens.
#pragma once

#include <expected>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/session.h"
#include "driver/slatebar.h"

namespace tour {

struct Context {
  e2e::Session& session;
  std::filesystem::path out_dir;
  std::optional<e2e::slatebar::Started> program;  // set by the first step
  std::vector<std::filesystem::path> shots;

  // Waits for the screen to settle and keeps it.
  std::expected<std::filesystem::path, std::string> shoot(std::string_view name);
  // Writes the shot as out_dir/<name>.png; a shot of one flat colour (the
  // browser frame under Wine, which has no HTML engine here) shows a
  // person nothing and is refused.
  std::expected<std::filesystem::path, std::string> keep(std::string_view name, const e2e::Screenshot& shot);
};

struct Step {
  std::string_view name;  // also the file name of its screenshot, if it takes one
  std::string_view what;  // one line for the person reading the output
  std::function<std::expected<void, std::string>(Context&)> run;
};

// The tour's screens, in order.
std::vector<Step> steps();

// Started (as a fresh copy of that name, if no step has started it yet)
// and unlocked, whatever the steps before left.
std::expected<void, std::string> unlocked(Context& context, std::string_view copy_name);

}  // namespace tour
