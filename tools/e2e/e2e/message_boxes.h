// Message boxes as a person meets them: a box comes up with a caption, a
// text and buttons; the person reads it and answers with a key or a click.
// Wine draws a box as one top-level X window titled with the caption; its
// text and buttons are child windows that only the Windows side sees, so
// the helper reads them. A box takes the keyboard focus when it comes up
// (measured: it is the foreground window), so keys reach it even when a
// topmost window of the program covers it and a click could not.
#pragma once

#include <chrono>
#include <expected>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "e2e/session.h"
#include "e2e/windows_side.h"

namespace e2e {

enum class Answer { Ok, Yes, No, Cancel };
enum class AnswerBy { Key, Click };

// A box with this caption (any caption when empty), once it is up.
std::expected<Dialog, std::string> wait_for_box(Session& session, std::string_view caption,
                                                std::chrono::milliseconds timeout = 20s);

// Answers and waits until that box has gone. By key: Return for OK, the
// accelerators 'y' and 'n' for Yes and No, Escape for Cancel.
std::expected<void, std::string> answer_box(Session& session, const Dialog& box, Answer answer,
                                            AnswerBy by = AnswerBy::Key);

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
