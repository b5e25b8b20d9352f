#include "skincontrols/SkinListBox.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinListControls.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/NonClientFrame.h"
#include "skincontrols/SkinScrollBar.h"
#include "ui/Frame3D.h"
#include "ui/ImageList.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kPlainBar = 19;

} // namespace

TbsListBox::TbsListBox(TComponent* owner, TbsSkinListBox& box) : TCustomListBox(owner), box_(box)
{
    SetStyle(TListBoxStyle::lbOwnerDrawFixed);
}

void TbsListBox::DrawItem(int index, const TRect& rect, TOwnerDrawState state)
{
    if (index < 0 || index >= Count()) return;
    box_.DrawItem(*Canvas(), index, rect, state);
}

void TbsListBox::WndProc(TMessage& m)
{
    if (MessageFilter && MessageFilter(m)) return;
    switch (m.Msg) {
    case WM_NCCALCSIZE:
        // No frame and no bar of its own: the box draws them.
        CalcClientArea(m, {});
        return;
    case WM_NCPAINT: return;
    default: break;
    }
    TCustomListBox::WndProc(m);
    // Whatever was painted may be a new count or a new scroll position.
    if (m.Msg == WM_PAINT) box_.UpdateScrollBars();
}

TbsSkinListBox::TbsSkinListBox(TComponent* owner) : TbsSkinCustomControl(owner)
{
    SetSkinDataName("listbox");
    SetControlStyle(ControlStyle() & ~unsigned(csAcceptsControls));
    list_ = new TbsListBox(this, *this);
    list_->SetParent(this);
    list_->SetItemHeight(defaultItemHeight_);
    list_->OnClick = [this](TComponent*) {
        if (OnListBoxClick) OnListBoxClick(this);
    };
    list_->OnDblClick = [this](TComponent*) {
        if (OnListBoxDblClick) OnListBoxDblClick(this);
    };
    Font().SetName("Arial");
    Font().SetHeight(14);
    Font().SetColor(clWindowText);
    SetBounds(0, 0, 120, 120);
}

void TbsSkinListBox::SetSorted(bool on)
{
    FreeBar(vbar_);
    list_->SetSorted(on);
    Layout();
}

void TbsSkinListBox::SetRowCount(int rows)
{
    rowCount_ = std::max(rows, 0);
    if (rowCount_ == 0) return;
    int height;
    if (SkinIndex() == -1 || !listSkin_) height = rowCount_ * ItemHeightNow() + 4;
    else height = skinrect.Height() - clientrect.Height() + rowCount_ * ItemHeightNow();
    if (hbar_) height += hbar_->Height();
    SetHeight(height);
}

void TbsSkinListBox::SetHorizontalExtent(bool on)
{
    horizontalExtent_ = on;
    UpdateScrollBars();
}

void TbsSkinListBox::SetImages(TImageList* images)
{
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images) images->FreeNotification(this);
    list_->Invalidate();
}

void TbsSkinListBox::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove) {
        if (component == images_) images_ = nullptr;
        if (component == vbar_) vbar_ = nullptr;
        if (component == hbar_) hbar_ = nullptr;
    }
    TbsSkinCustomControl::Notification(component, operation);
}

void TbsSkinListBox::ReadSkinObject()
{
    TbsSkinCustomControl::ReadSkinObject();
    auto* skin = dynamic_cast<const TbsDataSkinListBox*>(SkinControl());
    listSkin_ = skin != nullptr;
    if (!skin) return;
    itemrect_ = skin->itemrect;
    activeitemrect_ = skin->activeitemrect.IsEmpty() ? skin->itemrect : skin->activeitemrect;
    focusitemrect_ = skin->focusitemrect.IsEmpty() ? skin->itemrect : skin->focusitemrect;
    itemleftoffset_ = skin->itemleftoffset;
    itemrightoffset_ = skin->itemrightoffset;
    itemtextrect_ = skin->itemtextrect;
    fontname_ = skin->fontname;
    fontheight_ = skin->fontheight;
    fontstyle_ = skin->fontstyle;
    fontcolor_ = skin->fontcolor;
    activefontcolor_ = skin->activefontcolor;
    focusfontcolor_ = skin->focusfontcolor;
    vscrollbarname_ = skin->vscrollbarname;
    hscrollbarname_ = skin->hscrollbarname;
    bothhscrollbarname_ = skin->bothhscrollbarname;
}

int TbsSkinListBox::ItemHeightNow() const
{
    if (SkinIndex() != -1 && listSkin_ && useSkinItemHeight_ && !itemrect_.IsEmpty()) return itemrect_.Height();
    return std::max(defaultItemHeight_, 1);
}

