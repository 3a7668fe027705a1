// The hosted web browser control of the simulated desktop: a history
// with back and forward that fail with E_FAIL at its ends (as the real
// control reports it), the calls it received, a location a test sets,
// events a test fires, an Application object with an identity, and a
// failure a test can inject into each call.
#pragma once

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "platform/sim/event_log.h"
#include "platform/sim/types.h"

namespace sim {

enum class BrowserCall { Navigate, GoBack, GoForward, FullScreen, TheaterMode, LocationURL, Application };

class FakeBrowser;

// Shared between the desktop and its browsers, so that either may go first.
struct BrowserRegistry {
  std::vector<FakeBrowser*> live;
  EventLog* log = nullptr;
};

class FakeBrowser final : public plat::BrowserHost {
 public:
  FakeBrowser(HWND parent, std::string parent_name, plat::BrowserEvents* events,
              std::weak_ptr<BrowserRegistry> registry);
  ~FakeBrowser() override;
  FakeBrowser(const FakeBrowser&) = delete;
  FakeBrowser& operator=(const FakeBrowser&) = delete;

  HRESULT Navigate(std::u16string_view url) override;
  HRESULT GoBack() override;
  HRESULT GoForward() override;
  HRESULT put_FullScreen(bool on) override;
  HRESULT put_TheaterMode(bool on) override;
  HRESULT get_LocationURL(std::u16string& url) override;
  HRESULT get_Application(std::shared_ptr<void>& disp) override;
  void set_bounds(const RECT& client_rect) override;
  void set_visible(bool visible) override;
  // Kept without allocating (room for a few), since the toolkit calls it
  // from ticks that must not allocate.
  void set_covered(std::span<const RECT> rects) override;

  // ---- test side ---------------------------------------------------------
  // Every call, e.g. "Navigate file:///C:/x", "GoBack -> 0x80004005".
  const std::vector<std::string>& calls() const { return calls_; }
  const std::vector<std::u16string>& history() const { return history_; }
  std::size_t history_index() const { return index_; }
  void set_location(std::u16string url) { location_ = std::move(url); }
  const std::u16string& location() const { return location_; }
  // The call returns `hr` (and changes nothing) until cleared.
  void fail(BrowserCall call, HRESULT hr) { faults_[call] = hr; }
  void clear_fault(BrowserCall call) { faults_.erase(call); }
  void fire_download_complete();
  struct NewWindow {
    std::shared_ptr<void> ppDisp;
    bool cancel = false;
  };
  // Returns what the handler left in the out-parameters.
  NewWindow fire_new_window2(std::shared_ptr<void> ppDisp = {}, bool cancel = false);
  const std::shared_ptr<void>& application() const { return application_; }

  HWND parent() const { return parent_; }
  bool full_screen() const { return full_screen_; }
  bool theater_mode() const { return theater_mode_; }
  bool visible() const { return visible_; }
  const RECT& bounds() const { return bounds_; }
  // The places where windowless controls lie above the browser.
  const std::vector<RECT>& covered() const { return covered_; }

 private:
  // Records a call that would return `hr`, or the injected failure.
  HRESULT record(BrowserCall call, std::string_view name, std::string_view detail, HRESULT hr = plat::S_OK);
  HWND parent_;
  std::string parent_name_;
  plat::BrowserEvents* events_;
  std::weak_ptr<BrowserRegistry> registry_;
  std::vector<std::string> calls_;
  std::vector<std::u16string> history_;
  std::size_t index_ = 0;
  std::u16string location_;
  std::map<BrowserCall, HRESULT> faults_;
  std::shared_ptr<void> application_;
  bool full_screen_ = false;
  bool theater_mode_ = false;
  bool visible_ = true;
  RECT bounds_{};
  std::vector<RECT> covered_;
};

}  // namespace sim
