#pragma once

#include "ui/WinControl.h"

#include <utility>

namespace tavrik::test {

// A control of class T owned by its parent and placed on it: the set-up of most control
// tests. Further arguments go to T's constructor after the owner.
template <class T, class... Args>
T* NewChild(TWinControl* parent, int left, int top, int width, int height, Args&&... args)
{
    auto* control = new T(parent, std::forward<Args>(args)...);
    control->SetParent(parent);
    control->SetBounds(left, top, width, height);
    return control;
}

} // namespace tavrik::test
