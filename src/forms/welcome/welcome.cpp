#include "forms/welcome/welcome.h"

TfrmWelcome* frmWelcome = nullptr;

TfrmWelcome::TfrmWelcome(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmWelcome::FormCreate);
  load_design("TFRMWELCOME");
}

void TfrmWelcome::FormCreate(ui::Component&) {}
