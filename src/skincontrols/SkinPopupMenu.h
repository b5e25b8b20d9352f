#pragma once

#include "core/Geometry.h"
#include "ui/PopupMenu.h"

namespace tavrik {

class TControl;
class TForm;
class TbsSkinData;
class TbsSkinMenuHost;

// A popup menu that its form's skinned menu engine shows (a right click on a control whose
// PopupMenu it is, or Popup). The engine is found through the skinned frame of PopupForm:
// the form set for it, else the owner or the owner's owner when that is a form; without a
// frame nothing is shown. Unlike the plain menu, Popup returns at once: the chosen item's
// command runs later, when it is clicked.
class TbsSkinPopupMenu : public TPopupMenu {
public:
    explicit TbsSkinPopupMenu(TComponent* owner);
    ~TbsSkinPopupMenu() override;
    const char* ClassName() const override { return "TbsSkinPopupMenu"; }

    // Without one at the first popup, the frame's MenusSkinData, else its SkinData, is taken
    // and kept.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data);
    TForm* PopupForm() const;
    void SetPopupForm(TForm* form);

    // At a screen point, below it (above when it does not fit).
    void Popup(int x, int y) override;
    // At a screen rectangle: below it, or above it with upward.
    void PopupAt(const TRect& r, bool upward);
    // For a skinned control that asks (a menu button, an edit's context menu): the control
    // hears SKM_MENUCLOSED and SKM_MENUCOMMAND. The edit's menu shows only with a skin data.
    void PopupFromControl(TControl* control, const TRect& r, bool upward);
    void PopupAtPoint(TControl* control, TPoint p);

    void Notification(TComponent* component, TOperation operation) override;

private:
    // The frame's host after OnPopup, with SkinData defaulted; nullptr when there is none.
    TbsSkinMenuHost* PrepareHost();
    void Show(TbsSkinMenuHost* host, TControl* control, const TRect& r, bool upward);

    TbsSkinData* skinData_ = nullptr;
    TComponentRef<TForm> popupForm_;
};

} // namespace tavrik
