// What the end-to-end groups and the tour need on this machine. Every tool
// here is installed by scripts/install-deps; a missing one fails a group
// instead of skipping it, so that no check goes quietly unrun.
#pragma once

#include <optional>
#include <string>

namespace e2e {

// The host tools (Xvfb, ImageMagick, tesseract with its English and
// Spanish data, the faces the designs need) and the helper exe: the first
// missing one, or nothing.
std::optional<std::string> missing_tools();
// What a desk of two monitors needs besides: Xorg, its dummy video driver
// and xrandr.
std::optional<std::string> missing_desk_tools();

}  // namespace e2e
