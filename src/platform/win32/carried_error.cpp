#include "platform/win32/carried_error.h"

#include <utility>

namespace win32 {

namespace {
std::exception_ptr carried;
}

void carry_exception(std::exception_ptr error) {
  if (!carried) carried = std::move(error);
}

void rethrow_carried() {
  if (carried) std::rethrow_exception(std::exchange(carried, nullptr));
}

}  // namespace win32
