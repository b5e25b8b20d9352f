#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/Abort.h"
#include "ui/Button.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class App : public UiTest {
protected:
    TForm* form = nullptr;
    void SetUp() override { form = NewForm(); }
    TButton* AddButton(int left, TNotifyEvent onClick)
    {
        auto* b = test::NewChild<TButton>(form, left, 10, 75, 25);
        b->OnClick = std::move(onClick);
        return b;
    }
    // The message box form shown now, if any.
    static TForm* MessageBox()
    {
        for (TForm* f : Screen()->FormList())
            if (f->FindComponent("Message") && f->Visible()) return f;
        return nullptr;
    }
};

} // namespace

TEST_F(App, ProcessMessagesRunsOtherHandlersInsideALongCommand)
{
    std::vector<std::string> events;
    TButton* second = AddButton(100, [&](TComponent*) { events.push_back("second"); });
    int ticks = 0;
    auto* timer = new TTimer(form);
    timer->SetInterval(100);
    timer->OnTimer = [&](TComponent*) { ++ticks; };
    TButton* first = AddButton(10, [&](TComponent*) {
        events.push_back("first starts");
        ClickOn(second); // queued behind the running handler
        screen->Advance(250);
        app->ProcessMessages();
        events.push_back("first ends");
    });
    ClickOn(first);
    EXPECT_EQ(events, (std::vector<std::string>{"first starts", "second", "first ends"}));
    EXPECT_EQ(ticks, 1); // a timer fires once however late it is taken
}

TEST_F(App, AnErrorInAClickHandlerIsShownAndTheLoopGoesOn)
{
    UsePlainMessageBoxes();
    bool later = false;
    TButton* failing = AddButton(10, [](TComponent*) { throw EFileError("Cannot open /nowhere/photo.jpg"); });
    TButton* working = AddButton(100, [&](TComponent*) { later = true; });
    std::string shownText, shownCaption;
    screen->WhenIdle([&] { ClickOn(failing); });
    screen->WhenIdle([&] {
        TForm* box = MessageBox();
        ASSERT_NE(box, nullptr);
        shownCaption = box->Caption();
        shownText = static_cast<TLabel*>(box->FindComponent("Message"))->Caption();
        EXPECT_NE(box->FindComponent("Image"), nullptr);
        screen->PressKey(VK_RETURN);
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(MessageBox(), nullptr);
        ClickOn(working);
    });
    screen->WhenIdle([&] { form->Close(); });
    app->Run();
    EXPECT_EQ(shownCaption, "Error");
    EXPECT_EQ(shownText, "Cannot open /nowhere/photo.jpg");
    EXPECT_TRUE(later);
}

TEST_F(App, OnExceptionReplacesTheBoxAndAbortIsSilent)
{
    std::vector<std::string> caught;
    TButton* b = AddButton(10, [](TComponent*) { throw EConvertError("bad number"); });
    ClickOn(b);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "bad number");
    EXPECT_EQ(messages[0].type, TMsgDlgType::mtError);

    app->OnException = [&](TComponent* sender, const std::exception& e) {
        caught.push_back(std::string(sender == b ? "button: " : "?: ") + e.what());
    };
    ClickOn(b);
    EXPECT_EQ(caught, (std::vector<std::string>{"button: bad number"}));

    TButton* aborting = AddButton(100, [](TComponent*) { Abort(); });
    ClickOn(aborting);
    EXPECT_EQ(caught.size(), 1u);
    EXPECT_EQ(messages.size(), 1u);
}

TEST_F(App, AnErrorInATimerHandlerIsReportedToo)
{
    auto* timer = new TTimer(form);
    timer->SetInterval(50);
    int ticks = 0;
    timer->OnTimer = [&](TComponent*) {
        if (++ticks == 2) throw Exception("tick failed");
    };
    screen->Advance(49);
    EXPECT_EQ(ticks, 0);
    screen->Advance(1);
    EXPECT_EQ(ticks, 1);
    screen->Advance(100);
    EXPECT_EQ(ticks, 3);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "tick failed");
    timer->SetEnabled(false);
    screen->Advance(500);
    EXPECT_EQ(ticks, 3);
}

