// The conformance table on the Windows backend under Wine: the table's exe
// makes its own windows, runs every row and prints a line per row. Rows
// that Wine itself gets wrong are listed in the exe with the Wine test that
// shows it; every other row must hold.
#include <filesystem>
#include <iostream>
#include <regex>
#include <string>

#include "driver/paths.h"
#include "driver/requirements.h"
#include "e2e_test.h"

namespace e2e {
namespace {

using testing::E2eTest;

class Conformance : public E2eTest {
 protected:
  std::optional<std::string> unavailable() const override {
    if (!std::filesystem::exists(paths::conformance_exe())) {
      return "no conformance exe at " + paths::conformance_exe().string() + " (build the mingw-x86_64 preset first)";
    }
    return missing_tools();
  }
};

TEST_F(Conformance, EveryRowHoldsOnTheWindowsBackendOrIsWinesOwn) {
  auto launched = s().launch(paths::conformance_exe());
  ASSERT_TRUE(launched) << launched.error();
  WineProcess& table = *launched;
  const auto status = table.wait_exit(std::chrono::minutes(5));
  const std::string out = table.output();
  std::cout << out;
  ASSERT_TRUE(status) << "the table did not finish within five minutes:\n" << out;
  EXPECT_TRUE(status->exited_with(0)) << *status << "\n" << out;

  // Every row reported: a table that stopped early cannot pass.
  std::smatch counts;
  ASSERT_TRUE(std::regex_search(out, counts, std::regex(R"(conformance rows: (\d+))"))) << out;
  const int rows = std::stoi(counts[1]);
  ASSERT_TRUE(std::regex_search(out, counts, std::regex(R"(held (\d+), Wine's (\d+), failed (\d+))"))) << out;
  EXPECT_EQ(std::stoi(counts[1]) + std::stoi(counts[2]) + std::stoi(counts[3]), rows) << out;
  EXPECT_GT(rows, 20);
}

}  // namespace
}  // namespace e2e
