#include "SkinControlTest.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/Glyphs.h"
#include "skin/DataSkinPanelControls.h"
#include "skincontrols/PlainLook.h"
#include "skincontrols/SkinExPanel.h"
#include "skincontrols/SkinGroupBox.h"
#include "skincontrols/SkinLabel.h"
#include "skincontrols/SkinPanel.h"
#include "skincontrols/SkinStatusBar.h"
#include "skincontrols/SkinStatusPanel.h"

#include <string>
#include <vector>

namespace tavrik {
namespace {

using SkinPanelTest = testing::SkinControlTest;

std::vector<TControl*> AddChildren(TWinControl* parent, int count)
{
    std::vector<TControl*> children;
    for (int i = 0; i < count; ++i) {
        auto* child = new TbsSkinLabel(parent);
        child->SetParent(parent);
        child->SetBounds(5, 30 + 25 * i, 60, 21);
        children.push_back(child);
    }
    return children;
}

TEST_F(SkinPanelTest, PanelRollsUpToItsCaptionAndBack)
{
    TForm* stage = NewForm(50, 50, 400, 300);
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        auto* panel = new TbsSkinPanel(stage);
        panel->SetParent(stage);
        panel->SetBounds(10, 10, 200, 150);
        panel->SetCaptionMode(true);
        panel->SetCaption("Settings");
        if (skinned) panel->SetSkinData(data);
        std::vector<TControl*> children = AddChildren(panel, 3);
        children[1]->Hide();
        panel->SetRollUpState(true); // not in roll-up mode: stays unrolled
        EXPECT_FALSE(panel->RollUpState());
        panel->SetRollUpMode(true);
        app->ProcessMessages();
        // A click on the caption bar rolls it up.
        ClickOn(panel);
        EXPECT_FALSE(panel->RollUpState()); // the middle is no caption
        screen->Click(At(panel, 100, 5).x, At(panel, 100, 5).y);
        EXPECT_TRUE(panel->RollUpState());
        EXPECT_EQ(panel->RealHeight(), 150);
        const auto& skin = SkinControl<TbsDataSkinPanelControl>("panel");
        EXPECT_EQ(panel->Height(), skinned ? skin.skinrect.Height() - skin.clientrect.Height() : 23);
        for (TControl* child : children) EXPECT_FALSE(child->Visible());
        panel->SetHeight(300); // while rolled its height can change; unrolling brings back the saved one
        panel->SetRollUpState(false);
        EXPECT_EQ(panel->Height(), 150);
        EXPECT_EQ(panel->RealHeight(), -1);
        EXPECT_TRUE(children[0]->Visible());
        EXPECT_FALSE(children[1]->Visible()); // it was hidden before
        EXPECT_TRUE(children[2]->Visible());
        delete panel;
    }
}

TEST_F(SkinPanelTest, CheckedCaptionEnablesTheChildren)
{
    TForm* stage = NewForm();
    auto* box = new TbsSkinGroupBox(stage);
    box->SetParent(stage);
    box->SetBounds(10, 10, 200, 150);
    box->SetCaption("Custom size");
    std::vector<TControl*> children = AddChildren(box, 2);
    children[1]->SetEnabled(false);
    int checks = 0;
    box->OnChecked = [&](TComponent*) { ++checks; };
    box->SetChecked(false); // not in checked mode: only the event
    EXPECT_EQ(checks, 1);
    EXPECT_TRUE(children[0]->Enabled());
    box->SetCheckedMode(true);
    screen->Click(At(box, 8, 8).x, At(box, 8, 8).y);
    EXPECT_TRUE(box->Checked());
    EXPECT_TRUE(children[0]->Enabled());
    EXPECT_TRUE(children[1]->Enabled()); // also the one disabled on its own
    box->SetChecked(false);
    EXPECT_FALSE(children[0]->Enabled());
    EXPECT_EQ(checks, 3);
}

TEST_F(SkinPanelTest, RollUpPanelButtonsByMouse)
{
    TForm* stage = NewForm(50, 50, 400, 300);
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        auto* panel = new TbsSkinExPanel(stage);
        panel->SetParent(stage);
        panel->SetBounds(10, 10, 200, 150);
        panel->SetCaption("Batch");
        if (skinned) panel->SetSkinData(data);
        std::vector<TControl*> children = AddChildren(panel, 2);
        std::vector<std::string> events;
        panel->OnChangeRollState = [&](TComponent*) { events.push_back(panel->RollState() ? "rolled" : "unrolled"); };
        panel->OnClose = [&](TComponent*) { events.push_back("closed"); };
        app->ProcessMessages();
        const TRect roll = panel->RollButtonRect(), close = panel->CloseButtonRect();
        ASSERT_FALSE(roll.IsEmpty());
        auto centre = [&](const TRect& r) { return At(panel, (r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2); };
        // Press the roll button, slide off and release: nothing.
        screen->Drag(centre(roll), At(panel, 100, 100), 2);
        EXPECT_TRUE(events.empty());
        // Off and back on before releasing: it rolls.
        MoveTo(centre(roll));
        screen->MouseDown();
        MoveTo(At(panel, 100, 100));
        MoveTo(centre(roll));
        screen->MouseUp();
        EXPECT_EQ(events, std::vector<std::string>{"rolled"});
        EXPECT_EQ(panel->Height(), panel->RolledSize());
        EXPECT_EQ(panel->RealHeight(), 150);
        EXPECT_FALSE(children[0]->Visible());
        // The parent cannot stretch a rolled panel; its width still follows.
        panel->SetAlign(TAlign::alClient);
        app->ProcessMessages();
        EXPECT_EQ(panel->Height(), panel->RolledSize());
        EXPECT_EQ(panel->Width(), stage->ClientWidth());
        panel->SetAlign(TAlign::alNone);
        // Rolled sideways while rolled up: unrolling still brings both sizes back.
        panel->SetRollKind(TbsRollKind::rkRollHorizontal);
        panel->SetRollState(false);
        EXPECT_EQ(panel->Height(), 150);
        EXPECT_TRUE(children[0]->Visible());
        panel->SetRollState(true);
        EXPECT_EQ(panel->Width(), panel->RolledSize());
        EXPECT_EQ(panel->Height(), 150);
        panel->SetRollState(false);
        panel->SetRollKind(TbsRollKind::rkRollVertical);
        app->ProcessMessages();
        ClickOn(panel); // the body is no button
        screen->Click(centre(panel->CloseButtonRect()).x, centre(panel->CloseButtonRect()).y);
        EXPECT_FALSE(panel->Visible());
        EXPECT_EQ(events.back(), "closed");
        (void)close;
        delete panel;
    }
}

TEST_F(SkinPanelTest, ExPanelCaptionEndsBeforeItsButtons)
{
    TForm* stage = NewForm();
    auto* panel = new TbsSkinExPanel(stage);
    panel->SetParent(stage);
    panel->SetBounds(10, 10, 200, 100);
    panel->SetShowRollButton(false);
    panel->SetCaption(std::string(80, 'M'));
    app->ProcessMessages();
    const TRect close = panel->CloseButtonRect();
    EXPECT_EQ(panel->RollButtonRect(), TRect{});
    // The plain close button shows its face and its black cross, no text runs into it.
    int black = 0;
    for (int y = close.Top; y < close.Bottom; ++y)
        for (int x = close.Left; x < close.Right; ++x) black += Pixel(At(panel, x, y)) == clBlack;
    TBitmap glyph(40, 40);
    glyph.Fill(clWhite);
    TCanvas canvas(glyph);
    DrawCloseGlyph(canvas, {0, 0, 40, 40}, clBlack);
    int glyphPixels = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) glyphPixels += glyph.GetPixel(x, y) == clBlack;
    EXPECT_EQ(black, glyphPixels); // the cross, and nothing of the caption
}

