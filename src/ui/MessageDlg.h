#pragma once

#include "ui/ControlTypes.h"

#include <functional>
#include <initializer_list>
#include <string>

namespace tavrik {

// Kinds of message boxes, with their captions: "Warning", "Error", "Information", "Confirm",
// and for mtCustom the application's title without an icon.
enum class TMsgDlgType : uint8_t { mtWarning, mtError, mtInformation, mtConfirmation, mtCustom };

// The buttons, in the order they appear.
enum class TMsgDlgBtn : uint8_t { mbYes, mbNo, mbOK, mbCancel, mbAbort, mbRetry, mbIgnore, mbAll, mbNoToAll, mbYesToAll, mbHelp };
// A set of buttons: bit n is button n.
using TMsgDlgButtons = unsigned;

constexpr TMsgDlgButtons MsgDlgButtons(std::initializer_list<TMsgDlgBtn> buttons)
{
    TMsgDlgButtons set = 0;
    for (TMsgDlgBtn b : buttons) set |= 1u << unsigned(b);
    return set;
}
constexpr bool HasButton(TMsgDlgButtons set, TMsgDlgBtn b) { return (set >> unsigned(b)) & 1u; }

struct TMsgDlgButtonInfo {
    const char* Name;    // component name
    const char* Caption; // "&Yes", "OK", ...
    TModalResult Result;
};
const TMsgDlgButtonInfo& MsgDlgButtonInfo(TMsgDlgBtn button);
// "Warning", "Error", "Information", "Confirm"; "" for mtCustom.
const char* MsgDlgCaption(TMsgDlgType type);

// Shows a modal message box and answers the ModalResult of the button that closed it
// (mrCancel when it was closed otherwise). It goes through the installed message box
// handler; without one, through PlainMessageBox.
int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);
// An information message with one OK button.
void ShowMessage(const std::string& msg);

using TMessageBoxHandler =
    std::function<int(const std::string& Msg, TMsgDlgType Type, TMsgDlgButtons Buttons, int HelpCtx)>;
// Lets another message box (the skinned one) take over; answers the previous handler. An
// empty handler brings back the plain box.
TMessageBoxHandler SetMessageBoxHandler(TMessageBoxHandler handler);

// The plain box: the kind's system icon at the left, the text beside it, the buttons
// centred below, 60 x 25 pixels each with 10 between. The default button (Enter) is OK, else
// Yes, else Retry; the cancel button (Esc) is Cancel, else No, else OK.
int PlainMessageBox(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0);

} // namespace tavrik
