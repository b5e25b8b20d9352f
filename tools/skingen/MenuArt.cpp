#include "Atlas.h"
#include "Palette.h"
#include "SkinArt.h"
#include "Theme.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

// A popup or hint window picture: a flat fill inside a one-pixel outline. The windows are
// rectangular, so the corners stay square.
TBitmap WindowPicture(int width, int height, TColor fill, TColor border)
{
    TPainter p(width, height, border);
    p.FillRect(Rect(1, 1, width - 1, height - 1), fill);
    return Quantise(p.ToBitmap(), Reserved());
}

void SetPopupWindow(TSkinArt& art)
{
    art.activepictures[kPopupPicture] = WindowPicture(24, 24, kSurface, kFrameBorder);
    TbsDataSkinPopupWindow& w = art.popup;
    w.windowpictureindex = kPopupPicture;
    w.maskpictureindex = -1;
    w.lefttoppoint = {4, 4};
    w.righttoppoint = {20, 4};
    w.leftbottompoint = {4, 20};
    w.rightbottompoint = {20, 20};
    w.itemsrect = Rect(3, 3, 21, 21);
    w.scrollmarkercolor = kTextMuted;
    w.scrollmarkeractivecolor = kAccent;
}

void SetHintWindow(TSkinArt& art)
{
    art.activepictures[kHintPicture] = WindowPicture(24, 22, kHint, kBorder);
    TbsDataSkinHintWindow& h = art.hint;
    h.windowpictureindex = kHintPicture;
    h.maskpictureindex = -1;
    h.lefttoppoint = {4, 4};
    h.righttoppoint = {20, 4};
    h.leftbottompoint = {4, 18};
    h.rightbottompoint = {20, 18};
    h.clientrect = Rect(6, 4, 18, 18);
    h.fontname = "Arial";
    h.fontheight = 13;
    h.fontcolor = kText;
}

// A highlight of rounded ends: the ends fall in the item's fixed caps, the middle is flat.
void DrawHighlight(TPainter& p, const TRect& r, TColor background, TColor fill)
{
    p.FillRect(r, background);
    p.RoundBox(TBoxF::Of(r).Inset(2), 3, TFill::Solid(fill));
}

template <class T>
void SetItemFonts(T& item)
{
    item.fontname = "Arial";
    item.fontheight = 14;
    item.fontcolor = kText;
    item.activefontcolor = kText;
    item.unenabledfontcolor = kTextDisabled;
}

void AddMenuItems(TSkinArt& art)
{
    TAtlas atlas(124, kSurface);
    TRect normal = atlas.Place(120, 24, [](TPainter& p, const TRect& r) { p.FillRect(r, kSurface); });
    TRect active = atlas.Place(120, 24, [](TPainter& p, const TRect& r) { DrawHighlight(p, r, kSurface, kAccentTint); });
    TRect divider = atlas.Place(120, 7, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kSurface);
        p.FillRect(Rect(r.Left + 8, r.Top + 3, r.Right - 8, r.Top + 4), kSeparator);
    });
    TRect barNormal = atlas.Place(40, 22, [](TPainter& p, const TRect& r) { p.FillRect(r, kCaption); });
    TRect barActive = atlas.Place(40, 22, [](TPainter& p, const TRect& r) { DrawHighlight(p, r, kCaption, kHover); });
    TRect barDown = atlas.Place(40, 22, [](TPainter& p, const TRect& r) { DrawHighlight(p, r, kCaption, kAccentPress); });
    art.activepictures[kMenuItemsPicture] = Quantise(atlas.Render().ToBitmap(), Reserved());

    auto& item = art.AddObject<TbsDataSkinMenuItem>("menuitem", "MENUITEM");
    item.activepictureindex = kMenuItemsPicture;
    item.skinrectinapicture = true;
    item.skinrect = normal;
    item.activeskinrect = active;
    item.morphing = true;
    item.morphkind = SkinMorphKind::mkDefault;
    item.itemleftoffset = 8;
    item.itemrightoffset = 8;
    item.dividerrect = divider;
    item.dividerleftoffset = 8;
    item.dividerrightoffset = 8;
    item.textrect = Rect(26, 0, 110, 24);
    SetItemFonts(item);

    auto& bar = art.AddObject<TbsDataSkinMainMenuBarItem>("mainmenubaritem", "mainmenubaritem1");
    bar.activepictureindex = kMenuItemsPicture;
    bar.skinrectinapicture = true;
    bar.skinrect = barNormal;
    bar.activeskinrect = barActive;
    bar.itemleftoffset = 5;
    bar.itemrightoffset = 5;
    bar.downrect = barDown;
    bar.textrect = Rect(6, 0, 34, 22);
    SetItemFonts(bar);
    bar.downfontcolor = kAccentDark;
}

// A quiet dotted tile for the background of multi-document parent windows.
void SetMdiBackground(TSkinArt& art)
{
    TPainter p(32, 32, kWindow);
    for (int y = 4; y < 32; y += 8)
        for (int x = 4; x < 32; x += 8) p.Circle({float(x), float(y)}, 0.9f, kBorder);
    art.activepictures[kMdiBackground] = Quantise(p.ToBitmap(), Reserved());
}

} // namespace

void DrawMenus(TSkinArt& art)
{
    SetPopupWindow(art);
    SetHintWindow(art);
    AddMenuItems(art);
    SetMdiBackground(art);
}

} // namespace tavrik::skingen
