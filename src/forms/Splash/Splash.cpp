#include "forms/Splash/Splash.h"

#include "forms/Splash/fade.h"
#include "forms/Splash/premultiply.h"
#include "platform/platform.h"
#include "ui/error.h"
#include "image/scale.h"
#include "ui/scale.h"
#include "ui/timer.h"

namespace {

constexpr const char* kSplashResource = "SPLASH";
// Reported the way a failed assertion reads: message (source, line).
constexpr const char* kWrongFormat = "Wrong bitmap format - must be 32 bits/pixel (Splash, line 139)";

}  // namespace

TFormSplash::TFormSplash(ui::Application& app) : ui::Form(app) {
  handler("FormClick", &TFormSplash::FormClick);
  handler("FormClose", &TFormSplash::FormClose);
  handler("FormKeyPress", &TFormSplash::FormKeyPress);
  handler("TimerSplashTimer", &TFormSplash::TimerSplashTimer);
  load_design("TFORMSPLASH");
  TimerSplash = &component<ui::Timer>("TimerSplash");
}

void TFormSplash::ShowSplash() {
  auto& os = plat::os();
  auto ex = static_cast<plat::DWORD>(os.GetWindowLongA(handle(), plat::GWL_EXSTYLE));
  if (!(ex & plat::WS_EX_LAYERED)) {
    os.SetWindowLongA(handle(), plat::GWL_EXSTYLE, static_cast<plat::LONG>(ex | plat::WS_EX_LAYERED));
  }
  plat::DecodedBitmap bitmap = os.decode_picture_resource(kSplashResource);
  if (bitmap.bits_per_pixel != 32) throw ui::Error(kWrongFormat);
  // Made for 96 pixels per inch like every picture of the program: grown
  // to the scale while its alpha is still straight, as the resampler
  // weights colours by it.
  if (dpi() != ui::kDesignDpi) {
    bitmap.image = image::scale_image(bitmap.image, scaled(bitmap.image.width), scaled(bitmap.image.height));
  }
  Splash::PremultiplyAlpha(bitmap.image);
  set_client_size(bitmap.image.width, bitmap.image.height);

  plat::POINT source{0, 0};
  plat::SIZE size{bitmap.image.width, bitmap.image.height};
  plat::BLENDFUNCTION blend{plat::AC_SRC_OVER, 0, 0, plat::AC_SRC_ALPHA};
  show();
  Splash::fade_in([&](std::uint8_t alpha) {
    blend.SourceConstantAlpha = alpha;
    os.UpdateLayeredWindow(handle(), nullptr, &size, bitmap.image, &source, 0, &blend, plat::ULW_ALPHA);
  });
  // Already running since construction: the splash closes on its first
  // schedule, not one full interval after the fade.
  if (TimerSplash) TimerSplash->set_enabled(true);
}

void TFormSplash::FormClick(ui::Component&) { close(); }

void TFormSplash::FormClose(ui::Component&, ui::CloseAction& Action) {
  // A key press and the timer can both ask before the release message of
  // the first request has been handled. The timer is freed once, and the
  // later request leaves the release already on its way alone rather than
  // queueing a second one for a form that will be gone by then.
  if (!TimerSplash) {
    Action = ui::CloseAction::None;
    return;
  }
  free_component(TimerSplash);
  TimerSplash = nullptr;
  Action = ui::CloseAction::Free;
}

void TFormSplash::FormKeyPress(ui::Component&, char&) { close(); }

void TFormSplash::TimerSplashTimer(ui::Component&) { close(); }

std::optional<int> TFormSplash::nc_hit_test(int, int) { return plat::HTCAPTION; }
