#include "core/Exception.h"
#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/DataSkinWindows.h"
#include "skin/SkinIni.h"
#include "skin/SkinKeys.h"
#include "skin/SkinObjectFactory.h"

#include <gtest/gtest.h>

#include <sstream>
#include <typeindex>

using namespace tavrik;

namespace {

struct TypeCase {
    const char* word;
    std::type_index type;
    std::string keys; // in reading order
};

const std::string kObjectBase = "hint activepictureindex skinrectinapicture skinrect activeskinrect morphing morphkind ";
const std::string kButtonObject = kObjectBase + "downrect disableskinrsect ";
const std::string kStdButton = kButtonObject + "command restorerect restoreactiverect restoredownrect restoreinactiverect";
const std::string kFont = "fontname fontheight fontstyle fontcolor ";
const std::string kControl = "pictureindex maskpictureindex skinrect ";
const std::string kCustom = kControl + "lefttoppoint righttoppoint leftbottompoint rightbottompoint clientrect ";
const std::string kButton = kCustom + kFont +
                            "activefontcolor downfontcolor disabledfontcolor activeskinrect downskinrect "
                            "disabledskinrect morphing morphkind ";
const std::string kEdit = kCustom + "activeskinrect " + kFont +
                          "disabledfontcolor activefontcolor buttonrect activebuttonrect downbuttonrect "
                          "unenabledbuttonrect ";
const std::string kUpDownButtons = "upbuttonrect activeupbuttonrect downupbuttonrect downbuttonrect "
                                   "activedownbuttonrect downdownbuttonrect ";
const std::string kListBox = kCustom + "itemrect activeitemrect focusitemrect itemleftoffset itemrightoffset "
                             "itemtextrect " + kFont + "activefontcolor focusfontcolor captionrect captionfontname "
                             "captionfontheight captionfontstyle captionfontcolor " + kUpDownButtons +
                             "checkbuttonrect activecheckbuttonrect downcheckbuttonrect vscrollbarname "
                             "hscrollbarname bothhscrollbarname ";

const std::vector<TypeCase>& ObjectTypes()
{
    static const std::vector<TypeCase> types = {
        {"menuitem", typeid(TbsDataSkinMenuItem),
         kObjectBase + "itemleftoffset itemrightoffset dividerrect dividerleftoffset dividerrightoffset textrect " +
             kFont + "activefontcolor unenabledfontcolor"},
        {"mainmenubaritem", typeid(TbsDataSkinMainMenuBarItem),
         kObjectBase + "itemleftoffset itemrightoffset downrect textrect " + kFont +
             "activefontcolor downfontcolor unenabledfontcolor"},
        {"stdbutton", typeid(TbsDataSkinStdButton), kStdButton},
        {"mainmenubarbutton", typeid(TbsDataSkinMainMenuBarButton), kStdButton},
        {"button", typeid(TbsDataSkinButton), kButtonObject},
        {"caption", typeid(TbsDataSkinCaption),
         kObjectBase + "textrect " + kFont +
             "activefontcolor alignment shadow shadowcolor activeshadowcolor framerect activeframerect "
             "frametextrect frameleftoffset framerightoffset"},
        {"animate", typeid(TbsDataSkinAnimate), kObjectBase + "countframes cycle buttonstyle timerinterval command"},
        {"userobject", typeid(TbsDataUserObject), "skinrect"},
    };
    return types;
}

const std::vector<TypeCase>& ControlTypes()
{
    static const std::vector<TypeCase> types = {
        {"panel", typeid(TbsDataSkinPanelControl),
         kCustom + "bgpictureindex captionrect alignment " + kFont + "checkimagerect uncheckimagerect"},
        {"expanel", typeid(TbsDataSkinExPanelControl),
         kCustom + "rollhskinrect rollvskinrect rollleftoffset rollrightoffset rolltopoffset rollbottomoffset "
                   "rollvcaptionrect rollhcaptionrect closebuttonrect closebuttonactiverect closebuttondownrect "
                   "hrollbuttonrect hrollbuttonactiverect hrollbuttondownrect hrestorebuttonrect "
                   "hrestorebuttonactiverect hrestorebuttondownrect vrollbuttonrect vrollbuttonactiverect "
                   "vrollbuttondownrect vrestorebuttonrect vrestorebuttonactiverect vrestorebuttondownrect "
                   "captionrect " + kFont},
        {"menubutton", typeid(TbsDataSkinMenuButtonControl), kButton + "trackbuttonrect"},
        {"button", typeid(TbsDataSkinButtonControl), kButton},
        {"checkradio", typeid(TbsDataSkinCheckRadioControl),
         kCustom + kFont +
             "activefontcolor unenabledfontcolor framefontcolor activeskinrect checkimagearea textarea "
             "checkimagerect uncheckimagerect activecheckimagerect activeuncheckimagerect unenabledcheckimagerect "
             "unenableduncheckimagerect morphing morphkind"},
        {"gauge", typeid(TbsDataSkinGaugeControl),
         kCustom + "progressarea progressrect beginoffset endoffset vertical " + kFont},
        {"splitter", typeid(TbsDataSkinSplitterControl), kCustom},
        {"trackbar", typeid(TbsDataSkinTrackBarControl), kCustom + "trackarea buttonrect activebuttonrect vertical filledskinrect"},
        {"label", typeid(TbsDataSkinLabelControl), kCustom + kFont},
        {"stdlabel", typeid(TbsDataSkinStdLabelControl), kControl + kFont + "activefontcolor"},
        {"updown", typeid(TbsDataSkinUpDownControl), kCustom + kUpDownButtons},
        {"grid", typeid(TbsDataSkinGridControl),
         kControl + "fixedcellrect selectcellrect focuscellrect fixedcellleftoffset fixedcellrightoffset "
                    "fixedcelltextrect cellleftoffset cellrightoffset celltextrect linescolor bgcolor " +
             kFont + "selectfontcolor focusfontcolor fixedfontname fixedfontheight fixedfontstyle fixedfontcolor"},
        {"tab", typeid(TbsDataSkinTabControl),
         kControl + "tabrect activetabrect focustabrect mouseintabrect clientrect bgpictureindex lefttoppoint "
                    "righttoppoint leftbottompoint rightbottompoint tableftoffset tabrightoffset tabsbgrect " +
             kFont + "activefontcolor focusfontcolor mouseinfontcolor updown"},
        {"mainmenubar", typeid(TbsDataSkinMainMenuBar),
         kControl + "itemsrect menubaritem closebutton minbutton maxbutton sysmenubutton trackmarkcolor "
                    "trackmarkactivecolor"},
        {"controlbar", typeid(TbsDataSkinControlBar), kCustom + "itemrect bgpictureindex"},
        {"memo", typeid(TbsDataSkinMemoControl), kEdit + "bgcolor activebgcolor"},
        {"edit", typeid(TbsDataSkinEditControl), kEdit},
        {"checklistbox", typeid(TbsDataSkinCheckListBox), kListBox + "itemcheckrect checkimagerect uncheckimagerect"},
        {"listbox", typeid(TbsDataSkinListBox), kListBox},
        {"combobox", typeid(TbsDataSkinComboBox),
         kCustom + "itemrect focusitemrect itemleftoffset itemrightoffset itemtextrect " + kFont +
             "focusfontcolor listboxname buttonrect activebuttonrect downbuttonrect unenabledbuttonrect"},
        {"scrollbar", typeid(TbsDataSkinScrollBarControl),
         kCustom + "trackarea " + kUpDownButtons +
             "thumbrect activethumbrect downthumbrect thumboffset1 thumboffset2 glyphrect activeglyphrect "
             "downglyphrect"},
        {"spinedit", typeid(TbsDataSkinSpinEditControl),
         kCustom + "activeskinrect " + kFont + "activefontcolor disabledfontcolor " + kUpDownButtons},
        {"scrollbox", typeid(TbsDataSkinScrollBoxControl), kCustom + "bgpictureindex"},
        {"treeview", typeid(TbsDataSkinTreeView), kControl + kFont + "bgcolor"},
        {"bevel", typeid(TbsDataSkinBevel), kControl + "lightcolor darkcolor"},
        {"slider", typeid(TbsDataSkinSlider),
         kControl + "bgcolor hrulerrect hthumbrect vrulerrect vthumbrect edgesize pointscolor"},
        {"listview", typeid(TbsDataSkinListView), kControl + kFont + "bgcolor"},
        {"richedit", typeid(TbsDataSkinRichEdit), kControl + kFont + "bgcolor"},
    };
    return types;
}

std::unique_ptr<TbsSkinSection> Create(bool control, std::string_view word, std::string name)
{
    if (control) return CreateSkinControl(word, std::move(name));
    return CreateSkinObject(word, std::move(name));
}

// The keys a section writes, in order.
std::string KeysOf(const TbsSkinSection& object)
{
    TbsSkinIni ini;
    object.SaveToIni(ini);
    std::string keys;
    for (const std::string& line : ini.Lines()) {
        size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        if (!keys.empty()) keys += ' ';
        keys += line.substr(0, eq);
    }
    return keys;
}

std::string Trimmed(const std::string& s)
{
    return s.back() == ' ' ? s.substr(0, s.size() - 1) : s;
}

// Gives every field a value of its own that differs from every default.
class TFiller final : public TbsSkinKeys {
public:
    void Rect(const char*, TRect& f) override { f = {Next(), Next(), Next(), Next()}; }
    void Point(const char*, TPoint& f) override { f = {Next(), Next()}; }
    void Int(const char*, int32_t& f, int32_t) override { f = -Next(); }
    void Color(const char*, TColor& f, TColor) override { f = 0xFF000000u + TColor(Next()); }
    void Bool(const char*, bool& f) override { f = true; }
    void String(const char*, std::string& f, std::string_view) override { f = "text " + std::to_string(Next()); }
    void FontStyles(const char*, TbsFontStyles& f) override { f = TbsFontStyles(Next() % 15 + 1); }
    void Alignment(const char*, TbsAlignment& f) override { f = TbsAlignment::taLeftJustify; }
    void MorphKind(const char*, SkinMorphKind& f) override { f = SkinMorphKind(Next() % 6 + 1); }
    void InactiveEffect(const char*, SkinInactiveEffect& f) override { f = SkinInactiveEffect(Next() % 5 + 1); }
    void Command(const char*, SkinCommand& f) override { f = SkinCommand(Next() % 4); }

private:
    int32_t Next() { return ++n_; }
    int32_t n_ = 0;
};

} // namespace

