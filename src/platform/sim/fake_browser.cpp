#include "platform/sim/fake_browser.h"

#include <algorithm>

#include "platform/sim/text.h"

namespace sim {

FakeBrowser::FakeBrowser(HWND parent, std::string parent_name, plat::BrowserEvents* events,
                         std::weak_ptr<BrowserRegistry> registry)
    : parent_(parent),
      parent_name_(std::move(parent_name)),
      events_(events),
      registry_(std::move(registry)),
      application_(std::make_shared<int>(0)) {
  covered_.reserve(8);
  if (auto r = registry_.lock()) r->live.push_back(this);
}

FakeBrowser::~FakeBrowser() {
  if (auto r = registry_.lock()) {
    std::erase(r->live, this);
    if (r->log) r->log->add("release_browser " + parent_name_);
  }
}

HRESULT FakeBrowser::record(BrowserCall call, std::string_view name, std::string_view detail, HRESULT hr) {
  if (auto fault = faults_.find(call); fault != faults_.end()) hr = fault->second;
  std::string tail = detail.empty() ? std::string() : " " + std::string(detail);
  if (hr != plat::S_OK) tail += " -> " + hex32(static_cast<std::uint32_t>(hr));
  calls_.push_back(std::string(name) + tail);
  if (auto r = registry_.lock(); r && r->log) r->log->add(std::string(name) + " " + parent_name_ + tail);
  return hr;
}

HRESULT FakeBrowser::Navigate(std::u16string_view url) {
  const HRESULT hr = record(BrowserCall::Navigate, "Navigate", utf16_to_utf8(url));
  if (hr != plat::S_OK) return hr;
  if (!history_.empty()) history_.resize(index_ + 1);
  history_.emplace_back(url);
  index_ = history_.size() - 1;
  location_ = url;
  return hr;
}

HRESULT FakeBrowser::GoBack() {
  const bool at_start = history_.empty() || index_ == 0;
  const HRESULT hr = record(BrowserCall::GoBack, "GoBack", {}, at_start ? plat::E_FAIL : plat::S_OK);
  if (hr == plat::S_OK) location_ = history_[--index_];
  return hr;
}

HRESULT FakeBrowser::GoForward() {
  const bool at_end = history_.empty() || index_ + 1 >= history_.size();
  const HRESULT hr = record(BrowserCall::GoForward, "GoForward", {}, at_end ? plat::E_FAIL : plat::S_OK);
  if (hr == plat::S_OK) location_ = history_[++index_];
  return hr;
}

HRESULT FakeBrowser::put_FullScreen(bool on) {
  const HRESULT hr = record(BrowserCall::FullScreen, "put_FullScreen", on ? "true" : "false");
  if (hr == plat::S_OK) full_screen_ = on;
  return hr;
}

HRESULT FakeBrowser::put_TheaterMode(bool on) {
  const HRESULT hr = record(BrowserCall::TheaterMode, "put_TheaterMode", on ? "true" : "false");
  if (hr == plat::S_OK) theater_mode_ = on;
  return hr;
}

HRESULT FakeBrowser::get_LocationURL(std::u16string& url) {
  // Read every tick by the location bar: not recorded unless it fails.
  if (auto fault = faults_.find(BrowserCall::LocationURL); fault != faults_.end()) {
    return record(BrowserCall::LocationURL, "get_LocationURL", {});
  }
  url = location_;
  return plat::S_OK;
}

HRESULT FakeBrowser::get_Application(std::shared_ptr<void>& disp) {
  const HRESULT hr = record(BrowserCall::Application, "get_Application", {});
  if (hr == plat::S_OK) disp = application_;
  return hr;
}

void FakeBrowser::set_bounds(const RECT& client_rect) { bounds_ = client_rect; }

void FakeBrowser::set_visible(bool visible) { visible_ = visible; }

void FakeBrowser::set_covered(std::span<const RECT> rects) { covered_.assign(rects.begin(), rects.end()); }

void FakeBrowser::fire_download_complete() {
  if (events_) events_->download_complete();
}

FakeBrowser::NewWindow FakeBrowser::fire_new_window2(std::shared_ptr<void> ppDisp, bool cancel) {
  NewWindow out{std::move(ppDisp), cancel};
  if (events_) events_->new_window2(out.ppDisp, out.cancel);
  return out;
}

}  // namespace sim
