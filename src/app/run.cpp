#include "app/run.h"

#include "app/CursorFix.h"
#include "app/form_registry.h"
#include "app/session.h"
#include "platform/DwmApi/DwmApi.h"
#include "platform/platform.h"
#include "ui/application.h"

namespace app {

namespace {

constexpr const char* kTitle = "Slatebar";
constexpr const char* kInstanceClass = "SlatebarCLS";

}  // namespace

int run() {
  // Image decoding for the splash is started with the process and stays
  // available for the whole run.
  GdiplusSession gdiplus;
  ui::Application application;
  CursorFix::replace_hand_cursor(application.screen());
  // Another instance's icon bar: end quietly, touching nothing of it.
  if (plat::os().FindWindowA(kInstanceClass, nullptr)) return 0;
  ComSession com;
  application.set_title(kTitle);
  application.guard([&] {
    create_forms(application);
    application.run();
  });
  // Forms first (the browser control must go while COM is up), then the
  // compositor library, GDI+, and COM last.
  application.destroy_forms();
  DwmApi::finalize();
  gdiplus.end();
  com.end();
  return 0;
}

}  // namespace app
