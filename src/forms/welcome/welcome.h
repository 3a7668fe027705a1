// The frmWelcome form.
#pragma once

#include "ui/form.h"

class TfrmWelcome : public ui::Form {
 public:
  explicit TfrmWelcome(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmWelcome* frmWelcome;
