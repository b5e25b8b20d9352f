#include "gfx/FontInstance.h"
#include "ui/HeaderControl.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <numeric>

namespace tavrik {

namespace {

constexpr int kIconGap = 2;           // left of a small icon, and between it and the caption
constexpr int kLabelPadding = 3;      // each side of a caption inside its selection
constexpr int kMinItemWidth = 96;     // list columns and small-icon cells
constexpr int kVirtualItemWidth = 192; // virtual rows are not all measured
constexpr int kIconCellExtra = 44;    // room beside a large icon for its caption
constexpr int kDefaultLargeIcon = 32; // the room of an icon without a large image list

// n / d rounded to the nearest whole number, halves away from zero.
int DivNearest(int n, int d) { return n >= 0 ? (n + d / 2) / d : -((-n + d / 2) / d); }

} // namespace

const TCustomListView::TMetrics& TCustomListView::Metrics() const
{
    if (metricsValid_) return metrics_;
    TMetrics m;
    m.textHeight = TFontInstance::Get(Font().Request())->Height();
    int smallH = std::max(smallImages_ ? smallImages_->Height() : 0, stateImages_ ? stateImages_->Height() : 0);
    m.rowHeight = std::max(m.textHeight + 3, smallH + 1);
    int smallPart = (smallImages_ ? kIconGap + smallImages_->Width() : 0) + StateImageWidth();
    int widest = ownerData_ ? kVirtualItemWidth : smallPart + kIconGap + WidestCaption() + 2 * kLabelPadding;
    m.listColumnWidth = std::max(kMinItemWidth, widest);
    if (viewStyle_ == TViewStyle::vsIcon) {
        TSize icon = LargeIconSize();
        m.cellWidth = std::max(icon.cx, kDefaultLargeIcon) + kIconCellExtra;
        m.cellHeight = 2 + icon.cy + 2 + m.textHeight + 2 * kLabelPadding;
    } else {
        m.cellWidth = m.listColumnWidth;
        m.cellHeight = m.rowHeight;
    }
    m.headerHeight = header_ && viewStyle_ == TViewStyle::vsReport && showColumnHeaders_ ? header_->PreferredHeight() : 0;
    metrics_ = m;
    metricsValid_ = true;
    return metrics_;
}

int TCustomListView::StateImageWidth() const
{
    return stateImages_ && viewStyle_ != TViewStyle::vsIcon ? stateImages_->Width() : 0;
}

TSize TCustomListView::LargeIconSize() const
{
    if (!largeImages_) return {kDefaultLargeIcon, kDefaultLargeIcon};
    return {largeImages_->Width(), largeImages_->Height()};
}

int TCustomListView::WidestCaption() const
{
    if (widestCaption_ >= 0) return widestCaption_;
    auto font = TFontInstance::Get(Font().Request());
    int widest = 0;
    auto& items = const_cast<TListItems&>(items_);
    for (int i = 0; i < items.Count(); ++i) widest = std::max(widest, font->TextWidth(items.Item(i)->Caption()));
    widestCaption_ = widest;
    return widest;
}

void TCustomListView::LayoutChanged()
{
    metricsValid_ = false;
    if (items_.Updating() || Destroying()) return;
    ClampScroll();
    LayoutHeader();
    UpdateScrollBars();
    Invalidate();
}

void TCustomListView::Resize()
{
    LayoutChanged();
    TCustomControl::Resize();
}

// A bar that appears or goes changes the client area, and with it the other bar's range and
// the rows per page: the bars settle within a few rounds.
void TCustomListView::UpdateScrollBars()
{
    if (!HandleAllocated() || updatingBars_ || items_.Updating() || Destroying()) return;
    updatingBars_ = true;
    for (int round = 0; round < 3; ++round) {
        TRect before = ClientRect();
        for (bool vertical : {true, false}) {
            TListScrollInfo info = ScrollInfo(vertical);
            SCROLLINFO si;
            si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
            si.nMin = info.Min;
            si.nMax = info.Max;
            si.nPage = UINT(std::max(0, info.Page));
            si.nPos = info.Pos;
            SetScrollInfo(Handle(), vertical ? SB_VERT : SB_HORZ, &si, true);
        }
        if (ClientRect() == before) break;
        metricsValid_ = false;
        ClampScroll();
        LayoutHeader();
        Invalidate();
    }
    updatingBars_ = false;
}

void TCustomListView::FontChanged()
{
    widestCaption_ = -1;
    if (header_) header_->SetFont(Font());
    LayoutChanged();
    TCustomControl::FontChanged();
}

TRect TCustomListView::ItemArea() const
{
    TRect c = ClientRect();
    c.Top = std::min(c.Bottom, c.Top + Metrics().headerHeight);
    return c;
}

int TCustomListView::ItemsPerRow() const { return std::max(1, ItemArea().Width() / Metrics().cellWidth); }

int TCustomListView::RowsPerColumn() const { return std::max(1, ItemArea().Height() / Metrics().rowHeight); }

int TCustomListView::ListColumnCount() const
{
    int rows = RowsPerColumn();
    return (items_.Count() + rows - 1) / rows;
}

// Where an item's cell starts in the list's content, before scrolling.
TPoint TCustomListView::CellOrigin(int index) const
{
    const TMetrics& m = Metrics();
    switch (viewStyle_) {
    case TViewStyle::vsReport: return {0, index * m.rowHeight};
    case TViewStyle::vsList: {
        int rows = RowsPerColumn();
        return {(index / rows) * m.listColumnWidth, (index % rows) * m.rowHeight};
    }
    default: {
        int perRow = ItemsPerRow();
        return {(index % perRow) * m.cellWidth, (index / perRow) * m.cellHeight};
    }
    }
}

std::vector<int> TCustomListView::ColumnLefts() const
{
    int n = columns_.Count();
    std::vector<int> order(static_cast<size_t>(n));
    std::iota(order.begin(), order.end(), 0);
    if (header_ && int(header_->OrderArray().size()) == n) order = header_->OrderArray();
    std::vector<int> lefts(size_t(n), 0);
    int x = -hPos_;
    for (int index : order) {
        lefts[size_t(index)] = x;
        x += columns_.Item(index)->Width();
    }
    return lefts;
}

TRect TCustomListView::ItemRect(int index, TDisplayCode code) const
{
    if (index < 0 || index >= items_.Count()) return {};
    const TMetrics& m = Metrics();
    TRect area = ItemArea();
    TPoint cell = CellOrigin(index);
    TRect bounds;
    switch (viewStyle_) {
    case TViewStyle::vsReport: {
        int top = area.Top + (index - vPos_) * m.rowHeight;
        int left = columns_.Count() ? ColumnLefts()[0] : -hPos_;
        bounds = {-hPos_, top, -hPos_ + columns_.TotalWidth(), top + m.rowHeight};
        if (code == TDisplayCode::drBounds || (code == TDisplayCode::drSelectBounds && rowSelect_)) return bounds;
        int width0 = columns_.Count() ? columns_.Item(0)->Width() : 0;
        bounds = {left, top, left + width0, top + m.rowHeight};
        break;
    }
    case TViewStyle::vsList:
        bounds = Bounds(cell.x - hPos_ * m.listColumnWidth, area.Top + cell.y, m.listColumnWidth, m.rowHeight);
        break;
    default: bounds = Bounds(cell.x - hPos_, area.Top + cell.y - vPos_, m.cellWidth, m.cellHeight); break;
    }
    if (code == TDisplayCode::drBounds) return bounds;

    auto& items = const_cast<TListItems&>(items_);
    int textWidth = TFontInstance::Get(Font().Request())->TextWidth(items.Item(index)->Caption()) + 2 * kLabelPadding;
    TRect icon, label;
    if (viewStyle_ == TViewStyle::vsIcon) {
        TSize size = LargeIconSize();
        icon = Bounds(bounds.Left + (bounds.Width() - size.cx) / 2, bounds.Top + 2, size.cx, size.cy);
        label = {bounds.Left + 1, icon.Bottom + 2, bounds.Right - 1, icon.Bottom + 2 + m.textHeight + 2 * kLabelPadding};
        if (code == TDisplayCode::drLabel) return label;
        int narrow = std::min(textWidth, label.Width());
        label.Left += (label.Width() - narrow) / 2;
        label.Right = label.Left + narrow;
    } else {
        int iconW = smallImages_ ? smallImages_->Width() : 0;
        // The state image's room comes first, then the icon's.
        int iconLeft = bounds.Left + (smallImages_ ? kIconGap : 0) + StateImageWidth();
        icon = {iconLeft, bounds.Top, iconLeft + iconW, bounds.Bottom};
        label = {std::min(bounds.Right, icon.Right + kIconGap), bounds.Top, bounds.Right, bounds.Bottom};
        if (code == TDisplayCode::drLabel) return label;
        label.Right = std::min(label.Right, label.Left + textWidth);
    }
    if (code == TDisplayCode::drIcon) return icon;
    return UnionRect(icon, label); // drSelectBounds
}

int TCustomListView::IndexAt(TPoint p, bool selectArea) const
{
    const TMetrics& m = Metrics();
    TRect area = ItemArea();
    if (!area.Contains(p)) return -1;
    int index = -1;
    switch (viewStyle_) {
    case TViewStyle::vsReport: index = vPos_ + (p.y - area.Top) / m.rowHeight; break;
    case TViewStyle::vsList: {
        int row = (p.y - area.Top) / m.rowHeight;
        if (row >= RowsPerColumn()) return -1;
        index = (hPos_ + p.x / m.listColumnWidth) * RowsPerColumn() + row;
        break;
    }
    default: {
        int col = (p.x + hPos_) / m.cellWidth, row = (p.y - area.Top + vPos_) / m.cellHeight;
        if (col >= ItemsPerRow()) return -1;
        index = row * ItemsPerRow() + col;
        break;
    }
    }
    if (index < 0 || index >= items_.Count()) return -1;
    TRect r = ItemRect(index, selectArea ? TDisplayCode::drSelectBounds : TDisplayCode::drBounds);
    return r.Contains(p) ? index : -1;
}

std::pair<int, int> TCustomListView::VisibleRange() const
{
    int n = items_.Count();
    if (n == 0) return {0, -1};
    const TMetrics& m = Metrics();
    TRect area = ItemArea();
    int first = 0, last = n - 1;
    switch (viewStyle_) {
    case TViewStyle::vsReport:
        first = vPos_;
        last = vPos_ + (area.Height() + m.rowHeight - 1) / m.rowHeight - 1;
        break;
    case TViewStyle::vsList: {
        int rows = RowsPerColumn();
        first = hPos_ * rows;
        last = first + ((area.Width() + m.listColumnWidth - 1) / m.listColumnWidth) * rows - 1;
        break;
    }
    default: {
        int perRow = ItemsPerRow();
        first = (vPos_ / m.cellHeight) * perRow;
        last = ((vPos_ + area.Height() - 1) / m.cellHeight + 1) * perRow - 1;
        break;
    }
    }
    return {std::clamp(first, 0, n), std::min(last, n - 1)};
}

TListScrollInfo TCustomListView::ScrollInfo(bool vertical) const
{
    const TMetrics& m = Metrics();
    TRect area = ItemArea();
    int n = items_.Count();
    switch (viewStyle_) {
    case TViewStyle::vsReport:
        if (vertical) return {0, std::max(0, n - 1), CountPerPage(), vPos_};
        return {0, std::max(0, columns_.TotalWidth() - 1), area.Width(), hPos_};
    case TViewStyle::vsList:
        if (vertical) return {};
        return {0, std::max(0, ListColumnCount() - 1), std::max(1, area.Width() / m.listColumnWidth), hPos_};
    default: {
        int rows = (n + ItemsPerRow() - 1) / ItemsPerRow();
        if (vertical) return {0, std::max(0, rows * m.cellHeight - 1), area.Height(), vPos_};
        int columns = std::min(n, ItemsPerRow());
        return {0, std::max(0, columns * m.cellWidth - 1), area.Width(), hPos_};
    }
    }
}

void TCustomListView::SetScrollPos(bool vertical, int pos)
{
    TListScrollInfo info = ScrollInfo(vertical);
    int maxPos = std::max(info.Min, info.Max - std::max(info.Page - 1, 0));
    pos = std::clamp(pos, info.Min, maxPos);
    int& current = vertical ? vPos_ : hPos_;
    if (pos == current) return;
    current = pos;
    if (!vertical) LayoutHeader();
    if (HandleAllocated() && !updatingBars_) tavrik::SetScrollPos(Handle(), vertical ? SB_VERT : SB_HORZ, pos, true);
    Invalidate();
}

void TCustomListView::ClampScroll()
{
    SetScrollPos(true, vPos_);
    SetScrollPos(false, hPos_);
}

void TCustomListView::Scroll(int dx, int dy)
{
    switch (viewStyle_) {
    case TViewStyle::vsReport:
        SetScrollPos(true, vPos_ + DivNearest(dy, Metrics().rowHeight));
        SetScrollPos(false, hPos_ + dx);
        break;
    case TViewStyle::vsList: SetScrollPos(false, hPos_ + dx); break;
    default:
        SetScrollPos(true, vPos_ + dy);
        SetScrollPos(false, hPos_ + dx);
        break;
    }
}

int TCustomListView::CountPerPage() const
{
    switch (viewStyle_) {
    case TViewStyle::vsReport: return std::max(0, ItemArea().Height() / Metrics().rowHeight);
    case TViewStyle::vsList: return RowsPerColumn() * std::max(1, ItemArea().Width() / Metrics().listColumnWidth);
    default: return items_.Count();
    }
}

int TCustomListView::VisibleRowCount() const
{
    switch (viewStyle_) {
    case TViewStyle::vsReport: return CountPerPage();
    case TViewStyle::vsList: return RowsPerColumn();
    default: return items_.Count();
    }
}

int TCustomListView::TopIndex() const
{
    switch (viewStyle_) {
    case TViewStyle::vsReport: return items_.Count() ? vPos_ : -1;
    case TViewStyle::vsList: return items_.Count() ? hPos_ * RowsPerColumn() : -1;
    default: {
        auto [first, last] = VisibleRange();
        return first <= last ? first : -1;
    }
    }
}

TListItem* TCustomListView::TopItem()
{
    int top = TopIndex();
    return top >= 0 ? items_.Item(top) : nullptr;
}

TListItem* TCustomListView::GetItemAt(int x, int y)
{
    int index = IndexAt({x, y}, false);
    return index >= 0 ? items_.Item(index) : nullptr;
}

void TCustomListView::MakeItemVisible(int index, bool partialOK)
{
    if (index < 0 || index >= items_.Count()) return;
    TRect area = ItemArea();
    TRect r = ItemRect(index, TDisplayCode::drBounds);
    if (partialOK && !IntersectRect(r, area).IsEmpty()) return;
    switch (viewStyle_) {
    case TViewStyle::vsReport: {
        int page = std::max(1, CountPerPage());
        if (index < vPos_) SetScrollPos(true, index);
        else if (index >= vPos_ + page) SetScrollPos(true, index - page + 1);
        break;
    }
    case TViewStyle::vsList: {
        int column = index / RowsPerColumn();
        int shown = std::max(1, area.Width() / Metrics().listColumnWidth);
        if (column < hPos_) SetScrollPos(false, column);
        else if (column >= hPos_ + shown) SetScrollPos(false, column - shown + 1);
        break;
    }
    default:
        if (r.Top < area.Top) SetScrollPos(true, vPos_ - (area.Top - r.Top));
        else if (r.Bottom > area.Bottom) SetScrollPos(true, vPos_ + std::min(r.Bottom - area.Bottom, r.Top - area.Top));
        if (r.Left < area.Left) SetScrollPos(false, hPos_ - (area.Left - r.Left));
        else if (r.Right > area.Right) SetScrollPos(false, hPos_ + std::min(r.Right - area.Right, r.Left - area.Left));
        break;
    }
}

int TCustomListView::HeaderHeight() const { return Metrics().headerHeight; }

void TCustomListView::LayoutHeader()
{
    if (!header_) return;
    bool show = viewStyle_ == TViewStyle::vsReport && showColumnHeaders_;
    if (show) header_->SetBounds(-hPos_, 0, ClientWidth() + hPos_, header_->PreferredHeight());
    header_->SetVisible(show);
}

void TCustomListView::SyncHeader()
{
    if (!header_) return;
    syncingHeader_ = true;
    while (header_->ItemCount() > columns_.Count()) header_->DeleteItem(header_->ItemCount() - 1);
    for (int i = 0; i < columns_.Count(); ++i) {
        TListColumn* c = columns_.Item(i);
        HDITEM item;
        item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
        item.text = c->Caption();
        item.cxy = c->Width();
        item.fmt = c->Alignment() == TAlignment::taRightJustify ? HDF_RIGHT
                   : c->Alignment() == TAlignment::taCenter     ? HDF_CENTER
                                                                : HDF_LEFT;
        item.iImage = c->ImageIndex();
        if (i < header_->ItemCount()) header_->SetItem(i, item, false);
        else header_->InsertItem(i, item);
    }
    syncingHeader_ = false;
}

} // namespace tavrik
