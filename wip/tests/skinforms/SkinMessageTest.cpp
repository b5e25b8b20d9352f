#include "../skincontrols/SkinControlTest.h"

#include "skin/DataSkinButtonControls.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinStdLabel.h"
#include "skinforms/MessageForm.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinMessage.h"
#include "ui/Image.h"
#include "ui/MessageBoxLayout.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

#include <functional>
#include <string>
#include <vector>

namespace tavrik {
namespace {

using B = TMsgDlgBtn;

class SkinMessageTest : public testing::SkinControlTest {
protected:
    SkinMessageTest()
    {
        app->SetTitle("Tavrik");
        message = new TbsSkinMessage(app.get());
        message->SetSkinData(data);
        message->SetCtrlSkinData(data);
    }

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
    // Shows a box, lets look run while it is open, then does what closes it.
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
    void Click(const char* button) { ClickOn(Part<TControl>(button)); }

    TbsSkinMessage* message = nullptr;
};

TEST_F(SkinMessageTest, ResultOfEveryButtonAndOfTheKeys)
{
    const TMsgDlgButtons ok = MsgDlgButtons({B::mbOK});
    const TMsgDlgButtons yesNo = MsgDlgButtons({B::mbYes, B::mbNo});
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
        {"No by its letter", yesNo, [](SkinMessageTest& t) {
             t.screen->KeyDown(VK_MENU);
             t.Press('N');
             t.screen->KeyUp(VK_MENU);
         }, mrNo},
        {"Cancel by Esc", all, [](SkinMessageTest& t) { t.Press(VK_ESCAPE); }, mrCancel},
        {"closed by the frame", 0, [](SkinMessageTest& t) { t.Box()->Close(); }, mrCancel},
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
    const int skinButtonHeight = SkinControl<TbsDataSkinButtonControl>("button").skinrect.Height();
    struct TCase {
        const char* name;
        std::string text;
        TMsgDlgButtons buttons;
        TMsgDlgType kind;
    } cases[] = {
        {"one line, one button", "请导入图片！", MsgDlgButtons({B::mbOK}), TMsgDlgType::mtInformation},
        {"short, three buttons", "Save?", MsgDlgButtons({B::mbYes, B::mbNo, B::mbCancel}), TMsgDlgType::mtConfirmation},
        {"three lines", "First line\nSecond line\nThird", MsgDlgButtons({B::mbOK, B::mbCancel}), TMsgDlgType::mtWarning},
        {"long", std::string(60, 'W'), MsgDlgButtons({B::mbAbort, B::mbRetry, B::mbIgnore}), TMsgDlgType::mtError},
        {"custom", "No icon here", MsgDlgButtons({B::mbHelp}), TMsgDlgType::mtCustom},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const int beeps = screen->BeepCount();
        Show(c.text, c.kind, c.buttons, [&] {
            TbsMessageForm* box = Box();
            auto* label = Part<TbsSkinStdLabel>("Message");
            EXPECT_EQ(box->Caption(), c.kind == TMsgDlgType::mtCustom ? "Tavrik" : MsgDlgCaption(c.kind));
            EXPECT_EQ((Part<TImage>("Image") != nullptr), c.kind != TMsgDlgType::mtCustom);
            EXPECT_EQ(label->Left(), 50);
            EXPECT_EQ(label->Top(), 15);
            const TSize client = MessageBoxClientSize({label->Width(), label->Height()}, c.buttons, skinButtonHeight);
            EXPECT_EQ(box->ClientHeight(), client.cy);
            const int width = std::clamp(box->Width() - box->ClientWidth() + client.cx, box->Frame()->GetMinWidth(),
                                         box->Frame()->GetMaxWidth());
            EXPECT_EQ(box->Width(), width);
            for (const TMessageButtonPlace& place : MessageButtonRow(c.buttons, {box->ClientWidth(), box->ClientHeight()},
                                                                     skinButtonHeight)) {
                auto* button = Part<TbsSkinButton>(MsgDlgButtonInfo(place.Button).Name);
                ASSERT_NE(button, nullptr);
                EXPECT_EQ(button->BoundsRect(), place.Bounds);
                EXPECT_EQ(button->Default(), place.Button == MessageDefaultButton(c.buttons));
                EXPECT_EQ(button->Cancel(), place.Button == MessageCancelButton(c.buttons));
            }
            // Centred on the screen.
            EXPECT_NEAR(box->Left() + box->Width() / 2, Screen()->Width() / 2, 1);
            EXPECT_NEAR(box->Top() + box->Height() / 2, Screen()->Height() / 2, 1);
        }, [&] { Box()->Close(); });
        EXPECT_EQ(screen->BeepCount(), beeps + 1);
    }
}

TEST_F(SkinMessageTest, WithoutSkinTheButtonsArePlainAndTwentyFiveHigh)
{
    message->SetSkinData(nullptr);
    message->SetCtrlSkinData(nullptr);
    Show("Plain", TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK}), [&] {
        auto* ok = Part<TbsSkinButton>("OK");
        EXPECT_EQ(ok->Height(), 25);
        EXPECT_EQ(ok->SkinIndex(), -1);
        EXPECT_TRUE(ok->Focused());
    }, [&] { Press(VK_RETURN); });
}

TEST_F(SkinMessageTest, TheHelpButtonAsksForTheBoxsHelpContext)
{
    std::vector<int> asked;
    app->OnHelp = [&](int context) {
        asked.push_back(context);
        return true;
    };
    screen->WhenIdle([&] { Click("Help"); });
    screen->WhenIdle([&] { Box()->Close(); });
    message->ShowMessageBox("Need help?", TMsgDlgType::mtInformation, MsgDlgButtons({B::mbOK, B::mbHelp}), 42);
    EXPECT_EQ(asked, std::vector<int>{42});
}

TEST_F(SkinMessageTest, TakesOverMessageDlg)
{
    message->InstallAsMessageBoxHandler();
    screen->WhenIdle([&] {
        EXPECT_NE(Box(), nullptr);
        Press(VK_RETURN);
    });
    ShowMessage("请导入图片！");
    delete message;
    screen->WhenIdle([&] { Press(VK_RETURN); });
    EXPECT_EQ(MessageDlg("plain again", TMsgDlgType::mtWarning, MsgDlgButtons({B::mbOK})), mrOk);
}

} // namespace
} // namespace tavrik
