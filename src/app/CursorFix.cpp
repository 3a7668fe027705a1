#include "app/CursorFix.h"

#include "platform/platform.h"
#include "ui/control.h"
#include "ui/screen.h"

namespace CursorFix {

void replace_hand_cursor(ui::Screen& screen) {
  plat::HCURSOR replaced = screen.cursor(ui::crHandPoint);
  screen.set_cursor(ui::crHandPoint, plat::os().LoadCursorA(0, plat::IDC_HAND));
  plat::os().DestroyCursor(replaced);
}

}  // namespace CursorFix
