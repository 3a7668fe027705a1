#include "forms/menu/menu.h"

TfrmMenu* frmMenu = nullptr;

TfrmMenu::TfrmMenu(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmMenu::FormCreate);
  load_design("TFRMMENU");
}

void TfrmMenu::create_params(plat::WindowParams& params) { params.class_name = "SlatebarCLS"; }

void TfrmMenu::FormCreate(ui::Component&) {}
