#include "core/TickClock.h"
#include "core/Utf8.h"
#include "ui/HeaderControl.h"
#include "ui/ListView.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kWheelLines = 3;
// Letters typed within this many milliseconds of each other search as one word.
constexpr uint64_t kTypeAheadPause = 1000;

bool StartsWithIgnoringCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && LowerCaseAscii(text.substr(0, prefix.size())) == LowerCaseAscii(prefix);
}

} // namespace

void TCustomListView::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return; // typing searches
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        TCustomControl::WndProc(m);
        Invalidate();
        return;
    case WM_VSCROLL:
    case WM_HSCROLL: ScrollRequest(m.Msg == WM_VSCROLL, LOWORD(m.WParam), HIWORD(m.WParam)); return;
    case WM_MOUSEWHEEL: Wheel(GET_WHEEL_DELTA_WPARAM(m.WParam)); return;
    case WM_NOTIFY:
        if (m.LParam && header_ && header_->HandleAllocated() &&
            LParamToPtr<NMHDR>(m.LParam)->hwndFrom == header_->Handle()) {
            HeaderNotify(m);
            return;
        }
        break;
    case LVM_GETITEMCOUNT: m.Result = items_.Count(); return;
    case LVM_GETCOUNTPERPAGE: m.Result = CountPerPage(); return;
    case LVM_GETTOPINDEX: m.Result = std::max(0, TopIndex()); return;
    case LVM_GETSELECTEDCOUNT: m.Result = SelCount(); return;
    case LVM_GETHEADER: m.Result = header_ ? LRESULT(HandleValue(header_->Handle())) : 0; return;
    case LVM_SCROLL:
        Scroll(int(int64_t(m.WParam)), int(m.LParam));
        m.Result = 1;
        return;
    case LVM_GETITEMRECT: {
        auto* r = LParamToPtr<TRect>(m.LParam);
        int index = int(m.WParam);
        if (!r || index < 0 || index >= items_.Count() || r->Left < LVIR_BOUNDS || r->Left > LVIR_SELECTBOUNDS) {
            m.Result = 0;
            return;
        }
        *r = ItemRect(index, TDisplayCode(r->Left));
        m.Result = 1;
        return;
    }
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TCustomListView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    if (CanFocus() && !Focused()) SetFocus();
    if (!alive) return;
    if (button != TMouseButton::Middle && !(shift & ssDouble)) ClickItem(IndexAt({x, y}, true), shift, button);
    if (alive) TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListView::ClickItem(int index, TShiftState shift, TMouseButton button)
{
    bool ctrl = (shift & ssCtrl) != 0, withShift = (shift & ssShift) != 0;
    if (button == TMouseButton::Right) {
        // A right click keeps a selection it lands in, for a menu on all of it.
        if (index >= 0 && !items_.IsSelected(index)) SetSelected(items_.Item(index));
        if (index >= 0) SetFocusedIndex(index);
        return;
    }
    if (index < 0) {
        if (!(multiSelect_ && (ctrl || withShift))) ClearSelection();
        return;
    }
    auto alive = Guard();
    if (multiSelect_ && withShift) {
        SelectRange(anchor_ >= 0 ? anchor_ : index, index, ctrl);
    } else if (multiSelect_ && ctrl) {
        anchor_ = index;
        SetItemSelected(index, !items_.IsSelected(index));
    } else {
        anchor_ = index;
        SetSelected(items_.Item(index));
    }
    if (!alive) return;
    SetFocusedIndex(index);
    MakeItemVisible(index, true);
}

void TCustomListView::Wheel(int delta)
{
    int notches = -delta / WHEEL_DELTA;
    if (notches == 0) return;
    switch (viewStyle_) {
    case TViewStyle::vsReport: SetScrollPos(true, vPos_ + notches * kWheelLines); break;
    case TViewStyle::vsList: SetScrollPos(false, hPos_ + notches); break;
    default: SetScrollPos(true, vPos_ + notches * kWheelLines * Metrics().rowHeight); break;
    }
}

// The message carries 16 bits of the thumb's position; a longer range asks the bar for all.
int TCustomListView::ThumbPosition(bool vertical, int thumb, const TListScrollInfo& info)
{
    if (info.Max <= 0xFFFF || !HandleAllocated()) return thumb;
    SCROLLINFO si;
    si.fMask = SIF_TRACKPOS;
    return GetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &si) ? si.nTrackPos : thumb;
}