TEST_F(SkinPanelTest, ASidewaysRolledCaptionStaysWholeInItsColumn)
{
    TForm* stage = NewForm(50, 50, 400, 300);
    const std::string longCaption = "Sideways rolled panel";
    for (bool skinned : {false, true})
        for (const std::string& caption : {std::string("Batch"), longCaption}) {
            SCOPED_TRACE((skinned ? "skinned, " : "plain, ") + caption);
            auto* panel = new TbsSkinExPanel(stage);
            panel->SetParent(stage);
            panel->SetBounds(10, 10, 150, 100);
            panel->SetCaption(caption);
            panel->SetRollKind(TbsRollKind::rkRollHorizontal);
            if (skinned) panel->SetSkinData(data);
            panel->SetRollState(true);
            app->ProcessMessages();
            // The rows of the caption column that show text: darker than the light face.
            const TRect column = panel->CaptionTextRect();
            const TBitmap shot = Shot(panel);
            int inkTop = -1, inkBottom = -1;
            for (int y = column.Top; y < column.Bottom; ++y)
                for (int x = column.Left; x < column.Right; ++x) {
                    const TColor c = shot.GetPixel(x, y);
                    if (GetRValue(c) + GetGValue(c) + GetBValue(c) >= 3 * 128) continue;
                    if (inkTop < 0) inkTop = y;
                    inkBottom = y;
                }
            ASSERT_GE(inkTop, 0) << "the caption shows";
            EXPECT_GT(inkTop, column.Top) << "no letter is cut at the column's top";
            EXPECT_LT(inkBottom, column.Bottom - 1);
            TBitmap scratch(1, 1);
            TCanvas measure(scratch);
            TFontRequest font = panel->DefaultFont().Request();
            if (skinned) {
                const auto& skin = SkinControl<TbsDataSkinExPanelControl>("expanel");
                font.Name = skin.fontname;
                font.Height = skin.fontheight;
                font.Style = skin.fontstyle;
            }
            measure.SetFont(font);
            const int textWidth = measure.TextWidth(caption);
            if (textWidth <= column.Height() - 2) EXPECT_GE(inkBottom - inkTop + 4, textWidth) << "shown whole";
            else EXPECT_GE(inkBottom - inkTop, column.Height() / 2) << "shortened to its room";
            delete panel;
        }
}

