#include "FrameTest.h"

#include "skin/DataSkinButtonControls.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinStdLabel.h"
#include "skinforms/MessageForm.h"
#include "skinforms/SkinMessage.h"
#include "ui/Image.h"
#include "ui/MessageBoxLayout.h"
#include "ui/Screen.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using B = TMsgDlgBtn;

class SkinMessageTest : public FrameTest {
public:
    SkinMessageTest()
    {
        app->SetTitle("Tavrik");
        message = new TbsSkinMessage(app.get());
        message->SetSkinData(skin());
        message->SetCtrlSkinData(skin());
    }
    static TbsSkinData* skin() { return const_cast<TbsSkinData*>(&ProgramSkinData()); }

    // The box now showing.
    TbsMessageForm* Box() const
    {
        for (int i = 0; i < app->ComponentCount(); ++i)
            if (auto* box = dynamic_cast<TbsMessageForm*>(app->Components(i))) return box;
        return nullptr;
    }
    template <class T>
    T* Part(const char* name) const
    {
        return dynamic_cast<T*>(Box()->FindComponent(name));
    }
    // Shows a box, lets `look` check it while it is open, then does what closes it.
    int Show(const std::string& text, TMsgDlgType kind, TMsgDlgButtons buttons, const std::function<void()>& look,
             const std::function<void()>& close)
    {
        screen->WhenIdle([&] {
            look();
            close();
        });
        return message->ShowMessageBox(text, kind, buttons);
    }
    void Press(UINT key) { screen->PressKey(key); }
    void Click(const char* button)
    {
        const TControl* control = Part<TControl>(button);
        ASSERT_NE(control, nullptr) << button;
        const TPoint p = control->ClientToScreen({control->Width() / 2, control->Height() / 2});
        screen->Click(p.x, p.y);
    }
    void AltKey(UINT key)
    {
        screen->KeyDown(VK_MENU);
        Press(key);
        screen->KeyUp(VK_MENU);
    }

    TbsSkinMessage* message = nullptr;
};

TEST_F(SkinMessageTest, ResultOfEveryButtonAndOfTheKeys)
{
    const TMsgDlgButtons ok = MsgDlgButtons({B::mbOK});
    const TMsgDlgButtons yesNo = MsgDlgButtons({B::mbYes, B::mbNo});
    const TMsgDlgButtons retry = MsgDlgButtons({B::mbAbort, B::mbRetry, B::mbIgnore});
    const TMsgDlgButtons all = MsgDlgButtons({B::mbYes, B::mbNo, B::mbOK, B::mbCancel, B::mbAbort, B::mbRetry,
                                              B::mbIgnore, B::mbAll, B::mbNoToAll, B::mbYesToAll});
    struct TCase {
        const char* name;
        TMsgDlgButtons buttons;
        std::function<void(SkinMessageTest&)> close;
        int result;
    } cases[] = {
        {"OK by Enter", ok, [](SkinMessageTest& t) { t.Press(VK_RETURN); }, mrOk},
        {"OK by Esc", ok, [](SkinMessageTest& t) { t.Press(VK_ESCAPE); }, mrOk},
        {"OK by click", ok, [](SkinMessageTest& t) { t.Click("OK"); }, mrOk},
        {"Yes by Enter", yesNo, [](SkinMessageTest& t) { t.Press(VK_RETURN); }, mrYes},
        {"No by Esc", yesNo, [](SkinMessageTest& t) { t.Press(VK_ESCAPE); }, mrNo},
        {"No by Alt and its letter", yesNo, [](SkinMessageTest& t) { t.AltKey('N'); }, mrNo},
        {"No by its letter alone", yesNo, [](SkinMessageTest& t) { t.Press('N'); }, mrNo},
        {"Ignore by its letter", retry, [](SkinMessageTest& t) { t.Press('I'); }, mrIgnore},
        {"Retry by Enter", retry, [](SkinMessageTest& t) { t.Press(VK_RETURN); }, mrRetry},
        {"Tab then space", yesNo, [](SkinMessageTest& t) {
             t.Press(VK_TAB);
             t.Press(VK_SPACE);
         }, mrNo},
        {"Cancel by Esc", all, [](SkinMessageTest& t) { t.Press(VK_ESCAPE); }, mrCancel},
        {"no buttons, closed by the frame", 0, [](SkinMessageTest& t) { t.Box()->Close(); }, mrCancel},
        {"no buttons, Alt+F4", 0, [](SkinMessageTest& t) { t.AltKey(VK_F4); }, mrCancel},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(Show("Question?", TMsgDlgType::mtConfirmation, c.buttons, [] {}, [&] { c.close(*this); }), c.result);
        EXPECT_EQ(Box(), nullptr); // freed before the call returns
    }
    for (unsigned b = 0; b < 10; ++b) {
        const TMsgDlgButtonInfo& info = MsgDlgButtonInfo(TMsgDlgBtn(b));
        SCOPED_TRACE(info.Name);
        EXPECT_EQ(Show("Pick one", TMsgDlgType::mtCustom, all, [] {}, [&] { Click(info.Name); }), info.Result);
    }
}

