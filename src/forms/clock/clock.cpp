#include "forms/clock/clock.h"

TfrmClock* frmClock = nullptr;

TfrmClock::TfrmClock(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmClock::FormCreate);
  load_design("TFRMCLOCK");
}

void TfrmClock::FormCreate(ui::Component&) {}
