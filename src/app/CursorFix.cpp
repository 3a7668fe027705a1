#include "app/CursorFix.h"

#include "platform/owners.h"
#include "platform/platform.h"
#include "ui/control.h"
#include "ui/screen.h"

namespace CursorFix {

void replace_hand_cursor(ui::Screen& screen) {
  // The toolkit's cursor is destroyed as `replaced` goes, here.
  plat::Cursor replaced = screen.replace_cursor(ui::crHandPoint, plat::os().LoadCursorA(0, plat::IDC_HAND));
}

}  // namespace CursorFix
