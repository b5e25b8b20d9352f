#include "core/Exception.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinData.h"
#include "skin/SkinIni.h"
#include "skin/StoredSkin.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/headless/HeadlessBackend.h"

#include <gtest/gtest.h>

#include <functional>

using namespace tavrik;

namespace {

// A skin text with the five required sections; extra lines go to the end.
std::vector<std::string> SkinText(std::vector<std::string> extra = {})
{
    std::vector<std::string> lines = {
        "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "0=a.bmp",
        "[FORMINFO]", "clientrect=7,30,209,160", "[SKINOBJECTS]", "count=2", "0=caption1:caption",
        "1=closebutton:stdbutton", "[SKINCONTROLS]", "count=3", "0=button:button", "1=listbox:listbox",
        "2=panel:panel", "[caption1]", "textrect=1,2,3,4", "[closebutton]", "command=cmclose",
        "[button]", "skinrect=0,0,60,20", "pictureindex=3"};
    lines.insert(lines.end(), extra.begin(), extra.end());
    return lines;
}

TbsStoredSkin StoredSkinOf(std::vector<std::string> lines, int activePictures = 1)
{
    TbsStoredSkin stored;
    stored.SetIniStrings(std::move(lines));
    stored.picture = TBitmap(4, 3, TPixelFormat::pf8bit);
    for (int i = 0; i < activePictures; ++i) stored.activepictures.emplace_back(i + 1, 2, TPixelFormat::pf8bit);
    return stored;
}

struct TLogged {
    std::string form;
    uint32_t msg;
    uintptr_t wParam;
    intptr_t lParam;
    bool noSkinLoaded;
};

// Forms of a headless screen that record the skin-change messages they receive, and what
// the skin data looked like at that moment.
class SkinDataBroadcast : public ::testing::Test {
protected:
    SkinDataBroadcast() : ws(std::make_unique<THeadlessBackend>()) {}

    TForm* NewForm(const std::string& name)
    {
        auto* form = new TForm(&app);
        form->SetName(name);
        form->AddWindowHook([this, name](tavrik::TMessage& m, const TWndNext& next) {
            if (m.Msg >= SKM_BEFORECHANGE && m.Msg <= SKM_AFTERCHANGE) {
                log.push_back({name, m.Msg, m.WParam, m.LParam, data->NoSkinLoaded()});
                if (onMessage) onMessage(name, m.Msg);
            }
            next(m);
        });
        return form;
    }

    std::string Sequence() const
    {
        std::string s;
        for (const TLogged& m : log) s += m.form + ":" + std::to_string(m.msg) + " ";
        return s;
    }

    TWindowSystem ws;
    TApplication app;
    std::vector<TLogged> log;
    std::function<void(const std::string& form, uint32_t msg)> onMessage;
    TbsSkinData* data = nullptr;
};

} // namespace

TEST(SkinData, StartsWithoutSkin)
{
    TbsSkinData data;
    EXPECT_TRUE(data.NoSkinLoaded());
    EXPECT_TRUE(data.SkinObjects.empty());
    EXPECT_EQ(data.PopupWindowSkin.windowpictureindex, -1);
    EXPECT_EQ(data.HintWindowSkin.windowpictureindex, -1);
    EXPECT_EQ(data.bgpictureindex, -1);
    EXPECT_EQ(data.mdibgpictureindex, -1);
    EXPECT_FALSE(data.mainmenupopupup);
    EXPECT_EQ(data.IndexOfSkinControl("button"), -1);
}

TEST(SkinData, LoadsObjectsControlsAndPictures)
{
    TbsSkinData data;
    TbsStoredSkin stored = StoredSkinOf(SkinText());
    data.ApplyStoredSkin(stored);
    EXPECT_FALSE(data.NoSkinLoaded());
    ASSERT_EQ(data.SkinObjects.size(), 2u);
    ASSERT_EQ(data.SkinControls.size(), 3u);
    EXPECT_EQ(data.IndexOfSkinObject("closebutton"), 1);
    EXPECT_EQ(data.IndexOfSkinControl("listbox"), 1);
    auto* button = dynamic_cast<TbsDataSkinButtonControl*>(data.SkinControls[0].get());
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->skinrect, Rect(0, 0, 60, 20));
    EXPECT_EQ(button->pictureindex, 3);
    EXPECT_NE(dynamic_cast<TbsDataSkinListBox*>(data.SkinControls[1].get()), nullptr);
    EXPECT_EQ(data.picture, stored.picture);
    EXPECT_TRUE(data.inactivepicture.Empty());
    EXPECT_EQ(data.activepictures, stored.activepictures);
    EXPECT_EQ(data.clientrect, Rect(7, 30, 209, 160));
}

