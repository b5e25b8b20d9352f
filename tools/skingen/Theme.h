#pragma once

#include "core/Color.h"

#include <vector>

namespace tavrik::skingen {

// The skin's colours: calm light neutrals and one blue accent.
namespace theme {

constexpr TColor kOutside = RGB(128, 132, 138);     // beyond a window's shape; only edge pixels show it
constexpr TColor kFrameBorder = RGB(142, 152, 168); // outline of a window
constexpr TColor kCaption = RGB(250, 251, 253);     // caption bar and window border
constexpr TColor kWindow = RGB(243, 245, 248);      // client areas, panels, flat controls
constexpr TColor kPage = RGB(249, 250, 252);        // pages of the page control
constexpr TColor kSurface = RGB(255, 255, 255);     // fields, lists, menus
constexpr TColor kSeparator = RGB(221, 225, 231);
constexpr TColor kBorder = RGB(192, 199, 209);      // control outlines
constexpr TColor kBorderHot = RGB(150, 165, 188);
constexpr TColor kText = RGB(33, 37, 43);
constexpr TColor kGlyph = RGB(72, 80, 92);
constexpr TColor kTextMuted = RGB(112, 120, 132);
constexpr TColor kTextDisabled = RGB(164, 170, 180);
constexpr TColor kAccent = RGB(40, 108, 220);
constexpr TColor kAccentDark = RGB(28, 84, 180);
constexpr TColor kAccentSoft = RGB(122, 168, 240);  // progress bars
constexpr TColor kAccentTint = RGB(228, 237, 252);  // hot backgrounds
constexpr TColor kAccentPress = RGB(205, 222, 249); // pressed backgrounds
constexpr TColor kHover = RGB(232, 236, 242);       // neutral hot background
constexpr TColor kPress = RGB(216, 222, 231);       // neutral pressed background
constexpr TColor kDisabledFill = RGB(246, 247, 249);
constexpr TColor kDisabledBorder = RGB(221, 225, 230);
constexpr TColor kTrack = RGB(214, 219, 227);
constexpr TColor kThumb = RGB(190, 197, 208);
constexpr TColor kThumbHot = RGB(158, 168, 184);
constexpr TColor kDanger = RGB(222, 64, 64);
constexpr TColor kDangerDark = RGB(186, 42, 42);
constexpr TColor kTab = RGB(233, 237, 243);
constexpr TColor kHint = RGB(252, 253, 255);

// Colours that every picture keeps exactly, so that pieces of different pictures meet
// without seams.
inline std::vector<TColor> Reserved()
{
    return {kOutside, kFrameBorder, kCaption, kWindow,    kPage,        kSurface,     kSeparator, kBorder,
            kBorderHot, kText,     kGlyph,   kTextMuted, kTextDisabled, kAccent,      kAccentDark, kAccentSoft,
            kAccentTint, kAccentPress, kHover, kPress,   kDisabledFill, kDisabledBorder, kTrack,   kThumb,
            kThumbHot, kDanger,    kDangerDark, kTab,    kHint,        clWhite,      clBlack};
}

} // namespace theme

} // namespace tavrik::skingen
