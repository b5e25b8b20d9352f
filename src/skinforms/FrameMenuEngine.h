#pragma once

#include "core/Geometry.h"
#include "wsys/WinTypes.h"

namespace tavrik {

class TMenuItem;
class TForm;

// What a skinned frame needs of a menu engine to show its system menu and the menus of its
// objects. The engine tells the form when its last menu has closed (SKM_MENUCLOSED), and the
// chosen item's command runs after that.
class TbsFrameMenuEngine {
public:
    virtual ~TbsFrameMenuEngine() = default;
    // Shows the sub-items of root below (or, for placement 1, beside) the screen rectangle at.
    virtual void Popup(TMenuItem* root, const TRect& at, int placement) = 0;
    virtual bool HasOpenPopups() const = 0;
    virtual void CloseAll() = 0;
    // A key pressed while a menu is open, for its innermost level.
    virtual void KeyDown(UINT key) = 0;
};

} // namespace tavrik
