#pragma once

#include "skinforms/ActiveSkinObject.h"
#include "ui/Component.h"
#include "ui/MenuItem.h"

namespace tavrik {

class TbsDataSkinButton;

// A frame object that can be pressed, and can open a menu below itself (PopupItem).
//
//   event                    | effect
//   -------------------------+--------------------------------------------------------------
//   left press               | Down; the popup opens when there is one
//   left release, no popup   | up again (what the press means is left to the subclasses)
//   pointer leaves, held     | the pressed look goes while the pointer is away
//   menus closed             | the frame releases the button whose popup was open
class TbsSkinButtonObject : public TbsActiveSkinObject {
public:
    TbsSkinButtonObject(TbsRevideruDadoZiri* parent, const TbsDataSkinButton* data, const TbsSkinPictureSet* pictures);

    bool CanMorph() const override;
    void Draw(TCanvas& canvas, bool repaint) override;
    void MouseDown(int x, int y, TMouseButton button) override;
    void MouseUp(int x, int y, TMouseButton button) override;
    void MouseEnter() override;
    void MouseLeave() override;

    void SetDown(bool down);
    // The button's menu is open: it stays pressed and does not morph.
    bool PopupShown() const { return PopupItem.Get() && Down; }

    TRect downrect;
    TRect disableskinrsect;
    bool Down = false;
    TComponentRef<TMenuItem> PopupItem;
    int PopupPlacement = 0;

protected:
    void DrawButton(TCanvas& canvas, bool repaint);
    void ShowPopup();
};

} // namespace tavrik
