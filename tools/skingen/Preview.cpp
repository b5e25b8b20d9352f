#include "Preview.h"

#include "Theme.h"
#include "gfx/Canvas.h"
#include "gfx/TextLayout.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinImageBuilders.h"

#include <array>
#include <functional>

namespace tavrik::skingen {

namespace {

// The state columns of the sheet. A skin that has no image for a state leaves its cell with a
// dash, so that what is missing shows as missing.
enum TColumn { kNormal, kHot, kPressed, kDisabled, kFocused, kColumnCount };
constexpr std::array<const char*, kColumnCount> kColumnNames = {"normal", "hot", "pressed / selected", "disabled",
                                                                "focused"};

constexpr int kScreenWidth = 740;
constexpr int kScreenHeight = 760;
constexpr int kLabelWidth = 112;
constexpr int kColumnWidth = 116;
constexpr int kRowHeight = 30;

TBitmap Cut(const TBitmap& src, const TRect& r)
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

template <class T>
TFontRequest FontOf(const T& c, TColor colour)
{
    return {c.fontname, c.fontheight, c.fontstyle, colour, 0};
}

// A window and the skin's controls in every state they have, put together from the skin's
// pieces the way the program's builders put them together, with text in the skin's fonts.
class TPreview {
public:
    explicit TPreview(const TSkinArt& art) : art_(art), screen_(kScreenWidth, kScreenHeight), canvas_(screen_)
    {
        screen_.Fill(RGB(74, 96, 120));
        canvas_.Brush().Style = TBrushStyle::bsClear;
    }

    void DrawWindow(const TRect& window, const std::string& title);
    void DrawStateSheet(TPoint origin);
    void DrawShowcase(TPoint origin);
    void DrawStatusBar(const TRect& at);
    const TBitmap& Screen() const { return screen_; }

private:
    using TCell = std::function<bool(TColumn, const TRect&)>;

    template <class T>
    const T& Control(const std::string& name) const
    {
        return dynamic_cast<const T&>(*art_.controls.at(name));
    }
    template <class T>
    const T& Object(const std::string& name) const
    {
        return dynamic_cast<const T&>(*art_.objects.at(name));
    }
    const TBitmap& Controls() const { return art_.activepictures[kControlsPicture]; }

    void Put(const TBitmap& image, int x, int y, const TColor* key = nullptr);
    // Puts the image centred vertically in the cell, at its left.
    void PutInCell(const TBitmap& image, const TRect& cell) { Put(image, cell.Left, cell.Top + (cell.Height() - image.Height()) / 2); }
    void Text(const std::string& text, TRect r, const TFontRequest& font, unsigned flags = DT_LEFT);
    void Fill(const TRect& r, TColor c)
    {
        canvas_.Brush() = {c, TBrushStyle::bsSolid};
        canvas_.FillRect(r);
        canvas_.Brush().Style = TBrushStyle::bsClear;
    }
    TBitmap HImage(const TBitmap& picture, const TRect& source, int leftCap, int rightCap, int width) const;
    TBitmap HImage(const TbsDataSkinCustomControl& c, const TRect& source, int width) const
    {
        return HImage(Controls(), source, c.lefttoppoint.x, c.skinrect.Width() - c.righttoppoint.x, width);
    }
    TBitmap NineImage(const TBitmap& picture, const TRect& source, const TSkinCut& cut, TSize size) const;

    void Row(const std::string& label, const TCell& cell);
    bool ButtonCell(TColumn column, const TRect& cell);
    bool CheckCell(const std::string& name, bool checked, TColumn column, const TRect& cell);
    bool EditCell(TColumn column, const TRect& cell);
    bool ComboCell(TColumn column, const TRect& cell);
    bool SpinCell(TColumn column, const TRect& cell);
    bool ScrollCell(TColumn column, const TRect& cell);
    bool TrackCell(TColumn column, const TRect& cell);
    bool TabCell(TColumn column, const TRect& cell);
    bool HeaderCell(TColumn column, const TRect& cell);
    bool ItemCell(TColumn column, const TRect& cell);
    bool MenuItemCell(TColumn column, const TRect& cell);
    bool CaptionButtonsCell(TColumn column, const TRect& cell);