TEST(SkinObjects, EveryTypeWordMakesItsClassAndReadsItsKeysInOrder)
{
    for (bool control : {false, true}) {
        for (const TypeCase& t : control ? ControlTypes() : ObjectTypes()) {
            SCOPED_TRACE(std::string(control ? "control " : "object ") + t.word);
            std::unique_ptr<TbsSkinSection> object = Create(control, t.word, "name");
            ASSERT_TRUE(object);
            EXPECT_EQ(std::type_index(typeid(*object)), t.type);
            EXPECT_EQ(object->IDName, "name");
            EXPECT_EQ(KeysOf(*object), Trimmed(t.keys));
        }
    }
}

TEST(SkinObjects, UnknownTypeWordsMakeNothing)
{
    for (const char* word : {"Button", "", "slider ", "userobject:", "menuitem2"}) {
        SCOPED_TRACE(word);
        EXPECT_FALSE(CreateSkinObject(word, "x"));
        EXPECT_FALSE(CreateSkinControl(word, "x"));
    }
    SCOPED_TRACE("each list has words the other lacks");
    EXPECT_FALSE(CreateSkinControl("stdbutton", "x"));
    EXPECT_FALSE(CreateSkinObject("panel", "x"));
}

TEST(SkinObjects, EveryClassSavesAndLoadsEveryKey)
{
    for (bool control : {false, true}) {
        for (const TypeCase& t : control ? ControlTypes() : ObjectTypes()) {
            SCOPED_TRACE(t.word);
            std::unique_ptr<TbsSkinSection> original = Create(control, t.word, "obj");
            TFiller filler;
            original->DeclareKeys(filler);
            TbsSkinIni ini;
            original->SaveToIni(ini);
            std::unique_ptr<TbsSkinSection> copy = Create(control, t.word, "obj");
            copy->LoadFromIni(ini);
            TbsSkinIni again;
            copy->SaveToIni(again);
            // The up-down pair and the animation change what they read on purpose.
            if (t.word != std::string("updown") && t.word != std::string("animate")) {
                EXPECT_EQ(again.Lines(), ini.Lines());
            }
        }
    }
}