void TCustomListView::ScrollRequest(bool vertical, int code, int thumb)
{
    TListScrollInfo info = ScrollInfo(vertical);
    const TMetrics& m = Metrics();
    int line = 1;
    if (viewStyle_ == TViewStyle::vsReport && !vertical) line = m.textHeight;
    else if (viewStyle_ == TViewStyle::vsIcon || viewStyle_ == TViewStyle::vsSmallIcon)
        line = std::max(1, (vertical ? m.cellHeight : m.cellWidth) / 2);
    int page = std::max(1, info.Page);
    int pos = info.Pos;
    switch (code) {
    case SB_LINEUP: pos -= line; break;
    case SB_LINEDOWN: pos += line; break;
    case SB_PAGEUP: pos -= page; break;
    case SB_PAGEDOWN: pos += page; break;
    case SB_THUMBPOSITION:
    case SB_THUMBTRACK: pos = ThumbPosition(vertical, thumb, info); break;
    case SB_TOP: pos = info.Min; break;
    case SB_BOTTOM: pos = info.Max; break;
    default: return;
    }
    SetScrollPos(vertical, pos);
}

void TCustomListView::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TCustomControl::KeyDown(key, shift);
    if (!alive || key == 0) return;
    int n = items_.Count();
    if (n == 0) return;
    if (key == VK_SPACE) {
        int index = focused_ >= 0 ? focused_ : 0;
        if ((shift & ssCtrl) && multiSelect_) SetItemSelected(index, !items_.IsSelected(index));
        else if (!(shift & ssCtrl) || !items_.IsSelected(index)) SetItemSelected(index, true);
        anchor_ = index;
        SetFocusedIndex(index);
        key = 0;
        return;
    }
    // Report rows have no neighbours across: the arrows move the columns into view instead.
    if (viewStyle_ == TViewStyle::vsReport && (key == VK_LEFT || key == VK_RIGHT)) {
        ScrollRequest(false, key == VK_LEFT ? SB_LINELEFT : SB_LINERIGHT, 0);
        key = 0;
        return;
    }
    if (key == 'A' && (shift & ssCtrl) && multiSelect_) {
        SelectAll();
        key = 0;
        return;
    }
    int target = KeyTarget(key);
    if (target < 0) return;
    key = 0;
    MoveFocusByKey(std::clamp(target, 0, n - 1), shift);
}

// The index a navigation key moves the focus to, or -1 for a key that does not navigate.
int TCustomListView::KeyTarget(uint16_t key) const
{
    int n = items_.Count();
    int from = focused_;
    if (from < 0) {
        // Without a focused item, the first key press lands on the first item.
        bool nav = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT || key == VK_HOME ||
                   key == VK_END || key == VK_PRIOR || key == VK_NEXT;
        return nav ? (key == VK_END ? n - 1 : 0) : -1;
    }
    switch (key) {
    case VK_HOME: return 0;
    case VK_END: return n - 1;
    case VK_UP: return NextIndex(from, TSearchDirection::sdAbove, 0, true);
    case VK_DOWN: return NextIndex(from, TSearchDirection::sdBelow, 0, true);
    case VK_LEFT: return NextIndex(from, TSearchDirection::sdLeft, 0, true);
    case VK_RIGHT: return NextIndex(from, TSearchDirection::sdRight, 0, true);
    case VK_PRIOR:
    case VK_NEXT: {
        // Report and list: to the edge of the page first, then a page further.
        bool down = key == VK_NEXT;
        int page = viewStyle_ == TViewStyle::vsList ? CountPerPage() : std::max(1, CountPerPage());
        if (viewStyle_ == TViewStyle::vsIcon || viewStyle_ == TViewStyle::vsSmallIcon) {
            int rows = std::max(1, ItemArea().Height() / Metrics().cellHeight);
            page = rows * ItemsPerRow();
            return down ? std::min(n - 1, from + page) : std::max(0, from - page);
        }
        int top = TopIndex();
        int edge = down ? top + page - 1 : top;
        if (down) return from < edge ? std::min(edge, n - 1) : std::min(n - 1, from + page - 1);
        return from > edge ? edge : std::max(0, from - page + 1);
    }
    default: return -1;
    }
}

void TCustomListView::MoveFocusByKey(int target, TShiftState shift)
{
    auto alive = Guard();
    bool ctrl = (shift & ssCtrl) != 0;
    if (multiSelect_ && (shift & ssShift)) {
        if (anchor_ < 0) anchor_ = focused_ >= 0 ? focused_ : target;
        SelectRange(anchor_, target, ctrl);
    } else if (!(multiSelect_ && ctrl)) {
        anchor_ = target;
        SetSelected(items_.Item(target));
    }
    if (!alive) return;
    SetFocusedIndex(target);
    MakeItemVisible(target, false);
}

