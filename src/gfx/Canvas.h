#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/FontRequest.h"
#include "gfx/Region.h"

#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tavrik {

class TFontInstance;
struct TGlyph;

enum class TPenStyle : uint8_t { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen (and the brush of the outlined shapes) combines with what is there. Drawing
// the same thing twice with pmNot, pmXor or pmNotXor restores the picture.
enum class TPenMode : uint8_t { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMerge, pmMask, pmXor, pmNotXor };

enum class TBrushStyle : uint8_t { bsSolid, bsClear };

// How copied pixels combine with the target.
enum class TCopyMode : uint8_t {
    cmSrcCopy,
    cmSrcInvert, // source xor target
    cmSrcAnd,
    cmSrcPaint, // source or target
    cmNotSrcCopy,
    cmDstInvert,
    cmBlackness,
    cmWhiteness,
};

struct TPen {
    TColor Color = clBlack;
    int Width = 1;
    TPenStyle Style = TPenStyle::psSolid;
    TPenMode Mode = TPenMode::pmCopy;

    friend bool operator==(const TPen&, const TPen&) = default;
};

struct TBrush {
    TColor Color = clWhite;
    TBrushStyle Style = TBrushStyle::bsSolid;

    friend bool operator==(const TBrush&, const TBrush&) = default;
};

// Draws on a 24- or 32-bit bitmap (other formats work, slowly) and reads from bitmaps of
// any format. Coordinates are logical: the device pixel of logical (x, y) is (x, y) + Origin().
// Rectangles exclude their right and bottom edges everywhere. Colours may be system colours
// (resolved when drawing) or clNone, which draws nothing.
//
// Pen, brush, font, copy mode, origin, clip and pen position form one state that Save()
// pushes and Restore() pops (TCanvasStateSaver does both). A canvas made with a clip region
// never draws outside it, whatever clipping is set later.
class TCanvas {
public:
    explicit TCanvas(TBitmap& target);
    // A canvas on part of a bitmap: limitClip is in bitmap coordinates and bounds all drawing
    // for the canvas' life; logical (0, 0) is at origin.
    TCanvas(TBitmap& target, const TRegion& limitClip, TPoint origin);
    ~TCanvas();
    TCanvas(const TCanvas&) = delete;
    TCanvas& operator=(const TCanvas&) = delete;

    TBitmap& Target() const { return *target_; }

    TPen& Pen() { return state_.pen; }
    const TPen& Pen() const { return state_.pen; }
    void SetPen(const TPen& pen) { state_.pen = pen; }
    TBrush& Brush() { return state_.brush; }
    const TBrush& Brush() const { return state_.brush; }
    void SetBrush(const TBrush& brush) { state_.brush = brush; }
    TFontRequest& Font() { return state_.font; }
    const TFontRequest& Font() const { return state_.font; }
    void SetFont(const TFontRequest& font) { state_.font = font; }
    TCopyMode CopyMode() const { return state_.copyMode; }
    void SetCopyMode(TCopyMode mode) { state_.copyMode = mode; }
    TPoint PenPos() const { return state_.penPos; }
    void SetPenPos(TPoint p) { state_.penPos = p; }

    void Save();
    // Pops the state pushed by the matching Save(), which must exist.
    void Restore();
    size_t SavedStates() const { return saved_.size(); }

    // Origin and clip are in logical coordinates.
    TPoint Origin() const { return state_.origin; }
    void SetOrigin(TPoint origin) { state_.origin = origin; }
    void MoveOrigin(int dx, int dy) { state_.origin = {state_.origin.x + dx, state_.origin.y + dy}; }

    // The bounding box of the area drawing can reach.
    TRect ClipRect() const;
    TRegion ClipRegion() const;
    // Replaces the own clip (the limit given at construction always stays in force).
    void SetClipRegion(const TRegion& region);
    void SetClipRect(const TRect& rect) { SetClipRegion(TRegion(rect)); }
    // Removes the own clip: drawing reaches the whole bitmap or the construction limit.
    void ResetClip();
    void IntersectClipRect(const TRect& rect);
    void IntersectClipRegion(const TRegion& region);
    void ExcludeClipRect(const TRect& rect);
    bool RectVisible(const TRect& rect) const;

    // The target's colour at the point, or clNone outside the clip or the bitmap.
    TColor Pixels(int x, int y) const;
    void SetPixels(int x, int y, TColor color);

    void MoveTo(int x, int y) { state_.penPos = {x, y}; }
    // Draws from the pen position to (x, y), the end point left out, and moves the pen there.
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);

    // Brush-coloured fill, ignoring the pen mode.
    void FillRect(const TRect& rect);
    void FillRegion(const TRegion& region);
    // A one-pixel frame just inside the rectangle in the brush colour.
    void FrameRect(const TRect& rect);
    // A pen outline just inside the rectangle, filled with the brush; pen mode applies to both.
    void Rectangle(const TRect& rect);
    void Rectangle(int left, int top, int right, int bottom) { Rectangle(Rect(left, top, right, bottom)); }
    void Ellipse(const TRect& rect);
    void Ellipse(int left, int top, int right, int bottom) { Ellipse(Rect(left, top, right, bottom)); }
    // Filled with the brush by the even-odd rule, then outlined with the pen and closed.
    void Polygon(std::span<const TPoint> points);
    // Inverts every other pixel of a one-pixel frame; drawing it twice restores the picture.
    void DrawFocusRect(const TRect& rect);
    void InvertRect(const TRect& rect);

