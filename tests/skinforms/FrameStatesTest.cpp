#include "FrameTest.h"

#include "skinforms/SkinStdButtonObject.h"

#include <functional>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class FrameStates : public FrameTest {
protected:
    void SetUp() override
    {
        frame = NewFrame(Bounds(100, 100, 300, 200));
        form = frame->Form();
    }
    // The first press starts the move loop, which the release ends; the second press, at the
    // same place and time, is the double click.
    void DoubleClickAt(TPoint p)
    {
        screen->MouseMove(p.x, p.y);
        screen->WhenIdle([this] { screen->MouseUp(); });
        screen->MouseDown();
        screen->MouseDown();
        screen->MouseUp();
        Wait(1000); // no later press makes a double click with these
    }
    TbsRevideruDadoZiri* frame = nullptr;
    TForm* form = nullptr;
};

// The program's skin: frames no smaller than its picture's width (216) and its frame's height
// (36, the caption strip a rolled-up form keeps). The headless screen's work area is the whole
// 1024 x 768 monitor, so a maximized form keeps a pixel free on every side.
const TRect kNormal = Bounds(100, 100, 300, 200);
const TRect kRolled = Bounds(100, 100, 300, 36);
const TRect kMaximized = Rect(1, 1, 1023, 767);
const TRect kMaximizedRolled = Rect(1, 1, 1023, 37);
const TRect kIcon = Bounds(0, 768 - 36, 216, 36);

} // namespace

TEST_F(FrameStates, RollUpAndRestoreWorkFromEveryStateInEveryOrder)
{
    using W = TWindowState;
    struct TStep {
        const char* what;
        std::function<void(TbsRevideruDadoZiri*)> act;
        TRect bounds;
        W state;
        bool rolled;
    };
    auto roll = [](bool on) { return [on](TbsRevideruDadoZiri* f) { f->SetRollUp(on); }; };
    auto state = [](W s) { return [s](TbsRevideruDadoZiri* f) { f->SetFormWindowState(s); }; };
    auto button = [](const char* name) {
        return [name](TbsRevideruDadoZiri* f) { f->ExecuteCommand(static_cast<TbsSkinStdButtonObject*>(f->FindObject(name))->command); };
    };
    auto restoreItem = [](TbsRevideruDadoZiri* f) { f->GetSystemMenu()->Find("Restore")->Click(); };
    const std::vector<std::vector<TStep>> sequences = {
        {{"roll up", roll(true), kRolled, W::wsNormal, true}, {"roll down", roll(false), kNormal, W::wsNormal, false}},
        {{"maximize", state(W::wsMaximized), kMaximized, W::wsMaximized, false},
         {"roll up", roll(true), kMaximizedRolled, W::wsMaximized, true},
         {"restore item unrolls", restoreItem, kMaximized, W::wsMaximized, false},
         {"restore item", restoreItem, kNormal, W::wsNormal, false}},
        {{"maximize", state(W::wsMaximized), kMaximized, W::wsMaximized, false},
         {"roll up", roll(true), kMaximizedRolled, W::wsMaximized, true},
         {"maximize button restores", button("maxbutton"), kNormal, W::wsNormal, false}},
        {{"roll up", roll(true), kRolled, W::wsNormal, true},
         {"maximize", state(W::wsMaximized), kMaximized, W::wsMaximized, false},
         {"restore comes back unrolled", state(W::wsNormal), kNormal, W::wsNormal, false}},
        {{"minimize", button("minbutton"), kIcon, W::wsMinimized, false},
         {"minimize button restores", button("minbutton"), kNormal, W::wsNormal, false}},
        {{"maximize", state(W::wsMaximized), kMaximized, W::wsMaximized, false},
         {"minimize", state(W::wsMinimized), kIcon, W::wsMinimized, false},
         {"normal", state(W::wsNormal), kNormal, W::wsNormal, false}},
        {{"minimize", state(W::wsMinimized), kIcon, W::wsMinimized, false},
         {"maximize", state(W::wsMaximized), kMaximized, W::wsMaximized, false},
         {"normal", state(W::wsNormal), kNormal, W::wsNormal, false}},
        {{"roll up", roll(true), kRolled, W::wsNormal, true},
         {"minimize", state(W::wsMinimized), kIcon, W::wsMinimized, true},
         {"roll down does nothing while minimized", roll(false), kIcon, W::wsMinimized, true},
         {"restore item", restoreItem, kRolled, W::wsNormal, true},
         {"roll down", roll(false), kNormal, W::wsNormal, false}},
    };
    for (const auto& sequence : sequences) {
        for (const TStep& step : sequence) {
            SCOPED_TRACE(step.what);
            step.act(frame);
            EXPECT_EQ(WindowRect(form), step.bounds);
            EXPECT_EQ(frame->FormWindowState(), step.state);
            EXPECT_EQ(form->WindowState(), step.state);
            EXPECT_EQ(frame->RolledUp(), step.rolled);
        }
        ASSERT_EQ(WindowRect(form), kNormal) << "each sequence ends where it began";
    }
}

