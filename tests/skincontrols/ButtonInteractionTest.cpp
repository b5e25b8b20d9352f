#include "skincontrols/ButtonFace.h"
#include "skincontrols/ButtonInteraction.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tavrik {
namespace {

using E = TButtonEvent;

struct TStepCheck {
    TButtonEvent event;
    bool down;
    bool hovered;
    unsigned actions;
};

// Runs the events in order from a fresh state and checks each step.
void RunScript(const char* name, TButtonSetup setup, const std::vector<TStepCheck>& script, TButtonState state = {})
{
    SCOPED_TRACE(name);
    for (size_t i = 0; i < script.size(); ++i) {
        SCOPED_TRACE("step " + std::to_string(i));
        TButtonStep step = StepButton(state, setup, script[i].event);
        EXPECT_EQ(step.Next.Down, script[i].down);
        EXPECT_EQ(step.Next.Hovered, script[i].hovered);
        EXPECT_EQ(step.Actions, script[i].actions);
        state = step.Next;
    }
}

TEST(ButtonInteractionTest, MouseOnAnUngroupedButton)
{
    RunScript("click", {}, {
        {E::PointerEnter, false, true, baRefresh},
        {E::LeftPress, true, true, 0},
        {E::LeftRelease, false, true, baClick},
        {E::PointerLeave, false, false, baRefresh},
    });
    RunScript("released outside: no click, up again", {}, {
        {E::PointerEnter, false, true, baRefresh},
        {E::LeftPress, true, true, 0},
        {E::PointerLeave, true, false, baRefresh},
        {E::LeftRelease, false, false, 0},
    });
    RunScript("back over it before the release: click", {}, {
        {E::LeftPress, true, true, 0},
        {E::PointerLeave, true, false, baRefresh},
        {E::PointerEnter, true, true, baFullMorph | baRepaint},
        {E::LeftRelease, false, true, baClick},
    });
    RunScript("a release without a press on the button does nothing", {}, {
        {E::PointerEnter, false, true, baRefresh},
        {E::LeftRelease, false, true, 0},
    });
    TButtonSetup focused;
    focused.Focused = true;
    RunScript("hovering a focused button changes nothing it shows", focused, {
        {E::PointerEnter, false, true, 0},
        {E::PointerLeave, false, false, 0},
    });
}

TEST(ButtonInteractionTest, AutoRepeatRunsWhileHeldOverTheButton)
{
    TButtonSetup repeat;
    repeat.RepeatMode = true;
    RunScript("hold, leave, come back, release", repeat, {
        {E::LeftPress, true, true, baStartRepeat},
        {E::PointerLeave, true, false, baRefresh | baStopRepeat},
        {E::PointerEnter, true, true, baFullMorph | baRepaint | baStopRepeat | baStartRepeat},
        {E::LeftRelease, false, true, baStopRepeat | baClick},
    });
    RunScript("released outside: the repeat stops without a click", repeat, {
        {E::LeftPress, true, true, baStartRepeat},
        {E::PointerLeave, true, false, baRefresh | baStopRepeat},
        {E::LeftRelease, false, false, 0},
    });
    repeat.Focused = true;
    RunScript("focus lost while held stops it", repeat, {
        {E::LeftPress, true, true, baStartRepeat},
        {E::FocusLost, false, true, baStopRepeat | baRefresh},
    });
    TButtonSetup grouped = repeat;
    grouped.Grouped = true;
    RunScript("a grouped button never repeats", grouped, {
        {E::LeftPress, true, true, baClick},
        {E::LeftRelease, true, true, 0},
    });
}

TEST(ButtonInteractionTest, StickyButtonsClickOnPressAndReleaseOnlyWithAllowAllUp)
{
    TButtonSetup group;
    group.Grouped = true;
    RunScript("stays down; a second click does nothing", group, {
        {E::PointerEnter, false, true, baRefresh},
        {E::LeftPress, true, true, baClick},
        {E::LeftRelease, true, true, 0},
        {E::PointerLeave, true, false, 0},
        {E::PointerEnter, true, true, 0},
        {E::LeftPress, true, true, 0},
        {E::LeftRelease, true, true, 0},
    });
    group.AllowAllUp = true;
    RunScript("AllowAllUp: the second click releases it on mouse-up", group, {
        {E::LeftPress, true, true, baClick},
        {E::LeftRelease, true, true, 0},
        {E::LeftPress, true, true, 0},
        {E::LeftRelease, false, true, baClick},
    });
    RunScript("AllowAllUp, released away from it: stays down", group, {
        {E::LeftPress, true, true, baClick},
        {E::LeftRelease, true, true, 0},
        {E::LeftPress, true, true, 0},
        {E::PointerLeave, true, false, 0},
        {E::LeftRelease, true, false, 0},
    });
    RunScript("focus loss leaves a grouped button down", group, {
        {E::LeftPress, true, true, baClick},
        {E::FocusLost, true, true, baRefresh},
    });
}

TEST(ButtonInteractionTest, KeyboardNeedsTheFocus)
{
    TButtonSetup focused;
    focused.Focused = true;
    RunScript("Space clicks on release, Enter on press", focused, {
        {E::SpaceDown, true, false, 0},
        {E::SpaceDown, true, false, 0},
        {E::SpaceUp, false, false, baClick},
        {E::SpaceUp, false, false, 0},
        {E::EnterDown, false, false, baClick},
    });
    focused.RepeatMode = true;
    RunScript("RepeatMode: every Space press clicks", focused, {
        {E::SpaceDown, true, false, baClick},
        {E::SpaceDown, true, false, baClick},
        {E::SpaceUp, false, false, baClick},
    });
    RunScript("no focus: keys do nothing", {}, {
        {E::SpaceDown, false, false, 0},
        {E::SpaceUp, false, false, 0},
        {E::EnterDown, false, false, 0},
    });
    TButtonSetup speed;
    speed.SpeedButton = true;
    speed.Focused = true;
    RunScript("a speed button takes no keys and no focus", speed, {
        {E::SpaceDown, false, false, 0},
        {E::EnterDown, false, false, 0},
        {E::FocusGained, false, false, 0},
        {E::FocusToNonButton, false, false, 0},
    });
}

TEST(ButtonInteractionTest, TheDefaultButtonKeepsItsHoverLookBesideNonButtons)
{
    TButtonSetup def;
    def.DefaultButton = true;
    RunScript("focus on an edit, then on another button", def, {
        {E::FocusToNonButton, false, true, baFullMorph | baRefresh},
        {E::PointerEnter, false, true, baRefresh},
        {E::PointerLeave, false, true, baRefresh},
        {E::FocusToOtherButton, false, false, baRefresh},
        {E::PointerEnter, false, true, baRefresh},
        {E::PointerLeave, false, false, baRefresh},
    });
    TButtonState s;
    s = StepButton(s, def, E::FocusToNonButton).Next;
    EXPECT_TRUE(s.DefaultActive);
    s = StepButton(s, def, E::FocusToOtherButton).Next;
    EXPECT_FALSE(s.DefaultActive);
    s = StepButton(s, def, E::FocusToThis).Next;
    EXPECT_TRUE(s.DefaultActive);
    TButtonSetup plain;
    EXPECT_FALSE(StepButton({}, plain, E::FocusToNonButton).Next.DefaultActive);
    EXPECT_EQ(StepButton({}, plain, E::FocusToNonButton).Actions, 0u);
}

TEST(ButtonInteractionTest, SpeedButtonHoverRefreshesUngroupedOrUpButtons)
{
    TButtonSetup speed;
    speed.SpeedButton = true;
    speed.Grouped = true;
    RunScript("grouped speed button", speed, {
        {E::PointerEnter, false, true, baRefresh},
        {E::LeftPress, true, true, baClick},
        {E::LeftRelease, true, true, 0},
        {E::PointerLeave, true, false, 0},
        {E::PointerEnter, true, true, 0},
    });
    speed.Grouped = false;
    RunScript("ungrouped speed button", speed, {
        {E::LeftPress, true, true, 0},
        {E::PointerLeave, true, false, baRefresh},
        {E::PointerEnter, true, true, baFullMorph | baRepaint},
        {E::LeftRelease, false, true, baClick},
    });
}

} // namespace
} // namespace tavrik

