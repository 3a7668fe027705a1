#include "forms/appswitcher/appswitcher.h"

TfrmAppSwitcher* frmAppSwitcher = nullptr;

TfrmAppSwitcher::TfrmAppSwitcher(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmAppSwitcher::FormCreate);
  load_design("TFRMAPPSWITCHER");
}

void TfrmAppSwitcher::FormCreate(ui::Component&) {}