// A path too long for its status panel keeps its file name, shortened in between: the panel
// looks exactly like one that shows the shortened text.
TEST_F(SkinPanelTest, AStatusPanelShortensALongPathInTheMiddle)
{
    TForm* stage = NewForm(50, 50, 500, 200);
    const std::string path = "/tmp/scratch/home/a folder with a long name/Pictures/photo.jpg";
    for (bool skinned : {false, true}) {
        SCOPED_TRACE(skinned ? "skinned" : "plain");
        TbsSkinStatusPanel* panels[2];
        for (TbsSkinStatusPanel*& panel : panels) {
            panel = new TbsSkinStatusPanel(stage);
            panel->SetParent(stage);
            panel->SetBounds(0, &panel == &panels[0] ? 0 : 40, 160, 22);
            if (skinned) panel->SetSkinData(data);
        }
        panels[0]->SetCaption(path);
        app->ProcessMessages();
        const TBitmap shown = Shot(panels[0]);
        bool sameAsSomeCut = false;
        // The exact cut depends on the font; one of the cuts of the folder part must match.
        for (size_t keep = 0; keep <= path.rfind('/') && !sameAsSomeCut; ++keep) {
            panels[1]->SetCaption(path.substr(0, keep) + "..." + path.substr(path.rfind('/')));
            app->ProcessMessages();
            sameAsSomeCut = shown == Shot(panels[1]);
        }
        EXPECT_TRUE(sameAsSomeCut);
        for (TbsSkinStatusPanel* panel : panels) delete panel;
    }
}

TEST_F(SkinPanelTest, StatusPanelsGrowWithTheirText)
{
    TForm* stage = NewForm(50, 50, 500, 200);
    auto* bar = new TbsSkinStatusBar(stage);
    bar->SetParent(stage);
    auto* panel = new TbsSkinStatusPanel(bar);
    panel->SetParent(bar);
    panel->SetAlign(TAlign::alLeft);
    auto* fixed = new TbsSkinStatusPanel(bar);
    fixed->SetParent(bar);
    fixed->SetAlign(TAlign::alClient);
    bar->SetSkinData(data); // the bar passes its skin on to its panels
    EXPECT_EQ(panel->SkinData(), data);
    app->ProcessMessages();
    EXPECT_EQ(bar->Top() + bar->Height(), stage->ClientHeight());

    struct TCase {
        bool skinned;
        int glyphCells;
    } cases[] = {{false, 0}, {false, 2}, {true, 0}, {true, 1}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.skinned) + " glyph " + std::to_string(c.glyphCells));
        panel->SetSkinData(c.skinned ? data : nullptr);
        panel->SetAutoSize(false);
        panel->SetWidth(120);
        TBitmap glyph(16 * std::max(1, c.glyphCells), 16);
        panel->SetGlyph(c.glyphCells ? glyph : TBitmap());
        panel->SetNumGlyphs(std::max(1, c.glyphCells));
        panel->SetAutoSize(true);
        const auto& skin = SkinControl<TbsDataSkinLabelControl>("statuspanel");
        TBitmap scratch(1, 1);
        TCanvas measure(scratch);
        measure.SetFont(c.skinned ? TFontRequest{skin.fontname, skin.fontheight, 0, 0, 0} : panel->DefaultFont().Request());
        // The text's cell (the plain look keeps 3 pixels each side, the skin its borders) and
        // the glyph's cell with 3 pixels after it.
        const int border = c.skinned ? skin.skinrect.Width() - skin.clientrect.Width() : 6;
        const int glyphWidth = c.glyphCells ? 16 + 3 : 0;
        for (const char* text : {"i", "未加载图片", "C:/a/long/path/to/some/picture/file.bmp"}) {
            panel->SetCaption(text);
            EXPECT_EQ(panel->Width(), measure.TextWidth(text) + border + glyphWidth) << text;
        }
        const int fixedWidth = fixed->Width();
        fixed->SetCaption("a caption far longer than this panel could ever hold");
        EXPECT_EQ(fixed->Width(), fixedWidth); // client-aligned: keeps its width
        EXPECT_EQ(fixed->Left(), panel->Left() + panel->Width());
    }
}

} // namespace
} // namespace tavrik
