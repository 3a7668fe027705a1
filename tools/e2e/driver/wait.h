// Waiting on conditions with a deadline. Every wait of the harness polls a
// condition; none is a bare sleep, because Wine's timings vary by seconds
// between runs on the same machine.
#pragma once

#include <chrono>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

namespace e2e {

using std::chrono::milliseconds;
using Clock = std::chrono::steady_clock;

// The poll interval: short against a person's reaction, long against an
// X round trip or a helper start (about 75 ms when the server is up).
inline constexpr milliseconds kPollInterval{20};

// Polls `condition` until it returns true (or a value, for std::optional
// results) or the time is up. Returns the last result.
template <typename Condition>
auto wait_until(milliseconds timeout, Condition&& condition, milliseconds poll = kPollInterval) {
  const auto deadline = Clock::now() + timeout;
  for (;;) {
    auto result = condition();
    if (result || Clock::now() >= deadline) return result;
    std::this_thread::sleep_for(poll);
  }
}

// Polls until `condition` has held on every poll for `quiet`, or the time
// is up; for "nothing more happens", such as no further start-up box.
template <typename Condition>
bool wait_steady(milliseconds quiet, milliseconds timeout, Condition&& condition,
                 milliseconds poll = kPollInterval) {
  const auto deadline = Clock::now() + timeout;
  std::optional<Clock::time_point> since;
  for (;;) {
    const auto now = Clock::now();
    if (condition()) {
      if (!since) since = now;
      if (now - *since >= quiet) return true;
    } else {
      since.reset();
    }
    if (now >= deadline) return false;
    std::this_thread::sleep_for(poll);
  }
}

}  // namespace e2e