    void DrawGroupWithList(const TRect& at);
    void DrawPopupMenu(TPoint at);
    void DrawHint(TPoint at, const std::string& text);
    void DrawGauge(const std::string& name, const TRect& at, int percent);

    const TSkinArt& art_;
    TBitmap screen_;
    TCanvas canvas_;
    TPoint cursor_;
};

void TPreview::Put(const TBitmap& image, int x, int y, const TColor* key)
{
    for (int j = 0; j < image.Height(); ++j)
        for (int i = 0; i < image.Width(); ++i) {
            TColor c = image.GetPixel(i, j);
            if (key == nullptr || c != *key) screen_.SetPixel(x + i, y + j, c);
        }
}

void TPreview::Text(const std::string& text, TRect r, const TFontRequest& font, unsigned flags)
{
    canvas_.SetFont(font);
    canvas_.DrawText(text, r, flags | DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
}

TBitmap TPreview::HImage(const TBitmap& picture, const TRect& source, int leftCap, int rightCap, int width) const
{
    TBitmap image;
    BuildHSkinImage(picture, source, leftCap, rightCap, width, image);
    return image;
}

TBitmap TPreview::NineImage(const TBitmap& picture, const TRect& source, const TSkinCut& cut, TSize size) const
{
    TBitmap image;
    BuildSkinImage(picture, source, cut, size, ResizeSkinCut(cut, {source.Width(), source.Height()}, size),
                   TClientFill::Tile, image);
    return image;
}

void TPreview::DrawWindow(const TRect& w, const std::string& title)
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
        TCanvas c(into);
        c.Draw(0, 0, p.Top);
        c.Draw(0, p.Top.Height(), p.Left);
        c.Draw(size.cx - p.Right.Width(), p.Top.Height(), p.Right);
        c.Draw(0, size.cy - p.Bottom.Height(), p.Bottom);
    };
    place(parts, window);
    place(maskParts, shape);
    for (int j = 0; j < size.cy; ++j)
        for (int i = 0; i < size.cx; ++i)
            if (shape.GetPixel(i, j) == clBlack) screen_.SetPixel(w.Left + i, w.Top + j, window.GetPixel(i, j));

    // Caption buttons from the right end of the caption row, the system menu at its left and
    // the title between them, as the frame lays them out.
    const TRect row = f.captionrect.Offset(w.Left, w.Top);
    const TBitmap& active = art_.activepictures[kActivePicture];
    int x = row.Right + size.cx - pictureSize.cx;
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton"}) {
        const TRect& face = Object<TbsDataSkinStdButton>(name).skinrect;
        Put(Cut(active, face), x - face.Width(), row.Top);
        x -= face.Width() + f.buttonsoffset;
    }
    const TRect& sys = Object<TbsDataSkinStdButton>("systemmenubutton").skinrect;
    Put(Cut(active, sys), row.Left, row.Top + row.Height() / 2 - sys.Height() / 2);
    const auto& caption = Object<TbsDataSkinCaption>("caption1");
    TRect text = Rect(row.Left + sys.Width() + caption.textrect.Left, row.Top, x, row.Bottom);
    Text(title, text, FontOf(caption, caption.activefontcolor));
}

void TPreview::Row(const std::string& label, const TCell& cell)
{
    const TColor muted = theme::kTextMuted;
    Text(label, Bounds(cursor_.x, cursor_.y, kLabelWidth, kRowHeight), {"Arial", 14, 0, theme::kText, 0});
    for (int column = 0; column < kColumnCount; ++column) {
        TRect r = Bounds(cursor_.x + kLabelWidth + column * kColumnWidth, cursor_.y, kColumnWidth - 12, kRowHeight);
        if (!cell(TColumn(column), r)) Text("–", r, {"Arial", 14, 0, muted, 0});
    }
    cursor_.y += kRowHeight;
}

