#include "forms/Logon/Logon.h"

#include <string>
#include <string_view>

#include "ui/exe_folder.h"
#include "forms/clock/clock_text.h"
#include "forms/overlay/overlay.h"
#include "forms/welcome/welcome.h"
#include "ui/application.h"
#include "ui/label.h"
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
  const int w = os().GetSystemMetrics(plat::SM_CXSCREEN);
  const int h = os().GetSystemMetrics(plat::SM_CYSCREEN);
  set_height(h);
  set_width(w);
  set_left(0);
  set_top(0);
  set_double_buffered(true);
  set_form_style(ui::FormStyle::StayOnTop);

  overlay::make_overlay(*this, 255, plat::HWND_TOPMOST);

  // Filling the client area gives the picture the screen's bounds; it
  // keeps them once released, so a later resize of the form leaves it be,
  // and of a picture larger than the screen only the part they show is kept.
  imgPic->set_align(ui::Align::Client);
  imgPic->load_from_file(pics_file("logon.jpg"));
  imgPic->set_align(ui::Align::None);
  imgPic->hold_visible_only();

  place_band_and_texts();
  lblDay->set_caption("");
  lblTime->set_caption("");

  imgO->set_top(h - scaled(kIconsAbove));
  imgO->load_from_file(pics_file("O.png"));
  imgChat->set_top(h - scaled(kIconsAbove));
  imgChat->load_from_file(pics_file("Chat.png"));
  imgMail->set_top(h - scaled(kIconsAbove));
  imgMail->load_from_file(pics_file("Mail.png"));
}

void TfrmLogon::place_band_and_texts() {
  const int w = width(), h = height();
  lblDragArea->set_left(0);
  lblDragArea->set_width(w);
  lblDragArea->set_height(scaled(kBandHeight));
  lblDragArea->set_top(h - scaled(kBandHeight));
  lblDay->set_top(h - scaled(kDayAbove));
  lblTime->set_top(h - scaled(kTimeAbove));
}

// The screen keeps its size and its picture; the band, the texts and the
// icons take their places at the new scale, the icons' lefts as designed.
void TfrmLogon::dpi_changed(const plat::RECT&) {
  set_bounds(0, top(), os().GetSystemMetrics(plat::SM_CXSCREEN), os().GetSystemMetrics(plat::SM_CYSCREEN));
  imgPic->set_bounds(0, 0, width(), height());
  place_band_and_texts();
  for (ui::Picture* icon : {imgO, imgChat, imgMail}) icon->set_top(height() - scaled(kIconsAbove));
}

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
  while (os().GetAsyncKeyState(plat::VK_LBUTTON) != 0) {
    os().Sleep(kPollMs);
    plat::POINT p{};
    if (os().GetCursorPos(&p) && p.y != start.y) {
      const int t = Y + (p.y - start.y);
      if (t <= 0) set_top(t);
    }
    app.process_messages();
    // A quit that arrived during the drag ends the drag too; the outer
    // message loop then sees the program terminated and ends it.
    if (app.terminated()) break;
  }
}

void TfrmLogon::lblDragAreaMouseUp(ui::Component&, ui::MouseButton, unsigned, int, int) {
  // Against the screen as it is now, not as it was when the form was made.
  if (top() + height() < os().GetSystemMetrics(plat::SM_CYSCREEN) - scaled(kOpenTravel)) {
    tmrClose->set_enabled(true);
  } else {
    set_top(0);
  }
}

void TfrmLogon::tmrCloseTimer(ui::Component&) {
  if (top() + height() > 0) {
    set_top(top() - scaled(kSlideStep));
    return;
  }
  tmrClose->set_enabled(false);
  close();
  frmWelcome->tmrAnimation->set_enabled(true);
}
