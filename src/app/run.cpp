#include "app/run.h"

#include "app/CursorFix.h"
#include "app/form_registry.h"
#include "app/session.h"
#include "compositor/DwmApi.h"
#include "platform/platform.h"
#include "ui/application.h"

namespace app {

namespace {

constexpr const char* kTitle = "Slatebar";
constexpr const char* kInstanceClass = "SlatebarCLS";

}  // namespace

int run() {
  // Declared in the order they must be made: leaving run() ends the forms
  // first (the browser control must go while OLE is up), then the
  // compositor library, GDI+, and OLE last.
  OleSession ole;
  GdiplusSession gdiplus;
  DwmApi::CompositorAccess compositor;
  ui::Application application;
  application.set_cloaked_test([&compositor](plat::HWND w) { return compositor.IsWindowCloaked(w); });
  CursorFix::replace_hand_cursor(application.screen());
  // Another instance's icon bar: end quietly, touching nothing of it.
  if (plat::os().FindWindowA(kInstanceClass, nullptr)) return 0;
  application.set_title(kTitle);
  application.guard([&] {
    create_forms(application);
    application.run();
  });
  return 0;
}

}  // namespace app
