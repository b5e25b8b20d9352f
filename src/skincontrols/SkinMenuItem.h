#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

namespace tavrik {

class TCanvas;
class TMenuItem;
class TbsDataSkinMenuItem;
class TbsSkinPopupWindow;

// One entry of an open menu window: a menu item as the window shows it. An entry whose
// caption is "-" is a divider, never selected or clicked.
//
// Looks: with the skin's menu item object the background comes from its picture (the hot face
// while highlighted) and the text uses its fonts and colours; without one, a plain look of
// system colours. Between the two faces an entry of a morphing skin fades in steps of 0.1.
class TbsSkinMenuItem {
public:
    TbsSkinMenuItem(TbsSkinPopupWindow* parent, TMenuItem* item, const TbsDataSkinMenuItem* itemSkin,
                    const TBitmap* activePicture);
    virtual ~TbsSkinMenuItem() = default;

    TMenuItem* MenuItem() const { return item_; }
    const TbsDataSkinMenuItem* ItemSkin() const { return itemSkin_; }
    bool IsDivider() const;
    // Enabled and no divider: the entries the mouse and the keys enter.
    bool Selectable() const;
    bool HasSubmenu() const;
    // The height it asks for in its window's layout.
    int NeededHeight(int defaultHeight) const;

    TRect ItemRect;
    bool Active = false;  // highlighted
    bool Down = false;    // its submenu is open
    bool Visible = true;  // inside the scrolled range
    bool KeyboardSelected = false;
    double MorphFactor = 0;

    bool Highlighted() const { return Active || Down; }
    // Visible, and its face has not yet reached its state.
    virtual bool CanMorph() const;
    // Moves MorphFactor 0.1 towards its state; answers whether it moved.
    bool StepMorph();
    // Draws it at ItemRect (only while Visible).
    void Draw(TCanvas& canvas) const;
    // Its image at ItemRect's size in the given state.
    TBitmap Image(bool highlighted) const;

private:
    // Where the parts of an entry go inside its text area: the plain look and the skinned one
    // place them a little differently.
    struct TPlaces {
        int glyphColumn; // the caption starts this far right
        int shortCutGap; // the shortcut ends this far left of the right edge
        int imageX;      // offsets from the left edge
        int glyphX;
        int markX;
    };
    void DrawPlain(TCanvas& canvas, TSize size, bool highlighted) const;
    void DrawSkinned(TCanvas& canvas, TSize size, bool highlighted) const;
    // Caption, shortcut, submenu arrow and image or mark inside `inner`.
    void DrawContent(TCanvas& canvas, const TRect& inner, const TPlaces& at, TColor text) const;

    TbsSkinPopupWindow* parent_;
    TMenuItem* item_;
    const TbsDataSkinMenuItem* itemSkin_;
    const TBitmap* activePicture_;
};

} // namespace tavrik
