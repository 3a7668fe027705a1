#include "platform/win32/live_objects.h"

#include "platform/win32/win32_headers.h"

namespace win32 {

std::atomic<long>& live_count(LiveKind kind) {
  static std::atomic<long> counts[2];
  return counts[kind == LiveKind::Window ? 1 : 0];
}

unsigned live_objects_message() {
  static const UINT message = ::RegisterWindowMessageA(kLiveObjectsMessage);
  return message;
}

}  // namespace win32
