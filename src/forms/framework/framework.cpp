#include "forms/framework/framework.h"

TfrmFrameWork* frmFrameWork = nullptr;

TfrmFrameWork::TfrmFrameWork(ui::Application& app) : ui::Form(app) {
  handler("FormCreate", &TfrmFrameWork::FormCreate);
  load_design("TFRMFRAMEWORK");
}

void TfrmFrameWork::FormCreate(ui::Component&) {}
