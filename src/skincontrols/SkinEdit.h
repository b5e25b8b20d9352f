#pragma once

#include "skincontrols/SkinCustomEdit.h"
#include "ui/MaskEdit.h"

namespace tavrik {

// A skinned single-line edit ("edit"; "buttonedit" with ButtonMode).
class TbsSkinEdit : public TbsSkinCustomEdit<TMaskEdit> {
public:
    explicit TbsSkinEdit(TComponent* owner) : TbsSkinCustomEdit<TMaskEdit>(owner) {}
    const char* ClassName() const override { return "TbsSkinEdit"; }
};

} // namespace tavrik
