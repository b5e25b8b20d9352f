#include "ControlArt.h"
#include "Glyphs.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"

namespace tavrik::skingen {

using namespace theme;

namespace {

// A text field: white inside a rounded outline that turns blue, with a soft inner ring,
// while the field is hot or focused.
void DrawField(TPainter& p, const TRect& r, bool active, float radius = 3)
{
    OutlinedBox(p, TBoxF::Of(r), radius, kWindow, TFill::Solid(kSurface), active ? kAccent : kBorder);
    if (active) p.RoundFrame(TBoxF::Of(r).Inset(1), radius - 1, 1, kAccentRing);
}

// The face of a button inside a field, drawn over the field's own picture.
void DrawFieldButton(TPainter& p, const TRect& r, TState s, const std::function<void(TPainter&, float, float, TColor)>& glyph)
{
    p.FillRect(r, kSurface);
    if (s == TState::Hot || s == TState::Down)
        p.RoundBox(TBoxF::Of(r), 2.5f, TFill::Solid(s == TState::Hot ? kHover : kPress));
    TColor ink = s == TState::Disabled ? kTextDisabled : s == TState::Normal ? kGlyph : kText;
    glyph(p, float(r.Left) + float(r.Width()) / 2, float(r.Top) + float(r.Height()) / 2, ink);
}

template <class T>
void SetEditFonts(T& e)
{
    SetFont(e, kText);
    e.activefontcolor = kText;
    e.disabledfontcolor = kTextDisabled;
}

void AddEdits(TSkinArt& art, TAtlas& atlas)
{
    TRect normal = atlas.Place(60, 20, [](TPainter& p, const TRect& r) { DrawField(p, r, false); });
    TRect active = atlas.Place(60, 20, [](TPainter& p, const TRect& r) { DrawField(p, r, true); });
    auto& edit = art.AddControl<TbsDataSkinEditControl>("edit", "edit");
    SetGeometry(edit, normal, {5, 0}, {55, 0}, {}, {}, Rect(5, 3, 55, 17));
    edit.activeskinrect = active;
    SetEditFonts(edit);
    AddCopy(art, "edit", "statusedit", edit);
    AddCopy(art, "edit", "tooledit", edit);

    auto dots = [](TPainter& p, float cx, float cy, TColor c) { DotsGlyph(p, cx, cy, c); };
    auto withButton = [=](bool activeFrame) {
        return [=](TPainter& p, const TRect& r) {
            DrawField(p, r, activeFrame);
            p.FillRect(Rect(r.Left + 58, r.Top + 4, r.Left + 59, r.Bottom - 4), kSeparator);
            DrawFieldButton(p, Rect(r.Left + 59, r.Top + 2, r.Left + 78, r.Top + 18), TState::Normal, dots);
        };
    };
    TRect buttonNormal = atlas.Place(80, 20, withButton(false));
    TRect buttonActive = atlas.Place(80, 20, withButton(true));
    TStateRects faces = PlaceStates(
        atlas, {19, 16}, [=](TPainter& p, const TRect& r, TState s) { DrawFieldButton(p, r, s, dots); },
        {TState::Hot, TState::Down, TState::Disabled});
    auto& buttonedit = art.AddControl<TbsDataSkinEditControl>("edit", "buttonedit");
    SetGeometry(buttonedit, buttonNormal, {5, 0}, {58, 0}, {}, {}, Rect(5, 3, 57, 17));
    buttonedit.activeskinrect = buttonActive;
    SetEditFonts(buttonedit);
    buttonedit.buttonrect = Rect(59, 2, 78, 18);
    buttonedit.activebuttonrect = faces.hot;
    buttonedit.downbuttonrect = faces.down;
    buttonedit.unenabledbuttonrect = faces.disabled;
    AddCopy(art, "edit", "statusbuttonedit", buttonedit);
    AddCopy(art, "edit", "toolbuttonedit", buttonedit);

    TRect memoNormal = atlas.Place(40, 40, [](TPainter& p, const TRect& r) { DrawField(p, r, false); });
    TRect memoActive = atlas.Place(40, 40, [](TPainter& p, const TRect& r) { DrawField(p, r, true); });
    auto& memo = art.AddControl<TbsDataSkinMemoControl>("memo", "memo");
    SetGeometry(memo, memoNormal, {4, 4}, {36, 4}, {4, 36}, {36, 36}, Rect(3, 3, 37, 37));
    memo.activeskinrect = memoActive;
    SetEditFonts(memo);
    memo.bgcolor = kSurface;
    memo.activebgcolor = kSurface;

    auto& richedit = art.AddControl<TbsDataSkinRichEdit>("richedit", "richedit");
    SetFont(richedit, kText);
    richedit.bgcolor = kSurface;
}

void AddSpinEdits(TSkinArt& art, TAtlas& atlas)
{
    auto up = [](TPainter& p, float cx, float cy, TColor c) { ChevronGlyph(p, cx, cy + 0.5f, 7, TDirection::Up, c); };
    auto down = [](TPainter& p, float cx, float cy, TColor c) { ChevronGlyph(p, cx, cy - 0.5f, 7, TDirection::Down, c); };
    auto spin = [=](bool activeFrame) {
        return [=](TPainter& p, const TRect& r) {
            DrawField(p, r, activeFrame);
            p.FillRect(Rect(r.Left + 42, r.Top + 3, r.Left + 43, r.Bottom - 3), kSeparator);
            DrawFieldButton(p, Rect(r.Left + 43, r.Top + 2, r.Left + 58, r.Top + 10), TState::Normal, up);
            DrawFieldButton(p, Rect(r.Left + 43, r.Top + 10, r.Left + 58, r.Top + 18), TState::Normal, down);
        };
    };
    TRect normal = atlas.Place(60, 20, spin(false));
    TRect active = atlas.Place(60, 20, spin(true));
    TStateRects upFaces = PlaceStates(
        atlas, {15, 8}, [=](TPainter& p, const TRect& r, TState s) { DrawFieldButton(p, r, s, up); },
        {TState::Hot, TState::Down});
    TStateRects downFaces = PlaceStates(
        atlas, {15, 8}, [=](TPainter& p, const TRect& r, TState s) { DrawFieldButton(p, r, s, down); },
        {TState::Hot, TState::Down});
    auto& s = art.AddControl<TbsDataSkinSpinEditControl>("spinedit", "spinedit");
    SetGeometry(s, normal, {5, 0}, {42, 0}, {}, {}, Rect(5, 3, 42, 17));
    s.activeskinrect = active;
    SetEditFonts(s);
    s.upbuttonrect = Rect(43, 2, 58, 10);
    s.activeupbuttonrect = upFaces.hot;
    s.downupbuttonrect = upFaces.down;
    s.downbuttonrect = Rect(43, 10, 58, 18);
    s.activedownbuttonrect = downFaces.hot;
    s.downdownbuttonrect = downFaces.down;
    AddCopy(art, "spinedit", "statusspinedit", s);
    AddCopy(art, "spinedit", "toolspinedit", s);
}

// The combo box is 41 x 18: a three-pixel left cap, a tiled middle and a twenty-pixel right
// cap holding the drop-down button at (26, 2, 39, 16).
void AddComboBoxes(TSkinArt& art, TAtlas& atlas)
{
    auto chevron = [](TPainter& p, float cx, float cy, TColor c) { ChevronGlyph(p, cx, cy, 7, TDirection::Down, c); };
    TRect normal = atlas.Place(41, 18, [=](TPainter& p, const TRect& r) {
        DrawField(p, r, false, 2.5f);
        DrawFieldButton(p, Rect(r.Left + 26, r.Top + 2, r.Left + 39, r.Top + 16), TState::Normal, chevron);
    });
    TStateRects faces = PlaceStates(
        atlas, {13, 14}, [=](TPainter& p, const TRect& r, TState s) { DrawFieldButton(p, r, s, chevron); },
        {TState::Hot, TState::Down, TState::Disabled});
    TRect focus = atlas.Place(24, 16, [](TPainter& p, const TRect& r) {
        p.FillRect(r, kSurface);
        p.RoundBox(TBoxF::Of(r), 2, TFill::Solid(kAccentTint));
    });
    auto& c = art.AddControl<TbsDataSkinComboBox>("combobox", "combobox");
    SetGeometry(c, normal, {3, 0}, {21, 0}, {}, {}, Rect(1, 1, 24, 17));
    c.focusitemrect = focus;
    c.itemleftoffset = 2;
    c.itemrightoffset = 2;
    c.itemtextrect = Rect(3, 0, 22, 16);
    SetFont(c, kText);
    c.focusfontcolor = kText;
    c.listboxname = "listbox";
    c.buttonrect = Rect(26, 2, 39, 16);
    c.activebuttonrect = faces.hot;
    c.downbuttonrect = faces.down;
    c.unenabledbuttonrect = faces.disabled;
    for (const char* name : {"captioncombobox", "statuscombobox", "toolcombobox"}) AddCopy(art, "combobox", name, c);
}

} // namespace

void DrawFieldControls(TSkinArt& art, TAtlas& atlas)
{
    AddEdits(art, atlas);
    AddSpinEdits(art, atlas);
    AddComboBoxes(art, atlas);
}

} // namespace tavrik::skingen
