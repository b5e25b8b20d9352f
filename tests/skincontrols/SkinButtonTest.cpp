#include "SkinControlTest.h"

#include "skin/DataSkinButtonControls.h"
#include "skin/EffectBmp.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinSpeedButton.h"
#include "gfx/SystemColors.h"
#include "ui/Edit.h"
#include "wsys/WinApi.h"

#include <string>
#include <vector>

namespace tavrik {
namespace {

class SkinButtonTest : public testing::SkinControlTest {
protected:
    const TbsDataSkinButtonControl& Skin() const { return SkinControl<TbsDataSkinButtonControl>("button"); }

    // The skin's image of source (a rectangle of the button picture) built at width, and the
    // button's mask built the same way.
    TBitmap Built(const TRect& source, int width) const
    {
        const auto& skin = Skin();
        TBitmap image;
        BuildHSkinImage(Picture(skin.pictureindex), source, skin.lefttoppoint.x,
                        skin.skinrect.Width() - skin.righttoppoint.x, width, image);
        return image;
    }
    TBitmap Mask(int width) const
    {
        const auto& skin = Skin();
        const TBitmap& mask = Picture(skin.maskpictureindex);
        TBitmap image;
        BuildHSkinImage(mask, {0, 0, mask.Width(), mask.Height()}, skin.lefttoppoint.x,
                        skin.skinrect.Width() - skin.righttoppoint.x, width, image);
        return image;
    }
    // The button shows the image wherever its shape (the mask's black) lets it show; a
    // captioned button is compared on its two ends only, beside the centred caption.
    ::testing::AssertionResult ShowsFace(const TControl* button, const TRect& source, bool captioned = false) const
    {
        return ShowsMasked(button, Built(source, button->Width()), captioned ? 15 : 0);
    }
    ::testing::AssertionResult ShowsMasked(const TControl* button, const TBitmap& expected, int endsOnly = 0) const
    {
        const TBitmap mask = Mask(button->Width());
        const TBitmap shot = Shot(button);
        auto compared = [&](int x) { return endsOnly == 0 || x < endsOnly || x >= shot.Width() - endsOnly; };
        for (int y = 0; y < shot.Height(); ++y)
            for (int x = 0; x < shot.Width(); ++x)
                if (compared(x) && mask.GetPixel(x, y) == clBlack && shot.GetPixel(x, y) != expected.GetPixel(x, y))
                    return ::testing::AssertionFailure() << "differs at (" << x << "," << y << ")";
        return ::testing::AssertionSuccess();
    }

    TbsSkinButton* NewButton(TForm* stage, int left = 20, int top = 20)
    {
        auto* button = new TbsSkinButton(stage);
        button->SetParent(stage);
        button->SetBounds(left, top, 75, 25);
        button->SetSkinData(data);
        app->ProcessMessages();
        return button;
    }
};

TEST_F(SkinButtonTest, EveryFaceByMouseAndKeyboard)
{
    TForm* stage = NewForm();
    TbsSkinButton* button = NewButton(stage);
    TbsSkinButton* other = NewButton(stage, 20, 80);
    EXPECT_EQ(button->Height(), Skin().skinrect.Height()); // the skin fixes the height
    const TRect normal = Skin().skinrect, active = Skin().activeskinrect, down = Skin().downskinrect;
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };

    EXPECT_TRUE(ShowsFace(button, normal));
    MoveTo(Center(button));
    screen->Advance(200); // the morph to the hot image takes ten 20 ms steps
    EXPECT_TRUE(ShowsFace(button, active));
    screen->MouseDown();
    EXPECT_TRUE(ShowsFace(button, down));
    EXPECT_TRUE(button->Focused());
    MoveTo({5, 5}); // held away from it: it looks hot (it has the focus), not pressed
    screen->Advance(20);
    EXPECT_TRUE(ShowsFace(button, active));
    screen->MouseUp();
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button->Down());

    // The keyboard: Space shows it pressed and clicks on release.
    screen->KeyDown(VK_SPACE);
    EXPECT_TRUE(ShowsFace(button, down));
    screen->KeyUp(VK_SPACE);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(ShowsFace(button, active)); // focused
    other->SetFocus();
    screen->Advance(200);
    EXPECT_TRUE(ShowsFace(button, normal));

    button->SetEnabled(false);
    app->ProcessMessages();
    EXPECT_TRUE(ShowsFace(button, Skin().disabledskinrect));
    ClickOn(button);
    EXPECT_EQ(clicks, 1);
}

