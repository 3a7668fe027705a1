#include "switcher_steps.h"

#include <cstdio>

#include "driver/input.h"
#include "driver/message_boxes.h"
#include "driver/wait.h"

namespace tour {

namespace {

using namespace std::chrono_literals;

using e2e::slatebar::window_list_form;

// The pointer on the first column: the strip comes in, a window of
// another program open beside it to be switched to.
std::expected<void, std::string> strip_in(Context& context) {
  if (auto ready = unlocked(context, "tour-switcher"); !ready) return ready;
  e2e::Session& session = context.session;
  auto other = session.open_window(e2e::WindowSpec::of("TourNotes", "Notes").at({560, 140, 360, 260}));
  if (!other) return std::unexpected(other.error());
  const int h = session.screen().height;
  session.input().move_to({0, h / 2});
  if (!e2e::wait_until(3s, [&] {
        auto w = e2e::slatebar::form(session, "frmAppSwitcher");
        return w && w->visible && w->rect.x == 0;
      })) {
    return std::unexpected("the strip did not come in");
  }
  auto shot = context.shoot("08-strip-in");
  if (!shot) return std::unexpected(shot.error());
  return {};
}

// A press on the strip: without composition the window list warns first.
// The person lets go on seeing the warning and clicks its OK; the strip
// and the list are then at rest, and the strip goes back once the pointer
// leaves the edge.
std::expected<void, std::string> pressed(Context& context) {
  e2e::Session& session = context.session;
  const int h = session.screen().height;
  session.input().move_to({2, h / 2});
  e2e::ButtonHold held(session.input(), e2e::Button::Left);
  auto box = e2e::wait_for_box(session, {}, 10s);
  if (!box) {
    std::fprintf(stderr, "tour:   the press showed no box\n");
    held.release();
    return {};
  }
  std::fprintf(stderr, "tour:   the press said \"%s\"\n", box->text().c_str());
  auto shot = context.shoot("09-strip-pressed");
  if (!shot) return std::unexpected(shot.error());
  held.release();
  if (auto answered = e2e::answer_box(session, *box, e2e::Answer::Ok); !answered) {
    return std::unexpected(answered.error());
  }
  if (!e2e::wait_until(5s, [&] {
        auto list = window_list_form(session);
        auto strip = e2e::slatebar::form(session, "frmAppSwitcher");
        return list && !list->visible && strip && strip->rect.x == -40;
      })) {
    return std::unexpected("the strip and the window list did not come to rest after the box");
  }
  return {};
}

// Nothing in the program opens the settings dialog; the harness shows it.
std::expected<void, std::string> settings(Context& context) {
  e2e::Session& session = context.session;
  auto shown = session.run_helper({"show", "frmSetting"});
  if (!shown) return std::unexpected(shown.error());
  if (!e2e::wait_until(5s, [&] {
        auto w = e2e::slatebar::form(session, "frmSetting");
        return w && w->visible;
      })) {
    return std::unexpected("the settings dialog did not come up");
  }
  auto shot = context.shoot("11-settings");
  if (!shot) return std::unexpected(shot.error());
  // Hidden again the same way: the program's own OK would leave alone a
  // dialog it never showed.
  if (auto hidden = session.run_helper({"show", "frmSetting", "off"}); !hidden) return std::unexpected(hidden.error());
  return {};
}

}  // namespace

std::vector<Step> switcher_steps() {
  return {
      {"08-strip-in", "the left-edge strip slid in, the pointer on the first column", strip_in},
      {"09-strip-pressed", "a press on the strip, with the compositor's answer on this machine, let go of and "
                           "answered with a click on OK", pressed},
      {"11-settings", "the settings dialog, shown by the tour (nothing in the program opens it)", settings},
  };
}

}  // namespace tour
