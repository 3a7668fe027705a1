#include "forms/Logon/Logon.h"

TfrmLogon* frmLogon = nullptr;

TfrmLogon::TfrmLogon(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmLogon::FormCreate);
  load_design("TFRMLOGON");
}

void TfrmLogon::FormCreate(ui::Component&) {}
