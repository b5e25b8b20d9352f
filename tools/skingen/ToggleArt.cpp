#include "ControlArt.h"
#include "Glyphs.h"
#include "skin/DataSkinButtonControls.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

// Check marks are drawn with a transparent key: their bottom-left pixel, kept at the flat
// background by a one-pixel margin around the box. A checked mark is filled with the accent
// (lighter under the pointer); an unchecked one is a white box whose outline turns blue.
void DrawCheckMark(TPainter& p, const TRect& r, TState s, bool checked, bool radio)
{
    p.FillRect(r, kWindow);
    TBoxF box = TBoxF::Of(r).Inset(1);
    TPointF centre{box.CenterX(), box.CenterY()};
    float radius = radio ? box.Width() / 2 : 3;
    if (checked) {
        TColor fill = s == TState::Disabled ? kTextDisabled : s == TState::Hot ? kAccentLight : kAccent;
        p.RoundBox(box, radius, TFill::Solid(fill));
        if (radio) p.Circle(centre, 2.5f, clWhite);
        else CheckGlyph(p, centre.x, centre.y, 8, clWhite);
        return;
    }
    TColor border = s == TState::Hot ? kAccent : s == TState::Disabled ? kDisabledBorder : kBorderStrong;
    p.RoundBox(box, radius, TFill::Solid(border));
    p.RoundBox(box.Inset(1), radius - 1, TFill::Solid(s == TState::Disabled ? kDisabledFill : kSurface));
}

struct TCheckImages {
    TRect check, uncheck, activeCheck, activeUncheck, disabledCheck, disabledUncheck;
};

TCheckImages PlaceCheckImages(TAtlas& atlas, bool radio)
{
    auto place = [&](TState s, bool checked) {
        return atlas.Place(16, 16, [=](TPainter& p, const TRect& r) { DrawCheckMark(p, r, s, checked, radio); });
    };
    TCheckImages images;
    images.check = place(TState::Normal, true);
    images.uncheck = place(TState::Normal, false);
    images.activeCheck = place(TState::Hot, true);
    images.activeUncheck = place(TState::Hot, false);
    images.disabledCheck = place(TState::Disabled, true);
    images.disabledUncheck = place(TState::Disabled, false);
    return images;
}

void AddCheckRadio(TSkinArt& art, TAtlas& atlas, const std::string& name, bool radio, const TRect& background)
{
    TCheckImages images = PlaceCheckImages(atlas, radio);
    auto& c = art.AddControl<TbsDataSkinCheckRadioControl>("checkradio", name);
    SetGeometry(c, background, {20, 0}, {64, 0}, {}, {}, Rect(20, 0, 68, 16));
    c.maskpictureindex = kCheckMask;
    SetFont(c, kText);
    c.activefontcolor = kText;
    c.unenabledfontcolor = kTextDisabled;
    c.framefontcolor = kText;
    c.activeskinrect = background;
    c.checkimagearea = Rect(0, 0, 16, 16);
    c.textarea = Rect(20, 0, 68, 16);
    c.checkimagerect = images.check;
    c.uncheckimagerect = images.uncheck;
    c.activecheckimagerect = images.activeCheck;
    c.activeuncheckimagerect = images.activeUncheck;
    c.unenabledcheckimagerect = images.disabledCheck;
    c.unenableduncheckimagerect = images.disabledUncheck;
}

void AddCheckBoxes(TSkinArt& art, TAtlas& atlas)
{
    TRect background = atlas.Place(68, 16, [](TPainter& p, const TRect& r) { p.FillRect(r, kWindow); });
    AddCheckRadio(art, atlas, "checkbox", false, background);
    AddCheckRadio(art, atlas, "radiobox", true, background);
    art.activepictures[kCheckMask] = ShapeMask(68, 16, [](TPainter& p) { p.FillRect(Rect(0, 0, 68, 16), clBlack); });
}

// A track bar body: a thin rounded groove across the middle of a flat background; the
// filled body has the groove in the accent.
void DrawTrack(TPainter& p, const TRect& r, bool vertical, bool filled)
{
    p.FillRect(r, kWindow);
    TBoxF box = TBoxF::Of(r);
    TBoxF groove = vertical ? TBoxF{box.CenterX() - 2, box.top + 3, box.CenterX() + 2, box.bottom - 3}
                            : TBoxF{box.left + 3, box.CenterY() - 2, box.right - 3, box.CenterY() + 2};
    p.RoundBox(groove, 2, TFill::Solid(filled ? kAccent : kGroove));
}

// The thumb is copied over the track as it is, so it carries the groove behind it: filled on
// the side the value grows from (left, or bottom when standing), as the bar fills up to the
// thumb's centre. A white knob in a thick accent ring, filled with the accent while it is
// dragged or focused.
void DrawThumb(TPainter& p, const TRect& r, bool vertical, bool active)
{
    p.FillRect(r, kWindow);
    TBoxF box = TBoxF::Of(r);
    const int cx = int(box.CenterX()), cy = int(box.CenterY());
    if (vertical) {
        p.FillRect(Rect(cx - 2, r.Top, cx + 2, cy), kGroove);
        p.FillRect(Rect(cx - 2, cy, cx + 2, r.Bottom), kAccent);
    } else {
        p.FillRect(Rect(r.Left, cy - 2, cx, cy + 2), kAccent);
        p.FillRect(Rect(cx, cy - 2, r.Right, cy + 2), kGroove);
    }
    TPointF centre{box.CenterX(), box.CenterY()};
    p.Circle(centre, 7, active ? kAccentDark : kAccent);
    p.Circle(centre, active ? 2.5f : 5, clWhite);
}

