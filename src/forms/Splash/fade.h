// The fade-in of the splash: paced by the system tick counter, one step
// per change of GetTickCount, without dispatching messages.
#pragma once

#include <cstdint>
#include <functional>

namespace Splash {

// The next constant alpha of the fade: 8, 16, 24, 32, 39, 46, ... 254, 255.
constexpr std::uint8_t next_fade_alpha(std::uint8_t alpha) {
  return static_cast<std::uint8_t>(alpha + (255 - alpha) / 32 + 1);
}

// Runs the fade from alpha 0 to 255, calling update(alpha) once per fresh
// tick of the system clock; polls with Sleep(10) while it has not moved.
void fade_in(const std::function<void(std::uint8_t alpha)>& update);

}  // namespace Splash
