#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Gauge.h"
#include "ui/GroupBox.h"
#include "ui/Panel.h"
#include "ui/SpeedButton.h"
#include "ui/TrackBar.h"

namespace tavrik {
namespace {

using SliderGaugeTest = testing::UiTest;

TEST_F(SliderGaugeTest, TrackBarFiresOnChangeOnlyForRealChangesAndClamps)
{
    TForm* form = NewForm();
    auto* bar = new TTrackBar(form);
    bar->SetParent(form);
    bar->SetRange(0, 100);
    std::vector<int> seen;
    bar->OnChange = [&](TComponent* s) { seen.push_back(static_cast<TTrackBar*>(s)->Position()); };
    bar->SetPosition(75);
    bar->SetPosition(75);
    bar->SetPosition(500);
    bar->SetPosition(-3);
    EXPECT_EQ(seen, (std::vector<int>{75, 100, 0}));
    seen.clear();
    bar->SetPosition(60);
    bar->SetRange(-10, 50); // moves the position into the new range
    EXPECT_EQ(bar->Position(), 50);
    EXPECT_EQ(seen, (std::vector<int>{60, 50}));
}

TEST_F(SliderGaugeTest, TrackBarFollowsDragsClicksAndKeys)
{
    TForm* form = NewForm();
    auto* bar = new TTrackBar(form);
    bar->SetParent(form);
    bar->SetBounds(10, 10, 111, 20); // 100 pixels of travel: one pixel per step
    bar->SetRange(0, 100);
    bar->SetPageSize(10);
    ProcessMessages();
    EXPECT_EQ(bar->ValueAt({5, 10}), 0);
    EXPECT_EQ(bar->ValueAt({55, 10}), 50);
    EXPECT_EQ(bar->ValueAt({200, 10}), 100);
    // Drag the thumb from 0 to the pixel that stands for 30.
    TRect thumb = bar->ThumbRect();
    TPoint grip = At(bar, (thumb.Left + thumb.Right) / 2, 10);
    screen->Drag(grip, {grip.x + 30, grip.y}, 3);
    EXPECT_EQ(bar->Position(), 30);
    EXPECT_TRUE(bar->Focused());
    // A click beside the thumb pages toward the click.
    screen->Click(At(bar, 100, 10).x, At(bar, 100, 10).y);
    EXPECT_EQ(bar->Position(), 40);
    screen->Click(At(bar, 2, 10).x, At(bar, 2, 10).y);
    EXPECT_EQ(bar->Position(), 30);
    screen->PressKey(VK_RIGHT);
    EXPECT_EQ(bar->Position(), 31);
    screen->PressKey(VK_NEXT);
    EXPECT_EQ(bar->Position(), 41);
    screen->PressKey(VK_END);
    EXPECT_EQ(bar->Position(), 100);
    screen->PressKey(VK_HOME);
    EXPECT_EQ(bar->Position(), 0);
    screen->PressKey(VK_LEFT);
    EXPECT_EQ(bar->Position(), 0);
}

TEST_F(SliderGaugeTest, GaugeShowsTheTruncatedPercentageAndFillsByIt)
{
    TForm* form = NewForm();
    auto* gauge = new TGauge(form);
    gauge->SetParent(form);
    gauge->SetBounds(10, 10, 102, 20); // 100 pixels inside the frame
    gauge->SetRange(0, 3);
    struct TCase {
        int progress, percent, fill;
    };
    for (TCase c : {TCase{0, 0, 0}, TCase{1, 33, 33}, TCase{2, 66, 66}, TCase{3, 100, 100}}) {
        SCOPED_TRACE(c.progress);
        gauge->SetProgress(c.progress);
        ProcessMessages();
        EXPECT_EQ(gauge->PercentDone(), c.percent);
        EXPECT_EQ(gauge->ProgressText(), std::to_string(c.percent) + "%");
        EXPECT_EQ(gauge->BarRect().Width(), c.fill);
        if (c.fill > 0) {
            EXPECT_EQ(Pixel(At(gauge, 1, 3)), ColorToRGB(clHighlight));
        }
        EXPECT_EQ(Pixel(At(gauge, 100, 3)), c.fill == 100 ? ColorToRGB(clHighlight) : ColorToRGB(clWindow));
    }
    gauge->SetShowPercent(false);
    EXPECT_EQ(gauge->ProgressText(), "3");
    gauge->SetShowProgressText(false);
    EXPECT_EQ(gauge->ProgressText(), "");
    gauge->SetRange(5, 5);
    EXPECT_EQ(gauge->PercentDone(), 0) << "an empty range is no division by zero";
}

TEST_F(SliderGaugeTest, SpeedButtonClicksOnlyWhenReleasedOverItAndEnabled)
{
    TForm* form = NewForm();
    auto* button = test::NewChild<TSpeedButton>(form, 20, 20, 25, 25);
    TBitmap glyph(16, 16);
    glyph.Fill(clFuchsia);
    glyph.SetPixel(8, 8, clRed);
    button->SetGlyph(glyph);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    ProcessMessages();
    TPoint center = Center(button);
    // The glyph is centred and its background is transparent.
    EXPECT_EQ(Pixel(At(button, 4 + 8, 4 + 8)), clRed);
    EXPECT_NE(Pixel(At(button, 4 + 1, 4 + 1)), clFuchsia);
    screen->Click(center.x, center.y);
    EXPECT_EQ(clicks, 1);
    screen->Drag(center, {center.x + 60, center.y});
    EXPECT_EQ(clicks, 1) << "released outside";
    EXPECT_FALSE(button->Down());
    button->SetEnabled(false);
    ProcessMessages();
    screen->Click(center.x, center.y);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Pixel(At(button, 4 + 8, 4 + 8)), ColorToRGB(clBtnShadow)) << "a disabled glyph is greyed";
}

TEST_F(SliderGaugeTest, GroupBoxGivesAlignedChildrenTheAreaBelowItsCaption)
{
    TForm* form = NewForm();
    auto* box = test::NewChild<TGroupBox>(form, 10, 10, 200, 120);
    box->SetCaption("使用说明");
    auto* inside = new TPanel(form);
    inside->SetParent(box);
    inside->SetAlign(TAlign::alClient);
    ProcessMessages();
    EXPECT_GT(inside->Top(), 8);
    EXPECT_EQ(inside->Left(), 2);
    EXPECT_EQ(inside->Width(), 196);
    EXPECT_EQ(inside->Top() + inside->Height(), 118);
}

} // namespace
} // namespace tavrik
