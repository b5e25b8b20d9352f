#pragma once

#include "core/Geometry.h"

namespace tavrik {

class TControl;

// The control under the mouse pointer, across all windows of the program. Changing it sends
// CM_MOUSELEAVE to the previous control and CM_MOUSEENTER to the new one.
TControl* MouseControl();
void SetMouseControl(TControl* control);

} // namespace tavrik
