#include "skin/SkinDrawing.h"

#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/TextLayout.h"

namespace tavrik {

void DrawFrame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight)
{
    TCanvasStateSaver saver(canvas);
    const int r = rect.Right - 1;
    const int b = rect.Bottom - 1;
    canvas.SetPen(TPen{topLeft, 1, TPenStyle::psSolid, TPenMode::pmCopy});
    canvas.MoveTo(rect.Left, b);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(r, rect.Top);
    canvas.Pen().Color = bottomRight;
    canvas.LineTo(r, b);
    canvas.LineTo(rect.Left - 1, b);
}

void DrawStripFrame(TCanvas& canvas, int x, int y, int k, int frameCount, const TBitmap& strip)
{
    if (strip.Empty() || frameCount <= 0 || k < 1 || k > frameCount) return;
    const int fw = strip.Width() / frameCount;
    if (fw == 0) return;
    const int h = strip.Height();
    const int left = fw * (k - 1);
    canvas.CopyRectTransparent(Bounds(x, y, fw, h), strip, Bounds(left, 0, fw, h), strip.GetPixel(left, h - 1));
}

std::string EllipsizeText(const TCanvas& canvas, std::string_view text, int maxWidth)
{
    if (canvas.TextWidth(text) <= maxWidth) return std::string(text);
    std::string shortened(text);
    while (!shortened.empty()) {
        shortened.resize(Utf8Prev(shortened, shortened.size()));
        if (canvas.TextWidth(shortened + "...") <= maxWidth) break;
    }
    return shortened + "...";
}

std::string EllipsizePathText(const TCanvas& canvas, std::string_view text, int maxWidth)
{
    if (canvas.TextWidth(text) <= maxWidth) return std::string(text);
    const size_t slash = text.rfind('/');
    if (slash == std::string_view::npos) return EllipsizeText(canvas, text, maxWidth);
    const std::string tail = "..." + std::string(text.substr(slash));
    std::string head(text.substr(0, slash));
    while (!head.empty() && canvas.TextWidth(head + tail) > maxWidth) head.resize(Utf8Prev(head, head.size()));
    if (canvas.TextWidth(head + tail) > maxWidth) return EllipsizeText(canvas, text, maxWidth);
    return head + tail;
}

void DrawTextVCentered(TCanvas& canvas, std::string_view text, const TRect& rect)
{
    TRect r = rect;
    canvas.DrawText(text, r, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void DrawTextInRect(TCanvas& canvas, std::string_view text, const TRect& rect, int indent)
{
    const int y = rect.Top + rect.Height() / 2 - canvas.TextHeight(text) / 2;
    canvas.TextRect(rect, rect.Left + indent + 2, y, text);
}

} // namespace tavrik