TFont TbsSkinListBox::ItemFont()
{
    if (SkinIndex() == -1 || !listSkin_) return Font();
    TFont font = DefaultFont();
    if (!UseSkinFont()) return font;
    font.SetName(fontname_);
    font.SetHeight(fontheight_);
    font.SetStyle(fontstyle_);
    return font;
}

void TbsSkinListBox::ApplySkin()
{
    TbsSkinCustomControl::ApplySkin();
    list_->SetItemHeight(ItemHeightNow());
    if (SkinIndex() == -1) Font().Assign(DefaultFont());
    SkinBars();
    if (rowCount_ != 0) SetRowCount(rowCount_);
    Layout();
    UpdateScrollBars();
    list_->Invalidate();
}

void TbsSkinListBox::SkinBars()
{
    const bool bound = SkinIndex() != -1 && listSkin_;
    if (vbar_) {
        vbar_->SetSkinData(SkinData());
        vbar_->SetSkinDataName(bound ? vscrollbarname_ : "");
        vbar_->ApplySkin();
    }
    if (hbar_) {
        hbar_->SetSkinData(SkinData());
        if (bound) {
            hbar_->SetBothSkinDataName(bothhscrollbarname_);
            hbar_->SetBoth(false);
            hbar_->SetSkinDataName(hscrollbarname_);
        } else {
            hbar_->SetSkinDataName("");
            hbar_->SetBothMarkerWidth(kPlainBar);
        }
        hbar_->SetBoth(vbar_ != nullptr);
        hbar_->ApplySkin();
    }
}

void TbsSkinListBox::Resize()
{
    TbsSkinCustomControl::Resize();
    Layout();
    UpdateScrollBars();
}

void TbsSkinListBox::Layout()
{
    const int w = Width(), h = Height();
    const int hbarHeight = hbar_ ? hbar_->Height() : 0;
    TRect list;
    if (SkinIndex() == -1 || !listSkin_) {
        const int c = 1;
        if (hbar_) hbar_->SetBounds(1, h - 20, w - 2, kPlainBar);
        if (vbar_) {
            vbar_->SetBounds(w - 20, c, kPlainBar, h - c - hbarHeight - 1);
            list = {2, c + 1, w - 20, h - hbarHeight - 2};
        } else {
            list = {2, c + 1, w - 2, h - 2 - std::max(hbarHeight - 1, 0)};
        }
    } else {
        TRect content = clientrect;
        content.Right += w - skinrect.Width();
        content.Bottom += h - skinrect.Height();
        if (hbar_) hbar_->SetBounds(content.Left, content.Bottom - hbarHeight, content.Width(), hbarHeight);
        const int vbarWidth = vbar_ ? vbar_->Width() : 0;
        if (vbar_) vbar_->SetBounds(content.Right - vbarWidth, content.Top, vbarWidth, content.Height() - hbarHeight);
        list = {content.Left, content.Top, content.Right - vbarWidth, content.Bottom - hbarHeight};
    }
    list.Right = std::max(list.Right, list.Left);
    list.Bottom = std::max(list.Bottom, list.Top);
    list_->SetBoundsRect(list);
}

TbsSkinScrollBar* TbsSkinListBox::MakeBar(bool vertical)
{
    auto* bar = new TbsSkinScrollBar(this);
    bar->FreeNotification(this);
    if (vertical) {
        bar->SetKind(TbsScrollBarKind::sbVertical);
        bar->SetBounds(0, 0, kPlainBar, 100);
        bar->OnChange = [this](TComponent*) {
            // Not through a scroll message: its thumb position has only 16 bits.
            if (vbar_) list_->SetTopIndex(vbar_->Position());
        };
    } else {
        bar->SetBounds(0, 0, 100, kPlainBar);
        bar->OnChange = [this](TComponent*) {
            if (!hbar_) return;
            horizontalOffset_ = hbar_->Position();
            list_->Invalidate();
        };
    }
    bar->SetRange(0, 0, 0, 0);
    bar->SetParent(this);
    return bar;
}

void TbsSkinListBox::FreeBar(TbsSkinScrollBar*& bar)
{
    if (!bar) return;
    if (bar == hbar_) horizontalOffset_ = 0;
    delete bar;
    bar = nullptr;
}

int TbsSkinListBox::MeasureWidestItem()
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(ItemFont().Request());
    int widest = 0;
    for (int i = 0; i < list_->Count(); ++i) widest = std::max(widest, canvas.TextWidth(list_->Items()[i]));
    return widest;
}

