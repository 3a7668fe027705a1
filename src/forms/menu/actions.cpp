// What the icon bar's icons and its context menu do. The handlers check
// nothing: a navigation the browser control refuses raises an error that
// the standard error box shows, and a missing start page is the control's
// to report inside the frame.
#include <string_view>

#include "forms/Logon/Logon.h"
#include "forms/Splash/Splash.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/welcome/welcome.h"
#include "ui/dialogs.h"
#include "ui/start_page.h"
#include "ui/web_browser.h"

namespace {

// The web search icon's page: the HTML-only edition of a search engine,
// plain forms and links with no script. The hosted control renders every
// page without an X-UA-Compatible header in its IE7 document mode, unless
// the program is listed under FEATURE_BROWSER_EMULATION in the registry,
// which the program must not write. A script-heavy search page breaks in
// that mode; this one works in it and in every later one.
constexpr std::u16string_view kSearchPage = u"https://html.duckduckgo.com/html/";
// The two icons whose screens do not exist yet say so.
constexpr std::string_view kNotYetImplemented = "Not yet implemented";

}  // namespace

// Shown first, so a frame already open comes to the front, then sent to
// the start page again.
void TfrmMenu::imgMenuClick(ui::Component&) {
  frmFrameWork->show();
  frmFrameWork->wb1->Navigate(ui::start_page_url());
}

// A frame that is already visible keeps its place among the windows: the
// search only changes what it shows.
void TfrmMenu::imgSearchClick(ui::Component&) {
  if (!plat::os().IsWindowVisible(frmFrameWork->handle())) frmFrameWork->show();
  frmFrameWork->wb1->Navigate(kSearchPage);
}

// Back to whatever page the frame holds, without reloading it.
void TfrmMenu::imgConnectClick(ui::Component&) { frmFrameWork->show(); }

void TfrmMenu::imgShareClick(ui::Component&) { ui::show_message(application(), kNotYetImplemented); }

void TfrmMenu::imgSettingsClick(ui::Component&) { ui::show_message(application(), kNotYetImplemented); }

// A new splash each time, also while an earlier one is still up; each one
// closes and frees itself. This returns once the fade-in is over.
void TfrmMenu::About1Click(ui::Component&) { application().create_owned_form<TFormSplash>().ShowSplash(); }

// The welcome screen goes first so that the lock screen lies in front of
// it; the lock screen may still be partly pushed up from a drag.
void TfrmMenu::Lock1Click(ui::Component&) {
  frmWelcome->show();
  frmLogon->show();
  frmLogon->set_top(0);
}

// Closing the main form ends the message loop and with it the program;
// the application then destroys every form, open splashes included.
void TfrmMenu::Exit1Click(ui::Component&) { close(); }
