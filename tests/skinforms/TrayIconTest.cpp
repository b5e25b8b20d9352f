#include "support/UiTest.h"

#include "FrameTest.h"

#include "gfx/IconFitting.h"
#include "gfx/SystemIcons.h"
#include "skincontrols/MenuHostStub.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinPopupWindow.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/TrayIcon.h"
#include "support/Pictures.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "wsys/NotificationArea.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

std::string Repeat(const std::string& text, int times)
{
    std::string s;
    for (int i = 0; i < times; ++i) s += text;
    return s;
}

TBitmap Opaque(TColor colour) { return test::FilledBitmap(16, 16, colour, TPixelFormat::pf24bit); }

TColor CentreColour(const TBitmap* b) { return b ? b->GetPixel(b->Width() / 2, b->Height() / 2) & 0xFFFFFF : clNone; }

// The main form with a tray icon, the icon's place in the headless notification area, and what
// the test saw happen.
class TrayScene : public UiTest {
protected:
    TTrayIconKey Key() const { return ws->NotificationArea().KeyOf(tray->NotifyWindow(), TbsTrayIcon::kIconId); }
    bool Shown() const
    {
        std::vector<TTrayIconKey> icons = screen->Tray().Icons();
        return Key() && std::find(icons.begin(), icons.end(), Key()) != icons.end();
    }

    TForm* main = nullptr;
    TbsTrayIcon* tray = nullptr;
    std::vector<std::string> events;
};

class TrayIcons : public TrayScene {
protected:
    void SetUp() override
    {
        main = NewForm(100, 100, 300, 200);
        tray = new TbsTrayIcon(main);
        host = new TMenuHost(main);
        menu = new TbsSkinPopupMenu(main);
        Item("&Restore")->SetDefault(true);
        Item("&Options");
        Item("E&xit");
        tray->OnClick = [this](TComponent*) { events.push_back("click"); };
        tray->OnDblClick = [this](TComponent*) { events.push_back("double"); };
    }
    TMenuItem* Item(const std::string& caption)
    {
        auto* item = new TMenuItem(menu);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TComponent*) { events.push_back(caption); };
        menu->Items()->Add(item);
        return item;
    }
    int MenuLevels() const { return host->SkinMenu()->PopupWindowCount(); }
    TbsSkinPopupWindow* MenuWindow() const { return host->SkinMenu()->PopupWindows(0); }
    // The tip shown after the pointer rested on the icon; empty when none shows.
    std::string Tip()
    {
        screen->Tray().MouseMove(Key());
        screen->Advance(TNotificationArea::kTipPause);
        HWND tip = ws->NotificationArea().TipWindow();
        std::string text = tip && IsWindowVisible(tip) ? GetWindowText(tip) : std::string();
        screen->Tray().MouseLeave();
        return text;
    }
    bool MainShowing() const { return main->HandleAllocated() && IsWindowVisible(main->Handle()); }

    TMenuHost* host = nullptr;
    TbsSkinPopupMenu* menu = nullptr;
};

} // namespace

