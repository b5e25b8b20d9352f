#pragma once

#include "core/Geometry.h"
#include "ui/Component.h"
#include "wsys/WinApi.h"

namespace tavrik {

class TCustomEdit;
class TbsSkinData;
class TbsSkinPopupMenu;

// Posted by a skinned edit to itself once a command of its context menu has run: the menu is
// freed then, when no menu window is inside its message handling any more.
constexpr UINT CM_FREEEDITMENU = WM_USER + 0x3F0;

// The context menu of a skinned edit or memo, built again for every request: Undo, Cut, Copy,
// Paste, Delete and Select All, each enabled only when it can do something. It is shown by the
// skinned menu engine of the edit's form at `screen`; false, and no menu, when that form has
// no engine (the caller falls back to the plain menu). The menu is owned by the edit.
bool PopupSkinEditMenu(TCustomEdit& edit, TbsSkinData* skinData, TComponentRef<TbsSkinPopupMenu>& menu, TPoint screen);

// Frees the menu, if it is still there.
void FreeSkinEditMenu(TComponentRef<TbsSkinPopupMenu>& menu);

} // namespace tavrik
