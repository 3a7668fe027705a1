#include "driver/message_boxes.h"

#include <cstdio>
#include <sstream>

#include "driver/wait.h"

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

// The system draws the buttons in the user's language; the groups run
// Wine in English and in Spanish.
std::optional<DialogControl> button_for(const Dialog& box, Answer answer) {
  static constexpr std::string_view kSpanish[] = {"Aceptar", "Sí", "No", "Cancelar"};
  if (auto english = box.button(label_of(answer))) return english;
  return box.button(kSpanish[static_cast<int>(answer)]);
}

bool still_up(Session& session, std::uint64_t hwnd) {
  auto boxes = session.dialogs();
  if (!boxes) return true;
  for (const Dialog& d : *boxes) {
    if (d.hwnd == hwnd) return true;
  }
  return false;
}

bool overlaps(const Rect& a, const Rect& b) {
  return a.x < b.right() && b.x < a.right() && a.y < b.bottom() && b.y < a.bottom();
}

// The share of a box's rectangle that must show its face colour: the rest
// is its frame, caption, text, icon and buttons (measured: about 0.7 to
// 0.8 of a Wine box is face).
constexpr double kFaceShare = 0.4;

// Waits for the box to be seen; on a miss, why not.
std::optional<std::string> wait_seen(Session& session, const Dialog& box) {
  using namespace std::chrono_literals;
  std::optional<std::string> why;
  wait_until(5s, [&] { return !(why = unseen(session, box)); }, 200ms);
  return why;
}

std::unexpected<std::string> failed(Session& session, const Dialog& box, const std::string& what) {
  std::ostringstream why;
  why << what << ": " << box << "; screen and window lists in " << session.record("box-" + box.caption).string();
  return std::unexpected(why.str());
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

std::optional<std::string> unseen(Session& session, const Dialog& box) {
  auto list = session.windows();
  if (!list) return list.error();
  const auto self = list->by_hwnd(box.hwnd);
  if (!self) return "the box is gone from the window list";
  const auto at = list->z_index(box.hwnd);
  for (std::size_t i = 0; i < *at; ++i) {
    const WinWindow& w = list->windows[i];
    if (w.visible && w.pid == self->pid && overlaps(w.rect, box.rect)) {
      std::ostringstream why;
      why << "behind its program's window " << w;
      return why.str();
    }
  }
  auto shot = session.screenshot();
  if (!shot) return shot.error();
  const double face = shot->fraction(box.rect, near_to(box.face, 8));
  if (face < kFaceShare) {
    std::ostringstream why;
    why << "its rectangle shows only " << face << " of its face colour " << box.face;
    return why.str();
  }
  return std::nullopt;
}

std::expected<void, std::string> answer_box(Session& session, const Dialog& box, Answer answer) {
  const auto button = button_for(box, answer);
  if (!button) {
    std::ostringstream why;
    why << "the box has no button " << label_of(answer) << ": " << box;
    return std::unexpected(why.str());
  }
  if (auto why = wait_seen(session, box)) {
    return failed(session, box, "a person cannot see the box (" + *why + ")");
  }
  auto gone = [&](std::chrono::milliseconds within) {
    return wait_until(within, [&] { return !still_up(session, box.hwnd); }, 100ms);
  };
  // A click can go astray while the box is still being drawn or a loaded
  // machine lags; a person whose click did nothing clicks again.
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) {
      std::fprintf(stderr, "[ BOX      ] \"%s\" still up after a click on %s; once more\n", box.caption.c_str(),
                   label_of(answer).data());
      if (auto why = wait_seen(session, box)) {
        return failed(session, box, "the box went out of sight (" + *why + ")");
      }
    }
    session.input().click_at(button->rect.center());
    if (gone(5s)) return {};
  }
  return failed(session, box, "the box is still up after three clicks on " + std::string(label_of(answer)));
}

Answer BoxPolicy::answer_for(const Dialog& box) const {
  for (const auto& [caption, answer] : answers) {
    if (caption == box.caption) return answer;
  }
  const auto buttons = box.buttons();
  if (!buttons.empty() && (buttons.front() == "Yes" || buttons.front() == "Sí")) return Answer::Yes;
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
          auto answered = answer_box(session, d, policy.answer_for(d));
          if (!answered) failure = answered.error();
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
