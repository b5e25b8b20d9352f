#include "ui/MessageBoxLayout.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using B = TMsgDlgBtn;

TEST(MessageBoxLayoutTest, SizeFollowsTheWiderOfTextAndButtons)
{
    const TMsgDlgButtons three = MsgDlgButtons({B::mbYes, B::mbNo, B::mbCancel});
    struct TCase {
        TSize text;
        TMsgDlgButtons buttons;
        int buttonHeight;
        TSize client;
    } cases[] = {
        {{60, 16}, three, 25, {240, 91}},                          // 3 x 60 + 2 x 10 + 40
        {{60, 16}, MsgDlgButtons({B::mbOK}), 25, {150, 91}},        // text ends at 110
        {{400, 16}, three, 20, {490, 86}},                          // long text; skinned 20-pixel buttons
        {{120, 48}, MsgDlgButtons({B::mbOK}), 25, {210, 123}},      // three lines
        {{60, 16}, 0, 25, {150, 91}},                               // no buttons
        {{0, 0}, 0, 25, {90, 75}},                                  // no text either
        {{10, 16}, MsgDlgButtons({B::mbAbort, B::mbRetry, B::mbIgnore, B::mbHelp}), 25, {310, 91}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.text.cx) + "x" + std::to_string(c.text.cy) + " set " + std::to_string(c.buttons));
        EXPECT_EQ(MessageBoxClientSize(c.text, c.buttons, c.buttonHeight), c.client);
    }
    EXPECT_EQ(MessageIconRect(16), (TRect{5, 10, 37, 42}));
    EXPECT_EQ(MessageIconRect(80), (TRect{5, 39, 37, 71})); // level with a tall text's middle
}

TEST(MessageBoxLayoutTest, ButtonsInBitOrderCentredInTheFinalWidth)
{
    const TMsgDlgButtons set = MsgDlgButtons({B::mbHelp, B::mbCancel, B::mbYes, B::mbNo});
    // The frame may have made the box wider than the row needs: the row is centred in it.
    std::vector<TMessageButtonPlace> row = MessageButtonRow(set, {300, 91}, 25);
    ASSERT_EQ(row.size(), 4u);
    const B order[] = {B::mbYes, B::mbNo, B::mbCancel, B::mbHelp};
    for (size_t i = 0; i < row.size(); ++i) {
        EXPECT_EQ(row[i].Button, order[i]);
        EXPECT_EQ(row[i].Bounds, Bounds(15 + 70 * int(i), 56, 60, 25));
    }
    EXPECT_TRUE(MessageButtonRow(0, {300, 91}, 25).empty());
    EXPECT_EQ(MessageButtonRowWidth(~0u), 11 * 60 + 10 * 10); // bits beyond the eleven buttons do not count
}

TEST(MessageBoxLayoutTest, DefaultAndCancelButtons)
{
    struct TCase {
        std::initializer_list<B> set;
        B def, cancel;
    } cases[] = {
        {{B::mbOK}, B::mbOK, B::mbOK},
        {{B::mbYes, B::mbNo}, B::mbYes, B::mbNo},
        {{B::mbYes, B::mbNo, B::mbCancel}, B::mbYes, B::mbCancel},
        {{B::mbOK, B::mbCancel}, B::mbOK, B::mbCancel},
        {{B::mbAbort, B::mbRetry, B::mbIgnore}, B::mbRetry, B::mbOK}, // no cancel button in the set
        {{B::mbYes, B::mbOK, B::mbNo}, B::mbOK, B::mbNo},
    };
    for (const TCase& c : cases) {
        const TMsgDlgButtons set = MsgDlgButtons(c.set);
        SCOPED_TRACE(set);
        EXPECT_EQ(MessageDefaultButton(set), c.def);
        EXPECT_EQ(MessageCancelButton(set), c.cancel);
    }
}

} // namespace
} // namespace tavrik
