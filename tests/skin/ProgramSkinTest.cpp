#include "skin/CompressedStoredSkin.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/ProgramSkin.h"
#include "skin/SkinData.h"
#include "skin/SkinIni.h"
#include "skin/SkinKeys.h"
#include "skin/SkinObjectFactory.h"
#include "skin/StoredSkin.h"

#include <gtest/gtest.h>

#include <set>
#include <typeindex>

using namespace tavrik;

namespace {

class ProgramSkin : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        stored_ = new TbsStoredSkin;
        LoadProgramSkin(*stored_);
        data_ = new TbsSkinData;
        data_->ApplyStoredSkin(*stored_);
    }
    static void TearDownTestSuite()
    {
        delete data_;
        delete stored_;
    }
    static const TbsSkinData& Data() { return *data_; }
    static const TbsStoredSkin& Stored() { return *stored_; }
    template <class T>
    static const T& Control(const std::string& name)
    {
        int i = data_->IndexOfSkinControl(name);
        EXPECT_GE(i, 0) << name;
        return dynamic_cast<const T&>(*data_->SkinControls.at(size_t(i)));
    }

private:
    static TbsStoredSkin* stored_;
    static TbsSkinData* data_;
};

TbsStoredSkin* ProgramSkin::stored_ = nullptr;
TbsSkinData* ProgramSkin::data_ = nullptr;

// Every rectangle and point a section declares, with its key.
class TGeometry final : public TbsSkinKeys {
public:
    void Rect(const char* key, TRect& r) override { rects.emplace_back(key, r); }
    void Point(const char* key, TPoint& p) override { points.emplace_back(key, p); }

    std::vector<std::pair<std::string, TRect>> rects;
    std::vector<std::pair<std::string, TPoint>> points;

    TRect Find(const std::string& key) const
    {
        for (const auto& [k, r] : rects)
            if (k == key) return r;
        return {};
    }
};

TGeometry GeometryOf(const TbsSkinSection& section)
{
    TGeometry g;
    const_cast<TbsSkinSection&>(section).DeclareKeys(g);
    return g;
}

TRect Area(TSize size) { return Rect(0, 0, size.cx, size.cy); }
TRect Area(const TBitmap& b) { return Rect(0, 0, b.Width(), b.Height()); }
TSize SizeOf(const TRect& r) { return {r.Width(), r.Height()}; }

bool PointWithin(TPoint p, TSize size) { return p.x >= 0 && p.y >= 0 && p.x <= size.cx && p.y <= size.cy; }

// The area a control skin's rectangle must lie in: the skin image for placements, the item
// or cell image for text and check placements, the whole picture for every other image.
TRect AreaFor(const std::string& type, const std::string& key, const TGeometry& g, const TBitmap& picture)
{
    static const std::set<std::string> placements = {"clientrect", "textarea", "checkimagearea", "trackarea",
                                                     "progressarea", "itemsrect", "captionrect", "trackbuttonrect"};
    TSize skin = SizeOf(g.Find("skinrect"));
    bool arrowPlacement = type == "scrollbar" || type == "spinedit" || type == "updown";
    if (placements.count(key) || ((key == "upbuttonrect" || key == "downbuttonrect") && arrowPlacement) ||
        (key == "buttonrect" && (type == "edit" || type == "combobox")))
        return Area(skin);
    if (key == "itemtextrect" || key == "itemcheckrect") {
        TRect item = g.Find("itemrect").IsEmpty() ? g.Find("focusitemrect") : g.Find("itemrect");
        return Area(SizeOf(item));
    }
    if (key == "fixedcelltextrect") return Area(SizeOf(g.Find("fixedcellrect")));
    if (key == "celltextrect") return Area(SizeOf(g.Find("selectcellrect")));
    if (key == "rollvcaptionrect") return Area(SizeOf(g.Find("rollvskinrect")));
    if (key == "rollhcaptionrect") return Area(SizeOf(g.Find("rollhskinrect")));
    return Area(picture);
}

const TBitmap* PictureAt(const TbsSkinData& data, int32_t index)
{
    return index >= 0 && size_t(index) < data.activepictures.size() ? &data.activepictures[size_t(index)] : nullptr;
}

} // namespace

