#include "ui/TabControl.h"

#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Form.h"
#include "ui/Frame3D.h"
#include "ui/ImageList.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// The distance of the tab row from the window's edges, and of the page area from the frame.
constexpr int kRowInset = 2;
constexpr int kPageInset = 4;
constexpr int kTextPadding = 6;
constexpr int kMaxArrowSize = 17;

} // namespace

TCustomTabControl::TCustomTabControl(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle(ControlStyle() | csAcceptsControls | csOpaque);
    SetTabStop(true);
    SetBounds(0, 0, 289, 193);
    tabs_.OnChange = [this] { TabsChanged(); };
    TabsChanged();
}

void TCustomTabControl::SetTabIndex(int index)
{
    if (index < -1 || index >= TabCount() || index == tabIndex_) return;
    tabIndex_ = index;
    if (index >= 0) ScrollTabs(std::min(firstTab_, index));
    Invalidate();
}

void TCustomTabControl::SetTabHeight(int height)
{
    if (height < 0 || height == tabHeight_) return;
    tabHeight_ = itemHeight_ = height;
    TabsChanged();
}

void TCustomTabControl::SetTabWidth(int width)
{
    if (width < 0 || width == tabWidth_) return;
    tabWidth_ = itemWidth_ = width;
    TabsChanged();
}

void TCustomTabControl::SetTabPosition(TTabPosition position)
{
    if (position == tabPosition_) return;
    tabPosition_ = position;
    TabsChanged();
}

void TCustomTabControl::SetImages(TImageList* images)
{
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    TabsChanged();
}

void TCustomTabControl::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation == TOperation::opRemove && component == images_) {
        images_ = nullptr;
        TabsChanged();
    }
}

void TCustomTabControl::ScrollTabs(int firstTab)
{
    firstTab = std::clamp(firstTab, 0, std::max(0, TabCount() - 1));
    if (firstTab == firstTab_) return;
    firstTab_ = firstTab;
    Invalidate();
}

void TCustomTabControl::SetScrollArrows(bool on)
{
    if (on == scrollArrows_) return;
    scrollArrows_ = on;
    Invalidate();
}

bool TCustomTabControl::TabsOverflow() const
{
    return firstTab_ > 0 || (TabCount() > 0 && TabEnd(TabCount() - 1) > RowLength() - kRowInset);
}

int TCustomTabControl::TabEnd(int index) const
{
    TRect r = NativeTabRect(index);
    return Upright() ? r.Bottom : r.Right;
}

TRect TCustomTabControl::ArrowRect(bool right) const
{
    if (!scrollArrows_ || Upright() || !TabsOverflow()) return {};
    int size = std::min(RowHeight(), kMaxArrowSize);
    int top = tabPosition_ == TTabPosition::tpTop ? kRowInset : Height() - kRowInset - size;
    int left = Width() - kRowInset - (right ? size : 2 * size);
    return {left, top, left + size, top + size};
}

int TCustomTabControl::RowEnd() const
{
    TRect arrows = ArrowRect(false);
    return arrows.IsEmpty() ? RowLength() - kRowInset : arrows.Left;
}

void TCustomTabControl::FontChanged()
{
    TCustomControl::FontChanged();
    TabsChanged();
}

int TCustomTabControl::RowHeight() const
{
    if (itemHeight_ > 0) return itemHeight_;
    int h = TFontInstance::Get(Font().Request())->Height() + kTextPadding;
    if (images_) h = std::max(h, images_->Height() + kTextPadding);
    return h;
}

int TCustomTabControl::NaturalTabWidth(int index) const
{
    if (itemWidth_ > 0) return itemWidth_;
    int w = TFontInstance::Get(Font().Request())->TextWidth(tabs_.Strings(index)) + 2 * kTextPadding;
    int image = TabImageIndex(index);
    if (images_ && image >= 0 && image < images_->Count()) w += images_->Width() + 4;
    return w;
}

void TCustomTabControl::TabsChanged()
{
    int count = TabCount();
    if (tabIndex_ >= count) tabIndex_ = count - 1;
    if (tabIndex_ < 0 && count > 0) tabIndex_ = 0;
    firstTab_ = std::clamp(firstTab_, 0, std::max(0, count - 1));
    tabLefts_.assign(size_t(count) + 1, 0);
    for (int i = 0; i < count; ++i) tabLefts_[size_t(i) + 1] = tabLefts_[size_t(i)] + NaturalTabWidth(i);
    Realign();
    Invalidate();
}