    void Draw(int x, int y, const TBitmap& source);
    // Scaled by nearest-neighbour sampling: target column i of a w-wide rectangle takes
    // source column (2i + 1) * sourceWidth / (2w), the sample nearest to its centre; rows the
    // same. A rectangle with right < left (bottom < top) mirrors the picture.
    void StretchDraw(const TRect& rect, const TBitmap& source);
    // Copies sourceRect of the source onto rect, scaled when the sizes differ, with the copy
    // mode. Source pixels outside the source bitmap are not drawn.
    void CopyRect(const TRect& rect, const TBitmap& source, const TRect& sourceRect);
    // As above from another canvas' bitmap, sourceRect in that canvas' logical coordinates.
    void CopyRect(const TRect& rect, const TCanvas& source, const TRect& sourceRect);
    // Pixels of the key colour are left out.
    void DrawTransparent(int x, int y, const TBitmap& source, TColor key);
    void StretchDrawTransparent(const TRect& rect, const TBitmap& source, TColor key);
    void CopyRectTransparent(const TRect& rect, const TBitmap& source, const TRect& sourceRect, TColor key);
    // The key colour of a picture strip: its bottom-left pixel.
    static TColor TransparentColorOf(const TBitmap& bitmap);
    // Mixes a 32-bit bitmap in by its fourth byte as alpha (0 transparent, 255 opaque).
    void DrawAlpha(int x, int y, const TBitmap& source);

    // Text is drawn in the font colour; the brush fills the background unless it is bsClear.
    int TextWidth(std::string_view text) const;
    int TextHeight(std::string_view text) const;
    // Width and height of the text as if unturned, whatever the font's orientation.
    TSize TextExtent(std::string_view text) const;
    // One line with the top-left of its cell at (x, y). Turned text (orientation 900) starts
    // at (x, y) and runs upward, the tops of its letters facing left, so that its cell is
    // (x, y - width, x + height, y).
    void TextOut(int x, int y, std::string_view text);
    // As TextOut, clipped to rect; an opaque background fills the whole rectangle.
    void TextRect(const TRect& rect, int x, int y, std::string_view text);
    // Lines of text inside rect, laid out by DT_* flags (gfx/TextLayout.h); each line's cell is
    // filled with the brush unless it is bsClear. With DT_CALCRECT nothing is drawn and rect's
    // right and bottom are set to the text's extent. Returns the height of the text.
    int DrawText(std::string_view text, TRect& rect, unsigned flags);
    // The font of the current state, resolved and cached.
    TFontInstance& ResolvedFont() const;

private:
    struct TState {
        TPen pen;
        TBrush brush;
        TFontRequest font;
        TCopyMode copyMode = TCopyMode::cmSrcCopy;
        TPoint origin;
        TPoint penPos;
        // Device coordinates, the construction limit included; none: the whole bitmap.
        std::optional<TRegion> clip;
    };
    struct TBlit;

    TRect ToDevice(const TRect& r) const { return r.Offset(state_.origin.x, state_.origin.y); }
    TRect DeviceBounds() const { return {0, 0, target_->Width(), target_->Height()}; }
    TRegion DeviceClipOrBounds() const;
    template <typename F>
    void ForEachVisible(const TRect& deviceRect, F&& visit) const;
    bool PointVisible(TPoint device) const;

    void ApplyPenSpan(int y, int x0, int x1, uint32_t value, TPenMode mode);
    void ApplyToRegion(const TRegion& device, TColor color, TPenMode mode);
    void PlotPenPixel(TPoint device, uint32_t value);
    void DrawPenLine(TPoint from, TPoint to, int& patternPos);
    bool HasPen() const;
    bool HasBrush() const;

    void Blit(const TBlit& blit);
    void WriteUnkeyedRuns(int y, int x, const uint32_t* row, int width, uint32_t key);
    void PaintText(const TRect* clip, int x, int y, std::string_view text);
    void BlendGlyph(const TGlyph& glyph, TPoint reference, int penX, int baseline, bool turned, uint32_t color);
    void FillTextSpace(TPoint reference, const TRect& area, bool turned, TColor color);

    TBitmap* target_;
    std::optional<TRegion> limitClip_;
    TState state_;
    std::vector<TState> saved_;
    mutable std::shared_ptr<TFontInstance> font_;
    mutable TFontRequest fontRequest_;
};

template <typename F>
void TCanvas::ForEachVisible(const TRect& deviceRect, F&& visit) const
{
    TRect r = IntersectRect(deviceRect, DeviceBounds());
    if (r.IsEmpty()) return;
    if (!state_.clip) visit(r);
    else state_.clip->ForEachClipped(r, visit);
}

// Saves the canvas state on construction and restores it on destruction.
class TCanvasStateSaver {
public:
    explicit TCanvasStateSaver(TCanvas& canvas) : canvas_(canvas) { canvas_.Save(); }
    ~TCanvasStateSaver() { canvas_.Restore(); }
    TCanvasStateSaver(const TCanvasStateSaver&) = delete;
    TCanvasStateSaver& operator=(const TCanvasStateSaver&) = delete;

private:
    TCanvas& canvas_;
};

} // namespace tavrik
