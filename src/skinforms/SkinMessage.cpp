#include "skinforms/SkinMessage.h"

#include "gfx/SystemIcons.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinData.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinStdLabel.h"
#include "skinforms/MessageForm.h"
#include "skinforms/RevideruDadoZiri.h"
#include "ui/Application.h"
#include "ui/Image.h"
#include "ui/MessageBoxLayout.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

constexpr int kPlainButtonHeight = 25;

// The sound of a kind, as the desktop plays it for its own message boxes.
UINT BeepOf(TMsgDlgType kind)
{
    switch (kind) {
    case TMsgDlgType::mtWarning: return MB_ICONEXCLAMATION;
    case TMsgDlgType::mtError: return MB_ICONHAND;
    case TMsgDlgType::mtInformation: return MB_ICONASTERISK;
    case TMsgDlgType::mtConfirmation: return MB_ICONQUESTION;
    default: return MB_OK;
    }
}

// Buttons as high as the skin's button, or the plain 25.
int ButtonHeight(const TbsSkinData* skin, const std::string& name)
{
    if (!skin || skin->NoSkinLoaded()) return kPlainButtonHeight;
    const int index = skin->IndexOfSkinControl(name);
    if (index < 0) return kPlainButtonHeight;
    auto* button = dynamic_cast<const TbsDataSkinButtonControl*>(skin->SkinControls[size_t(index)].get());
    return button ? button->skinrect.Height() : kPlainButtonHeight;
}

TFont ArialOf(int height)
{
    TFont font;
    font.SetName("Arial");
    font.SetHeight(height);
    return font;
}

} // namespace

TbsSkinMessage::TbsSkinMessage(TComponent* owner)
    : TComponent(owner), defaultFont_(ArialOf(14)), defaultButtonFont_(ArialOf(14))
{
}

TbsSkinMessage::~TbsSkinMessage()
{
    if (installed_) SetMessageBoxHandler({});
}

void TbsSkinMessage::SetReference(TbsSkinData*& field, TbsSkinData* skinData)
{
    TbsSkinData* old = field;
    field = skinData;
    if (old && old != skinData_ && old != ctrlSkinData_) old->RemoveFreeNotification(this);
    if (field) field->FreeNotification(this);
}

void TbsSkinMessage::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == skinData_) skinData_ = nullptr;
    if (component == ctrlSkinData_) ctrlSkinData_ = nullptr;
}

void TbsSkinMessage::InstallAsMessageBoxHandler()
{
    installed_ = true;
    SetMessageBoxHandler([this](const std::string& msg, TMsgDlgType kind, TMsgDlgButtons buttons, int helpCtx) {
        return ShowMessageBox(msg, kind, buttons, helpCtx);
    });
}

int TbsSkinMessage::ShowMessageBox(const std::string& msg, TMsgDlgType kind, TMsgDlgButtons buttons, int helpCtx)
{
    TOwnedPtr<TbsMessageForm> form(new TbsMessageForm(Application()));
    TbsRevideruDadoZiri* frame = form->Frame();
    frame->SetSkinData(skinData_);
    frame->SetMenusSkinData(ctrlSkinData_);
    frame->SetAlphaBlend(alphaBlend_);
    frame->SetAlphaBlendAnimation(alphaBlendAnimation_);
    frame->SetAlphaBlendValue(alphaBlendValue_);
    form->SetHelpContext(helpCtx);
    // Made owned by the window it interrupts: a window manager keeps it above that window only
    // when it is told so as the window is made, and would otherwise raise the main window over
    // the box at a click on it.
    form->SetParentWindow(GetActiveWindow());
    // The client size below counts the frame's borders, which the window knows once it exists.
    form->HandleNeeded();

    const int buttonHeight = ButtonHeight(ctrlSkinData_, buttonSkinDataName_);
    form->SetLeft(Screen()->Width() / 2 - form->Width() / 2);
    form->SetTop(Screen()->Height() / 2 - form->Height() / 2);
    const char* caption = MsgDlgCaption(kind);
    form->SetCaption(kind == TMsgDlgType::mtCustom && Application() ? Application()->Title() : caption);

    TbsSkinStdLabel* label = form->MessageLabel();
    label->SetFont(defaultFont_);
    label->SetDefaultFont(defaultFont_);
    label->SetUseSkinFont(useSkinFont_);
    label->SetSkinDataName(messageLabelSkinDataName_);
    label->SetSkinData(ctrlSkinData_);
    label->SetAutoSize(true);
    label->SetCaption(msg);
    label->SetLeft(kMessageTextOrigin.x);
    label->SetTop(kMessageTextOrigin.y);

    TSystemIcon icon;
    if (MessageBoxIcon(kind, icon)) {
        auto* image = new TImage(form.get());
        image->SetName("Image");
        image->SetParent(form.get());
        image->SetTransparent(true);
        image->Picture().Assign(SystemIcon(icon, 32));
        image->SetBoundsRect(MessageIconRect(label->Height()));
    }

    const TSize client = MessageBoxClientSize({label->Width(), label->Height()}, buttons, buttonHeight);
    form->SetClientSize(client.cx, client.cy);
    if (frame->GetMaxWidth() < form->Width()) form->SetWidth(frame->GetMaxWidth());
    else if (form->Width() < frame->GetMinWidth()) form->SetWidth(frame->GetMinWidth());

    const TMsgDlgBtn defaultButton = MessageDefaultButton(buttons), cancelButton = MessageCancelButton(buttons);
    TbsMessageForm* box = form.get();
    for (const TMessageButtonPlace& place : MessageButtonRow(buttons, {form->ClientWidth(), form->ClientHeight()}, buttonHeight)) {
        const TMsgDlgButtonInfo& info = MsgDlgButtonInfo(place.Button);
        auto* button = new TbsSkinButton(box);
        button->SetParent(box);
        button->SetName(info.Name);
        button->SetCanFocused(true);
        button->SetCaption(info.Caption);
        button->SetModalResult(info.Result);
        button->SetDefault(place.Button == defaultButton);
        button->SetCancel(place.Button == cancelButton);
        button->SetDefaultHeight(buttonHeight);
        button->SetBoundsRect(place.Bounds);
        button->SetDefaultFont(defaultButtonFont_);
        button->SetUseSkinFont(useSkinFont_);
        if (place.Button == TMsgDlgBtn::mbHelp)
            button->OnClick = [this, box](TComponent*) {
                if (OnHelp) OnHelp(box->HelpContext());
            };
        button->SetSkinDataName(buttonSkinDataName_);
        button->SetSkinData(ctrlSkinData_);
        // The keyboard starts on the button Enter presses.
        if (place.Button == defaultButton) form->SetActiveControl(button);
    }
    form->AfterConstruction();
    MessageBeep(BeepOf(kind));
    return form->ShowModal();
}

} // namespace tavrik
