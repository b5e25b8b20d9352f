#include "wsys/Painter.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "wsys/Caret.h"
#include "wsys/FrameMetrics.h"
#include "wsys/Messages.h"
#include "wsys/WindowSystem.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

const TWindow* RootOf(const TWindow* w)
{
    while (w->parent) w = w->parent;
    return w;
}

TRect WholeWindow(const TWindow* w) { return Bounds(0, 0, w->rect.Width(), w->rect.Height()); }

// Presenting hundreds of small rectangles costs more than presenting their bounding box.
constexpr size_t kMaxPresentRects = 32;

} // namespace

TPainter::~TPainter() = default;

TPoint TPainter::OffsetInRoot(const TWindow* w)
{
    TPoint screen = TWindowSystem::WindowScreenOrigin(w);
    TPoint root = RootOf(w)->rect.TopLeft();
    return {screen.x - root.x, screen.y - root.y};
}

TRegion TPainter::ShapeInRoot(const TWindow* w) const
{
    TPoint off = OffsetInRoot(w);
    TRegion r(WholeWindow(w).Offset(off.x, off.y));
    if (w->shape) r &= w->shape->Offset(off.x, off.y);
    return r;
}

TRegion TPainter::VisibleRegion(const TWindow* w, bool clientOnly, bool cutChildren) const
{
    if (!TWindowSystem::IsVisible(w)) return {};
    TPoint off = OffsetInRoot(w);
    TRegion vis(clientOnly ? w->client.Offset(off.x, off.y) : WholeWindow(w).Offset(off.x, off.y));
    if (w->shape) vis &= w->shape->Offset(off.x, off.y);
    for (const TWindow* c = w; c->parent && !vis.IsEmpty(); c = c->parent) {
        const TWindow* p = c->parent;
        TPoint po = OffsetInRoot(p);
        vis &= TRegion(p->client.Offset(po.x, po.y));
        if (p->shape) vis &= p->shape->Offset(po.x, po.y);
        for (const TWindow* s : p->children) {
            if (s == c) break;
            if (!(s->style & WS_VISIBLE)) continue;
            TRect sr = s->rect.Offset(po.x + p->client.Left, po.y + p->client.Top);
            if (!IntersectRect(sr, vis.BoundingBox()).IsEmpty()) vis -= ShapeInRoot(s);
        }
    }
    const TWindow* root = RootOf(w);
    vis &= TRegion(WholeWindow(root));
    if (root != w && root->shape) vis &= *root->shape;
    if (!cutChildren) return vis;
    for (const TWindow* c : w->children) {
        if (!(c->style & WS_VISIBLE)) continue;
        TRect cr = c->rect.Offset(off.x + w->client.Left, off.y + w->client.Top);
        if (!IntersectRect(cr, vis.BoundingBox()).IsEmpty()) vis -= ShapeInRoot(c);
    }
    return vis;
}

void TPainter::WindowCreated(TWindow* w)
{
    if (w->IsTopLevel()) ResizeBacking(w);
}

void TPainter::Forget(TWindow* w)
{
    w->update = {};
    w->framePending = w->erasePending = false;
}

void TPainter::Invalidate(TWindow* w, const TRegion& windowArea, UINT flags)
{
    if (!TWindowSystem::IsVisible(w)) return;
    if ((flags & RDW_FRAME) && !(TRegion(WholeWindow(w)) - TRegion(w->client)).Intersect(windowArea).IsEmpty())
        w->framePending = true;
    TPoint off = OffsetInRoot(w);
    TRegion area = windowArea.Intersect(w->client);
    if (area.IsEmpty()) return;
    area &= VisibleRegion(w, true).Offset(-off.x, -off.y);
    if (area.IsEmpty()) return;
    w->update |= area;
    if (flags & RDW_ERASE) w->erasePending = true;
}

void TPainter::Validate(TWindow* w, const TRegion& windowArea)
{
    w->update -= windowArea;
    if (w->update.IsEmpty()) w->erasePending = false;
}

