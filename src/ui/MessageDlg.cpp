#include "ui/MessageDlg.h"

#include "gfx/SystemIcons.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Screen.h"

#include <algorithm>
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

constexpr int kButtonWidth = 60;
constexpr int kButtonHeight = 25;
constexpr int kButtonGap = 10;

TMessageBoxHandler& Handler()
{
    static TMessageBoxHandler handler;
    return handler;
}

TMsgDlgBtn DefaultButton(TMsgDlgButtons set)
{
    if (HasButton(set, TMsgDlgBtn::mbOK)) return TMsgDlgBtn::mbOK;
    if (HasButton(set, TMsgDlgBtn::mbYes)) return TMsgDlgBtn::mbYes;
    return TMsgDlgBtn::mbRetry;
}

TMsgDlgBtn CancelButton(TMsgDlgButtons set)
{
    if (HasButton(set, TMsgDlgBtn::mbCancel)) return TMsgDlgBtn::mbCancel;
    if (HasButton(set, TMsgDlgBtn::mbNo)) return TMsgDlgBtn::mbNo;
    return TMsgDlgBtn::mbOK;
}

bool IconOf(TMsgDlgType type, TSystemIcon& icon)
{
    switch (type) {
    case TMsgDlgType::mtWarning: icon = TSystemIcon::Warning; return true;
    case TMsgDlgType::mtError: icon = TSystemIcon::Error; return true;
    case TMsgDlgType::mtInformation: icon = TSystemIcon::Information; return true;
    case TMsgDlgType::mtConfirmation: icon = TSystemIcon::Question; return true;
    default: return false;
    }
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
    label->SetLeft(50);
    label->SetTop(15);

    TSystemIcon icon;
    if (IconOf(type, icon)) {
        auto* image = new TImage(this);
        image->SetName("Image");
        image->SetParent(this);
        image->SetTransparent(true);
        image->Picture().Assign(SystemIcon(icon, 32));
        image->SetBounds(5, std::max(10, label->Top() + label->Height() / 2 - 16), 32, 32);
    }

    int n = 0;
    for (unsigned b = 0; b < kButtons.size(); ++b) n += HasButton(buttons, TMsgDlgBtn(b)) ? 1 : 0;
    int rowWidth = n > 0 ? n * kButtonWidth + (n - 1) * kButtonGap : 0;
    int labelRight = label->Left() + label->Width();
    int clientHeight = kButtonHeight + label->Height() + 50;
    int clientWidth = rowWidth < labelRight ? labelRight + 40 : rowWidth + 40;
    SetClientSize(clientWidth, clientHeight);
    // A text wider than the screen is cut, not wrapped.
    if (Width() > Screen()->WorkAreaRect().Width()) SetWidth(Screen()->WorkAreaRect().Width());

    TMsgDlgBtn defaultButton = DefaultButton(buttons), cancelButton = CancelButton(buttons);
    int x = (ClientWidth() - rowWidth) / 2;
    for (unsigned b = 0; b < kButtons.size(); ++b) {
        if (!HasButton(buttons, TMsgDlgBtn(b))) continue;
        auto* button = new TButton(this);
        button->SetName(kButtons[b].Name);
        button->SetParent(this);
        button->SetCaption(kButtons[b].Caption);
        button->SetModalResult(kButtons[b].Result);
        button->SetDefault(TMsgDlgBtn(b) == defaultButton);
        button->SetCancel(TMsgDlgBtn(b) == cancelButton);
        button->SetBounds(x, ClientHeight() - kButtonHeight - 10, kButtonWidth, kButtonHeight);
        if (button->Default()) SetActiveControl(button);
        x += kButtonWidth + kButtonGap;
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
