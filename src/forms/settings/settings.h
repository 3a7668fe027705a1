// The settings dialog: fields for the start page, the share page, the
// search engine and the embedded-browser choice. It is made hidden at
// start; nothing shows it yet and nothing reads or stores its values.
#pragma once

#include "ui/form.h"

class TfrmSetting : public ui::Form {
 public:
  explicit TfrmSetting(ui::Application& app);

  void FormCreate(ui::Component& Sender);
  void lblOkClick(ui::Component& Sender);
  void lblCancelClick(ui::Component& Sender);
};

extern TfrmSetting* frmSetting;
