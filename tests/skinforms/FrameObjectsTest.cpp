#include "FrameTest.h"

#include "gfx/Canvas.h"
#include "skin/DataSkinObject.h"
#include "skin/EffectBmp.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skinforms/SkinAnimateObject.h"
#include "skinforms/SkinHint.h"
#include "skinforms/SkinHintWindow.h"
#include "skinforms/SkinStdButtonObject.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class FrameObjects : public FrameTest {
protected:
    void SetUp() override
    {
        frame = NewFrame(Bounds(100, 100, 300, 200));
        form = frame->Form();
    }
    TPoint CenterOf(const char* name) const
    {
        TRect r = frame->FindObject(name)->ObjectRect;
        return OnForm(form, {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    // Where the pointer rests between cases: in the client area, nothing hovered.
    void Rest()
    {
        MoveTo(OnForm(form, {150, 120}));
        Wait(60);
    }
    TbsRevideruDadoZiri* frame = nullptr;
    TForm* form = nullptr;
};

// The program's skin with an animation (four 16 x 16 frames of one colour each, red, green,
// blue, white) as a caption button of the application's own, and an area the application paints
// in the bottom-right corner of the frame.
std::unique_ptr<TbsSkinData> SkinWithAnimation()
{
    auto skin = std::make_unique<TbsSkinData>();
    skin->ApplyStoredSkin(ProgramSkinStored());
    TBitmap strip(64, 16);
    const TColor colors[] = {clRed, clLime, clBlue, clWhite};
    for (int i = 0; i < 4; ++i) {
        TCanvas c(strip);
        c.Brush().Color = colors[i];
        c.FillRect(Bounds(16 * i, 0, 16, 16));
    }
    skin->activepictures.push_back(strip);
    auto animate = std::make_unique<TbsDataSkinAnimate>("spinner");
    animate->activepictureindex = int(skin->activepictures.size()) - 1;
    animate->skinrectinapicture = true;
    animate->skinrect = animate->activeskinrect = {0, 0, 16, 16};
    animate->countframes = 4;
    animate->buttonstyle = true;
    animate->timerinterval = 60;
    skin->SkinObjects.push_back(std::move(animate));
    auto user = std::make_unique<TbsDataUserObject>("badge");
    user->skinrect = {205, 163, 215, 167};
    skin->SkinObjects.push_back(std::move(user));
    return skin;
}

} // namespace

TEST_F(FrameObjects, EachCaptionButtonRunsItsCommandWhenReleasedOverIt)
{
    struct TCase {
        const char* button;
        std::function<bool()> done;
    };
    const TCase cases[] = {
        {"maxbutton", [&] { return frame->FormWindowState() == TWindowState::wsMaximized; }},
        {"minbutton", [&] { return frame->FormWindowState() == TWindowState::wsMinimized; }},
        {"rollupbutton", [&] { return frame->RolledUp(); }},
        {"closebutton", [&] { return !form->Visible(); }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.button);
        Rest();
        // Pressed, moved off and released away: nothing.
        MoveTo(CenterOf(c.button));
        screen->MouseDown();
        EXPECT_TRUE(static_cast<TbsSkinButtonObject*>(frame->FindObject(c.button))->Down);
        MoveTo(OnForm(form, {150, 120}));
        Wait(60);
        screen->MouseUp();
        EXPECT_FALSE(c.done());
        EXPECT_FALSE(static_cast<TbsSkinButtonObject*>(frame->FindObject(c.button))->Down);
        // Moved back on before the release: the command runs.
        MoveTo(CenterOf(c.button));
        screen->MouseDown();
        MoveTo(OnForm(form, {150, 120}));
        Wait(60);
        MoveTo(CenterOf(c.button));
        Wait(60);
        screen->MouseUp();
        EXPECT_TRUE(c.done());
        form->Show();
        frame->SetRollUp(false);
        frame->SetFormWindowState(TWindowState::wsNormal);
        ASSERT_EQ(WindowRect(form), Bounds(100, 100, 300, 200));
    }
}

TEST_F(FrameObjects, TheSystemMenuRunsEachCommandFromTheKeyboard)
{
    struct TCase {
        int downs; // from the first item, lit at once: Minimize, Maximize, Ro&llUp, a line, Close
        std::function<bool()> done;
    };
    const TCase cases[] = {
        {0, [&] { return frame->FormWindowState() == TWindowState::wsMinimized; }},
        {1, [&] { return frame->FormWindowState() == TWindowState::wsMaximized; }},
        {2, [&] { return frame->RolledUp(); }},
        {3, [&] { return !form->Visible(); }},
        {4, [&] { return frame->FormWindowState() == TWindowState::wsMinimized; }}, // round to the top
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.downs);
        screen->KeyDown(VK_MENU);
        screen->PressKey(VK_SPACE);
        screen->KeyUp(VK_MENU);
        ASSERT_EQ(frame->SkinMenu()->PopupWindowCount(), 1);
        EXPECT_TRUE(frame->SkinMenuOpen());
        for (int i = 0; i < c.downs; ++i) screen->PressKey(VK_DOWN);
        screen->PressKey(VK_RETURN);
        EXPECT_TRUE(c.done());
        EXPECT_FALSE(frame->SkinMenuOpen());
        form->Show();
        frame->SetRollUp(false);
        frame->SetFormWindowState(TWindowState::wsNormal);
        ASSERT_EQ(WindowRect(form), Bounds(100, 100, 300, 200));
    }
    screen->KeyDown(VK_MENU);
    screen->PressKey(VK_F4);
    screen->KeyUp(VK_MENU);
    EXPECT_FALSE(form->Visible());
}

