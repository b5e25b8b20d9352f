#pragma once

#include "skincontrols/SkinCustomControl.h"
#include "ui/ListBox.h"

#include <functional>

namespace tavrik {

class TImageList;
class TbsSkinListBox;
class TbsSkinScrollBar;

// Draws one item of a skinned list box in place of its image and text: Cnvs is the item's
// off-screen image of ItemWidth x ItemHeight, TxtRect where the text goes.
using TbsDrawSkinItemEvent = std::function<void(TComponent* Sender, TCanvas& Cnvs, int Index, int ItemWidth,
                                                int ItemHeight, TRect TxtRect, TOwnerDrawState State)>;

// The list inside a skinned list box: the native list with selection, keys and prefix search,
// without a frame or bars of its own; the box draws its items.
class TbsListBox : public TCustomListBox {
public:
    TbsListBox(TComponent* owner, TbsSkinListBox& box);
    const char* ClassName() const override { return "TbsListBox"; }

    // Sees every message first; answers true for those it consumed (a drop-down list's owner
    // takes the mouse this way).
    std::function<bool(TMessage&)> MessageFilter;

    void WndProc(TMessage& message) override;

protected:
    void DrawItem(int index, const TRect& rect, TOwnerDrawState state) override;

private:
    TbsSkinListBox& box_;
};

// A skinned list box ("listbox"): a skinned frame around a native list whose items it draws
// from the skin's item images (itemrect, activeitemrect for the selection, focusitemrect for
// the focused selection), with images from Images, and skinned scroll bars that it creates
// while the items do not fit and frees when they do. One column; the caption bar is not shown.
class TbsSkinListBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinListBox(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinListBox"; }

    TbsListBox& ListBox() { return *list_; }
    TStringItems& Items() { return list_->Items(); }
    int ItemIndex() const { return list_->ItemIndex(); }
    void SetItemIndex(int index) { list_->SetItemIndex(index); }
    bool MultiSelect() const { return list_->MultiSelect(); }
    void SetMultiSelect(bool on) { list_->SetMultiSelect(on); }
    bool ExtandedSelect() const { return list_->ExtendedSelect(); }
    void SetExtandedSelect(bool on) { list_->SetExtendedSelect(on); }
    bool Sorted() const { return list_->Sorted(); }
    void SetSorted(bool on);
    // n > 0 sizes the box to n rows.
    int RowCount() const { return rowCount_; }
    void SetRowCount(int rows);
    bool UseSkinItemHeight() const { return useSkinItemHeight_; }
    void SetUseSkinItemHeight(bool on) { useSkinItemHeight_ = on; }
    int DefaultItemHeight() const { return defaultItemHeight_; }
    void SetDefaultItemHeight(int height) { defaultItemHeight_ = height; }
    // A horizontal bar while the widest item does not fit.
    bool HorizontalExtent() const { return horizontalExtent_; }
    void SetHorizontalExtent(bool on);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // The image of every item; -1: the image of the item's index.
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index) { imageIndex_ = index; }
    int ItemHeight() const { return list_->ItemHeight(); }
    // How far the items are shifted left by the horizontal bar.
    int HorizontalOffset() const { return horizontalOffset_; }

    TbsSkinScrollBar* VScrollBar() const { return vbar_; }
    TbsSkinScrollBar* HScrollBar() const { return hbar_; }
    // Creates or frees the bars for the items there are and sets their ranges.
    void UpdateScrollBars();

    TbsDrawSkinItemEvent OnDrawItem;
    TNotifyEvent OnListBoxClick;
    TNotifyEvent OnListBoxDblClick;

    void ApplySkin() override;
    void Notification(TComponent* component, TOperation operation) override;

protected:
    friend class TbsListBox;
    void ReadSkinObject() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void Resize() override;
    void DrawItem(TCanvas& canvas, int index, const TRect& rect, TOwnerDrawState state);

private:
    TbsSkinScrollBar* MakeBar(bool vertical);
    void FreeBar(TbsSkinScrollBar*& bar);
    void SkinBars();
    void Layout();
    int MeasureWidestItem();
    int ItemHeightNow() const;
    TFont ItemFont();

    TbsListBox* list_ = nullptr;
    TbsSkinScrollBar* vbar_ = nullptr;
    TbsSkinScrollBar* hbar_ = nullptr;
    TImageList* images_ = nullptr;
    int imageIndex_ = -1;
    int rowCount_ = 0;
    bool useSkinItemHeight_ = true;
    int defaultItemHeight_ = 20;
    bool horizontalExtent_ = false;
    int horizontalOffset_ = 0;
    bool updatingBars_ = false;

    // From the list box's control skin.
    bool listSkin_ = false;
    TRect itemrect_, activeitemrect_, focusitemrect_, itemtextrect_;
    int itemleftoffset_ = 0, itemrightoffset_ = 0;
    std::string fontname_;
    int fontheight_ = 14;
    unsigned fontstyle_ = 0;
    TColor fontcolor_ = 0, activefontcolor_ = 0, focusfontcolor_ = 0;
    std::string vscrollbarname_ = "vscrollbar", hscrollbarname_ = "hscrollbar", bothhscrollbarname_ = "bothhscrollbar";
};

} // namespace tavrik
