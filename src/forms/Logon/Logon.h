// The lock screen: a full-screen, topmost picture with the date and time,
// pushed up and away with a drag on its bottom band.
#pragma once

#include "platform/platform.h"
#include "ui/form.h"

namespace ui {
class Label;
class Picture;
class Timer;
}  // namespace ui

class TfrmLogon : public ui::Form {
 public:
  explicit TfrmLogon(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void tmrTiempoTimer(ui::Component& Sender);
  void lblDragAreaClick(ui::Component& Sender);
  void lblDragAreaMouseDown(ui::Component& Sender, ui::MouseButton Button, unsigned Shift, int X, int Y);
  void lblDragAreaMouseUp(ui::Component& Sender, ui::MouseButton Button, unsigned Shift, int X, int Y);
  void tmrCloseTimer(ui::Component& Sender);

 protected:
  void dpi_changed(const plat::RECT& suggested) override;

 public:

  ui::Picture* imgPic;
  ui::Picture* imgO;
  ui::Picture* imgChat;
  ui::Picture* imgMail;
  ui::Label* lblDragArea;
  ui::Label* lblDay;
  ui::Label* lblTime;
  ui::Timer* tmrTiempo;
  ui::Timer* tmrClose;

 private:
  void cover_desk(int pushed);
  void place_band(int w, int h);
  void lay_out_again();
  void display_changed() override;

  // Where the form rests (the desk's top) and where the primary lies in it.
  int rest_top_ = 0;
  plat::POINT primary_{};
};

extern TfrmLogon* frmLogon;
