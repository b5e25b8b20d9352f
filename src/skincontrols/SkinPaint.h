#pragma once

#include "core/Geometry.h"
#include "gfx/FontRequest.h"
#include "skin/SkinKeys.h"

#include <string>

namespace tavrik {

class TBitmap;
class TCanvas;
class TFont;

// The four font keys of a skin section, copied out of the section that declares them.
struct TbsSkinFontKeys {
    std::string fontname = "Arial";
    int32_t fontheight = 14;
    TbsFontStyles fontstyle = 0;
    TColor fontcolor = 0;

    template <class Section>
    static TbsSkinFontKeys Of(const Section& section)
    {
        return {section.fontname, section.fontheight, section.fontstyle, section.fontcolor};
    }
};

// The font a control skin's fontname, fontheight and fontstyle keys name, in color.
TFontRequest SkinFontRequest(const TbsSkinFontKeys& keys, TColor color);

// The font's request in another colour.
TFontRequest WithColor(const TFont& font, TColor color);

// Copies part of a skin picture onto dest unscaled, leaving out the colour of the part's
// bottom-left pixel (check marks and caption glyphs are drawn on a key colour).
void DrawSkinPartTransparent(TCanvas& canvas, TPoint dest, const TBitmap& picture, const TRect& part);

} // namespace tavrik