// Typing moves to the next item whose caption starts with the letters typed, searching from
// the focused item on and wrapping around; a repeated single letter steps through the items
// that start with it.
void TCustomListView::KeyPress(char32_t& key)
{
    auto alive = Guard();
    TCustomControl::KeyPress(key);
    if (!alive || key < 0x20 || key == 0x7F) return;
    uint64_t now = GetTickCount();
    if (now - lastTypeAhead_ > kTypeAheadPause) typeAhead_.clear();
    lastTypeAhead_ = now;
    std::string letter = Utf8Encode(key);
    bool repeated = typeAhead_ == letter;
    if (!repeated) typeAhead_ += letter;
    key = 0;
    int n = items_.Count();
    if (n == 0) return;
    int start = focused_ < 0 ? 0 : (typeAhead_.size() == letter.size() ? focused_ + 1 : focused_);
    for (int step = 0; step < n; ++step) {
        int i = (start + step) % n;
        TListItem* item = items_.Item(i);
        if (!item || !StartsWithIgnoringCase(item->Caption(), typeAhead_)) continue;
        MoveFocusByKey(i, 0);
        return;
    }
}

TListItem* TCustomListView::GetNextItem(TListItem* start, TSearchDirection direction, TItemStates states)
{
    int index = NextIndex(start ? items_.IndexOf(start) : -1, direction, states, false);
    return index >= 0 ? items_.Item(index) : nullptr;
}

int TCustomListView::NextIndex(int start, TSearchDirection direction, TItemStates states, bool stayAtEdge) const
{
    int n = items_.Count();
    auto matches = [&](int i) {
        if ((states & isSelected) && !items_.IsSelected(i)) return false;
        if ((states & isFocused) && i != focused_) return false;
        return true;
    };
    if (direction == TSearchDirection::sdAll) {
        for (int i = std::max(-1, start) + 1; i < n; ++i)
            if (matches(i)) return i;
        return -1;
    }
    if (start < 0 || start >= n) return -1;
    // The step between screen neighbours in each direction, by style.
    int across = 1, down = 1;
    switch (viewStyle_) {
    case TViewStyle::vsReport: across = 0; break;
    case TViewStyle::vsList: across = RowsPerColumn(); break;
    default: down = ItemsPerRow(); break;
    }
    int step = 0;
    switch (direction) {
    case TSearchDirection::sdAbove: step = -down; break;
    case TSearchDirection::sdBelow: step = down; break;
    case TSearchDirection::sdLeft: step = -across; break;
    default: step = across; break;
    }
    if (step == 0) return stayAtEdge ? start : -1;
    // A list column or an icon row ends where the next begins: up and down stay within it.
    bool withinColumn = viewStyle_ == TViewStyle::vsList && (direction == TSearchDirection::sdAbove ||
                                                             direction == TSearchDirection::sdBelow);
    bool withinRow = (viewStyle_ == TViewStyle::vsIcon || viewStyle_ == TViewStyle::vsSmallIcon) &&
                     (direction == TSearchDirection::sdLeft || direction == TSearchDirection::sdRight);
    for (int i = start + step; i >= 0 && i < n; i += step) {
        if (withinColumn && i / RowsPerColumn() != start / RowsPerColumn()) break;
        if (withinRow && i / ItemsPerRow() != start / ItemsPerRow()) break;
        if (matches(i)) return i;
    }
    if (stayAtEdge && direction == TSearchDirection::sdRight && viewStyle_ == TViewStyle::vsList)
        return n - 1 > start && (n - 1) / RowsPerColumn() > start / RowsPerColumn() ? n - 1 : start;
    return stayAtEdge ? start : -1;
}

void TCustomListView::HeaderNotify(TMessage& m)
{
    auto* nm = LParamToPtr<NMHEADER>(m.LParam);
    m.Result = 0;
    switch (nm->hdr.code) {
    case HDN_ITEMCHANGED:
        if (nm->pitem && (nm->pitem->mask & HDI_WIDTH) && !syncingHeader_) {
            if (TListColumn* c = columns_.Item(nm->iItem)) {
                syncingHeader_ = true;
                c->SetWidth(nm->pitem->cxy);
                syncingHeader_ = false;
            }
        }
        if (nm->pitem && (nm->pitem->mask & HDI_ORDER)) LayoutChanged();
        return;
    case HDN_ITEMCLICK:
        if (TListColumn* c = columns_.Item(nm->iItem); c && OnColumnClick) OnColumnClick(this, c);
        return;
    default: return;
    }
}

} // namespace tavrik
