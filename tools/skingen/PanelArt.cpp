#include "ControlArt.h"
#include "Glyphs.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinPanelControls.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

// A panel: the window colour inside a light outline, on a page.
void DrawPanel(TPainter& p, const TRect& r)
{
    OutlinedBox(p, TBoxF::Of(r), 4, kPage, TFill::Solid(kWindow), kSeparator);
}

// A panel with a caption band of the given height across its top.
void DrawBandedPanel(TPainter& p, const TRect& r, int band)
{
    TBoxF box = TBoxF::Of(r);
    p.FillRect(r, kPage);
    p.RoundBox(box, 5, TFill::Solid(kBorder));
    p.RoundBox(box.Inset(1), 4, TFill::Solid(kWindow));
    TRect bandRect = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Top + band);
    p.FillRect(bandRect, kTab);
    // The band keeps the rounded outline at its top corners.
    p.RoundFrame(box, 5, 1, kBorder);
    p.FillRect(Rect(r.Left + 1, r.Top + band, r.Right - 1, r.Top + band + 1), kSeparator);
}

void AddPanel(TSkinArt& art, TAtlas& atlas)
{
    TRect r = atlas.Place(40, 40, DrawPanel);
    auto& panel = art.AddControl<TbsDataSkinPanelControl>("panel", "panel");
    SetGeometry(panel, r, {6, 24}, {34, 24}, {6, 34}, {34, 34}, Rect(2, 2, 38, 38));
    panel.captionrect = Rect(5, 2, 35, 22);
    panel.alignment = TbsAlignment::taLeftJustify;
    SetFont(panel, kText, 14, uint8_t(TbsFontStyle::Bold));
    const auto& check = dynamic_cast<const TbsDataSkinCheckRadioControl&>(*art.controls.at("checkbox"));
    panel.checkimagerect = check.checkimagerect;
    panel.uncheckimagerect = check.uncheckimagerect;

    TRect g = atlas.Place(60, 60, [](TPainter& p, const TRect& at) { DrawBandedPanel(p, at, 22); });
    auto& group = art.AddControl<TbsDataSkinPanelControl>("panel", "groupbox");
    SetGeometry(group, g, {6, 24}, {54, 24}, {6, 54}, {54, 54}, Rect(3, 23, 57, 57));
    group.captionrect = Rect(5, 1, 55, 22);
    group.alignment = TbsAlignment::taLeftJustify;
    SetFont(group, kText, 14, uint8_t(TbsFontStyle::Bold));
    group.checkimagerect = check.checkimagerect;
    group.uncheckimagerect = check.uncheckimagerect;
}

void DrawBar(TPainter& p, const TRect& r, TColor fill, bool lineOnTop)
{
    p.FillRect(r, fill);
    int y = lineOnTop ? r.Top : r.Bottom - 1;
    p.FillRect(Rect(r.Left, y, r.Right, y + 1), kSeparator);
}

