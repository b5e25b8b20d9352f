// tavrik-trayhint-demo FOLDER
//
// Shows hints in the program's skin and in the plain look on the headless screen, a control's
// hint under the pointer and a two-line hint pushed back from the screen's corner, and writes
// a screenshot of each into FOLDER.

#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skinforms/SkinHint.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <cstdio>
#include <memory>
#include <string>

using namespace tavrik;

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const std::string folder = argv[1];
    THeadlessOptions options;
    options.width = 640;
    options.height = 480;
    options.desktopColor = RGB(58, 110, 165);
    auto backend = std::make_unique<THeadlessBackend>(options);
    THeadlessBackend* screen = backend.get();
    auto ws = std::make_unique<TWindowSystem>(std::move(backend));
    auto app = std::make_unique<TApplication>();
    TForm* form = app->CreateForm<TForm>();
    form->SetBorderStyle(TFormBorderStyle::bsNone);
    form->SetBounds(20, 20, 600, 400);
    form->SetColor(RGB(236, 233, 216));
    form->SetShowHint(true);
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(40, 40, 120, 28);
    button->SetCaption("放大");
    button->SetHint("放大图片\n每次放大一倍");
    form->Show();
    auto* data = new TbsSkinData(form);
    auto* hint = new TbsSkinHint(form);

    int written = 0;
    auto shot = [&](const std::string& name) {
        ProcessMessages();
        screen->SaveScreenshot(folder + "/" + name + ".png");
        ++written;
    };
    for (bool skinned : {false, true}) {
        const std::string look = skinned ? "skin-" : "plain-";
        if (skinned) {
            TbsStoredSkin stored;
            LoadProgramSkin(stored);
            data->ApplyStoredSkin(stored);
            hint->SetSkinData(data);
        }
        screen->MouseMove(10, 10);
        screen->Advance(3000);
        screen->MouseMove(100, 80); // over the button
        screen->Advance(uint64_t(app->HintPause()) + 50);
        shot(look + "control-hint");
        screen->MouseMove(630, 470);
        hint->QueueObjectHint("还原\n双击托盘图标也可还原窗口");
        screen->Advance(uint64_t(app->HintPause()) + 50);
        shot(look + "corner-hint");
        hint->HideObjectHint();
    }
    app.reset();
    ws.reset();
    std::printf("%d screenshots in %s\n", written, folder.c_str());
    return 0;
}