void TPainter::RedrawChildren(TWindow* w, const TRegion& windowArea, UINT flags)
{
    std::vector<HWND> children;
    for (TWindow* c : w->children) children.push_back(c->handle);
    for (HWND h : children) {
        TWindow* c = ws_.Find(h);
        if (!c) continue;
        TRegion area = windowArea.Offset(-c->rect.Left - w->client.Left, -c->rect.Top - w->client.Top)
                           .Intersect(WholeWindow(c));
        if (area.IsEmpty()) continue;
        if (flags & RDW_INVALIDATE) Invalidate(c, area, flags);
        if (flags & RDW_VALIDATE) Validate(c, area);
        RedrawChildren(c, area, flags);
    }
}

void TPainter::Redraw(TWindow* w, const TRect* rect, const TRegion* region, UINT flags)
{
    TRegion area;
    if (region) area = region->Offset(w->client.Left, w->client.Top);
    else if (rect) area = TRegion(rect->Offset(w->client.Left, w->client.Top));
    else area = TRegion((flags & RDW_FRAME) ? WholeWindow(w) : w->client);
    if (flags & RDW_INVALIDATE) Invalidate(w, area, flags);
    if (flags & RDW_VALIDATE) {
        Validate(w, area);
        if (flags & RDW_NOFRAME) w->framePending = false;
    }
    if (flags & RDW_NOERASE) w->erasePending = false;
    if (flags & RDW_ALLCHILDREN) RedrawChildren(w, area, flags);
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) UpdateNow(w, (flags & RDW_ALLCHILDREN) != 0);
}

