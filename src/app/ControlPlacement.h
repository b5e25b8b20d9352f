#pragma once

#include "ui/WinControl.h"

namespace tavrik {

// A control of class T owned by owner, named, on parent at the given bounds: how the
// workbench's windows lay out their controls.
template <class T>
T* Place(TWinControl* parent, TComponent* owner, const char* name, int left, int top, int width, int height)
{
    auto* control = new T(owner);
    control->SetName(name);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

} // namespace tavrik