void AddBars(TSkinArt& art, TAtlas& atlas)
{
    TRect tool = atlas.Place(40, 30, [](TPainter& p, const TRect& r) { DrawBar(p, r, kWindow, false); });
    auto& toolpanel = art.AddControl<TbsDataSkinPanelControl>("panel", "toolpanel");
    SetGeometry(toolpanel, tool, {4, 4}, {36, 4}, {4, 26}, {36, 26}, Rect(2, 2, 38, 28));
    SetFont(toolpanel, kText);
    AddCopy(art, "panel", "resizetoolpanel", toolpanel);

    TRect big = atlas.Place(40, 48, [](TPainter& p, const TRect& r) { DrawBar(p, r, kWindow, false); });
    auto& bigtool = art.AddControl<TbsDataSkinPanelControl>("panel", "bigtoolpanel");
    SetGeometry(bigtool, big, {4, 4}, {36, 4}, {4, 44}, {36, 44}, Rect(2, 2, 38, 46));
    SetFont(bigtool, kText);

    TRect status = atlas.Place(40, 21, [](TPainter& p, const TRect& r) { DrawBar(p, r, kCaption, true); });
    auto& statusbar = art.AddControl<TbsDataSkinPanelControl>("panel", "statusbar");
    SetGeometry(statusbar, status, {4, 0}, {36, 0}, {}, {}, Rect(2, 3, 38, 19));
    SetFont(statusbar, kText);

    TRect cell = atlas.Place(40, 17, [](TPainter& p, const TRect& r) {
        OutlinedBox(p, TBoxF::Of(r), 3, kCaption, TFill::Solid(kCaption), kSeparator);
    });
    auto& statuspanel = art.AddControl<TbsDataSkinLabelControl>("label", "statuspanel");
    SetGeometry(statuspanel, cell, {4, 0}, {36, 0}, {}, {}, Rect(5, 0, 35, 17));
    SetFont(statuspanel, kText, 13);

    TRect label = atlas.Place(40, 21, [](TPainter& p, const TRect& r) { p.FillRect(r, kWindow); });
    auto& l = art.AddControl<TbsDataSkinLabelControl>("label", "label");
    SetGeometry(l, label, {4, 0}, {36, 0}, {}, {}, Rect(2, 0, 38, 21));
    SetFont(l, kText);

    TRect bar = atlas.Place(60, 22, [](TPainter& p, const TRect& r) { DrawBar(p, r, kCaption, false); });
    auto& menubar = art.AddControl<TbsDataSkinMainMenuBar>("mainmenubar", "mainmenubar");
    menubar.pictureindex = kControlsPicture;
    menubar.skinrect = bar;
    menubar.itemsrect = Rect(2, 0, 58, 21);
    menubar.menubaritem = "mainmenubaritem1";
    menubar.closebutton = "menubarclosebutton";
    menubar.minbutton = "menubarminbutton";
    menubar.maxbutton = "menubarmaxbutton";
    menubar.sysmenubutton = "menubarsysmenubutton";
    menubar.trackmarkcolor = kTextMuted;
    menubar.trackmarkactivecolor = kAccent;
}

// The close and roll buttons of a roll-up panel's caption band.
TStateRects PlaceBandButtons(TAtlas& atlas, const std::function<void(TPainter&, float, float, TColor)>& glyph)
{
    return PlaceStates(
        atlas, {17, 17},
        [=](TPainter& p, const TRect& r, TState s) {
            p.FillRect(r, kTab);
            if (s == TState::Hot || s == TState::Down)
                p.RoundBox(TBoxF::Of(r), 3, TFill::Solid(s == TState::Hot ? kHover : kPress));
            glyph(p, float(r.Left) + 8.5f, float(r.Top) + 8.5f, s == TState::Normal ? kGlyph : kText);
        },
        {TState::Normal, TState::Hot, TState::Down});
}

std::function<void(TPainter&, float, float, TColor)> Chevron(TDirection d)
{
    return [=](TPainter& p, float cx, float cy, TColor c) { ChevronGlyph(p, cx, cy, 8, d, c); };
}

