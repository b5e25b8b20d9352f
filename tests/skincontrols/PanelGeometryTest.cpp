#include "skincontrols/CaptionButtonTracker.h"
#include "skincontrols/PanelGeometry.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(PanelGeometryTest, ChildAreaOfEachLook)
{
    const TRect client{0, 0, 150, 100}, fitted{2, 24, 148, 96};
    struct TCase {
        bool skinned;
        TbsBevelStyle border;
        bool caption, background, both;
        TRect want;
    } cases[] = {
        {false, TbsBevelStyle::bvFrame, false, false, false, {1, 1, 149, 99}},
        {false, TbsBevelStyle::bvNone, false, false, false, client},
        {false, TbsBevelStyle::bvLowered, true, false, false, {1, 23, 149, 99}},
        {false, TbsBevelStyle::bvNone, true, false, false, {0, 22, 150, 100}},
        {true, TbsBevelStyle::bvFrame, false, false, true, fitted},
        {true, TbsBevelStyle::bvFrame, true, true, true, client},   // background picture
        {true, TbsBevelStyle::bvNone, false, false, true, client},  // frameless skin tiled whole
        {true, TbsBevelStyle::bvNone, true, false, true, fitted},   // ... but not with a caption
        {true, TbsBevelStyle::bvNone, false, false, false, fitted}, // ... nor when it does not stretch both ways
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.skinned) + std::to_string(int(c.border)) + std::to_string(c.caption) +
                     std::to_string(c.background) + std::to_string(c.both));
        TPanelClientInput in;
        in.Client = client;
        in.Skinned = c.skinned;
        in.BorderStyle = c.border;
        in.CaptionMode = c.caption;
        in.FittedClient = fitted;
        in.HasBackgroundPicture = c.background;
        in.StretchesBothWays = c.both;
        EXPECT_EQ(PanelChildArea(in), c.want);
    }
    EXPECT_EQ(RolledPanelHeight(false, 22, 150, fitted), 23);
    EXPECT_EQ(RolledPanelHeight(true, 22, 150, fitted), 150 - 72);
    // The caption bar's last row and column still count.
    EXPECT_TRUE(PanelCaptionHit({149, 22}, false, {}, 150, 22));
    EXPECT_FALSE(PanelCaptionHit({149, 23}, false, {}, 150, 22));
    EXPECT_FALSE(PanelCaptionHit({0, 5}, false, {}, 150, 22));
    EXPECT_TRUE(PanelCaptionHit({35, 22}, true, {5, 2, 35, 22}, 150, 22));
    EXPECT_FALSE(PanelCaptionHit({36, 10}, true, {5, 2, 35, 22}, 150, 22));
}

TEST(PanelGeometryTest, RollUpPanelCaptionButtons)
{
    // The program's skin: caption (5, 2, 56, 19) widened by 100, buttons 17 x 17.
    const TRect caption{5, 2, 156, 19};
    TExPanelButtons both{true, true, {17, 17}, {17, 17}};
    TExPanelCaption row = SkinExPanelRow(caption, both);
    EXPECT_EQ(row.Close, (TRect{139, 2, 156, 19}));
    EXPECT_EQ(row.Roll, (TRect{120, 2, 137, 19}));
    EXPECT_EQ(row.Caption, (TRect{5, 2, 120, 19}));
    TExPanelCaption closeOnly = SkinExPanelRow(caption, {true, false, {17, 17}, {17, 17}});
    EXPECT_EQ(closeOnly.Roll, TRect{});
    EXPECT_EQ(closeOnly.Caption.Right, closeOnly.Close.Left); // the text ends left of the button
    TExPanelCaption rollOnly = SkinExPanelRow(caption, {false, true, {17, 17}, {17, 17}});
    EXPECT_EQ(rollOnly.Roll, (TRect{139, 2, 156, 19}));
    EXPECT_EQ(rollOnly.Caption.Right, 139);
    EXPECT_EQ(SkinExPanelRow(caption, {false, false, {}, {}}).Caption, caption);

    TExPanelCaption column = SkinExPanelColumn({2, 4, 19, 96}, both);
    EXPECT_EQ(column.Close, (TRect{2, 4, 19, 21}));
    EXPECT_EQ(column.Roll, (TRect{2, 23, 19, 40}));
    EXPECT_EQ(column.Caption, (TRect{2, 40, 19, 96}));

    // Plain look at caption height 21: 15-pixel buttons 3 from the top and 2 from the edge.
    TExPanelCaption plain = PlainExPanelRow({150, 100}, 21, true, true);
    EXPECT_EQ(plain.Close, (TRect{133, 3, 148, 18}));
    EXPECT_EQ(plain.Roll, (TRect{118, 3, 133, 18}));
    EXPECT_EQ(plain.Caption, (TRect{4, 2, 116, 19}));
    EXPECT_EQ(PlainExPanelRow({150, 100}, 21, false, true).Roll, (TRect{133, 3, 148, 18}));
    TExPanelCaption plainColumn = PlainExPanelColumn({21, 100}, 21, true, true);
    EXPECT_EQ(plainColumn.Close, (TRect{3, 3, 18, 18}));
    EXPECT_EQ(plainColumn.Roll, (TRect{3, 18, 18, 33}));
    EXPECT_EQ(plainColumn.Caption, (TRect{0, 32, 21, 100}));
}

