// The main of every end-to-end group: GoogleTest with the failure recorder.
// A skipped test fails the group: every check here must run, and one that
// skipped itself would pass unseen.
#include <gtest/gtest.h>

#include <cstdio>

#include "e2e_test.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  e2e::testing::install_listener(argv[0]);
  const int status = RUN_ALL_TESTS();
  const int skipped = ::testing::UnitTest::GetInstance()->skipped_test_count();
  if (status == 0 && skipped > 0) {
    std::printf("FAILED: %d test(s) skipped; an end-to-end check may not skip itself\n", skipped);
    return 1;
  }
  return status;
}
