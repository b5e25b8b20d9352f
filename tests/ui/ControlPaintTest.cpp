#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/GraphicControl.h"
#include "ui/Label.h"
#include "ui/Panel.h"
#include "ui/ProgressBar.h"

#include <algorithm>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Paint : public UiTest {
protected:
    TForm* form = nullptr;
    void SetUp() override
    {
        form = NewForm(0, 0, 400, 300);
        form->SetColor(clWhite);
    }
    TColor At(const TControl* c, int x, int y)
    {
        ProcessMessages();
        return Pixel(c->ClientToScreen({x, y}));
    }
    // Rows of a control that hold a pixel of the colour.
    std::vector<int> RowsWith(const TControl* c, TColor color)
    {
        ProcessMessages();
        std::vector<int> rows;
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                if (Pixel(c->ClientToScreen({x, y})) == color) {
                    rows.push_back(y);
                    break;
                }
        return rows;
    }
};

// A graphic control painted in one colour, counting its paints.
class TSwatch : public TGraphicControl {
public:
    TSwatch(TComponent* owner, TColor color) : TGraphicControl(owner), color_(color) {}
    int paints = 0;

protected:
    void Paint() override
    {
        ++paints;
        Canvas()->Brush().Color = color_;
        Canvas()->FillRect({-50, -50, 500, 500}); // clipped to the control
    }

private:
    TColor color_;
};

} // namespace

TEST_F(Paint, APanelsRaisedBevelIsLightAboveAndDarkBelow)
{
    auto* panel = test::NewChild<TPanel>(form, 10, 10, 50, 30);
    panel->SetBevelWidth(2);
    TColor light = ColorToRGB(clBtnHighlight), dark = ColorToRGB(clBtnShadow);
    EXPECT_EQ(At(panel, 0, 0), light);
    EXPECT_EQ(At(panel, 1, 1), light);
    EXPECT_EQ(At(panel, 48, 0), light);
    EXPECT_EQ(At(panel, 49, 0), dark); // the top-right corner belongs to the dark edge
    EXPECT_EQ(At(panel, 0, 29), dark);
    EXPECT_EQ(At(panel, 48, 28), dark);
    EXPECT_EQ(At(panel, 2, 2), ColorToRGB(clBtnFace));
    panel->SetBevelOuter(TBevelCut::bvLowered);
    EXPECT_EQ(At(panel, 0, 0), dark);
    EXPECT_EQ(At(panel, 49, 29), light);
}

TEST_F(Paint, LabelSizesToItsTextAndCentresItVertically)
{
    auto* label = test::NewChild<TLabel>(form, 20, 20, 10, 10);
    label->SetCaption("Hello");
    int w = label->Width(), h = label->Height();
    EXPECT_GT(w, 20);
    EXPECT_GT(h, 8);
    label->SetCaption("Hello, world");
    EXPECT_GT(label->Width(), w);
    EXPECT_EQ(label->Height(), h);
    label->SetCaption("");
    EXPECT_EQ(label->Height(), h); // an empty label keeps one line

    // Right-aligned labels grow to the left.
    label->SetCaption("Hi");
    label->SetAlignment(TAlignment::taRightJustify);
    int right = label->Left() + label->Width();
    label->SetCaption("Hi there");
    EXPECT_EQ(label->Left() + label->Width(), right);

    // Centred vertically in a taller label: as much room above the ink as below it.
    label->SetAlignment(TAlignment::taLeftJustify);
    label->SetAutoSize(false);
    label->SetBounds(20, 20, 80, 60);
    label->SetCaption("ExgE");
    label->Font().SetColor(clBlack);
    label->SetColor(clWhite);
    std::vector<int> top = RowsWith(label, clBlack);
    label->SetLayout(TTextLayout::tlCenter);
    std::vector<int> centred = RowsWith(label, clBlack);
    ASSERT_FALSE(top.empty());
    ASSERT_FALSE(centred.empty());
    int shift = centred.front() - top.front();
    EXPECT_EQ(shift, (60 - h) / 2);
    label->SetLayout(TTextLayout::tlBottom);
    EXPECT_EQ(RowsWith(label, clBlack).front() - top.front(), 60 - h);
}

TEST_F(Paint, AnOpaqueLabelFillsItsColourAndATransparentOneDoesNot)
{
    form->SetColor(clNavy);
    auto* label = new TLabel(form);
    label->SetParent(form);
    label->SetCaption("   ");
    label->SetLeft(10);
    label->SetTop(10);
    label->SetParentColor(false);
    label->SetColor(clYellow);
    EXPECT_EQ(At(label, 1, 1), clYellow);
    label->SetTransparent(true);
    EXPECT_EQ(At(label, 1, 1), clNavy);
    // With ParentColor the label follows the form.
    label->SetTransparent(false);
    label->SetParentColor(true);
    form->SetColor(clGreen);
    EXPECT_EQ(label->Color(), clGreen);
    EXPECT_EQ(At(label, 1, 1), clGreen);
}