TEST_F(SkinMessageTest, LayoutFollowsTheTextAndTheButtons)
{
    const int index = ProgramSkinData().IndexOfSkinControl("button");
    ASSERT_GE(index, 0);
    const int skinButtonHeight =
        dynamic_cast<const TbsDataSkinButtonControl&>(*ProgramSkinData().SkinControls.at(size_t(index))).skinrect.Height();
    struct TCase {
        const char* name;
        std::string text;
        TMsgDlgButtons buttons;
        TMsgDlgType kind;
        TbsSkinData* skin;
    } cases[] = {
        {"one line, one button", "请导入图片！", MsgDlgButtons({B::mbOK}), TMsgDlgType::mtInformation, skin()},
        {"short, three buttons", "Save?", MsgDlgButtons({B::mbYes, B::mbNo, B::mbCancel}), TMsgDlgType::mtConfirmation,
         skin()},
        {"three lines", "First line\nSecond line\nThird", MsgDlgButtons({B::mbOK, B::mbCancel}), TMsgDlgType::mtWarning,
         skin()},
        {"wider than the screen", std::string(400, 'W'), MsgDlgButtons({B::mbAbort, B::mbRetry, B::mbIgnore}),
         TMsgDlgType::mtError, skin()},
        {"custom", "No icon here", MsgDlgButtons({B::mbHelp}), TMsgDlgType::mtCustom, skin()},
        {"no skin", "Plain", MsgDlgButtons({B::mbOK, B::mbCancel}), TMsgDlgType::mtInformation, nullptr},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        message->SetSkinData(c.skin);
        message->SetCtrlSkinData(c.skin);
        const int buttonHeight = c.skin ? skinButtonHeight : 25;
        const int beeps = screen->BeepCount();
        Show(c.text, c.kind, c.buttons, [&] {
            TbsMessageForm* box = Box();
            auto* label = Part<TbsSkinStdLabel>("Message");
            EXPECT_EQ(box->Caption(), c.kind == TMsgDlgType::mtCustom ? "Tavrik" : MsgDlgCaption(c.kind));
            auto* icon = Part<TImage>("Image");
            EXPECT_EQ(icon != nullptr, c.kind != TMsgDlgType::mtCustom);
            if (icon) {
                EXPECT_EQ(icon->BoundsRect(), MessageIconRect(label->Height()));
            }
            EXPECT_EQ((TPoint{label->Left(), label->Top()}), kMessageTextOrigin);
            const TSize client = MessageBoxClientSize({label->Width(), label->Height()}, c.buttons, buttonHeight);
            EXPECT_EQ(box->ClientHeight(), client.cy);
            const int width = std::clamp(box->Width() - box->ClientWidth() + client.cx, box->Frame()->GetMinWidth(),
                                         box->Frame()->GetMaxWidth());
            EXPECT_EQ(box->Width(), width);
            EXPECT_LE(box->Width(), Screen()->Width());
            for (const TMessageButtonPlace& place :
                 MessageButtonRow(c.buttons, {box->ClientWidth(), box->ClientHeight()}, buttonHeight)) {
                auto* button = Part<TbsSkinButton>(MsgDlgButtonInfo(place.Button).Name);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->BoundsRect(), place.Bounds);
                EXPECT_EQ(button->Caption(), MsgDlgButtonInfo(place.Button).Caption);
                EXPECT_EQ(button->Default(), place.Button == MessageDefaultButton(c.buttons));
                EXPECT_EQ(button->Cancel(), place.Button == MessageCancelButton(c.buttons));
                EXPECT_EQ(button->SkinIndex() >= 0, c.skin != nullptr);
                if (button->Default()) {
                    EXPECT_TRUE(button->Focused());
                }
            }
            // Centred on the screen.
            EXPECT_NEAR(box->Left() + box->Width() / 2, Screen()->Width() / 2, 1);
            EXPECT_NEAR(box->Top() + box->Height() / 2, Screen()->Height() / 2, 1);
        }, [&] { Box()->Close(); });
        EXPECT_EQ(screen->BeepCount(), beeps + 1);
    }
}

TEST_F(SkinMessageTest, TheHelpButtonAsksForTheBoxsHelpContext)
{
    std::vector<int> asked;
    message->OnHelp = [&](int context) { asked.push_back(context); };
    screen->WhenIdle([&] { Click("Help"); });
    screen->WhenIdle([&] { Box()->Close(); });
    message->ShowMessageBox("Need help?", TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK, B::mbHelp}), 42);
    EXPECT_EQ(asked, std::vector<int>{42});
}

TEST_F(SkinMessageTest, TheBoxIsMadeOwnedByTheWindowItInterrupts)
{
    // A window manager keeps a window above another only when told so as it is made.
    TForm* owner = NewFrame(Bounds(50, 50, 300, 200))->Form();
    ASSERT_EQ(GetActiveWindow(), owner->Handle());
    for (bool ownerActive : {true, false}) {
        SCOPED_TRACE(ownerActive ? "a window active" : "no window active");
        if (!ownerActive) owner->Hide();
        TNativeWindow madeOwner = 1;
        Show("请导入图片！", TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK}),
             [&] { madeOwner = screen->Native(Box()->Handle())->params.owner; }, [&] { Press(VK_RETURN); });
        EXPECT_EQ(madeOwner, ownerActive ? screen->NativeWindowOf(owner->Handle()) : 0);
    }
}

TEST_F(SkinMessageTest, TakesOverMessageDlgUntilItGoes)
{
    message->InstallAsMessageBoxHandler();
    bool skinned = false;
    screen->WhenIdle([&] {
        skinned = Box() != nullptr;
        Press(VK_RETURN);
    });
    ShowMessage("请导入图片！");
    EXPECT_TRUE(skinned);
    delete message;
    screen->WhenIdle([&] {
        skinned = Box() != nullptr;
        Press(VK_RETURN);
    });
    EXPECT_EQ(MessageDlg("plain again", TMsgDlgType::mtWarning, MsgDlgButtons({B::mbOK})), mrOk);
    EXPECT_FALSE(skinned);
}

} // namespace
