// The frmAppSwitcher form.
#pragma once

#include "ui/form.h"

class TfrmAppSwitcher : public ui::Form {
 public:
  explicit TfrmAppSwitcher(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmAppSwitcher* frmAppSwitcher;