TEST_F(TrayIcons, TheIconShowsItsPictureAndTipAndGoesWithTheComponent)
{
    ASSERT_TRUE(Shown()) << "present from the start, with the program's icon";
    EXPECT_TRUE(*screen->Tray().Picture(Key()) == FitIcon(SystemIcon(TSystemIcon::Application, 32), 22, 22));

    tray->SetIcon(Opaque(clRed));
    EXPECT_EQ(CentreColour(screen->Tray().Picture(Key())), clRed) << "drawn at the tray's size";

    const std::string long130 = Repeat("x", 130);
    struct TCase {
        const char* name;
        std::string hint;
        bool showHint;
        std::string tip;
    } cases[] = {
        {"a tip", "Tavrik", true, "Tavrik"},
        {"cut to 127 characters", long130, true, Repeat("x", 127)},
        {"cut to 127 characters, not bytes", Repeat("图", 130), true, Repeat("图", 127)},
        {"ShowHint off", "Tavrik", false, ""},
        {"empty", "", true, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        tray->SetHint(c.hint);
        tray->SetShowHint(c.showHint);
        EXPECT_EQ(Tip(), c.tip);
    }

    tray->SetIconVisible(false);
    EXPECT_FALSE(Shown());
    tray->SetIconVisible(true);
    EXPECT_TRUE(Shown());
    EXPECT_EQ(CentreColour(screen->Tray().Picture(Key())), clRed) << "added again with its picture";

    TTrayIconKey key = Key();
    tray->Free();
    std::vector<TTrayIconKey> icons = screen->Tray().Icons();
    EXPECT_EQ(std::find(icons.begin(), icons.end(), key), icons.end());
}

TEST_F(TrayIcons, TheIconStepsThroughItsImageList)
{
    auto* list = new TImageList(main);
    list->SetSize(16, 16);
    for (TColor c : {clRed, clLime, clBlue}) list->Add(Opaque(c));
    std::vector<int> next;
    tray->OnCycle = [&](TComponent*, int index) { next.push_back(index); };
    tray->SetIconList(list);
    tray->SetIconIndex(7);
    EXPECT_EQ(tray->IconIndex(), 2) << "lowered to the last icon";
    EXPECT_EQ(CentreColour(screen->Tray().Picture(Key())), clBlue);

    tray->SetCycleIcons(true);
    screen->Advance(1000);
    EXPECT_TRUE(next.empty()) << "an interval of 0 never ticks";

    tray->SetAnimateTimerInterval(100);
    std::vector<TColor> seen;
    for (int i = 0; i < 4; ++i) {
        screen->Advance(100);
        seen.push_back(CentreColour(screen->Tray().Picture(Key())));
    }
    EXPECT_EQ(seen, (std::vector<TColor>{clLime, clBlue, clRed, clLime})) << "each tick shows the icon it steps to";
    EXPECT_EQ(next, (std::vector<int>{1, 2, 0, 1}));

    tray->SetCycleIcons(false);
    list->Free();
    EXPECT_EQ(tray->IconList(), nullptr);
    tray->SetIconIndex(2);
    EXPECT_EQ(tray->IconIndex(), 0) << "no list";
}

TEST_F(TrayIcons, ClicksBecomeOneClickOrOneDoubleClickAndTheMenuOpensOnThePress)
{
    tray->SetPopupMenu(menu);
    THeadlessTray& icons = screen->Tray();
    const TTrayIconKey key = Key();
    struct TCase {
        const char* name;
        std::function<void()> act;
        std::vector<std::string> events;
        int menus;
    } cases[] = {
        {"a click, once the double-click time has passed", [&] { icons.Click(key); }, {"click"}, 0},
        {"a release after the double-click time",
         [&] {
             icons.MouseDown(key);
             screen->Advance(600);
             icons.MouseUp(key);
         },
         {"click"}, 0},
        {"a double click runs the default item", [&] { icons.DoubleClick(key); }, {"double", "&Restore"}, 0},
        {"the right button opens the menu on its press",
         [&] {
             icons.MouseDown(key, TMouseButton::Right);
             EXPECT_EQ(MenuLevels(), 1);
             icons.MouseUp(key, TMouseButton::Right);
         },
         {}, 1},
        {"a right double click opens it once", [&] { icons.DoubleClick(key, TMouseButton::Right); }, {}, 1},
        {"the middle button", [&] { icons.Click(key, TMouseButton::Middle); }, {}, 0},
        {"left press with PopupByLeftButton, no default item",
         [&] {
             tray->SetPopupByLeftButton(true);
             icons.DoubleClick(key);
         },
         {"double"}, 1},
        {"disabled",
         [&] {
             tray->SetEnabled(false);
             icons.DoubleClick(key);
             icons.Click(key, TMouseButton::Right);
         },
         {}, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        events.clear();
        host->marked = 0;
        c.act();
        screen->Advance(1000);
        EXPECT_EQ(events, c.events);
        EXPECT_EQ(host->marked, c.menus);
        if (c.menus > 0) {
            EXPECT_EQ(menu->PopupComponent(), tray);
        }
        host->SkinMenu()->CloseAll();
        tray->SetEnabled(true);
        tray->SetPopupByLeftButton(false);
    }
}

TEST_F(TrayIcons, TheTrayMenuOpensAboveThePointerAndRunsItsCommandsByMouseAndKeyboard)
{
    tray->SetPopupMenu(menu);
    THeadlessTray& icons = screen->Tray();
    const TTrayIconKey key = Key();
    const TRect iconRect = icons.IconRect(key);
    const TPoint pointer{iconRect.Left + iconRect.Width() / 2, iconRect.Top + iconRect.Height() / 2};

    icons.Click(key, TMouseButton::Right);
    ASSERT_EQ(MenuLevels(), 1);
    TbsSkinPopupWindow* w = MenuWindow();
    EXPECT_TRUE(IsWindowVisible(w->Handle()));
    EXPECT_EQ(w->Top() + w->Height(), pointer.y) << "no room below the tray: above the pointer";
    EXPECT_EQ(w->Left() + w->Width(), GetSystemMetrics(SM_CXSCREEN)) << "pushed left to stay on the screen";
    EXPECT_LE(w->Left(), pointer.x);

    // Keys: the first entry is highlighted; down twice and Enter runs the third.
    screen->PressKey(VK_DOWN);
    screen->PressKey(VK_DOWN);
    screen->PressKey(VK_RETURN);
    EXPECT_EQ(MenuLevels(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"E&xit"}));

    // Mouse: a click on the second entry runs it; Esc closes without a command. Each press
    // comes after the double-click time, or it would be a double click, which opens nothing.
    events.clear();
    screen->Advance(1000);
    icons.Click(key, TMouseButton::Right);
    ASSERT_EQ(MenuLevels(), 1);
    w = MenuWindow();
    const TRect r = w->Items(1)->ItemRect;
    const TPoint p = w->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    screen->Click(p.x, p.y);
    EXPECT_EQ(MenuLevels(), 0);
    screen->Advance(1000);
    icons.Click(key, TMouseButton::Right);
    ASSERT_EQ(MenuLevels(), 1);
    screen->PressKey(VK_ESCAPE);
    EXPECT_EQ(MenuLevels(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"&Options"}));

    // A menu without AutoPopup never opens.
    menu->SetAutoPopup(false);
    host->marked = 0;
    screen->Advance(1000);
    icons.Click(key, TMouseButton::Right);
    EXPECT_EQ(host->marked, 0);
}