// The value a quantity takes after each change, and how many milliseconds after the previous
// change it came, sampled every millisecond.
template <class T, class F>
std::vector<std::pair<T, int>> Changes(THeadlessBackend* screen, int ms, F value)
{
    std::vector<std::pair<T, int>> changes;
    T last = value();
    uint64_t lastTime = screen->Now();
    for (int t = 0; t < ms; ++t) {
        screen->Advance(1);
        if (value() == last) continue;
        last = value();
        changes.emplace_back(last, int(screen->Now() - lastTime));
        lastTime = screen->Now();
    }
    return changes;
}

TEST_F(FrameObjects, AHoveredButtonMorphsInTenStepsOf20MillisecondsAndBack)
{
    Rest();
    auto* close = frame->FindObject("closebutton");
    MoveTo(CenterOf("closebutton"));
    Wait(50); // the hover poll sees the pointer
    ASSERT_TRUE(close->Active);
    // Tenths as integers: the steps must land on 1 exactly, which adding 0.1 in binary does not.
    auto tenths = [&] { return int(close->MorphFactor * 10 + 0.5) + (close->MorphFactor == 1 ? 100 : 0); };
    std::vector<std::pair<int, int>> up = Changes<int>(screen, 300, [&] {
        if (close->MorphFactor == 0.5) {
            // Half way the button shows the blend of its two looks.
            const TSize size{close->ObjectRect.Width(), close->ObjectRect.Height()};
            TbsEffectBmp expected(PictureLook(close->ActivePicture, close->skinrect, size));
            expected.MorphBlend(TbsEffectBmp(PictureLook(close->ActivePicture, close->activeskinrect, size)), 0.5);
            TBitmap shot = Shot(form);
            for (int y = 0; y < size.cy; ++y)
                for (int x = 0; x < size.cx; ++x) {
                    TEffectPixel p = expected.GetPixel(x, y);
                    EXPECT_EQ(shot.GetPixel(close->ObjectRect.Left + x, close->ObjectRect.Top + y),
                              RGB(p.Red, p.Green, p.Blue))
                        << x << "," << y;
                }
        }
        return tenths();
    });
    ASSERT_EQ(up.size(), 10u);
    for (size_t i = 0; i < up.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(up[i].first, i == 9 ? 110 : int(i) + 1);
        if (i > 0) {
            EXPECT_EQ(up[i].second, 20);
        }
    }
    MoveTo(OnForm(form, {150, 120}));
    Wait(50); // the hover poll notices
    ASSERT_FALSE(close->Active);
    std::vector<std::pair<int, int>> down = Changes<int>(screen, 300, tenths);
    EXPECT_LE(down.size(), 10u);
    EXPECT_EQ(down.back().first, 0);
}

