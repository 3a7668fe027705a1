// The frmMenu form.
#pragma once

#include "ui/form.h"

class TfrmMenu : public ui::Form {
 public:
  explicit TfrmMenu(ui::Application& app);

  void FormCreate(ui::Component& Sender);

 protected:
  // The running instance is recognised by this window's class.
  void create_params(plat::WindowParams& params) override;
};

extern TfrmMenu* frmMenu;
