#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Label.h"

#include <stdexcept>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Modal : public UiTest {
protected:
    Modal() = default;
    explicit Modal(THeadlessOptions options) : UiTest(std::move(options)) {}

    TForm* owner = nullptr;
    TForm* dialog = nullptr;
    TButton* ok = nullptr;
    TButton* cancel = nullptr;
    TButton* other = nullptr;
    std::vector<std::string> clicks;

    void SetUp() override
    {
        owner = NewForm(50, 50, 300, 300);
        dialog = app->CreateForm<TForm>();
        dialog->SetBorderStyle(TFormBorderStyle::bsDialog);
        dialog->SetPosition(TPosition::poScreenCenter);
        dialog->SetClientSize(300, 100);
        ok = AddButton("OK", mrOk, 10);
        cancel = AddButton("Cancel", mrCancel, 100);
        other = AddButton("Other", mrNone, 190);
        ok->SetDefault(true);
        cancel->SetCancel(true);
    }
    TButton* AddButton(const std::string& name, TModalResult result, int left)
    {
        auto* b = new TButton(dialog);
        b->SetName(name);
        b->SetCaption(name);
        b->SetParent(dialog);
        b->SetBounds(left, 60, 75, 25);
        b->SetModalResult(result);
        b->OnClick = [this, name](TComponent*) { clicks.push_back(name); };
        return b;
    }
};

// A dialog whose loop is taken as stuck as soon as only timers have fired for an hour of
// virtual time.
class FailingModal : public Modal {
protected:
    FailingModal() : Modal(QuicklyStuck()) {}
    static THeadlessOptions QuicklyStuck()
    {
        THeadlessOptions options = ScreenOptions(800, 600);
        options.stuckLoopRealMs = 0;
        return options;
    }
};

} // namespace

