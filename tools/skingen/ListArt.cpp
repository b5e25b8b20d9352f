#include "ControlArt.h"
#include "Glyphs.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

void DrawListFrame(TPainter& p, const TRect& r, int captionBand)
{
    OutlinedBox(p, TBoxF::Of(r), 3, kWindow, TFill::Solid(kSurface), kBorder);
    if (captionBand > 0) {
        p.FillRect(Rect(r.Left + 1, r.Top + 3, r.Right - 1, r.Top + captionBand), kTab);
        p.RoundBox({float(r.Left + 1), float(r.Top + 1), float(r.Right - 1), float(r.Top + 8)}, 2, TFill::Solid(kTab));
        p.FillRect(Rect(r.Left + 1, r.Top + captionBand, r.Right - 1, r.Top + captionBand + 1), kSeparator);
    }
}

struct TItemImages {
    TRect normal, selected, focused;
};

TItemImages PlaceItems(TAtlas& atlas)
{
    TItemImages items;
    items.normal = atlas.Place(40, 18, [](TPainter& p, const TRect& r) { p.FillRect(r, kSurface); });
    items.selected = atlas.Place(40, 18, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kSurface);
        p.RoundBox(TBoxF::Of(r).Inset(1), 3, TFill::Solid(kAccentTint));
    });
    items.focused = atlas.Place(40, 18, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kSurface);
        p.RoundBox(TBoxF::Of(r).Inset(1), 3, TFill::Solid(kAccent));
    });
    return items;
}

template <class T>
T& AddListBox(TSkinArt& art, const std::string& type, const std::string& name, const TRect& frame, int captionBand,
              const TItemImages& items)
{
    T& l = art.AddControl<T>(type, name);
    int top = captionBand > 0 ? captionBand + 1 : 2;
    SetGeometry(l, frame, {4, top + 2}, {frame.Width() - 4, top + 2}, {4, frame.Height() - 4},
                {frame.Width() - 4, frame.Height() - 4}, Rect(2, top, frame.Width() - 2, frame.Height() - 2));
    l.itemrect = items.normal;
    l.activeitemrect = items.selected;
    l.focusitemrect = items.focused;
    l.itemleftoffset = 4;
    l.itemrightoffset = 4;
    l.itemtextrect = Rect(5, 0, 36, 18);
    SetFont(l, kText);
    l.activefontcolor = kText;
    l.focusfontcolor = clWhite;
    l.captionfontname = "Arial";
    l.captionfontheight = 14;
    l.captionfontstyle = uint8_t(TbsFontStyle::Bold);
    l.captionfontcolor = kText;
    if (captionBand > 0) l.captionrect = Rect(5, 1, frame.Width() - 50, captionBand);
    return l;
}

TStateRects PlaceCaptionButtons(TAtlas& atlas, const std::function<void(TPainter&, float, float, TColor)>& glyph)
{
    return PlaceStates(
        atlas, {16, 16},
        [=](TPainter& p, const TRect& r, TState s) {
            p.FillRect(r, kTab);
            if (s != TState::Normal) p.RoundBox(TBoxF::Of(r), 3, TFill::Solid(s == TState::Hot ? kHover : kPress));
            glyph(p, float(r.Left) + 8, float(r.Top) + 8, s == TState::Normal ? kGlyph : kText);
        },
        {TState::Normal, TState::Hot, TState::Down});
}

void SetCaptionButtons(TbsDataSkinListBox& l, const TStateRects& up, const TStateRects& down, const TStateRects& check)
{
    l.upbuttonrect = up.normal;
    l.activeupbuttonrect = up.hot;
    l.downupbuttonrect = up.down;
    l.downbuttonrect = down.normal;
    l.activedownbuttonrect = down.hot;
    l.downdownbuttonrect = down.down;
    l.checkbuttonrect = check.normal;
    l.activecheckbuttonrect = check.hot;
    l.downcheckbuttonrect = check.down;
}

void SetItemCheck(TSkinArt& art, TbsDataSkinCheckListBox& l)
{
    const auto& box = dynamic_cast<const TbsDataSkinCheckRadioControl&>(*art.controls.at("checkbox"));
    l.itemcheckrect = Rect(2, 1, 18, 17);
    l.checkimagerect = box.checkimagerect;
    l.uncheckimagerect = box.uncheckimagerect;
    l.itemtextrect = Rect(22, 0, 36, 18);
}

