#include "Preview.h"

#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinImageBuilders.h"

namespace tavrik::skingen {

namespace {

// Copies src onto dest at (x, y); with a key colour its pixels of that colour are left out.
void Put(TBitmap& dest, const TBitmap& src, int x, int y, const TColor* key = nullptr)
{
    for (int j = 0; j < src.Height(); ++j)
        for (int i = 0; i < src.Width(); ++i) {
            TColor c = src.GetPixel(i, j);
            if (key == nullptr || c != *key) dest.SetPixel(x + i, y + j, c);
        }
}

TBitmap Crop(const TBitmap& src, const TRect& r)
{
    TBitmap out(r.Width(), r.Height());
    for (int j = 0; j < r.Height(); ++j)
        for (int i = 0; i < r.Width(); ++i) out.SetPixel(i, j, src.GetPixel(r.Left + i, r.Top + j));
    return out;
}

TSkinCut CutOf(const TbsDataSkinCustomControl& c)
{
    return {c.lefttoppoint, c.righttoppoint, c.leftbottompoint, c.rightbottompoint, c.clientrect};
}

class TPreview {
public:
    explicit TPreview(const TSkinArt& art) : art_(art), screen_(460, 330) { screen_.Fill(RGB(74, 96, 120)); }

    void DrawWindow(TRect window);
    void DrawControls(TPoint origin);
    const TBitmap& Screen() const { return screen_; }

private:
    template <class T>
    const T& Control(const std::string& name) const
    {
        return dynamic_cast<const T&>(*art_.controls.at(name));
    }
    const TBitmap& Controls() const { return art_.activepictures[kControlsPicture]; }
    void HImage(const TbsDataSkinCustomControl& c, const TRect& source, int x, int y, int width);
    void NineImage(const TbsDataSkinCustomControl& c, const TRect& source, const TRect& at);
    void CheckRadio(const TbsDataSkinCheckRadioControl& c, const TRect& mark, int x, int y);

