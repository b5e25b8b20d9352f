// The screen capture on a real X server, clicked from outside as a user clicks.
// GoogleTest and our headers first: Xlib's macros (None, Bool, Status) would break them.
#include <gtest/gtest.h>

#include "app/Calvane.h"
#include "app/Startup.h"
#include "app/frmScreen.h"
#include "ui/Application.h"

#include "X11TestFixture.h"

#include <cstdlib>

namespace tavrik::testing {
namespace {

class CaptureX11Test : public X11Test {
protected:
    void SetUp() override
    {
        X11Test::SetUp();
        if (IsSkipped()) return;
        StartWindowSystem();
        app = std::make_unique<TApplication>();
        forms = CreateWorkbenchForms(*app);
        forms.Calvane->Show();
        WaitMapped(forms.Calvane->Handle());
    }
    void TearDown() override
    {
        app.reset();
        X11Test::TearDown();
    }

    bool CaptureShowing() const
    {
        return forms.frmScreen->Visible() && backend->IsMapped(NativeOf(forms.frmScreen->Handle()));
    }
    bool CaptureGone() const
    {
        return !forms.frmScreen->Visible() && !backend->IsMapped(NativeOf(forms.frmScreen->Handle()));
    }
    TPoint CaptureButton() const
    {
        const TControl* button = forms.Calvane->bsSkinButton10;
        return button->ClientToScreen({button->Width() / 2, button->Height() / 2});
    }

    std::unique_ptr<TApplication> app;
    TWorkbenchForms forms;
};

// "截屏" clicked right after a capture ended, over and over: every click opens it again. The
// second corner is clicked over the main window and over the bare desktop, released at once
// or only after the capture window is gone (the release then reaches no window of ours).
TEST_F(CaptureX11Test, EveryClickOnTheButtonAfterACaptureOpensItAgain)
{
    constexpr int kRounds = 40;
    const TPoint button = CaptureButton();
    const TRect main = forms.Calvane->BoundsRect();
    int openings = 0;
    for (int round = 0; round < kRounds; ++round) {
        SCOPED_TRACE(round);
        PeerClick(button.x, button.y);
        if (!PumpUntil([&] { return CaptureShowing(); }, 2000)) continue;
        ++openings;
        const bool overDesktop = round % 2 == 1, held = round % 4 >= 2;
        const TPoint first{main.Left + 300 + round, main.Top + 150};
        const TPoint second = overDesktop ? TPoint{main.Left / 2, main.Top / 2} : TPoint{main.Right - 40, main.Bottom - 40};
        ASSERT_FALSE(overDesktop == main.Contains(second));
        PeerClick(first.x, first.y);
        PeerMove(second.x, second.y);
        PeerButton(1, true);
        if (!held) PeerButton(1, false);
        ASSERT_TRUE(PumpUntil([&] { return CaptureGone(); }));
        if (held) PeerButton(1, false);
        EXPECT_EQ(forms.Calvane->Image1->Picture().Width(), std::abs(second.x - first.x));
    }
    EXPECT_EQ(openings, kRounds);
}

} // namespace
} // namespace tavrik::testing
