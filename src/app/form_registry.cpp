#include "app/form_registry.h"

#include "forms/Logon/Logon.h"
#include "forms/appPicture/appPicture.h"
#include "forms/appswitcher/appswitcher.h"
#include "forms/clock/clock.h"
#include "forms/framework/framework.h"
#include "forms/menu/menu.h"
#include "forms/settings/settings.h"
#include "forms/welcome/welcome.h"
#include "ui/application.h"

namespace app {

void create_forms(ui::Application& application) {
  application.create_form(frmMenu);
  application.create_form(frmClock);
  application.create_form(frmAppSwitcher);
  application.create_form(frmAppPicture);
  application.create_form(frmLogon);
  application.create_form(frmFrameWork);
  application.create_form(frmSetting);
  application.create_form(frmWelcome);
}

}  // namespace app
