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

// Keys reach a box only once it is the active window. A box normally is
// at once; measured under Wine, one shown by a press on a window that was
// already active can stay behind the keyboard focus. A person would then
// click into the box first: with the right button on an empty spot of it
// (left of its buttons), which activates it without answering, and also
// works while the left button is held for a drag.
void give_keys_to(Session& session, const Dialog& box) {
  using namespace std::chrono_literals;
  if (wait_until(1s, [&] { return has_focus(session, box.hwnd); }, 100ms)) return;
  std::fprintf(stderr, "[ FOCUS    ] box \"%s\" not active after 1 s; clicking into it\n", box.caption.c_str());
  // The pointer goes back where it was: a drag under way goes on from there.
  const Point was = session.input().pointer();
  session.input().click_at({box.rect.x + 8, box.rect.bottom() - 12}, Button::Right);
  session.input().move_to(was);
  wait_until(2s, [&] { return has_focus(session, box.hwnd); }, 100ms);
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
  if (by == AnswerBy::Click) {
    session.input().click_at(button->rect.center());
  } else {
    give_keys_to(session, box);
    session.input().tap(key_of(answer));
  }
  if (!wait_until(10s, [&] { return !still_up(session, box.hwnd); }, 100ms)) {
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