TEST(SkinData, LookupIsExactAndFindsTheFirst)
{
    TbsSkinData data;
    TbsStoredSkin stored = StoredSkinOf(SkinText());
    std::vector<std::string> lines = stored.IniStrings();
    for (std::string& line : lines) {
        if (line == "count=3") line = "count=5";
    }
    lines.insert(lines.end(), {"[SKINCONTROLS]", "3=button:label", "4=Edit:edit"});
    stored.SetIniStrings(lines);
    data.ApplyStoredSkin(stored);
    ASSERT_EQ(data.SkinControls.size(), 5u);
    EXPECT_EQ(data.IndexOfSkinControl("button"), 0);
    EXPECT_NE(dynamic_cast<TbsDataSkinLabelControl*>(data.SkinControls[3].get()), nullptr);
    EXPECT_EQ(data.IndexOfSkinControl("BUTTON"), -1);
    EXPECT_EQ(data.IndexOfSkinControl("edit"), -1);
    EXPECT_EQ(data.IndexOfSkinControl("Edit"), 4);
    EXPECT_EQ(data.IndexOfSkinObject("button"), -1);
}

TEST(SkinData, SkipsEntriesWithoutColonOrWithUnknownType)
{
    TbsSkinData data;
    data.ApplyStoredSkin(StoredSkinOf({"[VERSION]", "v=1", "[PICTURES]", "p=1", "[FORMINFO]", "f=1",
                                       "[SKINOBJECTS]", "count=4", "0=nocolon", "1=a:Caption", "2=b:caption",
                                       "[SKINCONTROLS]", "count=3", "0=x:panel", "1=y:unknown", "2=z:edit"}));
    ASSERT_EQ(data.SkinObjects.size(), 1u);
    EXPECT_EQ(data.SkinObjects[0]->IDName, "b");
    ASSERT_EQ(data.SkinControls.size(), 2u);
    EXPECT_EQ(data.SkinControls[1]->IDName, "z");
    EXPECT_FALSE(data.NoSkinLoaded());
}

TEST(SkinData, TakesEveryStoredPictureWhateverTheCountSays)
{
    TbsSkinData data;
    data.ApplyStoredSkin(StoredSkinOf(SkinText({"[PICTURES]", "activepicturescount=9"}), 10));
    EXPECT_EQ(data.activepictures.size(), 10u);
}

TEST(SkinData, FormInfoWithMaskIsNormalised)
{
    TbsSkinData data;
    data.ApplyStoredSkin(StoredSkinOf(SkinText({"[PICTURES]", "mask=mask.bmp", "[FORMINFO]",
                                                "maskrectarea=0,0,0,0", "hittestlefttoppoint=0,30",
                                                "hittestrighttoppoint=200,20", "lefttoppoint=2,5",
                                                "righttoppoint=215,4", "leftbottompoint=1,166",
                                                "rightbottompoint=214,165"})));
    EXPECT_EQ(data.MaskFileName(), "mask.bmp");
    EXPECT_EQ(data.maskrectarea, Rect(7, 30, 209, 160));
    SCOPED_TRACE("hit-test points with a zero coordinate take the corner points as read");
    EXPECT_EQ(data.hittestlefttoppoint, Point(2, 5));
    EXPECT_EQ(data.hittestrighttoppoint, Point(200, 20));
    EXPECT_EQ(data.hittestleftbottompoint, Point(1, 166));
    EXPECT_EQ(data.hittestrightbottompoint, Point(214, 165));
    SCOPED_TRACE("corner points move into the client rectangle");
    EXPECT_EQ(data.lefttoppoint, Point(7, 30));
    EXPECT_EQ(data.righttoppoint, Point(209, 30));
    EXPECT_EQ(data.leftbottompoint, Point(7, 160));
    EXPECT_EQ(data.rightbottompoint, Point(209, 160));
}

