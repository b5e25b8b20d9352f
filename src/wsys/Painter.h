#pragma once

#include "wsys/WinTypes.h"
#include "gfx/Canvas.h"
#include "gfx/Region.h"

#include <map>
#include <memory>
#include <optional>

namespace tavrik {

class TWindowSystem;
struct TWindow;

// Invalidation and painting. Every window paints into the 32-bit backing bitmap of its
// top-level window through a canvas clipped to what of the window can be seen: inside its
// ancestors' client areas and shapes, outside its children and the siblings above it.
// Painted areas collect as the top-level window's dirty region, which is presented to the
// backend when the message loop runs out of work.
//
// Update regions are kept in window coordinates and cut to the visible part of the window
// when they are added, so a window hidden under its children is never asked to paint.
class TPainter {
public:
    explicit TPainter(TWindowSystem& ws) : ws_(ws) {}
    ~TPainter();

    void WindowCreated(TWindow* w);
    void Forget(TWindow* w);

    // RedrawWindow: area in client coordinates (rect, or region, or the whole window).
    void Redraw(TWindow* w, const TRect* rect, const TRegion* region, UINT flags);
    void InvalidateTree(TWindow* w);     // the whole window, frame and all descendants
    void InvalidateOwnArea(TWindow* w);  // the whole window with its frame, not its children
    // A top-level window's backing bitmap has pixels only where it was painted: what a
    // larger size or a larger shape uncovers is painted anew, children included.
    void InvalidateUncovered(TWindow* top, const TRegion& before);
    void InvalidateParentArea(TWindow* parent, const TRect& rectInParentClient);
    bool GetUpdateRect(TWindow* w, TRect& clientRect) const;

    // The next window to paint, parents before children; its pending WM_NCPAINT has been
    // sent. nullptr when nothing needs painting.
    TWindow* NextToPaint(HWND filter);
    void AfterPaintMessage(TWindow* w);
    void UpdateNow(TWindow* w, bool children);

    HDC BeginPaint(TWindow* w, PAINTSTRUCT& ps);
    void EndPaint(TWindow* w, const PAINTSTRUCT& ps);
    // cutChildren false paints over the children too; clip (in the canvas's coordinates)
    // narrows the area further.
    HDC GetDC(TWindow* w, bool wholeWindow, bool cutChildren = true, const TRegion* clip = nullptr);
    bool ReleaseDC(HDC dc);
    LRESULT EraseDefault(TWindow* w, HDC dc);
    void PaintDefaultFrame(TWindow* w);

    // Top-level windows: backing bitmap and presentation.
    void ResizeBacking(TWindow* top);
    void BoundsChanged(TWindow* top);
    void VisibilityChanged(TWindow* top, bool visible);
    void Reexpose(TWindow* top, const TRect& rect);
    void PresentAll();

    // Window regions (SetWindowRgn).
    void SetShape(TWindow* w, std::optional<TRegion> shape, bool redraw);
    bool HitsWindow(const TWindow* w, TPoint screen) const;

    // What of the window can be seen, in its top-level window's coordinates: the client
    // area only, or the whole window; children cut out unless cutChildren is false.
    TRegion VisibleRegion(const TWindow* w, bool clientOnly, bool cutChildren = true) const;
    static TPoint OffsetInRoot(const TWindow* w);

private:
    void Invalidate(TWindow* w, const TRegion& windowArea, UINT flags);
    void Validate(TWindow* w, const TRegion& windowArea);
    void RedrawChildren(TWindow* w, const TRegion& windowArea, UINT flags);
    bool NeedsPaint(const TWindow* w) const;
    TWindow* FindPainting(TWindow* w);
    void SendNcPaint(TWindow* w);
    HDC MakeCanvas(TWindow* w, const TRegion& rootArea, TPoint origin);
    TRegion ShapeInRoot(const TWindow* w) const;

    struct TDc {
        std::unique_ptr<TCanvas> canvas;
        std::shared_ptr<TWindow> root; // its backing bitmap stays while the canvas is out
        TRegion area; // root coordinates
    };

    TWindowSystem& ws_;
    std::map<HDC, TDc> dcs_;
};

} // namespace tavrik
