#pragma once

#include "core/Color.h"

#include <vector>

namespace tavrik::skingen {

// The skin's colours: calm neutral greys and one blue accent.
namespace theme {

constexpr TColor kOutside = RGB(128, 128, 130);     // beyond a window's shape; only edge pixels show it
constexpr TColor kFrameBorder = RGB(160, 162, 168); // outline of a window
constexpr TColor kCaption = RGB(235, 236, 238);     // caption bar, menu bar, status bar
constexpr TColor kCaptionHover = RGB(218, 219, 223);
constexpr TColor kCaptionPress = RGB(202, 204, 209);
constexpr TColor kWindow = RGB(246, 246, 247);      // client areas, window border, panels, flat controls
// Pages of the page control share the window's colour: every control is drawn for that
// background, and would show a plate of it on a lighter page.
constexpr TColor kPage = kWindow;
constexpr TColor kSurface = RGB(255, 255, 255);     // fields, lists, menus
constexpr TColor kSeparator = RGB(221, 222, 226);
constexpr TColor kBorder = RGB(192, 194, 199);      // control outlines
constexpr TColor kBorderStrong = RGB(146, 149, 156); // outlines of small marks: check boxes, radios
constexpr TColor kText = RGB(36, 37, 41);
constexpr TColor kGlyph = RGB(62, 64, 70);
constexpr TColor kTextMuted = RGB(110, 113, 120);
constexpr TColor kTextDisabled = RGB(162, 164, 170);
constexpr TColor kAccent = RGB(53, 132, 228);
constexpr TColor kAccentDark = RGB(26, 95, 180);
constexpr TColor kAccentLight = RGB(98, 160, 236);  // accent elements under the pointer
constexpr TColor kAccentRing = RGB(178, 206, 244);  // the inner ring of a focused field
constexpr TColor kAccentTint = RGB(224, 235, 251);  // hot and selected backgrounds
constexpr TColor kAccentPress = RGB(200, 219, 246); // pressed backgrounds
constexpr TColor kHover = RGB(232, 233, 236);       // neutral hot background
constexpr TColor kPress = RGB(214, 216, 221);       // neutral pressed background
constexpr TColor kDisabledFill = RGB(243, 243, 245);
constexpr TColor kDisabledBorder = RGB(216, 217, 221);
constexpr TColor kTrack = RGB(226, 227, 231);       // scroll-bar troughs, progress troughs
constexpr TColor kGroove = RGB(204, 206, 212);      // track-bar grooves
constexpr TColor kThumb = RGB(168, 171, 178);
constexpr TColor kThumbHot = RGB(128, 132, 140);
constexpr TColor kDanger = RGB(224, 56, 70);
constexpr TColor kDangerDark = RGB(186, 36, 50);
constexpr TColor kTab = RGB(236, 237, 239);
constexpr TColor kHint = RGB(252, 252, 253);

// Colours that every picture keeps exactly, so that pieces of different pictures meet
// without seams.
inline std::vector<TColor> Reserved()
{
    return {kOutside,     kFrameBorder, kCaption,     kCaptionHover, kCaptionPress,   kWindow,
            kSurface,     kSeparator,   kBorder,      kBorderStrong, kText,           kGlyph,       kTextMuted,
            kTextDisabled, kAccent,     kAccentDark,  kAccentLight,  kAccentRing,     kAccentTint,  kAccentPress,
            kHover,       kPress,       kDisabledFill, kDisabledBorder, kTrack,       kGroove,      kThumb,
            kThumbHot,    kDanger,      kDangerDark,  kTab,          kHint,           clWhite,      clBlack};
}

} // namespace theme

} // namespace tavrik::skingen
