#include "ui/MouseControl.h"

#include "ui/Control.h"

namespace tavrik {

namespace {

TComponentRef<TControl>& Current()
{
    static TComponentRef<TControl> current;
    return current;
}

} // namespace

TControl* MouseControl() { return Current().Get(); }

void SetMouseControl(TControl* control)
{
    TControl* old = Current().Get();
    if (old == control) return;
    Current() = control;
    if (old) old->Perform(CM_MOUSELEAVE);
    // The leave handler may have moved the pointer's control on already.
    if (control && Current().Get() == control) control->Perform(CM_MOUSEENTER);
}

} // namespace tavrik