TEST_F(SkinButtonTest, MorphStepsOnTheVirtualClock)
{
    TForm* stage = NewForm();
    TbsSkinButton* button = NewButton(stage);
    const TBitmap normal = Built(Skin().skinrect, button->Width()), active = Built(Skin().activeskinrect, button->Width());
    MoveTo(Center(button));
    for (int tick = 1; tick <= 9; ++tick) {
        SCOPED_TRACE(tick);
        screen->Advance(20);
        EXPECT_NEAR(button->MorphLevel(), tick / 10.0, 1e-9);
        TbsEffectBmp mix(normal);
        mix.Morph(int(Skin().morphkind), TbsEffectBmp(active), button->MorphLevel());
        EXPECT_TRUE(ShowsMasked(button, mix.Bitmap()));
    }
    screen->Advance(20);
    EXPECT_EQ(button->MorphLevel(), 1.0);
    EXPECT_TRUE(ShowsFace(button, Skin().activeskinrect));
    MoveTo({5, 5});
    screen->Advance(100);
    EXPECT_NEAR(button->MorphLevel(), 0.5, 1e-9);
    screen->Advance(100);
    EXPECT_EQ(button->MorphLevel(), 0.0);
    EXPECT_TRUE(ShowsFace(button, Skin().skinrect));
}

TEST_F(SkinButtonTest, PlainLookColoursPerState)
{
    TForm* stage = NewForm();
    auto* button = new TbsSkinButton(stage);
    button->SetParent(stage);
    button->SetBounds(20, 20, 75, 25);
    app->ProcessMessages();
    EXPECT_EQ(button->Height(), 25);
    auto frameAndFill = [&] { return std::pair{Pixel(At(button, 0, 5)), Pixel(At(button, 3, 3))}; };
    EXPECT_EQ(frameAndFill(), std::pair(ColorToRGB(clBtnShadow), ColorToRGB(clBtnFace)));
    MoveTo(Center(button));
    EXPECT_EQ(frameAndFill(), std::pair(kDefaultHotFrame, kDefaultHotFill));
    screen->MouseDown();
    EXPECT_EQ(frameAndFill(), std::pair(kDefaultHotFrame, kDefaultPressedFill));
    screen->MouseUp();
}

TEST_F(SkinButtonTest, AutoRepeatClicksWhileHeldOverTheButton)
{
    TForm* stage = NewForm();
    TbsSkinButton* button = NewButton(stage);
    button->SetRepeatMode(true);
    button->SetRepeatInterval(100);
    int clicks = 0;
    button->OnClick = [&](TComponent*) { ++clicks; };
    ClickOn(button); // a quick click: one click, on release
    EXPECT_EQ(clicks, 1);
    MoveTo(Center(button));
    screen->MouseDown();
    screen->Advance(350);
    EXPECT_EQ(clicks, 4);
    MoveTo({5, 5}); // off the button: the repetition stops
    screen->Advance(300);
    EXPECT_EQ(clicks, 4);
    MoveTo(Center(button)); // back: it goes on, counting from now
    screen->Advance(99);
    EXPECT_EQ(clicks, 4);
    screen->Advance(1);
    EXPECT_EQ(clicks, 5);
    screen->MouseUp();
    EXPECT_EQ(clicks, 6);
    screen->Advance(500);
    EXPECT_EQ(clicks, 6);
}