bool TPreview::ButtonCell(TColumn column, const TRect& cell)
{
    const auto& b = Control<TbsDataSkinButtonControl>("button");
    const std::array<TRect, kColumnCount> images = {b.skinrect, b.activeskinrect, b.downskinrect, b.disabledskinrect, {}};
    const std::array<TColor, kColumnCount> ink = {b.fontcolor, b.activefontcolor, b.downfontcolor, b.disabledfontcolor};
    if (images[column].IsEmpty()) return false;
    TRect at = Bounds(cell.Left, cell.Top + (cell.Height() - b.skinrect.Height()) / 2, cell.Width(), b.skinrect.Height());
    Put(HImage(b, images[column], at.Width()), at.Left, at.Top);
    Text("打开图片", at, FontOf(b, ink[column]), DT_CENTER);
    return true;
}

bool TPreview::CheckCell(const std::string& name, bool checked, TColumn column, const TRect& cell)
{
    const auto& c = Control<TbsDataSkinCheckRadioControl>(name);
    const std::array<TRect, kColumnCount> marks =
        checked ? std::array<TRect, kColumnCount>{c.checkimagerect, c.activecheckimagerect, {}, c.unenabledcheckimagerect, {}}
                : std::array<TRect, kColumnCount>{c.uncheckimagerect, c.activeuncheckimagerect, {}, c.unenableduncheckimagerect, {}};
    const std::array<TColor, kColumnCount> ink = {c.fontcolor, c.activefontcolor, {}, c.unenabledfontcolor};
    if (marks[column].IsEmpty()) return false;
    int y = cell.Top + (cell.Height() - c.skinrect.Height()) / 2;
    Put(HImage(c, c.skinrect, cell.Width()), cell.Left, y);
    TBitmap mark = Cut(Controls(), marks[column]);
    TColor key = TCanvas::TransparentColorOf(mark);
    Put(mark, cell.Left + c.checkimagearea.Left, y + c.checkimagearea.Top, &key);
    TRect text = Rect(cell.Left + c.textarea.Left, y + c.textarea.Top, cell.Right, y + c.textarea.Bottom);
    Text(name == "checkbox" ? "保持比例" : "JPEG", text, FontOf(c, ink[column]));
    return true;
}

bool TPreview::EditCell(TColumn column, const TRect& cell)
{
    const auto& e = Control<TbsDataSkinEditControl>("edit");
    if (column == kPressed) return false;
    bool active = column == kHot || column == kFocused;
    TBitmap image = HImage(e, active ? e.activeskinrect : e.skinrect, cell.Width());
    int y = cell.Top + (cell.Height() - image.Height()) / 2;
    Put(image, cell.Left, y);
    TRect client = Rect(cell.Left + e.clientrect.Left, y + e.clientrect.Top, cell.Right - (e.skinrect.Width() - e.clientrect.Right),
                        y + e.clientrect.Bottom);
    Text("D:\\图片\\输出", client, FontOf(e, column == kDisabled ? e.disabledfontcolor : e.fontcolor));
    if (column == kFocused) Fill(Rect(client.Right - 8, client.Top + 1, client.Right - 7, client.Bottom - 1), e.fontcolor);
    return true;
}