void AddListBoxes(TSkinArt& art, TAtlas& atlas)
{
    TRect plain = atlas.Place(60, 60, [](TPainter& p, const TRect& r) { DrawListFrame(p, r, 0); });
    TRect captioned = atlas.Place(60, 80, [](TPainter& p, const TRect& r) { DrawListFrame(p, r, 20); });
    TItemImages items = PlaceItems(atlas);
    TStateRects up = PlaceCaptionButtons(atlas, [](TPainter& p, float x, float y, TColor c) {
        ChevronGlyph(p, x, y, 7, TDirection::Up, c);
    });
    TStateRects down = PlaceCaptionButtons(atlas, [](TPainter& p, float x, float y, TColor c) {
        ChevronGlyph(p, x, y, 7, TDirection::Down, c);
    });
    TStateRects check = PlaceCaptionButtons(atlas, [](TPainter& p, float x, float y, TColor c) { CheckGlyph(p, x, y, 8, c); });

    AddListBox<TbsDataSkinListBox>(art, "listbox", "listbox", plain, 0, items);
    SetItemCheck(art, AddListBox<TbsDataSkinCheckListBox>(art, "checklistbox", "checklistbox", plain, 0, items));
    auto& captionList = AddListBox<TbsDataSkinListBox>(art, "listbox", "captionlistbox", captioned, 20, items);
    SetCaptionButtons(captionList, up, down, check);
    auto& captionCheck =
        AddListBox<TbsDataSkinCheckListBox>(art, "checklistbox", "captionchecklistbox", captioned, 20, items);
    SetCaptionButtons(captionCheck, up, down, check);
    SetItemCheck(art, captionCheck);
}

// Scroll bars are 17 pixels thick: a rounded trough along the whole bar, chevrons in its
// ends and a pill-shaped thumb inside it.
constexpr int kBar = 17;

// The trough as a bar of the given rectangle sees it: when the rectangle is an end cell of the
// bar, the trough's rounded end lies in it.
TBoxF Trough(const TRect& bar, bool vertical)
{
    TBoxF box = TBoxF::Of(bar);
    return vertical ? TBoxF{box.left + 2, box.top + 1, box.right - 2, box.bottom - 1}
                    : TBoxF{box.left + 1, box.top + 2, box.right - 1, box.bottom - 2};
}

void DrawArrowFace(TPainter& p, const TRect& r, TState s, TDirection d)
{
    bool vertical = d == TDirection::Up || d == TDirection::Down;
    p.FillRect(r, kWindow);
    // The cell is an end of the trough: round on the outer side, running on at the inner one.
    TBoxF trough = Trough(r, vertical);
    if (d == TDirection::Up) trough.bottom += 8;
    if (d == TDirection::Down) trough.top -= 8;
    if (d == TDirection::Left) trough.right += 8;
    if (d == TDirection::Right) trough.left -= 8;
    p.RoundBox(trough, 6.5f, TFill::Solid(kTrack));
    if (s == TState::Hot || s == TState::Down)
        p.RoundBox(TBoxF::Of(r).Inset(2), 5, TFill::Solid(s == TState::Hot ? kPress : kThumb));
    TColor ink = s == TState::Normal ? kTextMuted : s == TState::Down ? kText : kGlyph;
    ChevronGlyph(p, float(r.Left) + float(r.Width()) / 2, float(r.Top) + float(r.Height()) / 2, 7, d, ink);
}

void DrawThumbFace(TPainter& p, const TRect& r, TState s, bool vertical)
{
    p.FillRect(r, kWindow);
    TBoxF box = TBoxF::Of(r);
    TBoxF trough = Trough(r, vertical);
    if (vertical) p.FillRect(Rect(int(trough.left), r.Top, int(trough.right), r.Bottom), kTrack);
    else p.FillRect(Rect(r.Left, int(trough.top), r.Right, int(trough.bottom)), kTrack);
    TBoxF pill = vertical ? TBoxF{box.left + 4, box.top + 1, box.right - 4, box.bottom - 1}
                          : TBoxF{box.left + 1, box.top + 4, box.right - 1, box.bottom - 4};
    TColor c = s == TState::Hot ? kThumbHot : s == TState::Down ? kAccent : kThumb;
    p.RoundBox(pill, 4.5f, TFill::Solid(c));
}

