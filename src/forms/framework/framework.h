// The frmFrameWork form: the screen-sized browser frame with its location
// bar along the bottom edge.
#pragma once

#include <memory>

#include "ui/form.h"

namespace ui {
class Label;
class Panel;
class Picture;
class Timer;
class WebBrowser;
}  // namespace ui

class TfrmFrameWork : public ui::Form {
 public:
  explicit TfrmFrameWork(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void imgBackClick(ui::Component& Sender);
  void imgForwardClick(ui::Component& Sender);
  void wb1DownloadComplete(ui::Component& Sender);
  void tmrLocationBarTimer(ui::Component& Sender);
  void wb1NewWindow2(ui::Component& Sender, std::shared_ptr<void>& ppDisp, bool& Cancel);

  ui::WebBrowser* wb1 = nullptr;
  ui::Panel* Panel1 = nullptr;
  ui::Picture* imgBack = nullptr;
  ui::Picture* imgForward = nullptr;
  ui::Label* lblURL = nullptr;
  ui::Timer* tmrLocationBar = nullptr;

 protected:
  // The frame keeps its place; the location bar, grown with the new
  // scale, goes back along its bottom edge.
  void dpi_changed(const plat::RECT& suggested) override;

 private:
  void fit_work_area();
  void place_location_bar();
  void display_changed() override;
};

extern TfrmFrameWork* frmFrameWork;