TEST_F(ProgramSkin, PicturesAreTheListedOnesInTheirFormats)
{
    TbsSkinIni ini(Stored().IniStrings());
    EXPECT_TRUE(IsSkinDefinition(ini));
    EXPECT_EQ(Stored().FileName(), "skin.ini");
    EXPECT_EQ(ini.ReadString("PICTURES", "picture", ""), "main.bmp");
    EXPECT_EQ(ini.ReadString("PICTURES", "inactivepicture", "?"), "");
    EXPECT_EQ(ini.ReadString("PICTURES", "mask", ""), "mask.bmp");
    std::vector<std::string> names;
    ReadSkinList(ini, "PICTURES", "activepictures", names);
    EXPECT_EQ(names, (std::vector<std::string>{"active.bmp", "pw.bmp", "menuitems.bmp", "controls.bmp",
                                               "buttonmask.bmp", "crmask.bmp", "trbmask.bmp", "htrbmask.bmp",
                                               "hw.bmp", "mdibg.bmp"}));

    ASSERT_EQ(Data().activepictures.size(), 10u);
    EXPECT_EQ(Data().picture.PixelFormat(), TPixelFormat::pf8bit);
    EXPECT_TRUE(Data().inactivepicture.Empty());
    EXPECT_EQ(Data().mask.PixelFormat(), TPixelFormat::pf4bit);
    EXPECT_EQ(Data().mask.Width(), Data().picture.Width());
    EXPECT_EQ(Data().mask.Height(), Data().picture.Height());
    for (size_t i = 0; i < 10; ++i) {
        SCOPED_TRACE(names[i]);
        bool isMask = i >= 4 && i <= 7;
        EXPECT_EQ(Data().activepictures[i].PixelFormat(), isMask ? TPixelFormat::pf1bit : TPixelFormat::pf8bit);
    }
    EXPECT_EQ(Data().PopupWindowSkin.windowpictureindex, 1);
    EXPECT_EQ(Data().HintWindowSkin.windowpictureindex, 8);
    EXPECT_EQ(Data().mdibgpictureindex, 9);
}

TEST_F(ProgramSkin, ObjectsAreTheListedOnes)
{
    const std::vector<std::pair<std::string, std::type_index>> expected = {
        {"MENUITEM", typeid(TbsDataSkinMenuItem)},
        {"caption1", typeid(TbsDataSkinCaption)},
        {"closebutton", typeid(TbsDataSkinStdButton)},
        {"minbutton", typeid(TbsDataSkinStdButton)},
        {"maxbutton", typeid(TbsDataSkinStdButton)},
        {"rollupbutton", typeid(TbsDataSkinStdButton)},
        {"mainmenubaritem1", typeid(TbsDataSkinMainMenuBarItem)},
        {"systemmenubutton", typeid(TbsDataSkinStdButton)},
        {"menubarsysmenubutton", typeid(TbsDataSkinMainMenuBarButton)},
        {"menubarclosebutton", typeid(TbsDataSkinMainMenuBarButton)},
        {"menubarmaxbutton", typeid(TbsDataSkinMainMenuBarButton)},
        {"menubarminbutton", typeid(TbsDataSkinMainMenuBarButton)},
        {"traybutton", typeid(TbsDataSkinStdButton)},
    };
    ASSERT_EQ(Data().SkinObjects.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(Data().SkinObjects[i]->IDName, expected[i].first);
        EXPECT_EQ(std::type_index(typeid(*Data().SkinObjects[i])), expected[i].second);
    }
    auto command = [&](const char* name) {
        return dynamic_cast<const TbsDataSkinStdButton&>(*Data().SkinObjects.at(size_t(Data().IndexOfSkinObject(name))))
            .command;
    };
    EXPECT_EQ(command("closebutton"), SkinCommand::cmClose);
    EXPECT_EQ(command("maxbutton"), SkinCommand::cmMaximize);
    EXPECT_EQ(command("minbutton"), SkinCommand::cmMinimize);
    EXPECT_EQ(command("rollupbutton"), SkinCommand::cmRollUp);
    EXPECT_EQ(command("systemmenubutton"), SkinCommand::cmSysMenu);
    EXPECT_EQ(command("traybutton"), SkinCommand::cmMinimizeToTray);
}

