// The program's own count of the GDI objects and windows it holds, kept by
// their owners as they take and give up a handle. The system's counters
// (GetGuiResources) read 0 under Wine, so a leak would not show there;
// these count the same way on every system. Another process reads them by
// sending kLiveObjectsMessage to any of the program's windows.
#pragma once

#include <atomic>

namespace win32 {

enum class LiveKind : unsigned { Gdi = 0, Window = 1 };

// The name of the registered message; its wParam is a LiveKind, and the
// answer is that count. Shared with the end-to-end helper.
inline constexpr char kLiveObjectsMessage[] = "Slatebar.LiveObjects";

// One counter per kind, for the whole process.
std::atomic<long>& live_count(LiveKind kind);

inline void count_live(LiveKind kind, long delta) { live_count(kind).fetch_add(delta, std::memory_order_relaxed); }

// The message's number in this session (RegisterWindowMessageA, asked once).
unsigned live_objects_message();

}  // namespace win32
