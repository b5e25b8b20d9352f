#include "SkinControlTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinMessages.h"
#include "skincontrols/SkinLinkLabel.h"

#include <algorithm>
#include <string>
#include <vector>

namespace tavrik {
namespace {

using SkinLabelTextTest = testing::SkinControlTest;

int TextWidthIn(const TFontRequest& font, const std::string& text)
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(font);
    return canvas.TextWidth(text);
}

// Whether any pixel of the control's rectangle on the screen has the colour.
bool HasColour(const THeadlessBackend& screen, const TControl* c, TColor color)
{
    TPoint origin = c->ClientToScreen({0, 0});
    for (int y = 0; y < c->Height(); ++y)
        for (int x = 0; x < c->Width(); ++x)
            if (screen.ScreenPixel(origin.x + x, origin.y + y) == ColorToRGB(color)) return true;
    return false;
}

// The longest run of the colour in one row of the control, as an underline draws it.
int LongestRun(const THeadlessBackend& screen, const TControl* c, TColor color)
{
    TPoint origin = c->ClientToScreen({0, 0});
    int longest = 0;
    for (int y = 0; y < c->Height(); ++y)
        for (int x = 0, run = 0; x < c->Width(); ++x) {
            run = screen.ScreenPixel(origin.x + x, origin.y + y) == ColorToRGB(color) ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    return longest;
}

TEST_F(SkinLabelTextTest, FontAndColourFollowTheBindingAndASkinChange)
{
    TForm* stage = NewForm();
    auto* label = new TbsSkinStdLabel(stage);
    label->SetParent(stage);
    const std::string text = "Message text";
    label->SetCaption(text);
    TFont big;
    big.SetName("Arial");
    big.SetHeight(-22);
    big.SetColor(RGB(200, 0, 0));
    label->SetFont(big);
    TFont small;
    small.SetHeight(-16); // big enough for letters with solid pixels
    small.SetColor(RGB(0, 160, 0));
    label->SetDefaultFont(small);

    const auto& skin = dynamic_cast<const TbsDataSkinStdLabelControl&>(
        *data->SkinControls[size_t(data->IndexOfSkinControl("stdlabel"))]);
    TFontRequest skinFont{skin.fontname, skin.fontheight, TFontStyles(skin.fontstyle), skin.fontcolor, 0};
    struct TCase {
        bool bound, useSkinFont;
        TFontRequest font;
    } cases[] = {
        {false, true, small.Request()},
        {false, false, big.Request()},
        {true, true, skinFont},
        {true, false, {big.Name(), big.Height(), 0, skin.fontcolor, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.bound) + std::to_string(c.useSkinFont));
        label->SetSkinData(c.bound ? data : nullptr);
        label->SetUseSkinFont(c.useSkinFont);
        app->ProcessMessages();
        EXPECT_EQ(label->Width(), TextWidthIn(c.font, text)); // auto-sized in the font it draws with
        EXPECT_TRUE(HasColour(*screen, label, c.font.Color));
    }

    // A skin that no longer has the entry: the label goes back to its default font once the
    // form relays the change.
    label->SetSkinDataName("nosuchlabel");
    label->Perform(SKM_CHANGE, data->MessageParam(), kSkinMessageLParam);
    app->ProcessMessages();
    EXPECT_EQ(label->Width(), TextWidthIn(big.Request(), text));

    // Disabled: the text is embossed, a highlight copy under the shadow-coloured one.
    label->SetEnabled(false);
    app->ProcessMessages();
    EXPECT_TRUE(HasColour(*screen, label, clBtnShadow));
    EXPECT_TRUE(HasColour(*screen, label, clBtnHighlight));
    EXPECT_FALSE(HasColour(*screen, label, big.Color()));
}

TEST_F(SkinLabelTextTest, LinkLightsUpUnderThePointerAndOpensItsAddressAfterOnClick)
{
    TForm* stage = NewForm();
    auto* link = new TbsSkinLinkLabel(stage);
    link->SetParent(stage);
    link->SetCaption("Home page");
    link->SetURL("https://example.org/tavrik");
    std::vector<std::string> calls;
    link->OnClick = [&](TComponent*) { calls.push_back("click"); };
    link->OpenAddress = [&](std::string_view address) { calls.push_back("open " + std::string(address)); };
    app->ProcessMessages();

    const TColor normal = link->DefaultFont().Color();
    EXPECT_GE(LongestRun(*screen, link, normal), link->Width() - 2); // underlined
    MoveTo(At(link, 3, link->Height() / 2));
    EXPECT_TRUE(link->Hovered());
    EXPECT_EQ(screen->CursorShape(), TCursorShape::Hand);
    EXPECT_TRUE(HasColour(*screen, link, RGB(0, 0, 255)));
    EXPECT_FALSE(HasColour(*screen, link, normal));

    link->SetSkinData(data);
    const auto& skin = dynamic_cast<const TbsDataSkinStdLabelControl&>(
        *data->SkinControls[size_t(data->IndexOfSkinControl("stdlabel"))]);
    app->ProcessMessages();
    EXPECT_TRUE(HasColour(*screen, link, skin.activefontcolor));
    MoveTo({5, 5});
    EXPECT_FALSE(link->Hovered());
    EXPECT_GE(LongestRun(*screen, link, skin.fontcolor), link->Width() - 2);
    EXPECT_FALSE(HasColour(*screen, link, skin.activefontcolor));

    TPoint p = At(link, 3, link->Height() / 2);
    screen->Click(p.x, p.y);
    EXPECT_EQ(calls, (std::vector<std::string>{"click", "open https://example.org/tavrik"}));
}

} // namespace
} // namespace tavrik
