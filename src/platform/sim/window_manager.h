// The window manager of the simulated desktop: the rules that join the
// window table, the z-order, the activation and the capture. Raising a
// window with its owners and the windows it owns, the topmost band and its
// owner groups, destroying a window tree, hit-testing, the system's move
// loop after a press on a caption, and the windows of message boxes. The
// desktop calls these while it carries out the platform's calls; the
// pieces it joins stay small and know nothing of one another.
#pragma once

#include <optional>
#include <string>

#include "platform/sim/activation.h"
#include "platform/sim/capture.h"
#include "platform/sim/frame_metrics.h"
#include "platform/sim/input.h"
#include "platform/sim/message_hook.h"
#include "platform/sim/timers.h"
#include "platform/sim/types.h"
#include "platform/sim/window_table.h"
#include "platform/sim/zorder.h"

namespace sim {

class WindowManager {
 public:
  WindowManager(WindowTable& windows, ZOrder& z, Activation& activation, Capture& capture, TimerTable& timers,
                MessageHook& hook, const FrameMetrics& metrics)
      : windows_(windows),
        z_(z),
        activation_(activation),
        capture_(capture),
        timers_(timers),
        hook_(hook),
        metrics_(metrics) {}
  WindowManager(const WindowManager&) = delete;
  WindowManager& operator=(const WindowManager&) = delete;

  Window* find(HWND hwnd) { return windows_.find(hwnd); }
  const Window* find(HWND hwnd) const { return windows_.find(hwnd); }
  bool is_ours(HWND hwnd) const;

  // ---- places ---------------------------------------------------------------
  RECT screen_bounds(const Window& w) const;
  FrameInsets insets_of(const Window& w) const;
  POINT to_client(const Window& w, int x, int y) const;
  void set_visible(Window& w, bool visible);
  // Tells the window when it moved or changed size.
  void set_bounds(HWND hwnd, const RECT& bounds);

  // ---- z-order (window_manager_zorder.cpp) ----------------------------------------
  enum class OwnedWindows { Follow, Stay };
  // To the top of its band, its owners behind it unless `owned` is Stay
  // (SWP_NOOWNERZORDER), the ordinary windows it owns in front of it.
  void raise(HWND hwnd, OwnedWindows owned = OwnedWindows::Follow);
  // SetWindowPos's places other than HWND_TOP, with their band's rules.
  void set_band_place(Window& w, HWND after);
  // WS_EX_TOPMOST follows the band the window stands in.
  void sync_topmost(Window& w);
  // Whether SetWindowPos can move `hwnd` to the place `after` names.
  bool can_insert_after(HWND hwnd, HWND after, UINT flags) const;

  // ---- activation and destruction ---------------------------------------------------
  void set_foreground(HWND hwnd, bool raise_it);
  // The modal loops of boxes and menus take the capture and end a move loop.
  void take_capture_away();
  // The window, its owned and child windows first, as DestroyWindow does.
  void destroy_tree(HWND hwnd);

  // ---- hit-testing and the move loop (window_manager_hit.cpp) --------------------
  struct Hit {
    HWND hwnd = 0;
    int code = HTNOWHERE;
  };
  Hit hit(int x, int y);
  int nc_hit_test(HWND hwnd, int x, int y);
  // A left press on a caption starts the system's move loop.
  void begin_caption_drag(HWND hwnd, POINT start);
  // The move loop's share of a mouse message: true when it took it.
  bool follow_caption_drag(const MouseMessage& m);

  // ---- message boxes ------------------------------------------------------------------
  // The box's window, owned by `owner`, centred on a screen of `screen`.
  HWND open_box_window(HWND owner, const std::string& caption, UINT type, SIZE screen);
  void close_box_window(HWND box, HWND owner, bool enable_owner);

 private:
  struct CaptionDrag {
    HWND hwnd;
    POINT start;
    RECT bounds;
  };

  void raise_with_owned(HWND hwnd, OwnedWindows owned);
  void raise_owners(HWND owner, std::size_t depth);
  bool owned_by(HWND hwnd, HWND owner) const;
  void make_topmost_with_owned(HWND hwnd);
  HWND root_owner(HWND hwnd) const;
  void leave_topmost_band_with_group(HWND hwnd);
  // Owner chains are short; a bound keeps a cycle from hanging a test.
  static constexpr std::size_t kOwnerChainLimit = 16;

  WindowTable& windows_;
  ZOrder& z_;
  Activation& activation_;
  Capture& capture_;
  TimerTable& timers_;
  MessageHook& hook_;
  const FrameMetrics& metrics_;
  std::optional<CaptionDrag> caption_drag_;
};

}  // namespace sim
