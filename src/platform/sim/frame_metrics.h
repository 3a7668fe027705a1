// Frame, caption and border sizes of the simulated desktop. One table
// feeds GetSystemMetrics, AdjustWindowRectEx, GetClientRect and the
// client coordinates of mouse messages, so that they always agree.
#pragma once

#include "platform/sim/types.h"

namespace sim {

struct FrameMetrics {
  int cx_frame = 4;  // SM_CXFRAME: sizing border
  int cy_frame = 4;
  int cx_padded_border = 0;  // SM_CXPADDEDBORDER, added to the sizing border
  int cy_caption = 19;       // SM_CYCAPTION
  int cx_border = 1;         // SM_CXBORDER: thin border (WS_BORDER)
  int cy_border = 1;
  int cx_dlg_frame = 3;  // SM_CXDLGFRAME: fixed frame (WS_DLGFRAME, WS_CAPTION)
  int cy_dlg_frame = 3;
  int cx_edge = 2;  // SM_CXEDGE: WS_EX_CLIENTEDGE
  int cy_edge = 2;
  int cy_menu = 19;  // SM_CYMENU
};

// Thickness of the non-client area on each side for a style.
struct FrameInsets {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int caption = 0;         // caption height, part of `top` (for hit testing)
  int caption_offset = 0;  // distance from the outer top to the caption
};

FrameInsets frame_insets(const FrameMetrics& m, DWORD style, DWORD ex_style, bool menu);

// GetSystemMetrics over the table and a screen size; 0 for indices it
// does not know, as Windows answers.
int system_metric(const FrameMetrics& m, int index, int screen_width, int screen_height);

// DefWindowProc's WM_NCHITTEST answer for a screen point.
int default_hit_test(const RECT& outer, const FrameInsets& insets, int x, int y);

}  // namespace sim
