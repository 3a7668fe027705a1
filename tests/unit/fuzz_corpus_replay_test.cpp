// Every committed fuzzing input, seeds and past findings alike, goes
// through the fuzzers' own entry points again, so that a fixed decoder
// fault stays fixed in every ordinary test run (and under the sanitizers
// in the host-asan pass). A contract break aborts inside the entry point.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "fuzz/fuzz_targets.h"

namespace {

namespace fs = std::filesystem;

struct Target {
  const char* folder;
  void (*entry)(std::span<const std::uint8_t>);
  std::size_t fewest_inputs;  // the seeds, so that a lost folder fails
};

TEST(FuzzCorpus, EveryCommittedInputReplaysCleanly) {
  const Target targets[] = {
      {"bmp", fuzz_targets::bmp, 6},
      {"png", fuzz_targets::png, 4},
      {"jpeg", fuzz_targets::jpeg, 4},
      {"design", fuzz_targets::design, 9},
  };
  const fs::path root = fs::path(SLATEBAR_SOURCE_DIR) / "tests/fuzz/corpus";
  for (const Target& t : targets) {
    SCOPED_TRACE(t.folder);
    std::size_t replayed = 0;
    for (const fs::directory_entry& e : fs::directory_iterator(root / t.folder)) {
      if (!e.is_regular_file()) continue;
      std::ifstream in(e.path(), std::ios::binary);
      const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
      ASSERT_TRUE(in.eof() || in.good()) << e.path();
      t.entry(bytes);
      ++replayed;
    }
    EXPECT_GE(replayed, t.fewest_inputs);
  }
}

}  // namespace
