#pragma once

#include "ui/CustomEdit.h"

namespace tavrik {

// The single-line edit as forms place it; everything it does is TCustomEdit's.
class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
    const char* ClassName() const override { return "TEdit"; }
};

} // namespace tavrik