namespace tavrik {
namespace {

TEST(ButtonFaceTest, FirstMatchingRuleChoosesTheFace)
{
    using F = TButtonFace;
    using P = TPlainFace;
    // Columns: state, then the push button's skinned and plain faces and the speed button's.
    struct TCase {
        const char* name;
        TButtonLook look;
        F push;
        P plainPush;
        F speed;
    } cases[] = {
        {"idle", {}, F::Normal, P::Normal, F::Normal},
        {"hovered", {.Hovered = true}, F::Active, P::Hot, F::Active},
        {"focused", {.Focused = true}, F::Active, P::Hot, F::Normal},
        {"held over it", {.Down = true, .Hovered = true, .MouseHeld = true}, F::Down, P::Pressed, F::Down},
        {"held, pointer away", {.Down = true, .MouseHeld = true}, F::Normal, P::Normal, F::Normal},
        {"held away, focused", {.Down = true, .Focused = true, .MouseHeld = true}, F::Active, P::Hot, F::Normal},
        {"Space held", {.Down = true, .Focused = true}, F::Down, P::Pressed, F::Normal},
        {"sticky", {.Down = true, .Grouped = true}, F::Down, P::Pressed, F::Down},
        {"disabled", {.Enabled = false, .HasDisabledImage = true}, F::Disabled, P::Normal, F::Disabled},
        {"disabled, no image", {.Enabled = false}, F::Normal, P::Normal, F::Normal},
        {"morphing", {.Hovered = true, .Morphing = true, .MorphLevel = 0.4}, F::Morph, P::Hot, F::Morph},
        {"morph done, pointer gone", {.Morphing = true, .MorphLevel = 1}, F::Active, P::Normal, F::Active},
        {"disabled mid-morph", {.Enabled = false, .Morphing = true, .MorphLevel = 0.5, .HasDisabledImage = true},
         F::Disabled, P::Normal, F::Morph},
        {"transparent", {.Transparent = true}, F::Normal, P::Normal, F::Bare},
        {"transparent mid-morph", {.Morphing = true, .MorphLevel = 0.5, .Transparent = true}, F::Morph, P::Normal, F::Bare},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(PushButtonFace(c.look), c.push);
        EXPECT_EQ(PlainPushButtonFace(c.look), c.plainPush);
        EXPECT_EQ(SpeedButtonFace(c.look), c.speed);
    }
    // An idle flat speed button shows its face only, or nothing when also transparent.
    EXPECT_EQ(PlainSpeedButtonFace({.Flat = true}), P::FaceOnly);
    EXPECT_EQ(PlainSpeedButtonFace({.Transparent = true, .Flat = true}), P::Bare);
    EXPECT_EQ(PlainSpeedButtonFace({.Transparent = true}), P::Normal);
    EXPECT_EQ(PlainSpeedButtonFace({.Hovered = true, .Flat = true}), P::Hot);
    EXPECT_EQ(PlainSpeedButtonFace({.Down = true, .Grouped = true, .Flat = true}), P::Pressed);
}

} // namespace
} // namespace tavrik