TEST_F(ProgramSkin, ControlSkinsAreTheListedOnes)
{
    const std::vector<std::pair<std::string, std::type_index>> expected = {
        {"button", typeid(TbsDataSkinButtonControl)},
        {"toolpanel", typeid(TbsDataSkinPanelControl)},
        {"toolbutton", typeid(TbsDataSkinButtonControl)},
        {"checkbox", typeid(TbsDataSkinCheckRadioControl)},
        {"gauge", typeid(TbsDataSkinGaugeControl)},
        {"vgauge", typeid(TbsDataSkinGaugeControl)},
        {"radiobox", typeid(TbsDataSkinCheckRadioControl)},
        {"panel", typeid(TbsDataSkinPanelControl)},
        {"label", typeid(TbsDataSkinLabelControl)},
        {"trackbar", typeid(TbsDataSkinTrackBarControl)},
        {"htrackbar", typeid(TbsDataSkinTrackBarControl)},
        {"grid", typeid(TbsDataSkinGridControl)},
        {"tab", typeid(TbsDataSkinTabControl)},
        {"hscrollbar", typeid(TbsDataSkinScrollBarControl)},
        {"vscrollbar", typeid(TbsDataSkinScrollBarControl)},
        {"edit", typeid(TbsDataSkinEditControl)},
        {"memo", typeid(TbsDataSkinMemoControl)},
        {"listbox", typeid(TbsDataSkinListBox)},
        {"combobox", typeid(TbsDataSkinComboBox)},
        {"spinedit", typeid(TbsDataSkinSpinEditControl)},
        {"checklistbox", typeid(TbsDataSkinCheckListBox)},
        {"groupbox", typeid(TbsDataSkinPanelControl)},
        {"stdlabel", typeid(TbsDataSkinStdLabelControl)},
        {"statusbar", typeid(TbsDataSkinPanelControl)},
        {"statuspanel", typeid(TbsDataSkinLabelControl)},
        {"vupdown", typeid(TbsDataSkinUpDownControl)},
        {"hupdown", typeid(TbsDataSkinUpDownControl)},
        {"buttonedit", typeid(TbsDataSkinEditControl)},
        {"captionlistbox", typeid(TbsDataSkinListBox)},
        {"captionchecklistbox", typeid(TbsDataSkinCheckListBox)},
        {"captioncombobox", typeid(TbsDataSkinComboBox)},
        {"controlbar", typeid(TbsDataSkinControlBar)},
        {"vsplitter", typeid(TbsDataSkinSplitterControl)},
        {"hsplitter", typeid(TbsDataSkinSplitterControl)},
        {"mainmenubar", typeid(TbsDataSkinMainMenuBar)},
        {"resizebutton", typeid(TbsDataSkinButtonControl)},
        {"bothhscrollbar", typeid(TbsDataSkinScrollBarControl)},
        {"bigtoolpanel", typeid(TbsDataSkinPanelControl)},
        {"bigtoolbutton", typeid(TbsDataSkinButtonControl)},
        {"bigtoolmenubutton", typeid(TbsDataSkinMenuButtonControl)},
        {"bigtoolmenutrackbutton", typeid(TbsDataSkinMenuButtonControl)},
        {"toolmenubutton", typeid(TbsDataSkinMenuButtonControl)},
        {"toolmenutrackbutton", typeid(TbsDataSkinMenuButtonControl)},
        {"scrollbox", typeid(TbsDataSkinScrollBoxControl)},
        {"statusgauge", typeid(TbsDataSkinGaugeControl)},
        {"richedit", typeid(TbsDataSkinRichEdit)},
        {"expanel", typeid(TbsDataSkinExPanelControl)},
        {"slider", typeid(TbsDataSkinSlider)},
        {"bevel", typeid(TbsDataSkinBevel)},
        {"statusedit", typeid(TbsDataSkinEditControl)},
        {"statusbuttonedit", typeid(TbsDataSkinEditControl)},
        {"statusspinedit", typeid(TbsDataSkinSpinEditControl)},
        {"statuscombobox", typeid(TbsDataSkinComboBox)},
        {"toolcombobox", typeid(TbsDataSkinComboBox)},
        {"tooledit", typeid(TbsDataSkinEditControl)},
        {"toolspinedit", typeid(TbsDataSkinSpinEditControl)},
        {"toolbuttonedit", typeid(TbsDataSkinEditControl)},
        {"resizetoolpanel", typeid(TbsDataSkinPanelControl)},
        {"resizetoolbutton", typeid(TbsDataSkinButtonControl)},
        {"menuitembutton", typeid(TbsDataSkinButtonControl)},
        {"htracktoolbutton", typeid(TbsDataSkinButtonControl)},
        {"vtracktoolbutton", typeid(TbsDataSkinButtonControl)},
    };
    ASSERT_EQ(Data().SkinControls.size(), 62u);
    ASSERT_EQ(expected.size(), 62u);
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i].first);
        EXPECT_EQ(Data().SkinControls[i]->IDName, expected[i].first);
        EXPECT_EQ(std::type_index(typeid(*Data().SkinControls[i])), expected[i].second);
    }
    SCOPED_TRACE("the list view keeps its plain look");
    EXPECT_EQ(Data().IndexOfSkinControl("listview"), -1);
}

