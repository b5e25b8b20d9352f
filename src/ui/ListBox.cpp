#include "ui/ListBox.h"

#include "core/TickClock.h"
#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "ui/ListScrolling.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

// Typed letters further apart than this start a new search.
constexpr uint64_t kPrefixTimeoutMs = 1000;

bool StartsWithNoCase(const std::string& text, const std::string& prefix)
{
    return text.size() >= prefix.size() && SameTextAscii(std::string_view(text).substr(0, prefix.size()), prefix);
}

} // namespace

TCustomListBox::TCustomListBox(TComponent* owner) : TCustomControl(owner)
{
    // A click on an item is reported as a selection change, not by the generic click rule.
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csClickEvents));
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
    items_.OnChange = [this] { ItemsChanged(); };
}

void TCustomListBox::ItemsChanged()
{
    int count = Count();
    if (!multiSelect_) {
        caret_ = -1;
        for (int i = 0; i < count && caret_ < 0; ++i)
            if (items_.State(i) & kSelectedBit) caret_ = i;
    } else {
        caret_ = std::min(caret_, count - 1);
    }
    anchor_ = std::min(anchor_, count - 1);
    UpdateHeights();
    SetTopIndex(topIndex_);
    UpdateScrollBar();
    Invalidate();
}

int TCustomListBox::ItemIndex() const { return caret_; }

void TCustomListBox::SetItemIndex(int index)
{
    if (index < -1 || index >= Count()) return;
    if (!multiSelect_) SelectOnly(index);
    caret_ = index;
    anchor_ = index;
    MakeVisible(index);
    Invalidate();
}

bool TCustomListBox::Selected(int index) const { return (items_.State(index) & kSelectedBit) != 0; }

void TCustomListBox::SetSelected(int index, bool on)
{
    if (!ValidIndex(index) || Selected(index) == on) return;
    if (!multiSelect_) {
        SetItemIndex(on ? index : -1);
        return;
    }
    MarkSelected(index, on);
}

void TCustomListBox::MarkSelected(int index, bool on)
{
    if (Selected(index) == on) return;
    unsigned state = items_.State(index);
    items_.SetState(index, on ? state | kSelectedBit : state & ~kSelectedBit);
    InvalidateItem(index);
}

int TCustomListBox::SelCount() const
{
    int n = 0;
    for (int i = 0; i < Count(); ++i) n += Selected(i);
    return n;
}

void TCustomListBox::ClearSelection()
{
    if (!multiSelect_) caret_ = -1;
    SelectOnly(-1);
}

void TCustomListBox::SelectAll()
{
    if (!multiSelect_) return;
    SelectRange(0, Count() - 1);
}

void TCustomListBox::SelectOnly(int index)
{
    for (int i = 0; i < Count(); ++i) MarkSelected(i, i == index);
}

void TCustomListBox::SelectRange(int from, int to)
{
    if (from > to) std::swap(from, to);
    for (int i = 0; i < Count(); ++i) MarkSelected(i, i >= from && i <= to);
}

void TCustomListBox::SetMultiSelect(bool on)
{
    if (on == multiSelect_) return;
    multiSelect_ = on;
    // Leaving multiple selection keeps the caret item as the one selected.
    if (!on) SelectOnly(caret_ >= 0 && Selected(caret_) ? caret_ : -1);
    if (!on && (caret_ < 0 || !Selected(caret_))) caret_ = -1;
    Invalidate();
}

void TCustomListBox::SelectionChanged() { Click(); }

void TCustomListBox::SetStyle(TListBoxStyle style)
{
    if (style == style_) return;
    style_ = style;
    ItemsChanged();
}

int TCustomListBox::ItemHeight() const
{
    if (style_ == TListBoxStyle::lbStandard) return TFontInstance::Get(Font().Request())->Height() + 2;
    return itemHeight_;
}

