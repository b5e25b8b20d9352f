#include "Atlas.h"
#include "Glyphs.h"
#include "Palette.h"
#include "SkinArt.h"
#include "Theme.h"

#include <functional>

namespace tavrik::skingen {

using namespace theme;

namespace {

// The frame picture: a window of 216 x 167 with one outline around a flat caption bar and a
// thin border of the client's colour, so that the client area meets the border without a
// second line. The top corners are rounded more than the bottom ones, which must stay within
// the four-pixel border.
//
//    0  4 12                              204  212 216
//    +--+-+--------- caption bar ----------+---+--+   0
//    |  | | (sysmenu)  caption1  (buttons) |   |  |
//    +--+-+--------------------------------+---+--+  32  clientrect.Top
//    |  |                                         |
//    |  |            client area                  |
//    +--+-------------------------------------+---+ 163  clientrect.Bottom
//    +--------------------------------------------+ 167
constexpr int kFrameWidth = 216;
constexpr int kFrameHeight = 167;
constexpr TRect kClient = {4, 32, 212, 163};
constexpr int kTopRadius = 8;
constexpr int kBottomRadius = 4;
constexpr TRect kCaptionRow = {6, 4, 210, 28};

// Fills the window's shape, inset by the given width, with c: rounded top corners from the
// first box, rounded bottom corners from the second, each used for its half of the picture.
void FillWindowShape(TPainter& p, float inset, TColor c)
{
    TPainter upper = p, lower = p;
    float w = float(kFrameWidth), h = float(kFrameHeight);
    upper.RoundBox({inset, inset, w - inset, h + 2 * kTopRadius}, float(kTopRadius) - inset, TFill::Solid(c));
    lower.RoundBox({inset, -2.0f * kTopRadius, w - inset, h - inset}, float(kBottomRadius) - inset, TFill::Solid(c));
    int half = kFrameHeight / 2;
    p.Copy(upper, Rect(0, 0, kFrameWidth, half), {0, 0});
    p.Copy(lower, Rect(0, half, kFrameWidth, kFrameHeight), {0, half});
}

TPainter FramePainter()
{
    TPainter p(kFrameWidth, kFrameHeight, kOutside);
    FillWindowShape(p, 0, kFrameBorder);
    FillWindowShape(p, 1, kWindow);
    // The caption bar: the window's shape cut off above the line that closes it.
    TPainter caption = p;
    FillWindowShape(caption, 1, kCaption);
    p.Copy(caption, Rect(0, 0, kFrameWidth, kClient.Top - 1), {0, 0});
    p.FillRect(Rect(1, kClient.Top - 1, kFrameWidth - 1, kClient.Top), kSeparator);
    return p;
}

TBitmap FrameMask()
{
    TPainter shape(kFrameWidth, kFrameHeight, clWhite);
    FillWindowShape(shape, 0, clBlack);
    return MakeMask(kFrameWidth, kFrameHeight, TPixelFormat::pf4bit,
                    [&](int x, int y) { return GetRValue(shape.Pixel(x, y)) < 128; });
}

void SetFormInfo(TbsSkinFormInfo& f)
{
    f.lefttoppoint = {12, kClient.Top};
    f.righttoppoint = {kFrameWidth - 12, kClient.Top};
    f.leftbottompoint = {12, kClient.Bottom};
    f.rightbottompoint = {kFrameWidth - 12, kClient.Bottom};
    f.clientrect = kClient;
    f.bgpictureindex = -1;
    f.mdibgpictureindex = kMdiBackground;
    f.maskrectarea = kClient;
    f.hittestlefttoppoint = {12, 12};
    f.hittestrighttoppoint = {kFrameWidth - 12, 12};
    f.hittestleftbottompoint = {12, kFrameHeight - 12};
    f.hittestrightbottompoint = {kFrameWidth - 12, kFrameHeight - 12};
    f.buttonsrect = {};
    f.captionrect = kCaptionRow;
    f.buttonsoffset = 2;
    f.borderwidth = 4;
    f.inactiveeffect = SkinInactiveEffect::ieBrightness;
}

enum class TFace { Normal, Hot, Down, Disabled, Inactive };
using TGlyph = std::function<void(TPainter&, float, float, TColor)>;

// One caption button face: the caption bar's colour with a rounded highlight for the hot and
// pressed states. The close button turns red.
void DrawFace(TPainter& p, const TRect& r, TFace face, bool danger, const TGlyph& glyph)
{
    p.FillRect(r, kCaption);
    TBoxF box = TBoxF::Of(r).Inset(1);
    TColor ink = kGlyph;
    if (face == TFace::Hot) {
        p.RoundBox(box, 4, TFill::Solid(danger ? kDanger : kCaptionHover));
        ink = danger ? clWhite : kText;
    } else if (face == TFace::Down) {
        p.RoundBox(box, 4, TFill::Solid(danger ? kDangerDark : kCaptionPress));
        ink = danger ? clWhite : kText;
    } else if (face == TFace::Disabled || face == TFace::Inactive) {
        ink = kTextDisabled;
    }
    glyph(p, float(r.Left) + float(r.Width()) / 2, float(r.Top) + float(r.Height()) / 2, ink);
}

struct TFaces {
    TRect normal, hot, down, disabled;
};

TFaces PlaceFaces(TAtlas& atlas, TSize size, bool danger, TGlyph glyph, TFace last = TFace::Disabled)
{
    auto place = [&](TFace face) {
        return atlas.Place(size.cx, size.cy,
                           [=](TPainter& p, const TRect& r) { DrawFace(p, r, face, danger, glyph); });
    };
    TFaces f{place(TFace::Normal), place(TFace::Hot), place(TFace::Down), place(last)};
    return f;
}

TbsDataSkinStdButton& AddCaptionButton(TSkinArt& art, const std::string& type, const std::string& name,
                                       SkinCommand command, const TFaces& faces)
{
    auto& b = type == "stdbutton" ? art.AddObject<TbsDataSkinStdButton>(type, name)
                                  : art.AddObject<TbsDataSkinMainMenuBarButton>(type, name);
    b.activepictureindex = kActivePicture;
    b.skinrectinapicture = true;
    b.skinrect = faces.normal;
    b.activeskinrect = faces.hot;
    b.downrect = faces.down;
    b.disableskinrsect = faces.disabled;
    b.morphing = true;
    b.morphkind = SkinMorphKind::mkDefault;
    b.command = command;
    return b;
}

void SetRestoreFaces(TbsDataSkinStdButton& b, const TFaces& faces)
{
    b.restorerect = faces.normal;
    b.restoreactiverect = faces.hot;
    b.restoredownrect = faces.down;
    b.restoreinactiverect = faces.disabled;
}

void AddCaption(TSkinArt& art)
{
    auto& c = art.AddObject<TbsDataSkinCaption>("caption", "caption1");
    c.skinrect = kCaptionRow;
    c.textrect = Rect(6, 0, kCaptionRow.Width() - 6, kCaptionRow.Height());
    c.fontname = "Arial";
    c.fontheight = 15;
    c.fontstyle = uint8_t(TbsFontStyle::Bold);
    c.fontcolor = kTextMuted;
    c.activefontcolor = kText;
    c.alignment = TbsAlignment::taLeftJustify;
    c.shadowcolor = kCaption;
    c.activeshadowcolor = kCaption;
}

TGlyph Glyph(void (*draw)(TPainter&, float, float, float, TColor), float size)
{
    return [=](TPainter& p, float cx, float cy, TColor c) { draw(p, cx, cy, size, c); };
}

TGlyph Chevron(TDirection d, float size)
{
    return [=](TPainter& p, float cx, float cy, TColor c) { ChevronGlyph(p, cx, cy, size, d, c); };
}

TGlyph AppIcon(float size)
{
    return [=](TPainter& p, float cx, float cy, TColor c) { AppGlyph(p, cx, cy, size, c == kTextDisabled); };
}

void AddCaptionButtons(TSkinArt& art, TAtlas& atlas)
{
    const TSize big{28, 24}, small{18, 16};
    AddCaptionButton(art, "stdbutton", "closebutton", SkinCommand::cmClose,
                     PlaceFaces(atlas, big, true, Glyph(CloseGlyph, 10)));
    auto& max = AddCaptionButton(art, "stdbutton", "maxbutton", SkinCommand::cmMaximize,
                                 PlaceFaces(atlas, big, false, Glyph(MaximizeGlyph, 10)));
    SetRestoreFaces(max, PlaceFaces(atlas, big, false, Glyph(RestoreGlyph, 10), TFace::Inactive));
    AddCaptionButton(art, "stdbutton", "minbutton", SkinCommand::cmMinimize,
                     PlaceFaces(atlas, big, false, Glyph(MinimizeGlyph, 10)));
    auto& roll = AddCaptionButton(art, "stdbutton", "rollupbutton", SkinCommand::cmRollUp,
                                  PlaceFaces(atlas, big, false, Chevron(TDirection::Up, 10)));
    SetRestoreFaces(roll, PlaceFaces(atlas, big, false, Chevron(TDirection::Down, 10), TFace::Inactive));
    AddCaptionButton(art, "stdbutton", "systemmenubutton", SkinCommand::cmSysMenu,
                     PlaceFaces(atlas, {24, 24}, false, AppIcon(16)));
    AddCaptionButton(art, "stdbutton", "traybutton", SkinCommand::cmMinimizeToTray,
                     PlaceFaces(atlas, big, false, Glyph(TrayGlyph, 10)));
    AddCaptionButton(art, "mainmenubarbutton", "menubarsysmenubutton", SkinCommand::cmSysMenu,
                     PlaceFaces(atlas, small, false, AppIcon(12)));
    AddCaptionButton(art, "mainmenubarbutton", "menubarclosebutton", SkinCommand::cmClose,
                     PlaceFaces(atlas, small, true, Glyph(CloseGlyph, 8)));
    AddCaptionButton(art, "mainmenubarbutton", "menubarmaxbutton", SkinCommand::cmMaximize,
                     PlaceFaces(atlas, small, false, Glyph(MaximizeGlyph, 8)));
    AddCaptionButton(art, "mainmenubarbutton", "menubarminbutton", SkinCommand::cmMinimize,
                     PlaceFaces(atlas, small, false, Glyph(MinimizeGlyph, 8)));
}

} // namespace

void DrawFrame(TSkinArt& art)
{
    art.picture = Quantise(FramePainter().ToBitmap(), Reserved());
    art.mask = FrameMask();
    SetFormInfo(art.form);
    AddCaption(art);
    TAtlas atlas(4 * 30 + 2, kCaption);
    AddCaptionButtons(art, atlas);
    art.activepictures[kActivePicture] = Quantise(atlas.Render().ToBitmap(), Reserved());
}

} // namespace tavrik::skingen