TEST_F(FrameObjects, AnAnimationPlaysForwardWhileHoveredAndBackWhenLeft)
{
    customSkin = SkinWithAnimation();
    frame->SetSkinData(customSkin.get());
    Rest();
    auto* spinner = dynamic_cast<TbsSkinAnimateObject*>(frame->FindObject("spinner"));
    ASSERT_NE(spinner, nullptr);
    // Placed as a caption button left of the roll-up button.
    EXPECT_EQ(spinner->ObjectRect, Rect(176 - 2 - 16, 4, 176 - 2, 20));
    auto colorShown = [&] {
        return Pixel(OnForm(form, {spinner->ObjectRect.Left + 8, spinner->ObjectRect.Top + 8}));
    };
    EXPECT_EQ(colorShown(), clRed);
    // A frame lasts 75 ms, the first multiple of 25 that reaches the skin's 60; the strip plays
    // once to its last frame and stays there.
    MoveTo(CenterOf("spinner"));
    Wait(50); // the hover poll sees the pointer
    ASSERT_TRUE(spinner->Active);
    using TFrameChange = std::pair<std::pair<int, TColor>, int>;
    auto shown = [&] { return std::pair<int, TColor>{spinner->CurrentFrame, colorShown()}; };
    std::vector<TFrameChange> forward = Changes<std::pair<int, TColor>>(screen, 400, shown);
    EXPECT_EQ(forward, (std::vector<TFrameChange>{{{2, clLime}, forward[0].second}, {{3, clBlue}, 75}, {{4, clWhite}, 75}}));
    EXPECT_FALSE(spinner->Active);
    MoveTo(OnForm(form, {150, 120}));
    Wait(50);
    std::vector<TFrameChange> back = Changes<std::pair<int, TColor>>(screen, 400, shown);
    ASSERT_EQ(back.size(), 3u);
    EXPECT_EQ(back[2].first.first, 1);
    EXPECT_EQ(back[2].second, 75);
    EXPECT_EQ(colorShown(), clRed);
}

TEST_F(FrameObjects, UserObjectsArePaintedByTheApplicationWhereTheFrameMovesThem)
{
    customSkin = SkinWithAnimation();
    std::vector<TRect> painted;
    frame->OnPaintEvent = [&](const std::string& name, TCanvas& canvas, const TRect& r) {
        EXPECT_EQ(name, "badge");
        painted.push_back(r);
        canvas.Brush().Color = clFuchsia;
        canvas.FillRect(r);
    };
    frame->SetSkinData(customSkin.get());
    ProcessMessages();
    // The bottom-right corner of the picture follows the frame's bottom-right corner.
    EXPECT_FALSE(painted.empty());
    EXPECT_EQ(frame->FindObject("badge")->ObjectRect, Rect(205 + 84, 163 + 33, 215 + 84, 167 + 33));
    EXPECT_EQ(Pixel(OnForm(form, {210 + 84, 198})), clFuchsia);
    frame->OnPaintEvent = nullptr;
}