void TCustomListBox::SetItemHeight(int height)
{
    if (height <= 0 || height == itemHeight_) return;
    itemHeight_ = height;
    ItemsChanged();
}

void TCustomListBox::FontChanged()
{
    TCustomControl::FontChanged();
    ItemsChanged();
}

void TCustomListBox::Resize()
{
    TCustomControl::Resize();
    SetTopIndex(topIndex_);
    UpdateScrollBar();
}

void TCustomListBox::UpdateHeights()
{
    heights_.clear();
    if (style_ != TListBoxStyle::lbOwnerDrawVariable) return;
    auto alive = Guard();
    for (int i = 0; i < Count(); ++i) {
        int h = itemHeight_;
        if (OnMeasureItem) OnMeasureItem(this, i, h);
        if (!alive) return;
        heights_.push_back(std::max(1, h));
    }
}

int TCustomListBox::RowHeight(int index) const
{
    if (style_ == TListBoxStyle::lbOwnerDrawVariable && index >= 0 && index < int(heights_.size()))
        return heights_[size_t(index)];
    return ItemHeight();
}

int TCustomListBox::RowTop(int index) const
{
    if (style_ != TListBoxStyle::lbOwnerDrawVariable) return index * ItemHeight();
    int top = 0;
    for (int i = 0; i < index && i < int(heights_.size()); ++i) top += heights_[size_t(i)];
    return top;
}

int TCustomListBox::VisibleRows() const
{
    return FullRowsFrom(topIndex_, Count(), ClientHeight(), [this](int i) { return RowHeight(i); });
}

void TCustomListBox::SetTopIndex(int index)
{
    int max = LastTopIndex(Count(), ClientHeight(), [this](int i) { return RowHeight(i); });
    index = std::clamp(index, 0, max);
    if (index == topIndex_) return;
    topIndex_ = index;
    UpdateScrollBar();
    Invalidate();
}

TRect TCustomListBox::ItemRect(int index) const
{
    if (!ValidIndex(index)) return {};
    int top = RowTop(index) - RowTop(topIndex_);
    return {0, top, ClientWidth(), top + RowHeight(index)};
}

int TCustomListBox::ItemAtPos(TPoint p, bool existing) const
{
    if (existing && (p.x < 0 || p.x >= ClientWidth())) return -1;
    int y = p.y + RowTop(topIndex_);
    if (y < 0) return existing ? -1 : 0;
    int top = 0;
    for (int i = 0; i < Count(); ++i) {
        int h = RowHeight(i);
        if (y < top + h) return i;
        top += h;
    }
    return existing ? -1 : Count();
}

void TCustomListBox::MakeVisible(int index)
{
    if (!ValidIndex(index)) return;
    if (index < topIndex_) {
        SetTopIndex(index);
        return;
    }
    int top = topIndex_;
    while (top < index && RowTop(index + 1) - RowTop(top) > ClientHeight()) ++top;
    SetTopIndex(top);
}

void TCustomListBox::InvalidateItem(int index)
{
    if (!HandleAllocated()) return;
    TRect r = ItemRect(index);
    if (r.Bottom > 0 && r.Top < ClientHeight()) InvalidateRect(Handle(), &r, false);
}

void TCustomListBox::GetScrollRange(int& min, int& max, int& page, int& position) const
{
    min = 0;
    max = std::max(0, Count() - 1);
    page = VisibleRows();
    position = topIndex_;
}

void TCustomListBox::UpdateScrollBar()
{
    if (!HandleAllocated() || updatingBar_) return;
    // Showing or hiding the bar resizes the client area, which asks again.
    updatingBar_ = true;
    int min, max, page, position;
    GetScrollRange(min, max, page, position);
    SetWindowScrollBar(Handle(), SB_VERT, min, max, page, position);
    updatingBar_ = false;
}

void TCustomListBox::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBar();
}