void AddTrackBar(TSkinArt& art, TAtlas& atlas, const std::string& name, bool vertical)
{
    TSize size = vertical ? TSize{20, 80} : TSize{80, 20};
    TSize thumb = vertical ? TSize{20, 16} : TSize{16, 20};
    TRect body = atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& r) { DrawTrack(p, r, vertical, false); });
    TRect filled = atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& r) { DrawTrack(p, r, vertical, true); });
    TRect normal = atlas.Place(thumb.cx, thumb.cy, [=](TPainter& p, const TRect& r) { DrawThumb(p, r, vertical, false); });
    TRect active = atlas.Place(thumb.cx, thumb.cy, [=](TPainter& p, const TRect& r) { DrawThumb(p, r, vertical, true); });
    auto& t = art.AddControl<TbsDataSkinTrackBarControl>("trackbar", name);
    if (vertical) SetGeometry(t, body, {0, 8}, {}, {0, 72}, {}, Rect(0, 8, 20, 72));
    else SetGeometry(t, body, {8, 0}, {72, 0}, {}, {}, Rect(8, 0, 72, 20));
    t.maskpictureindex = vertical ? kVTrackMask : kHTrackMask;
    t.trackarea = vertical ? Rect(0, 2, 20, 78) : Rect(2, 0, 78, 20);
    t.buttonrect = normal;
    t.activebuttonrect = active;
    t.vertical = vertical;
    t.filledskinrect = filled;
    art.activepictures[vertical ? kVTrackMask : kHTrackMask] = ShapeMask(size.cx, size.cy, [=](TPainter& p) {
        p.RoundBox({0, 0, float(size.cx), float(size.cy)}, 4, TFill::Solid(clBlack));
    });
}

// A progress trough: a light grey rounded bar on the colour of what it sits on; the fill is
// the accent with the trough's colour in its rounded corners.
void DrawTrough(TPainter& p, const TRect& r, TColor background)
{
    OutlinedBox(p, TBoxF::Of(r), 4, background, TFill::Solid(kTrack), kBorder);
}

void DrawProgress(TPainter& p, const TRect& r)
{
    p.FillRect(r, kTrack);
    p.RoundBox(TBoxF::Of(r), 3, TFill::Solid(kAccent));
}

void AddGauge(TSkinArt& art, TAtlas& atlas, const std::string& name, TSize size, bool vertical,
              TColor background = kWindow)
{
    TRect trough = atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& r) { DrawTrough(p, r, background); });
    TSize bar = vertical ? TSize{size.cx - 4, 40} : TSize{40, size.cy - 4};
    TRect progress = atlas.Place(bar.cx, bar.cy, DrawProgress);
    auto& g = art.AddControl<TbsDataSkinGaugeControl>("gauge", name);
    if (vertical) SetGeometry(g, trough, {0, 5}, {}, {0, size.cy - 5}, {}, Rect(2, 2, size.cx - 2, size.cy - 2));
    else SetGeometry(g, trough, {5, 0}, {size.cx - 5, 0}, {}, {}, Rect(2, 2, size.cx - 2, size.cy - 2));
    g.progressarea = Rect(2, 2, size.cx - 2, size.cy - 2);
    g.progressrect = progress;
    g.beginoffset = 3;
    g.endoffset = 3;
    g.vertical = vertical;
    SetFont(g, kText, 13);
}

void AddSlider(TSkinArt& art, TAtlas& atlas, const TRect& hthumb, const TRect& vthumb)
{
    TRect hruler = atlas.Place(60, 6, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kWindow);
        p.RoundBox(TBoxF::Of(r).Inset(1), 2, TFill::Solid(kGroove));
    });
    TRect vruler = atlas.Place(6, 60, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kWindow);
        p.RoundBox(TBoxF::Of(r).Inset(1), 2, TFill::Solid(kGroove));
    });
    auto& s = art.AddControl<TbsDataSkinSlider>("slider", "slider");
    s.pictureindex = kControlsPicture;
    s.bgcolor = kWindow;
    s.hrulerrect = hruler;
    s.hthumbrect = hthumb;
    s.vrulerrect = vruler;
    s.vthumbrect = vthumb;
    s.edgesize = 2;
    s.pointscolor = kTextMuted;
}

} // namespace

void DrawToggleControls(TSkinArt& art, TAtlas& atlas)
{
    AddCheckBoxes(art, atlas);
    AddTrackBar(art, atlas, "htrackbar", false);
    AddTrackBar(art, atlas, "trackbar", true);
    AddGauge(art, atlas, "vgauge", {16, 100}, true);
    AddGauge(art, atlas, "gauge", {100, 16}, false);
    AddGauge(art, atlas, "statusgauge", {100, 17}, false, kCaption); // on the status bar
    const auto& h = dynamic_cast<const TbsDataSkinTrackBarControl&>(*art.controls.at("htrackbar"));
    const auto& v = dynamic_cast<const TbsDataSkinTrackBarControl&>(*art.controls.at("trackbar"));
    AddSlider(art, atlas, h.buttonrect, v.buttonrect);
}

} // namespace tavrik::skingen
