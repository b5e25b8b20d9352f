#include "SkinArt.h"
#include "skin/SkinIni.h"
#include "skin/SkinValues.h"

#include <array>
#include <set>
#include <string_view>
#include <utility>

namespace tavrik::skingen {

namespace {

constexpr std::array<const char*, kPictureCount> kPictureNames = {
    "active.bmp", "pw.bmp", "menuitems.bmp", "controls.bmp", "buttonmask.bmp",
    "crmask.bmp", "trbmask.bmp", "htrbmask.bmp", "hw.bmp", "mdibg.bmp"};

using TEntry = std::pair<std::string_view, std::string_view>; // name, type word

// The lists in the order the program's windows know them.
constexpr std::array<TEntry, 13> kSkinObjects = {{
    {"MENUITEM", "menuitem"},
    {"caption1", "caption"},
    {"closebutton", "stdbutton"},
    {"minbutton", "stdbutton"},
    {"maxbutton", "stdbutton"},
    {"rollupbutton", "stdbutton"},
    {"mainmenubaritem1", "mainmenubaritem"},
    {"systemmenubutton", "stdbutton"},
    {"menubarsysmenubutton", "mainmenubarbutton"},
    {"menubarclosebutton", "mainmenubarbutton"},
    {"menubarmaxbutton", "mainmenubarbutton"},
    {"menubarminbutton", "mainmenubarbutton"},
    {"traybutton", "stdbutton"},
}};

constexpr std::array<TEntry, 62> kSkinControls = {{
    {"button", "button"},
    {"toolpanel", "panel"},
    {"toolbutton", "button"},
    {"checkbox", "checkradio"},
    {"gauge", "gauge"},
    {"vgauge", "gauge"},
    {"radiobox", "checkradio"},
    {"panel", "panel"},
    {"label", "label"},
    {"trackbar", "trackbar"},
    {"htrackbar", "trackbar"},
    {"grid", "grid"},
    {"tab", "tab"},
    {"hscrollbar", "scrollbar"},
    {"vscrollbar", "scrollbar"},
    {"edit", "edit"},
    {"memo", "memo"},
    {"listbox", "listbox"},
    {"combobox", "combobox"},
    {"spinedit", "spinedit"},
    {"checklistbox", "checklistbox"},
    {"groupbox", "panel"},
    {"stdlabel", "stdlabel"},
    {"statusbar", "panel"},
    {"statuspanel", "label"},
    {"vupdown", "updown"},
    {"hupdown", "updown"},
    {"buttonedit", "edit"},
    {"captionlistbox", "listbox"},
    {"captionchecklistbox", "checklistbox"},
    {"captioncombobox", "combobox"},
    {"controlbar", "controlbar"},
    {"vsplitter", "splitter"},
    {"hsplitter", "splitter"},
    {"mainmenubar", "mainmenubar"},
    {"resizebutton", "button"},
    {"bothhscrollbar", "scrollbar"},
    {"bigtoolpanel", "panel"},
    {"bigtoolbutton", "button"},
    {"bigtoolmenubutton", "menubutton"},
    {"bigtoolmenutrackbutton", "menubutton"},
    {"toolmenubutton", "menubutton"},
    {"toolmenutrackbutton", "menubutton"},
    {"scrollbox", "scrollbox"},
    {"statusgauge", "gauge"},
    {"richedit", "richedit"},
    {"expanel", "expanel"},
    {"slider", "slider"},
    {"bevel", "bevel"},
    {"statusedit", "edit"},
    {"statusbuttonedit", "edit"},
    {"statusspinedit", "spinedit"},
    {"statuscombobox", "combobox"},
    {"toolcombobox", "combobox"},
    {"tooledit", "edit"},
    {"toolspinedit", "spinedit"},
    {"toolbuttonedit", "edit"},
    {"resizetoolpanel", "panel"},
    {"resizetoolbutton", "button"},
    {"menuitembutton", "button"},
    {"htracktoolbutton", "button"},
    {"vtracktoolbutton", "button"},
}};

template <class Map, size_t N, class WordOf>
void WriteList(TbsSkinIni& ini, std::string_view section, const std::array<TEntry, N>& entries, const Map& made,
               WordOf wordOf)
{
    std::vector<std::string> list;
    std::set<std::string> listed;
    for (const auto& [name, type] : entries) {
        auto it = made.find(std::string(name));
        if (it == made.end() || wordOf(*it->second) != type)
            throw std::logic_error("skin element missing or of the wrong kind: " + std::string(name));
        list.push_back(std::string(name) + ":" + std::string(type));
        listed.insert(std::string(name));
    }
    for (const auto& [name, object] : made)
        if (!listed.count(name)) throw std::logic_error("skin element not listed: " + name);
    WriteSkinList(ini, section, "", list);
}

} // namespace

std::vector<std::string> SkinText(const TSkinArt& art)
{
    TbsSkinIni ini;
    ini.WriteInteger("VERSION", "skinversion", 1);
    ini.WriteString("VERSION", "skinname", "Tavrik Light");
    ini.WriteString("VERSION", "skinauthor", "Tavrik");
    ini.WriteString("VERSION", "authoremail", "");
    ini.WriteString("VERSION", "authorurl", "");
    ini.WriteString("VERSION", "skincomments", "A calm light skin with one blue accent, drawn by tavrik_skingen");
    ini.WriteString("PICTURES", "picture", "main.bmp");
    ini.WriteString("PICTURES", "inactivepicture", "");
    ini.WriteString("PICTURES", "mask", "mask.bmp");
    WriteSkinList(ini, "PICTURES", "activepictures", std::vector<std::string>(kPictureNames.begin(), kPictureNames.end()));
    art.form.SaveFormInfo(ini);
    art.popup.SaveToIni(ini);
    art.hint.SaveToIni(ini);
    WriteList(ini, "SKINOBJECTS", kSkinObjects, art.objects, SkinObjectTypeWord);
    WriteList(ini, "SKINCONTROLS", kSkinControls, art.controls, SkinControlTypeWord);
    for (const auto& [name, type] : kSkinObjects) art.objects.at(std::string(name))->SaveToIni(ini);
    for (const auto& [name, type] : kSkinControls) art.controls.at(std::string(name))->SaveToIni(ini);
    return ini.Lines();
}

std::vector<std::pair<std::string, const TBitmap*>> SkinFiles(const TSkinArt& art)
{
    std::vector<std::pair<std::string, const TBitmap*>> files = {{"main.bmp", &art.picture}, {"mask.bmp", &art.mask}};
    for (size_t i = 0; i < kPictureNames.size(); ++i) files.emplace_back(kPictureNames[i], &art.activepictures[i]);
    return files;
}

void DrawSkin(TSkinArt& art)
{
    DrawFrame(art);
    DrawMenus(art);
    DrawControls(art);
}

} // namespace tavrik::skingen
