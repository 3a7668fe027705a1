#include "ui/web_browser.h"

#include <algorithm>

#include "ui/strings.h"

#include "ui/application.h"
#include "ui/error.h"
#include "ui/form.h"

namespace ui {

WebBrowser::WebBrowser(std::string name, Component* owner, Control* parent)
    : Control(std::move(name), owner, parent) {}

// The control goes with its form, before COM is shut down at exit, and
// before the form's window: it is closed while its own window still lives.
WebBrowser::~WebBrowser() { host_.reset(); }

void WebBrowser::window_destroying() { host_.reset(); }

void WebBrowser::window_created() {
  auto created = plat::os().create_browser(form()->handle(), this);
  if (created) {
    host_ = std::move(*created);
    host_error_ = plat::S_OK;
  } else {
    host_.reset();
    host_error_ = created.error();
  }
  bounds_changed();
}

plat::BrowserHost& WebBrowser::require_host() {
  if (!host_) {
    throw Error(cat("The web browser control is not available on this system: ", plat::os().hresult_text(host_error_),
                    " (", hex32(static_cast<std::uint32_t>(host_error_)), ")"));
  }
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
  update_covered();
}

void WebBrowser::sibling_changed(Control&) { update_covered(); }

namespace {

bool same_rect(const plat::RECT& a, const plat::RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

void WebBrowser::update_covered() {
  if (!host_ || !parent()) return;
  const plat::POINT o = origin_in_form();
  const plat::RECT own{o.x, o.y, o.x + width_, o.y + height_};
  std::array<plat::RECT, kMaxCovered> found{};
  std::size_t count = 0;
  const auto& siblings = parent()->controls();
  bool above = false;
  for (const Control* c : siblings) {
    if (c == this) {
      above = true;
      continue;
    }
    if (!above || !c->visible()) continue;
    const plat::POINT co = c->origin_in_form();
    plat::RECT r{std::max(own.left, co.x), std::max(own.top, co.y), std::min(own.right, co.x + c->width()),
                 std::min(own.bottom, co.y + c->height())};
    if (r.left >= r.right || r.top >= r.bottom) continue;
    if (count < kMaxCovered) {
      found[count++] = r;
    } else {
      // More than the fixed room: the last place grows to take them all.
      plat::RECT& last = found[kMaxCovered - 1];
      last = {std::min(last.left, r.left), std::min(last.top, r.top), std::max(last.right, r.right),
              std::max(last.bottom, r.bottom)};
    }
  }
  bool changed = count != covered_count_;
  for (std::size_t i = 0; !changed && i < count; ++i) changed = !same_rect(found[i], covered_[i]);
  if (!changed) return;
  covered_ = found;
  covered_count_ = count;
  host_->set_covered(std::span<const plat::RECT>(covered_.data(), covered_count_));
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
