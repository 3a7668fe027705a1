// The toolkit's own hand-point cursor, drawn here in code: the program
// starts with it and swaps in the system's hand once it has checked that
// the system has one.
#include <array>
#include <cstdint>
#include <string_view>

#include "platform/win32/convert.h"
#include "platform/win32/win32_platform.h"

namespace win32 {

namespace {

constexpr int kSide = 32;
constexpr int kRowBytes = kSide / 8;

// 'X' black outline, 'o' white fill, anything else transparent.
constexpr std::array<std::string_view, 22> kHand = {
    "     XX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooX",
    "    XooXXX",
    "    XooXooXXX",
    "    XooXooXooXX",
    "    XooXooXooXoX",
    "XXX XooooooooXooX",
    "XooXXoooooooooooX",
    "XoooXoooooooooooX",
    " XooXoooooooooooX",
    "  XoXoooooooooooX",
    "  XooooooooooooX",
    "   XoooooooooooX",
    "   XooooooooooX",
    "    XoooooooooX",
    "    XoooooooooX",
    "     XooooooooX",
    "     XooooooooX",
    "     XXXXXXXXXX",
};

// The fingertip.
constexpr int kHotX = 5;
constexpr int kHotY = 0;

struct Masks {
  std::array<std::uint8_t, kSide * kRowBytes> and_mask{};
  std::array<std::uint8_t, kSide * kRowBytes> xor_mask{};
};

// AND 1 keeps the screen pixel; AND 0 with XOR 1 paints white, with XOR 0 black.
Masks hand_masks() {
  Masks m;
  m.and_mask.fill(0xFF);
  for (std::size_t y = 0; y < kHand.size(); ++y) {
    for (std::size_t x = 0; x < kHand[y].size(); ++x) {
      const char c = kHand[y][x];
      if (c != 'X' && c != 'o') continue;
      const std::size_t byte = y * kRowBytes + x / 8;
      const auto bit = static_cast<std::uint8_t>(0x80u >> (x % 8));
      m.and_mask[byte] &= static_cast<std::uint8_t>(~bit);
      if (c == 'o') m.xor_mask[byte] |= bit;
    }
  }
  return m;
}

}  // namespace

plat::HCURSOR Win32Platform::create_toolkit_hand_cursor() {
  const Masks m = hand_masks();
  return from_hcursor(::CreateCursor(::GetModuleHandleA(nullptr), kHotX, kHotY, kSide, kSide,
                                     m.and_mask.data(), m.xor_mask.data()));
}

}  // namespace win32