TRect TCustomTabControl::NativeTabRect(int index) const
{
    if (index < 0 || index >= TabCount()) return {};
    int h = RowHeight();
    int start = kRowInset + tabLefts_[size_t(index)] - tabLefts_[size_t(firstTab_)];
    int end = kRowInset + tabLefts_[size_t(index) + 1] - tabLefts_[size_t(firstTab_)];
    switch (tabPosition_) {
    case TTabPosition::tpTop: return {start, kRowInset, end, kRowInset + h};
    case TTabPosition::tpBottom: return {start, Height() - kRowInset - h, end, Height() - kRowInset};
    case TTabPosition::tpLeft: return {kRowInset, start, kRowInset + h, end};
    case TTabPosition::tpRight: return {Width() - kRowInset - h, start, Width() - kRowInset, end};
    }
    return {};
}

// The page area's distance from each edge of the window: the row's on the tabs' side.
TRect TCustomTabControl::PageMargins() const
{
    int row = RowHeight() + kRowInset + kPageInset;
    TRect m{kPageInset, kPageInset, kPageInset, kPageInset};
    switch (tabPosition_) {
    case TTabPosition::tpTop: m.Top = row; break;
    case TTabPosition::tpBottom: m.Bottom = row; break;
    case TTabPosition::tpLeft: m.Left = row; break;
    case TTabPosition::tpRight: m.Right = row; break;
    }
    return m;
}

TRect TCustomTabControl::NativeDisplayRect(const TRect& w) const
{
    TRect m = PageMargins();
    return {w.Left + m.Left, w.Top + m.Top, w.Right - m.Right, w.Bottom - m.Bottom};
}

TRect TCustomTabControl::NativeWindowRect(const TRect& d) const
{
    TRect m = PageMargins();
    return {d.Left - m.Left, d.Top - m.Top, d.Right + m.Right, d.Bottom + m.Bottom};
}

TRect TCustomTabControl::TabRect(int index)
{
    TRect r;
    return Perform(TCM_GETITEMRECT, WPARAM(index), PtrToLParam(&r)) ? r : TRect{};
}

int TCustomTabControl::IndexOfTabAt(int x, int y)
{
    for (int i = 0; i < TabCount(); ++i)
        if (TabRect(i).Contains(TPoint{x, y})) return i;
    return -1;
}

TRect TCustomTabControl::DisplayRect()
{
    TRect r = ClientRect();
    Perform(TCM_ADJUSTRECT, 0, PtrToLParam(&r));
    return r;
}

void TCustomTabControl::AdjustClientRect(TRect& rect) const
{
    // The request may be answered by a descendant, so it goes through the message chain.
    const_cast<TCustomTabControl*>(this)->Perform(TCM_ADJUSTRECT, 0, PtrToLParam(&rect));
}

bool TCustomTabControl::CanChange()
{
    bool allow = true;
    if (OnChanging) OnChanging(this, allow);
    return allow;
}

void TCustomTabControl::Change()
{
    if (OnChange) OnChange(this);
}

bool TCustomTabControl::SelectTabByUser(int index)
{
    if (index < 0 || index >= TabCount() || index == tabIndex_) return false;
    auto alive = Guard();
    if (!CanChange() || !alive) return false;
    if (index >= TabCount()) return false; // OnChanging took tabs away
    tabIndex_ = index;
    // Keep the new tab in view: scrolled to when it starts left of the row, and the row moved
    // on while it ends beyond the right edge.
    int first = std::min(firstTab_, index);
    while (first < index && kRowInset + tabLefts_[size_t(index) + 1] - tabLefts_[size_t(first)] > RowEnd())
        ++first;
    ScrollTabs(first);
    Invalidate();
    Change();
    return bool(alive);
}

void TCustomTabControl::SelectNextTab(bool forward)
{
    int count = TabCount();
    if (count == 0) return;
    int next = tabIndex_ < 0 ? 0 : ((tabIndex_ + (forward ? 1 : -1)) % count + count) % count;
    SelectTabByUser(next);
}

void TCustomTabControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    if (button == TMouseButton::Left && ArrowRect(false).Contains(TPoint{x, y})) {
        ScrollTabs(firstTab_ - 1);
    } else if (button == TMouseButton::Left && ArrowRect(true).Contains(TPoint{x, y})) {
        // On while the last tab still ends beyond the arrows.
        if (TabCount() > 0 && TabEnd(TabCount() - 1) > RowEnd()) ScrollTabs(firstTab_ + 1);
    } else if (button == TMouseButton::Left) {
        int index = IndexOfTabAt(x, y);
        if (index >= 0) {
            if (!Focused() && CanFocus()) SetFocus();
            if (!alive) return;
            SelectTabByUser(index);
            if (!alive) return;
        }
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTabControl::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TCustomControl::KeyDown(key, shift);
    if (!alive || TabCount() == 0) return;
    int last = TabCount() - 1;
    switch (key) {
    case VK_LEFT:
    case VK_UP: SelectTabByUser(std::max(0, tabIndex_ - 1)); break;
    case VK_RIGHT:
    case VK_DOWN: SelectTabByUser(std::min(last, tabIndex_ + 1)); break;
    case VK_HOME: SelectTabByUser(0); break;
    case VK_END: SelectTabByUser(last); break;
    default: return;
    }
    if (alive) key = 0;
}

void TCustomTabControl::CMDialogKey(TMessage& m)
{
    auto key = uint16_t(m.WParam);
    auto shift = TShiftState(m.LParam);
    bool mine = HandleAllocated() && (Focused() || IsChild(Handle(), GetFocus()));
    if (key == VK_TAB && (shift & ssCtrl) && mine) {
        SelectNextTab(!(shift & ssShift));
        m.Result = 1;
        return;
    }
    TCustomControl::WndProc(m);
}

void TCustomTabControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case TCM_GETITEMCOUNT: m.Result = TabCount(); return;
    case TCM_GETITEMRECT: {
        auto* r = LParamToPtr<TRect>(m.LParam);
        int index = int(m.WParam);
        m.Result = r && index >= 0 && index < TabCount();
        if (m.Result) *r = NativeTabRect(index);
        return;
    }
    case TCM_GETCURSEL: m.Result = tabIndex_; return;
    case TCM_SETCURSEL:
        m.Result = tabIndex_;
        SetTabIndex(int(m.WParam));
        return;
    case TCM_HITTEST: {
        TPoint p = LParamToPoint(m.LParam);
        m.Result = IndexOfTabAt(p.x, p.y);
        return;
    }
    case TCM_ADJUSTRECT:
        if (auto* r = LParamToPtr<TRect>(m.LParam)) *r = m.WParam ? NativeWindowRect(*r) : NativeDisplayRect(*r);
        return;
    case TCM_SETITEMSIZE:
        m.Result = MAKELRESULT(itemWidth_, RowHeight());
        itemWidth_ = std::max(0, GET_X_LPARAM(m.LParam));
        itemHeight_ = std::max(0, GET_Y_LPARAM(m.LParam));
        TabsChanged();
        return;
    case TCM_GETROWCOUNT: m.Result = 1; return;
    case TCM_GETIMAGELIST: m.Result = PtrToLParam(images_); return;
    case WM_HSCROLL:
        if (LOWORD(m.WParam) == SB_THUMBPOSITION) ScrollTabs(HIWORD(m.WParam));
        return;
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    case CM_DIALOGKEY: CMDialogKey(m); return;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TCustomTabControl::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush().Color = Color();
    c.FillRect(ClientRect());
    TRect frame = DisplayRect().Inflate(kPageInset, kPageInset);
    Frame3D(c, frame, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(c, frame, cl3DLight, clBtnShadow, 1);
    for (int i = 0; i < TabCount(); ++i)
        if (i != tabIndex_) DrawTab(c, i, TabRect(i), false);
    if (tabIndex_ >= 0) DrawTab(c, tabIndex_, TabRect(tabIndex_), true);
    if (!ArrowRect(false).IsEmpty()) {
        PaintArrow(c, false);
        PaintArrow(c, true);
    }
}

void TCustomTabControl::PaintArrow(TCanvas& c, bool right)
{
    TRect r = ArrowRect(right);
    c.Brush().Color = clBtnFace;
    c.FillRect(r);
    TRect inner = r;
    Frame3D(c, inner, clBtnHighlight, cl3DDkShadow, 1);
    Frame3D(c, inner, cl3DLight, clBtnShadow, 1);
    bool enabled = right ? TabEnd(TabCount() - 1) > RowEnd() : firstTab_ > 0;
    // A triangle of four columns, pointing the way the row moves.
    c.Pen().Color = enabled ? clBtnText : clGrayText;
    int cx = (r.Left + r.Right) / 2;
    int cy = (r.Top + r.Bottom) / 2;
    for (int i = 0; i < 4; ++i) {
        int x = right ? cx - 2 + i : cx + 1 - i;
        c.MoveTo(x, cy - 3 + i);
        c.LineTo(x, cy + 4 - i);
    }
}