TEST_F(Modal, AButtonWithAModalResultEndsTheModalLoopWithIt)
{
    bool ownerDisabledMeanwhile = false;
    screen->WhenIdle([&] {
        ownerDisabledMeanwhile = !IsWindowEnabled(owner->Handle());
        ClickOn(other); // no result: the dialog stays
    });
    screen->WhenIdle([&] { ClickOn(ok); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(clicks, (std::vector<std::string>{"Other", "OK"}));
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(GetActiveWindow(), owner->Handle());
}

TEST_F(Modal, TheDialogIsCentredOnTheScreen)
{
    screen->WhenIdle([&] {
        TRect r = GetWindowRect(dialog->Handle());
        EXPECT_EQ(r.Left, (800 - r.Width()) / 2);
        EXPECT_EQ(r.Top, (600 - r.Height()) / 2);
        EXPECT_EQ(dialog->ClientWidth(), 300);
        PostMessage(dialog->Handle(), WM_CLOSE);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Modal, EnterPressesTheDefaultButtonUnlessAnotherButtonHasTheFocus)
{
    struct TCase {
        const char* focused;
        UINT key;
        TModalResult result;
        const char* clicked;
    };
    const TCase cases[] = {
        {"", VK_RETURN, mrOk, "OK"},
        {"Cancel", VK_RETURN, mrCancel, "Cancel"},
        {"Other", VK_ESCAPE, mrCancel, "Cancel"},
        {"OK", VK_ESCAPE, mrCancel, "Cancel"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.focused) + " " + std::to_string(c.key));
        clicks.clear();
        std::string focused = c.focused;
        UINT key = c.key;
        screen->WhenIdle([&, focused, key] {
            if (!focused.empty()) dynamic_cast<TButton*>(dialog->FindComponent(focused))->SetFocus();
            else dialog->SetActiveControl(nullptr), SetFocus(dialog->Handle());
            screen->PressKey(key);
        });
        EXPECT_EQ(dialog->ShowModal(), c.result);
        EXPECT_EQ(clicks, (std::vector<std::string>{c.clicked}));
    }
}

TEST_F(Modal, CloseQueryAndOnCloseCanKeepTheDialogOpen)
{
    int asked = 0;
    dialog->OnCloseQuery = [&](TComponent*, bool& canClose) { canClose = ++asked > 1; };
    int closes = 0;
    dialog->OnClose = [&](TComponent*, TCloseAction& action) {
        if (++closes == 1) action = TCloseAction::caNone;
    };
    screen->WhenIdle([&] { ClickOn(ok); });     // refused by OnCloseQuery
    screen->WhenIdle([&] { ClickOn(cancel); }); // refused by OnClose
    screen->WhenIdle([&] {
        EXPECT_TRUE(dialog->Visible());
        ClickOn(ok);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(asked, 3);
    EXPECT_EQ(closes, 2);
}

TEST_F(Modal, ShowingAVisibleFormModallyIsRefused)
{
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), Exception);
}

TEST_F(Modal, TheCloseButtonOfTheCaptionClosesAModalFormWithCancel)
{
    screen->WhenIdle([&] {
        TRect w = GetWindowRect(dialog->Handle());
        // The close button sits at the right end of the caption bar.
        screen->Click(w.Right - 10, w.Top + 10);
    });
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
}

TEST_F(Modal, ClosingTheMainFormEndsRun)
{
    owner->Hide();
    std::vector<std::string> events;
    TForm* main = app->MainForm();
    ASSERT_EQ(main, owner);
    main->OnShow = [&](TComponent*) { events.push_back("show"); };
    main->OnClose = [&](TComponent*, TCloseAction&) { events.push_back("close"); };
    screen->WhenIdle([&] {
        events.push_back("running");
        main->Close();
    });
    app->Run();
    EXPECT_TRUE(app->Terminated());
    EXPECT_EQ(events, (std::vector<std::string>{"show", "running", "close"}));
}

TEST_F(Modal, FormsAreListedInCreationOrderAndLeaveTheListWhenFreed)
{
    TForm* third = app->CreateForm<TForm>();
    ASSERT_EQ(Screen()->FormCount(), 3);
    EXPECT_EQ(Screen()->Forms(0), owner);
    EXPECT_EQ(Screen()->Forms(1), dialog);
    EXPECT_EQ(Screen()->Forms(2), third);
    dialog->Free();
    EXPECT_EQ(Screen()->FormList(), (std::vector<TForm*>{owner, third}));
}

TEST_F(Modal, ACaFreeFormIsFreedAfterItsHandlerReturns)
{
    TForm* form = NewForm(10, 10, 50, 50);
    form->OnClose = [](TComponent*, TCloseAction& action) { action = TCloseAction::caFree; };
    std::vector<std::string> events;
    form->OnDestroy = [&](TComponent*) { events.push_back("destroy"); };
    auto* button = new TButton(form);
    button->SetParent(form);
    button->OnClick = [&](TComponent*) {
        form->Close();
        events.push_back("after close");
    };
    auto alive = form->Guard();
    ClickOn(button);
    EXPECT_EQ(events, (std::vector<std::string>{"after close", "destroy"}));
    EXPECT_FALSE(alive);
}

TEST_F(Modal, FormEventsComeInTheirOrder)
{
    std::vector<std::string> events;
    class TRecordingForm : public TForm {
    public:
        TRecordingForm(TComponent* owner, std::vector<std::string>& log) : TForm(owner)
        {
            OnCreate = [&log](TComponent*) { log.push_back("create"); };
            OnShow = [&log](TComponent*) { log.push_back("show"); };
            OnActivate = [&log](TComponent*) { log.push_back("activate"); };
            OnDeactivate = [&log](TComponent*) { log.push_back("deactivate"); };
            OnHide = [&log](TComponent*) { log.push_back("hide"); };
            OnDestroy = [&log](TComponent*) { log.push_back("destroy"); };
        }
    };
    TForm* form = app->CreateForm<TRecordingForm>(events);
    form->SetBounds(400, 300, 100, 80);
    EXPECT_EQ(events, (std::vector<std::string>{"create"}));
    form->Show();
    form->Hide();
    form->Free();
    EXPECT_EQ(events, (std::vector<std::string>{"create", "show", "activate", "hide", "deactivate", "destroy"}));
}

TEST_F(FailingModal, AStepThatFailsInsideTheDialogLeavesTheProgramUsable)
{
    auto* edit = new TEdit(dialog); // its caret blinks on a timer while the dialog waits
    edit->SetParent(dialog);
    edit->SetBounds(10, 10, 200, 24);
    dialog->SetActiveControl(edit);
    screen->WhenIdle([] {}); // a step that gave up early, leaving the dialog open
    uint64_t t0 = screen->Now();
    try {
        dialog->ShowModal();
        ADD_FAILURE() << "the dialog's loop ended";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("only timers fired"), std::string::npos) << e.what();
    }
    EXPECT_GE(screen->Now() - t0, 60 * 60 * 1000u);
    EXPECT_FALSE(dialog->Modal());
    EXPECT_FALSE(dialog->Visible());
    EXPECT_TRUE(IsWindowEnabled(owner->Handle()));
    EXPECT_EQ(GetActiveWindow(), owner->Handle());

    // The same dialog runs again, and the owner takes clicks afterwards.
    screen->WhenIdle([&] { ClickOn(ok); });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    auto* button = test::NewChild<TButton>(owner, 10, 10, 75, 25);
    bool clicked = false;
    button->OnClick = [&](TComponent*) { clicked = true; };
    ClickOn(button);
    EXPECT_TRUE(clicked);
}