TEST_F(TrayIcons, MinimizingHidesTheProgramThereUnlessNoTrayRunsAndItComesBackWhenTheTrayGoes)
{
    NewForm(500, 100, 100, 100); // a second window goes and comes with the program
    app->Minimize();
    EXPECT_FALSE(MainShowing()) << "hidden in the tray";
    EXPECT_TRUE(tray->HiddenInTray());
    EXPECT_TRUE(Shown());
    tray->ShowApplicationWindows();
    EXPECT_TRUE(MainShowing());
    EXPECT_FALSE(IsIconic(main->Handle()));

    // The tray goes away while the program is hidden there: it comes back, minimized.
    app->Minimize();
    ASSERT_FALSE(MainShowing());
    screen->Tray().Stop();
    ProcessMessages();
    EXPECT_TRUE(MainShowing());
    EXPECT_FALSE(tray->HiddenInTray());

    // No tray: minimizing leaves a minimized window, and says nothing.
    app->Restore();
    app->Minimize();
    EXPECT_TRUE(MainShowing());
    EXPECT_TRUE(IsIconic(main->Handle()));
    EXPECT_TRUE(messages.empty());
    app->Restore();

    // A tray starts again: the icon is there.
    screen->Tray().Start();
    ProcessMessages();
    EXPECT_TRUE(Shown());

    tray->SetMinimizeToTray(false);
    app->Minimize();
    EXPECT_TRUE(MainShowing()) << "MinimizeToTray off";
    app->Restore();

    // Starting hidden in the tray needs a tray to come back from.
    for (bool running : {false, true}) {
        SCOPED_TRACE(running ? "a tray runs" : "no tray");
        if (running) screen->Tray().Start();
        else screen->Tray().Stop();
        ProcessMessages();
        app->SetShowMainForm(true);
        tray->SetMinimizedOnStart(true);
        EXPECT_EQ(app->ShowMainForm(), !running);
        EXPECT_EQ(tray->HiddenInTray(), running);
        EXPECT_TRUE(tray->MinimizeToTray());
    }
}

namespace {

// The skinned frame of the main form, sending the program to a tray icon and back.
class FrameTray : public TrayScene {
protected:
    void SetUp() override
    {
        main = NewForm(100, 100, 300, 200);
        frame = new TbsRevideruDadoZiri(main);
        frame->SetSkinData(const_cast<TbsSkinData*>(&ProgramSkinData()));
        tray = new TbsTrayIcon(main);
        frame->OnMinimizeToTray = [this](TComponent*) { events.push_back("to tray"); };
        frame->OnRestoreFromTray = [this](TComponent*) { events.push_back("back"); };
        frame->SetTrayIcon(tray);
    }
    int MenuLevels() const { return frame->SkinMenu()->PopupWindowCount(); }
    // Where the program is: "shown", "minimized" (on the task bar) or "tray".
    std::string Where() const
    {
        if (!IsWindowVisible(main->Handle())) return "tray";
        return IsIconic(main->Handle()) ? "minimized" : "shown";
    }
    void ClickMenuItem(int index)
    {
        ASSERT_EQ(MenuLevels(), 1);
        const TbsSkinPopupWindow* w = frame->SkinMenu()->PopupWindows(0);
        const TRect r = w->Items(index)->ItemRect;
        const TPoint p = w->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
        screen->Click(p.x, p.y);
    }

    TbsRevideruDadoZiri* frame = nullptr;
};

} // namespace

