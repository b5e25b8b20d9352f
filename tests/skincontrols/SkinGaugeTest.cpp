#include "SkinControlTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinGauge.h"

namespace tavrik {
namespace {

using SkinGaugeTest = testing::SkinControlTest;

TEST_F(SkinGaugeTest, FillGrowsFromTheStartOfTheProgressArea)
{
    TForm* stage = NewForm();
    struct TCase {
        const char* skinName;
        bool vertical;
    } cases[] = {{"statusgauge", false}, {"vgauge", true}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.skinName);
        const auto& skin = SkinControl<TbsDataSkinGaugeControl>(c.skinName);
        const TBitmap& picture = Picture(skin.pictureindex);
        auto* gauge = new TbsSkinGauge(stage);
        gauge->SetParent(stage);
        gauge->SetVertical(c.vertical);
        gauge->SetSkinDataName(c.skinName);
        gauge->SetBounds(10, 10, skin.skinrect.Width(), skin.skinrect.Height());
        gauge->SetSkinData(data);
        const TRect area = skin.progressarea, image = skin.progressrect;
        // Along the axis from the start of the fill: begin cap, middle copies, end cap.
        auto source = [&](int along, int length) {
            const int middle = (c.vertical ? image.Height() : image.Width()) - skin.beginoffset - skin.endoffset;
            if (along < skin.beginoffset) return along;
            if (along >= length - skin.endoffset) return (c.vertical ? image.Height() : image.Width()) - (length - along);
            const int fromStart = c.vertical ? (length - skin.endoffset - 1 - along) : along - skin.beginoffset;
            const int inMiddle = fromStart % middle;
            return c.vertical ? skin.beginoffset + middle - 1 - inMiddle : skin.beginoffset + inMiddle;
        };
        for (int value : {0, 50, 100}) {
            SCOPED_TRACE(value);
            gauge->SetValue(value);
            app->ProcessMessages();
            const int length = c.vertical ? area.Height() : area.Width();
            const int filled = value * length / 100;
            for (int along = 0; along < length; ++along) {
                // Fill starts at the left, or at the bottom of a standing gauge (its begin cap on top).
                const bool inFill = c.vertical ? along >= length - filled : along < filled;
                const int fillAlong = c.vertical ? along - (length - filled) : along;
                const TPoint at = c.vertical ? Point(area.Left + area.Width() / 2, area.Top + along)
                                             : Point(area.Left + along, area.Top + area.Height() / 2);
                TColor want = picture.GetPixel(skin.skinrect.Left + at.x, skin.skinrect.Top + at.y);
                if (inFill) {
                    const int s = source(fillAlong, filled);
                    want = c.vertical ? picture.GetPixel(image.Left + image.Width() / 2, image.Top + s)
                                      : picture.GetPixel(image.Left + s, image.Top + image.Height() / 2);
                }
                ASSERT_EQ(Pixel(At(gauge, at.x, at.y)), want) << "along " << along;
            }
        }
    }
}

TEST_F(SkinGaugeTest, PercentTextStandsUpInAStandingGauge)
{
    TForm* stage = NewForm();
    auto* gauge = new TbsSkinGauge(stage);
    gauge->SetParent(stage);
    gauge->SetBounds(10, 10, 100, 30);
    gauge->SetShowPercent(true);
    gauge->SetValue(0);
    EXPECT_EQ(gauge->ProgressString(), "0%");
    gauge->SetMinValue(40);
    gauge->SetMaxValue(40);
    EXPECT_EQ(gauge->ProgressString(), "0%");
    gauge->SetMaxValue(100);
    gauge->SetValue(70);
    gauge->SetShowProgressText(true);
    gauge->SetProgressText("Done ");
    EXPECT_EQ(gauge->ProgressString(), "Done 50%");
    app->ProcessMessages();
    // The plain look: window colour, the fill in the hot colour, the text in the default font.
    EXPECT_EQ(Pixel(At(gauge, 0, 0)), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(At(gauge, 2, 2)), kDefaultHotFill);
    EXPECT_EQ(Pixel(At(gauge, 97, 2)), ColorToRGB(clWindow));
    auto inkBox = [&](TControl* c) {
        TRect box{c->Width(), c->Height(), 0, 0};
        for (int y = 0; y < c->Height(); ++y)
            for (int x = 0; x < c->Width(); ++x)
                if (Pixel(At(c, x, y)) == clBlack) box = UnionRect(box, Bounds(x, y, 1, 1));
        return box;
    };
    const TRect lying = inkBox(gauge);
    EXPECT_GT(lying.Width(), lying.Height());
    gauge->SetVertical(true);
    app->ProcessMessages();
    EXPECT_EQ(gauge->Width(), 30);
    EXPECT_EQ(gauge->Height(), 100);
    const TRect standing = inkBox(gauge);
    EXPECT_GT(standing.Height(), standing.Width());
    EXPECT_NEAR(standing.Height(), lying.Width(), 2);
}

TEST_F(SkinGaugeTest, WithoutSkinSizeThePictureStretches)
{
    TForm* stage = NewForm();
    const auto& skin = SkinControl<TbsDataSkinGaugeControl>("gauge");
    auto* gauge = new TbsSkinGauge(stage);
    gauge->SetParent(stage);
    gauge->SetUseSkinSize(false);
    gauge->SetBounds(10, 10, 100, 48);
    gauge->SetSkinData(data);
    gauge->SetValue(0);
    app->ProcessMessages();
    EXPECT_EQ(gauge->Height(), 48); // the skin's height is 16
    TBitmap fitted;
    BuildHSkinImage(Picture(skin.pictureindex), skin.skinrect, skin.lefttoppoint.x,
                    skin.skinrect.Width() - skin.righttoppoint.x, 100, fitted);
    TBitmap expected(100, 48);
    TCanvas(expected).StretchDraw({0, 0, 100, 48}, fitted);
    EXPECT_TRUE(Shows(gauge, expected));
}

} // namespace
} // namespace tavrik