void AddExPanel(TSkinArt& art, TAtlas& atlas)
{
    TRect body = atlas.Place(60, 60, [](TPainter& p, const TRect& r) { DrawBandedPanel(p, r, 21); });
    TRect rolledV = atlas.Place(60, 22, [](TPainter& p, const TRect& r) {
        TBoxF box = TBoxF::Of(r);
        p.FillRect(r, kPage);
        p.RoundBox(box, 5, TFill::Solid(kBorder));
        p.RoundBox(box.Inset(1), 4, TFill::Solid(kTab));
    });
    TRect rolledH = atlas.Place(22, 60, [](TPainter& p, const TRect& r) {
        TBoxF box = TBoxF::Of(r);
        p.FillRect(r, kPage);
        p.RoundBox(box, 5, TFill::Solid(kBorder));
        p.RoundBox(box.Inset(1), 4, TFill::Solid(kTab));
    });
    auto& x = art.AddControl<TbsDataSkinExPanelControl>("expanel", "expanel");
    SetGeometry(x, body, {6, 24}, {54, 24}, {6, 54}, {54, 54}, Rect(2, 22, 58, 58));
    x.rollhskinrect = rolledH;
    x.rollvskinrect = rolledV;
    x.rollleftoffset = 6;
    x.rollrightoffset = 6;
    x.rolltopoffset = 6;
    x.rollbottomoffset = 6;
    x.rollvcaptionrect = Rect(5, 2, 56, 19);
    x.rollhcaptionrect = Rect(2, 4, 19, 56);
    x.captionrect = Rect(5, 2, 56, 19);
    SetFont(x, kText, 14, uint8_t(TbsFontStyle::Bold));
    TStateRects close = PlaceBandButtons(atlas, [](TPainter& p, float cx, float cy, TColor c) { CloseGlyph(p, cx, cy, 7, c); });
    x.closebuttonrect = close.normal;
    x.closebuttonactiverect = close.hot;
    x.closebuttondownrect = close.down;
    TStateRects vroll = PlaceBandButtons(atlas, Chevron(TDirection::Up));
    x.vrollbuttonrect = vroll.normal;
    x.vrollbuttonactiverect = vroll.hot;
    x.vrollbuttondownrect = vroll.down;
    TStateRects vrestore = PlaceBandButtons(atlas, Chevron(TDirection::Down));
    x.vrestorebuttonrect = vrestore.normal;
    x.vrestorebuttonactiverect = vrestore.hot;
    x.vrestorebuttondownrect = vrestore.down;
    TStateRects hroll = PlaceBandButtons(atlas, Chevron(TDirection::Left));
    x.hrollbuttonrect = hroll.normal;
    x.hrollbuttonactiverect = hroll.hot;
    x.hrollbuttondownrect = hroll.down;
    TStateRects hrestore = PlaceBandButtons(atlas, Chevron(TDirection::Right));
    x.hrestorebuttonrect = hrestore.normal;
    x.hrestorebuttonactiverect = hrestore.hot;
    x.hrestorebuttondownrect = hrestore.down;
}

void AddPlainParts(TSkinArt& art, TAtlas& atlas)
{
    TRect band = atlas.Place(40, 26, [](TPainter& p, const TRect& r) { DrawBar(p, r, kCaption, false); });
    TRect frame = atlas.Place(40, 40, DrawPanel);
    auto& controlbar = art.AddControl<TbsDataSkinControlBar>("controlbar", "controlbar");
    SetGeometry(controlbar, frame, {6, 6}, {34, 6}, {6, 34}, {34, 34}, Rect(2, 2, 38, 38));
    controlbar.itemrect = band;

    // A scroll box holds controls: the window's own colour inside a plain outline.
    TRect box = atlas.Place(40, 40, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kBorder);
        p.FillRect(Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1), kWindow);
    });
    auto& scrollbox = art.AddControl<TbsDataSkinScrollBoxControl>("scrollbox", "scrollbox");
    SetGeometry(scrollbox, box, {2, 2}, {38, 2}, {2, 38}, {38, 38}, Rect(1, 1, 39, 39));

    TRect v = atlas.Place(6, 40, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kWindow);
        p.FillRect(Rect(r.Left + 2, r.Top, r.Left + 3, r.Bottom), kSeparator);
    });
    auto& vsplitter = art.AddControl<TbsDataSkinSplitterControl>("splitter", "vsplitter");
    SetGeometry(vsplitter, v, {0, 4}, {}, {0, 36}, {}, Rect(0, 4, 6, 36));
    TRect h = atlas.Place(40, 6, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kWindow);
        p.FillRect(Rect(r.Left, r.Top + 2, r.Right, r.Top + 3), kSeparator);
    });
    auto& hsplitter = art.AddControl<TbsDataSkinSplitterControl>("splitter", "hsplitter");
    SetGeometry(hsplitter, h, {4, 0}, {36, 0}, {}, {}, Rect(4, 0, 36, 6));

    auto& bevel = art.AddControl<TbsDataSkinBevel>("bevel", "bevel");
    bevel.lightcolor = kSurface;
    bevel.darkcolor = kBorder;
    auto& stdlabel = art.AddControl<TbsDataSkinStdLabelControl>("stdlabel", "stdlabel");
    SetFont(stdlabel, kText);
    stdlabel.activefontcolor = kAccent;
}

} // namespace

void DrawPanelControls(TSkinArt& art, TAtlas& atlas)
{
    AddPanel(art, atlas);
    AddExPanel(art, atlas);
    AddBars(art, atlas);
    AddPlainParts(art, atlas);
}

} // namespace tavrik::skingen
