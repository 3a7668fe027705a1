// The clock panel: a black, borderless, always-on-top window with the time
// in large white figures and the weekday and date beside it. The icon bar
// shows and hides its window; the mouse passes through it.
#pragma once

#include "ui/form.h"
#include "ui/label.h"
#include "ui/timer.h"

class TfrmClock : public ui::Form {
 public:
  explicit TfrmClock(ui::Application& app);

  ui::Label* lblTime = nullptr;
  ui::Label* lblDay = nullptr;
  ui::Timer* tmrClock = nullptr;

  void FormCreate(ui::Component& Sender);
  void tmrClockTimer(ui::Component& Sender);

  // The designed place is relative to the monitor the bar comes in on.
  void place_on(const plat::RECT& monitor);

 protected:
  // The panel stands at its designed place and size at every scale.
  void dpi_changed(const plat::RECT& suggested) override;

 private:
  plat::POINT designed_place_{};
};

extern TfrmClock* frmClock;
