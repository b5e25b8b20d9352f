#include "skincontrols/TiledCopy.h"

#include "gfx/Canvas.h"

#include <algorithm>

namespace tavrik {

void TileRect(TCanvas& canvas, const TBitmap& picture, const TRect& source, const TRect& dest)
{
    if (source.IsEmpty() || dest.IsEmpty()) return;
    for (int y = dest.Top; y < dest.Bottom; y += source.Height())
        for (int x = dest.Left; x < dest.Right; x += source.Width()) {
            const int w = std::min(source.Width(), dest.Right - x), h = std::min(source.Height(), dest.Bottom - y);
            canvas.CopyRect(Bounds(x, y, w, h), picture, Bounds(source.Left, source.Top, w, h));
        }
}

} // namespace tavrik
