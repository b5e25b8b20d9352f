#include "skincontrols/SkinListView.h"

#include "ui/HeaderControl.h"

#include <algorithm>
#include <cstdlib>

namespace tavrik {

TbsSkinCustomListView::TbsSkinCustomListView(TComponent* owner) : TbsSkinTextView(owner) { SetSkinDataName("listview"); }

TbsSkinCustomListView::~TbsSkinCustomListView() { headerHook_.Remove(); }

int TbsSkinCustomListView::ItemHeight()
{
    const int h = Items().Count() > 0 ? ItemRect(0, TDisplayCode::drBounds).Height() : 0;
    return std::max(h, 1);
}

int TbsSkinCustomListView::ItemWidth()
{
    const int w = Items().Count() > 0 ? ItemRect(0, TDisplayCode::drBounds).Width() : 0;
    return std::max(w, 1);
}

void TbsSkinCustomListView::UpdateScrollBars()
{
    if (!CanSyncBars() || scrollingFromBar_) return;
    TbsSkinScrollBar* vbar = VScrollBar();
    TbsSkinScrollBar* hbar = HScrollBar();
    const TListScrollInfo v = ScrollInfo(true), h = ScrollInfo(false);
    bool changed = false;
    switch (ViewStyle()) {
    case TViewStyle::vsIcon:
    case TViewStyle::vsSmallIcon: {
        const int step = std::max(ItemHeight() / 2, 1);
        if (vbar) {
            changed |= ShowBar(vbar, Height() < v.Max && Visible());
            if (vbar->Visible()) {
                vbar->SetSmallChange(step);
                vbar->SetLargeChange(step);
                vbar->SetRange(v.Min, v.Max, Height(), v.Pos);
                lastVPosition_ = v.Pos;
            }
        }
        if (hbar) {
            changed |= ShowBar(hbar, Width() < h.Max && Visible());
            if (hbar->Visible()) {
                hbar->SetSmallChange(step);
                hbar->SetLargeChange(step);
                hbar->SetRange(h.Min, h.Max, Width(), h.Pos);
                lastHPosition_ = h.Pos;
            }
        }
        break;
    }
    case TViewStyle::vsList:
        // The list scrolls sideways only.
        changed |= ShowBar(vbar, false);
        if (hbar) {
            const int page = Width() / ItemWidth();
            changed |= ShowBar(hbar, CountPerPage() < Items().Count() && Visible());
            if (hbar->Visible()) {
                hbar->SetRange(h.Min, h.Max, page, h.Pos);
                hbar->SetSmallChange(1);
                hbar->SetLargeChange(1);
                lastHPosition_ = h.Pos;
            }
        }
        break;
    case TViewStyle::vsReport: {
        const int perPage = CountPerPage();
        if (vbar) {
            changed |= ShowBar(vbar, perPage < v.Max + 1 && Visible());
            if (vbar->Visible()) {
                vbar->SetRange(v.Min, v.Max, perPage, v.Pos);
                lastVPosition_ = v.Pos;
                vbar->SetSmallChange(1);
                vbar->SetLargeChange(perPage > 0 ? perPage : 1);
            }
        }
        if (hbar) {
            changed |= ShowBar(hbar, Width() < h.Max && Visible());
            if (hbar->Visible()) {
                hbar->SetRange(h.Min, h.Max, Width(), h.Pos);
                lastHPosition_ = h.Pos;
            }
        }
        break;
    }
    }
    FinishBarSync(changed);
}

void TbsSkinCustomListView::VScrolled()
{
    TbsSkinScrollBar* bar = VScrollBar();
    if (!bar) return;
    scrollingFromBar_ = true;
    int d = bar->Position() - lastVPosition_;
    if (ViewStyle() == TViewStyle::vsList || ViewStyle() == TViewStyle::vsReport) d *= ItemHeight();
    Scroll(0, d);
    lastVPosition_ = bar->Position();
    scrollingFromBar_ = false;
}

void TbsSkinCustomListView::HScrolled()
{
    TbsSkinScrollBar* bar = HScrollBar();
    if (!bar) return;
    const int d = bar->Position() - lastHPosition_;
    if (ViewStyle() == TViewStyle::vsList) {
        // One column at a time, as the native list takes line requests.
        auto alive = Guard();
        for (int i = 0; i < std::abs(d) && alive; ++i) Perform(WM_HSCROLL, d < 0 ? SB_LINELEFT : SB_LINERIGHT, 0);
        if (!alive) return;
    } else {
        Scroll(d, 0);
    }
    lastHPosition_ = bar->Position();
}

void TbsSkinCustomListView::WndProc(TMessage& m)
{
    if (m.Msg == WM_PARENTNOTIFY && LOWORD(uint64_t(m.WParam)) == WM_CREATE) {
        HookHeader(HandleFromValue(m.LParam));
    }
    TbsSkinTextView::WndProc(m);
}

void TbsSkinCustomListView::HookHeader(HWND child)
{
    if (!ShowColumnHeaders() || GetClassName(child) != THeaderControl::kWindowClass) return;
    THeaderControl* header = Header();
    if (!header || !header->HandleAllocated() || header->Handle() != child) return;
    // A header made again (the window was rebuilt) replaces the one hooked before.
    headerHook_ = TWindowHook(header, [this](TMessage& m, const TWndNext& next) { HeaderMessage(m, next); });
}

void TbsSkinCustomListView::HeaderMessage(TMessage& m, const TWndNext& next)
{
    THeaderControl* header = Header();
    switch (m.Msg) {
    case WM_PAINT:
        if (m.WParam) {
            PaintHeader(*reinterpret_cast<HDC>(m.WParam));
        } else {
            TPaintDC dc(header->Handle());
            PaintHeader(dc.Canvas());
        }
        m.Result = 0;
        return;
    case WM_ERASEBKGND: m.Result = 1; return;
    default: break;
    }
    auto alive = header->Guard();
    next(m);
    if (!alive) return;
    if (m.Msg == WM_LBUTTONDOWN) {
        const TPoint p = LParamToPoint(m.LParam);
        pressedSection_ = -1;
        for (int i = 0; i < header->ItemCount(); ++i) {
            int column = 0;
            if (SectionRect(i, column).Contains(p)) {
                pressedSection_ = i;
                break;
            }
        }
        UINT flags = 0;
        header->HitTest(p, flags);
        headerPressed_ = !(flags & HHT_ONDIVIDER);
        header->Invalidate();
    } else if (m.Msg == WM_LBUTTONUP) {
        headerPressed_ = false;
        pressedSection_ = -1;
        header->Invalidate();
    }
}

} // namespace tavrik
