#pragma once

namespace tavrik {

class TForm;
class TbsSkinData;
class TbsSkinMenu;

// What a form's skinned frame offers the menus shown on that form, which live in a layer
// below the frame: its menu engine, the skins menus are drawn with, and the open-menu mark
// (while a menu is marked open, the frame routes the program's key presses to the engine,
// closes the menu when the form is clicked, moved or deactivated, and hears SKM_MENUCLOSED
// when it is gone). A frame implements it; menus find it with FindSkinMenuHost.
class TbsSkinMenuHost {
public:
    virtual TbsSkinMenu* SkinMenu() = 0;
    virtual TbsSkinData* SkinData() const = 0;
    virtual TbsSkinData* MenusSkinData() const = 0;
    virtual void MarkSkinMenuOpen() = 0;

protected:
    ~TbsSkinMenuHost() = default;
};

// The menu host among the components the form owns, or nullptr.
TbsSkinMenuHost* FindSkinMenuHost(const TForm* form);

} // namespace tavrik