struct TScrollParts {
    TStateRects decrease, increase, thumb;
};

TScrollParts PlaceScrollParts(TAtlas& atlas, bool vertical)
{
    TScrollParts parts;
    TDirection dec = vertical ? TDirection::Up : TDirection::Left;
    TDirection inc = vertical ? TDirection::Down : TDirection::Right;
    parts.decrease = PlaceStates(atlas, {kBar, kBar}, [=](TPainter& p, const TRect& r, TState s) { DrawArrowFace(p, r, s, dec); },
                                 {TState::Hot, TState::Down});
    parts.increase = PlaceStates(atlas, {kBar, kBar}, [=](TPainter& p, const TRect& r, TState s) { DrawArrowFace(p, r, s, inc); },
                                 {TState::Hot, TState::Down});
    TSize thumb = vertical ? TSize{kBar, 30} : TSize{30, kBar};
    parts.thumb = PlaceStates(atlas, thumb, [=](TPainter& p, const TRect& r, TState s) { DrawThumbFace(p, r, s, vertical); },
                              {TState::Normal, TState::Hot, TState::Down});
    return parts;
}

// A bar of the given length: arrows at both ends, and with a corner square at the end when
// it meets a vertical bar.
TRect PlaceBar(TAtlas& atlas, int length, bool vertical, int corner)
{
    TSize size = vertical ? TSize{kBar, length} : TSize{length, kBar};
    return atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& r) {
        p.FillRect(r, kWindow);
        TRect track = vertical ? Rect(r.Left, r.Top, r.Right, r.Bottom - corner) : Rect(r.Left, r.Top, r.Right - corner, r.Bottom);
        p.RoundBox(Trough(track, vertical), 6.5f, TFill::Solid(kTrack));
        TRect dec = Bounds(r.Left, r.Top, kBar, kBar);
        TRect inc = vertical ? Bounds(r.Left, r.Bottom - kBar - corner, kBar, kBar)
                             : Bounds(r.Right - kBar - corner, r.Top, kBar, kBar);
        DrawArrowFace(p, dec, TState::Normal, vertical ? TDirection::Up : TDirection::Left);
        DrawArrowFace(p, inc, TState::Normal, vertical ? TDirection::Down : TDirection::Right);
        if (corner > 0) p.FillRect(Rect(r.Right - corner, r.Top, r.Right, r.Bottom), kWindow);
    });
}

void SetScrollParts(TbsDataSkinScrollBarControl& s, const TScrollParts& parts)
{
    s.activeupbuttonrect = parts.increase.hot;
    s.downupbuttonrect = parts.increase.down;
    s.activedownbuttonrect = parts.decrease.hot;
    s.downdownbuttonrect = parts.decrease.down;
    s.thumbrect = parts.thumb.normal;
    s.activethumbrect = parts.thumb.hot;
    s.downthumbrect = parts.thumb.down;
    s.thumboffset1 = 6;
    s.thumboffset2 = 6;
}

