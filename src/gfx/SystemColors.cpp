#include "gfx/SystemColors.h"

#include <array>

namespace tavrik {

namespace {

// A light palette in the spirit of current Linux desktops: near-white faces, mid-grey
// shadows, a clear blue for selections.
constexpr std::array<TColor, 31> kPalette = {
    RGB(218, 218, 218), // scroll bar
    RGB(58, 110, 165),  // desktop
    RGB(53, 132, 228),  // active caption
    RGB(205, 210, 218), // inactive caption
    RGB(255, 255, 255), // menu
    RGB(255, 255, 255), // window
    RGB(100, 100, 100), // window frame
    RGB(0, 0, 0),       // menu text
    RGB(0, 0, 0),       // window text
    RGB(255, 255, 255), // caption text
    RGB(190, 190, 190), // active border
    RGB(215, 215, 215), // inactive border
    RGB(171, 171, 171), // application workspace
    RGB(53, 132, 228),  // highlight
    RGB(255, 255, 255), // highlight text
    RGB(240, 240, 240), // button face
    RGB(160, 160, 160), // button shadow
    RGB(128, 128, 128), // grey text
    RGB(0, 0, 0),       // button text
    RGB(70, 70, 70),    // inactive caption text
    RGB(255, 255, 255), // button highlight
    RGB(105, 105, 105), // 3-D dark shadow
    RGB(227, 227, 227), // 3-D light
    RGB(0, 0, 0),       // info text
    RGB(255, 255, 225), // info background
    RGB(181, 181, 181), // (unused index)
    RGB(0, 102, 204),   // hot-tracked item
    RGB(153, 193, 241), // active caption gradient
    RGB(215, 228, 242), // inactive caption gradient
    RGB(53, 132, 228),  // menu highlight
    RGB(240, 240, 240), // menu bar
};

} // namespace

TColor GetSysColor(unsigned index)
{
    return index < kPalette.size() ? kPalette[index] : clBlack;
}

TColor ColorToRGB(TColor color)
{
    return IsSystemColor(color) ? GetSysColor(color & 0xFF) : color;
}

} // namespace tavrik