TEST_F(Paint, GraphicControlsPaintInZOrderAndOnlyWhereInvalid)
{
    auto* below = new TSwatch(form, clRed);
    below->SetParent(form);
    below->SetBounds(10, 10, 40, 40);
    auto* above = new TSwatch(form, clBlue);
    above->SetParent(form);
    above->SetBounds(30, 30, 40, 40);
    EXPECT_EQ(At(form, 20, 20), clRed);
    EXPECT_EQ(At(form, 40, 40), clBlue);
    EXPECT_EQ(At(form, 75, 75), clWhite);
    below->BringToFront();
    EXPECT_EQ(At(form, 40, 40), clRed);
    int paints = above->paints;
    below->Invalidate();
    ProcessMessages();
    EXPECT_EQ(above->paints, paints + 1); // it overlaps the invalid area
    auto* apart = new TSwatch(form, clLime);
    apart->SetParent(form);
    apart->SetBounds(200, 200, 10, 10);
    ProcessMessages();
    paints = apart->paints;
    below->Invalidate();
    ProcessMessages();
    EXPECT_EQ(apart->paints, paints);
    apart->Hide();
    EXPECT_EQ(At(form, 205, 205), clWhite);
}

TEST_F(Paint, DoubleBufferingPaintsTheSamePixels)
{
    auto* panel = test::NewChild<TPanel>(form, 10, 10, 120, 40);
    panel->SetCaption("Buffered");
    auto* swatch = new TSwatch(form, clRed);
    swatch->SetParent(panel);
    swatch->SetBounds(5, 5, 10, 10);
    ProcessMessages();
    TBitmap direct = screen->Screen();
    panel->SetDoubleBuffered(true);
    panel->Invalidate();
    ProcessMessages();
    EXPECT_TRUE(screen->Screen() == direct);
}

TEST_F(Paint, ProgressBarFillsItsShareOfTheInnerWidth)
{
    auto* bar = test::NewChild<TProgressBar>(form, 10, 10, 102, 10);
    bar->SetPosition(25);
    EXPECT_EQ(bar->BarRect(), Rect(1, 1, 26, 9));
    bar->SetPosition(150);
    EXPECT_EQ(bar->Position(), 100);
    bar->SetRange(10, 20);
    EXPECT_EQ(bar->Position(), 20);
    bar->SetPosition(15);
    EXPECT_EQ(bar->BarRect().Width(), 50);
    EXPECT_EQ(At(bar, 49, 5), ColorToRGB(clHighlight));
    EXPECT_EQ(At(bar, 52, 5), ColorToRGB(clWindow));
}

TEST_F(Paint, CheckBoxTogglesByMouseAndSpaceAndReportsEveryChange)
{
    auto* box = test::NewChild<TCheckBox>(form, 10, 10, 120, 20);
    box->SetCaption("Keep ratio");
    int clicks = 0;
    box->OnClick = [&](TComponent*) { ++clicks; };
    ClickOn(box);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(box->Focused());
    screen->PressKey(VK_SPACE);
    EXPECT_FALSE(box->Checked());
    box->SetChecked(true);
    box->SetChecked(true);
    EXPECT_EQ(clicks, 3);
    box->SetAllowGrayed(true);
    box->SetChecked(false);
    ClickOn(box);
    EXPECT_EQ(box->State(), TCheckBoxState::cbGrayed);
}

TEST_F(Paint, ButtonClicksNeedPressAndReleaseInside)
{
    auto* button = test::NewChild<TButton>(form, 10, 10, 75, 25);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    TPoint inside = Center(button);
    screen->Drag(inside, {300, 200});
    EXPECT_EQ(clicks, 0);
    screen->Drag({300, 200}, inside);
    EXPECT_EQ(clicks, 0);
    screen->Drag(inside, {300, 200}, 1);
    screen->DoubleClick(inside.x, inside.y);
    EXPECT_EQ(clicks, 2);
    button->SetFocus();
    screen->PressKey(VK_SPACE);
    EXPECT_EQ(clicks, 3);
    button->SetEnabled(false);
    ClickOn(button);
    EXPECT_EQ(clicks, 3);
}

namespace {

// A windowed control that shows its parent through itself and draws a frame on top.
class TSeeThrough : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void PaintWindow(TCanvas& canvas) override
    {
        PaintParentImage(canvas);
        canvas.Brush().Color = clBlack;
        canvas.FrameRect(ClientRect());
    }
    void EraseBackground(TCanvas&) override {}
};

} // namespace

TEST_F(Paint, AWindowedControlCanShowItsParentBeneathIt)
{
    auto* below = new TSwatch(form, clRed);
    below->SetParent(form);
    below->SetBounds(20, 20, 30, 30);
    auto* glass = test::NewChild<TSeeThrough>(form, 10, 10, 60, 60);
    EXPECT_EQ(At(glass, 0, 0), clBlack);
    EXPECT_EQ(At(glass, 5, 5), clWhite);  // the form's background
    EXPECT_EQ(At(glass, 15, 15), clRed);  // the graphic control beneath
    EXPECT_EQ(At(glass, 45, 45), clWhite);
}