void AddScrollBars(TSkinArt& art, TAtlas& atlas)
{
    TScrollParts hParts = PlaceScrollParts(atlas, false);
    TScrollParts vParts = PlaceScrollParts(atlas, true);
    TRect vbar = PlaceBar(atlas, 100, true, 0);
    TRect hbar = PlaceBar(atlas, 100, false, 0);
    TRect both = PlaceBar(atlas, 100 + kBar, false, kBar);

    auto& h = art.AddControl<TbsDataSkinScrollBarControl>("scrollbar", "hscrollbar");
    SetGeometry(h, hbar, {kBar, 0}, {100 - kBar, 0}, {}, {}, Rect(kBar, 0, 100 - kBar, kBar));
    h.trackarea = Rect(kBar, 0, 100 - kBar, kBar);
    h.downbuttonrect = Rect(0, 0, kBar, kBar);
    h.upbuttonrect = Rect(100 - kBar, 0, 100, kBar);
    SetScrollParts(h, hParts);

    auto& v = art.AddControl<TbsDataSkinScrollBarControl>("scrollbar", "vscrollbar");
    SetGeometry(v, vbar, {0, kBar}, {}, {0, 100 - kBar}, {}, Rect(0, kBar, kBar, 100 - kBar));
    v.trackarea = Rect(0, kBar, kBar, 100 - kBar);
    v.downbuttonrect = Rect(0, 0, kBar, kBar);
    v.upbuttonrect = Rect(0, 100 - kBar, kBar, 100);
    SetScrollParts(v, vParts);

    auto& b = art.AddControl<TbsDataSkinScrollBarControl>("scrollbar", "bothhscrollbar");
    SetGeometry(b, both, {kBar, 0}, {100 - kBar, 0}, {}, {}, Rect(kBar, 0, 100 - kBar, kBar));
    b.trackarea = Rect(kBar, 0, 100 - kBar, kBar);
    b.downbuttonrect = Rect(0, 0, kBar, kBar);
    b.upbuttonrect = Rect(100 - kBar, 0, 100, kBar);
    SetScrollParts(b, hParts);
}

enum class TUpDownPart { None, Up, Down };

// The faces of an up-down pair's buttons cover its outline, so each face is cut from a whole
// picture of the pair drawn with that button hot or pressed.
void AddUpDown(TSkinArt& art, TAtlas& atlas, const std::string& name, bool vertical)
{
    TSize size = vertical ? TSize{15, 20} : TSize{32, 16};
    TRect down = vertical ? Rect(0, 10, 15, 20) : Rect(0, 0, 16, 16);
    TRect up = vertical ? Rect(0, 0, 15, 10) : Rect(16, 0, 32, 16);
    TDirection upDir = vertical ? TDirection::Up : TDirection::Right;
    TDirection downDir = vertical ? TDirection::Down : TDirection::Left;
    auto place = [&](TUpDownPart part, TState state) {
        return atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& r) {
            OutlinedBox(p, TBoxF::Of(r), 3, kWindow, TFill::Solid(kSurface), kBorder);
            for (TUpDownPart button : {TUpDownPart::Up, TUpDownPart::Down}) {
                TRect at = (button == TUpDownPart::Up ? up : down).Offset(r.Left, r.Top);
                TState s = button == part ? state : TState::Normal;
                if (s != TState::Normal)
                    p.RoundBox(TBoxF::Of(at).Inset(1.5f), 2, TFill::Solid(s == TState::Hot ? kHover : kPress));
                ChevronGlyph(p, float(at.Left) + float(at.Width()) / 2, float(at.Top) + float(at.Height()) / 2, 7,
                              button == TUpDownPart::Up ? upDir : downDir, s == TState::Normal ? kGlyph : kText);
            }
            if (vertical) p.FillRect(Rect(r.Left + 1, r.Top + 10, r.Right - 1, r.Top + 11), kSeparator);
            else p.FillRect(Rect(r.Left + 16, r.Top + 1, r.Left + 17, r.Bottom - 1), kSeparator);
        });
    };
    auto& u = art.AddControl<TbsDataSkinUpDownControl>("updown", name);
    u.pictureindex = kControlsPicture;
    u.skinrect = place(TUpDownPart::None, TState::Normal);
    auto face = [&](TUpDownPart part, TState state, const TRect& placement) {
        TRect whole = place(part, state);
        return placement.Offset(whole.Left, whole.Top);
    };
    u.upbuttonrect = up;
    u.activeupbuttonrect = face(TUpDownPart::Up, TState::Hot, up);
    u.downupbuttonrect = face(TUpDownPart::Up, TState::Down, up);
    u.downbuttonrect = down;
    u.activedownbuttonrect = face(TUpDownPart::Down, TState::Hot, down);
    u.downdownbuttonrect = face(TUpDownPart::Down, TState::Down, down);
}