TEST_F(SkinButtonTest, ModalResultsCloseTheFormOnlyFromFocusableButtons)
{
    NewForm(0, 0, 200, 100);
    TForm* dialog = app->CreateForm<TForm>();
    dialog->SetBorderStyle(TFormBorderStyle::bsNone);
    dialog->SetBounds(300, 200, 240, 100);
    TbsSkinButton* ok = NewButton(dialog, 10, 50);
    ok->SetModalResult(mrOk);
    TbsSkinButton* silent = NewButton(dialog, 100, 50);
    silent->SetModalResult(mrYes);
    silent->SetCanFocused(false);
    screen->WhenIdle([&] { ClickOn(silent); });
    screen->WhenIdle([&] {
        EXPECT_TRUE(dialog->Visible()); // still open
        ClickOn(ok);
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
}

TEST_F(SkinButtonTest, EnterEscapeAndTheDefaultButtonsHoverLook)
{
    TForm* stage = NewForm(100, 100, 400, 200);
    auto* edit = new TEdit(stage);
    edit->SetParent(stage);
    edit->SetBounds(10, 10, 100, 22);
    TbsSkinButton* yes = NewButton(stage, 10, 60);
    yes->SetCaption("&Yes");
    yes->SetDefault(true);
    TbsSkinButton* no = NewButton(stage, 100, 60);
    no->SetCaption("&No");
    no->SetCancel(true);
    std::vector<std::string> clicks;
    yes->OnClick = [&](TComponent*) { clicks.push_back("yes"); };
    no->OnClick = [&](TComponent*) { clicks.push_back("no"); };
    edit->SetFocus();
    screen->Advance(200);
    // The focus rests on an edit: the default button looks hot, also when the pointer passes.
    EXPECT_TRUE(yes->Hovered());
    EXPECT_TRUE(ShowsFace(yes, Skin().activeskinrect, true));
    MoveTo(Center(yes));
    MoveTo({5, 150});
    screen->Advance(200);
    EXPECT_TRUE(ShowsFace(yes, Skin().activeskinrect, true));
    screen->PressKey(VK_RETURN);
    screen->PressKey(VK_ESCAPE);
    EXPECT_EQ(clicks, (std::vector<std::string>{"yes", "no"}));
    // On the other button Enter presses that one, and the default button looks normal.
    no->SetFocus();
    screen->Advance(200);
    EXPECT_FALSE(yes->Hovered());
    EXPECT_TRUE(ShowsFace(yes, Skin().skinrect, true));
    screen->PressKey(VK_RETURN);
    EXPECT_EQ(clicks.back(), "no");
    // The caption's letter focuses and presses the button.
    screen->KeyDown(VK_MENU);
    screen->PressKey('Y');
    screen->KeyUp(VK_MENU);
    EXPECT_EQ(clicks.back(), "yes");
    EXPECT_TRUE(yes->Focused());
}

TEST_F(SkinButtonTest, StickyGroupsKeepOneButtonDown)
{
    TForm* stage = NewForm();
    std::vector<TbsSkinSpeedButton*> buttons;
    std::vector<int> clicks(3);
    for (int i = 0; i < 3; ++i) {
        auto* b = new TbsSkinSpeedButton(stage);
        b->SetParent(stage);
        b->SetBounds(10 + 30 * i, 10, 25, 25);
        b->SetGroupIndex(1);
        b->SetSkinData(data);
        b->OnClick = [&clicks, i](TComponent*) { ++clicks[size_t(i)]; };
        buttons.push_back(b);
    }
    auto downs = [&] {
        std::string s;
        for (auto* b : buttons) s += b->Down() ? 'D' : '-';
        return s;
    };
    ClickOn(buttons[0]);
    EXPECT_EQ(downs(), "D--");
    ClickOn(buttons[1]);
    EXPECT_EQ(downs(), "-D-");
    ClickOn(buttons[1]); // stays down, no click
    EXPECT_EQ(downs(), "-D-");
    EXPECT_EQ(clicks, (std::vector<int>{1, 1, 0}));
    for (auto* b : buttons) b->SetAllowAllUp(true);
    ClickOn(buttons[1]);
    EXPECT_EQ(downs(), "---");
    EXPECT_EQ(clicks, (std::vector<int>{1, 2, 0}));
    buttons[2]->SetDown(true);
    buttons[0]->SetDown(true); // by code too, one at a time
    EXPECT_EQ(downs(), "D--");
}

// A skin text with one line changed.
void ReplaceLine(TbsStoredSkin& stored, const std::string& section, const std::string& key, const std::string& value)
{
    std::vector<std::string> lines = stored.IniStrings();
    bool inSection = false;
    for (std::string& line : lines) {
        if (!line.empty() && line[0] == '[') inSection = line == "[" + section + "]";
        else if (inSection && line.rfind(key + "=", 0) == 0) line = key + "=" + value;
    }
    stored.SetIniStrings(lines);
}

TEST_F(SkinButtonTest, BadInputStillDraws)
{
    TForm* stage = NewForm();
    TbsSkinButton* button = NewButton(stage);
    // A strip whose width is no multiple of its cells, more cells than it can hold, a caption
    // far wider than the button.
    TBitmap strip(50, 16);
    strip.Fill(clRed);
    button->SetGlyph(strip);
    for (int cells : {3, 9, 0, -1}) {
        button->SetNumGlyphs(cells);
        button->SetCaption(std::string(200, 'W'));
        app->ProcessMessages();
        EXPECT_GE(button->NumGlyphs(), 1);
        EXPECT_LE(button->NumGlyphs(), 4);
    }
    button->SetBounds(20, 20, 0, 0);
    button->SetBounds(20, 20, -5, -5);
    app->ProcessMessages();
    // A skin whose button names a picture that does not exist: no picture, the button still
    // paints and keeps its size rules.
    ReplaceLine(stored, "button", "pictureindex", "99");
    ReplaceLine(stored, "button", "maskpictureindex", "42");
    data->ApplyStoredSkin(stored);
    TbsSkinButton* broken = NewButton(stage, 20, 100);
    broken->SetCaption("OK");
    MoveTo(Center(broken));
    screen->Advance(200);
    EXPECT_EQ(broken->Height(), 20);
}

} // namespace
} // namespace tavrik
