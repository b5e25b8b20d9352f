#include "skincontrols/NonClientFrame.h"

#include "gfx/Bitmap.h"
#include "gfx/Canvas.h"
#include "skin/SkinCells.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/SkinControlGeometry.h"
#include "ui/Messages.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

void CalcClientArea(TMessage& m, const TRect& margins)
{
    TRect* r = m.WParam ? &LParamToPtr<NCCALCSIZE_PARAMS>(m.LParam)->rgrc[0] : LParamToPtr<TRect>(m.LParam);
    const int left = r->Left + margins.Left, top = r->Top + margins.Top;
    *r = {left, top, std::max(left, r->Right - margins.Right), std::max(top, r->Bottom - margins.Bottom)};
    m.Result = 0;
}

void PaintFrameImage(HWND window, const TBitmap& image, const TRect& margins)
{
    const int w = image.Width(), h = image.Height();
    const TRect strips[] = {{0, 0, w, margins.Top},
                            {0, h - margins.Bottom, w, h},
                            {0, margins.Top, margins.Left, h - margins.Bottom},
                            {w - margins.Right, margins.Top, w, h - margins.Bottom}};
    TWindowDC dc(window, true);
    if (!dc.Canvas()) return;
    for (const TRect& strip : strips)
        if (!strip.IsEmpty()) dc.Canvas()->CopyRect(strip, image, strip);
}

void DrawSkinBorder(TCanvas& canvas, const TbsSkinControlGeometry& g, const TRect& source, TSize size)
{
    if (!g.SkinPicture) return;
    const TSkinCut cut{g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.clientrect};
    TFrameParts parts;
    BuildFrameParts(*g.SkinPicture, source, cut, size, ResizeSkinCut(cut, {g.skinrect.Width(), g.skinrect.Height()}, size), {},
                    parts);
    canvas.Draw(0, 0, parts.Top);
    canvas.Draw(0, parts.Top.Height(), parts.Left);
    canvas.Draw(size.cx - parts.Right.Width(), parts.Top.Height(), parts.Right);
    canvas.Draw(0, size.cy - parts.Bottom.Height(), parts.Bottom);
}

void RecalcNonClientFrame(HWND window)
{
    if (!window) return;
    SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    RedrawWindow(window, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
}

} // namespace tavrik
