#include "skindialogs/SelDirDlgForm.h"

#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinScrollBar.h"
#include "skindialogs/SkinDirTreeView.h"
#include "skinforms/RevideruDadoZiri.h"

namespace tavrik {

namespace {

constexpr int kBottomPaneHeight = 50;
constexpr int kScrollBarSize = 19;
constexpr TRect kOkBounds{20, 15, 90, 40};
constexpr TRect kCancelBounds{100, 15, 170, 40};

template <class T>
T* Place(TWinControl* parent, const char* name)
{
    auto* control = new T(parent->Owner());
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

TbsSkinScrollBar* PlaceBar(TWinControl* parent, const char* name, bool vertical)
{
    auto* bar = Place<TbsSkinScrollBar>(parent, name);
    bar->SetKind(vertical ? TbsScrollBarKind::sbVertical : TbsScrollBarKind::sbHorizontal);
    bar->SetSkinDataName(vertical ? "vscrollbar" : "hscrollbar");
    bar->SetAlign(vertical ? TAlign::alRight : TAlign::alBottom);
    if (vertical) bar->SetWidth(kScrollBarSize);
    else bar->SetHeight(kScrollBarSize);
    bar->SetEnabled(false);
    return bar;
}

TbsSkinButton* PlaceButton(TWinControl* parent, const char* name, const char* caption, TModalResult result,
                           TRect bounds)
{
    auto* button = Place<TbsSkinButton>(parent, name);
    button->SetCaption(caption);
    button->SetModalResult(result);
    button->SetCanFocused(true);
    button->SetBoundsRect(bounds);
    return button;
}

} // namespace

TbsSelDirDlgForm::TbsSelDirDlgForm(TComponent* owner) : TForm(owner)
{
    SetPosition(TPosition::poScreenCenter);
    SetKeyPreview(true);
    Frame = new TbsRevideruDadoZiri(this);
    Frame->SetBorderIcons({});

    BottomPanel = Place<TbsSkinPanel>(this, "BottomPanel");
    BottomPanel->SetAlign(TAlign::alBottom);
    BottomPanel->SetHeight(kBottomPaneHeight);
    BottomPanel->SetBorderStyle(TbsBevelStyle::bvNone);
    MainPanel = Place<TbsSkinPanel>(this, "MainPanel");
    MainPanel->SetAlign(TAlign::alClient);
    MainPanel->SetBorderStyle(TbsBevelStyle::bvFrame);

    VScrollBar = PlaceBar(MainPanel, "VScrollBar", true);
    HScrollBar = PlaceBar(MainPanel, "HScrollBar", false);
    DirTree = Place<TbsSkinDirTreeView>(MainPanel, "DirTree");
    DirTree->SetAlign(TAlign::alClient);
    DirTree->SetHideSelection(false);
    // A folder made by another program while the dialog is open shows up in it.
    DirTree->SetAutoRefresh(true);
    DirTree->SetVScrollBar(VScrollBar);
    DirTree->SetHScrollBar(HScrollBar);

    OkButton = PlaceButton(BottomPanel, "OkButton", "OK", mrOk, kOkBounds);
    OkButton->SetDefault(true);
    CancelButton = PlaceButton(BottomPanel, "CancelButton", "Cancel", mrCancel, kCancelBounds);
    CancelButton->SetCancel(true);
    SetActiveControl(DirTree);
}

void TbsSelDirDlgForm::ApplySkins(TbsSkinData* frameSkin, TbsSkinData* controlSkin, const TFont& font)
{
    Frame->SetSkinData(frameSkin);
    Frame->SetMenusSkinData(controlSkin);
    DirTree->SetDefaultFont(font);
    for (TbsSkinButton* button : {OkButton, CancelButton}) button->SetDefaultFont(font);
    MainPanel->SetSkinData(controlSkin);
    BottomPanel->SetSkinData(controlSkin);
    VScrollBar->SetSkinData(controlSkin);
    HScrollBar->SetSkinData(controlSkin);
    DirTree->SetSkinData(controlSkin);
    OkButton->SetSkinData(controlSkin);
    CancelButton->SetSkinData(controlSkin);
}

} // namespace tavrik
