#include "skin/SkinObjectFactory.h"

#include "skin/DataSkinButtonControls.h"
#include "skin/DataSkinEditControls.h"
#include "skin/DataSkinListControls.h"
#include "skin/DataSkinPanelControls.h"

#include <array>
#include <typeinfo>
#include <utility>

namespace tavrik {

namespace {

template <class Base>
struct TSkinType {
    std::string_view word;
    std::unique_ptr<Base> (*make)(std::string);
    const std::type_info* type;
};

template <class Base, class T>
TSkinType<Base> Type(std::string_view word)
{
    return {word, [](std::string name) -> std::unique_ptr<Base> { return std::make_unique<T>(std::move(name)); },
            &typeid(T)};
}

template <class Base, size_t N>
std::unique_ptr<Base> CreateFrom(const std::array<TSkinType<Base>, N>& table, std::string_view typeWord,
                                 std::string name)
{
    for (const TSkinType<Base>& t : table)
        if (t.word == typeWord) return t.make(std::move(name));
    return nullptr;
}

template <class Base, size_t N>
std::string_view WordOf(const std::array<TSkinType<Base>, N>& table, const Base& object)
{
    for (const TSkinType<Base>& t : table)
        if (*t.type == typeid(object)) return t.word;
    return {};
}

using O = TbsDataSkinObject;
const std::array<TSkinType<O>, 8> kObjectTypes = {
    Type<O, TbsDataSkinMenuItem>("menuitem"),
    Type<O, TbsDataSkinMainMenuBarItem>("mainmenubaritem"),
    Type<O, TbsDataSkinStdButton>("stdbutton"),
    Type<O, TbsDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Type<O, TbsDataSkinButton>("button"),
    Type<O, TbsDataSkinCaption>("caption"),
    Type<O, TbsDataSkinAnimate>("animate"),
    Type<O, TbsDataUserObject>("userobject"),
};

using C = TbsDataSkinControl;
const std::array<TSkinType<C>, 28> kControlTypes = {
    Type<C, TbsDataSkinPanelControl>("panel"),
    Type<C, TbsDataSkinExPanelControl>("expanel"),
    Type<C, TbsDataSkinMenuButtonControl>("menubutton"),
    Type<C, TbsDataSkinButtonControl>("button"),
    Type<C, TbsDataSkinCheckRadioControl>("checkradio"),
    Type<C, TbsDataSkinGaugeControl>("gauge"),
    Type<C, TbsDataSkinSplitterControl>("splitter"),
    Type<C, TbsDataSkinTrackBarControl>("trackbar"),
    Type<C, TbsDataSkinLabelControl>("label"),
    Type<C, TbsDataSkinStdLabelControl>("stdlabel"),
    Type<C, TbsDataSkinUpDownControl>("updown"),
    Type<C, TbsDataSkinGridControl>("grid"),
    Type<C, TbsDataSkinTabControl>("tab"),
    Type<C, TbsDataSkinMainMenuBar>("mainmenubar"),
    Type<C, TbsDataSkinControlBar>("controlbar"),
    Type<C, TbsDataSkinMemoControl>("memo"),
    Type<C, TbsDataSkinEditControl>("edit"),
    Type<C, TbsDataSkinCheckListBox>("checklistbox"),
    Type<C, TbsDataSkinListBox>("listbox"),
    Type<C, TbsDataSkinComboBox>("combobox"),
    Type<C, TbsDataSkinScrollBarControl>("scrollbar"),
    Type<C, TbsDataSkinSpinEditControl>("spinedit"),
    Type<C, TbsDataSkinScrollBoxControl>("scrollbox"),
    Type<C, TbsDataSkinTreeView>("treeview"),
    Type<C, TbsDataSkinBevel>("bevel"),
    Type<C, TbsDataSkinSlider>("slider"),
    Type<C, TbsDataSkinListView>("listview"),
    Type<C, TbsDataSkinRichEdit>("richedit"),
};

} // namespace

std::unique_ptr<TbsDataSkinObject> CreateSkinObject(std::string_view typeWord, std::string name)
{
    return CreateFrom(kObjectTypes, typeWord, std::move(name));
}

std::unique_ptr<TbsDataSkinControl> CreateSkinControl(std::string_view typeWord, std::string name)
{
    return CreateFrom(kControlTypes, typeWord, std::move(name));
}

std::string_view SkinObjectTypeWord(const TbsDataSkinObject& object)
{
    return WordOf(kObjectTypes, object);
}

std::string_view SkinControlTypeWord(const TbsDataSkinControl& control)
{
    return WordOf(kControlTypes, control);
}

TbsSkinListEntry SplitSkinListEntry(std::string_view entry)
{
    size_t colon = entry.find(':');
    if (colon == std::string_view::npos) return {};
    return {std::string(entry.substr(0, colon)), std::string(entry.substr(colon + 1))};
}

} // namespace tavrik
