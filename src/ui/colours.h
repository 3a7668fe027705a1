// The few system colours the drawn controls use, as 0x00BBGGRR.
#pragma once

#include "platform/winapi.h"

namespace ui::colours {

inline constexpr plat::COLORREF kBlack = 0x00000000;
inline constexpr plat::COLORREF kWhite = 0x00FFFFFF;
inline constexpr plat::COLORREF kButtonFace = 0x00F0F0F0;
inline constexpr plat::COLORREF kButtonBorder = 0x00ADADAD;
inline constexpr plat::COLORREF kWindow = 0x00FFFFFF;
inline constexpr plat::COLORREF kWindowText = 0x00000000;
inline constexpr plat::COLORREF kFieldBorder = 0x007A7A7A;
inline constexpr plat::COLORREF kHighlight = 0x00D77800;
inline constexpr plat::COLORREF kHighlightText = 0x00FFFFFF;

}  // namespace ui::colours
