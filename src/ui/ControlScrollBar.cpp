#include "ui/ControlScrollBar.h"

#include "ui/ScrollBox.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

int TControlScrollBar::ClientSize() const
{
    TRect r = box_.ClientRect();
    return kind_ == TScrollBarKind::sbHorizontal ? r.Width() : r.Height();
}

int TControlScrollBar::MaxPosition() const { return visible_ ? std::max(0, range_ - ClientSize()) : 0; }

bool TControlScrollBar::IsScrollBarVisible() const { return visible_ && range_ > ClientSize(); }

void TControlScrollBar::SetRange(int v)
{
    // A range given by the program replaces the one the children would give.
    box_.SetAutoScroll(false);
    range_ = std::max(0, v);
    box_.UpdateScrollBars();
}

void TControlScrollBar::SetMargin(int v)
{
    if (v < 0 || v == margin_) return;
    margin_ = v;
    box_.UpdateScrollBars();
}

void TControlScrollBar::SetVisible(bool v)
{
    if (v == visible_) return;
    visible_ = v;
    box_.UpdateScrollBars();
}

void TControlScrollBar::SetPosition(int v)
{
    v = std::clamp(v, 0, MaxPosition());
    if (v == position_) return;
    int delta = position_ - v;
    position_ = v;
    if (kind_ == TScrollBarKind::sbHorizontal) box_.ScrollBy(delta, 0);
    else box_.ScrollBy(0, delta);
    if (box_.HandleAllocated()) SetScrollPos(box_.Handle(), Bar(), position_, true);
}

void TControlScrollBar::Update()
{
    if (!box_.HandleAllocated()) return;
    bool shown = visible_ && range_ > 0;
    SCROLLINFO si{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, shown ? range_ - 1 : 0,
                  shown ? UINT(std::max(0, ClientSize())) : 0, position_, 0};
    SetScrollInfo(box_.Handle(), Bar(), &si, true);
}

void TControlScrollBar::ScrollMessage(WPARAM wParam)
{
    switch (int(LOWORD(wParam))) {
    case SB_LINEUP: SetPosition(position_ - increment_); break;
    case SB_LINEDOWN: SetPosition(position_ + increment_); break;
    case SB_PAGEUP: SetPosition(position_ - ClientSize()); break;
    case SB_PAGEDOWN: SetPosition(position_ + ClientSize()); break;
    case SB_THUMBTRACK:
        if (!tracking_) break;
        [[fallthrough]];
    case SB_THUMBPOSITION: {
        SCROLLINFO si{sizeof(SCROLLINFO), SIF_TRACKPOS, 0, 0, 0, 0, 0};
        if (box_.HandleAllocated() && GetScrollInfo(box_.Handle(), Bar(), &si)) SetPosition(si.nTrackPos);
        break;
    }
    case SB_TOP: SetPosition(0); break;
    case SB_BOTTOM: SetPosition(MaxPosition()); break;
    default: break;
    }
}

} // namespace tavrik
