// The icon bar: the program's main form, a black strip that waits beyond
// the right screen edge, slides in while the pointer rests on the last
// pixel column, flies its five icons in and slides out again once the
// pointer moves left of it. It brings the clock panel with it.
#pragma once

#include "ui/application.h"
#include "ui/desk_watch.h"
#include "ui/form.h"
#include "ui/picture.h"
#include "ui/popup_menu.h"
#include "ui/timer.h"

class TfrmMenu : public ui::Form {
 public:
  explicit TfrmMenu(ui::Application& app);

  // The bar's geometry at 96 pixels per inch; shown at the form's scale
  // (scaled()). The edge column it watches is a screen pixel, not scaled.
  static constexpr int kBarWidth = 48;
  static constexpr int kCreationInset = 64;  // created at W - 64, wholly on screen
  // Parked this far beyond the desk's right edge; from as far beyond its
  // monitor's edge, six moves bring it in.
  static constexpr int kParkGap = 6;
  static constexpr int kStep = 10;           // pixels per slide and fly-in tick
  static constexpr int kIconSize = 48;
  static constexpr int kIconPitch = 64;      // icon tops: 16 pixels between icons
  // Icon lefts within the bar while it is out; 0 once flown in.
  static constexpr int kRestMenu = 40;
  static constexpr int kRestShare = 50;
  static constexpr int kRestSearch = 60;
  static constexpr int kRestConnect = 50;
  static constexpr int kRestSettings = 60;

  ui::Picture* imgMenu = nullptr;
  ui::Picture* imgSearch = nullptr;
  ui::Picture* imgShare = nullptr;
  ui::Picture* imgConnect = nullptr;
  ui::Picture* imgSettings = nullptr;
  ui::Timer* tmrMenu = nullptr;
  ui::Timer* tmrShowMenu = nullptr;
  ui::Timer* tmrHideMenu = nullptr;
  ui::PopupMenu* pm1 = nullptr;
  ui::MenuItem* About1 = nullptr;
  ui::MenuItem* Lock1 = nullptr;
  ui::MenuItem* Exit1 = nullptr;

  // menu.cpp: the window, the edge slide and the icon fly-in.
  void FormCreate(ui::Component& Sender);
  void AppDeactivate(ui::Application& Sender);
  void tmrMenuTimer(ui::Component& Sender);
  void tmrShowMenuTimer(ui::Component& Sender);
  void tmrHideMenuTimer(ui::Component& Sender);
  // The bar's place, size and icon tops at the form's scale; the bar
  // stands at its creation place, the icons at rest.
  void place_bar();

  // startup.cpp: the start-up sequence run when the bar is first shown.
  void FormShow(ui::Component& Sender);

  // actions.cpp: what the icons and the context menu do.
  void imgMenuClick(ui::Component& Sender);
  void imgSearchClick(ui::Component& Sender);
  void imgShareClick(ui::Component& Sender);
  void imgConnectClick(ui::Component& Sender);
  void imgSettingsClick(ui::Component& Sender);
  void About1Click(ui::Component& Sender);
  void Lock1Click(ui::Component& Sender);
  void Exit1Click(ui::Component& Sender);

 protected:
  // The running instance is recognised by this window's class.
  void create_params(plat::WindowParams& params) override;
  // At a new scale the bar starts again from its creation place, from
  // which the pointer watch slides it out.
  void dpi_changed(const plat::RECT& suggested) override;

 private:
  void icons_to_rest();
  bool hidden() const;
  int parked_left();
  void park();
  void bring_to(const plat::RECT& monitor, int bar_left);
  void display_changed() override;

  // The monitor the bar comes in on; its right edge is the bar's edge.
  plat::RECT monitor_{};
  ui::DeskWatch desk_;
};

extern TfrmMenu* frmMenu;