void TPainter::InvalidateTree(TWindow* w)
{
    Redraw(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TPainter::InvalidateOwnArea(TWindow* w) { Redraw(w, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME); }

void TPainter::InvalidateUncovered(TWindow* top, const TRegion& before)
{
    TRegion now(WholeWindow(top));
    if (top->shape) now &= *top->shape;
    TRegion uncovered = now - before;
    if (uncovered.IsEmpty()) return;
    uncovered = uncovered.Offset(-top->client.Left, -top->client.Top);
    Redraw(top, nullptr, &uncovered, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

void TPainter::InvalidateParentArea(TWindow* parent, const TRect& rectInParentClient)
{
    Redraw(parent, &rectInParentClient, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

bool TPainter::GetUpdateRect(TWindow* w, TRect& clientRect) const
{
    clientRect = w->update.BoundingBox().Offset(-w->client.Left, -w->client.Top);
    if (w->update.IsEmpty()) clientRect = {};
    return !w->update.IsEmpty();
}

bool TPainter::NeedsPaint(const TWindow* w) const { return w->framePending || !w->update.IsEmpty(); }

TWindow* TPainter::FindPainting(TWindow* w)
{
    if (!(w->style & WS_VISIBLE)) return nullptr;
    if (NeedsPaint(w)) return w;
    for (TWindow* c : w->children)
        if (TWindow* found = FindPainting(c)) return found;
    return nullptr;
}

void TPainter::SendNcPaint(TWindow* w)
{
    w->framePending = false;
    // A window without a frame has nothing to paint outside its client area.
    if (w->client == WholeWindow(w)) return;
    ws_.Send(w, WM_NCPAINT, 1, 0);
}

TWindow* TPainter::NextToPaint(HWND filter)
{
    if (filter) {
        TWindow* w = ws_.Find(filter);
        if (!w || !TWindowSystem::IsVisible(w) || !NeedsPaint(w)) return nullptr;
        if (w->framePending) SendNcPaint(w);
        w = ws_.Find(filter);
        return w && !w->update.IsEmpty() ? w : nullptr;
    }
    for (bool again = true; again;) {
        again = false;
        for (TWindow* top : ws_.TopLevels()) {
            TWindow* w = FindPainting(top);
            if (!w) continue;
            if (w->framePending) {
                SendNcPaint(w); // may change any window: search again from the start
                again = true;
                break;
            }
            return w;
        }
    }
    return nullptr;
}

void TPainter::AfterPaintMessage(TWindow* w)
{
    w->update = {};
    w->erasePending = false;
}

void TPainter::UpdateNow(TWindow* w, bool children)
{
    std::vector<HWND> order{w->handle};
    for (size_t i = 0; children && i < order.size(); ++i)
        if (TWindow* p = ws_.Find(order[i]))
            for (TWindow* c : p->children) order.push_back(c->handle);
    for (HWND h : order) {
        TWindow* t = ws_.Find(h);
        if (!t || !TWindowSystem::IsVisible(t)) continue;
        if (t->framePending) SendNcPaint(t);
        if ((t = ws_.Find(h)) && !t->update.IsEmpty()) {
            ws_.Send(t, WM_PAINT, 0, 0);
            if ((t = ws_.Find(h))) AfterPaintMessage(t);
        }
    }
    PresentAll();
}

HDC TPainter::MakeCanvas(TWindow* w, const TRegion& rootArea, TPoint origin)
{
    TWindow* root = const_cast<TWindow*>(RootOf(w));
    ws_.Caret().Suspend(root);
    auto canvas = std::make_unique<TCanvas>(root->backing, rootArea, origin);
    HDC dc = canvas.get();
    dcs_[dc] = TDc{std::move(canvas), ws_.Pin(root->handle), rootArea};
    return dc;
}

HDC TPainter::BeginPaint(TWindow* w, PAINTSTRUCT& ps)
{
    TPoint off = OffsetInRoot(w);
    TRegion area = w->update.Offset(off.x, off.y) & VisibleRegion(w, true);
    bool erase = w->erasePending;
    w->update = {};
    w->erasePending = false;
    TPoint origin{off.x + w->client.Left, off.y + w->client.Top};
    HDC dc = MakeCanvas(w, area, origin);
    ps.hdc = dc;
    ps.rcPaint = area.IsEmpty() ? TRect{} : area.BoundingBox().Offset(-origin.x, -origin.y);
    ps.fErase = false;
    if (erase) ps.fErase = ws_.Send(w, WM_ERASEBKGND, WPARAM(reinterpret_cast<uintptr_t>(dc)), 0) == 0;
    return dc;
}

void TPainter::EndPaint(TWindow*, const PAINTSTRUCT& ps) { ReleaseDC(ps.hdc); }

HDC TPainter::GetDC(TWindow* w, bool wholeWindow, bool cutChildren, const TRegion* clip)
{
    TPoint off = OffsetInRoot(w);
    TPoint origin = wholeWindow ? off : TPoint{off.x + w->client.Left, off.y + w->client.Top};
    TRegion area = VisibleRegion(w, !wholeWindow, cutChildren);
    if (clip) area &= clip->Offset(origin.x, origin.y);
    return MakeCanvas(w, area, origin);
}

bool TPainter::ReleaseDC(HDC dc)
{
    auto it = dcs_.find(dc);
    if (it == dcs_.end()) return false;
    TWindow* root = it->second.root.get();
    root->dirty |= it->second.area;
    dcs_.erase(it);
    ws_.Caret().Resume(root);
    return true;
}

LRESULT TPainter::EraseDefault(TWindow* w, HDC dc)
{
    if (!dc || w->cls->background == clNone) return 0;
    dc->Save();
    dc->Brush().Color = w->cls->background;
    dc->Brush().Style = TBrushStyle::bsSolid;
    dc->FillRect(Bounds(0, 0, w->client.Width(), w->client.Height()));
    dc->Restore();
    return 1;
}

void TPainter::PaintDefaultFrame(TWindow* w)
{
    TRect insets = FrameInsets(w->style, w->exStyle);
    if (insets == TRect{}) return;
    HDC dc = GetDC(w, true);
    dc->ExcludeClipRect(w->client);
    TRect whole = WholeWindow(w);
    auto fill = [&](const TRect& r, TColor c) {
        dc->Brush().Color = c;
        dc->FillRect(r);
    };
    auto frame = [&](const TRect& r, TColor topLeft, TColor bottomRight) {
        fill({r.Left, r.Top, r.Right, r.Top + 1}, topLeft);
        fill({r.Left, r.Top, r.Left + 1, r.Bottom}, topLeft);
        fill({r.Left, r.Bottom - 1, r.Right, r.Bottom}, bottomRight);
        fill({r.Right - 1, r.Top, r.Right, r.Bottom}, bottomRight);
    };
    int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? 2 : (w->exStyle & WS_EX_STATICEDGE) ? 1 : 0;
    TRect outer = whole;
    if (insets.Left > edge) {
        fill(whole, clBtnFace);
        frame(whole, clWindowFrame, clWindowFrame);
        bool active = ws_.Active() == RootOf(w);
        if ((w->style & WS_CAPTION) == WS_CAPTION) {
            int b = insets.Left - edge;
            fill({b, b, whole.Right - b, insets.Top - edge}, active ? clActiveCaption : clInactiveCaption);
        }
        outer = TRect{insets.Left - edge, insets.Top - edge, whole.Right - insets.Right + edge,
                      whole.Bottom - insets.Bottom + edge};
    }
    if (edge == 2) {
        frame(outer, clBtnShadow, clBtnHighlight);
        frame(outer.Inflate(-1, -1), cl3DDkShadow, cl3DLight);
    } else if (edge == 1) {
        frame(outer, clBtnShadow, clBtnHighlight);
    }
    ReleaseDC(dc);
}

void TPainter::ResizeBacking(TWindow* top)
{
    int w = top->rect.Width(), h = top->rect.Height();
    if (w <= 0 || h <= 0) {
        top->backing = TBitmap();
        top->dirty = {};
        return;
    }
    TBitmap fresh(w, h, TPixelFormat::pf32bit);
    int rows = std::min(h, top->backing.Height());
    size_t bytes = size_t(std::min(w, top->backing.Width())) * 4;
    for (int y = 0; y < rows; ++y) std::memcpy(fresh.ScanLine(y), top->backing.ScanLine(y), bytes);
    top->backing = std::move(fresh);
    top->dirty = TRegion(Bounds(0, 0, w, h));
}

void TPainter::BoundsChanged(TWindow* top) { top->boundsPending = true; }

void TPainter::VisibilityChanged(TWindow* top, bool visible)
{
    if (!top->native) return;
    top->showPending = visible;
    if (!visible) ws_.Backend().ShowNativeWindow(top->native, false);
}

void TPainter::Reexpose(TWindow* top, const TRect& rect)
{
    top->dirty |= TRegion(IntersectRect(rect, WholeWindow(top)));
}

void TPainter::PresentAll()
{
    IBackend& backend = ws_.Backend();
    for (TWindow* t : ws_.TopLevels()) {
        if (!t->native) continue;
        if (t->boundsPending) {
            t->boundsPending = false;
            backend.SetNativeBounds(t->native, t->rect);
        }
        if (!t->dirty.IsEmpty() && (t->style & WS_VISIBLE)) {
            TRegion dirty = t->dirty & TRegion(Bounds(0, 0, t->backing.Width(), t->backing.Height()));
            t->dirty = {};
            if (dirty.RectCount() > kMaxPresentRects) dirty = TRegion(dirty.BoundingBox());
            if (!dirty.IsEmpty()) backend.PresentNativeWindow(t->native, t->backing, dirty.Rects());
        }
        if (t->showPending) {
            t->showPending = false;
            backend.ShowNativeWindow(t->native, true);
        }
    }
}

void TPainter::SetShape(TWindow* w, std::optional<TRegion> shape, bool redraw)
{
    TRegion before(WholeWindow(w));
    if (w->shape) before &= *w->shape;
    w->shape = std::move(shape);
    if (w->native) ws_.Backend().SetNativeShape(w->native, w->shape ? &*w->shape : nullptr);
    // A top-level shape only masks what is shown, but what it uncovers was never painted; a
    // child's shape also changes what its parent shows.
    if (w->IsTopLevel()) {
        InvalidateUncovered(w, before);
        if (redraw) InvalidateOwnArea(w);
    } else if (redraw && TWindowSystem::IsVisible(w)) {
        InvalidateParentArea(w->parent, w->rect);
        InvalidateTree(w);
    }
}

bool TPainter::HitsWindow(const TWindow* w, TPoint screen) const
{
    TRect r = TWindowSystem::WindowScreenRect(w);
    if (!r.Contains(screen)) return false;
    return !w->shape || w->shape->Contains(TPoint{screen.x - r.Left, screen.y - r.Top});
}

} // namespace tavrik
