#include "skin/DataSkinButtonControls.h"
#include "skincontrols/ButtonSkinLook.h"
#include "skincontrols/CheckSkinLook.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(SkinLookTest, MissingStateImagesFallBackToTheOnesThere)
{
    TbsDataSkinButtonControl button("button");
    button.skinrect = {0, 0, 60, 20};
    TButtonSkinLook look = TButtonSkinLook::From(button);
    EXPECT_EQ(look.Active, button.skinrect);
    EXPECT_EQ(look.Down, button.skinrect);
    EXPECT_EQ(look.Image(TButtonFace::Disabled), TRect{}); // none: the button shows its normal face
    button.activeskinrect = {0, 20, 60, 40};
    look = TButtonSkinLook::From(button);
    EXPECT_EQ(look.Down, button.activeskinrect);
    EXPECT_EQ(look.Image(TButtonFace::Morph), button.skinrect);

    TbsDataSkinCheckRadioControl check("checkbox");
    check.skinrect = {0, 0, 68, 16};
    check.checkimagerect = {100, 0, 116, 16};
    check.uncheckimagerect = {120, 0, 136, 16};
    check.activeuncheckimagerect = {140, 0, 156, 16};
    const TCheckSkinLook marks = TCheckSkinLook::From(check);
    struct TCase {
        bool checked, enabled, hovered;
        TRect mark;
    } cases[] = {
        {true, true, false, check.checkimagerect},    {false, true, false, check.uncheckimagerect},
        {true, true, true, check.checkimagerect},     {false, true, true, check.activeuncheckimagerect},
        {true, false, true, check.checkimagerect},    {false, false, false, check.uncheckimagerect},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.checked) + std::to_string(c.enabled) + std::to_string(c.hovered));
        EXPECT_EQ(marks.Mark(c.checked, c.enabled, c.hovered), c.mark);
    }
    EXPECT_EQ(marks.Active, check.skinrect);
}

TEST(SkinLookTest, CheckMarkStaysInItsAreaOnEitherSide)
{
    TCheckSkinLook look;
    look.Check = {0, 0, 13, 13};
    // Mark on the left: the text area grows with the box, the mark stays.
    look.CheckArea = {0, 0, 16, 16};
    look.TextArea = {20, 0, 68, 16};
    TCheckParts parts = PlaceCheckParts(look, 32);
    EXPECT_EQ(parts.Text, (TRect{20, 0, 100, 16}));
    EXPECT_EQ(parts.Mark, (TRect{2, 2, 15, 15})); // 13 centred in 16 (16 div 2 - 13 div 2 = 2)
    // Mark on the right: it moves along with the right edge.
    look.CheckArea = {52, 0, 68, 16};
    look.TextArea = {0, 0, 48, 16};
    parts = PlaceCheckParts(look, 32);
    EXPECT_EQ(parts.Text, (TRect{0, 0, 80, 16}));
    EXPECT_EQ(parts.Mark, (TRect{86, 2, 99, 15}));
    // A caption wider than the box is cut 2 pixels inside it; a narrow one keeps its width.
    EXPECT_EQ(FlatCaptionRect(22, {300, 14}, {150, 25}), (TRect{22, 5, 148, 19}));
    EXPECT_EQ(FlatCaptionRect(22, {40, 14}, {150, 25}), (TRect{22, 5, 62, 19}));
}

} // namespace
} // namespace tavrik
