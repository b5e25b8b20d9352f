#include "SkinControlTest.h"

#include "gfx/SystemColors.h"
#include "skin/DataSkinButtonControls.h"
#include "skincontrols/SkinCheckRadioBox.h"
#include "skincontrols/SkinPanel.h"
#include "ui/Panel.h"
#include "wsys/WinApi.h"

#include <string>
#include <vector>

namespace tavrik {
namespace {

class SkinCheckRadioBoxTest : public testing::SkinControlTest {
protected:
    TbsSkinCheckRadioBox* NewBox(TWinControl* parent, int top, bool radio, bool skinned)
    {
        auto* box = new TbsSkinCheckRadioBox(parent);
        box->SetParent(parent);
        box->SetRadio(radio);
        box->SetBounds(10, top, 150, 25);
        box->SetCaption(radio ? "&Radio" : "&Check");
        if (skinned) box->SetSkinData(data);
        box->OnClick = [this, box](TComponent*) { clicks.push_back(box->Caption() + (box->Checked() ? "+" : "-")); };
        return box;
    }
    // Whether the skin's mark image shows at the mark's place of a flat box.
    bool ShowsMark(TbsSkinCheckRadioBox* box, const TRect& mark)
    {
        const TBitmap& picture = Picture(SkinControl<TbsDataSkinCheckRadioControl>(box->SkinDataName()).pictureindex);
        const int top = box->Height() / 2 - mark.Height() / 2;
        const TColor key = picture.GetPixel(mark.Left, mark.Bottom - 1);
        for (int y = 0; y < mark.Height(); ++y)
            for (int x = 0; x < mark.Width(); ++x) {
                const TColor c = picture.GetPixel(mark.Left + x, mark.Top + y);
                if (c != key && Pixel(At(box, 3 + x, top + y)) != c) return false;
            }
        return true;
    }
    std::vector<std::string> clicks;
};

TEST_F(SkinCheckRadioBoxTest, MouseSpaceAndAcceleratorToggle)
{
    TForm* stage = NewForm();
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        clicks.clear();
        TbsSkinCheckRadioBox* box = NewBox(stage, 10, false, skinned);
        app->ProcessMessages();
        ClickOn(box);
        EXPECT_TRUE(box->Checked());
        EXPECT_TRUE(box->Focused());
        screen->PressKey(VK_SPACE);
        EXPECT_FALSE(box->Checked());
        // Pressed, moved off and released: no change.
        screen->Drag(Center(box), {5, 190}, 2);
        EXPECT_FALSE(box->Checked());
        screen->KeyDown(VK_MENU);
        screen->PressKey('C');
        screen->KeyUp(VK_MENU);
        EXPECT_TRUE(box->Checked());
        box->SetChecked(true); // set by code to what it is: a check box still clicks
        EXPECT_EQ(clicks, (std::vector<std::string>{"&Check+", "&Check-", "&Check+", "&Check+"}));
        delete box;
    }
}

TEST_F(SkinCheckRadioBoxTest, RadioGroupsAmongSiblings)
{
    TForm* stage = NewForm();
    TbsSkinCheckRadioBox* a = NewBox(stage, 10, true, true);
    TbsSkinCheckRadioBox* b = NewBox(stage, 40, true, true);
    b->SetCaption("&B");
    auto* other = new TPanel(stage); // another parent: another group
    other->SetParent(stage);
    other->SetBounds(170, 10, 120, 80);
    TbsSkinCheckRadioBox* c = NewBox(other, 10, true, true);
    c->SetCaption("&C");
    app->ProcessMessages();
    ClickOn(a);
    ClickOn(c);
    ClickOn(b);
    ClickOn(b); // a checked radio box stays checked and says nothing
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(b->Checked());
    EXPECT_TRUE(c->Checked());
    // The unchecked sibling says nothing either.
    EXPECT_EQ(clicks, (std::vector<std::string>{"&Radio+", "&C+", "&B+"}));
}

TEST_F(SkinCheckRadioBoxTest, FlatBoxShowsItsParentAndTheStateMark)
{
    TForm* stage = NewForm(50, 50, 400, 200);
    auto* red = new TPanel(stage);
    red->SetParent(stage);
    red->SetBounds(0, 0, 200, 100);
    red->SetColor(RGB(200, 40, 40));
    auto* green = new TPanel(stage);
    green->SetParent(stage);
    green->SetBounds(200, 0, 200, 100);
    green->SetColor(RGB(40, 200, 40));
    TbsSkinCheckRadioBox* box = NewBox(red, 20, false, true);
    box->SetCaption("");
    app->ProcessMessages();
    const auto& skin = SkinControl<TbsDataSkinCheckRadioControl>("checkbox");
    EXPECT_EQ(Pixel(At(box, 140, 3)), RGB(200, 40, 40)); // the parent shows through
    EXPECT_TRUE(ShowsMark(box, skin.uncheckimagerect));
    MoveTo(Center(box));
    EXPECT_TRUE(ShowsMark(box, skin.activeuncheckimagerect));
    screen->Click(Center(box).x, Center(box).y);
    EXPECT_TRUE(ShowsMark(box, skin.activecheckimagerect));
    MoveTo({5, 190});
    EXPECT_TRUE(ShowsMark(box, skin.checkimagerect));
    box->SetEnabled(false);
    app->ProcessMessages();
    EXPECT_TRUE(ShowsMark(box, skin.unenabledcheckimagerect));
    box->SetParent(green);
    app->ProcessMessages();
    EXPECT_EQ(Pixel(At(box, 140, 3)), RGB(40, 200, 40));
}

TEST_F(SkinCheckRadioBoxTest, PlainBoxMarksAndFrames)
{
    TForm* stage = NewForm();
    TbsSkinCheckRadioBox* check = NewBox(stage, 10, false, false);
    TbsSkinCheckRadioBox* radio = NewBox(stage, 50, true, false);
    check->SetFlat(false);
    app->ProcessMessages();
    const int mid = 12; // half of 25
    EXPECT_EQ(Pixel(At(check, 3, mid)), ColorToRGB(clBtnShadow)); // the box's frame
    EXPECT_EQ(Pixel(At(check, 0, 0)), ColorToRGB(clBtnFace));      // no frame around it yet
    check->SetChecked(true);
    radio->SetChecked(true);
    MoveTo(Center(check));
    EXPECT_EQ(Pixel(At(check, 0, 0)), ColorToRGB(clBtnShadow)); // hovered: framed
    EXPECT_EQ(Pixel(At(check, 3, mid)), RGB(0, 0, 128));
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x) EXPECT_EQ(Pixel(At(radio, 7 + x, mid - 3 + y)), clBlack);
    radio->SetEnabled(false);
    app->ProcessMessages();
    EXPECT_EQ(Pixel(At(radio, 7, mid - 3)), ColorToRGB(clBtnShadow));
}

} // namespace
} // namespace tavrik