TEST_F(FrameStates, TheCaptionDoubleClickMaximizesASizeableFormAndRollsUpAFixedOne)
{
    DoubleClickAt(OnForm(form, {100, 16}));
    EXPECT_EQ(frame->FormWindowState(), TWindowState::wsMaximized);
    DoubleClickAt(OnForm(form, {100, 16}));
    EXPECT_EQ(WindowRect(form), kNormal);
    form->SetBorderStyle(TFormBorderStyle::bsSingle);
    DoubleClickAt(OnForm(form, {100, 16}));
    EXPECT_EQ(WindowRect(form), kRolled);
    DoubleClickAt(OnForm(form, {100, 16}));
    EXPECT_EQ(WindowRect(form), kNormal);
}

TEST_F(FrameStates, MinimizedFormsFillTheBottomRowThenTheRowsAbove)
{
    std::vector<TbsRevideruDadoZiri*> frames{frame};
    for (int i = 0; i < 4; ++i) frames.push_back(NewFrame(Bounds(50 * i, 50, 300, 200)));
    for (TbsRevideruDadoZiri* f : frames) f->SetFormWindowState(TWindowState::wsMinimized);
    // Four 216-pixel icons fit across 1024 pixels; the fifth starts the row above.
    const TPoint expected[] = {{0, 732}, {216, 732}, {432, 732}, {648, 732}, {0, 696}};
    for (size_t i = 0; i < frames.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(WindowRect(frames[i]->Form()).TopLeft(), expected[i]);
    }
}

TEST_F(FrameStates, MinimizingTheMainFormMinimizesTheProgramAndKeepsTheState)
{
    auto* mainFrame = new TbsRevideruDadoZiri(mainForm);
    mainFrame->SetSkinData(const_cast<TbsSkinData*>(&ProgramSkinData()));
    mainForm->SetBounds(500, 300, 300, 200);
    mainForm->Show();
    ProcessMessages();
    mainFrame->ExecuteCommand(SkinCommand::cmMinimize);
    EXPECT_TRUE(IsIconic(mainForm->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->Handle())); // waits hidden with the program
    EXPECT_EQ(mainFrame->FormWindowState(), TWindowState::wsNormal);
    app->Restore();
    EXPECT_FALSE(IsIconic(mainForm->Handle()));
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
    mainFrame->ExecuteCommand(SkinCommand::cmMinimize); // works again
    EXPECT_TRUE(IsIconic(mainForm->Handle()));
}

TEST_F(FrameStates, MaximizingFillsTheWorkAreaOrTheWholeMonitor)
{
    frame->SetFormWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(WindowRect(form), kMaximized);
    frame->SetFormWindowState(TWindowState::wsNormal);
    frame->SetMaximizeOnFullScreen(true);
    frame->SetFormWindowState(TWindowState::wsMaximized);
    EXPECT_EQ(WindowRect(form), Rect(0, 0, 1024, 768));
}

