#include "ControlArt.h"
#include "Glyphs.h"
#include "skin/DataSkinButtonControls.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

void DrawPushButton(TPainter& p, const TRect& r, TState s)
{
    TButtonLook look = ButtonLook(s, float(r.Top), float(r.Bottom));
    OutlinedBox(p, TBoxF::Of(r), 4, kWindow, look.fill, look.border);
}

// Tool buttons sit flat on their bar until the pointer finds them.
TButtonLook ToolLook(TState s)
{
    switch (s) {
    case TState::Hot: return {TFill::Solid(kHover), kBorder};
    case TState::Down: return {TFill::Solid(kPress), kBorderStrong};
    case TState::Disabled: return {TFill::Solid(kWindow), kWindow};
    case TState::Normal: break;
    }
    return {TFill::Solid(kWindow), kSeparator};
}

void DrawToolButton(TPainter& p, const TRect& r, TState s)
{
    TButtonLook look = ToolLook(s);
    OutlinedBox(p, TBoxF::Of(r), 4, kWindow, look.fill, look.border);
}

TColor ArrowInk(TState s)
{
    return s == TState::Disabled ? kTextDisabled : s == TState::Normal ? kGlyph : kText;
}

// A tool button whose right part, from splitX on, opens a menu.
TStateDraw MenuButtonDraw(int splitX)
{
    return [=](TPainter& p, const TRect& r, TState s) {
        DrawToolButton(p, r, s);
        TColor line = s == TState::Normal || s == TState::Disabled ? kSeparator : ToolLook(s).border;
        if (splitX > 0) p.FillRect(Rect(r.Left + splitX, r.Top + 4, r.Left + splitX + 1, r.Bottom - 4), line);
        float cx = float(r.Left + splitX + (r.Width() - splitX) / 2) + (splitX > 0 ? 0.5f : 0.0f);
        ChevronGlyph(p, cx, float(r.Top) + float(r.Height()) / 2, 7, TDirection::Down, ArrowInk(s));
    };
}

void DrawHeaderSection(TPainter& p, const TRect& r, TState s)
{
    TFill fill = s == TState::Hot        ? TFill::Solid(kHover)
                 : s == TState::Down     ? TFill::Solid(kPress)
                 : s == TState::Disabled ? TFill::Solid(kDisabledFill)
                                         : TFill::Vertical(kSurface, kWindow, float(r.Top), float(r.Bottom));
    p.FillRect(r, fill);
    p.FillRect(Rect(r.Right - 1, r.Top + 3, r.Right, r.Bottom - 3), kSeparator);
    p.FillRect(Rect(r.Left, r.Bottom - 1, r.Right, r.Bottom), kBorder);
}

template <class T>
T& AddButtonLike(TSkinArt& art, const std::string& type, const std::string& name, const TStateRects& rects)
{
    T& b = art.AddControl<T>(type, name);
    b.activeskinrect = rects.hot;
    b.downskinrect = rects.down;
    b.disabledskinrect = rects.disabled;
    SetFont(b, kText);
    b.activefontcolor = kText;
    b.downfontcolor = kAccentDark;
    b.disabledfontcolor = kTextDisabled;
    b.morphing = true;
    b.morphkind = SkinMorphKind::mkDefault;
    return b;
}

void AddPushButton(TSkinArt& art, TAtlas& atlas)
{
    TStateRects r = PlaceStates(atlas, {60, 20}, DrawPushButton);
    auto& b = AddButtonLike<TbsDataSkinButtonControl>(art, "button", "button", r);
    SetGeometry(b, r.normal, {5, 0}, {55, 0}, {}, {}, Rect(5, 2, 55, 18));
    b.maskpictureindex = kButtonMask;
    b.activefontcolor = kAccentDark;
    art.activepictures[kButtonMask] =
        ShapeMask(60, 20, [](TPainter& p) { p.RoundBox({0, 0, 60, 20}, 4, TFill::Solid(clBlack)); });
}

void AddToolButtons(TSkinArt& art, TAtlas& atlas)
{
    TStateRects small = PlaceStates(atlas, {24, 24}, DrawToolButton);
    auto& tool = AddButtonLike<TbsDataSkinButtonControl>(art, "button", "toolbutton", small);
    SetGeometry(tool, small.normal, {5, 5}, {19, 5}, {5, 19}, {19, 19}, Rect(3, 3, 21, 21));
    for (const char* name : {"resizetoolbutton", "menuitembutton", "htracktoolbutton", "vtracktoolbutton"})
        AddCopy(art, "button", name, tool);

    TStateRects big = PlaceStates(atlas, {40, 40}, DrawToolButton);
    auto& bigTool = AddButtonLike<TbsDataSkinButtonControl>(art, "button", "bigtoolbutton", big);
    SetGeometry(bigTool, big.normal, {6, 6}, {34, 6}, {6, 34}, {34, 34}, Rect(4, 4, 36, 36));
}

void AddMenuButtons(TSkinArt& art, TAtlas& atlas)
{
    TStateRects r = PlaceStates(atlas, {36, 24}, MenuButtonDraw(24));
    auto& menu = AddButtonLike<TbsDataSkinMenuButtonControl>(art, "menubutton", "toolmenubutton", r);
    SetGeometry(menu, r.normal, {5, 5}, {19, 5}, {5, 19}, {19, 19}, Rect(3, 3, 23, 21));
    menu.trackbuttonrect = Rect(24, 0, 36, 24);

    r = PlaceStates(atlas, {12, 24}, MenuButtonDraw(0));
    auto& track = AddButtonLike<TbsDataSkinMenuButtonControl>(art, "menubutton", "toolmenutrackbutton", r);
    SetGeometry(track, r.normal, {0, 5}, {}, {0, 19}, {}, Rect(0, 3, 12, 21));
    track.trackbuttonrect = Rect(0, 0, 12, 24);

    r = PlaceStates(atlas, {52, 40}, MenuButtonDraw(40));
    auto& bigMenu = AddButtonLike<TbsDataSkinMenuButtonControl>(art, "menubutton", "bigtoolmenubutton", r);
    SetGeometry(bigMenu, r.normal, {6, 6}, {34, 6}, {6, 34}, {34, 34}, Rect(4, 4, 39, 36));
    bigMenu.trackbuttonrect = Rect(40, 0, 52, 40);

    r = PlaceStates(atlas, {12, 40}, MenuButtonDraw(0));
    auto& bigTrack = AddButtonLike<TbsDataSkinMenuButtonControl>(art, "menubutton", "bigtoolmenutrackbutton", r);
    SetGeometry(bigTrack, r.normal, {0, 6}, {}, {0, 34}, {}, Rect(0, 4, 12, 36));
    bigTrack.trackbuttonrect = Rect(0, 0, 12, 40);
}

void AddHeaderButton(TSkinArt& art, TAtlas& atlas)
{
    TStateRects r = PlaceStates(atlas, {40, 20}, DrawHeaderSection);
    auto& header = AddButtonLike<TbsDataSkinButtonControl>(art, "button", "resizebutton", r);
    SetGeometry(header, r.normal, {3, 3}, {36, 3}, {3, 17}, {36, 17}, Rect(4, 2, 36, 18));
    header.morphing = false;
}

} // namespace

void DrawButtonControls(TSkinArt& art, TAtlas& atlas)
{
    AddPushButton(art, atlas);
    AddToolButtons(art, atlas);
    AddMenuButtons(art, atlas);
    AddHeaderButton(art, atlas);
}

} // namespace tavrik::skingen
