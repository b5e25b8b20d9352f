// tavrik-trayhint-demo [--to-tray | --screenshots FOLDER]
//
// The program's main form in its skinned frame, with a button that has a hint, and its icon in
// the desktop's notification area. Rest the pointer on the button for its hint; right-click
// the caption and choose "Minimize to Tray" (or start with --to-tray) to hide the program in
// the notification area; right-click the icon there for its menu, double-click it to come
// back. Where no notification area runs, minimize to tray minimizes as usual.
//
// Without --screenshots it opens on the X display. With it, the same is drawn on a headless
// screen, first in the plain look and then in the program's skin, and FOLDER receives one PNG
// each of: a control's hint under the pointer, a two-line hint pushed back from the screen's
// corner, and the tray icon's menu opened over the notification area.

#include "DemoDisplay.h"
#include "DemoScreen.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinMenu.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinHint.h"
#include "skinforms/TrayIcon.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "wsys/NotificationArea.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

using namespace tavrik;

namespace {

struct TDemo {
    TForm* form = nullptr;
    TbsRevideruDadoZiri* frame = nullptr;
    TbsSkinData* data = nullptr;
    TbsSkinHint* hint = nullptr;
    TbsTrayIcon* tray = nullptr;

    // The skin data starts empty: everything shows its plain look until a skin is loaded.
    void Build(TApplication& app)
    {
        form = app.CreateForm<TForm>();
        form->SetCaption("Tavrik 图片压缩");
        data = new TbsSkinData(form);
        frame = new TbsRevideruDadoZiri(form);
        frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biMaximize,
                               TbsBorderIcon::biMinimizeToTray});
        frame->SetSkinData(data);
        form->SetBounds(40, 40, 420, 260);
        form->SetShowHint(true);
        auto* button = new TButton(form);
        button->SetParent(form);
        button->SetBounds(40, 40, 120, 28);
        button->SetCaption("放大");
        button->SetHint("放大图片\n每次放大一倍");
        hint = new TbsSkinHint(form);
        hint->SetSkinData(data);
        tray = new TbsTrayIcon(form);
        tray->SetHint("Tavrik 图片压缩");
        frame->SetTrayIcon(tray);
    }

    void LoadSkin()
    {
        TbsStoredSkin stored;
        LoadProgramSkin(stored);
        data->ApplyStoredSkin(stored);
    }
};

int RunScreenshots(const std::string& folder)
{
    TDemoScreen screens(folder);
    THeadlessBackend* screen = &screens.Screen();
    TApplication* app = &screens.App();
    TDemo demo;
    demo.Build(*app);
    demo.form->Show();

    int failures = 0;
    auto shot = [&screens](const std::string& name) { screens.Shot(name); };
    for (bool skinned : {false, true}) {
        const std::string look = skinned ? "skin-" : "plain-";
        if (skinned) demo.LoadSkin();
        screen->MouseMove(10, 10);
        screen->Advance(3000);
        const TPoint onButton = demo.form->ClientToScreen({100, 50});
        screen->MouseMove(onButton.x, onButton.y);
        screen->Advance(uint64_t(app->HintPause()) + 50);
        shot(look + "control-hint");
        screen->MouseMove(630, 470);
        demo.hint->QueueObjectHint("还原\n双击托盘图标也可还原窗口");
        screen->Advance(uint64_t(app->HintPause()) + 50);
        shot(look + "corner-hint");
        demo.hint->HideObjectHint();

        demo.frame->SendToTray();
        const TTrayIconKey key = screens.Ws().NotificationArea().KeyOf(demo.tray->NotifyWindow(), TbsTrayIcon::kIconId);
        screen->Tray().Click(key, TMouseButton::Right);
        if (demo.frame->SkinMenu()->PopupWindowCount() != 1) ++failures;
        screen->MouseMove(630, 470); // off the menu: its first entry stays highlighted
        screen->Advance(500);
        shot(look + "tray-menu");
        screen->PressKey(VK_RETURN); // Restore
        if (!IsWindowVisible(demo.form->Handle())) ++failures;
        screen->Advance(1000);
    }
    return failures == 0 ? 0 : 1;
}

int RunOnDisplay(bool toTray)
{
    std::unique_ptr<TWindowSystem> ws = OpenDemoDisplay("tavrik-trayhint-demo");
    if (!ws) return 1;
    TApplication app;
    TDemo demo;
    demo.Build(app);
    demo.LoadSkin();
    // Sent there once the tray had a moment to take the icon.
    auto* later = new TTimer(demo.form);
    later->SetInterval(1000);
    later->SetEnabled(toTray);
    later->OnTimer = [&demo, later](TComponent*) {
        later->SetEnabled(false);
        demo.frame->SendToTray();
    };
    app.Run();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 3 && std::strcmp(argv[1], "--screenshots") == 0) return RunScreenshots(argv[2]);
    if (argc == 1 || (argc == 2 && std::strcmp(argv[1], "--to-tray") == 0)) return RunOnDisplay(argc == 2);
    std::fprintf(stderr, "usage: tavrik-trayhint-demo [--to-tray | --screenshots FOLDER]\n");
    return 2;
}
