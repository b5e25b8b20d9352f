#pragma once

#include "core/Color.h"

#include <string>

namespace tavrik {

// Font styles form a bit set with these values, as skins store them.
enum TFontStyle : unsigned {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};
using TFontStyles = unsigned;

// What a canvas draws text with. Height follows the desktop convention the skins were drawn
// for: a positive height is the cell height (ascent + descent) in pixels, a negative one the
// em size. Orientation is in tenths of a degree: 0, or 900 for text running bottom to top.
struct TFontRequest {
    std::string Name = "Arial";
    int Height = -12;
    TFontStyles Style = 0;
    TColor Color = clBlack;
    int Orientation = 0;

    friend bool operator==(const TFontRequest&, const TFontRequest&) = default;
};

} // namespace tavrik