TEST_F(FrameObjects, EventsNameTheObjectAndARightPressPressesNoButton)
{
    std::vector<std::string> events;
    frame->OnMouseEnterEvent = [&](const std::string& n) { events.push_back("enter " + n); };
    frame->OnMouseLeaveEvent = [&](const std::string& n) { events.push_back("leave " + n); };
    frame->OnMouseDownEvent = [&](const std::string& n, int, int, const TRect&, TMouseButton) {
        events.push_back("down " + n);
    };
    frame->OnMouseUpEvent = [&](const std::string& n, int, int, const TRect&, TMouseButton) {
        events.push_back("up " + n);
    };
    Rest();
    TPoint close = CenterOf("closebutton");
    screen->Click(close.x, close.y, TMouseButton::Right);
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(static_cast<TbsSkinButtonObject*>(frame->FindObject("closebutton"))->Down);
    Rest();
    // A right press on the caption opens the system menu (Esc closes it); the caption object
    // hears of the pointer too.
    TPoint caption = OnForm(form, {100, 16});
    screen->Click(caption.x, caption.y, TMouseButton::Right);
    EXPECT_TRUE(frame->SkinMenuOpen());
    EXPECT_EQ(frame->SkinMenu()->PopupWindowCount(), 1);
    screen->PressKey(VK_ESCAPE);
    EXPECT_FALSE(frame->SkinMenuOpen());
    EXPECT_EQ(frame->SkinMenu()->PopupWindowCount(), 0);
    EXPECT_EQ(events, (std::vector<std::string>{"enter closebutton", "up closebutton", "leave closebutton",
                                                "enter caption1", "down caption1"}));
}