// Tabs: grey tabs with rounded tops; the selected one takes the page colour and an accent
// line along its top, thicker while the control has the focus. The four images are placed as
// states: normal, hot (pointer over it), "down" for the selected tab and "disabled" for the
// selected tab while the control has the focus.
void DrawTab(TPainter& p, const TRect& r, TState s)
{
    p.FillRect(r, kWindow);
    TBoxF box = TBoxF::Of(r);
    box.bottom += 6;
    bool selected = s == TState::Down || s == TState::Disabled;
    TColor fill = s == TState::Normal ? kTab : s == TState::Hot ? kCaptionHover : kPage;
    p.RoundBox(box, 5, TFill::Solid(kBorder));
    p.RoundBox(box.Inset(1), 4, TFill::Solid(fill));
    if (selected) {
        int line = s == TState::Disabled ? 3 : 2;
        p.RoundBox({box.left + 1, box.top + 1, box.right - 1, box.top + 8}, 4, TFill::Solid(kAccent));
        p.FillRect(Rect(r.Left + 1, r.Top + 1 + line, r.Right - 1, r.Top + 8), fill);
    } else {
        p.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), kBorder);
    }
}

void AddTab(TSkinArt& art, TAtlas& atlas)
{
    TRect frame = atlas.Place(40, 40, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kBorder);
        p.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), kPage);
    });
    TStateRects tabs = PlaceStates(atlas, {40, 24}, DrawTab);
    TRect strip = atlas.Place(8, 8, [](TPainter& p, const TRect& r) { p.FillRect(r, kWindow); });
    auto& t = art.AddControl<TbsDataSkinTabControl>("tab", "tab");
    t.pictureindex = kControlsPicture;
    t.skinrect = frame;
    t.tabrect = tabs.normal;
    t.mouseintabrect = tabs.hot;
    t.activetabrect = tabs.down;
    t.focustabrect = tabs.disabled;
    t.clientrect = Rect(1, 1, 39, 39);
    t.lefttoppoint = {4, 4};
    t.righttoppoint = {36, 4};
    t.leftbottompoint = {4, 36};
    t.rightbottompoint = {36, 36};
    t.tableftoffset = 6;
    t.tabrightoffset = 6;
    t.tabsbgrect = strip;
    SetFont(t, kTextMuted);
    t.activefontcolor = kText;
    t.focusfontcolor = kAccentDark;
    t.mouseinfontcolor = kText;
    t.updown = "hupdown";
}

void AddGrid(TSkinArt& art, TAtlas& atlas)
{
    TRect frame = atlas.Place(40, 40, [](TPainter& p, const TRect& r) { DrawListFrame(p, r, 0); });
    TRect fixed = atlas.Place(30, 20, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kTab);
        p.FillRect(Rect(r.Right - 1, r.Top, r.Right, r.Bottom), kSeparator);
        p.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), kBorder);
    });
    TRect select = atlas.Place(30, 20, [](TPainter& p, const TRect& r) { p.FillRect(r, kAccentTint); });
    TRect focus = atlas.Place(30, 20, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kAccentTint);
        p.RoundFrame(TBoxF::Of(r), 1, 1, kAccent);
    });
    auto& g = art.AddControl<TbsDataSkinGridControl>("grid", "grid");
    g.pictureindex = kControlsPicture;
    g.skinrect = frame;
    g.fixedcellrect = fixed;
    g.selectcellrect = select;
    g.focuscellrect = focus;
    g.fixedcellleftoffset = 2;
    g.fixedcellrightoffset = 2;
    g.fixedcelltextrect = Rect(3, 0, 27, 20);
    g.cellleftoffset = 2;
    g.cellrightoffset = 2;
    g.celltextrect = Rect(3, 0, 27, 20);
    g.linescolor = kSeparator;
    g.bgcolor = kSurface;
    SetFont(g, kText);
    g.selectfontcolor = kText;
    g.focusfontcolor = kAccentDark;
    g.fixedfontname = "Arial";
    g.fixedfontheight = 14;
    g.fixedfontstyle = uint8_t(TbsFontStyle::Bold);
    g.fixedfontcolor = kText;
}

} // namespace

void DrawListControls(TSkinArt& art, TAtlas& atlas)
{
    AddListBoxes(art, atlas);
    AddScrollBars(art, atlas);
    AddUpDown(art, atlas, "vupdown", true);
    AddUpDown(art, atlas, "hupdown", false);
    AddTab(art, atlas);
    AddGrid(art, atlas);
}

} // namespace tavrik::skingen
