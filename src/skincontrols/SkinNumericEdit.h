#pragma once

#include "skincontrols/SkinCustomEdit.h"
#include "ui/NumericEdit.h"

namespace tavrik {

// A skinned edit for a number, with the rules of the plain numeric edit: digits, one "-" in
// front and (vtFloat) one "."; Value follows every valid text, clamped to [MinValue, MaxValue]
// unless they are equal.
class TbsSkinNumericEdit : public TbsSkinCustomEdit<TNumericEdit> {
public:
    explicit TbsSkinNumericEdit(TComponent* owner) : TbsSkinCustomEdit<TNumericEdit>(owner) { SetWidth(120); }
    const char* ClassName() const override { return "TbsSkinNumericEdit"; }
};

} // namespace tavrik
