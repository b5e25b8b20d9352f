#include "gfx/Canvas.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinData.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/SkinListView.h"
#include "ui/HeaderControl.h"
#include "ui/ImageList.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kTextMargin = 5;   // between a section's edges and its text
constexpr int kImageGap = 10;    // between a section's image and its text
constexpr int kAlignedGap = 10;  // kept free at the right of right-aligned or centred text

TSkinCut CutOf(const TbsSkinControlGeometry& g)
{
    return {g.lefttoppoint, g.righttoppoint, g.leftbottompoint, g.rightbottompoint, g.clientrect};
}

TSize SizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

} // namespace

bool TbsSkinCustomListView::ReadHeaderSkin()
{
    TbsSkinData* data = SkinData();
    const int index = data && !data->NoSkinLoaded() ? data->IndexOfSkinControl(headerSkinDataName_) : -1;
    auto* skin = index < 0 ? nullptr : dynamic_cast<const TbsDataSkinButtonControl*>(data->SkinControls[size_t(index)].get());
    if (!skin) {
        header_.DropPictures();
        return false;
    }
    header_.CopyFrom(*skin, *data);
    const TRect active = skin->activeskinrect.IsEmpty() ? skin->skinrect : skin->activeskinrect;
    headerDownRect_ = skin->downskinrect.IsEmpty() ? active : skin->downskinrect;
    headerFontColor_ = skin->fontcolor;
    headerDownFontColor_ = skin->downfontcolor;
    return header_.SkinPicture != nullptr && !header_.skinrect.IsEmpty();
}

// The section at display position `position`: with FullDrag the header's order maps it to a
// column, otherwise the position is the column.
TRect TbsSkinCustomListView::SectionRect(int position, int& column) const
{
    THeaderControl* header = Header();
    column = FullDrag() ? header->OrderToIndex(position) : position;
    return header->ItemRect(column);
}

void TbsSkinCustomListView::PaintHeader(TCanvas& canvas)
{
    THeaderControl* header = Header();
    if (!header) return;
    int right = 0;
    TRect last;
    for (int i = 0; i < header->ItemCount(); ++i) {
        int column = 0;
        const TRect r = SectionRect(i, column);
        PaintHeaderSection(canvas, column, r, i == pressedSection_ && headerPressed_);
        right = std::max(right, r.Right);
        last = r;
    }
    const int height = header->ItemCount() > 0 ? last.Height() : header->ClientHeight();
    const TRect rest(right, 0, header->Width() + 1, height);
    if (rest.Left < rest.Right && rest.Height() > 0) PaintHeaderRest(canvas, rest, ReadHeaderSkin());
}

void TbsSkinCustomListView::PaintHeaderRest(TCanvas& canvas, const TRect& r, bool bound)
{
    TBitmap image(r.Width(), r.Height());
    if (!bound) {
        TCanvas c(image);
        TRect inside = Rect(0, 0, r.Width(), r.Height());
        DrawDefaultElement(c, inside, TbsElementState::Normal);
    } else if (header_.leftbottompoint != TPoint{0, 0}) {
        const TSkinCut cut = CutOf(header_);
        BuildLeftSkinImage(*header_.SkinPicture, header_.skinrect, cut, SizeOf(r),
                           ResizeSkinCut(cut, SizeOf(header_.skinrect), SizeOf(r)), TClientFill::Tile, image);
    } else {
        TBitmap strip;
        BuildHSkinImageOpenRight(*header_.SkinPicture, header_.skinrect, header_.lefttoppoint.x,
                                 header_.skinrect.Width() - header_.righttoppoint.x, r.Width(), strip);
        TCanvas(image).StretchDraw(Rect(0, 0, r.Width(), r.Height()), strip);
    }
    canvas.Draw(r.Left, r.Top, image);
}

void TbsSkinCustomListView::PaintHeaderSection(TCanvas& canvas, int column, const TRect& r, bool pressed)
{
    if (r.Width() <= 0 || r.Height() <= 0 || column < 0 || column >= Columns().Count()) return;
    const bool bound = ReadHeaderSkin();
    TBitmap image(r.Width(), r.Height());
    DrawSectionBackground(image, bound, pressed);
    TCanvas c(image);
    c.SetFont(Font().Request());
    c.Font().Color = !bound ? clBtnText : pressed ? headerDownFontColor_ : headerFontColor_;
    const TRect b(0, 0, r.Width(), r.Height());
    TListColumn* col = Columns().Item(column);
    if (OnDrawHeaderSection) OnDrawHeaderSection(c, col, pressed, b);
    else DrawSectionText(c, col, b);
    canvas.Draw(r.Left, r.Top, image);
}

void TbsSkinCustomListView::DrawSectionBackground(TBitmap& image, bool bound, bool pressed)
{
    const TSize size{image.Width(), image.Height()};
    if (!bound) {
        TCanvas c(image);
        TRect inside = Rect(0, 0, size.cx, size.cy);
        DrawDefaultElement(c, inside, pressed ? TbsElementState::Pressed : TbsElementState::Normal);
        return;
    }
    const TRect source = pressed ? headerDownRect_ : header_.skinrect;
    if (header_.leftbottompoint != TPoint{0, 0}) {
        const TSkinCut cut = CutOf(header_);
        BuildSkinImage(*header_.SkinPicture, source, cut, size, ResizeSkinCut(cut, SizeOf(header_.skinrect), size),
                       TClientFill::Tile, image);
        return;
    }
    TBitmap strip;
    BuildHSkinImage(*header_.SkinPicture, source, header_.lefttoppoint.x, source.Width() - header_.righttoppoint.x,
                    size.cx, strip);
    TCanvas(image).StretchDraw(Rect(0, 0, size.cx, size.cy), strip);
}

void TbsSkinCustomListView::DrawSectionText(TCanvas& canvas, TListColumn* column, const TRect& b)
{
    canvas.Brush().Style = TBrushStyle::bsClear;
    const TRect t(kTextMargin, b.Top, b.Width() - kTextMargin, b.Bottom);
    const std::string& caption = column->Caption();
    TImageList* images = SmallImages();
    const bool withImage = images && column->ImageIndex() >= 0 && column->ImageIndex() < images->Count();
    const int iw = withImage ? images->Width() : 0;
    std::string text = EllipsizeText(canvas, caption, withImage ? t.Width() - kImageGap - iw : t.Width());
    const int tw = canvas.TextWidth(text);
    int x = t.Left;
    if (withImage) {
        if (text == caption) {
            if (column->Alignment() == TAlignment::taRightJustify) x = t.Right - tw - iw - kImageGap;
            else if (column->Alignment() == TAlignment::taCenter) x = t.Width() / 2 + t.Left - (tw + iw + kImageGap) / 2;
        }
        images->Draw(canvas, x, t.Height() / 2 + t.Top - images->Height() / 2, column->ImageIndex(), true);
        x += iw + kImageGap;
    } else if (column->Alignment() == TAlignment::taRightJustify) {
        x = t.Right - tw - kAlignedGap;
    } else if (column->Alignment() == TAlignment::taCenter) {
        x = t.Width() / 2 - tw / 2;
    }
    const int y = t.Height() / 2 + t.Top - canvas.TextHeight(text) / 2;
    canvas.TextRect(t, x, y, text);
}

} // namespace tavrik
