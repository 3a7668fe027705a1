// The tour's steps. Each drives the program the way a person would (the
// pointer, the buttons, the keys) and then shoots the screen.
#include <cstdio>
#include <sstream>

#include "driver/message_boxes.h"
#include "driver/screen_wait.h"
#include "driver/wait.h"
#include "actions_steps.h"
#include "frame_steps.h"
#include "lock_steps.h"
#include "menu_steps.h"
#include "switcher_steps.h"
#include "tour.h"

namespace tour {

using namespace std::chrono_literals;

std::expected<std::filesystem::path, std::string> Context::shoot(std::string_view name) {
  auto shot = e2e::wait_until_still(session.x(), 1s, 15s);
  if (!shot) {
    // A screen that never settles (an animation) is still worth a picture.
    shot = session.screenshot();
    if (!shot) return std::unexpected(shot.error());
  }
  return keep(name, *shot);
}

std::expected<std::filesystem::path, std::string> Context::keep(std::string_view name, const e2e::Screenshot& shot) {
  // Blank: one colour over nearly all of it (a flat frame with a cursor
  // or a stray line still counts as blank).
  const e2e::Rgb middle = shot.at(shot.width() / 2, shot.height() / 2);
  if (shot.fraction(shot.bounds(), e2e::near_to(middle, 4)) > 0.995) {
    return std::unexpected("the shot " + std::string(name) + " is blank: one colour all over");
  }
  const std::filesystem::path path = out_dir / (std::string(name) + ".png");
  if (auto written = shot.write_png(path); !written) return std::unexpected(written.error());
  shots.push_back(path);
  return path;
}

std::expected<void, std::string> unlocked(Context& context, std::string_view copy_name) {
  e2e::Session& session = context.session;
  if (!context.program) {
    auto started = e2e::slatebar::start(session, copy_name);
    if (!started) return std::unexpected(started.error());
    context.program = std::move(*started);
    return e2e::slatebar::unlock_started(session);
  }
  return e2e::slatebar::unlock(session);
}

namespace {

// Whatever the program shows once it has started and its start-up boxes
// (the compositor notice, the picture question) have been answered.
std::expected<void, std::string> start_screen(Context& context) {
  auto started = e2e::slatebar::start(context.session, "tour");
  if (!started) return std::unexpected(started.error());
  context.program = std::move(*started);
  for (const e2e::BoxSeen& box : context.program->boxes) {
    std::ostringstream line;
    line << box;
    std::fprintf(stderr, "tour:   answered %s\n", line.str().c_str());
  }
  std::fprintf(stderr, "tour:   the icon bar's window came after %lld ms\n",
               static_cast<long long>(context.program->until_bar.count()));
  auto shot = context.shoot("01-start");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

}  // namespace

std::vector<Step> steps() {
  std::vector<Step> all = {
      {"01-start", "the start screen", start_screen},
  };
  for (Step& step : lock_steps()) all.push_back(std::move(step));
  for (Step& step : frame_steps()) all.push_back(std::move(step));
  for (Step& step : menu_steps()) all.push_back(std::move(step));
  // Before the actions: under Wine without a window manager, the frame
  // opened again from the Start icon lands above the strip on the X side.
  for (Step& step : switcher_steps()) all.push_back(std::move(step));
  for (Step& step : actions_steps()) all.push_back(std::move(step));
  return all;
}

}  // namespace tour
