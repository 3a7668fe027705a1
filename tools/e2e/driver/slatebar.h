// Slatebar under test: where its distributable folder is, a fresh copy of
// it for a test group (some tests need a pristine pics\), a start of it,
// and its start-up boxes answered.
#pragma once

#include <chrono>
#include <expected>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "driver/message_boxes.h"
#include "driver/windows_side.h"
#include "driver/session.h"

namespace e2e::slatebar {

// The icon bar's class, which the single-instance test looks for.
inline constexpr std::string_view kBarClass = "SlatebarCLS";
inline constexpr std::string_view kTitle = "Slatebar";

// Why the program cannot be tested here (it or a tool the tests need is
// missing), or nothing when it can.
std::optional<std::string> unavailable();
std::filesystem::path exe_in(const std::filesystem::path& folder);

// The distributable folder copied to <work>/<name>, replacing an older copy.
std::expected<std::filesystem::path, std::string> fresh_copy(Session& session, std::string_view name);
// The same copied to C:\Slatebar\<name> in the prefix, where a person keeps
// a program: what the program builds from its folder (the start page's
// address) is then the same wherever the project is cloned.
std::expected<std::filesystem::path, std::string> installed_copy(Session& session, std::string_view name);

// slatebar.exe of `folder`, started with that folder as its working folder.
std::expected<std::reference_wrapper<WineProcess>, std::string> launch(Session& session,
                                                                       const std::filesystem::path& folder);

// A fresh copy named `copy_name`, started; nothing answered or waited for.
std::expected<std::reference_wrapper<WineProcess>, std::string> launch_copy(Session& session,
                                                                            std::string_view copy_name);

// The program's icon bar window, existing (visible or not), waited for
// with the first-window deadline.
std::expected<WinWindow, std::string> wait_for_bar(Session& session,
                                                   std::chrono::milliseconds timeout = kFirstWindowTimeout);

struct Started {
  WineProcess* process = nullptr;
  WinWindow bar;
  std::vector<BoxSeen> boxes;  // the start-up boxes, in order
  // From the launch until the bar's window was first seen (boxes answered
  // on the way included); for reports, never for assertions.
  std::chrono::milliseconds until_bar{0};
};

// slatebar.exe of a prepared folder started, its start-up boxes answered
// and its bar shown (the start-up sequence over); a start that Wine itself
// broke is tried once more.
std::expected<Started, std::string> start_in(Session& session, const std::filesystem::path& folder,
                                             const BoxPolicy& policy = startup_policy());

// The same in a fresh copy named `copy_name`.
std::expected<Started, std::string> start(Session& session, std::string_view copy_name,
                                          const BoxPolicy& policy = startup_policy());

// One of the program's forms, by its window title (the form's name),
// visible or not; nothing while the program has no such window.
std::optional<WinWindow> form(Session& session, std::string_view name);
// Any top-level window of this title, topmost first: one of the program's,
// visible or not; the first visible one; every visible one.
std::optional<WinWindow> titled(Session& session, std::string_view title);
std::optional<WinWindow> visible_titled(Session& session, std::string_view title);
std::vector<WinWindow> all_visible_titled(Session& session, std::string_view title);
// A window of this title is up.
bool shown(Session& session, std::string_view title);

// A drag with the left button up from the lock screen's bottom band,
// starting `from_bottom` pixels above the screen's bottom edge: moves in
// small steps with time for the tracking loop's polls between them, and
// a pause before the release so that its last poll has seen the last place.
// `while_held` runs there, with the screen pushed up and the button down.
void drag_lock_screen(Session& session, int distance, int from_bottom = 100,
                      const std::function<void()>& while_held = {});

// The lock screen, if it is up, pushed 300 pixels up and away (at 100 %,
// grown with the session's scale) as a person does; then waits until it
// and the welcome screen behind it have gone.
std::expected<void, std::string> unlock(Session& session);

// After a start: the lock screen waited for (it comes up with the start,
// within 20 s), then unlocked.
std::expected<void, std::string> unlock_started(Session& session);

// Where the welcome screen writes "Welcome" (under the user's name, right
// of the picture, which it centres on the screen).
inline Rect welcome_greeting(ScreenSize size) { return {size.width / 2 - 63 + 130, size.height / 4 + 40, 90, 26}; }

// The window list form: it has no caption, so it is the program's one
// form of its design size, 415 x 282.
std::optional<WinWindow> window_list_form(Session& session);

}  // namespace e2e::slatebar