    const TSkinArt& art_;
    TBitmap screen_;
};

void TPreview::DrawWindow(TRect w)
{
    const TbsSkinFormInfo& f = art_.form;
    TSize pictureSize{art_.picture.Width(), art_.picture.Height()}, size{w.Width(), w.Height()};
    TSkinCut cut{f.lefttoppoint, f.righttoppoint, f.leftbottompoint, f.rightbottompoint, f.clientrect};
    TSkinCut newCut = ResizeSkinCut(cut, pictureSize, size);
    TFrameParts parts, maskParts;
    TRect whole = Rect(0, 0, pictureSize.cx, pictureSize.cy);
    BuildFrameParts(art_.picture, whole, cut, size, newCut, {}, parts);
    BuildFrameParts(art_.mask, whole, cut, size, newCut, {}, maskParts);
    TBitmap window(size.cx, size.cy);
    window.Fill(art_.picture.GetPixel(f.clientrect.Left, f.clientrect.Top));
    TBitmap shape(size.cx, size.cy);
    auto place = [&](const TFrameParts& p, TBitmap& into) {
        Put(into, p.Top, 0, 0);
        Put(into, p.Left, 0, p.Top.Height());
        Put(into, p.Right, size.cx - p.Right.Width(), p.Top.Height());
        Put(into, p.Bottom, 0, size.cy - p.Bottom.Height());
    };
    place(parts, window);
    place(maskParts, shape);
    // Caption buttons from the right end of the caption row, the system menu at its left.
    int dx = size.cx - pictureSize.cx;
    int x = f.captionrect.Right + dx;
    const TBitmap& active = art_.activepictures[kActivePicture];
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton"}) {
        const auto& b = dynamic_cast<const TbsDataSkinStdButton&>(*art_.objects.at(name));
        TRect face = std::string(name) == "maxbutton" ? b.activeskinrect : b.skinrect;
        Put(window, Crop(active, face), x - face.Width(), f.captionrect.Top);
        x -= face.Width() + f.buttonsoffset;
    }
    const auto& sys = dynamic_cast<const TbsDataSkinStdButton&>(*art_.objects.at("systemmenubutton"));
    Put(window, Crop(active, sys.skinrect), f.captionrect.Left,
        f.captionrect.Top + f.captionrect.Height() / 2 - sys.skinrect.Height() / 2);
    for (int j = 0; j < size.cy; ++j)
        for (int i = 0; i < size.cx; ++i)
            if (shape.GetPixel(i, j) == clBlack) screen_.SetPixel(w.Left + i, w.Top + j, window.GetPixel(i, j));
}

void TPreview::HImage(const TbsDataSkinCustomControl& c, const TRect& source, int x, int y, int width)
{
    TBitmap image;
    BuildHSkinImage(Controls(), source, c.lefttoppoint.x, c.skinrect.Width() - c.righttoppoint.x, width, image);
    Put(screen_, image, x, y);
}

void TPreview::NineImage(const TbsDataSkinCustomControl& c, const TRect& source, const TRect& at)
{
    TBitmap image;
    TSkinCut cut = CutOf(c);
    TSize size{at.Width(), at.Height()};
    BuildSkinImage(Controls(), source, cut, size, ResizeSkinCut(cut, {c.skinrect.Width(), c.skinrect.Height()}, size),
                   TClientFill::Tile, image);
    Put(screen_, image, at.Left, at.Top);
}

void TPreview::CheckRadio(const TbsDataSkinCheckRadioControl& c, const TRect& mark, int x, int y)
{
    HImage(c, c.skinrect, x, y, 90);
    TBitmap m = Crop(Controls(), mark);
    TColor key = m.GetPixel(0, m.Height() - 1);
    Put(screen_, m, x, y, &key);
}

void TPreview::DrawControls(TPoint o)
{
    const auto& panel = Control<TbsDataSkinPanelControl>("groupbox");
    NineImage(panel, panel.skinrect, Bounds(o.x, o.y, 190, 150));
    const auto& button = Control<TbsDataSkinButtonControl>("button");
    int y = o.y + 30;
    for (const TRect& r : {button.skinrect, button.activeskinrect, button.downskinrect, button.disabledskinrect}) {
        HImage(button, r, o.x + 10, y, 75);
        y += 26;
    }
    const auto& check = Control<TbsDataSkinCheckRadioControl>("checkbox");
    const auto& radio = Control<TbsDataSkinCheckRadioControl>("radiobox");
    CheckRadio(check, check.checkimagerect, o.x + 95, o.y + 30);
    CheckRadio(check, check.activeuncheckimagerect, o.x + 95, o.y + 52);
    CheckRadio(radio, radio.checkimagerect, o.x + 95, o.y + 74);
    CheckRadio(radio, radio.uncheckimagerect, o.x + 95, o.y + 96);

    const auto& track = Control<TbsDataSkinTrackBarControl>("htrackbar");
    HImage(track, track.skinrect, o.x + 200, o.y, 140);
    Put(screen_, Crop(Controls(), track.buttonrect), o.x + 200 + 90, o.y);
    const auto& gauge = Control<TbsDataSkinGaugeControl>("gauge");
    HImage(gauge, gauge.skinrect, o.x + 200, o.y + 28, 140);
    TBitmap bar;
    BuildHSkinImage(Controls(), gauge.progressrect, gauge.beginoffset, gauge.endoffset, 80, bar);
    Put(screen_, bar, o.x + 202, o.y + 30);
    const auto& edit = Control<TbsDataSkinEditControl>("buttonedit");
    HImage(edit, edit.skinrect, o.x + 200, o.y + 52, 140);
    const auto& combo = Control<TbsDataSkinComboBox>("combobox");
    HImage(combo, combo.skinrect, o.x + 200, o.y + 78, 140);
    const auto& list = Control<TbsDataSkinListBox>("listbox");
    NineImage(list, list.skinrect, Bounds(o.x + 200, o.y + 102, 120, 70));
    HImage(list, list.itemrect, o.x + 202, o.y + 104, 116);
    TBitmap item;
    BuildHSkinImage(Controls(), list.focusitemrect, list.itemleftoffset, list.itemrightoffset, 116, item);
    Put(screen_, item, o.x + 202, o.y + 122);
    BuildHSkinImage(Controls(), list.activeitemrect, list.itemleftoffset, list.itemrightoffset, 116, item);
    Put(screen_, item, o.x + 202, o.y + 140);
    const auto& scroll = Control<TbsDataSkinScrollBarControl>("vscrollbar");
    TBitmap v;
    BuildVSkinImage(Controls(), scroll.skinrect, scroll.lefttoppoint.y, scroll.skinrect.Height() - scroll.leftbottompoint.y,
                    70, v);
    Put(screen_, v, o.x + 322, o.y + 102);
    Put(screen_, Crop(Controls(), scroll.thumbrect), o.x + 322, o.y + 120);
}

} // namespace

TBitmap DrawPreview(const TSkinArt& art)
{
    TPreview preview(art);
    preview.DrawWindow(Rect(10, 10, 450, 320));
    preview.DrawControls({24, 60});
    return preview.Screen();
}

} // namespace tavrik::skingen
