#include "e2e/message_boxes.h"

#include <X11/keysym.h>

#include <cstdio>
#include <sstream>

#include "e2e/wait.h"

namespace e2e {
namespace {

std::string_view label_of(Answer answer) {
  switch (answer) {
    case Answer::Ok: return "OK";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Cancel: return "Cancel";
  }
  return "OK";
}

KeySymbol key_of(Answer answer) {
  switch (answer) {
    case Answer::Ok: return XK_Return;
    case Answer::Yes: return XK_y;
    case Answer::No: return XK_n;
    case Answer::Cancel: return XK_Escape;
  }
  return XK_Return;
}

bool still_up(Session& session, std::uint64_t hwnd) {
  auto boxes = session.dialogs();
  if (!boxes) return true;
  for (const Dialog& d : *boxes) {
    if (d.hwnd == hwnd) return true;
  }
  return false;
}

bool has_focus(Session& session, std::uint64_t hwnd) {
  auto list = session.windows();
  return list && list->foreground == hwnd;
}

// A right click on an empty spot of the box (left of its buttons), as a
// person clicks into a window to type into it: it activates the box
// without answering it, also while the left button is held for a drag.
// The pointer goes back where it was, so a drag under way goes on from there.
void click_into(Session& session, const Dialog& box) {
  using namespace std::chrono_literals;
  const Point was = session.input().pointer();
  session.input().click_at({box.rect.x + 8, box.rect.bottom() - 12}, Button::Right);
  session.input().move_to(was);
  wait_until(2s, [&] { return has_focus(session, box.hwnd); }, 100ms);
}

// Keys reach a box only once it is the active window. A box normally is
// at once; measured under Wine, one shown by a press on a window that was
// already active can stay behind the keyboard focus.
void give_keys_to(Session& session, const Dialog& box) {
  using namespace std::chrono_literals;
  if (wait_until(1s, [&] { return has_focus(session, box.hwnd); }, 100ms)) return;
  std::fprintf(stderr, "[ FOCUS    ] box \"%s\" not active after 1 s; clicking into it\n", box.caption.c_str());
  click_into(session, box);
}

}  // namespace

std::ostream& operator<<(std::ostream& out, const BoxSeen& box) {
  out << '"' << box.caption << "\": \"" << box.text << "\" [";
  const char* separator = "";
  for (const std::string& b : box.buttons) {
    out << separator << b;
    separator = ", ";
  }
  return out << ']' << (box.icon ? " with icon" : "");
}

BoxSeen seen(const Dialog& box) { return {box.caption, box.text(), box.buttons(), box.has_icon()}; }

std::expected<Dialog, std::string> wait_for_box(Session& session, std::string_view caption,
                                                std::chrono::milliseconds timeout) {
  std::string last_error;
  auto found = wait_until(
      timeout,
      [&]() -> std::optional<Dialog> {
        auto boxes = session.dialogs(caption);
        if (!boxes) {
          last_error = boxes.error();
          return std::nullopt;
        }
        // A box's buttons are created after the box itself; a box is up
        // once a person could answer it.
        for (Dialog& d : *boxes) {
          if (!d.buttons().empty()) return std::move(d);
        }
        return std::nullopt;
      },
      100ms);
  if (found) return *found;
  return std::unexpected("no box \"" + std::string(caption) + "\" came up" +
                         (last_error.empty() ? "" : " (" + last_error + ")"));
}

std::expected<void, std::string> answer_box(Session& session, const Dialog& box, Answer answer, AnswerBy by) {
  const auto button = box.button(label_of(answer));
  if (!button) {
    std::ostringstream why;
    why << "the box has no button " << label_of(answer) << ": " << box;
    return std::unexpected(why.str());
  }
  bool gone = false;
  if (by == AnswerBy::Click) {
    session.input().click_at(button->rect.center());
    gone = wait_until(10s, [&] { return !still_up(session, box.hwnd); }, 100ms);
  } else {
    // On a loaded machine keys can miss a box that is the active window on
    // the Windows side (measured beside busy processes: the box stayed
    // up through three keys while foreground). A person whose key did
    // nothing clicks into the box and presses it again; should the keys
    // still go astray, its button is pressed through the helper, and where
    // the keyboard focus was is reported.
    give_keys_to(session, box);
    for (int attempt = 0; attempt < 3 && !gone; ++attempt) {
      if (attempt > 0) {
        std::fprintf(stderr, "[ FOCUS    ] box \"%s\" still up after its key; clicking into it\n",
                     box.caption.c_str());
        click_into(session, box);
      }
      session.input().tap(key_of(answer));
      gone = wait_until(2500ms, [&] { return !still_up(session, box.hwnd); }, 100ms);
    }
    if (!gone) {
      auto report = session.click_button(button->hwnd);
      std::fprintf(stderr, "[ FOCUS    ] box \"%s\" took no key (%s); its button pressed through the helper\n",
                   box.caption.c_str(), report ? report->c_str() : report.error().c_str());
      gone = wait_until(5s, [&] { return !still_up(session, box.hwnd); }, 100ms);
    }
  }
  if (!gone) {
    std::ostringstream why;
    why << "the box is still up after " << label_of(answer) << ": " << box;
    return std::unexpected(why.str());
  }
  return {};
}

Answer BoxPolicy::answer_for(const Dialog& box) const {
  for (const auto& [caption, answer] : answers) {
    if (caption == box.caption) return answer;
  }
  const auto buttons = box.buttons();
  if (!buttons.empty() && buttons.front() == "Yes") return Answer::Yes;
  return Answer::Ok;
}

BoxPolicy startup_policy(Answer confirm) {
  return {{{"Slatebar", Answer::Ok}, {"Confirm", confirm}, {"Error", Answer::Ok}}};
}

std::expected<std::vector<BoxSeen>, std::string> answer_boxes(Session& session, const BoxPolicy& policy,
                                                              std::chrono::milliseconds quiet,
                                                              std::chrono::milliseconds timeout,
                                                              const std::function<bool()>& settled) {
  std::vector<BoxSeen> boxes;
  std::string failure;
  const bool calm = wait_steady(
      quiet, timeout,
      [&] {
        if (!failure.empty()) return true;
        auto up = session.dialogs();
        if (!up) return false;
        for (const Dialog& d : *up) {
          if (d.buttons().empty()) return false;  // still being built
          boxes.push_back(seen(d));
          if (auto answered = answer_box(session, d, policy.answer_for(d)); !answered) failure = answered.error();
          return false;
        }
        return settled();
      },
      200ms);
  if (!failure.empty()) return std::unexpected(failure);
  if (!calm) return std::unexpected("boxes kept coming or the program did not settle");
  return boxes;
}

}  // namespace e2e
