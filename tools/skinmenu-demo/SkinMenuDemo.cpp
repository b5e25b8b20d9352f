// tavrik-skinmenu-demo FOLDER
//
// Opens the skinned popup menu on the headless screen, in the plain look and in the
// program's skin, walks it with the keys and the mouse, and writes a screenshot of each step
// into FOLDER: the menu as it opens, an entry under the pointer, a submenu, a scrolling menu.

#include "DemoScreen.h"
#include "gfx/SystemColors.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupWindow.h"
#include "ui/Form.h"
#include "ui/MenuItem.h"

#include <cstdio>
#include <string>

using namespace tavrik;

namespace {

TMenuItem* Add(TComponent* owner, TMenuItem* parent, const std::string& caption)
{
    auto* item = new TMenuItem(owner);
    item->SetCaption(caption);
    parent->Add(item);
    return item;
}

TMenuItem* PictureMenu(TComponent* owner)
{
    auto* root = new TMenuItem(owner);
    Add(owner, root, "旋转90度")->SetShortCut(TShortCut(scCtrl | 'R'));
    Add(owner, root, "水平翻转")->SetChecked(true);
    Add(owner, root, "-");
    TMenuItem* more = Add(owner, root, "&More");
    Add(owner, more, "A&lpha");
    TMenuItem* beta = Add(owner, more, "&Beta");
    beta->SetRadioItem(true);
    beta->SetChecked(true);
    Add(owner, more, "&Gamma")->SetEnabled(false);
    Add(owner, root, "&Disabled")->SetEnabled(false);
    Add(owner, root, "帮助？");
    return root;
}

TMenuItem* TallMenu(TComponent* owner)
{
    auto* root = new TMenuItem(owner);
    for (int i = 0; i < 40; ++i) Add(owner, root, "Entry " + std::to_string(i));
    return root;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    TDemoScreen demo(argv[1]);
    THeadlessBackend* screen = &demo.Screen();
    TForm* form = demo.App().CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(20, 20, 600, 440);
    form->SetColor(RGB(236, 233, 216));
    form->Show();
    auto* data = new TbsSkinData(form);
    auto* engine = new TbsSkinMenu(form);
    TMenuItem* picture = PictureMenu(form);
    TMenuItem* tall = TallMenu(form);

    auto shot = [&demo](const std::string& name) { demo.Shot(name); };
    for (bool skinned : {false, true}) {
        const std::string look = skinned ? "skin-" : "plain-";
        if (skinned) {
            TbsStoredSkin stored;
            LoadProgramSkin(stored);
            data->ApplyStoredSkin(stored);
        }
        engine->MenuPopup(nullptr, data, 0, Rect(60, 60, 60, 60), picture, false);
        shot(look + "open");
        TbsSkinPopupWindow* w = engine->PopupWindows(0);
        TRect help = w->Items(5)->ItemRect;
        screen->MouseMove(w->Left() + help.Left + 30, w->Top() + help.Top + help.Height() / 2);
        screen->Advance(500); // the pointer polled, the fade finished
        shot(look + "hot");
        engine->KeyDown(VK_UP); // past the disabled entry to "More"
        engine->KeyDown(VK_RIGHT);
        screen->Advance(500);
        shot(look + "submenu");
        engine->CloseAll();
        engine->MenuPopup(nullptr, data, 0, Rect(400, 300, 400, 300), tall, false);
        engine->KeyDown(VK_UP);
        screen->Advance(500);
        shot(look + "scrolled");
        engine->CloseAll();
    }
    return 0;
}
