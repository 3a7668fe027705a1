#include "forms/appPicture/appPicture.h"

TfrmAppPicture* frmAppPicture = nullptr;

TfrmAppPicture::TfrmAppPicture(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmAppPicture::FormCreate);
  load_design("TFRMAPPPICTURE");
}

void TfrmAppPicture::FormCreate(ui::Component&) {}