namespace {

struct TBoxCase {
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    UINT key; // 0: click the first button
    int result;
    const char* caption;
    std::vector<std::string> names;
};

} // namespace

TEST_F(App, ThePlainMessageBoxLaysOutItsButtonsAndAnswersTheirResults)
{
    UsePlainMessageBoxes();
    using B = TMsgDlgBtn;
    const TBoxCase cases[] = {
        {TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK}), VK_RETURN, mrOk, "Information", {"OK"}},
        {TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK}), VK_ESCAPE, mrOk, "Information", {"OK"}},
        {TMsgDlgType::mtConfirmation, MsgDlgButtons({B::mbYes, B::mbNo}), VK_RETURN, mrYes, "Confirm", {"Yes", "No"}},
        {TMsgDlgType::mtConfirmation, MsgDlgButtons({B::mbYes, B::mbNo}), VK_ESCAPE, mrNo, "Confirm", {"Yes", "No"}},
        {TMsgDlgType::mtWarning, MsgDlgButtons({B::mbAbort, B::mbRetry, B::mbIgnore}), VK_RETURN, mrRetry, "Warning",
         {"Abort", "Retry", "Ignore"}},
        {TMsgDlgType::mtCustom, MsgDlgButtons({B::mbOK, B::mbCancel}), 0, mrOk, "Tavrik test", {"OK", "Cancel"}},
    };
    for (const TBoxCase& c : cases) {
        SCOPED_TRACE(c.caption);
        std::vector<std::string> names;
        std::vector<TRect> bounds;
        std::string caption;
        bool hasImage = false;
        int clientWidth = 0;
        screen->WhenIdle([&] {
            TForm* box = MessageBox();
            ASSERT_NE(box, nullptr);
            caption = box->Caption();
            hasImage = box->FindComponent("Image") != nullptr;
            clientWidth = box->ClientWidth();
            for (int i = 0; i < box->ControlCount(); ++i)
                if (auto* b = dynamic_cast<TButton*>(box->Controls(i))) {
                    names.push_back(b->Name());
                    bounds.push_back(b->BoundsRect());
                }
            if (c.key) screen->PressKey(c.key);
            else ClickOn(box->Controls(box->ControlCount() - int(names.size())));
        });
        EXPECT_EQ(MessageDlg("Short", c.type, c.buttons), c.result);
        EXPECT_EQ(caption, c.caption);
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(hasImage, c.type != TMsgDlgType::mtCustom);
        // Buttons 60 wide, 10 apart, centred; the row decides the width of a short message.
        int n = int(names.size());
        int row = n * 60 + (n - 1) * 10;
        EXPECT_EQ(clientWidth, std::max(row + 40, clientWidth));
        for (int i = 0; i < n; ++i) EXPECT_EQ(bounds[size_t(i)].Left, (clientWidth - row) / 2 + i * 70);
    }
}

TEST_F(App, ABoxWithoutButtonsClosesByItsCaptionButtonWithCancel)
{
    UsePlainMessageBoxes();
    screen->WhenIdle([&] {
        TRect w = GetWindowRect(MessageBox()->Handle());
        screen->Click(w.Right - 10, w.Top + 10);
    });
    EXPECT_EQ(MessageDlg("Nothing to press", TMsgDlgType::mtWarning, 0), mrCancel);
}

TEST_F(App, OnMessageSeesEveryLoopsMessagesFirstAndCanStopThem)
{
    std::vector<std::string> seen;
    app->OnMessage = [&](MSG& m, bool& handled) {
        if (m.message == WM_USER + 7) {
            seen.push_back("user " + std::to_string(m.wParam));
            handled = m.wParam == 2;
        }
    };
    std::vector<WPARAM> delivered;
    TWindowHook hook(form, [&](TMessage& m, const TWndNext& next) {
        if (m.Msg == WM_USER + 7) delivered.push_back(m.WParam);
        next(m);
    });
    PostMessage(form->Handle(), WM_USER + 7, 1);
    PostMessage(form->Handle(), WM_USER + 7, 2);
    app->ProcessMessages();
    // Inside a modal loop too.
    TForm* dialog = app->CreateForm<TForm>();
    screen->WhenIdle([&] { PostMessage(form->Handle(), WM_USER + 7, 3); });
    screen->WhenIdle([&] { PostMessage(dialog->Handle(), WM_CLOSE); });
    dialog->ShowModal();
    // And in Run.
    screen->WhenIdle([&] { PostMessage(form->Handle(), WM_USER + 7, 4); });
    screen->WhenIdle([&] { app->Terminate(); });
    app->Run();
    EXPECT_EQ(seen, (std::vector<std::string>{"user 1", "user 2", "user 3", "user 4"}));
    EXPECT_EQ(delivered, (std::vector<WPARAM>{1, 3, 4}));
}

