#include "core/Exception.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinData.h"
#include "skin/SkinIni.h"
#include "skin/StoredSkin.h"

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

struct TMessage {
    std::string form;
    uint32_t msg;
    uintptr_t wParam;
    intptr_t lParam;
    bool noSkinLoaded;
};

// A form that records what it receives, and what the skin data looked like at that moment.
class TRecordingForm final : public TbsSkinMessageReceiver {
public:
    TRecordingForm(std::string name, std::vector<TMessage>& log, const TbsSkinData*& data)
        : name_(std::move(name)), log_(log), data_(data)
    {
    }
    void Perform(uint32_t msg, uintptr_t wParam, intptr_t lParam) override
    {
        log_.push_back({name_, msg, wParam, lParam, data_->NoSkinLoaded()});
        if (onMessage) onMessage(msg);
    }
    std::function<void(uint32_t)> onMessage;

private:
    std::string name_;
    std::vector<TMessage>& log_;
    const TbsSkinData*& data_;
};

class TFormList final : public TbsSkinFormList {
public:
    std::vector<TbsSkinMessageReceiver*> SkinForms() const override { return forms; }
    std::vector<TbsSkinMessageReceiver*> forms;
};

class SkinDataBroadcast : public ::testing::Test {
protected:
    std::vector<TMessage> log;
    const TbsSkinData* current = &data;
    TbsSkinData data;
    TRecordingForm main{"main", log, current};
    TRecordingForm dialog{"dialog", log, current};
    TRecordingForm other{"other", log, current};
    TFormList list;

    std::string Sequence() const
    {
        std::string s;
        for (const TMessage& m : log) s += m.form + ":" + std::to_string(m.msg) + " ";
        return s;
    }
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
    data.Notification(&stored);
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

TEST_F(SkinDataBroadcast, OwnerFirstThenFormsInOrder)
{
    list.forms = {&dialog, &main, nullptr, &other};
    data.SetOwnerForm(&main);
    data.SetFormList(&list);
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(Sequence(), "main:1225 dialog:1225 other:1225 main:1226 dialog:1226 other:1226 "
                          "main:1227 dialog:1227 other:1227 ");
    for (const TMessage& m : log) {
        EXPECT_EQ(m.wParam, data.MessageParam());
        EXPECT_EQ(TbsSkinData::FromMessageParam(m.wParam), &data);
        EXPECT_EQ(m.lParam, 1000);
        EXPECT_EQ(m.noSkinLoaded, m.msg == SKM_BEFORECHANGE);
    }
}

TEST_F(SkinDataBroadcast, OwnerThatIsNoFormGetsNothing)
{
    list.forms = {&dialog, &other};
    data.SetFormList(&list);
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(Sequence(), "dialog:1225 other:1225 dialog:1226 other:1226 dialog:1227 other:1227 ");
}

TEST_F(SkinDataBroadcast, FailedLoadsStillAnnounceTheChange)
{
    data.SetOwnerForm(&main);
    data.ApplyStoredSkin(StoredSkinOf({"[VERSION]", "v=1"}));
    EXPECT_EQ(Sequence(), "main:1225 main:1226 main:1227 ");
    log.clear();
    EXPECT_THROW(data.ApplyStoredSkin(StoredSkinOf(SkinText({"[panel]", "skinrect=1"}))), EConvertError);
    EXPECT_EQ(Sequence(), "main:1225 main:1226 main:1227 ");
    EXPECT_TRUE(log.back().noSkinLoaded);
}

TEST_F(SkinDataBroadcast, OldSkinIsStillThereWhenBeforeChangeArrives)
{
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
    data.SetOwnerForm(&main);
    size_t controlsAtBeforeChange = 99;
    main.onMessage = [&](uint32_t msg) {
        if (msg == SKM_BEFORECHANGE) controlsAtBeforeChange = data.SkinControls.size();
    };
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
    EXPECT_EQ(controlsAtBeforeChange, 3u);
}

TEST_F(SkinDataBroadcast, FormListIsAskedAfreshForEveryMessage)
{
    list.forms = {&dialog};
    data.SetFormList(&list);
    dialog.onMessage = [&](uint32_t msg) {
        if (msg == SKM_CHANGE) list.forms.push_back(&other);
    };
    data.ApplyStoredSkin(StoredSkinOf(SkinText()));
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
