// The toolkit's own hand-point cursor is replaced by the system's hand
// cursor before any form exists, so every clickable control shows the
// hand the user knows from the rest of the desktop.
#pragma once

namespace ui {
class Screen;
}

namespace CursorFix {

void replace_hand_cursor(ui::Screen& screen);

}  // namespace CursorFix