bool TPreview::ComboCell(TColumn column, const TRect& cell)
{
    const auto& c = Control<TbsDataSkinComboBox>("combobox");
    const std::array<TRect, kColumnCount> faces = {TRect{}, c.activebuttonrect, c.downbuttonrect, c.unenabledbuttonrect, {}};
    TBitmap image = HImage(c, c.skinrect, cell.Width());
    int y = cell.Top + (cell.Height() - image.Height()) / 2, dx = cell.Width() - c.skinrect.Width();
    Put(image, cell.Left, y);
    if (!faces[column].IsEmpty()) Put(Cut(Controls(), faces[column]), cell.Left + c.buttonrect.Left + dx, y + c.buttonrect.Top);
    TRect item = Rect(cell.Left + c.clientrect.Left, y + c.clientrect.Top, cell.Left + c.clientrect.Right + dx, y + c.clientrect.Bottom);
    TColor ink = column == kDisabled ? theme::kTextDisabled : c.fontcolor;
    if (column == kFocused) {
        TBitmap focus = HImage(Controls(), c.focusitemrect, c.itemleftoffset, c.itemrightoffset, item.Width());
        Put(focus, item.Left, item.Top + (item.Height() - focus.Height()) / 2);
        ink = c.focusfontcolor;
    }
    Text("JPEG 图片", Rect(item.Left + c.itemtextrect.Left, item.Top, item.Right, item.Bottom), FontOf(c, ink));
    return true;
}

bool TPreview::SpinCell(TColumn column, const TRect& cell)
{
    const auto& s = Control<TbsDataSkinSpinEditControl>("spinedit");
    if (column == kDisabled) return false;
    bool active = column == kFocused;
    TBitmap image = HImage(s, active ? s.activeskinrect : s.skinrect, cell.Width());
    int y = cell.Top + (cell.Height() - image.Height()) / 2, dx = cell.Width() - s.skinrect.Width();
    Put(image, cell.Left, y);
    const TRect& face = column == kHot ? s.activeupbuttonrect : s.downupbuttonrect;
    if (column == kHot || column == kPressed) Put(Cut(Controls(), face), cell.Left + s.upbuttonrect.Left + dx, y + s.upbuttonrect.Top);
    TRect client = Rect(cell.Left + s.clientrect.Left, y + s.clientrect.Top, cell.Left + s.clientrect.Right + dx, y + s.clientrect.Bottom);
    Text("1024", client, FontOf(s, s.fontcolor));
    return true;
}

bool TPreview::ScrollCell(TColumn column, const TRect& cell)
{
    const auto& s = Control<TbsDataSkinScrollBarControl>("hscrollbar");
    const std::array<TRect, kColumnCount> thumbs = {s.thumbrect, s.activethumbrect, s.downthumbrect, {}, {}};
    if (thumbs[column].IsEmpty()) return false;
    TBitmap bar = HImage(s, s.skinrect, cell.Width());
    int y = cell.Top + (cell.Height() - bar.Height()) / 2, dx = cell.Width() - s.skinrect.Width();
    Put(bar, cell.Left, y);
    const TRect& arrow = column == kHot ? s.activeupbuttonrect : s.downupbuttonrect;
    if (column != kNormal) Put(Cut(Controls(), arrow), cell.Left + s.upbuttonrect.Left + dx, y + s.upbuttonrect.Top);
    TBitmap thumb = HImage(Controls(), thumbs[column], s.thumboffset1, s.thumboffset2, 36);
    Put(thumb, cell.Left + s.trackarea.Left + 14, y);
    return true;
}

// The bar has no hot picture; disabled, it shows its track unfilled.
bool TPreview::TrackCell(TColumn column, const TRect& cell)
{
    const auto& t = Control<TbsDataSkinTrackBarControl>("htrackbar");
    if (column == kHot) return false;
    TBitmap track = HImage(t, t.skinrect, cell.Width());
    int y = cell.Top + (cell.Height() - track.Height()) / 2;
    Put(track, cell.Left, y);
    const TRect& thumb = column == kPressed || column == kFocused ? t.activebuttonrect : t.buttonrect;
    int trackRight = t.trackarea.Right + cell.Width() - t.skinrect.Width();
    int travel = trackRight - t.trackarea.Left - thumb.Width();
    int thumbLeft = t.trackarea.Left + travel * 3 / 5;
    if (column != kDisabled && !t.filledskinrect.IsEmpty()) {
        TBitmap filled = HImage(t, t.filledskinrect, cell.Width());
        Put(Cut(filled, Rect(0, 0, thumbLeft + thumb.Width() / 2, filled.Height())), cell.Left, y);
    }
    Put(Cut(Controls(), thumb), cell.Left + thumbLeft, y + t.trackarea.Top);
    return true;
}

