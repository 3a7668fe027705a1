// The main of every end-to-end group: GoogleTest with the failure recorder.
// A group whose every test was skipped (the program or the helper not
// built) exits 77, which ctest reports as skipped rather than passed.
#include <gtest/gtest.h>

#include "e2e_test.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  e2e::testing::install_listener(argv[0]);
  const int status = RUN_ALL_TESTS();
  const auto* unit = ::testing::UnitTest::GetInstance();
  if (status == 0 && unit->test_to_run_count() > 0 && unit->skipped_test_count() == unit->test_to_run_count()) {
    return 77;
  }
  return status;
}