TEST(PanelGeometryTest, CaptionButtonsActOnlyWhenReleasedOverThePressedOne)
{
    TCaptionButtonTracker t;
    t.SetRects({100, 0, 110, 10}, {80, 0, 90, 10});
    const int close = TCaptionButtonTracker::kClose, roll = TCaptionButtonTracker::kRoll;
    EXPECT_EQ(t.Enter().Repaint, 0u);
    EXPECT_EQ(t.Move({85, 5}).Repaint, 1u << roll);
    EXPECT_TRUE(t.Hot(roll));
    EXPECT_EQ(t.Move({105, 5}).Repaint, (1u << roll) | (1u << close));
    EXPECT_EQ(t.Move({106, 5}).Repaint, 0u); // still the same button
    // Press the roll button, move off over the close button, release: nothing.
    t.Move({85, 5});
    EXPECT_EQ(t.Press({85, 5}).Repaint, 1u << roll);
    EXPECT_TRUE(t.Pressed(roll));
    EXPECT_EQ(t.Move({105, 5}).Repaint, 1u << roll); // captured: the close button stays cold
    EXPECT_FALSE(t.Hot(close));
    TCaptionButtonTracker::TStep off = t.Release();
    EXPECT_EQ(off.Activated, -1);
    EXPECT_FALSE(t.Pressed(roll));
    // Press, move off, move back, release: it acts.
    t.Move({85, 5});
    t.Press({85, 5});
    t.Move({50, 5});
    t.Move({86, 6});
    EXPECT_EQ(t.Release().Activated, roll);
    EXPECT_TRUE(t.Hot(roll)); // still under the pointer
    // Leaving cools every button; a press outside both captures nothing.
    EXPECT_EQ(t.Leave().Repaint, 1u << roll);
    EXPECT_EQ(t.Press({0, 0}).Repaint, 0u);
    EXPECT_EQ(t.CapturedButton(), -1);
    EXPECT_EQ(t.Release().Activated, -1);
    // Hidden buttons never become hot.
    t.SetRects({}, {});
    EXPECT_EQ(t.Move({85, 5}).Repaint, 0u);
    t.SetRects({100, 0, 110, 10}, {});
    EXPECT_EQ(t.Move({85, 5}).Repaint, 0u);
    EXPECT_EQ(t.HotButton(), -1);
}

TEST(PanelGeometryTest, LabelWidthFollowsItsText)
{
    EXPECT_EQ(LabelExtraWidth(false, false, 50, 75, {}), -19); // 50 + 3 + 3 fits in 56
    EXPECT_EQ(LabelExtraWidth(false, false, 80, 75, {}), 11);
    EXPECT_EQ(LabelExtraWidth(true, true, 80, 75, {}), 0);
    EXPECT_EQ(LabelExtraWidth(true, false, 80, 75, {2, 0, 73, 21}), 9);
}

} // namespace
} // namespace tavrik