bool TPreview::TabCell(TColumn column, const TRect& cell)
{
    const auto& t = Control<TbsDataSkinTabControl>("tab");
    const std::array<TRect, kColumnCount> tabs = {t.tabrect, t.mouseintabrect, t.activetabrect, {}, t.focustabrect};
    const std::array<TColor, kColumnCount> ink = {t.fontcolor, t.mouseinfontcolor, t.activefontcolor, {}, t.focusfontcolor};
    if (tabs[column].IsEmpty()) return false;
    TBitmap tab = HImage(Controls(), tabs[column], t.tableftoffset, t.tabrightoffset, 84);
    int y = cell.Top + (cell.Height() - tab.Height()) / 2;
    Put(tab, cell.Left, y);
    Text("批量压缩", Bounds(cell.Left, y, tab.Width(), tab.Height()), FontOf(t, ink[column]), DT_CENTER);
    return true;
}

bool TPreview::HeaderCell(TColumn column, const TRect& cell)
{
    const auto& h = Control<TbsDataSkinButtonControl>("resizebutton");
    const std::array<TRect, kColumnCount> images = {h.skinrect, h.activeskinrect, h.downskinrect, h.disabledskinrect, {}};
    const std::array<TColor, kColumnCount> ink = {h.fontcolor, h.activefontcolor, h.downfontcolor, h.disabledfontcolor};
    if (images[column].IsEmpty()) return false;
    TBitmap image = HImage(h, images[column], cell.Width());
    int y = cell.Top + (cell.Height() - image.Height()) / 2;
    Put(image, cell.Left, y);
    Text("文件名", Rect(cell.Left + h.clientrect.Left + 2, y, cell.Right, y + image.Height()), FontOf(h, ink[column]));
    return true;
}

bool TPreview::ItemCell(TColumn column, const TRect& cell)
{
    const auto& l = Control<TbsDataSkinListBox>("listbox");
    const std::array<TRect, kColumnCount> items = {l.itemrect, {}, l.activeitemrect, {}, l.focusitemrect};
    const std::array<TColor, kColumnCount> ink = {l.fontcolor, {}, l.activefontcolor, {}, l.focusfontcolor};
    if (items[column].IsEmpty()) return false;
    TBitmap item = HImage(Controls(), items[column], l.itemleftoffset, l.itemrightoffset, cell.Width());
    int y = cell.Top + (cell.Height() - item.Height()) / 2;
    Fill(Rect(cell.Left - 2, y - 2, cell.Right + 2, y + item.Height() + 2), theme::kSurface);
    Put(item, cell.Left, y);
    Text("风景 01.jpg", Rect(cell.Left + l.itemtextrect.Left, y, cell.Right, y + item.Height()), FontOf(l, ink[column]));
    return true;
}

bool TPreview::MenuItemCell(TColumn column, const TRect& cell)
{
    const auto& m = Object<TbsDataSkinMenuItem>("MENUITEM");
    const TBitmap& picture = art_.activepictures[kMenuItemsPicture];
    if (column == kPressed || column == kFocused) return false;
    TBitmap item = HImage(picture, column == kHot ? m.activeskinrect : m.skinrect, m.itemleftoffset, m.itemrightoffset, cell.Width());
    int y = cell.Top + (cell.Height() - item.Height()) / 2;
    Put(item, cell.Left, y);
    TColor ink = column == kDisabled ? m.unenabledfontcolor : column == kHot ? m.activefontcolor : m.fontcolor;
    Text("图片另存", Rect(cell.Left + m.textrect.Left, y + m.textrect.Top, cell.Right, y + m.textrect.Bottom), FontOf(m, ink));
    return true;
}

