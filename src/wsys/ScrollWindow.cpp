#include "wsys/Caret.h"
#include "wsys/Painter.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <cstring>
#include <vector>

namespace tavrik {

namespace {

// Copies the pixels of `to` (root coordinates) from `to` moved back by (dx, dy), through a
// copy of the source so that overlapping rectangles read what was there before.
void CopyWithin(TBitmap& backing, const TRegion& to, int dx, int dy)
{
    TRect from = to.BoundingBox().Offset(-dx, -dy);
    if (from.IsEmpty()) return;
    size_t rowPixels = size_t(from.Width());
    std::vector<uint32_t> copy(rowPixels * size_t(from.Height()));
    for (int y = from.Top; y < from.Bottom; ++y)
        std::memcpy(&copy[size_t(y - from.Top) * rowPixels], backing.ScanLine(y) + size_t(from.Left) * 4, rowPixels * 4);
    for (const TRect& r : to.Rects())
        for (int y = r.Top; y < r.Bottom; ++y) {
            const uint32_t* src = &copy[size_t(y - dy - from.Top) * rowPixels + size_t(r.Left - dx - from.Left)];
            std::memcpy(backing.ScanLine(y) + size_t(r.Left) * 4, src, size_t(r.Width()) * 4);
        }
}

// Moves what the window shows of `area` by (dx, dy), keeping to `limit` (client coordinates);
// answers the part of `limit` that no moved pixel covers, in client coordinates.
TRegion MovePixels(TWindowSystem& ws, TWindow* w, const TRect& area, const TRect& limit, int dx, int dy)
{
    TWindow* root = TWindowSystem::Root(w);
    TPoint off = TPainter::OffsetInRoot(w);
    TPoint client{off.x + w->client.Left, off.y + w->client.Top};
    TRegion visible = ws.Painter().VisibleRegion(w, true) &
                      TRegion(Bounds(0, 0, root->backing.Width(), root->backing.Height()));
    TRegion limitRoot = visible & TRegion(limit.Offset(client.x, client.y));
    TRegion moved = (visible & TRegion(area.Offset(client.x, client.y))).Offset(dx, dy) & limitRoot;
    if (!moved.IsEmpty()) {
        ws.Caret().Suspend(root);
        CopyWithin(root->backing, moved, dx, dy);
        root->dirty |= moved;
        ws.Caret().Resume(root);
    }
    return (limitRoot - moved).Offset(-client.x, -client.y);
}

int RegionKind(const TRegion& r) { return r.IsEmpty() ? NULLREGION : r.RectCount() == 1 ? SIMPLEREGION : COMPLEXREGION; }

} // namespace

int ScrollWindowEx(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip, TRegion* updateRegion,
                   TRect* updateRect, UINT flags)
{
    TWindowSystem& ws = TWindowSystem::Current();
    TWindow* w = ws.Find(hwnd);
    if (!w) return RGN_ERROR;
    TRect whole = Bounds(0, 0, w->client.Width(), w->client.Height());
    TRect area = scroll ? IntersectRect(*scroll, whole) : whole;
    TRect limit = IntersectRect(area, clip ? IntersectRect(*clip, whole) : whole);
    TRegion uncovered;
    if (TWindowSystem::IsVisible(w)) uncovered = MovePixels(ws, w, area, limit, dx, dy);
    // What was waiting to be painted now waits where it moved to.
    TRect pending;
    if (ws.Painter().GetUpdateRect(w, pending) && !pending.IsEmpty())
        uncovered |= TRegion(IntersectRect(pending, area).Offset(dx, dy)) & TRegion(limit);

    if (flags & SW_SCROLLCHILDREN) {
        for (TWindow* child : std::vector<TWindow*>(w->children)) {
            HWND h = child->handle;
            TWindow* c = ws.Find(h);
            if (!c || (scroll && IntersectRect(c->rect, area).IsEmpty())) continue;
            ws.SetWindowPos(c, nullptr, c->rect.Left + dx, c->rect.Top + dy, 0, 0,
                            SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
    }
    if ((flags & SW_INVALIDATE) && !uncovered.IsEmpty() && (w = ws.Find(hwnd)))
        ws.Painter().Redraw(w, nullptr, &uncovered, RDW_INVALIDATE | ((flags & SW_ERASE) ? RDW_ERASE : 0));
    if (updateRegion) *updateRegion = uncovered;
    if (updateRect) *updateRect = uncovered.BoundingBox();
    return RegionKind(uncovered);
}

bool ScrollWindow(HWND hwnd, int dx, int dy, const TRect* scroll, const TRect* clip)
{
    UINT flags = SW_INVALIDATE | SW_ERASE | (scroll ? 0 : SW_SCROLLCHILDREN);
    return ScrollWindowEx(hwnd, dx, dy, scroll, clip, nullptr, nullptr, flags) != RGN_ERROR;
}

} // namespace tavrik
