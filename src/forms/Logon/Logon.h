// The frmLogon form.
#pragma once

#include "ui/form.h"

class TfrmLogon : public ui::Form {
 public:
  explicit TfrmLogon(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmLogon* frmLogon;
