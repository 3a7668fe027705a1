// The frmSetting form.
#pragma once

#include "ui/form.h"

class TfrmSetting : public ui::Form {
 public:
  explicit TfrmSetting(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmSetting* frmSetting;
