// The one window procedure of every window the product creates. A window's
// sink travels in CreateWindowExA's creation parameter; the procedure keeps
// it with the window and decodes messages into the sink's typed events.
#pragma once

#include "platform/win32/win32_headers.h"

namespace win32 {

LRESULT CALLBACK window_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

// Told of every paint: the window, the part painted (empty when nothing was
// drawn) and the performance-counter ticks the drawing and the copy to the
// screen took. Only the benchmark's own build of the exe watches paints;
// the product installs no observer and reads no setting for one.
class PaintObserver {
 public:
  virtual void painted(HWND hwnd, const ::RECT& painted, LONGLONG ticks, LONGLONG copy_ticks) = 0;

 protected:
  ~PaintObserver() = default;
};

// Null stops the watching. The observer must outlive every window.
void set_paint_observer(PaintObserver* observer);

}  // namespace win32
