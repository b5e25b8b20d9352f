#include "FrameTest.h"

#include "skin/StoredSkin.h"
#include "ui/GraphicControl.h"
#include "ui/Panel.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class FrameSkinChange : public FrameTest {
protected:
    // Notes every skin message that reaches a control.
    void Listen(TControl* control, const std::string& name)
    {
        control->AddWindowHook([this, name](TMessage& m, const TWndNext& next) {
            if (m.Msg >= SKM_BEFORECHANGE && m.Msg <= SKM_AFTERCHANGE)
                heard.push_back(name + ":" + std::to_string(m.Msg - SKM_BEFORECHANGE));
            next(m);
        });
    }
    std::vector<std::string> heard;
};

} // namespace

TEST_F(FrameSkinChange, ALoadReachesEveryControlContainersFirstAndRebuildsTheFrame)
{
    customSkin = std::make_unique<TbsSkinData>();
    customSkin->ApplyStoredSkin(ProgramSkinStored());
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200), customSkin.get());
    TForm* form = frame->Form();
    auto* panel = new TPanel(form);
    panel->SetParent(form);
    auto* inner = new TPanel(form);
    inner->SetParent(panel);
    auto* graphic = new TGraphicControl(form);
    graphic->SetParent(inner);
    auto* beside = new TPanel(form);
    beside->SetParent(form);
    for (auto [control, name] : {std::pair<TControl*, const char*>{panel, "panel"}, {inner, "inner"},
                                 {graphic, "graphic"}, {beside, "beside"}})
        Listen(control, name);
    size_t objectsDuringChange = 99;
    frame->OnChangeSkinData = [&](TComponent*) { objectsDuringChange = frame->Objects().size(); };
    TbsSkinData other;
    form->Perform(SKM_BEFORECHANGE, other.MessageParam(), kSkinMessageLParam);
    EXPECT_TRUE(heard.empty()) << "another skin's change leaves the controls alone";
    EXPECT_TRUE(frame->SkinInUse());

    customSkin->ApplyStoredSkin(ProgramSkinStored());
    const std::vector<std::string> order{"panel", "inner", "graphic", "beside"};
    std::vector<std::string> expected;
    for (int msg : {0, 1})
        for (const std::string& name : order) expected.push_back(name + ":" + std::to_string(msg));
    EXPECT_EQ(heard, expected);
    EXPECT_EQ(objectsDuringChange, frame->Objects().size());
    EXPECT_TRUE(frame->SkinInUse());
    EXPECT_NE(frame->FindObject("closebutton"), nullptr);
}

TEST_F(FrameSkinChange, BetweenBeforeAndChangeTheFrameHoldsNothingOfTheSkin)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 300, 200));
    TForm* form = frame->Form();
    const uintptr_t sender = ProgramSkinData().MessageParam();
    form->Perform(SKM_BEFORECHANGE, sender, kSkinMessageLParam);
    EXPECT_FALSE(frame->SkinInUse());
    EXPECT_TRUE(frame->Objects().empty());
    form->Invalidate();
    ProcessMessages(); // paints and hit tests without a skin must not touch the old one
    EXPECT_EQ(HitTest(form, {150, 100}), HTCLIENT);
    form->Perform(SKM_CHANGE, sender, kSkinMessageLParam);
    EXPECT_TRUE(frame->SkinInUse());
    EXPECT_EQ(frame->Objects().size(), 7u); // the caption and six buttons; menu parts are the menus'
}

TEST_F(FrameSkinChange, TheFormGrowsToTheFramesMinimumAndTakesTheClientSizeAsked)
{
    TbsRevideruDadoZiri* frame = NewFrame(Bounds(100, 100, 150, 20), nullptr);
    TForm* form = frame->Form();
    frame->SetClientWidth(400);
    frame->SetClientHeight(250);
    frame->SetSkinData(const_cast<TbsSkinData*>(&ProgramSkinData()));
    EXPECT_EQ(form->ClientWidth(), 400);
    EXPECT_EQ(form->ClientHeight(), 250);
    // The program's frame: 4 pixels left and right, a 32-pixel top and a 4-pixel bottom.
    EXPECT_EQ(WindowRect(form), Bounds(100, 100, 408, 286));
    frame->SetClientWidth(0);
    frame->SetClientHeight(0);
    form->SetBounds(100, 100, 150, 20);
    frame->ChangeSkinData();
    EXPECT_EQ(WindowRect(form), Bounds(100, 100, 216, 36));
    // Without a skin the plain frame takes over, rectangular again.
    frame->SetSkinData(nullptr);
    EXPECT_FALSE(GetWindowRgn(form->Handle()).has_value());
    EXPECT_EQ(form->ClientToScreen({0, 0}), (TPoint{103, 100 + 19 + 3}));
}
