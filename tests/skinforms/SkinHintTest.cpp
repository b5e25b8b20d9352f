#include "support/UiTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skinforms/SkinHint.h"
#include "skinforms/SkinHintWindow.h"
#include "support/Placement.h"
#include "ui/Button.h"

#include <cstdlib>
#include <string>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// The program's hint picture: 24 x 22, text in the client rectangle (6, 4, 18, 18).
constexpr TSize kPicture{24, 22};
constexpr TColor kSkinText = 2827553;
// Below the screen's 600 rows a panel takes 40.
constexpr int kWorkBottom = 560;

THeadlessOptions ScreenWithPanel()
{
    THeadlessOptions o;
    o.width = 800;
    o.height = 600;
    o.monitors = {{{0, 0, 800, 600}, {0, 0, 800, kWorkBottom}}};
    return o;
}

// The program's skin, with the hint shaped by a mask when `masked`: the mask cuts the
// picture's top-left corner pixel.
std::unique_ptr<TbsSkinData> ProgramSkin(bool masked = false)
{
    TbsStoredSkin stored;
    LoadProgramSkin(stored);
    if (masked) {
        TBitmap mask(kPicture.cx, kPicture.cy);
        mask.Fill(clBlack);
        mask.SetPixel(0, 0, clWhite);
        stored.activepictures.push_back(std::move(mask));
        std::vector<std::string> lines = stored.IniStrings();
        bool inHint = false;
        for (std::string& line : lines) {
            if (!line.empty() && line[0] == '[') inHint = line.rfind("[HINTWINDOW]", 0) == 0;
            if (inHint && line.rfind("maskpictureindex=", 0) == 0)
                line = "maskpictureindex=" + std::to_string(stored.activepictures.size() - 1);
        }
        stored.SetIniStrings(lines);
    }
    auto skin = std::make_unique<TbsSkinData>();
    skin->ApplyStoredSkin(stored);
    return skin;
}

TSize TextExtent(const TFontRequest& font, const std::string& text)
{
    TBitmap scratch(1, 1);
    TCanvas c(scratch);
    c.SetFont(font);
    TRect r;
    c.DrawText(text, r, DT_NOPREFIX | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

// Smoothed text reaches its colour only near it at some pixels.
bool Near(TColor a, TColor b)
{
    auto close = [](int x, int y) { return std::abs(x - y) <= 24; };
    return close(GetRValue(a), GetRValue(b)) && close(GetGValue(a), GetGValue(b)) && close(GetBValue(a), GetBValue(b));
}

TFontRequest SkinFont()
{
    TFontRequest f;
    f.Name = "Arial";
    f.Height = 13;
    return f;
}

class SkinHints : public UiTest {
protected:
    SkinHints() : UiTest(ScreenWithPanel()) {}
    void SetUp() override
    {
        main = NewForm(50, 50, 400, 300);
        main->SetShowHint(true);
        skin = ProgramSkin();
        hint = new TbsSkinHint(main);
        hint->SetSkinData(skin.get());
        button = test::NewChild<TButton>(main, 20, 20, 80, 25);
        button->SetHint("Zoom in");
        MoveTo({10, 10});
    }
    // The visible hint window: the application's (control hints) or the component's (object
    // hints).
    TbsSkinHintWindow* Shown() const
    {
        for (THintWindow* w : {app->HintWindow(), static_cast<THintWindow*>(hint->HintWindow())})
            if (w && w->Visible() && IsWindowVisible(w->Handle())) return dynamic_cast<TbsSkinHintWindow*>(w);
        return nullptr;
    }
    TRect ShownRect(TbsSkinHintWindow* w) const { return GetWindowRect(w->Handle()); }
    // Shows an object hint at once: queued with the pointer at p, the pause run out.
    TbsSkinHintWindow* ObjectHintAt(TPoint p, const std::string& text)
    {
        MoveTo(p);
        hint->QueueObjectHint(text);
        screen->Advance(uint64_t(app->HintPause()));
        return Shown();
    }

    TForm* main = nullptr;
    std::unique_ptr<TbsSkinData> skin;
    TbsSkinHint* hint = nullptr;
    TButton* button = nullptr;
};

} // namespace

TEST_F(SkinHints, AControlHintIsDrawnFromTheSkinAfterThePauseUntilTheHidePause)
{
    EXPECT_EQ(app->HintShortPause(), 100);
    MoveTo(Center(button));
    screen->Advance(499);
    EXPECT_EQ(Shown(), nullptr);
    screen->Advance(1);
    TbsSkinHintWindow* w = Shown();
    ASSERT_NE(w, nullptr) << "the application's hint window is the skinned one";
    EXPECT_EQ(w->HintSkin(), skin.get());
    TRect r = ShownRect(w);
    EXPECT_EQ(r.Left, Center(button).x);
    EXPECT_GT(r.Top, Center(button).y) << "below the pointer";
    EXPECT_FALSE(GetWindowLongPtr(w->Handle(), GWL_STYLE) & WS_BORDER);
    // The picture's one-pixel border at the corners, its fill inside, the text in the skin's colour.
    const TBitmap& picture = skin->activepictures[8];
    EXPECT_EQ(Pixel({r.Left, r.Top}), picture.GetPixel(0, 0));
    EXPECT_EQ(Pixel({r.Right - 1, r.Bottom - 1}), picture.GetPixel(23, 21));
    EXPECT_EQ(Pixel({r.Left + 2, r.Top + 2}), picture.GetPixel(2, 2));
    bool textSeen = false;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) textSeen |= Near(Pixel({x, y}), kSkinText);
    EXPECT_TRUE(textSeen);
    EXPECT_EQ(GetActiveWindow(), main->Handle()) << "the hint never takes the focus";

    screen->Advance(2499);
    EXPECT_NE(Shown(), nullptr);
    screen->Advance(1);
    EXPECT_EQ(Shown(), nullptr);
}

