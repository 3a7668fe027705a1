// conformance_tests: the table's rows on the simulated desktop, as a
// GoogleTest program; `--write-table` writes the rows into docs/conformance.md
// instead of testing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "sim/table_document.h"

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "--write-table") == 0) {
    if (conformance::write_table_section(conformance::kTableDocument)) {
      std::printf("wrote %s\n", conformance::kTableDocument.string().c_str());
      return 0;
    }
    std::printf("no table markers in %s\n", conformance::kTableDocument.string().c_str());
    return 1;
  }
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
