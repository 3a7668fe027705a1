// The program's forms, created once at start in this order; the first
// becomes the main form.
#pragma once

namespace ui {
class Application;
}

namespace app {

void create_forms(ui::Application& application);

}  // namespace app