TEST_F(FrameStates, SizingFromEachEdgeAndCornerStopsAtTheFramesMinimum)
{
    struct TCase {
        const char* edge;
        TPoint from; // form coordinates
        TPoint by;
        TRect bounds;
    };
    // Dragged far inwards, each edge stops where the frame is 216 x 36; the opposite edges stay.
    const TCase cases[] = {
        {"left", {1, 100}, {400, 0}, Bounds(384, 200, 216, 200)},
        {"right", {298, 100}, {-400, 0}, Bounds(300, 200, 216, 200)},
        {"top", {150, 1}, {0, 400}, Bounds(300, 364, 300, 36)},
        {"bottom", {150, 198}, {0, -400}, Bounds(300, 200, 300, 36)},
        {"top left", {2, 2}, {400, 400}, Bounds(384, 364, 216, 36)},
        {"top right", {297, 2}, {-400, 400}, Bounds(300, 364, 216, 36)},
        {"bottom left", {1, 190}, {400, -400}, Bounds(384, 200, 216, 36)},
        {"bottom right", {297, 198}, {-400, -400}, Bounds(300, 200, 216, 36)},
        {"bottom right outwards", {297, 198}, {50, 30}, Bounds(300, 200, 350, 230)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.edge);
        form->SetBounds(300, 200, 300, 200);
        ProcessMessages();
        TPoint from = OnForm(form, c.from);
        screen->Drag(from, {from.x + c.by.x, from.y + c.by.y}, 4);
        EXPECT_EQ(WindowRect(form), c.bounds);
        Wait(1000); // the next press is no double click
    }
    frame->SetMinWidth(400);
    frame->SetMinHeight(150);
    form->SetBounds(300, 200, 450, 200);
    ProcessMessages();
    TPoint corner = OnForm(form, {447, 198});
    screen->Drag(corner, {corner.x - 400, corner.y - 400}, 4);
    EXPECT_EQ(WindowRect(form), Bounds(300, 200, 400, 150));
}

TEST_F(FrameStates, MagneticEdgesSnapWithinTheirDistanceOnly)
{
    struct TCase {
        bool magnetic;
        uint8_t size;
        int left; // where the drag takes the form's left edge
        int expected;
    };
    const TCase cases[] = {{true, 5, 4, 0}, {true, 5, 5, 5}, {true, 0, 1, 1}, {false, 5, 4, 4},
                           {true, 5, 1024 - 300 + 3, 1024 - 300}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.magnetic << " " << int(c.size) << " " << c.left);
        form->SetBounds(100, 100, 300, 200);
        frame->SetMagnetic(c.magnetic);
        frame->SetMagneticSize(c.size);
        TPoint grip = OnForm(form, {100, 16});
        screen->Drag(grip, {grip.x + c.left - 100, grip.y}, 3);
        EXPECT_EQ(WindowRect(form).Left, c.expected);
        Wait(1000);
    }
}

TEST_F(FrameStates, TheFormFadesInToItsOpacityWhenShown)
{
    struct TCase {
        bool blend;
        bool animation;
        uint8_t value;
        uint8_t alpha;
        bool layered;
    };
    const TCase cases[] = {{true, false, 200, 200, true}, {false, true, 200, 255, false},
                           {true, true, 120, 120, true},  {true, false, 255, 255, false}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.blend << c.animation << int(c.value));
        form->Hide();
        frame->SetAlphaBlendValue(c.value);
        frame->SetAlphaBlend(c.blend);
        frame->SetAlphaBlendAnimation(c.animation);
        form->Show();
        EXPECT_EQ(screen->Native(form->Handle())->alpha, 0);
        Wait(USER_TIMER_MINIMUM);
        ProcessMessages();
        EXPECT_EQ(screen->Native(form->Handle())->alpha, c.alpha);
        EXPECT_EQ((GetWindowLongPtr(form->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED) != 0, c.layered);
    }
}
