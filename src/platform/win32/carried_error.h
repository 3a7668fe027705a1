// A sink's exception must not unwind through the system's frames: the
// 32-bit build's unwinder cannot cross them, and the system would be left
// in the middle of a message. The window procedure keeps it instead, and
// the seam call that led to the message throws it again once the system
// has returned.
#pragma once

#include <exception>

namespace win32 {

// Keeps the first exception until it is thrown again; later ones are dropped.
void carry_exception(std::exception_ptr error);

// Throws the kept exception, if any, and forgets it.
void rethrow_carried();

// Runs a system call that may send messages to our windows, then throws
// whatever a sink raised meanwhile.
template <typename Fn>
auto sending(Fn&& call) {
  auto result = call();
  rethrow_carried();
  return result;
}

}  // namespace win32