TEST_F(ProgramSkin, PicturesStreamRoundTripsByteForByte)
{
    std::span<const uint8_t> stream = ProgramSkinPictures();
    TbsStoredSkin copy;
    EXPECT_EQ(copy.ReadPictures(stream), stream.size());
    std::vector<uint8_t> written = copy.WritePictures();
    EXPECT_TRUE(std::equal(written.begin(), written.end(), stream.begin(), stream.end()));
    ASSERT_GT(stream.size(), 1u);
    EXPECT_EQ(stream[0], 0);
}

TEST_F(ProgramSkin, SkinFileThroughCompressedSkinGivesTheSameSkin)
{
    TbsCompressedStoredSkin compressed;
    compressed.BuildFromSkinFile(std::string(TAVRIK_SOURCE_DIR) + "/assets/skin/skin.ini");
    ASSERT_FALSE(compressed.IsEmptySkin());
    TbsSkinData fromCompressed;
    fromCompressed.ApplyCompressedStoredSkin(compressed);
    ASSERT_FALSE(fromCompressed.NoSkinLoaded());
    TbsSkinIni a, b;
    Data().SaveToIni(a);
    fromCompressed.SaveToIni(b);
    EXPECT_EQ(a.Lines(), b.Lines());
    EXPECT_TRUE(static_cast<const TbsSkinPictureSet&>(fromCompressed) == static_cast<const TbsSkinPictureSet&>(Data()));
}

TEST_F(ProgramSkin, EveryControlRectangleLiesInsideItsPicture)
{
    for (const auto& control : Data().SkinControls) {
        SCOPED_TRACE(control->IDName);
        TGeometry g = GeometryOf(*control);
        std::string type(SkinControlTypeWord(*control));
        const TBitmap* picture = PictureAt(Data(), control->pictureindex);
        if (picture == nullptr) {
            for (const auto& [key, r] : g.rects) EXPECT_TRUE(r.IsEmpty()) << key << " without a picture";
            continue;
        }
        // A slider draws only its rulers and thumbs.
        if (type != "slider") {
            EXPECT_FALSE(g.Find("skinrect").IsEmpty());
        }
        for (const auto& [key, r] : g.rects) {
            if (r.IsEmpty()) continue;
            TRect area = AreaFor(type, key, g, *picture);
            EXPECT_TRUE(area.Contains(r)) << key << " " << r.Left << "," << r.Top << "," << r.Right << "," << r.Bottom;
        }
        for (const auto& [key, p] : g.points)
            EXPECT_TRUE(PointWithin(p, SizeOf(g.Find("skinrect")))) << key << " " << p.x << "," << p.y;
        const TBitmap* mask = PictureAt(Data(), control->maskpictureindex);
        if (control->maskpictureindex != -1) {
            ASSERT_NE(mask, nullptr);
            EXPECT_EQ(mask->Width(), g.Find("skinrect").Width());
            EXPECT_EQ(mask->Height(), g.Find("skinrect").Height());
        }
    }
}

