#include "ui/WinControl.h"

#include <algorithm>

namespace tavrik {

// Aligned children take their places edge by edge, each narrowing the space left for the
// next: first every alTop child from the top down, then alBottom from the bottom up, alLeft
// from the left, alRight from the right, and alClient fills what remains.
//
//     +-------------------------+
//     |          alTop          |
//     +------+-----------+------+
//     |alLeft|  alClient |alRight
//     +------+-----------+------+
//     |        alBottom         |
//     +-------------------------+
//
// Children aligned to the same edge keep their order along it (the one nearer the edge
// first). Children without Align follow their Anchors.
namespace {

int Key(const TControl* c, TAlign align)
{
    switch (align) {
    case TAlign::alTop: return c->Top();
    case TAlign::alBottom: return -(c->Top() + c->Height());
    case TAlign::alLeft: return c->Left();
    case TAlign::alRight: return -(c->Left() + c->Width());
    default: return 0;
    }
}

void Place(TControl* c, TAlign align, TRect& r)
{
    int w = std::max(0, r.Width());
    int h = std::max(0, r.Height());
    switch (align) {
    case TAlign::alTop:
        c->SetBounds(r.Left, r.Top, w, c->Height());
        r.Top += c->Height();
        break;
    case TAlign::alBottom:
        c->SetBounds(r.Left, r.Bottom - c->Height(), w, c->Height());
        r.Bottom -= c->Height();
        break;
    case TAlign::alLeft:
        c->SetBounds(r.Left, r.Top, c->Width(), h);
        r.Left += c->Width();
        break;
    case TAlign::alRight:
        c->SetBounds(r.Right - c->Width(), r.Top, c->Width(), h);
        r.Right -= c->Width();
        break;
    case TAlign::alClient: c->SetBounds(r.Left, r.Top, w, h); break;
    default: break;
    }
}

} // namespace

void TWinControl::AlignControls(TControl* control, TRect& rect)
{
    (void)control;
    static constexpr TAlign kOrder[] = {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                                        TAlign::alClient};
    std::vector<TControl*> all = controls_;
    for (TAlign align : kOrder) {
        std::vector<TControl*> list;
        for (TControl* c : all)
            if (c->Align() == align && c->Visible()) list.push_back(c);
        std::stable_sort(list.begin(), list.end(),
                         [align](const TControl* a, const TControl* b) { return Key(a, align) < Key(b, align); });
        for (TControl* c : list) Place(c, align, rect);
    }

    TRect client = ClientRect();
    for (TControl* c : all) {
        if (c->Align() != TAlign::alNone) continue;
        auto& rule = c->anchorRule_;
        // A parent that had no size yet when the rule was taken gives no edges to keep to.
        if (rule.parentClient.cx <= 0 || rule.parentClient.cy <= 0) {
            rule.parentClient = {client.Width(), client.Height()};
            continue;
        }
        TAnchors a = c->Anchors();
        if (a == (akLeft | akTop)) continue;
        int dw = client.Width() - rule.parentClient.cx;
        int dh = client.Height() - rule.parentClient.cy;
        TRect b = rule.bounds;
        int left = b.Left, top = b.Top, width = b.Width(), height = b.Height();
        if (a & akRight) (a & akLeft) ? width += dw : left += dw;
        else if (!(a & akLeft)) left += dw / 2;
        if (a & akBottom) (a & akTop) ? height += dh : top += dh;
        else if (!(a & akTop)) top += dh / 2;
        c->SetBounds(left, top, width, height);
    }
}

} // namespace tavrik
