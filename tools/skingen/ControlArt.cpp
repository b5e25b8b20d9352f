#include "ControlArt.h"

#include "Palette.h"

namespace tavrik::skingen {

using namespace theme;

TStateRects PlaceStates(TAtlas& atlas, TSize size, const TStateDraw& draw, std::initializer_list<TState> states)
{
    TStateRects rects;
    for (TState state : states) {
        TRect r = atlas.Place(size.cx, size.cy, [=](TPainter& p, const TRect& at) { draw(p, at, state); });
        switch (state) {
        case TState::Normal: rects.normal = r; break;
        case TState::Hot: rects.hot = r; break;
        case TState::Down: rects.down = r; break;
        case TState::Disabled: rects.disabled = r; break;
        }
    }
    return rects;
}

void OutlinedBox(TPainter& p, const TBoxF& box, float radius, TColor background, const TFill& fill, TColor border)
{
    p.FillRect(Rect(int(box.left), int(box.top), int(box.right), int(box.bottom)), background);
    p.RoundBox(box, radius, TFill::Solid(border));
    p.RoundBox(box.Inset(1), std::max(0.0f, radius - 1), fill);
}

TButtonLook ButtonLook(TState state, float top, float bottom)
{
    switch (state) {
    case TState::Hot: return {TFill::Vertical(kSurface, kAccentTint, top, bottom), kAccent};
    case TState::Down: return {TFill::Solid(kAccentPress), kAccentDark};
    case TState::Disabled: return {TFill::Solid(kDisabledFill), kDisabledBorder};
    case TState::Normal: break;
    }
    return {TFill::Vertical(kSurface, kWindow, top, bottom), kBorder};
}

void SetGeometry(TbsDataSkinCustomControl& c, const TRect& skinrect, TPoint lefttop, TPoint righttop,
                 TPoint leftbottom, TPoint rightbottom, const TRect& clientrect)
{
    c.pictureindex = kControlsPicture;
    c.skinrect = skinrect;
    c.lefttoppoint = lefttop;
    c.righttoppoint = righttop;
    c.leftbottompoint = leftbottom;
    c.rightbottompoint = rightbottom;
    c.clientrect = clientrect;
}

void DrawControls(TSkinArt& art)
{
    TAtlas atlas(360, kWindow);
    DrawButtonControls(art, atlas);
    DrawToggleControls(art, atlas);
    DrawPanelControls(art, atlas);
    DrawFieldControls(art, atlas);
    DrawListControls(art, atlas);
    art.activepictures[kControlsPicture] = Quantise(atlas.Render().ToBitmap(), Reserved());
}

} // namespace tavrik::skingen

namespace tavrik::skingen {

TBitmap ShapeMask(int width, int height, const std::function<void(TPainter&)>& draw)
{
    TPainter shape(width, height, clWhite);
    draw(shape);
    return MakeMask(width, height, TPixelFormat::pf1bit, [&](int x, int y) { return GetRValue(shape.Pixel(x, y)) < 128; });
}

} // namespace tavrik::skingen
