#include "driver/strip.h"

#include <thread>
#include <vector>

#include "driver/message_boxes.h"
#include "driver/slatebar.h"
#include "driver/wait.h"

namespace e2e::strip {

using namespace std::chrono_literals;

std::expected<WinWindow, std::string> comes_in(Session& session) {
  session.input().move_to({0, session.screen().height / 2});
  auto in = wait_until(5s, [&] {
    auto w = slatebar::form(session, "frmAppSwitcher");
    return w && w->visible && w->rect.x == 0 ? w : std::nullopt;
  });
  if (!in) return std::unexpected("the strip did not come in; " + session.record("strip-in").string());
  return *in;
}

namespace {

std::expected<Dialog, std::string> the_warning(Session& session) {
  auto box = wait_for_box(session, "Warning", 10s);
  if (!box) return std::unexpected(box.error());
  if (box->text() != "Aero is not enabled") return std::unexpected("the box said: " + box->text());
  if (box->buttons() != std::vector<std::string>{"OK"}) return std::unexpected("the box's buttons differ");
  return box;
}

}  // namespace

std::expected<void, std::string> press(Session& session, Point at) {
  session.input().move_to(at);
  ButtonHold hold(session.input(), Button::Left);
  auto box = the_warning(session);
  if (!box) return std::unexpected(box.error());
  hold.release();
  if (auto answered = answer_box(session, *box, Answer::Ok); !answered) {
    return std::unexpected(answered.error());
  }
  auto list_gone = wait_until(5s, [&] {
    auto list = slatebar::window_list_form(session);
    return list && !list->visible;
  });
  if (!list_gone) return std::unexpected("the window list stayed after the box; " + session.record("strip-box").string());
  // The pointer is on the box's OK, far from the edge: a strip no longer
  // dragging goes back to its rest on its next tick.
  auto rest = wait_until(5s, [&] {
    auto w = slatebar::form(session, "frmAppSwitcher");
    return w && w->rect.x == -40;
  });
  if (!rest) return std::unexpected("the strip stayed where it was pressed; " + session.record("strip-rest").string());
  return {};
}

void drag_held(Session& session, Point from, Point to, int steps) {
  for (int i = 1; i <= steps; ++i) {
    session.input().move_to({from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps});
    std::this_thread::sleep_for(40ms);
  }
  std::this_thread::sleep_for(300ms);
}

}  // namespace e2e::strip
