#include "e2e_test.h"

#include <filesystem>
#include <memory>

#include "driver/paths.h"
#include "driver/requirements.h"

namespace e2e::testing {
namespace {

std::unique_ptr<Session> g_session;
std::string g_group = "e2e";

// Records the screen at the first failed assertion of each test, while
// the windows that failed it are still up.
class FailureRecorder : public ::testing::EmptyTestEventListener {
 public:
  // The name is kept here because GoogleTest holds its lock while it
  // reports a part result, so asking it for the current test would hang.
  void OnTestStart(const ::testing::TestInfo& info) override {
    recorded_ = false;
    label_ = std::string(info.test_suite_name()) + "." + info.name();
  }
  void OnTestPartResult(const ::testing::TestPartResult& result) override {
    if (!result.failed() || recorded_ || !g_session) return;
    recorded_ = true;
    const std::filesystem::path shot = g_session->record(label_);
    std::printf("[ RECORDED ] %s (and .txt with the window lists)\n", shot.c_str());
  }
  void OnTestProgramEnd(const ::testing::UnitTest&) override { end_session(); }

 private:
  bool recorded_ = false;
  std::string label_ = "e2e";
};

}  // namespace

Session* session(ScreenSize size, std::optional<SecondMonitor> second) {
  if (g_session && g_session->screen() == size && g_session->second() == second) return g_session.get();
  g_session.reset();
  auto started = Session::start({g_group, size, second});
  if (!started) {
    ADD_FAILURE() << "cannot start the end-to-end session: " << started.error();
    return nullptr;
  }
  g_session = std::move(*started);
  return g_session.get();
}

void end_session() { g_session.reset(); }

void install_listener(const char* argv0) {
  g_group = std::filesystem::path(argv0 ? argv0 : "e2e").filename().string();
  ::testing::UnitTest::GetInstance()->listeners().Append(new FailureRecorder);
}

std::optional<std::string> E2eTest::unavailable() const { return missing_tools(); }

void E2eTest::SetUp() {
  // Not a skip: a group that cannot run here has checked nothing.
  if (auto reason = unavailable()) GTEST_FAIL() << "cannot run: " << *reason;
  session_ = session();
  ASSERT_NE(session_, nullptr);
}

void E2eTest::TearDown() {
  if (!session_) return;
  if (auto ended = session_->end_wine(); !ended) ADD_FAILURE() << ended.error();
}

bool E2eTest::resize(ScreenSize size) {
  if (auto ended = session_->end_wine(); !ended) ADD_FAILURE() << ended.error();
  session_ = session(size);
  return session_ != nullptr;
}

bool E2eTest::use_desk(ScreenSize primary, SecondMonitor second) {
  if (auto ended = session_->end_wine(); !ended) ADD_FAILURE() << ended.error();
  session_ = session(primary, second);
  return session_ != nullptr;
}

}  // namespace e2e::testing