TEST_F(App, MessageListenersStackLatestFirstAndLeaveInAnyOrder)
{
    std::string seen;
    auto listener = [&](char name, bool handles) {
        return [&seen, name, handles](MSG& m, bool& handled) {
            if (m.message != WM_USER + 8) return;
            seen += name;
            handled = handles;
        };
    };
    app->OnMessage = listener('o', false);
    TListenerId a = app->AddMessageListener(listener('a', false));
    TListenerId b = app->AddMessageListener(listener('b', true));
    TListenerId c = app->AddMessageListener(listener('c', false));
    auto post = [&] {
        seen.clear();
        PostMessage(form->Handle(), WM_USER + 8);
        app->ProcessMessages();
        return seen;
    };
    EXPECT_EQ(post(), "cb") << "a handled message goes no further";
    EXPECT_TRUE(app->RemoveMessageListener(b));
    EXPECT_FALSE(app->RemoveMessageListener(b));
    EXPECT_EQ(post(), "cao");
    // A listener that removes another one, and itself, while the message passes.
    TListenerId self = 0;
    self = app->AddMessageListener([&](MSG& m, bool&) {
        if (m.message != WM_USER + 8) return;
        seen += 's';
        app->RemoveMessageListener(c);
        app->RemoveMessageListener(self);
    });
    EXPECT_EQ(post(), "sao");
    EXPECT_EQ(post(), "ao");
    app->RemoveMessageListener(a);
    EXPECT_EQ(post(), "o");

    std::string minimized;
    TListenerId tray = app->AddMinimizeListener([&](TComponent*) { minimized += "tray "; });
    app->AddMinimizeListener([&](TComponent*) { minimized += "frame "; });
    app->OnMinimize = [&](TComponent*) { minimized += "own"; };
    app->RemoveMinimizeListener(tray);
    app->Minimize();
    EXPECT_EQ(minimized, "frame own");
}

TEST_F(App, TheFormSeesShortcutsBeforeItsControlsAndMenus)
{
    std::vector<std::string> keys;
    form->OnShortCut = [&](TComponent*, uint16_t key, TShiftState shift, bool& handled) {
        handled = key == 'S' && shift == ssCtrl;
        if (handled) keys.push_back("Ctrl+S");
    };
    form->OnKeyDown = [&](TComponent*, uint16_t& key, TShiftState) { keys.push_back(std::string(1, char(key))); };
    SetFocus(form->Handle());
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('S');
    screen->PressKey('T');
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(keys, (std::vector<std::string>{"\x11", "Ctrl+S", "T"}));
}

TEST_F(App, MinimizingTheApplicationHidesTheOtherFormsUntilItIsRestored)
{
    TForm* tool = NewForm(450, 100, 100, 100);
    TForm* hidden = app->CreateForm<TForm>();
    int events = 0;
    app->OnMinimize = app->OnRestore = [&](TComponent*) { ++events; };
    app->Minimize();
    EXPECT_TRUE(IsIconic(form->Handle()));
    EXPECT_FALSE(IsWindowVisible(tool->Handle()));
    EXPECT_TRUE(tool->Visible()); // it comes back
    app->Restore();
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_TRUE(IsWindowVisible(tool->Handle()));
    EXPECT_FALSE(hidden->HandleAllocated() && IsWindowVisible(hidden->Handle()));
    EXPECT_EQ(events, 2);
    // The desktop's task bar brings the main form back: the program comes with it.
    app->Minimize();
    screen->RestoreFromDesktop(form->Handle());
    EXPECT_FALSE(IsIconic(form->Handle()));
    EXPECT_TRUE(IsWindowVisible(tool->Handle()));
    EXPECT_EQ(events, 4);
}
