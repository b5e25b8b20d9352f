#include "app/WorkbenchSkin.h"

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinCustomEdit.h"
#include "skincontrols/SkinListView.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinSplitter.h"
#include "skincontrols/SkinStdLabel.h"
#include "skindialogs/SkinOpenPictureDialog.h"
#include "skindialogs/SkinSelectDirectoryDialog.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinHint.h"
#include "skinforms/SkinMessage.h"
#include "skinforms/SkinPageControl.h"
#include "ui/GraphicControl.h"
#include "ui/MaskEdit.h"
#include "ui/Memo.h"
#include "ui/NumericEdit.h"

#include <algorithm>

namespace tavrik {

namespace {

// Whether component is a control bound by name to a control skin (of any base) and, if so,
// gives it the skin data.
template <class... Bases>
bool BindSkinnedControl(TComponent* component, TbsSkinData* data)
{
    auto bind = [&]<class Base>() {
        auto* control = dynamic_cast<TbsSkinBound<Base>*>(component);
        if (control) control->SetSkinData(data);
        return control != nullptr;
    };
    return (bind.template operator()<Bases>() || ...);
}

void BindComponent(TComponent* c, TbsSkinData* data)
{
    if (BindSkinnedControl<TCustomControl, TGraphicControl, TMaskEdit, TNumericEdit, TMemo, TCustomListView, TSplitter>(
            c, data))
        return;
    if (auto* label = dynamic_cast<TbsSkinStdLabel*>(c)) label->SetSkinData(data);
    else if (auto* pages = dynamic_cast<TbsSkinPageControl*>(c)) pages->SetSkinData(data);
    else if (auto* menu = dynamic_cast<TbsSkinPopupMenu*>(c)) menu->SetSkinData(data);
    else if (auto* hint = dynamic_cast<TbsSkinHint*>(c)) hint->SetSkinData(data);
    else if (auto* message = dynamic_cast<TbsSkinMessage*>(c)) {
        message->SetSkinData(data);
        message->SetCtrlSkinData(data);
    } else if (auto* frame = dynamic_cast<TbsRevideruDadoZiri*>(c)) {
        frame->SetSkinData(data);
        frame->SetMenusSkinData(data);
    } else if (auto* pictures = dynamic_cast<TbsSkinOpenPictureDialog*>(c)) { // the save dialog too
        pictures->SetSkinData(data);
        pictures->SetCtrlSkinData(data);
    } else if (auto* folders = dynamic_cast<TbsSkinSelectDirectoryDialog*>(c)) {
        folders->SetSkinData(data);
        folders->SetCtrlSkinData(data);
    }
}

} // namespace

void LoadWorkbenchSkin(TbsStoredSkin& stored, TbsSkinData& data)
{
    LoadProgramSkin(stored);
    // Applied without keeping a reference: the skin data outlives nothing it points to.
    data.ApplyStoredSkin(stored);
}

void BindWorkbenchSkin(const TComponent& owner, TbsSkinData* data, std::initializer_list<const TComponent*> plain)
{
    for (int i = 0; i < owner.ComponentCount(); ++i) {
        TComponent* c = owner.Components(i);
        if (std::find(plain.begin(), plain.end(), c) == plain.end()) BindComponent(c, data);
    }
}

TbsRevideruDadoZiri* NewWorkbenchFrame(TForm& form, TbsBorderIcons icons)
{
    auto* frame = new TbsRevideruDadoZiri(&form);
    frame->SetName("bsRevideruDadoZiri1");
    // The frame keeps a close button whatever the icons say; a window given none shows none.
    frame->SetHideCaptionButtons(icons == TbsBorderIcons{});
    frame->SetBorderIcons(icons);
    frame->SetShowIcon(false);
    frame->SetAlphaBlend(false);
    frame->SetAlphaBlendValue(200);
    frame->SetMagnetic(false);
    frame->SetMagneticSize(5);
    frame->SetUseDefaultSysMenu(true);
    frame->SetDefMenuItemHeight(20);
    for (TFont* font : {&frame->DefCaptionFont(), &frame->DefInActiveCaptionFont()}) {
        font->SetName("Arial");
        font->SetHeight(15);
        font->SetStyle(fsBold);
    }
    frame->DefInActiveCaptionFont().SetColor(clBtnShadow);
    return frame;
}

} // namespace tavrik