TEST_F(FrameObjects, BorderIconsAndHiddenButtonsDecideWhatTheCaptionOffers)
{
    frame->SetBorderIcons({TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize});
    frame->ChangeSkinData();
    EXPECT_FALSE(frame->FindObject("maxbutton")->Visible);
    EXPECT_FALSE(frame->FindObject("rollupbutton")->Visible);
    EXPECT_TRUE(frame->FindObject("closebutton")->Visible);
    // The remaining buttons close up to the right edge.
    EXPECT_EQ(frame->FindObject("minbutton")->ObjectRect.Left, 294 - 28 - 2 - 28);
    std::vector<std::string> items;
    TMenuItem* menu = frame->GetSystemMenu();
    for (int i = 0; i < menu->Count(); ++i) items.push_back(menu->Items(i)->Caption());
    EXPECT_EQ(items, (std::vector<std::string>{"Mi&nimize", "-", "&Close"}));

    frame->SetHideCaptionButtons(true);
    frame->ChangeSkinData();
    for (const char* name : {"closebutton", "minbutton", "systemmenubutton"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(frame->FindObject(name)->Enabled);
        EXPECT_FALSE(frame->FindObject(name)->Visible); // drawn from its own picture
    }
    EXPECT_EQ(HitTest(form, {280, 16}), HTCAPTION);
}

TEST_F(FrameObjects, TheFormsSkinnedPopupMenusOpenOnTheFramesEngine)
{
    auto* popup = new TbsSkinPopupMenu(form);
    std::vector<std::string> chosen;
    for (const char* caption : {"&One", "&Two"}) {
        auto* item = new TMenuItem(popup);
        item->SetCaption(caption);
        item->OnClick = [&chosen, caption](TComponent*) { chosen.push_back(caption); };
        popup->Items()->Add(item);
    }
    std::vector<std::string> events;
    frame->OnSkinMenuOpen = [&](TComponent*) { events.push_back("open"); };
    frame->OnSkinMenuClose = [&](TComponent*) { events.push_back("close"); };

    // Chosen by its letter.
    popup->Popup(OnForm(form, {150, 120}).x, OnForm(form, {150, 120}).y);
    EXPECT_EQ(popup->SkinData(), frame->SkinData());
    ASSERT_EQ(frame->SkinMenu()->PopupWindowCount(), 1);
    screen->PressKey('T');
    EXPECT_EQ(chosen, std::vector<std::string>{"&Two"});
    // Closed by a press on the form, and by the frame's Alt+Space, which opens the system menu.
    popup->Popup(OnForm(form, {150, 120}).x, OnForm(form, {150, 120}).y);
    TPoint client = OnForm(form, {60, 150});
    screen->Click(client.x, client.y);
    EXPECT_EQ(frame->SkinMenu()->PopupWindowCount(), 0);
    popup->Popup(OnForm(form, {150, 120}).x, OnForm(form, {150, 120}).y);
    screen->KeyDown(VK_MENU);
    screen->PressKey(VK_SPACE);
    screen->KeyUp(VK_MENU);
    EXPECT_FALSE(frame->SkinMenuOpen());
    EXPECT_EQ(frame->SkinMenu()->PopupWindowCount(), 0);
    EXPECT_EQ(chosen, std::vector<std::string>{"&Two"});
    EXPECT_EQ(events, (std::vector<std::string>{"open", "close", "open", "close", "open", "close"}));
}

TEST_F(FrameObjects, AnotherHookOnTheFormOutlivesTheFrameOrGoesBeforeIt)
{
    for (bool frameGoesFirst : {true, false}) {
        SCOPED_TRACE(frameGoesFirst ? "frame first" : "other hook first");
        TbsRevideruDadoZiri* f = NewFrame(Bounds(400, 300, 300, 200));
        TForm* owner = f->Form();
        int heard = 0;
        TWindowHook other(owner, [&heard](TMessage& m, const TWndNext& next) {
            if (m.Msg == WM_NCHITTEST) ++heard;
            next(m);
        });
        EXPECT_EQ(HitTest(owner, {100, 16}), HTCAPTION);
        if (frameGoesFirst) {
            f->Free();
            EXPECT_EQ(owner->FrameHook(), nullptr);
        } else {
            other.Remove();
            EXPECT_EQ(HitTest(owner, {100, 16}), HTCAPTION);
        }
        HitTest(owner, {100, 16});
        EXPECT_EQ(heard, frameGoesFirst ? 2 : 1);
        other.Remove();
        owner->Free();
    }
}

TEST_F(FrameObjects, AnObjectsHintShowsAfterThePauseAndGoesWhenThePointerLeavesOrPresses)
{
    auto* hints = new TbsSkinHint(mainForm); // the serving one sits on the main form
    frame->SetSkinHint(hints);
    frame->FindObject("closebutton")->hint = "关闭";
    auto shown = [&] {
        TbsSkinHintWindow* w = hints->HintWindow();
        return w->Visible() && IsWindowVisible(w->Handle()) ? GetWindowText(w->Handle()) : std::string();
    };
    struct TCase {
        const char* what;
        bool showObjectHint;
        const char* object; // where the pointer goes from the client area
        int wait;
        std::string shown;
    } cases[] = {
        {"before the pause", true, "closebutton", 400, ""},
        {"after the pause", true, "closebutton", 600, "关闭"},
        {"an object without a hint", true, "caption1", 600, ""},
        {"ShowObjectHint off", false, "closebutton", 600, ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        Rest();
        frame->SetShowObjectHint(c.showObjectHint);
        MoveTo(CenterOf(c.object));
        Wait(c.wait);
        EXPECT_EQ(shown(), c.shown);
    }
    // Leaving the object hides it; so does a press on the form.
    frame->SetShowObjectHint(true);
    for (bool press : {false, true}) {
        SCOPED_TRACE(press ? "a press" : "leaving");
        Rest();
        MoveTo(CenterOf("closebutton"));
        Wait(600);
        ASSERT_EQ(shown(), "关闭");
        if (press) SendMessage(form->Handle(), WM_LBUTTONDOWN, 0, MAKELPARAM(10, 10));
        else Rest();
        EXPECT_EQ(shown(), "");
    }
    hints->Free();
    EXPECT_EQ(frame->SkinHint(), nullptr);
}