// A selected tab stands out by 2 pixels and covers the frame line between it and its page.
TRect TCustomTabControl::SelectedTabRect(const TRect& r) const
{
    switch (tabPosition_) {
    case TTabPosition::tpTop: return {r.Left - 2, r.Top - 2, r.Right + 2, r.Bottom + 1};
    case TTabPosition::tpBottom: return {r.Left - 2, r.Top - 1, r.Right + 2, r.Bottom + 2};
    case TTabPosition::tpLeft: return {r.Left - 2, r.Top - 2, r.Right + 1, r.Bottom + 2};
    case TTabPosition::tpRight: return {r.Left - 1, r.Top - 2, r.Right + 2, r.Bottom + 2};
    }
    return r;
}

void TCustomTabControl::DrawTab(TCanvas& c, int index, const TRect& rect, bool selected)
{
    TRect r = selected ? SelectedTabRect(rect) : rect;
    if (!Upright()) {
        TRect content = selected ? rect.Offset(0, tabPosition_ == TTabPosition::tpTop ? -1 : 1) : rect;
        DrawLyingTab(c, index, r, content, selected, tabPosition_ == TTabPosition::tpTop);
        return;
    }
    // An upright tab is drawn lying, as on top, and turned: on the left its outer edge goes
    // left and the caption reads upwards, on the right the other way round.
    int length = rect.Height(), thickness = rect.Width();
    TBitmap lying(r.Height(), r.Width());
    TCanvas lc(lying);
    TRect content = selected ? Bounds(2, 1, length, thickness) : Bounds(0, 0, length, thickness);
    DrawLyingTab(lc, index, {0, 0, lying.Width(), lying.Height()}, content, selected, true);
    TBitmap upright(lying.Height(), lying.Width());
    bool left = tabPosition_ == TTabPosition::tpLeft;
    for (int y = 0; y < lying.Height(); ++y)
        for (int x = 0; x < lying.Width(); ++x) {
            TColor pixel = lying.GetPixel(x, y);
            if (left) upright.SetPixel(y, lying.Width() - 1 - x, pixel);
            else upright.SetPixel(upright.Width() - 1 - y, x, pixel);
        }
    c.Draw(r.Left, r.Top, upright);
}

void TCustomTabControl::DrawTabOutline(TCanvas& c, const TRect& r, bool top)
{
    int outer = top ? r.Top : r.Bottom - 1;
    int inner = top ? r.Top + 1 : r.Bottom - 2;
    int open = top ? r.Bottom : r.Top - 1; // the side that joins the page
    int step = top ? 1 : -1;
    c.Pen().Color = clBtnHighlight;
    c.MoveTo(r.Left, open);
    c.LineTo(r.Left, outer + 2 * step);
    c.SetPixels(r.Left + 1, inner, clBtnHighlight);
    c.Pen().Color = top ? clBtnHighlight : cl3DDkShadow;
    c.MoveTo(r.Left + 2, outer);
    c.LineTo(r.Right - 2, outer);
    c.Pen().Color = clBtnShadow;
    c.MoveTo(r.Right - 2, outer + 2 * step);
    c.LineTo(r.Right - 2, open);
    c.Pen().Color = cl3DDkShadow;
    c.MoveTo(r.Right - 1, outer + 2 * step);
    c.LineTo(r.Right - 1, open);
    c.SetPixels(r.Right - 2, inner, cl3DDkShadow);
}

void TCustomTabControl::DrawLyingTab(TCanvas& c, int index, const TRect& r, TRect content, bool selected, bool top)
{
    c.Brush().Color = Color();
    c.FillRect(r);
    DrawTabOutline(c, r, top);
    int image = TabImageIndex(index);
    bool hasImage = images_ && image >= 0 && image < images_->Count();
    if (hasImage) {
        int x = content.Left + kTextPadding;
        images_->Draw(c, x, content.Top + (content.Height() - images_->Height()) / 2, image, TabEnabled(index));
        content.Left = x + images_->Width() + 4 - kTextPadding;
    }
    c.Brush().Style = TBrushStyle::bsClear;
    c.SetFont(Font().Request());
    if (!TabEnabled(index)) c.Font().Color = clGrayText;
    TRect text = content;
    c.DrawText(TabItems().Strings(index), text, DT_SINGLELINE | DT_CENTER | DT_VCENTER | DT_NOPREFIX);
    c.Brush().Style = TBrushStyle::bsSolid;
    if (selected && Focused()) c.DrawFocusRect(content.Inflate(-3, -2));
}

} // namespace tavrik
