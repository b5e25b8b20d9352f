#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/Button.h"
#include "ui/HintWindow.h"
#include "ui/Label.h"
#include "ui/Panel.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Hints : public UiTest {
protected:
    TForm* form = nullptr;
    TButton* zoomIn = nullptr;
    TLabel* label = nullptr;
    TPanel* plain = nullptr;
    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        form->SetShowHint(true);
        zoomIn = Add<TButton>(10, "放大|Makes the picture larger");
        label = Add<TLabel>(100, "A label");
        plain = Add<TPanel>(200, "");
        screen->MouseMove(10, 10); // start outside the form
    }
    template <class T>
    T* Add(int left, const std::string& hint)
    {
        auto* c = test::NewChild<T>(form, left, 10, 60, 25);
        c->SetHint(hint);
        return c;
    }
    bool HintShown() const
    {
        THintWindow* w = app->HintWindow();
        return w && w->Visible() && IsWindowVisible(w->Handle());
    }
    std::string HintText() const { return HintShown() ? app->HintWindow()->Caption() : std::string(); }
};

} // namespace

TEST_F(Hints, AHintAppearsAfterThePauseAndGoesAfterTheHidePause)
{
    TPoint p = Center(zoomIn);
    MoveTo(p);
    screen->Advance(499);
    EXPECT_FALSE(HintShown());
    screen->Advance(1);
    ASSERT_TRUE(HintShown());
    EXPECT_EQ(HintText(), "放大");
    EXPECT_EQ(app->Hint(), "Makes the picture larger");
    // Below the pointer, clear of it: the headless display shows no pointer picture, so a
    // whole cursor's height.
    TRect r = GetWindowRect(app->HintWindow()->Handle());
    EXPECT_EQ(r.Left, p.x);
    EXPECT_EQ(r.Top, p.y + GetSystemMetrics(SM_CYCURSOR));
    // Moving on the same control changes nothing.
    MoveTo({p.x + 3, p.y + 1});
    screen->Advance(2499);
    EXPECT_TRUE(HintShown());
    screen->Advance(1);
    EXPECT_FALSE(HintShown());
    screen->Advance(5000);
    EXPECT_FALSE(HintShown()); // not again while the pointer stays on the control
}

TEST_F(Hints, TheNextControlsHintFollowsAfterTheShortPause)
{
    MoveTo(Center(zoomIn));
    screen->Advance(500);
    ASSERT_TRUE(HintShown());
    MoveTo(Center(label));
    EXPECT_FALSE(HintShown());
    screen->Advance(49);
    EXPECT_FALSE(HintShown());
    screen->Advance(1);
    EXPECT_EQ(HintText(), "A label");
    // A control without a hint ends the series: the next one waits the whole pause again.
    MoveTo(Center(plain));
    EXPECT_FALSE(HintShown());
    MoveTo(Center(zoomIn));
    screen->Advance(100);
    EXPECT_FALSE(HintShown());
    screen->Advance(400);
    EXPECT_TRUE(HintShown());
}

TEST_F(Hints, PressingAButtonOrKeyOrLeavingTheWindowCancelsTheHint)
{
    auto show = [&] {
        MoveTo(Center(label));
        MoveTo(Center(zoomIn));
        screen->Advance(500);
        ASSERT_TRUE(HintShown());
    };
    show();
    screen->MouseDown();
    screen->MouseUp();
    EXPECT_FALSE(HintShown());
    show();
    screen->PressKey(VK_SHIFT);
    EXPECT_FALSE(HintShown());
    show();
    MoveTo({10, 10});
    EXPECT_FALSE(HintShown());
    // A pending hint is dropped as well.
    MoveTo(Center(zoomIn));
    MoveTo({10, 10});
    screen->Advance(1000);
    EXPECT_FALSE(HintShown());
}

