#include "skincontrols/SkinPaint.h"

#include "gfx/Canvas.h"
#include "ui/Font.h"

namespace tavrik {

TFontRequest SkinFontRequest(const TbsSkinFontKeys& keys, TColor color)
{
    TFontRequest font;
    font.Name = keys.fontname;
    font.Height = keys.fontheight;
    font.Style = TFontStyles(keys.fontstyle);
    font.Color = color;
    return font;
}

TFontRequest WithColor(const TFont& font, TColor color)
{
    TFontRequest request = font.Request();
    request.Color = color;
    return request;
}

void DrawSkinPartTransparent(TCanvas& canvas, TPoint dest, const TBitmap& picture, const TRect& part)
{
    if (part.IsEmpty()) return;
    canvas.CopyRectTransparent(Bounds(dest.x, dest.y, part.Width(), part.Height()), picture, part,
                               picture.GetPixel(part.Left, part.Bottom - 1));
}

} // namespace tavrik