TEST_F(ProgramSkin, EveryFrameAndObjectRectangleLiesInsideItsPicture)
{
    TSize frame{Data().picture.Width(), Data().picture.Height()};
    TbsSkinIni formIni;
    Data().SaveFormInfo(formIni);
    for (const std::string& line : formIni.Lines()) {
        size_t eq = line.find('=');
        if (eq == std::string::npos || line.find(',') == std::string::npos) continue;
        std::string key = line.substr(0, eq), value = line.substr(eq + 1);
        SCOPED_TRACE(key);
        if (std::count(value.begin(), value.end(), ',') == 3) EXPECT_TRUE(Area(frame).Contains(StrToSkinRect(value)));
        else EXPECT_TRUE(PointWithin(StrToSkinPoint(value), frame));
    }
    for (const auto& object : Data().SkinObjects) {
        SCOPED_TRACE(object->IDName);
        TGeometry g = GeometryOf(*object);
        const TBitmap* active = PictureAt(Data(), object->activepictureindex);
        for (const auto& [key, r] : g.rects) {
            if (r.IsEmpty()) continue;
            TRect area;
            if (key == "skinrect") area = object->skinrectinapicture && active ? Area(*active) : Area(frame);
            else if (key == "textrect") area = Area(SizeOf(object->skinrect));
            else if (key == "frametextrect") area = Area(SizeOf(g.Find("framerect")));
            else if (active) area = Area(*active);
            EXPECT_TRUE(area.Contains(r)) << key;
        }
    }
    for (const TbsSkinSection* window : {static_cast<const TbsSkinSection*>(&Data().PopupWindowSkin),
                                         static_cast<const TbsSkinSection*>(&Data().HintWindowSkin)}) {
        SCOPED_TRACE(window->IDName);
        const TBitmap* picture = PictureAt(Data(), window == &Data().PopupWindowSkin ? 1 : 8);
        TGeometry g = GeometryOf(*window);
        for (const auto& [key, r] : g.rects) EXPECT_TRUE(Area(*picture).Contains(r)) << key;
        for (const auto& [key, p] : g.points) EXPECT_TRUE(PointWithin(p, {picture->Width(), picture->Height()})) << key;
    }
}

namespace {

TBitmap Cut(const TBitmap& picture, const TRect& r)
{
    TBitmap out(r.Width(), r.Height());
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) out.SetPixel(x, y, picture.GetPixel(r.Left + x, r.Top + y));
    return out;
}

// The images of the states a skin names must look different from each other.
void ExpectDistinct(const TBitmap& picture, std::vector<TRect> states)
{
    for (size_t i = 0; i < states.size(); ++i)
        for (size_t j = i + 1; j < states.size(); ++j) {
            SCOPED_TRACE(std::to_string(i) + " against " + std::to_string(j));
            ASSERT_EQ(SizeOf(states[i]), SizeOf(states[j]));
            EXPECT_FALSE(Cut(picture, states[i]) == Cut(picture, states[j]));
        }
}

} // namespace

