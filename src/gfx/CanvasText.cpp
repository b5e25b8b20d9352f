#include "gfx/Canvas.h"

#include "core/Utf8.h"
#include "gfx/FontInstance.h"
#include "gfx/PixelOps.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"

#include <algorithm>
#include <optional>

namespace tavrik {

namespace {

bool IsTurned(const TFontRequest& font) { return (font.Orientation % 3600 + 3600) % 3600 == 900; }

// Text space has u along the line and v down from the top of the cell. Turned text maps
// (u, v) to the device pixel (x + v, y - 1 - u) of its reference point (x, y).
TRect TextSpaceToDevice(const TRect& area, TPoint reference, bool turned)
{
    if (!turned) return area.Offset(reference.x, reference.y);
    return {reference.x + area.Top, reference.y - area.Right, reference.x + area.Bottom, reference.y - area.Left};
}

} // namespace

TFontInstance& TCanvas::ResolvedFont() const
{
    const TFontRequest& f = state_.font;
    constexpr TFontStyles kShapeStyles = fsBold | fsItalic;
    if (!font_ || f.Name != fontRequest_.Name || f.Height != fontRequest_.Height ||
        ((f.Style ^ fontRequest_.Style) & kShapeStyles) != 0) {
        font_ = TFontInstance::Get(f);
        fontRequest_ = f;
    }
    return *font_;
}

int TCanvas::TextWidth(std::string_view text) const { return ResolvedFont().TextWidth(text); }

int TCanvas::TextHeight(std::string_view) const { return ResolvedFont().Height(); }

TSize TCanvas::TextExtent(std::string_view text) const { return {TextWidth(text), TextHeight(text)}; }

void TCanvas::TextOut(int x, int y, std::string_view text)
{
    PaintText(nullptr, x, y, text);
    state_.penPos = {x + TextWidth(text), y};
}

void TCanvas::TextRect(const TRect& rect, int x, int y, std::string_view text) { PaintText(&rect, x, y, text); }

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned flags)
{
    TFontInstance& font = ResolvedFont();
    auto measure = [&font](std::string_view s) { return font.TextWidth(s); };
    std::vector<TTextLine> lines = LayoutText(text, flags, rect.Width(), measure);
    int lineHeight = font.Height(), height = lineHeight * int(lines.size());
    if (flags & DT_CALCRECT) {
        int width = 0;
        for (const TTextLine& line : lines) width = std::max(width, measure(line.text));
        if (!(flags & DT_WORDBREAK) || width > rect.Width()) rect.Right = rect.Left + width;
        rect.Bottom = rect.Top + height;
        return height;
    }
    TCanvasStateSaver saver(*this);
    state_.font.Orientation = 0; // lines are laid out unturned
    if (!(flags & DT_NOCLIP)) IntersectClipRect(rect);
    int y = rect.Top;
    if (flags & DT_VCENTER) y = rect.Top + (rect.Height() - height) / 2;
    else if (flags & DT_BOTTOM) y = rect.Bottom - height;
    for (const TTextLine& line : lines) {
        int width = measure(line.text);
        int x = (flags & DT_CENTER) ? rect.Left + (rect.Width() - width) / 2 : (flags & DT_RIGHT) ? rect.Right - width : rect.Left;
        TextOut(x, y, line.text);
        if (line.accelerator >= 0 && state_.font.Color != clNone) {
            std::string_view before = std::string_view(line.text).substr(0, size_t(line.accelerator));
            size_t next = size_t(line.accelerator);
            Utf8Next(line.text, next);
            int left = measure(before), top = font.Ascent() + font.UnderlineOffset();
            FillTextSpace({x + state_.origin.x, y + state_.origin.y},
                          Rect(left, top, measure(std::string_view(line.text).substr(0, next)), top + font.LineThickness()),
                          false, state_.font.Color);
        }
        y += lineHeight;
    }
    return height;
}

void TCanvas::PaintText(const TRect* clip, int x, int y, std::string_view text)
{
    TFontInstance& font = ResolvedFont();
    bool turned = IsTurned(state_.font);
    int width = font.TextWidth(text), height = font.Height();
    std::optional<TCanvasStateSaver> saver;
    if (clip) {
        saver.emplace(*this);
        IntersectClipRect(*clip);
    }
    if (HasBrush()) FillRect(clip ? *clip : turned ? Rect(x, y - width, x + height, y) : Rect(x, y, x + width, y + height));
    TColor color = state_.font.Color;
    if (color == clNone || text.empty()) return;

    TPoint reference{x + state_.origin.x, y + state_.origin.y};
    uint32_t value = pixels::FromColor(ColorToRGB(color));
    int pen = 0;
    for (size_t pos = 0; pos < text.size();) {
        const TGlyph& glyph = font.Glyph(Utf8Next(text, pos));
        BlendGlyph(glyph, reference, pen, font.Ascent(), turned, value);
        pen += glyph.advance;
    }
    int baseline = font.Ascent(), thickness = font.LineThickness();
    if (state_.font.Style & fsUnderline) {
        int top = baseline + font.UnderlineOffset();
        FillTextSpace(reference, Rect(0, top, width, top + thickness), turned, color);
    }
    if (state_.font.Style & fsStrikeOut) {
        int top = baseline - font.StrikeOutOffset();
        FillTextSpace(reference, Rect(0, top, width, top + thickness), turned, color);
    }
}

void TCanvas::BlendGlyph(const TGlyph& glyph, TPoint reference, int penX, int baseline, bool turned, uint32_t color)
{
    if (glyph.coverage.empty()) return;
    TRect area = Bounds(penX + glyph.left, baseline - glyph.top, glyph.width, glyph.height);
    TRect device = TextSpaceToDevice(area, reference, turned);
    auto coverageAt = [&](int dx, int dy) -> unsigned {
        int gx = turned ? reference.y - 1 - dy - area.Left : dx - device.Left;
        int gy = turned ? dx - reference.x - area.Top : dy - device.Top;
        return glyph.coverage[size_t(gy) * size_t(glyph.width) + size_t(gx)];
    };
    ForEachVisible(device, [&](const TRect& piece) {
        for (int dy = piece.Top; dy < piece.Bottom; ++dy) {
            int dx = piece.Left;
            pixels::TransformRow(*target_, dy, piece.Left, piece.Right, [&](uint32_t d) {
                unsigned coverage = coverageAt(dx++, dy);
                return coverage ? pixels::Blend(d, color, coverage) : d;
            });
        }
    });
}

void TCanvas::FillTextSpace(TPoint reference, const TRect& area, bool turned, TColor color)
{
    ApplyToRegion(TRegion(TextSpaceToDevice(area, reference, turned)), color, TPenMode::pmCopy);
}

} // namespace tavrik