TEST(SkinObjects, DefaultsOfMissingKeys)
{
    TbsSkinIni empty;
    auto load = [&](bool control, const char* word) {
        std::unique_ptr<TbsSkinSection> object = Create(control, word, "x");
        TFiller filler;
        object->DeclareKeys(filler);
        object->LoadFromIni(empty);
        return object;
    };
    auto stdlabel = load(true, "stdlabel");
    auto& label = dynamic_cast<TbsDataSkinStdLabelControl&>(*stdlabel);
    EXPECT_EQ(label.pictureindex, -1);
    EXPECT_EQ(label.maskpictureindex, -1);
    EXPECT_EQ(label.fontname, "Arial");
    EXPECT_EQ(label.fontheight, 14);
    EXPECT_EQ(label.fontstyle, 0);
    EXPECT_EQ(label.fontcolor, 0u);
    EXPECT_EQ(label.activefontcolor, 16711680u);

    auto listboxObject = load(true, "listbox");
    auto& listbox = dynamic_cast<TbsDataSkinListBox&>(*listboxObject);
    EXPECT_EQ(listbox.vscrollbarname, "vscrollbar");
    EXPECT_EQ(listbox.hscrollbarname, "hscrollbar");
    EXPECT_EQ(listbox.bothhscrollbarname, "bothhscrollbar");
    EXPECT_EQ(listbox.captionfontname, "Arial");
    EXPECT_EQ(listbox.captionfontheight, 14);
    EXPECT_EQ(listbox.clientrect, TRect{});
    EXPECT_EQ(listbox.lefttoppoint, TPoint{});

    auto panelObject = load(true, "panel");
    auto& panel = dynamic_cast<TbsDataSkinPanelControl&>(*panelObject);
    EXPECT_EQ(panel.alignment, TbsAlignment::taCenter);
    EXPECT_EQ(panel.bgpictureindex, -1);

    auto animateObject = load(false, "animate");
    auto& animate = dynamic_cast<TbsDataSkinAnimate&>(*animateObject);
    EXPECT_EQ(animate.countframes, 1);
    EXPECT_EQ(animate.timerinterval, 50);
    EXPECT_EQ(animate.command, SkinCommand::cmDefault);
    EXPECT_EQ(animate.activepictureindex, -1);
    EXPECT_EQ(animate.hint, "");

    auto captionObject = load(false, "caption");
    auto& caption = dynamic_cast<TbsDataSkinCaption&>(*captionObject);
    EXPECT_EQ(caption.alignment, TbsAlignment::taCenter);
    EXPECT_EQ(caption.morphkind, SkinMorphKind::mkDefault);

    // Every field starts at the value its missing key reads as.
    for (bool control : {false, true}) {
        for (const TypeCase& t : control ? ControlTypes() : ObjectTypes()) {
            SCOPED_TRACE(t.word);
            TbsSkinIni fresh, loaded;
            Create(control, t.word, "x")->SaveToIni(fresh);
            load(control, t.word)->SaveToIni(loaded);
            EXPECT_EQ(fresh.Lines(), loaded.Lines());
        }
    }
}

