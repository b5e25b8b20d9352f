#include "FrameTest.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

struct THit {
    TPoint at; // form coordinates
    int code;
};

class FrameHitTest : public FrameTest {
protected:
    // Every answer of the table, each asked with no object hovered before it (a hovered
    // button would win over the sizing edges).
    void Check(const TForm* form, std::initializer_list<THit> table)
    {
        for (const THit& hit : table) {
            SCOPED_TRACE(::testing::Message() << "at " << hit.at.x << "," << hit.at.y);
            TRect r = WindowRect(form);
            screen->MouseMove(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
            Wait(60);
            EXPECT_EQ(HitTest(form, hit.at), hit.code);
        }
    }
};

} // namespace

// The program's skin at 300 x 200: a 4-pixel border (borderwidth 4) around the client area
// (4, 32, 296, 196), sizing corners reaching 12 pixels along each edge (the hit-test points),
// the caption object between the system-menu button (6..30) and the four caption buttons
// (176..294) on the caption row 4..28.
TEST_F(FrameHitTest, EveryPartOfTheSkinnedFrameAnswersItsCode)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200));
    Check(frame->Form(), {{{2, 2}, HTTOPLEFT},       {{10, 1}, HTTOPLEFT},     {{14, 1}, HTTOP},
                          {{150, 1}, HTTOP},         {{297, 2}, HTTOPRIGHT},   {{1, 14}, HTLEFT},
                          {{1, 100}, HTLEFT},        {{298, 100}, HTRIGHT},    {{1, 190}, HTBOTTOMLEFT},
                          {{150, 198}, HTBOTTOM},    {{297, 198}, HTBOTTOMRIGHT},
                          {{5, 5}, HTOBJECT},        {{18, 16}, HTOBJECT},     {{280, 16}, HTOBJECT},
                          {{100, 16}, HTCAPTION},    {{150, 100}, HTCLIENT},   {{4, 32}, HTCLIENT}});
}

TEST_F(FrameHitTest, FixedFramesNeitherSizeNorMoveOutsideTheCaption)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200));
    TForm* form = frame->Form();
    {
        SCOPED_TRACE("not sizeable");
        form->SetBorderStyle(TFormBorderStyle::bsSingle);
        Check(form, {{{2, 2}, HTOBJECT}, {{1, 100}, HTOBJECT}, {{150, 198}, HTOBJECT}, {{100, 16}, HTCAPTION},
                     {{150, 100}, HTCLIENT}});
        form->SetBorderStyle(TFormBorderStyle::bsSizeable);
    }
    {
        SCOPED_TRACE("maximized");
        frame->SetFormWindowState(TWindowState::wsMaximized);
        Check(form, {{{2, 2}, HTOBJECT}, {{1, 100}, HTOBJECT}, {{100, 16}, HTCAPTION}, {{150, 100}, HTCLIENT}});
        frame->SetFormWindowState(TWindowState::wsNormal);
    }
    {
        SCOPED_TRACE("rolled up");
        frame->SetRollUp(true);
        Check(form, {{{2, 2}, HTOBJECT}, {{1, 20}, HTOBJECT}, {{100, 16}, HTCAPTION}, {{150, 33}, HTOBJECT}});
    }
}

// The plain frame at 300 x 200: a 3-pixel border whose outer 3 pixels size, a 19-pixel
// caption with the system-menu button (3..20) and four 17-pixel buttons from 229 to 297.
TEST_F(FrameHitTest, ThePlainFrameAnswersAsTheSkinnedOne)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200), nullptr);
    TForm* form = frame->Form();
    Check(form, {{{0, 0}, HTTOPLEFT},     {{299, 0}, HTTOPRIGHT},   {{0, 199}, HTBOTTOMLEFT},
                 {{299, 199}, HTBOTTOMRIGHT}, {{1, 100}, HTLEFT}, {{150, 2}, HTTOP},
                 {{298, 100}, HTRIGHT},   {{150, 198}, HTBOTTOM},   {{100, 10}, HTCAPTION},
                 {{228, 10}, HTCAPTION},  {{229, 10}, HTOBJECT},    {{285, 10}, HTOBJECT},
                 {{10, 10}, HTOBJECT},    {{100, 20}, HTOBJECT},    {{150, 100}, HTCLIENT}});
    frame->SetRollUp(true);
    EXPECT_EQ(form->Height(), 19 + 6);
    Check(form, {{{0, 0}, HTOBJECT}, {{100, 10}, HTCAPTION}});
}

TEST_F(FrameHitTest, AHoveredButtonWinsOverTheEdgeAndAHeldOneKeepsOthersDark)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200), nullptr);
    TForm* form = frame->Form();
    TbsActiveSkinObject* close = frame->FindObject("closebutton");
    TbsActiveSkinObject* max = frame->FindObject("maxbutton");
    screen->MouseMove(OnForm(form, {285, 10}).x, OnForm(form, {285, 10}).y);
    EXPECT_TRUE(close->Active);
    EXPECT_EQ(HitTest(form, {298, 100}), HTOBJECT);
    // Held down, the close button keeps the pointer's attention: the maximize button beside it
    // does not light up, and the close button goes dark while the pointer is off it.
    screen->MouseDown();
    TPoint onMax = OnForm(form, {270, 10});
    screen->MouseMove(onMax.x, onMax.y);
    Wait(60);
    EXPECT_FALSE(max->Active);
    EXPECT_FALSE(close->Active);
    screen->MouseUp();
    EXPECT_TRUE(form->Visible()); // released away from it: no command
}
