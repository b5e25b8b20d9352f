#include "GoldenImage.h"
#include "SkinControlTest.h"

#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinCheckRadioBox.h"
#include "skincontrols/SkinExPanel.h"
#include "skincontrols/SkinGauge.h"
#include "skincontrols/SkinGroupBox.h"
#include "skincontrols/SkinSpeedButton.h"
#include "skincontrols/SkinStatusBar.h"
#include "skincontrols/SkinStatusPanel.h"
#include "skincontrols/SkinTrackBar.h"

#include <functional>
#include <string>

namespace tavrik {
namespace {

using SkinControlsGoldenTest = testing::SkinControlTest;

TBitmap Strip()
{
    TBitmap b(32, 16);
    b.Fill(clFuchsia);
    for (int y = 3; y < 13; ++y)
        for (int x = 3; x < 13; ++x) {
            b.SetPixel(x, y, RGB(40, 110, 200));
            b.SetPixel(16 + x, y, RGB(150, 150, 150));
        }
    return b;
}

// Each whole control in a state worth seeing, in the program's skin and in the plain look.
TEST_F(SkinControlsGoldenTest, WholeControls)
{
    TForm* stage = NewForm(20, 20, 600, 400);
    struct TCase {
        const char* name;
        std::function<TControl*()> make;
    } cases[] = {
        {"button", [&]() -> TControl* {
             auto* b = new TbsSkinButton(stage);
             b->SetCaption("&Open");
             b->SetGlyph(Strip());
             b->SetNumGlyphs(2);
             return b;
         }},
        {"speedbutton-down", [&]() -> TControl* {
             auto* b = new TbsSkinSpeedButton(stage);
             b->SetGlyph(Strip());
             b->SetNumGlyphs(2);
             b->SetGroupIndex(1);
             b->SetDown(true);
             return b;
         }},
        {"trackbar", [&]() -> TControl* {
             auto* t = new TbsSkinTrackBar(stage);
             t->SetBounds(0, 0, 150, 20);
             t->SetValue(75);
             return t;
         }},
        {"gauge", [&]() -> TControl* {
             auto* g = new TbsSkinGauge(stage);
             g->SetShowPercent(true);
             g->SetValue(64);
             return g;
         }},
        {"checkbox", [&]() -> TControl* {
             auto* c = new TbsSkinCheckRadioBox(stage);
             c->SetCaption("Keep proportions");
             c->SetChecked(true);
             return c;
         }},
        {"groupbox", [&]() -> TControl* {
             auto* g = new TbsSkinGroupBox(stage);
             g->SetBounds(0, 0, 160, 90);
             g->SetCaption("帮助");
             return g;
         }},
        {"expanel-rolled", [&]() -> TControl* {
             auto* p = new TbsSkinExPanel(stage);
             p->SetBounds(0, 0, 160, 90);
             p->SetCaption("Batch");
             p->SetRollState(true);
             return p;
         }},
        {"statusbar", [&]() -> TControl* {
             auto* s = new TbsSkinStatusBar(stage);
             s->SetAlign(TAlign::alNone);
             s->SetBounds(0, 0, 300, 21);
             auto* panel = new TbsSkinStatusPanel(s);
             panel->SetParent(s);
             panel->SetAlign(TAlign::alLeft);
             panel->SetCaption("未加载图片");
             return s;
         }},
    };
    for (bool skinned : {true, false})
        for (const TCase& c : cases) {
            const std::string name = std::string(skinned ? "skinned-" : "plain-") + c.name;
            SCOPED_TRACE(name);
            TControl* control = c.make();
            control->SetParent(stage);
            control->SetLeft(20);
            control->SetTop(20);
            if (auto* bound = dynamic_cast<TbsSkinControl*>(control)) bound->SetSkinData(skinned ? data : nullptr);
            if (auto* bound = dynamic_cast<TbsGraphicSkinControl*>(control)) bound->SetSkinData(skinned ? data : nullptr);
            app->ProcessMessages();
            EXPECT_TRUE(testing::MatchesGolden(Shot(control), name));
            delete control;
        }
}

} // namespace
} // namespace tavrik