TEST_F(ProgramSkin, StatesLookDifferent)
{
    const TBitmap& controls = Data().activepictures[3];
    for (const char* name : {"button", "toolbutton", "bigtoolbutton", "toolmenubutton", "bigtoolmenubutton",
                             "toolmenutrackbutton", "resizebutton"}) {
        SCOPED_TRACE(name);
        const auto& b = Control<TbsDataSkinButtonControl>(name);
        std::vector<TRect> states{b.skinrect, b.activeskinrect, b.downskinrect};
        if (!b.disabledskinrect.IsEmpty()) states.push_back(b.disabledskinrect);
        ExpectDistinct(controls, states);
    }
    const auto& check = Control<TbsDataSkinCheckRadioControl>("checkbox");
    ExpectDistinct(controls, {check.checkimagerect, check.uncheckimagerect, check.activecheckimagerect,
                              check.activeuncheckimagerect, check.unenabledcheckimagerect,
                              check.unenableduncheckimagerect});
    const auto& edit = Control<TbsDataSkinEditControl>("buttonedit");
    ExpectDistinct(controls, {edit.skinrect, edit.activeskinrect});
    ExpectDistinct(controls, {edit.activebuttonrect, edit.downbuttonrect, edit.unenabledbuttonrect});
    const auto& scroll = Control<TbsDataSkinScrollBarControl>("vscrollbar");
    ExpectDistinct(controls, {scroll.thumbrect, scroll.activethumbrect, scroll.downthumbrect});
    const auto& tab = Control<TbsDataSkinTabControl>("tab");
    ExpectDistinct(controls, {tab.tabrect, tab.mouseintabrect, tab.activetabrect});
    const auto& list = Control<TbsDataSkinListBox>("listbox");
    ExpectDistinct(controls, {list.itemrect, list.activeitemrect, list.focusitemrect});

    const TBitmap& active = Data().activepictures[0];
    for (const char* name : {"closebutton", "maxbutton", "minbutton", "rollupbutton", "systemmenubutton",
                             "traybutton"}) {
        SCOPED_TRACE(name);
        const auto& b = dynamic_cast<const TbsDataSkinStdButton&>(*Data().SkinObjects.at(size_t(Data().IndexOfSkinObject(name))));
        ExpectDistinct(active, {b.skinrect, b.activeskinrect, b.downrect, b.disableskinrsect});
        if (!b.restorerect.IsEmpty()) {
            ExpectDistinct(active, {b.restorerect, b.restoreactiverect, b.restoredownrect, b.restoreinactiverect});
            ExpectDistinct(active, {b.skinrect, b.restorerect});
        }
    }
}

TEST_F(ProgramSkin, ShapesTheProgramRelyOn)
{
    SCOPED_TRACE("push buttons stretch in width only and are 20 high");
    const auto& button = Control<TbsDataSkinButtonControl>("button");
    EXPECT_NE(button.righttoppoint, TPoint{});
    EXPECT_EQ(button.rightbottompoint, TPoint{});
    EXPECT_EQ(button.skinrect.Height(), 20);

    SCOPED_TRACE("the combo box: 41 x 18, caps 3 and 20, its button at 26,2,39,16");
    const auto& combo = Control<TbsDataSkinComboBox>("combobox");
    EXPECT_EQ(SizeOf(combo.skinrect), (TSize{41, 18}));
    EXPECT_EQ(combo.lefttoppoint.x, 3);
    EXPECT_EQ(combo.skinrect.Width() - combo.righttoppoint.x, 20);
    EXPECT_TRUE(combo.itemrect.IsEmpty());
    EXPECT_EQ(SizeOf(combo.focusitemrect), (TSize{24, 16}));
    EXPECT_EQ(combo.buttonrect, Rect(26, 2, 39, 16));
    EXPECT_EQ(combo.clientrect, Rect(1, 1, 24, 17));
    EXPECT_EQ(combo.listboxname, "listbox");
    EXPECT_EQ(Control<TbsDataSkinTabControl>("tab").updown, "hupdown");

    SCOPED_TRACE("the frame: a mask of its picture's size, open at the four corners, closed along the edges");
    const TBitmap& mask = Data().mask;
    const int right = mask.Width() - 1, bottom = mask.Height() - 1;
    for (TPoint corner : {TPoint{0, 0}, TPoint{right, 0}, TPoint{0, bottom}, TPoint{right, bottom}})
        EXPECT_EQ(mask.GetPixel(corner.x, corner.y), clWhite) << corner.x << "," << corner.y;
    for (TPoint edge : {TPoint{right / 2, 0}, TPoint{right / 2, bottom}, TPoint{0, bottom / 2}, TPoint{right, bottom / 2}})
        EXPECT_EQ(mask.GetPixel(edge.x, edge.y), clBlack) << edge.x << "," << edge.y;
    SCOPED_TRACE("the bottom corners stay within the bottom border, below the client area");
    EXPECT_EQ(mask.GetPixel(0, Data().clientrect.Bottom - 1), clBlack);
    EXPECT_EQ(Data().maskrectarea, Data().clientrect);
}

