#pragma once

#include "core/Geometry.h"
#include "gfx/FontRequest.h"
#include "skin/SkinKeyGroups.h"

namespace tavrik {

class TBitmap;
class TCanvas;
class TFont;

// The font a control skin's fontname, fontheight and fontstyle keys name, in color.
TFontRequest SkinFontRequest(const TbsSkinFontKeys& keys, TColor color);

// The font's request in another colour.
TFontRequest WithColor(const TFont& font, TColor color);

// Copies part of a skin picture onto dest unscaled, leaving out the colour of the part's
// bottom-left pixel (check marks and caption glyphs are drawn on a key colour).
void DrawSkinPartTransparent(TCanvas& canvas, TPoint dest, const TBitmap& picture, const TRect& part);

} // namespace tavrik