void TCustomListBox::Scroll(int code, int thumb)
{
    int page = std::max(1, VisibleRows());
    SetTopIndex(ScrollTarget(code, thumb, topIndex_, 1, page, Count() - 1));
}

void TCustomListBox::MoveCaret(int index, TShiftState shift, bool byMouse)
{
    if (Count() == 0) return;
    index = std::clamp(index, 0, Count() - 1);
    bool extended = multiSelect_ && extendedSelect_;
    if (!multiSelect_) {
        if (index == caret_ && Selected(index)) return;
        SelectOnly(index);
        anchor_ = index;
    } else if (!extended) {
        if (byMouse) SetSelected(index, !Selected(index));
    } else if (shift & ssShift) {
        if (anchor_ < 0) anchor_ = caret_ < 0 ? index : caret_;
        SelectRange(anchor_, index);
    } else if (shift & ssCtrl) {
        if (byMouse) SetSelected(index, !Selected(index));
        if (byMouse) anchor_ = index;
    } else {
        SelectOnly(index);
        anchor_ = index;
    }
    InvalidateItem(caret_);
    caret_ = index;
    InvalidateItem(caret_);
    MakeVisible(index);
    SelectionChanged();
}

void TCustomListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    if (button == TMouseButton::Left) {
        if (!Focused() && CanFocus()) SetFocus();
        if (!alive) return;
        int index = ItemAtPos({x, y}, true);
        if (index >= 0) {
            dragging_ = !multiSelect_ || (extendedSelect_ && !(shift & ssCtrl));
            MoveCaret(index, shift, true);
            if (!alive) return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomListBox::MouseMove(TShiftState shift, int x, int y)
{
    auto alive = Guard();
    if (dragging_ && (shift & ssLeft) && Count() > 0) {
        int index = std::clamp(ItemAtPos({x, y}, false), 0, Count() - 1);
        if (index != caret_) MoveCaret(index, multiSelect_ ? TShiftState(ssShift) : 0, true);
        if (!alive) return;
    }
    TCustomControl::MouseMove(shift, x, y);
}

void TCustomListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) dragging_ = false;
    TCustomControl::MouseUp(button, shift, x, y);
}

void TCustomListBox::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TCustomControl::KeyDown(key, shift);
    if (!alive || Count() == 0) return;
    int page = std::max(1, VisibleRows() - 1);
    int target;
    switch (key) {
    case VK_UP: target = caret_ - 1; break;
    case VK_DOWN: target = caret_ + 1; break;
    case VK_PRIOR: target = caret_ - page; break;
    case VK_NEXT: target = caret_ + page; break;
    case VK_HOME: target = 0; break;
    case VK_END: target = Count() - 1; break;
    case VK_SPACE:
        if (multiSelect_ && caret_ >= 0 && (!extendedSelect_ || (shift & ssCtrl))) {
            SetSelected(caret_, !Selected(caret_));
            SelectionChanged();
            if (alive) key = 0;
        }
        return;
    default: return;
    }
    if (caret_ < 0) target = std::max(target, 0);
    MoveCaret(target, shift, false);
    if (alive) key = 0;
}

void TCustomListBox::KeyPress(char32_t& key)
{
    auto alive = Guard();
    TCustomControl::KeyPress(key);
    if (!alive || key < 0x20 || key == 0x7F || (key == U' ' && multiSelect_)) return;
    uint64_t now = GetTickCount();
    if (now - prefixTime_ > kPrefixTimeoutMs) prefix_.clear();
    prefixTime_ = now;
    prefix_ += Utf8Encode(key);
    // A longer prefix may still match the current item; a first letter looks past it.
    int found = FindString(prefix_, prefix_.size() > Utf8Encode(key).size() ? caret_ - 1 : caret_, TFindMode::Prefix);
    if (found < 0 && Utf8Length(prefix_) > 1) {
        // The same letter typed again steps through the items that start with it.
        std::u32string typed = Utf8ToUtf32(prefix_);
        if (std::all_of(typed.begin(), typed.end(), [&](char32_t c) { return c == typed[0]; }))
            found = FindString(Utf8Encode(typed[0]), caret_, TFindMode::Prefix);
    }
    if (found >= 0) MoveCaret(found, 0, false);
    if (alive) key = 0;
}

