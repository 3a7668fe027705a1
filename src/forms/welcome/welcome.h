// The welcome screen beneath the lock screen: the user's picture and name
// on a purple background, greeting once the lock screen has gone and then
// hiding itself.
#pragma once

#include "ui/form.h"

namespace ui {
class Label;
class Picture;
class Timer;
}  // namespace ui

class TfrmWelcome : public ui::Form {
 public:
  explicit TfrmWelcome(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void tmrAnimationTimer(ui::Component& Sender);

  ui::Picture* imgBG;
  ui::Picture* imgProfilePic;
  ui::Label* lblUserName;
  ui::Label* lblWelcome;
  ui::Timer* tmrAnimation;

 protected:
  void dpi_changed(const plat::RECT& suggested) override;

 private:
  void fit_primary();
  void place_greeting();
  void display_changed() override;
};

extern TfrmWelcome* frmWelcome;
