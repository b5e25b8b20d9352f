#include "ui/MessageDlg.h"

#include "gfx/SystemIcons.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/MessageBoxLayout.h"
#include "ui/Screen.h"

#include <utility>
#include <array>

namespace tavrik {

namespace {

constexpr std::array<TMsgDlgButtonInfo, 11> kButtons = {{
    {"Yes", "&Yes", mrYes},
    {"No", "&No", mrNo},
    {"OK", "OK", mrOk},
    {"Cancel", "Cancel", mrCancel},
    {"Abort", "&Abort", mrAbort},
    {"Retry", "&Retry", mrRetry},
    {"Ignore", "&Ignore", mrIgnore},
    {"All", "&All", mrAll},
    {"NoToAll", "N&oToAll", mrNoToAll},
    {"YesToAll", "&YesToAll", mrYesToAll},
    {"Help", "&Help", mrNone},
}};

constexpr int kButtonHeight = 25;

TMessageBoxHandler& Handler()
{
    static TMessageBoxHandler handler;
    return handler;
}

// The box of one call: built, shown modally and freed by PlainMessageBox.
class TPlainMessageForm : public TForm {
public:
    TPlainMessageForm(TComponent* owner, const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons);
};

TPlainMessageForm::TPlainMessageForm(TComponent* owner, const std::string& msg, TMsgDlgType type,
                                     TMsgDlgButtons buttons)
    : TForm(owner)
{
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetBorderIcons(biSystemMenu);
    SetPosition(TPosition::poScreenCenter);
    SetKeyPreview(true);
    SetCaption(type == TMsgDlgType::mtCustom ? (Application() ? Application()->Title() : std::string())
                                             : MsgDlgCaption(type));

    auto* label = new TLabel(this);
    label->SetName("Message");
    label->SetParent(this);
    label->SetCaption(msg);
    label->SetLeft(kMessageTextOrigin.x);
    label->SetTop(kMessageTextOrigin.y);

    TSystemIcon icon;
    if (MessageBoxIcon(type, icon)) {
        auto* image = new TImage(this);
        image->SetName("Image");
        image->SetParent(this);
        image->SetTransparent(true);
        image->Picture().Assign(SystemIcon(icon, 32));
        image->SetBoundsRect(MessageIconRect(label->Height()));
    }

    TSize client = MessageBoxClientSize({label->Width(), label->Height()}, buttons, kButtonHeight);
    SetClientSize(client.cx, client.cy);
    // A text wider than the screen is cut, not wrapped.
    if (Width() > Screen()->WorkAreaRect().Width()) SetWidth(Screen()->WorkAreaRect().Width());

    TMsgDlgBtn defaultButton = MessageDefaultButton(buttons), cancelButton = MessageCancelButton(buttons);
    for (const TMessageButtonPlace& place : MessageButtonRow(buttons, {ClientWidth(), ClientHeight()}, kButtonHeight)) {
        const TMsgDlgButtonInfo& info = MsgDlgButtonInfo(place.Button);
        auto* button = new TButton(this);
        button->SetName(info.Name);
        button->SetParent(this);
        button->SetCaption(info.Caption);
        button->SetModalResult(info.Result);
        button->SetDefault(place.Button == defaultButton);
        button->SetCancel(place.Button == cancelButton);
        button->SetBoundsRect(place.Bounds);
        if (button->Default()) SetActiveControl(button);
    }
}

} // namespace

const TMsgDlgButtonInfo& MsgDlgButtonInfo(TMsgDlgBtn button) { return kButtons.at(size_t(button)); }

const char* MsgDlgCaption(TMsgDlgType type)
{
    switch (type) {
    case TMsgDlgType::mtWarning: return "Warning";
    case TMsgDlgType::mtError: return "Error";
    case TMsgDlgType::mtInformation: return "Information";
    case TMsgDlgType::mtConfirmation: return "Confirm";
    default: return "";
    }
}

int PlainMessageBox(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx)
{
    (void)helpCtx;
    TOwnedPtr<TPlainMessageForm> form(new TPlainMessageForm(Application(), msg, type, buttons));
    form->AfterConstruction();
    return form->ShowModal();
}

int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx)
{
    TMessageBoxHandler handler = Handler(); // a copy: the handler may replace itself
    if (handler) return handler(msg, type, buttons, helpCtx);
    return PlainMessageBox(msg, type, buttons, helpCtx);
}

void ShowMessage(const std::string& msg) { MessageDlg(msg, TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK})); }

TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler)
{
    std::swap(Handler(), handler);
    return handler;
}

} // namespace tavrik