TEST_F(FrameTray, MinimizeToTrayHidesTheProgramThereAndEveryWayBackRestoresIt)
{
    EXPECT_FALSE(Shown()) << "assigned, the icon waits until the program goes there";
    EXPECT_FALSE(tray->MinimizeToTray());
    ASSERT_EQ(tray->PopupMenu(), frame->TrayMenu());
    EXPECT_EQ(frame->TrayMenu()->SkinData(), &ProgramSkinData()) << "the tray menu takes the frame's skin";

    THeadlessTray& icons = screen->Tray();
    struct TWayBack {
        const char* name;
        std::function<void()> act;
    } ways[] = {
        {"Restore from the tray menu by keyboard",
         [&] {
             icons.Click(Key(), TMouseButton::Right);
             ASSERT_EQ(MenuLevels(), 1) << "the tray menu opens on the frame's skinned menu engine";
             screen->PressKey(VK_RETURN); // its first entry is highlighted
         }},
        {"Restore from the tray menu by mouse",
         [&] {
             icons.Click(Key(), TMouseButton::Right);
             ClickMenuItem(0);
         }},
        {"a double click on the icon",
         [&] {
             icons.Click(Key());
             icons.MouseDown(Key()); // the icon goes with this press: no release comes
         }},
        {"the system menu's command", [&] { frame->RestoreFromTray(); }},
    };
    for (const TWayBack& way : ways) {
        SCOPED_TRACE(way.name);
        events.clear();
        frame->SendToTray();
        EXPECT_EQ(Where(), "tray");
        EXPECT_TRUE(Shown());
        way.act();
        screen->Advance(1000);
        EXPECT_EQ(Where(), "shown");
        EXPECT_FALSE(Shown());
        EXPECT_EQ(MenuLevels(), 0);
        EXPECT_EQ(events, (std::vector<std::string>{"to tray", "back"}));
        EXPECT_FALSE(tray->MinimizeToTray()) << "a plain minimize stays a plain minimize";
    }

    // The tray goes away while the program hides there: it comes back on the task bar, and a
    // tray that starts again shows no icon for a program that is not in it.
    events.clear();
    frame->SendToTray();
    icons.Stop();
    ProcessMessages();
    EXPECT_EQ(Where(), "minimized");
    EXPECT_EQ(events, (std::vector<std::string>{"to tray", "back"}));
    app->Restore();
    icons.Start();
    ProcessMessages();
    EXPECT_FALSE(Shown());
    app->Minimize();
    EXPECT_EQ(Where(), "minimized") << "the tray icon no longer takes a plain minimize";
    app->Restore();

    // No tray runs: minimize to tray minimizes as usual, and says nothing.
    icons.Stop();
    ProcessMessages();
    events.clear();
    frame->SendToTray();
    EXPECT_EQ(Where(), "minimized");
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(messages.empty());
    app->Restore();
    icons.Start();
    ProcessMessages();

    // With AlwaysShowInTray the icon stays while the program shows.
    frame->SetAlwaysShowInTray(true);
    EXPECT_TRUE(Shown());
    frame->SendToTray();
    icons.DoubleClick(Key());
    EXPECT_EQ(Where(), "shown");
    EXPECT_TRUE(Shown());
}

TEST_F(FrameTray, TheMinimizeCommandFollowsAlwaysMinimizeToTrayAndTheFrameAndIconPartCleanly)
{
    frame->SetAlwaysMinimizeToTray(true);
    frame->ExecuteCommand(SkinCommand::cmMinimize);
    EXPECT_EQ(Where(), "tray");
    frame->RestoreFromTray();

    // A frame without a tray icon still minimizes.
    frame->SetTrayIcon(nullptr);
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_FALSE(bool(tray->OnDblClick));
    frame->ExecuteCommand(SkinCommand::cmMinimize);
    EXPECT_EQ(Where(), "minimized");
    app->Restore();

    // An icon with a menu of its own keeps it; gone, it is forgotten by the frame.
    auto* own = new TbsSkinPopupMenu(main);
    tray->SetPopupMenu(own);
    frame->SetTrayIcon(tray);
    EXPECT_EQ(tray->PopupMenu(), own);
    tray->Free();
    EXPECT_EQ(frame->TrayIcon(), nullptr);
    frame->SendToTray();
    EXPECT_EQ(Where(), "shown") << "without a tray icon minimize to tray does nothing";

    // The frame goes first: the icon keeps nothing of it.
    tray = new TbsTrayIcon(main);
    frame->SetTrayIcon(tray);
    frame->Free();
    EXPECT_EQ(tray->PopupMenu(), nullptr);
    EXPECT_FALSE(bool(tray->OnDblClick));
}
