// libFuzzer entry for the jpeg target; built by scripts/fuzz.
#include "fuzz/fuzz_targets.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  fuzz_targets::jpeg({data, size});
  return 0;
}