bool TPreview::CaptionButtonsCell(TColumn column, const TRect& cell)
{
    if (column == kFocused) return false;
    const TBitmap& active = art_.activepictures[kActivePicture];
    Fill(cell, art_.picture.GetPixel(art_.form.captionrect.Left, art_.form.captionrect.Top));
    int x = cell.Left + 2;
    for (const char* name : {"minbutton", "maxbutton", "closebutton"}) {
        const auto& b = Object<TbsDataSkinStdButton>(name);
        const std::array<TRect, kColumnCount> faces = {b.skinrect, b.activeskinrect, b.downrect, b.disableskinrsect, {}};
        PutInCell(Cut(active, faces[column]), Rect(x, cell.Top, cell.Right, cell.Bottom));
        x += faces[column].Width() + 4;
    }
    return true;
}

void TPreview::DrawStateSheet(TPoint origin)
{
    cursor_ = origin;
    for (int column = 0; column < kColumnCount; ++column)
        Text(kColumnNames[size_t(column)], Bounds(origin.x + kLabelWidth + column * kColumnWidth, origin.y, kColumnWidth, 20),
             {"Arial", 13, fsBold, theme::kTextMuted, 0});
    cursor_.y += 22;
    Row("caption buttons", [this](TColumn c, const TRect& r) { return CaptionButtonsCell(c, r); });
    Row("button", [this](TColumn c, const TRect& r) { return ButtonCell(c, r); });
    Row("check box", [this](TColumn c, const TRect& r) { return CheckCell("checkbox", false, c, r); });
    Row("", [this](TColumn c, const TRect& r) { return CheckCell("checkbox", true, c, r); });
    Row("radio button", [this](TColumn c, const TRect& r) { return CheckCell("radiobox", false, c, r); });
    Row("", [this](TColumn c, const TRect& r) { return CheckCell("radiobox", true, c, r); });
    Row("edit", [this](TColumn c, const TRect& r) { return EditCell(c, r); });
    Row("combo box", [this](TColumn c, const TRect& r) { return ComboCell(c, r); });
    Row("spin edit", [this](TColumn c, const TRect& r) { return SpinCell(c, r); });
    Row("scroll bar", [this](TColumn c, const TRect& r) { return ScrollCell(c, r); });
    Row("track bar", [this](TColumn c, const TRect& r) { return TrackCell(c, r); });
    Row("tab", [this](TColumn c, const TRect& r) { return TabCell(c, r); });
    Row("list header", [this](TColumn c, const TRect& r) { return HeaderCell(c, r); });
    Row("list item", [this](TColumn c, const TRect& r) { return ItemCell(c, r); });
    Row("menu item", [this](TColumn c, const TRect& r) { return MenuItemCell(c, r); });
}

void TPreview::DrawGauge(const std::string& name, const TRect& at, int percent)
{
    const auto& g = Control<TbsDataSkinGaugeControl>(name);
    TBitmap image = HImage(g, g.skinrect, at.Width());
    int y = at.Top + (at.Height() - image.Height()) / 2;
    Put(image, at.Left, y);
    TRect area = Rect(at.Left + g.progressarea.Left, y + g.progressarea.Top,
                      at.Right - (g.skinrect.Width() - g.progressarea.Right), y + g.progressarea.Bottom);
    int filled = area.Width() * percent / 100;
    if (filled >= g.beginoffset + g.endoffset)
        Put(HImage(Controls(), g.progressrect, g.beginoffset, g.endoffset, filled), area.Left, area.Top);
    Text(std::to_string(percent) + "%", Bounds(at.Left, y, at.Width(), image.Height()), FontOf(g, g.fontcolor), DT_CENTER);
}

