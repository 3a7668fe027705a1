// The frmClock form.
#pragma once

#include "ui/form.h"

class TfrmClock : public ui::Form {
 public:
  explicit TfrmClock(ui::Application& app);

  void FormCreate(ui::Component& Sender);
};

extern TfrmClock* frmClock;
