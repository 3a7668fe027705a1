#include "forms/framework/framework.h"

#include <string_view>

#include "ui/overlay.h"
#include "platform/platform.h"
#include "ui/application.h"
#include "ui/label.h"
#include "ui/monitors.h"
#include "ui/panel.h"
#include "ui/picture.h"
#include "ui/start_page.h"
#include "ui/timer.h"
#include "ui/web_browser.h"

TfrmFrameWork* frmFrameWork = nullptr;

namespace {

// Local pages (the start page and its neighbours) keep their address to
// themselves: the bar only ever shows where the web has taken the user.
constexpr std::u16string_view kLocalPrefix = u"file:///";

constexpr std::uint8_t kOpaque = 255;

}  // namespace

TfrmFrameWork::TfrmFrameWork(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmFrameWork::FormCreate);
  handler("imgBackClick", &TfrmFrameWork::imgBackClick);
  handler("imgForwardClick", &TfrmFrameWork::imgForwardClick);
  handler("wb1DownloadComplete", &TfrmFrameWork::wb1DownloadComplete);
  handler("tmrLocationBarTimer", &TfrmFrameWork::tmrLocationBarTimer);
  handler("wb1NewWindow2", &TfrmFrameWork::wb1NewWindow2);
  load_design("TFRMFRAMEWORK");
  wb1 = &component<ui::WebBrowser>("wb1");
  Panel1 = &component<ui::Panel>("Panel1");
  imgBack = &component<ui::Picture>("imgBack");
  imgForward = &component<ui::Picture>("imgForward");
  lblURL = &component<ui::Label>("lblURL");
  tmrLocationBar = &component<ui::Timer>("tmrLocationBar");
}

void TfrmFrameWork::FormCreate(ui::Component&) {
  set_border_style(ui::BorderStyle::None);

  fit_work_area();

  wb1->set_align(ui::Align::Client);
  wb1->set_FullScreen(true);
  wb1->set_TheaterMode(true);
  wb1->Navigate(ui::start_page_url());

  place_location_bar();

  ui::overlay::make_overlay(*this, kOpaque, plat::HWND_TOP);
}

// The primary's work area, origin and size, wherever the taskbar is: with
// the screen's size the location bar would lie below a taskbar at the top
// and the page's right edge beyond a taskbar at the left.
void TfrmFrameWork::fit_work_area() {
  plat::RECT work{};
  if (!plat::os().SystemParametersInfoA(plat::SPI_GETWORKAREA, 0, &work, 0)) work = ui::primary_rect();
  set_bounds(work.left, work.top, work.right - work.left, work.bottom - work.top);
}

void TfrmFrameWork::place_location_bar() {
  Panel1->set_left(0);
  Panel1->set_width(width());
  Panel1->set_top(height() - Panel1->height());
}

void TfrmFrameWork::display_changed() {
  fit_work_area();
  place_location_bar();
}

void TfrmFrameWork::dpi_changed(const plat::RECT&) { place_location_bar(); }

// A failure (nothing to go back to) is left to the standard error box.
void TfrmFrameWork::imgBackClick(ui::Component&) { wb1->GoBack(); }

void TfrmFrameWork::imgForwardClick(ui::Component&) {
  try {
    wb1->GoForward();
  } catch (...) {
    // Nothing to go forward to: the click just does nothing.
  }
}

void TfrmFrameWork::wb1DownloadComplete(ui::Component&) {
  if (wb1->LocationURL().find(kLocalPrefix) == 0) return;
  lblURL->set_caption(plat::os().utf16_to_ansi(wb1->LocationURL()));
}

void TfrmFrameWork::tmrLocationBarTimer(ui::Component&) {
  plat::POINT cursor{};
  // While the cursor cannot be read (another desktop is active, say) the
  // bar keeps the state of the last tick that could.
  if (!application().tick_reads().cursor_pos(&cursor)) return;
  // The panel's top in screen coordinates, where the cursor is; the X does
  // not matter: the whole bottom edge is the bar's.
  if (top() + Panel1->top() < cursor.y) {
    Panel1->show();
  } else {
    Panel1->hide();
  }
}

// The new window's content is sent to this frame's own control, so no
// separate browser window ever opens; Cancel stays as the control sent it.
void TfrmFrameWork::wb1NewWindow2(ui::Component&, std::shared_ptr<void>& ppDisp, bool&) {
  ppDisp = wb1->Application();
}