TEST(SkinObjects, SpecialLoadRules)
{
    TbsSkinIni ini({"[a]", "morphing=1", "countframes=many", "command=cmClose", "hint=h", "activepictureindex=3",
                    "[u]", "hint=ignored", "activepictureindex=2", "morphing=1", "skinrect=1,2,3,4",
                    "[ud]", "lefttoppoint=1,1", "righttoppoint=2,2", "leftbottompoint=3,3",
                    "rightbottompoint=4,4", "clientrect=1,2,3,4", "skinrect=5,6,7,8", "upbuttonrect=0,0,9,9"});
    TbsDataSkinAnimate animate("a");
    animate.LoadFromIni(ini);
    EXPECT_FALSE(animate.morphing);
    EXPECT_EQ(animate.countframes, 1);
    EXPECT_EQ(animate.command, SkinCommand::cmMinimizeToTray);
    EXPECT_EQ(animate.hint, "h");
    EXPECT_EQ(animate.activepictureindex, 3);

    TbsDataUserObject user("u");
    user.LoadFromIni(ini);
    EXPECT_EQ(user.skinrect, Rect(1, 2, 3, 4));
    EXPECT_EQ(user.hint, "");
    EXPECT_EQ(user.activepictureindex, -1);
    EXPECT_FALSE(user.morphing);

    TbsDataSkinUpDownControl updown("ud");
    updown.LoadFromIni(ini);
    EXPECT_EQ(updown.lefttoppoint, TPoint{});
    EXPECT_EQ(updown.righttoppoint, TPoint{});
    EXPECT_EQ(updown.leftbottompoint, TPoint{});
    EXPECT_EQ(updown.rightbottompoint, TPoint{});
    EXPECT_EQ(updown.clientrect, TRect{});
    EXPECT_EQ(updown.skinrect, Rect(5, 6, 7, 8));
    EXPECT_EQ(updown.upbuttonrect, Rect(0, 0, 9, 9));
}

