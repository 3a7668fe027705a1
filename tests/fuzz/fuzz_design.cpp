// libFuzzer entry for the design target; built by scripts/fuzz.
#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_targets::design({data, size});
  return 0;
}
