#include "ui/web_browser.h"
#include "ui/strings.h"


#include "ui/application.h"
#include "ui/error.h"
#include "ui/form.h"

namespace ui {

WebBrowser::WebBrowser(std::string name, Component* owner, Control* parent)
    : Control(std::move(name), owner, parent) {}

// The control goes with its form, before COM is shut down at exit.
WebBrowser::~WebBrowser() { host_.reset(); }

void WebBrowser::window_created() {
  host_ = plat::os().create_browser(form()->handle(), this);
  bounds_changed();
}

plat::BrowserHost& WebBrowser::require_host() {
  if (!host_) throw Error("The web browser control is not available on this system");
  return *host_;
}

void WebBrowser::check(plat::HRESULT hr, std::string_view what) {
  if (plat::FAILED(hr)) {
    throw Error(cat(plat::os().hresult_text(hr), " (", what, ": ", hex32(static_cast<std::uint32_t>(hr)), ")"));
  }
}

void WebBrowser::Navigate(std::u16string_view url) { check(require_host().Navigate(url), "Navigate"); }
void WebBrowser::GoBack() { check(require_host().GoBack(), "GoBack"); }
void WebBrowser::GoForward() { check(require_host().GoForward(), "GoForward"); }
void WebBrowser::set_FullScreen(bool on) { check(require_host().put_FullScreen(on), "FullScreen"); }
void WebBrowser::set_TheaterMode(bool on) { check(require_host().put_TheaterMode(on), "TheaterMode"); }

std::u16string WebBrowser::LocationURL() {
  std::u16string url;
  check(require_host().get_LocationURL(url), "LocationURL");
  return url;
}

std::shared_ptr<void> WebBrowser::Application() {
  std::shared_ptr<void> disp;
  check(require_host().get_Application(disp), "Application");
  return disp;
}

void WebBrowser::bounds_changed() {
  if (!host_) return;
  plat::POINT o = origin_in_form();
  host_->set_bounds({o.x, o.y, o.x + width_, o.y + height_});
}

void WebBrowser::visibility_changed() {
  if (host_) host_->set_visible(visible_);
}

void WebBrowser::download_complete() {
  if (on_download_complete) form()->application().guard([&] { on_download_complete(*this); });
}

void WebBrowser::new_window2(std::shared_ptr<void>& ppDisp, bool& cancel) {
  if (on_new_window2) form()->application().guard([&] { on_new_window2(*this, ppDisp, cancel); });
}

bool WebBrowser::bind_event(std::string_view event, const Handler& h) {
  if (event == "OnDownloadComplete") return take_handler(h, on_download_complete);
  if (event == "OnNewWindow2") return take_handler(h, on_new_window2);
  return Control::bind_event(event, h);
}

}  // namespace ui
