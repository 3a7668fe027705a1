// GoogleTest glue for end-to-end groups. One test executable is one group:
// it shares one Session (virtual display and prefix) across its tests,
// because a fresh X server and prefix per test would cost seconds each.
// Between tests the Wine programs and the prefix's server are ended, so
// every test starts with none of them running. A failed assertion writes
// the screen and both window lists into the build folder's e2e-failures.
#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "driver/geometry.h"
#include "driver/session.h"

namespace e2e::testing {

// The group's session at this screen size, started on first use and
// restarted on a new X server when a test asks for another size.
// Fails the current test (fatally) when it cannot be started.
Session* session(ScreenSize size = {1024, 768, 24}, std::optional<SecondMonitor> second = std::nullopt);

// Ends the group's session (the listener does this after the last test).
void end_session();

// Names the group after its executable and installs the failure recorder;
// called by the group's main.
void install_listener(const char* argv0);

// Base of end-to-end tests: fails when `unavailable()` names a reason,
// ends Wine's programs after each test.
class E2eTest : public ::testing::Test {
 protected:
  // The reason this group cannot run here, or nothing. The default checks
  // for the tools and the helper exe.
  virtual std::optional<std::string> unavailable() const;
  void SetUp() override;
  void TearDown() override;
  Session& s() { return *session_; }
  // Another screen size for this test: ASSERT_TRUE(resize({800, 600})).
  bool resize(ScreenSize size);
  // A desk of two monitors for this test: the primary and one beside it.
  bool use_desk(ScreenSize primary, SecondMonitor second);

 private:
  Session* session_ = nullptr;
};

}  // namespace e2e::testing
