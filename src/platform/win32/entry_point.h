// A DLL's exported function as a typed pointer, or null when the DLL does
// not export it.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

template <typename Fn>
Fn entry_point(HMODULE module, const char* name) {
  FARPROC entry = module ? ::GetProcAddress(module, name) : nullptr;
  // Through void(*)() first: a direct cast between unrelated function
  // types is what -Wcast-function-type rejects.
  return entry ? reinterpret_cast<Fn>(reinterpret_cast<void (*)()>(entry)) : nullptr;
}

}  // namespace win32