TEST_F(SkinHints, TheWindowGrowsAroundTheTextFromThePictureUpAndNeverWraps)
{
    const std::string longLine(150, 'W');
    struct TCase {
        const char* name;
        std::string text;
    } cases[] = {
        {"one letter: no smaller than the picture", "i"},
        {"a line", "Zoom in"},
        {"three lines", "Resize\nRotate\nMirror"},
        {"a line wider than the screen is not wrapped", longLine},
        {"an ampersand is shown", "Save & close"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinHintWindow* w = ObjectHintAt({20, 20}, c.text);
        ASSERT_NE(w, nullptr);
        TSize t = TextExtent(SkinFont(), c.text);
        TSize expected{std::max(kPicture.cx, t.cx + 6 + (24 - 18)), std::max(kPicture.cy, t.cy + 4 + (22 - 18))};
        EXPECT_EQ(w->Width(), expected.cx);
        EXPECT_EQ(w->Height(), expected.cy);
        int dw = expected.cx - kPicture.cx, dh = expected.cy - kPicture.cy;
        EXPECT_EQ(w->NewCut().Client, (TRect{6, 4, 18 + dw, 18 + dh}));
        EXPECT_EQ(w->NewCut().RightBottom, (TPoint{20 + dw, 18 + dh}));
        hint->HideObjectHint();
    }
    TSize one = TextExtent(SkinFont(), "Resize"), three = TextExtent(SkinFont(), "Resize\nRotate\nMirror");
    EXPECT_EQ(three.cy, 3 * one.cy);
}

TEST_F(SkinHints, AHintThatWouldLeaveTheWorkAreaGoesToTheOtherSideOfThePoint)
{
    const int offset = GetSystemMetrics(SM_CYCURSOR);
    TbsSkinHintWindow* probe = ObjectHintAt({100, 100}, "Zoom in");
    ASSERT_NE(probe, nullptr);
    const int w = probe->Width(), h = probe->Height();
    struct TCase {
        const char* name;
        TPoint pointer;
        TPoint expected;
    } cases[] = {
        {"room on both sides", {100, 100}, {100, 100 + offset}},
        {"right edge touched", {800 - w, 200}, {800 - w, 200 + offset}},
        {"past the right edge", {800 - w + 1, 200}, {800 - w + 1 - w - 2, 200 + offset}},
        {"bottom edge touched", {300, kWorkBottom - offset - h}, {300, kWorkBottom - h}},
        {"past the work area's bottom: above the pointer", {300, kWorkBottom - offset - h + 1},
         {300, kWorkBottom - offset - h + 1 - h - 2}},
        {"bottom-right corner, in the panel", {799, 599}, {799 - w - 2, kWorkBottom - h}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TbsSkinHintWindow* shown = ObjectHintAt(c.pointer, "Zoom in");
        ASSERT_NE(shown, nullptr);
        TRect r = ShownRect(shown);
        EXPECT_EQ((TPoint{r.Left, r.Top}), c.expected);
        hint->HideObjectHint();
    }
}

TEST_F(SkinHints, ObjectHintsWaitForThePauseStartOverWhenQueuedAgainAndHide)
{
    MoveTo({200, 200});
    hint->QueueObjectHint("Close");
    screen->Advance(300);
    hint->QueueObjectHint("Minimize"); // the pointer moved on to the next object
    screen->Advance(499);
    EXPECT_EQ(Shown(), nullptr) << "the pause started over";
    screen->Advance(1);
    TbsSkinHintWindow* w = Shown();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->Caption(), "Minimize");
    screen->Advance(2500);
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(hint->ObjectHintQueued());

    // Hidden at once when the pointer leaves, whether pending or shown.
    hint->QueueObjectHint("Close");
    hint->HideObjectHint();
    screen->Advance(1000);
    EXPECT_EQ(Shown(), nullptr);
    ASSERT_NE(ObjectHintAt({200, 200}, "Close"), nullptr);
    hint->HideObjectHint();
    EXPECT_EQ(Shown(), nullptr);
    EXPECT_FALSE(hint->ObjectHintQueued());
}

TEST_F(SkinHints, WithoutAPictureTheHintIsPlainAndTheSkinKeepsItsTextColour)
{
    TFont font;
    font.SetName("Arial");
    font.SetHeight(16);
    hint->SetDefaultFont(font);
    TFontRequest plainFont = font.Request();
    struct TCase {
        const char* name;
        bool skinned;
        bool useSkinFont;
        TColor textColor;
        TFontRequest measuredWith;
        int margin; // around the text
    } cases[] = {
        {"no skin", false, true, clInfoText, plainFont, 2},
        {"skin font off", true, false, kSkinText, plainFont, -1},
        {"skin font", true, true, kSkinText, SkinFont(), -1},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        hint->SetSkinData(c.skinned ? skin.get() : nullptr);
        hint->SetUseSkinFont(c.useSkinFont);
        const std::string text = "Twelve letters\nand two lines";
        TbsSkinHintWindow* w = ObjectHintAt({100, 100}, text);
        ASSERT_NE(w, nullptr);
        TRect r = ShownRect(w);
        TSize t = TextExtent(c.measuredWith, text);
        if (c.margin >= 0) {
            EXPECT_EQ(w->HintSkin(), nullptr);
            EXPECT_EQ((TSize{r.Width(), r.Height()}), (TSize{t.cx + 2 * c.margin, t.cy + 2 * c.margin}));
            EXPECT_EQ(Pixel({r.Left, r.Top}), ColorToRGB(clBtnShadow));
            EXPECT_EQ(Pixel({r.Left + 1, r.Top + 1}), ColorToRGB(clInfoBk));
        } else {
            EXPECT_EQ(r.Width(), t.cx + 12);
        }
        int textPixels = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) textPixels += Near(Pixel({x, y}), ColorToRGB(c.textColor));
        EXPECT_GT(textPixels, 20);
        hint->HideObjectHint();
    }
}