void TPreview::DrawGroupWithList(const TRect& at)
{
    const auto& group = Control<TbsDataSkinPanelControl>("groupbox");
    Put(NineImage(Controls(), group.skinrect, CutOf(group), {at.Width(), at.Height()}), at.Left, at.Top);
    Text("批量压缩", Rect(at.Left + group.captionrect.Left, at.Top + group.captionrect.Top, at.Right, at.Top + group.captionrect.Bottom),
         FontOf(group, group.fontcolor));
    const auto& list = Control<TbsDataSkinListBox>("listbox");
    const auto& scroll = Control<TbsDataSkinScrollBarControl>("vscrollbar");
    TRect box = Rect(at.Left + 10, at.Top + group.clientrect.Top + 8, at.Right - 10, at.Bottom - 10);
    Put(NineImage(Controls(), list.skinrect, CutOf(list), {box.Width(), box.Height()}), box.Left, box.Top);
    int barLeft = box.Right - list.skinrect.Width() + list.clientrect.Right - scroll.skinrect.Width();
    TBitmap bar;
    int bottomCap = scroll.skinrect.Height() - scroll.leftbottompoint.y;
    int barHeight = box.Height() - 2 * list.clientrect.Top;
    BuildVSkinImage(Controls(), scroll.skinrect, scroll.lefttoppoint.y, bottomCap, barHeight, bar);
    Put(bar, barLeft, box.Top + list.clientrect.Top);
    TBitmap thumb;
    BuildVSkinImage(Controls(), scroll.thumbrect, scroll.thumboffset1, scroll.thumboffset2, 30, thumb);
    Put(thumb, barLeft, box.Top + list.clientrect.Top + scroll.trackarea.Top + 4);
    const char* names[] = {"风景 01.jpg", "Portrait 02.bmp", "夜景 03.jpeg", "Harbour 04.jpg"};
    int y = box.Top + list.clientrect.Top + 1, right = barLeft - 1;
    for (int i = 0; i < 4; ++i) {
        const TRect& source = i == 1 ? list.focusitemrect : i == 2 ? list.activeitemrect : list.itemrect;
        TBitmap item = HImage(Controls(), source, list.itemleftoffset, list.itemrightoffset, right - box.Left - list.clientrect.Left);
        Put(item, box.Left + list.clientrect.Left, y);
        TColor ink = i == 1 ? list.focusfontcolor : i == 2 ? list.activefontcolor : list.fontcolor;
        Text(names[i], Rect(box.Left + list.clientrect.Left + list.itemtextrect.Left, y, right, y + item.Height()), FontOf(list, ink));
        y += item.Height();
    }
}

void TPreview::DrawPopupMenu(TPoint at)
{
    const TbsDataSkinPopupWindow& w = art_.popup;
    const auto& m = Object<TbsDataSkinMenuItem>("MENUITEM");
    const TBitmap& picture = art_.activepictures[size_t(w.windowpictureindex)];
    const TBitmap& items = art_.activepictures[kMenuItemsPicture];
    int itemWidth = 170, itemHeight = m.skinrect.Height(), dividerHeight = m.dividerrect.Height();
    TSize size{itemWidth + picture.Width() - w.itemsrect.Width(), 3 * itemHeight + dividerHeight + picture.Height() - w.itemsrect.Height()};
    TSkinCut cut{w.lefttoppoint, w.righttoppoint, w.leftbottompoint, w.rightbottompoint, w.itemsrect};
    Put(NineImage(picture, Rect(0, 0, picture.Width(), picture.Height()), cut, size), at.x, at.y);
    int y = at.y + w.itemsrect.Top, x = at.x + w.itemsrect.Left;
    struct TEntry {
        const char* text;
        bool hot, enabled;
    };
    for (const TEntry& e : {TEntry{"打开图片", false, true}, TEntry{"图片另存", true, true}, TEntry{nullptr, false, true},
                            TEntry{"旋转 90°", false, false}}) {
        if (e.text == nullptr) {
            Put(HImage(items, m.dividerrect, m.dividerleftoffset, m.dividerrightoffset, itemWidth), x, y);
            y += dividerHeight;
            continue;
        }
        Put(HImage(items, e.hot ? m.activeskinrect : m.skinrect, m.itemleftoffset, m.itemrightoffset, itemWidth), x, y);
        TColor ink = !e.enabled ? m.unenabledfontcolor : e.hot ? m.activefontcolor : m.fontcolor;
        Text(e.text, Rect(x + m.textrect.Left, y + m.textrect.Top, x + itemWidth, y + m.textrect.Bottom), FontOf(m, ink));
        y += itemHeight;
    }
}

