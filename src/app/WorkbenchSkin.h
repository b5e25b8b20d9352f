#pragma once

#include "skinforms/BorderIcons.h"

#include <initializer_list>

namespace tavrik {

class TComponent;
class TForm;
class TbsRevideruDadoZiri;
class TbsSkinData;
class TbsStoredSkin;

// Fills the stored skin with the program's own skin (compiled in) and loads it into the skin data.
void LoadWorkbenchSkin(TbsStoredSkin& stored, TbsSkinData& data);

// Gives the skin data to every skinned control, menu, message and hint component that owner
// owns, except those listed in plain, which keep the plain look.
void BindWorkbenchSkin(const TComponent& owner, TbsSkinData* data, std::initializer_list<const TComponent*> plain = {});

// The skinned frame of a workbench window, showing the given caption buttons (given none, not
// even a close button: Esc or the window's own buttons close it); with caption font
// Arial 15 pixels bold (inactive: the same in the shadow colour), no icon, no alpha blending,
// no tray behaviour and no magnetic docking. The skin comes with BindWorkbenchSkin.
TbsRevideruDadoZiri* NewWorkbenchFrame(TForm& form, TbsBorderIcons icons);

} // namespace tavrik