TEST(SkinData, MaskAreaWidensToHoldClient)
{
    TbsSkinFormInfo info;
    info.LoadFormInfo(TbsSkinIni({"[FORMINFO]", "clientrect=7,30,209,160", "maskrectarea=10,20,300,150"}), true);
    EXPECT_EQ(info.maskrectarea, Rect(7, 20, 300, 160));
    TbsSkinFormInfo unmasked;
    unmasked.LoadFormInfo(TbsSkinIni({"[FORMINFO]", "clientrect=7,30,209,160", "hittestlefttoppoint=0,30",
                                      "lefttoppoint=2,5", "rightbottompoint=300,300"}),
                          false);
    EXPECT_EQ(unmasked.maskrectarea, TRect{});
    EXPECT_EQ(unmasked.hittestlefttoppoint, Point(0, 30));
    EXPECT_EQ(unmasked.lefttoppoint, Point(7, 30));
    EXPECT_EQ(unmasked.rightbottompoint, Point(209, 160));
}

TEST(SkinData, DegenerateFrameKeepsItsCornerPoints)
{
    for (auto rightBottom : {"2,100", "100,5"}) {
        SCOPED_TRACE(rightBottom);
        TbsSkinFormInfo info;
        info.LoadFormInfo(TbsSkinIni({"[FORMINFO]", "clientrect=7,30,209,160", "lefttoppoint=2,5",
                                      "righttoppoint=300,0", std::string("rightbottompoint=") + rightBottom}),
                          false);
        EXPECT_EQ(info.lefttoppoint, Point(2, 5));
        EXPECT_EQ(info.righttoppoint, Point(300, 0));
    }
}

TEST(SkinData, TextWithoutRequiredSectionsLeavesNoSkin)
{
    TbsSkinData data;
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
    TbsStoredSkin broken = StoredSkinOf({"[VERSION]", "v=1", "[SKINCONTROLS]", "count=1", "0=button:button"});
    data.ApplyStoredSkin(broken);
    EXPECT_TRUE(data.NoSkinLoaded());
    EXPECT_TRUE(data.SkinControls.empty());
    EXPECT_TRUE(data.activepictures.empty());
    EXPECT_TRUE(data.picture.Empty());
}

TEST(SkinData, ConversionErrorKeepsObjectsReadSoFarWithoutSkin)
{
    TbsSkinData data;
    TbsStoredSkin stored = StoredSkinOf(SkinText({"[listbox]", "itemrect=1,2,3"}));
    EXPECT_THROW(data.ApplyStoredSkin(stored), EConvertError);
    EXPECT_TRUE(data.NoSkinLoaded());
    EXPECT_EQ(data.SkinObjects.size(), 2u);
    EXPECT_EQ(data.SkinControls.size(), 2u);
    EXPECT_EQ(data.IndexOfSkinControl("panel"), -1);
}

TEST(SkinData, ClearSkinAndStoredSkinReferences)
{
    TbsSkinData data;
    TbsStoredSkin stored = StoredSkinOf(SkinText({"[POPUPWINDOW]", "windowpictureindex=0"}));
    data.SetStoredSkin(&stored);
    EXPECT_EQ(data.StoredSkin(), &stored);
    EXPECT_EQ(data.PopupWindowSkin.windowpictureindex, 0);
    SCOPED_TRACE("setting null keeps the skin");
    data.SetStoredSkin(nullptr);
    EXPECT_FALSE(data.NoSkinLoaded());
    EXPECT_EQ(data.SkinControls.size(), 3u);
    data.SetStoredSkin(&stored);
    data.ForgetStoredSkin(&stored);
    EXPECT_EQ(data.StoredSkin(), nullptr);
    EXPECT_FALSE(data.NoSkinLoaded());

    data.ClearSkin();
    EXPECT_TRUE(data.NoSkinLoaded());
    EXPECT_TRUE(data.SkinObjects.empty());
    EXPECT_TRUE(data.SkinControls.empty());
    EXPECT_TRUE(data.activepictures.empty());
    EXPECT_TRUE(data.picture.Empty());
    EXPECT_EQ(data.PopupWindowSkin.windowpictureindex, -1);
    EXPECT_EQ(data.MaskFileName(), "");
}