TEST_F(ProgramSkin, CheckMarksKeepTheirBackgroundAsTransparentKey)
{
    const TBitmap& controls = Data().activepictures[3];
    for (const char* name : {"checkbox", "radiobox"}) {
        SCOPED_TRACE(name);
        const auto& c = Control<TbsDataSkinCheckRadioControl>(name);
        TColor background = controls.GetPixel(c.skinrect.Left, c.skinrect.Bottom - 1);
        for (const TRect& r : {c.checkimagerect, c.uncheckimagerect, c.activecheckimagerect, c.activeuncheckimagerect}) {
            EXPECT_EQ(controls.GetPixel(r.Left, r.Bottom - 1), background);
            EXPECT_NE(controls.GetPixel(r.Left + r.Width() / 2, r.Top + r.Height() / 2), background);
        }
    }
}

namespace {

int Darkness(TColor c) { return 3 * 255 - GetRValue(c) - GetGValue(c) - GetBValue(c); }

// The darkest colour of a picture's rectangle and how many pixels have it.
std::pair<TColor, int> DarkestInk(const TBitmap& picture, const TRect& r)
{
    TColor darkest = clWhite;
    int count = 0;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x) {
            TColor c = picture.GetPixel(x, y);
            if (Darkness(c) > Darkness(darkest)) darkest = c, count = 0;
            if (c == darkest) ++count;
        }
    return {darkest, count};
}

} // namespace

TEST_F(ProgramSkin, CaptionGlyphsShareOneFullInk)
{
    // Glyphs on whole pixels reach the ink itself along their strokes; a line centred between
    // two pixel rows would only reach a paler blend of it.
    const TBitmap& active = Data().activepictures[0];
    struct TFace {
        const char* name;
        int strokePixels; // at least this many pixels in the full ink
    } faces[] = {{"closebutton", 10}, {"maxbutton", 30}, {"minbutton", 10}, {"rollupbutton", 5}, {"traybutton", 10}};
    auto face = [&](const char* name) {
        int i = Data().IndexOfSkinObject(name);
        return dynamic_cast<const TbsDataSkinStdButton&>(*Data().SkinObjects.at(size_t(i))).skinrect;
    };
    const TColor ink = DarkestInk(active, face("closebutton")).first;
    for (const TFace& f : faces) {
        SCOPED_TRACE(f.name);
        auto [darkest, count] = DarkestInk(active, face(f.name));
        EXPECT_EQ(darkest, ink);
        EXPECT_GE(count, f.strokePixels);
    }
}

TEST_F(ProgramSkin, ScrollBarsShowTheirTrack)
{
    const TBitmap& controls = Data().activepictures[3];
    for (const char* name : {"hscrollbar", "vscrollbar", "bothhscrollbar"}) {
        SCOPED_TRACE(name);
        const auto& s = Control<TbsDataSkinScrollBarControl>(name);
        TRect track = s.trackarea.Offset(s.skinrect.Left, s.skinrect.Top);
        TColor background = controls.GetPixel(s.skinrect.Left, s.skinrect.Top);
        TPoint middle{track.Left + track.Width() / 2, track.Top + track.Height() / 2};
        EXPECT_NE(controls.GetPixel(middle.x, middle.y), background);
        // The thumb carries the track's colour along its sides, so that it sits inside it.
        bool vertical = s.skinrect.Height() > s.skinrect.Width();
        TPoint side = vertical ? TPoint{s.thumbrect.Left + 3, s.thumbrect.Top + s.thumbrect.Height() / 2}
                               : TPoint{s.thumbrect.Left + s.thumbrect.Width() / 2, s.thumbrect.Top + 3};
        TPoint trackSide = vertical ? TPoint{track.Left + 3, middle.y} : TPoint{middle.x, track.Top + 3};
        EXPECT_EQ(controls.GetPixel(side.x, side.y), controls.GetPixel(trackSide.x, trackSide.y));
    }
}
