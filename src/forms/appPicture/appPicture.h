// The frmAppPicture form.
#pragma once

#include "ui/form.h"

class TfrmAppPicture : public ui::Form {
 public:
  explicit TfrmAppPicture(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmAppPicture* frmAppPicture;