void TbsSkinListBox::UpdateScrollBars()
{
    if (updatingBars_ || !HandleAllocated()) return;
    updatingBars_ = true;
    const bool hadV = vbar_ != nullptr, hadH = hbar_ != nullptr;
    // Horizontal: the widest item against the room for text.
    if (horizontalExtent_) {
        const int widest = MeasureWidestItem();
        int room = SkinIndex() != -1 && listSkin_ ? list_->Width() + itemtextrect_.Width() - itemrect_.Width() : list_->Width() - 4;
        if (images_) room -= images_->Width() + 4;
        if (room < widest) {
            if (!hbar_) hbar_ = MakeBar(false);
            hbar_->SetRange(0, widest, std::max(room, 0), hbar_->Position());
            TBitmap scratch(1, 1);
            TCanvas canvas(scratch);
            canvas.SetFont(ItemFont().Request());
            hbar_->SetSmallChange(std::max(canvas.TextWidth("0"), 1));
            hbar_->SetLargeChange(hbar_->SmallChange());
        } else {
            FreeBar(hbar_);
        }
    } else {
        FreeBar(hbar_);
    }
    // Vertical: the rows against the items, unless RowCount shows them all.
    int min, max, page, position;
    list_->GetScrollRange(min, max, page, position);
    const int rows = list_->Height() / std::max(list_->ItemHeight(), 1);
    const bool fitsRowCount = rowCount_ > 0 && rowCount_ == list_->Count();
    if (!fitsRowCount && min < max && max >= position && rows < list_->Count()) {
        if (!vbar_) vbar_ = MakeBar(true);
        vbar_->SetRange(min, max, rows, position);
        vbar_->SetLargeChange(std::max(rows, 1));
    } else {
        FreeBar(vbar_);
    }
    if ((vbar_ != nullptr) != hadV || (hbar_ != nullptr) != hadH) {
        SkinBars();
        Layout();
        for (TbsSkinScrollBar* bar : {vbar_, hbar_})
            if (bar) bar->Show();
    }
    updatingBars_ = false;
}

void TbsSkinListBox::DrawDefaultImage(TBitmap& bitmap)
{
    TbsSkinCustomControl::DrawDefaultImage(bitmap);
    TCanvas canvas(bitmap);
    TRect frame{0, 0, bitmap.Width(), bitmap.Height()};
    Frame3D(canvas, frame, clBtnShadow, clBtnShadow, 1);
}

void TbsSkinListBox::DrawItem(TCanvas& target, int index, const TRect& rect, TOwnerDrawState state)
{
    const int w = rect.Width(), h = rect.Height();
    if (w <= 0 || h <= 0) return;
    const bool selected = state & odSelected, focused = state & odFocused;
    TBitmap image(w, h);
    TCanvas canvas(image);
    TRect text{2, 0, w - 2, h};
    TFont font = ItemFont();
    const bool bound = SkinIndex() != -1 && listSkin_ && SkinPicture && !itemrect_.IsEmpty();
    if (!bound) {
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.Brush().Color = selected ? clHighlight : clWindow;
        canvas.FillRect({0, 0, w, h});
        font.SetColor(selected ? clHighlightText : Font().Color());
    } else {
        const TRect& source = focused && selected ? focusitemrect_ : selected ? activeitemrect_ : itemrect_;
        TBitmap face;
        BuildHSkinImage(*SkinPicture, source, itemleftoffset_, itemrightoffset_, w, face);
        if (face.Height() == h) canvas.Draw(0, 0, face);
        else canvas.StretchDraw({0, 0, w, h}, face);
        text = itemtextrect_;
        text.Right += w - itemrect_.Width();
        if (!useSkinItemHeight_) text.Bottom += h - itemrect_.Height();
        font.SetColor(!selected ? fontcolor_ : focused ? focusfontcolor_ : activefontcolor_);
    }
    canvas.SetFont(font.Request());
    canvas.Brush().Style = TBrushStyle::bsClear;
    if (OnDrawItem) {
        OnDrawItem(this, canvas, index, w, h, text, state);
    } else {
        int indent = -horizontalOffset_;
        if (images_) {
            const int picture = imageIndex_ >= 0 ? imageIndex_ : index;
            if (picture < images_->Count())
                images_->Draw(canvas, text.Left - horizontalOffset_, text.Top + text.Height() / 2 - images_->Height() / 2, picture);
            indent += images_->Width() + 2;
        }
        DrawTextInRect(canvas, list_->Items()[index], text, indent);
    }
    if (focused && (!bound || !selected)) canvas.DrawFocusRect({0, 0, w, h});
    target.Draw(rect.Left, rect.Top, image);
}

} // namespace tavrik
