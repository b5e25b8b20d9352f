#pragma once

#include "ui/Component.h"
#include "ui/MessageDlg.h"

#include <string>

namespace tavrik {

// The one message box component of a window: every message the workbench shows goes through
// it, so that the skinned box can take its place. Shows the framework's message box.
class TPlainMessage : public TComponent {
public:
    explicit TPlainMessage(TComponent* owner) : TComponent(owner) {}
    const char* ClassName() const override { return "TPlainMessage"; }

    // Modal; answers the result of the button that closed it.
    int MessageDlg(const std::string& msg, TMsgDlgType type, TMsgDlgButtons buttons, int helpCtx = 0)
    {
        return tavrik::MessageDlg(msg, type, buttons, helpCtx);
    }
    // The workbench's usual message: information with one OK button.
    void Inform(const std::string& msg)
    {
        MessageDlg(msg, TMsgDlgType::mtInformation, MsgDlgButtons({TMsgDlgBtn::mbOK}));
    }
};

} // namespace tavrik
