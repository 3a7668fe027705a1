#include "platform/sim/frame_metrics.h"

namespace sim {

FrameInsets frame_insets(const FrameMetrics& m, DWORD style, DWORD ex_style, bool menu) {
  FrameInsets in;
  int fx = 0;
  int fy = 0;
  if (style & plat::WS_THICKFRAME) {
    fx = m.cx_frame + m.cx_padded_border;
    fy = m.cy_frame + m.cx_padded_border;
  } else if ((style & plat::WS_DLGFRAME) || (ex_style & WS_EX_DLGMODALFRAME)) {
    fx = m.cx_dlg_frame;
    fy = m.cy_dlg_frame;
  } else if (style & plat::WS_BORDER) {
    fx = m.cx_border;
    fy = m.cy_border;
  }
  if (ex_style & WS_EX_CLIENTEDGE) {
    fx += m.cx_edge;
    fy += m.cy_edge;
  }
  in.left = in.right = fx;
  in.top = in.bottom = fy;
  if ((style & plat::WS_CAPTION) == plat::WS_CAPTION) {
    in.caption = m.cy_caption;
    in.caption_offset = fy;
    in.top += m.cy_caption;
  }
  if (menu) in.top += m.cy_menu;
  return in;
}

int system_metric(const FrameMetrics& m, int index, int screen_width, int screen_height) {
  switch (index) {
    case plat::SM_CXSCREEN:
      return screen_width;
    case plat::SM_CYSCREEN:
      return screen_height;
    case plat::SM_CYCAPTION:
      return m.cy_caption;
    case 5:  // SM_CXBORDER
      return m.cx_border;
    case 6:  // SM_CYBORDER
      return m.cy_border;
    case 7:  // SM_CXDLGFRAME
      return m.cx_dlg_frame;
    case 8:  // SM_CYDLGFRAME
      return m.cy_dlg_frame;
    case 15:  // SM_CYMENU
      return m.cy_menu;
    case plat::SM_CXFRAME:
      return m.cx_frame;
    case plat::SM_CYFRAME:
      return m.cy_frame;
    case 45:  // SM_CXEDGE
      return m.cx_edge;
    case 46:  // SM_CYEDGE
      return m.cy_edge;
    case plat::SM_CXPADDEDBORDER:
      return m.cx_padded_border;
    default:
      return 0;
  }
}

int default_hit_test(const RECT& outer, const FrameInsets& in, int x, int y) {
  if (x < outer.left || x >= outer.right || y < outer.top || y >= outer.bottom) return HTNOWHERE;
  const int cl = outer.left + in.left;
  const int ct = outer.top + in.top;
  const int cr = outer.right - in.right;
  const int cb = outer.bottom - in.bottom;
  if (x >= cl && x < cr && y >= ct && y < cb) return plat::HTCLIENT;
  const int caption_top = outer.top + in.caption_offset;
  if (in.caption > 0 && x >= cl && x < cr && y >= caption_top && y < caption_top + in.caption) {
    return plat::HTCAPTION;
  }
  return HTBORDER;
}

}  // namespace sim
