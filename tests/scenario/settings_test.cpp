// The settings dialog: made hidden with its design values, a slightly
// translucent topmost overlay, and put away alike by OK and Cancel.
#include <gtest/gtest.h>

#include "forms/clock/clock.h"
#include "forms/settings/settings.h"
#include "support/sim_app.h"
#include "ui/check_box.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/label.h"

namespace {

struct Settings : ::testing::Test {
  // Another form first: the first one made is the main form, whose close ends the program.
  Settings() {
    sim.app->create_form(frmClock);
    sim.app->create_form(frmSetting);
  }
  support::SimApp sim{{.ship_pictures = false}};
};

TEST_F(Settings, StartsHiddenWithTheDesignValuesAsATranslucentTopmostToolWindow) {
  const auto& w = sim.desktop.window(frmSetting->handle());
  EXPECT_FALSE(w.visible());
  EXPECT_EQ(w.bounds, (plat::RECT{262, 159, 262 + 818, 159 + 425}));
  EXPECT_EQ(w.style & plat::WS_CAPTION, 0u);
  EXPECT_EQ(w.ex_style & (plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST),
            plat::WS_EX_LAYERED | plat::WS_EX_TOOLWINDOW | plat::WS_EX_TOPMOST);
  EXPECT_EQ(w.layered_alpha, 250);
  EXPECT_EQ(frmSetting->component<ui::Edit>("edtStart").text(), "menu.mht");
  EXPECT_EQ(frmSetting->component<ui::Edit>("edtShareHTML").text(), "");
  auto& engines = frmSetting->component<ui::ComboBox>("cbbSearchEngine");
  EXPECT_EQ(engines.items().size(), 3u);
  EXPECT_EQ(engines.item_index(), -1);
  EXPECT_EQ(engines.text(), "");
  EXPECT_FALSE(frmSetting->component<ui::CheckBox>("chkBrowser").checked());
  EXPECT_EQ(frmSetting->component<ui::CheckBox>("chkBrowser").caption(), "Use embedded  browser");
}

TEST_F(Settings, OkAndCancelOnlyHideTheDialogAndTheFieldsKeepWhatWasTyped) {
  auto& edit = frmSetting->component<ui::Edit>("edtStart");
  for (const char* button : {"lblOk", "lblCancel"}) {
    frmSetting->show();
    edit.type('!');
    frmSetting->component<ui::Label>(button).click();
    EXPECT_FALSE(plat::os().IsWindowVisible(frmSetting->handle())) << button;
    EXPECT_FALSE(sim.app->terminated());
  }
  EXPECT_EQ(edit.text(), "menu.mht!!");
}

TEST_F(Settings, TheOkLabelIsOpaqueAndTheCancelLabelFollowsTheVisualStyles) {
  auto& ok = frmSetting->component<ui::Label>("lblOk");
  auto& cancel = frmSetting->component<ui::Label>("lblCancel");
  sim.desktop.set_visual_styles(true);
  EXPECT_FALSE(ok.draws_transparent());
  EXPECT_TRUE(cancel.draws_transparent());
  sim.desktop.set_visual_styles(false);
  EXPECT_FALSE(cancel.draws_transparent());
}

}  // namespace