int TCustomListBox::FindString(const std::string& text, int after, TFindMode mode) const
{
    int n = Count();
    for (int step = 1; step <= n; ++step) {
        int i = ((after + step) % n + n) % n;
        const std::string& item = items_.Strings(i);
        if (mode == TFindMode::Prefix ? StartsWithNoCase(item, text) : SameTextAscii(item, text)) return i;
    }
    return -1;
}

bool TCustomListBox::ListMessage(TMessage& m)
{
    int index = int(int64_t(m.WParam));
    // The messages about one item fail alike for an index outside the list.
    static constexpr UINT kItemMessages[] = {LB_DELETESTRING, LB_GETSEL,      LB_GETTEXTLEN,    LB_GETTEXT,
                                             LB_GETITEMDATA,  LB_SETITEMDATA, LB_SETCARETINDEX, LB_GETITEMRECT};
    if (std::ranges::find(kItemMessages, m.Msg) != std::end(kItemMessages) && !ValidIndex(index)) {
        m.Result = LB_ERR;
        return true;
    }
    auto text = [&] { return std::string(m.LParam ? LParamToPtr<const char>(m.LParam) : ""); };
    switch (m.Msg) {
    case LB_ADDSTRING: m.Result = items_.Add(text()); return true;
    case LB_INSERTSTRING:
        m.Result = index < 0 ? items_.Add(text()) : items_.Insert(std::min(index, Count()), text());
        return true;
    case LB_DELETESTRING:
        items_.Delete(index);
        m.Result = Count();
        return true;
    case LB_RESETCONTENT: items_.Clear(); m.Result = 0; return true;
    case LB_GETCOUNT: m.Result = Count(); return true;
    case LB_GETCURSEL: m.Result = multiSelect_ ? caret_ : ItemIndex(); return true;
    case LB_SETCURSEL:
        if (!multiSelect_) SetItemIndex(ValidIndex(index) ? index : -1);
        m.Result = !multiSelect_ && ValidIndex(index) ? index : LB_ERR;
        return true;
    case LB_GETSEL: m.Result = Selected(index); return true;
    case LB_SETSEL: m.Result = SetSelMessage(m.WParam != 0, int(m.LParam)); return true;
    case LB_GETSELCOUNT: m.Result = multiSelect_ ? SelCount() : LB_ERR; return true;
    case LB_GETTEXTLEN: m.Result = LRESULT(items_.Strings(index).size()); return true;
    case LB_GETTEXT: {
        if (!m.LParam) {
            m.Result = LB_ERR;
            return true;
        }
        const std::string& s = items_.Strings(index);
        std::memcpy(LParamToPtr<char>(m.LParam), s.c_str(), s.size() + 1);
        m.Result = LRESULT(s.size());
        return true;
    }
    case LB_GETITEMDATA: m.Result = PtrToLParam(items_.Objects(index)); return true;
    case LB_SETITEMDATA:
        items_.SetObject(index, LParamToPtr<void>(m.LParam));
        m.Result = 0;
        return true;
    case LB_GETTOPINDEX: m.Result = topIndex_; return true;
    case LB_SETTOPINDEX:
        // An empty list still has its top index 0.
        m.Result = index < 0 || index >= std::max(1, Count()) ? LB_ERR : 0;
        if (m.Result == 0) SetTopIndex(index);
        return true;
    case LB_GETCARETINDEX: m.Result = caret_; return true;
    case LB_SETCARETINDEX:
        if (multiSelect_) caret_ = index;
        else SetItemIndex(index);
        MakeVisible(index);
        Invalidate();
        m.Result = 0;
        return true;
    case LB_GETITEMHEIGHT: m.Result = RowHeight(std::max(0, index)); return true;
    case LB_SETITEMHEIGHT: m.Result = SetItemHeightMessage(index, LOWORD(uint64_t(m.LParam))); return true;
    case LB_GETITEMRECT:
        if (auto* r = LParamToPtr<TRect>(m.LParam)) *r = ItemRect(index);
        m.Result = m.LParam ? 1 : LB_ERR;
        return true;
    case LB_ITEMFROMPOINT: {
        TPoint p = LParamToPoint(m.LParam);
        int item = ItemAtPos(p, false);
        bool outside = p.x < 0 || p.x >= ClientWidth() || p.y < 0 || p.y >= ClientHeight() || item >= Count();
        m.Result = MAKELRESULT(std::clamp(item, 0, std::max(0, Count() - 1)), outside ? 1 : 0);
        return true;
    }
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT: {
        int found = FindString(text(), index, m.Msg == LB_FINDSTRING ? TFindMode::Prefix : TFindMode::Whole);
        m.Result = found >= 0 ? found : LB_ERR;
        return true;
    }
    default: return false;
    }
}

