#pragma once

#include "Atlas.h"
#include "SkinArt.h"
#include "Theme.h"
#include "skin/SkinIni.h"

#include <functional>

namespace tavrik::skingen {

// The state an element image shows.
enum class TState { Normal, Hot, Down, Disabled };

struct TStateRects {
    TRect normal, hot, down, disabled;
};

using TStateDraw = std::function<void(TPainter&, const TRect&, TState)>;

// Places the images of the listed states side by side; states not listed stay empty.
TStateRects PlaceStates(TAtlas& atlas, TSize size, const TStateDraw& draw,
                        std::initializer_list<TState> states = {TState::Normal, TState::Hot, TState::Down,
                                                                TState::Disabled});

// A rounded box with a one-pixel outline on a flat background that fills its rectangle.
void OutlinedBox(TPainter& p, const TBoxF& box, float radius, TColor background, const TFill& fill, TColor border);

// The look shared by push buttons and tool buttons for each state.
struct TButtonLook {
    TFill fill;
    TColor border;
};
TButtonLook ButtonLook(TState state, float top, float bottom);

// Sets the geometry keys of a custom control skin drawn from the controls picture.
void SetGeometry(TbsDataSkinCustomControl& c, const TRect& skinrect, TPoint lefttop, TPoint righttop,
                 TPoint leftbottom, TPoint rightbottom, const TRect& clientrect);
// The keys of one font.
template <class T>
void SetFont(T& c, TColor colour, int height = 14, TbsFontStyles style = 0)
{
    c.fontname = "Arial";
    c.fontheight = height;
    c.fontstyle = style;
    c.fontcolor = colour;
}

// Copies every key of one control skin into another of the same class under a new name.
template <class T>
T& AddCopy(TSkinArt& art, const std::string& typeWord, const std::string& name, const T& original)
{
    T& copy = art.AddControl<T>(typeWord, name);
    TbsSkinIni ini;
    original.SaveToIni(ini);
    copy.IDName = original.IDName;
    copy.LoadFromIni(ini);
    copy.IDName = name;
    return copy;
}

void DrawButtonControls(TSkinArt& art, TAtlas& atlas);  // buttons, tool buttons, menu buttons, header
void DrawToggleControls(TSkinArt& art, TAtlas& atlas);  // check boxes, radio buttons, track bars, gauges, slider
void DrawPanelControls(TSkinArt& art, TAtlas& atlas);   // panels, group box, roll-up panel, bars, labels
void DrawFieldControls(TSkinArt& art, TAtlas& atlas);   // edits, spin edits, combo boxes, memo
void DrawListControls(TSkinArt& art, TAtlas& atlas);    // list boxes, scroll bars, up-downs, tabs, grid

} // namespace tavrik::skingen

namespace tavrik::skingen {

// A 1-bit mask of a shape drawn in black: a pixel is inside when the shape covers at least
// half of it.
TBitmap ShapeMask(int width, int height, const std::function<void(TPainter&)>& draw);

} // namespace tavrik::skingen
