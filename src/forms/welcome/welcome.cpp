#include "forms/welcome/welcome.h"

#include "ui/overlay.h"
#include "ui/label.h"
#include "ui/picture.h"
#include "ui/timer.h"

TfrmWelcome* frmWelcome = nullptr;

using plat::os;

namespace {

// The picture is centred for its designed width of 126; the labels stand
// to its right, beyond a 4-pixel gap. At 96 pixels per inch, shown at the
// form's scale.
constexpr int kPictureHalfWidth = 63;
constexpr int kLabelOffset = 130;
constexpr int kWelcomeBelowName = 40;

}  // namespace

TfrmWelcome::TfrmWelcome(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmWelcome::FormCreate);
  handler("tmrAnimationTimer", &TfrmWelcome::tmrAnimationTimer);
  load_design("TFRMWELCOME");
  imgBG = &component<ui::Picture>("imgBG");
  imgProfilePic = &component<ui::Picture>("imgProfilePic");
  lblUserName = &component<ui::Label>("lblUserName");
  lblWelcome = &component<ui::Label>("lblWelcome");
  tmrAnimation = &component<ui::Timer>("tmrAnimation");
}

void TfrmWelcome::FormCreate(ui::Component&) {
  set_border_style(ui::BorderStyle::None);
  fit_primary();
  // The screen's size is the form's for good: the background keeps only
  // the smaller of its picture and its copy stretched to the screen.
  imgBG->hold_visible_only();

  ui::overlay::make_overlay(*this, 255, plat::HWND_TOPMOST);

  place_greeting();

  tmrAnimation->set_enabled(false);
  lblWelcome->hide();
}

// The primary only: the lock screen covers the other monitors, and once it
// has gone they show the desktop again.
void TfrmWelcome::fit_primary() {
  set_left(0);
  set_top(0);
  set_width(os().GetSystemMetrics(plat::SM_CXSCREEN));
  set_height(os().GetSystemMetrics(plat::SM_CYSCREEN));
}

void TfrmWelcome::place_greeting() {
  imgProfilePic->set_top(height() / 4);
  imgProfilePic->set_left(width() / 2 - scaled(kPictureHalfWidth));
  lblUserName->set_left(imgProfilePic->left() + scaled(kLabelOffset));
  lblUserName->set_top(imgProfilePic->top());
  lblWelcome->set_top(imgProfilePic->top() + scaled(kWelcomeBelowName));
  lblWelcome->set_left(imgProfilePic->left() + scaled(kLabelOffset));
}

// The background keeps the part it held for the old size; a larger
// primary shows the form's colour beyond it.
void TfrmWelcome::display_changed() {
  fit_primary();
  place_greeting();
}

void TfrmWelcome::dpi_changed(const plat::RECT&) { display_changed(); }

// The greeting is never hidden again, so after the first unlock the first
// tick already finds it showing and the screen goes 250 ms after the lock
// screen instead of 500.
void TfrmWelcome::tmrAnimationTimer(ui::Component&) {
  if (!lblWelcome->visible()) {
    lblWelcome->show();
    return;
  }
  close();
  tmrAnimation->set_enabled(false);
}
