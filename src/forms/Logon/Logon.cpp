#include "forms/Logon/Logon.h"

#include <string>
#include <string_view>

#include "ui/exe_folder.h"
#include "forms/clock/clock_text.h"
#include "ui/overlay.h"
#include "forms/welcome/welcome.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/monitors.h"
#include "ui/picture.h"
#include "ui/timer.h"

TfrmLogon* frmLogon = nullptr;

using plat::os;

namespace {

// At 96 pixels per inch, shown at the form's scale; the screen's own
// height is a pixel count and is not.
constexpr int kBandHeight = 256;
constexpr int kDayAbove = 300;   // the day and date's top, above the bottom edge
constexpr int kTimeAbove = 200;  // the time's
constexpr int kIconsAbove = 80;  // the three icons'
// How far the screen must have been pushed up for a release to open it.
constexpr int kOpenTravel = 128;
constexpr int kSlideStep = 50;
constexpr plat::DWORD kPollMs = 15;

std::string pics_file(std::string_view name) { return ui::exe_folder() + "pics\\" + std::string(name); }

}  // namespace

TfrmLogon::TfrmLogon(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmLogon::FormCreate);
  handler("tmrTiempoTimer", &TfrmLogon::tmrTiempoTimer);
  handler("lblDragAreaClick", &TfrmLogon::lblDragAreaClick);
  handler("lblDragAreaMouseDown", &TfrmLogon::lblDragAreaMouseDown);
  handler("lblDragAreaMouseUp", &TfrmLogon::lblDragAreaMouseUp);
  handler("tmrCloseTimer", &TfrmLogon::tmrCloseTimer);
  load_design("TFRMLOGON");
  imgPic = &component<ui::Picture>("imgPic");
  imgO = &component<ui::Picture>("imgO");
  imgChat = &component<ui::Picture>("imgChat");
  imgMail = &component<ui::Picture>("imgMail");
  lblDragArea = &component<ui::Label>("lblDragArea");
  lblDay = &component<ui::Label>("lblDay");
  lblTime = &component<ui::Label>("lblTime");
  tmrTiempo = &component<ui::Timer>("tmrTiempo");
  tmrClose = &component<ui::Timer>("tmrClose");
}

// The steps run in this order on purpose: a picture that fails to load
// ends the handler there, and everything placed after it keeps its
// designed place, which is how a damaged installation still shows a
// working clock and band.
void TfrmLogon::FormCreate(ui::Component&) {
  set_color(0x00000000);
  set_border_style(ui::BorderStyle::None);
  cover_desk(0);
  const int w = os().GetSystemMetrics(plat::SM_CXSCREEN);
  const int h = os().GetSystemMetrics(plat::SM_CYSCREEN);
  set_double_buffered(true);
  set_form_style(ui::FormStyle::StayOnTop);

  ui::overlay::make_overlay(*this, 255, plat::HWND_TOPMOST);

  // The picture takes the primary's bounds and keeps them once loaded, so
  // of a picture larger than the screen only the part they show is kept.
  imgPic->set_bounds(primary_.x, primary_.y, w, h);
  imgPic->load_from_file(pics_file("logon.jpg"));
  imgPic->hold_visible_only();

  place_band(w, h);
  lblDay->set_caption("");
  lblTime->set_caption("");

  const int icons_top = primary_.y + h - scaled(kIconsAbove);
  imgO->set_top(icons_top);
  imgO->load_from_file(pics_file("O.png"));
  imgChat->set_top(icons_top);
  imgChat->load_from_file(pics_file("Chat.png"));
  imgMail->set_top(icons_top);
  imgMail->load_from_file(pics_file("Mail.png"));
}

// The whole desk, so that a locked desk looks locked on every monitor: the
// picture, the band and the texts stand on the primary as designed, and
// the rest of the form is its black. Every control moves with the
// primary's place in the form, the designed ones included.
// `pushed`: how far the form stands above its rest, kept through a change.
void TfrmLogon::cover_desk(int pushed) {
  const plat::RECT desk = ui::desk_rect();
  const plat::POINT primary{-desk.left, -desk.top};
  set_bounds(desk.left, desk.top + pushed, desk.right - desk.left, desk.bottom - desk.top);
  rest_top_ = desk.top;
  for (ui::Control* c : controls()) {
    c->set_bounds(c->left() + primary.x - primary_.x, c->top() + primary.y - primary_.y, c->width(), c->height());
  }
  primary_ = primary;
}

void TfrmLogon::place_band(int w, int h) {
  lblDragArea->set_left(primary_.x);
  lblDragArea->set_width(w);
  lblDragArea->set_height(scaled(kBandHeight));
  lblDragArea->set_top(primary_.y + h - scaled(kBandHeight));
  lblDay->set_top(primary_.y + h - scaled(kDayAbove));
  lblTime->set_top(primary_.y + h - scaled(kTimeAbove));
}

// The desk as it now is and the scale the form now has: the form covers
// the desk, and what stands at the primary's bottom follows its height and
// the scale.
void TfrmLogon::lay_out_again() {
  cover_desk(top() - rest_top_);
  const int w = os().GetSystemMetrics(plat::SM_CXSCREEN);
  const int h = os().GetSystemMetrics(plat::SM_CYSCREEN);
  imgPic->set_bounds(primary_.x, primary_.y, w, h);
  place_band(w, h);
  for (ui::Picture* icon : {imgO, imgChat, imgMail}) icon->set_top(primary_.y + h - scaled(kIconsAbove));
}

// A monitor added, removed or resized.
void TfrmLogon::display_changed() { lay_out_again(); }

// The icons' lefts stay as designed at the new scale.
void TfrmLogon::dpi_changed(const plat::RECT&) { lay_out_again(); }

void TfrmLogon::tmrTiempoTimer(ui::Component&) {
  plat::SYSTEMTIME now{};
  os().GetLocalTime(&now);
  lblTime->set_caption(time_text(now));
  os().GetLocalTime(&now);
  lblDay->set_caption(day_text(now));
}

void TfrmLogon::lblDragAreaClick(ui::Component&) {}

// A nested loop rather than mouse-move events: the band follows the
// pointer even when the pointer leaves the window, and timers and
// painting go on because every pass dispatches what is pending.
void TfrmLogon::lblDragAreaMouseDown(ui::Component&, ui::MouseButton, unsigned, int, int Y) {
  plat::POINT start{};
  // Without a starting point there is nothing to measure the drag from.
  if (!os().GetCursorPos(&start)) return;
  ui::Application& app = application();
  const int held = ui::primary_button_vk();
  while (ui::button_held(held)) {
    os().Sleep(kPollMs);
    plat::POINT p{};
    if (os().GetCursorPos(&p) && p.y != start.y) {
      const int t = rest_top_ + Y + (p.y - start.y);
      if (t <= rest_top_) set_top(t);
    }
    app.process_messages();
    // A quit that arrived during the drag ends the drag too; the outer
    // message loop then sees the program terminated and ends it.
    if (app.terminated()) break;
  }
}

void TfrmLogon::lblDragAreaMouseUp(ui::Component&, ui::MouseButton, unsigned, int, int) {
  // Measured from where the form rests on the desk as it now is.
  if (rest_top_ - top() > scaled(kOpenTravel)) {
    tmrClose->set_enabled(true);
  } else {
    set_top(rest_top_);
  }
}

void TfrmLogon::tmrCloseTimer(ui::Component&) {
  if (top() + height() > rest_top_) {
    set_top(top() - scaled(kSlideStep));
    return;
  }
  tmrClose->set_enabled(false);
  close();
  frmWelcome->tmrAnimation->set_enabled(true);
}