TEST(SkinObjects, ConversionErrorKeepsTheKeysReadBeforeIt)
{
    TbsSkinIni ini({"[b]", "pictureindex=3", "skinrect=1,2,3,4", "lefttoppoint=5", "clientrect=1,1,2,2"});
    TbsDataSkinButtonControl button("b");
    EXPECT_THROW(button.LoadFromIni(ini), EConvertError);
    EXPECT_EQ(button.pictureindex, 3);
    EXPECT_EQ(button.skinrect, Rect(1, 2, 3, 4));
    EXPECT_EQ(button.clientrect, TRect{});
}

TEST(SkinObjects, WindowSkins)
{
    TbsDataSkinHintWindow hint;
    TbsDataSkinPopupWindow popup;
    SCOPED_TRACE("constructed: no window skin, Arial 12 for hints");
    EXPECT_EQ(hint.windowpictureindex, -1);
    EXPECT_EQ(hint.maskpictureindex, -1);
    EXPECT_EQ(hint.fontheight, 12);
    EXPECT_EQ(hint.fontname, "Arial");
    EXPECT_EQ(popup.windowpictureindex, -1);
    EXPECT_EQ(popup.maskpictureindex, -1);

    TbsSkinIni ini({"[HintWindow]", "windowpictureindex=8", "clientrect=4,4,20,12", "topstretch=1",
                    "[popupwindow]", "windowpictureindex=1", "itemsrect=3,3,40,40", "scrollmarkercolor=255"});
    hint.LoadFromIni(ini);
    popup.LoadFromIni(ini);
    EXPECT_EQ(hint.windowpictureindex, 8);
    EXPECT_EQ(hint.fontheight, 14);
    EXPECT_EQ(hint.clientrect, Rect(4, 4, 20, 12));
    EXPECT_TRUE(hint.topstretch);
    EXPECT_FALSE(hint.leftstretch);
    EXPECT_EQ(popup.windowpictureindex, 1);
    EXPECT_EQ(popup.itemsrect, Rect(3, 3, 40, 40));
    EXPECT_EQ(popup.scrollmarkercolor, 255u);
    EXPECT_EQ(KeysOf(popup), "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint "
                             "rightbottompoint itemsrect scrollmarkercolor scrollmarkeractivecolor leftstretch "
                             "rightstretch topstretch bottomstretch");
    EXPECT_EQ(KeysOf(hint), "windowpictureindex maskpictureindex lefttoppoint righttoppoint leftbottompoint "
                            "rightbottompoint clientrect fontname fontheight fontstyle fontcolor leftstretch "
                            "rightstretch topstretch bottomstretch");
}

TEST(SkinObjects, ListEntriesSplitAtTheFirstColon)
{
    auto e = SplitSkinListEntry("a:b:c");
    EXPECT_EQ(e.name, "a");
    EXPECT_EQ(e.typeWord, "b:c");
    e = SplitSkinListEntry("noColon");
    EXPECT_EQ(e.name, "");
    EXPECT_EQ(e.typeWord, "");
    e = SplitSkinListEntry(":button");
    EXPECT_EQ(e.name, "");
    EXPECT_EQ(e.typeWord, "button");
}