LRESULT TCustomListBox::SetSelMessage(bool select, int item)
{
    if (!multiSelect_) return LB_ERR;
    if (item == -1) {
        if (select) SelectAll();
        else SelectOnly(-1);
        return 0;
    }
    if (!ValidIndex(item)) return LB_ERR;
    SetSelected(item, select);
    return 0;
}

LRESULT TCustomListBox::SetItemHeightMessage(int index, int height)
{
    if (height <= 0 || height > 255) return LB_ERR;
    if (style_ == TListBoxStyle::lbOwnerDrawVariable && index >= 0 && index < int(heights_.size())) {
        heights_[size_t(index)] = height;
        SetTopIndex(topIndex_);
        UpdateScrollBar();
        Invalidate();
    } else {
        SetItemHeight(height);
    }
    return 0;
}

void TCustomListBox::WndProc(TMessage& m)
{
    if (ListMessage(m)) return;
    switch (m.Msg) {
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_VSCROLL: Scroll(LOWORD(m.WParam), HIWORD(m.WParam)); return;
    case WM_MOUSEWHEEL: SetTopIndex(topIndex_ - WheelLines(GET_WHEEL_DELTA_WPARAM(m.WParam))); return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: InvalidateItem(caret_); break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TCustomListBox::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush().Color = Color();
    c.FillRect(ClientRect());
    auto alive = Guard();
    for (int i = topIndex_; i < Count(); ++i) {
        TRect r = ItemRect(i);
        if (r.Top >= ClientHeight()) break;
        if (!c.RectVisible(r)) continue;
        TOwnerDrawState state = 0;
        if (Selected(i)) state |= odSelected;
        if (i == caret_ && Focused()) state |= odFocused;
        if (!Enabled()) state |= odDisabled;
        c.Save();
        c.IntersectClipRect(r);
        c.Brush().Color = (state & odSelected) ? clHighlight : Color();
        c.SetFont(Font().Request());
        if (state & odSelected) c.Font().Color = clHighlightText;
        if (state & odDisabled) c.Font().Color = clGrayText;
        DrawItem(i, r, state);
        if (!alive) return;
        c.Restore();
        if (state & odFocused) c.DrawFocusRect(r);
    }
}

void TCustomListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (style_ != TListBoxStyle::lbStandard && OnDrawItem) {
        OnDrawItem(this, index, rect, state);
        return;
    }
    TCanvas& c = *Canvas();
    c.FillRect(rect);
    c.Brush().Style = TBrushStyle::bsClear;
    int textHeight = c.TextHeight(items_.Strings(index));
    c.TextOut(rect.Left + 2, rect.Top + (rect.Height() - textHeight) / 2, items_.Strings(index));
}

} // namespace tavrik
