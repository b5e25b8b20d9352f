#pragma once

#include "ui/Form.h"

namespace tavrik {

class TbsRevideruDadoZiri;
class TbsSkinStdLabel;

// The form of one skinned message box: a dialog centred on the screen with a skinned frame
// that keeps only its close button, the message text and whatever TbsSkinMessage puts on it.
class TbsMessageForm : public TForm {
public:
    explicit TbsMessageForm(TComponent* owner);
    const char* ClassName() const override { return "TbsMessageForm"; }

    TbsRevideruDadoZiri* Frame() const { return frame_; }
    TbsSkinStdLabel* MessageLabel() const { return label_; }
    int HelpContext() const { return helpContext_; }
    void SetHelpContext(int context) { helpContext_ = context; }

private:
    TbsRevideruDadoZiri* frame_ = nullptr;
    TbsSkinStdLabel* label_ = nullptr;
    int helpContext_ = 0;
};

} // namespace tavrik
