// The half-transparent strip at the left screen edge: it slides in while
// the pointer rests on the edge; a press on it pulls the window list out
// with a live preview, and a release away from the edge switches to the
// previewed window.
#pragma once

#include "platform/platform.h"
#include "ui/desk_watch.h"
#include "ui/form.h"

namespace ui {
class Timer;
}

class TfrmAppSwitcher : public ui::Form {
 public:
  explicit TfrmAppSwitcher(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void tmrAppSwithcerTimer(ui::Component& Sender);
  void FormMouseDown(ui::Component& Sender, ui::MouseButton Button, unsigned Shift, int X, int Y);
  void FormMouseUp(ui::Component& Sender, ui::MouseButton Button, unsigned Shift, int X, int Y);

  ui::Timer* tmrAppSwithcer = nullptr;

 protected:
  void dpi_changed(const plat::RECT& suggested) override;

 private:
  void end_lost_drag(ui::MouseButton button, unsigned shift, bool dragged, plat::POINT last);
  void park();
  void display_changed() override;

  // The monitor whose left edge the strip last came in at.
  plat::RECT monitor_{};
  ui::DeskWatch desk_;
};

extern TfrmAppSwitcher* frmAppSwitcher;

namespace appswitcher {

// True from a press on the strip until the next release on it; the
// strip's timer does nothing meanwhile.
extern bool SwitcherDragging;

}  // namespace appswitcher
