// Message boxes as a person meets them: a box comes up with a caption, a
// text and buttons; the person sees it, reads it and answers with a click
// on its button. Wine draws a box as
// one top-level X window titled with the caption; its text and buttons are
// child windows that only the Windows side sees, so the helper reads them
// (and where each button is). A box that cannot be seen cannot be
// answered: it stands behind the program's windows in the window
// manager's order, or its rectangle on the screen does not show it. Then
// the answer fails, with the screen and the window lists recorded.
#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/session.h"
#include "driver/windows_side.h"

namespace e2e {

enum class Answer { Ok, Yes, No, Cancel };

// A box with this caption (any caption when empty), once it is up.
std::expected<Dialog, std::string> wait_for_box(Session& session, std::string_view caption,
                                                std::chrono::milliseconds timeout = 20s);

// Why a person could not see this box now, or nothing when they can: it
// must stand in front of every visible window of its process that it
// overlaps (z-order from the window list), and its rectangle on the
// screen must show mostly its own face colour.
std::optional<std::string> unseen(Session& session, const Dialog& box);

// Answers once the box is seen, by a click on the button where it is
// drawn, and waits until it has gone. A box left up is clicked once more,
// as a person would.
std::expected<void, std::string> answer_box(Session& session, const Dialog& box, Answer answer);

// What a box said, for comparing a run's boxes with a table.
struct BoxSeen {
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;
  bool icon = false;
  friend bool operator==(const BoxSeen&, const BoxSeen&) = default;
};
std::ostream& operator<<(std::ostream& out, const BoxSeen& box);
BoxSeen seen(const Dialog& box);

// How to answer each box by its caption; a caption not listed gets the
// first button's answer (OK, or Yes).
struct BoxPolicy {
  std::vector<std::pair<std::string, Answer>> answers;
  Answer answer_for(const Dialog& box) const;
};

// The program's boxes at start: "Aero Disabled" (caption "Slatebar") on
// this machine, possibly the picture confirmation ("Confirm", Yes/No) and
// "There were errors." ("Error"). Answered No to the confirmation unless
// told otherwise.
BoxPolicy startup_policy(Answer confirm = Answer::No);

// Answers boxes as they come until none has come for `quiet` and
// `settled` holds, or `timeout` ends; returns the boxes in order.
std::expected<std::vector<BoxSeen>, std::string> answer_boxes(
    Session& session, const BoxPolicy& policy, std::chrono::milliseconds quiet = 3s,
    std::chrono::milliseconds timeout = 90s, const std::function<bool()>& settled = [] { return true; });

}  // namespace e2e
