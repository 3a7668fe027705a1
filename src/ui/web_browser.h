// The hosted web browser control. Every failing call raises an error with
// the system's text for the result code, so the standard error box can
// show it where the caller does not catch it.
#pragma once

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "ui/control.h"

namespace ui {

class WebBrowser : public Control, private plat::BrowserEvents {
 public:
  WebBrowser(std::string name, Component* owner, Control* parent);
  ~WebBrowser() override;

  // The four optional arguments of the control's Navigate go empty.
  void Navigate(std::u16string_view url);
  void GoBack();
  void GoForward();
  void set_FullScreen(bool on);
  void set_TheaterMode(bool on);
  std::u16string LocationURL();
  std::shared_ptr<void> Application();

  NotifyEvent on_download_complete;
  NewWindow2Event on_new_window2;

  // The backend's control, for tests that drive the simulated one.
  plat::BrowserHost* host() const { return host_.get(); }

  void window_created() override;
  void window_destroying() override;
  bool bind_event(std::string_view event, const Handler& handler) override;
  void paint(plat::Canvas&, int, int) override {}

 protected:
  void bounds_changed() override;
  void visibility_changed() override;
  void sibling_changed(Control& sibling) override;

 private:
  void check(plat::HRESULT hr, std::string_view what);
  plat::BrowserHost& require_host();
  void download_complete() override;
  void new_window2(std::shared_ptr<void>& ppDisp, bool& cancel) override;
  // Tells the control where the windowless siblings created after it (and
  // so lying above it) cover it. Fixed storage: a location bar that comes
  // and goes with the pointer must not allocate.
  void update_covered();

  std::unique_ptr<plat::BrowserHost> host_;
  // Why there is no control: the failing HRESULT of its creation.
  plat::HRESULT host_error_ = plat::S_OK;
  static constexpr std::size_t kMaxCovered = 8;
  std::array<plat::RECT, kMaxCovered> covered_{};
  std::size_t covered_count_ = 0;
};

}  // namespace ui
