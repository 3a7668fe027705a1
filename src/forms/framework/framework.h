// The frmFrameWork form.
#pragma once

#include "ui/form.h"

class TfrmFrameWork : public ui::Form {
 public:
  explicit TfrmFrameWork(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmFrameWork* frmFrameWork;
