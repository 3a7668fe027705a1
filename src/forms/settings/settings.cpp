#include "forms/settings/settings.h"

TfrmSetting* frmSetting = nullptr;

TfrmSetting::TfrmSetting(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmSetting::FormCreate);
  load_design("TFRMSETTING");
}

void TfrmSetting::FormCreate(ui::Component&) {}
