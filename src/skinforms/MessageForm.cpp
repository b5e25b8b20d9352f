#include "skinforms/MessageForm.h"

#include "skincontrols/SkinStdLabel.h"
#include "skinforms/RevideruDadoZiri.h"

namespace tavrik {

TbsMessageForm::TbsMessageForm(TComponent* owner) : TForm(owner)
{
    SetPosition(TPosition::poScreenCenter);
    SetBorderStyle(TFormBorderStyle::bsDialog);
    SetKeyPreview(true);
    frame_ = new TbsRevideruDadoZiri(this);
    // Only the close button, which a frame never takes away.
    frame_->SetBorderIcons({});
    label_ = new TbsSkinStdLabel(this);
    label_->SetName("Message");
    label_->SetParent(this);
}

} // namespace tavrik