void TPreview::DrawHint(TPoint at, const std::string& text)
{
    const TbsDataSkinHintWindow& h = art_.hint;
    const TBitmap& picture = art_.activepictures[size_t(h.windowpictureindex)];
    canvas_.SetFont(FontOf(h, h.fontcolor));
    TSize size{canvas_.TextWidth(text) + picture.Width() - h.clientrect.Width(), picture.Height()};
    TSkinCut cut{h.lefttoppoint, h.righttoppoint, h.leftbottompoint, h.rightbottompoint, h.clientrect};
    Put(NineImage(picture, Rect(0, 0, picture.Width(), picture.Height()), cut, size), at.x, at.y);
    Text(text, Rect(at.x + h.clientrect.Left, at.y + h.clientrect.Top, at.x + size.cx, at.y + h.clientrect.Bottom),
         FontOf(h, h.fontcolor));
}

void TPreview::DrawStatusBar(const TRect& at)
{
    const auto& bar = Control<TbsDataSkinPanelControl>("statusbar");
    const auto& panel = Control<TbsDataSkinLabelControl>("statuspanel");
    Put(HImage(bar, bar.skinrect, at.Width()), at.Left, at.Top);
    int top = at.Top + bar.clientrect.Top;
    TRect cell = Rect(at.Left + bar.clientrect.Left, top, at.Left + 200, top + panel.skinrect.Height());
    Put(HImage(panel, panel.skinrect, cell.Width()), cell.Left, cell.Top);
    Text("压缩完成！", Rect(cell.Left + panel.clientrect.Left, cell.Top, cell.Right, cell.Bottom), FontOf(panel, panel.fontcolor));
    DrawGauge("statusgauge", Rect(cell.Right + 4, top, cell.Right + 164, top + panel.skinrect.Height()), 64);
}

void TPreview::DrawShowcase(TPoint o)
{
    DrawGroupWithList(Bounds(o.x, o.y, 250, 150));
    DrawPopupMenu({o.x + 266, o.y});
    DrawHint({o.x + 470, o.y}, "图片压缩取点比例");
    const auto& label = Control<TbsDataSkinLabelControl>("label");
    Text("进度 Progress", Bounds(o.x + 470, o.y + 36, 200, 20), FontOf(label, label.fontcolor));
    DrawGauge("gauge", Bounds(o.x + 470, o.y + 58, 200, 20), 0);
    DrawGauge("gauge", Bounds(o.x + 470, o.y + 84, 200, 20), 45);
    DrawGauge("gauge", Bounds(o.x + 470, o.y + 110, 200, 20), 100);
}

} // namespace

TBitmap DrawPreview(const TSkinArt& art)
{
    TPreview preview(art);
    const TRect window = Rect(10, 10, kScreenWidth - 10, kScreenHeight - 10);
    preview.DrawWindow(window, "Tavrik — 图片处理");
    const TRect& client = art.form.clientrect;
    TPoint origin{window.Left + client.Left + 12, window.Top + client.Top + 10};
    preview.DrawStateSheet(origin);
    preview.DrawShowcase({origin.x, origin.y + 22 + 15 * kRowHeight + 16});
    const int bottom = window.Bottom - (art.picture.Height() - client.Bottom);
    preview.DrawStatusBar(Rect(window.Left + client.Left, bottom - 21, window.Right - (art.picture.Width() - client.Right), bottom));
    return preview.Screen();
}

} // namespace tavrik::skingen
