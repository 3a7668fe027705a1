#include "forms/Splash/fade.h"

#include "platform/platform.h"

namespace Splash {

void fade_in(const std::function<void(std::uint8_t alpha)>& update) {
  auto& os = plat::os();
  plat::DWORD last_tick = 0;
  std::uint8_t alpha = 0;
  while (alpha < 255) {
    while (os.GetTickCount() == last_tick) os.Sleep(10);
    last_tick = os.GetTickCount();
    alpha = next_fade_alpha(alpha);
    update(alpha);
  }
}

}  // namespace Splash