TEST_F(Hints, TheWindowFrameEndsTheHintAsLeavingTheProgramDoes)
{
    // Onto a caption button straight from a control: no control of the client area takes the
    // hints on, and a press there (rolling the window up, say) must not leave the hint behind.
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    const TRect window = GetWindowRect(form->Handle());
    const TPoint client = form->ClientToScreen({0, 0});
    ASSERT_GT(client.y - window.Top, 4) << "the form has a caption";
    const TPoint caption{Center(zoomIn).x, window.Top + 2};
    for (bool press : {false, true}) {
        SCOPED_TRACE(press ? "press on the frame" : "pointer onto the frame");
        MoveTo({10, 10});
        MoveTo(Center(zoomIn));
        screen->Advance(500);
        ASSERT_TRUE(HintShown());
        MoveTo(caption);
        if (press) {
            screen->MouseDown();
            screen->MouseUp();
        }
        EXPECT_FALSE(HintShown());
        screen->Advance(1000);
        EXPECT_FALSE(HintShown()) << "nor shown again from the frame";
    }
    // A hint still pending when the pointer reaches the frame is dropped.
    MoveTo(Center(zoomIn));
    MoveTo(caption);
    screen->Advance(1000);
    EXPECT_FALSE(HintShown());
}

TEST_F(Hints, ShowHintIsInheritedAndCanBeSwitchedOff)
{
    EXPECT_TRUE(zoomIn->ShowHint()); // ParentShowHint
    zoomIn->SetShowHint(false);
    form->SetShowHint(true);
    EXPECT_FALSE(zoomIn->ShowHint()); // its own choice now
    MoveTo(Center(zoomIn));
    screen->Advance(1000);
    EXPECT_FALSE(HintShown());
    zoomIn->SetParentShowHint(true);
    app->SetShowHint(false);
    MoveTo(Center(label));
    screen->Advance(1000);
    EXPECT_FALSE(HintShown());
}

TEST_F(Hints, OnShowHintCanChangeOrStopTheHint)
{
    std::vector<std::string> seen;
    app->OnShowHint = [&](std::string& text, bool& canShow, THintInfo& info) {
        seen.push_back(text);
        if (info.HintControl == label) canShow = false;
        text = "[" + text + "]";
        info.HintPos.x += 5;
    };
    TPoint p = Center(zoomIn);
    MoveTo(p);
    screen->Advance(500);
    EXPECT_EQ(HintText(), "[放大]");
    EXPECT_EQ(GetWindowRect(app->HintWindow()->Handle()).Left, p.x + 5);
    MoveTo(Center(label));
    screen->Advance(500);
    EXPECT_FALSE(HintShown());
    EXPECT_EQ(seen, (std::vector<std::string>{"放大", "A label"}));
}

namespace {

class TBigHintWindow : public THintWindow {
public:
    using THintWindow::THintWindow;
    TRect CalcHintRect(int, const std::string&) override { return {0, 0, 77, 33}; }
};

} // namespace

TEST_F(Hints, AReplacedHintWindowClassTakesOverWhenHintsAreSwitchedBackOn)
{
    MoveTo(Center(zoomIn));
    screen->Advance(500);
    ASSERT_TRUE(HintShown());
    app->SetHintWindowClass([](TComponent* owner) { return new TBigHintWindow(owner); });
    app->SetShowHint(!app->ShowHint());
    app->SetShowHint(!app->ShowHint());
    EXPECT_EQ(app->HintWindow(), nullptr);
    MoveTo(Center(label));
    screen->Advance(500);
    ASSERT_TRUE(HintShown());
    EXPECT_NE(dynamic_cast<TBigHintWindow*>(app->HintWindow()), nullptr);
    EXPECT_EQ(GetWindowRect(app->HintWindow()->Handle()).Width(), 77);
}

TEST_F(Hints, AHintNearTheScreenEdgeStaysOnTheScreen)
{
    form->SetBounds(700, 560, 100, 40);
    zoomIn->SetBounds(0, 0, 100, 40);
    zoomIn->SetHint("A rather long hint text that needs room");
    MoveTo({790, 590});
    screen->Advance(500);
    ASSERT_TRUE(HintShown());
    TRect r = GetWindowRect(app->HintWindow()->Handle());
    EXPECT_LE(r.Right, 800);
    EXPECT_EQ(r.Bottom, 590 - 2) << "no room below the pointer: above it, not over it";
}
