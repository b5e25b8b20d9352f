#pragma once

#include "core/Color.h"

namespace tavrik {

// A colour with the high byte 0xFF names an entry of the desktop's palette by its low byte
// (the classic system colour indices); the canvas resolves it when it draws.
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor SystemColor(unsigned index) { return clSystemColor | index; }

constexpr TColor clScrollBar = SystemColor(0);
constexpr TColor clBackground = SystemColor(1);
constexpr TColor clActiveCaption = SystemColor(2);
constexpr TColor clInactiveCaption = SystemColor(3);
constexpr TColor clMenu = SystemColor(4);
constexpr TColor clWindow = SystemColor(5);
constexpr TColor clWindowFrame = SystemColor(6);
constexpr TColor clMenuText = SystemColor(7);
constexpr TColor clWindowText = SystemColor(8);
constexpr TColor clCaptionText = SystemColor(9);
constexpr TColor clActiveBorder = SystemColor(10);
constexpr TColor clInactiveBorder = SystemColor(11);
constexpr TColor clAppWorkSpace = SystemColor(12);
constexpr TColor clHighlight = SystemColor(13);
constexpr TColor clHighlightText = SystemColor(14);
constexpr TColor clBtnFace = SystemColor(15);
constexpr TColor clBtnShadow = SystemColor(16);
constexpr TColor clGrayText = SystemColor(17);
constexpr TColor clBtnText = SystemColor(18);
constexpr TColor clInactiveCaptionText = SystemColor(19);
constexpr TColor clBtnHighlight = SystemColor(20);
constexpr TColor cl3DDkShadow = SystemColor(21);
constexpr TColor cl3DLight = SystemColor(22);
constexpr TColor clInfoText = SystemColor(23);
constexpr TColor clInfoBk = SystemColor(24);
constexpr TColor clHotLight = SystemColor(26);
constexpr TColor clGradientActiveCaption = SystemColor(27);
constexpr TColor clGradientInactiveCaption = SystemColor(28);
constexpr TColor clMenuHighlight = SystemColor(29);
constexpr TColor clMenuBar = SystemColor(30);

// "The control's own default colour": components resolve it themselves.
constexpr TColor clDefault = 0x20000000;

constexpr bool IsSystemColor(TColor color) { return (color & 0xFF000000) == clSystemColor; }

// The palette entry of a system colour index; unknown indices give black.
TColor GetSysColor(unsigned index);
// System colours become their palette entry; every other value is returned unchanged.
TColor ColorToRGB(TColor color);

} // namespace tavrik