TEST(SkinData, ReloadReplacesEverything)
{
    TbsSkinData data;
    data.ApplyStoredSkin(StoredSkinOf(SkinText(), 3));
    data.ApplyStoredSkin(StoredSkinOf({"[VERSION]", "v=1", "[PICTURES]", "p=1", "[FORMINFO]", "f=1",
                                       "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=1", "0=only:edit"},
                                      1));
    EXPECT_EQ(data.SkinObjects.size(), 0u);
    ASSERT_EQ(data.SkinControls.size(), 1u);
    EXPECT_EQ(data.activepictures.size(), 1u);
    EXPECT_EQ(data.clientrect, TRect{});
}

TEST_F(SkinDataBroadcast, OwnerFirstThenTheScreensFormsInOrder)
{
    NewForm("dialog");
    TForm* main = NewForm("main");
    NewForm("other");
    data = new TbsSkinData(main);
    data->ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(Sequence(), "main:1225 dialog:1225 other:1225 main:1226 dialog:1226 other:1226 "
                          "main:1227 dialog:1227 other:1227 ");
    for (const TLogged& m : log) {
        EXPECT_EQ(m.wParam, data->MessageParam());
        EXPECT_EQ(TbsSkinData::FromMessageParam(m.wParam), data);
        EXPECT_EQ(m.lParam, 1000);
        EXPECT_EQ(m.noSkinLoaded, m.msg == SKM_BEFORECHANGE);
    }
}

TEST_F(SkinDataBroadcast, AnOwnerThatIsNoFormGetsNothingOfItsOwn)
{
    NewForm("dialog");
    NewForm("other");
    TComponent owner;
    data = new TbsSkinData(&owner);
    data->ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(Sequence(), "dialog:1225 other:1225 dialog:1226 other:1226 dialog:1227 other:1227 ");
}

TEST_F(SkinDataBroadcast, FailedLoadsStillAnnounceTheChange)
{
    data = new TbsSkinData(NewForm("main"));
    data->ApplyStoredSkin(StoredSkinOf({"[VERSION]", "v=1"}));
    EXPECT_EQ(Sequence(), "main:1225 main:1226 main:1227 ");
    log.clear();
    EXPECT_THROW(data->ApplyStoredSkin(StoredSkinOf(SkinText({"[panel]", "skinrect=1"}))), EConvertError);
    EXPECT_EQ(Sequence(), "main:1225 main:1226 main:1227 ");
    EXPECT_TRUE(log.back().noSkinLoaded);
}

TEST_F(SkinDataBroadcast, OldSkinIsStillThereWhenBeforeChangeArrives)
{
    data = new TbsSkinData(NewForm("main"));
    data->ApplyStoredSkin(StoredSkinOf(SkinText()));
    size_t controlsAtBeforeChange = 99;
    onMessage = [&](const std::string&, uint32_t msg) {
        if (msg == SKM_BEFORECHANGE) controlsAtBeforeChange = data->SkinControls.size();
    };
    data->ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(controlsAtBeforeChange, 3u);
}

TEST_F(SkinDataBroadcast, FormsMadeOrFreedByARecipientAreSeenAtTheNextMessage)
{
    NewForm("dialog");
    TForm* doomed = NewForm("doomed");
    TComponent owner;
    data = new TbsSkinData(&owner);
    onMessage = [&](const std::string& form, uint32_t msg) {
        if (form != "dialog") return;
        if (msg == SKM_BEFORECHANGE) doomed->Free();
        if (msg == SKM_CHANGE) NewForm("other");
    };
    data->ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(Sequence(), "dialog:1225 dialog:1226 dialog:1227 other:1227 ");
}

TEST(SkinData, SaveToIniDescribesTheLoadedSkin)
{
    TbsSkinData a, b;
    a.ApplyStoredSkin(StoredSkinOf(SkinText()));
    TbsSkinIni saved;
    a.SaveToIni(saved);
    EXPECT_EQ(saved.ReadString("SKINCONTROLS", "1", ""), "listbox:listbox");
    EXPECT_EQ(saved.ReadString("SKINOBJECTS", "1", ""), "closebutton:stdbutton");
    EXPECT_EQ(saved.ReadString("closebutton", "command", ""), "cmclose");
    EXPECT_EQ(saved.ReadString("FORMINFO", "clientrect", ""), "7,30,209,160");
    b.ApplyStoredSkin(StoredSkinOf(SkinText()));
    TbsSkinIni other;
    b.SaveToIni(other);
    EXPECT_EQ(saved.Lines(), other.Lines());
}
