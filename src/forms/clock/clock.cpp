#include "forms/clock/clock.h"

#include "forms/clock/clock_text.h"
#include "ui/overlay.h"

TfrmClock* frmClock = nullptr;

using plat::os;

TfrmClock::TfrmClock(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmClock::FormCreate);
  handler("tmrClockTimer", &TfrmClock::tmrClockTimer);
  load_design("TFRMCLOCK");
  lblTime = &component<ui::Label>("lblTime");
  lblDay = &component<ui::Label>("lblDay");
  tmrClock = &component<ui::Timer>("tmrClock");
}

void TfrmClock::FormCreate(ui::Component&) {
  set_color(0);
  // The design's frame goes but the outer size stays, so the panel is the
  // design's client area grown by this system's frame and caption.
  set_border_style(ui::BorderStyle::None);
  designed_place_ = {left(), top()};
  // Layered and transparent together let every click through to the
  // window beneath; the tool-window style keeps the panel off the taskbar
  // and out of the window lists.
  ui::overlay::make_overlay(*this, 255, plat::HWND_TOPMOST, plat::WS_EX_TRANSPARENT);
}

// On the primary at the new scale; the bar puts it on its own monitor
// again when it next comes in.
void TfrmClock::dpi_changed(const plat::RECT&) {
  apply_designed_place();
  designed_place_ = {left(), top()};
}

void TfrmClock::tmrClockTimer(ui::Component&) {
  plat::SYSTEMTIME now{};
  os().GetLocalTime(&now);
  lblTime->set_caption(time_text(now));
  os().GetLocalTime(&now);
  lblDay->set_caption(day_text(now));
}

void TfrmClock::place_on(const plat::RECT& monitor) {
  const plat::POINT place{monitor.left + designed_place_.x, monitor.top + designed_place_.y};
  if (left() != place.x || top() != place.y) set_bounds(place.x, place.y, width(), height());
}
