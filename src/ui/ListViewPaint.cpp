#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/ImageList.h"
#include "ui/ListView.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kTextInset = 3;
// Virtual items kept beyond those on screen, so that a handler reading a few neighbours
// does not make them again.
constexpr size_t kVirtualCacheSlack = 64;

unsigned AlignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taRightJustify: return DT_RIGHT;
    case TAlignment::taCenter: return DT_CENTER;
    default: return DT_LEFT;
    }
}

void DrawLine(TCanvas& canvas, const std::string& text, TRect r, unsigned align)
{
    r.Left += kTextInset;
    r.Right -= kTextInset;
    if (r.IsEmpty()) return;
    canvas.DrawText(text, r, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

} // namespace

bool TCustomListView::SelectionShown() const { return Focused() || !hideSelection_; }

TRect TCustomListView::SelectionFillRect(int index) const
{
    if (viewStyle_ == TViewStyle::vsReport && rowSelect_) return ItemRect(index, TDisplayCode::drBounds);
    TRect r = ItemRect(index, TDisplayCode::drSelectBounds);
    if (viewStyle_ == TViewStyle::vsIcon) r.Top = ItemRect(index, TDisplayCode::drLabel).Top;
    else if (smallImages_) r.Left = std::min(r.Right, ItemRect(index, TDisplayCode::drIcon).Right + 2);
    return r;
}

TColor TCustomListView::TextColor(bool selected) const
{
    if (selected && Focused()) return clHighlightText;
    return Enabled() ? Font().Color() : clGrayText;
}

void TCustomListView::Paint()
{
    TCanvas& canvas = *Canvas();
    canvas.Brush().Color = Color();
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.FillRect(ClientRect());
    auto [first, last] = VisibleRange();
    items_.TrimVirtualCache(size_t(std::max(0, last - first + 1)) + kVirtualCacheSlack);
    canvas.IntersectClipRect(ItemArea());
    auto alive = Guard();
    for (int i = first; i <= last && alive; ++i) {
        if (!canvas.RectVisible(ItemRect(i, TDisplayCode::drBounds))) continue;
        TCanvasStateSaver saver(canvas);
        PaintItem(canvas, i);
    }
}

void TCustomListView::PaintItem(TCanvas& canvas, int index)
{
    TListItem* item = items_.Item(index);
    if (!item) return;
    bool selected = items_.IsSelected(index) && SelectionShown();
    canvas.SetFont(Font().Request());
    if (viewStyle_ == TViewStyle::vsReport && ownerDraw_ && OnDrawItem) {
        TOwnerDrawState state = 0;
        if (items_.IsSelected(index)) state |= odSelected;
        if (index == focused_ && Focused()) state |= odFocused;
        if (!Enabled()) state |= odDisabled;
        canvas.Brush().Color = Color();
        OnDrawItem(this, item, ItemRect(index, TDisplayCode::drBounds), state);
        return;
    }
    TRect fill = SelectionFillRect(index);
    if (selected) {
        canvas.Brush().Color = Focused() ? clHighlight : clBtnFace;
        canvas.FillRect(fill);
    }
    canvas.Brush().Style = TBrushStyle::bsClear;
    if (viewStyle_ == TViewStyle::vsReport) PaintReportRow(canvas, item, selected);
    else PaintIconItem(canvas, item, selected);
    if (index == focused_ && Focused()) {
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.DrawFocusRect(fill);
    }
}

void TCustomListView::DrawItemImage(TCanvas& canvas, TListItem* item, TImageList* images) const
{
    if (!images || item->ImageIndex() < 0) return;
    TRect icon = ItemRect(item->Index(), TDisplayCode::drIcon);
    images->Draw(canvas, icon.Left + (icon.Width() - images->Width()) / 2,
                 icon.Top + (icon.Height() - images->Height()) / 2, item->ImageIndex(), Enabled());
}

void TCustomListView::DrawStateImage(TCanvas& canvas, TListItem* item) const
{
    if (StateImageWidth() == 0 || item->StateIndex() < 0) return;
    TRect icon = ItemRect(item->Index(), TDisplayCode::drIcon);
    stateImages_->Draw(canvas, icon.Left - StateImageWidth(), icon.Top + (icon.Height() - stateImages_->Height()) / 2,
                       item->StateIndex(), Enabled());
}

void TCustomListView::PaintIconItem(TCanvas& canvas, TListItem* item, bool selected)
{
    bool large = viewStyle_ == TViewStyle::vsIcon;
    DrawStateImage(canvas, item);
    DrawItemImage(canvas, item, large ? largeImages_ : smallImages_);
    canvas.Font().Color = TextColor(selected);
    DrawLine(canvas, item->Caption(), SelectionFillRect(item->Index()), large ? DT_CENTER : DT_LEFT);
}

void TCustomListView::PaintReportRow(TCanvas& canvas, TListItem* item, bool selected)
{
    if (columns_.Count() == 0) return;
    int index = item->Index();
    std::vector<int> lefts = ColumnLefts();
    TRect row = ItemRect(index, TDisplayCode::drBounds);
    for (int c = 0; c < columns_.Count(); ++c) {
        TListColumn* column = columns_.Item(c);
        TRect cell{lefts[size_t(c)], row.Top, lefts[size_t(c)] + column->Width(), row.Bottom};
        if (!canvas.RectVisible(cell)) continue;
        TCanvasStateSaver saver(canvas);
        canvas.IntersectClipRect(cell);
        canvas.Font().Color = TextColor(selected && (c == 0 || rowSelect_));
        if (c == 0) {
            DrawStateImage(canvas, item);
            DrawItemImage(canvas, item, smallImages_);
            DrawLine(canvas, item->Caption(), ItemRect(index, TDisplayCode::drLabel), AlignmentFlags(column->Alignment()));
        } else if (size_t(c - 1) < item->SubItems().size()) {
            DrawLine(canvas, item->SubItems()[size_t(c - 1)], cell, AlignmentFlags(column->Alignment()));
        }
    }
}

} // namespace tavrik
