#include "actions_steps.h"

#include <X11/keysym.h>

#include <thread>

#include "driver/actions_menu.h"
#include "driver/input.h"
#include "driver/message_boxes.h"
#include "driver/wait.h"
#include "frame_steps.h"

namespace tour {

namespace {

using namespace std::chrono_literals;

constexpr int kSplashWidth = 389;
constexpr int kSplashHeight = 316;

// Started, whatever the steps before left.
std::expected<void, std::string> running(Context& context) {
  if (context.program) return {};
  auto started = e2e::slatebar::start(context.session, "tour-actions");
  if (!started) return std::unexpected(started.error());
  context.program = std::move(*started);
  return {};
}

// Shot at once: the splash does not wait for a still screen.
std::expected<void, std::string> shoot_now(Context& context, std::string_view name, const e2e::Screenshot& shot) {
  if (auto kept = context.keep(name, shot); !kept) return std::unexpected(kept.error());
  return {};
}

std::expected<void, std::string> splash(Context& context) {
  if (auto ready = running(context); !ready) return ready;
  e2e::Session& session = context.session;
  if (auto chosen = e2e::actions::choose(session, e2e::actions::kAbout); !chosen) return chosen;
  // Away from the bar, so that it slides out of the picture.
  session.input().move_to({session.screen().width / 4, session.screen().height / 2});
  const e2e::ScreenSize size = session.screen();
  const e2e::Rect border{(size.width - kSplashWidth) / 2 + 180, (size.height - kSplashHeight) / 2, 30, 2};
  const e2e::Rect inside{(size.width - kSplashWidth) / 2 + 20, (size.height - kSplashHeight) / 2 + 280, 40, 20};
  auto fully_shown = [&](const e2e::Screenshot& s) {
    return s.all(border, e2e::near_to(e2e::Rgb{255, 255, 255}, 0)) && s.all(inside, e2e::near_black);
  };
  if (!e2e::wait_until(15s, [&] { return e2e::slatebar::shown(session, "FormSplash"); })) {
    return std::unexpected("no splash after About");
  }
  std::optional<e2e::Screenshot> shot;
  // Pure white on the border, black inside, once the fade is over.
  const bool up = e2e::wait_until(6s, [&] {
    auto taken = session.screenshot();
    if (!taken) return false;
    shot = std::move(*taken);
    return fully_shown(*shot);
  });
  if (!up) return std::unexpected("the splash did not come up fully");
  std::this_thread::sleep_for(600ms);  // the bar on its way out
  if (auto later = session.screenshot(); later && fully_shown(*later)) shot = std::move(*later);
  if (auto written = shoot_now(context, "12-about-splash", *shot); !written) return written;
  if (!e2e::wait_until(15s, [&] { return !e2e::slatebar::shown(session, "FormSplash"); })) {
    return std::unexpected("the splash stayed");
  }
  return {};
}

std::expected<void, std::string> frame_from_start(Context& context) {
  if (auto ready = running(context); !ready) return ready;
  if (auto ready = unlocked(context, "tour-actions"); !ready) return ready;
  e2e::Session& session = context.session;
  // The frame's window carries the program's title.
  auto frame_open = [&] {
    auto frame = e2e::slatebar::form(session, e2e::slatebar::kTitle);
    return frame && frame->visible;
  };
  if (auto clicked = e2e::actions::click_icon(session, e2e::actions::Icon::Start); !clicked) return clicked;
  if (!e2e::wait_until(5s, frame_open)) return std::unexpected("the browser frame did not open");
  // With its location bar up, which shows the page's address: the page
  // itself stays blank under Wine.
  session.input().move_to({session.screen().width / 2, session.screen().height - 1});
  if (!e2e::wait_until(3s, [&] { return location_bar_up(session); })) {
    return std::unexpected("the location bar did not come up over the frame");
  }
  auto shot = context.shoot("13-frame-from-start");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

std::expected<void, std::string> not_yet_implemented(Context& context) {
  if (auto ready = running(context); !ready) return ready;
  e2e::Session& session = context.session;
  if (auto clicked = e2e::actions::click_icon(session, e2e::actions::Icon::Share); !clicked) return clicked;
  auto box = e2e::wait_for_box(session, e2e::slatebar::kTitle);
  if (!box) return std::unexpected(box.error());
  auto shot = context.shoot("14-not-yet-implemented");
  if (!shot) return std::unexpected(shot.error());
  if (auto answered = e2e::answer_box(session, *box, e2e::Answer::Ok); !answered) return answered;
  return {};
}

std::expected<void, std::string> lock_again(Context& context) {
  if (auto ready = running(context); !ready) return ready;
  e2e::Session& session = context.session;
  if (auto chosen = e2e::actions::choose(session, e2e::actions::kLock); !chosen) return chosen;
  session.input().move_to({session.screen().width / 2, session.screen().height / 2});
  if (!e2e::wait_until(10s, [&] {
        auto lock = e2e::slatebar::titled(session, "frmLogon");
        return lock && lock->visible && lock->rect.y == 0;
      })) {
    return std::unexpected("the lock screen did not come back");
  }
  auto shot = context.shoot("15-locked-again");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

}  // namespace

std::vector<Step> actions_steps() {
  return {
      {"12-about-splash", "the About splash over the desktop, chosen from the bar's context menu", splash},
      {"13-frame-from-start", "the browser frame opened from the bar's Start icon, its location bar up",
       frame_from_start},
      {"14-not-yet-implemented", "the box of the Share icon, whose screen does not exist yet", not_yet_implemented},
      {"15-locked-again", "Lock from the context menu: the lock screen back at the top", lock_again},
  };
}

}  // namespace tour