TEST_F(SkinHints, TheFirstActiveComponentServesAndTheWindowIsShapedAndTranslucentAsItSays)
{
    auto masked = ProgramSkin(true);
    auto* second = new TbsSkinHint(main);
    second->SetSkinData(masked.get());
    EXPECT_EQ(TbsSkinHint::Serving(), hint);
    second->SetActive(true);
    EXPECT_FALSE(hint->Active()) << "activating one switches the other off";
    EXPECT_EQ(TbsSkinHint::Serving(), second);

    // The mask cuts the top-left pixel; translucency lets the screen show through.
    second->SetAlphaBlend(true);
    second->SetAlphaBlendValue(128);
    TbsSkinHintWindow* w = ObjectHintAt({100, 100}, "Zoom in");
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->OwnerHint(), second);
    EXPECT_EQ(w->HintSkin(), masked.get());
    TRect r = ShownRect(w);
    EXPECT_TRUE(GetWindowLongPtr(w->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_EQ(screen->Native(w->Handle())->alpha, 128);
    ASSERT_TRUE(screen->Native(w->Handle())->shape.has_value());
    EXPECT_FALSE(screen->Native(w->Handle())->shape->Contains(TPoint{0, 0}));
    EXPECT_TRUE(screen->Native(w->Handle())->shape->Contains(TPoint{1, 0}));
    EXPECT_TRUE(screen->Native(w->Handle())->shape->Contains(TPoint{r.Width() - 1, r.Height() - 1}));
    second->SetAlphaBlend(false);
    second->SetSkinData(skin.get());
    w = ObjectHintAt({100, 100}, "Zoom in");
    ASSERT_NE(w, nullptr);
    EXPECT_FALSE(GetWindowLongPtr(w->Handle(), GWL_EXSTYLE) & WS_EX_LAYERED);
    EXPECT_FALSE(screen->Native(w->Handle())->shape.has_value());

    // The show-hint event reaches the active component's handler, which may stop the hint.
    int asked = 0;
    second->OnShowHint = [&](std::string& text, bool& canShow, THintInfo&) {
        ++asked;
        canShow = text != "Zoom in";
    };
    hint->HideObjectHint();
    MoveTo(Center(button));
    screen->Advance(500);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(Shown(), nullptr);

    // Gone: no component serves, so no hint shows, and the event goes nowhere.
    second->Free();
    hint->Free();
    MoveTo({10, 10});
    MoveTo(Center(button));
    screen->Advance(500);
    EXPECT_EQ(app->HintWindow() ? app->HintWindow()->Visible() : false, false);
}
