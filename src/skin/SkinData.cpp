#include "skin/SkinData.h"

#include "skin/CompressedStoredSkin.h"
#include "skin/SkinIni.h"
#include "skin/SkinObjectFactory.h"
#include "skin/SkinPicturesStream.h"
#include "skin/SkinStream.h"
#include "skin/SkinValues.h"
#include "skin/StoredSkin.h"
#include "ui/Form.h"
#include "ui/Screen.h"

#include <string_view>

namespace tavrik {

namespace {

constexpr std::string_view kSkinObjects = "SKINOBJECTS";
constexpr std::string_view kSkinControls = "SKINCONTROLS";
constexpr int32_t kCompressedFormat = 1;

// Creates one object per entry whose type word the factory knows, in list order, appending
// each before loading it so that a load error leaves the objects read so far in the list.
template <class T, class Create>
void LoadList(const TbsSkinIni& ini, std::string_view section, std::vector<std::unique_ptr<T>>& list, Create create)
{
    std::vector<std::string> entries;
    ReadSkinList(ini, section, "", entries);
    for (const std::string& entry : entries) {
        TbsSkinListEntry e = SplitSkinListEntry(entry);
        std::unique_ptr<T> object = create(e.typeWord, e.name);
        if (!object) continue;
        list.push_back(std::move(object));
        list.back()->LoadFromIni(ini);
    }
}

template <class T>
int IndexByName(const std::vector<std::unique_ptr<T>>& list, std::string_view name)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i]->IDName == name) return int(i);
    return -1;
}

template <class T, class WordOf>
void SaveList(TbsSkinIni& ini, std::string_view section, const std::vector<std::unique_ptr<T>>& list, WordOf word)
{
    std::vector<std::string> entries;
    for (const auto& object : list) entries.push_back(object->IDName + ":" + std::string(word(*object)));
    WriteSkinList(ini, section, "", entries);
    for (const auto& object : list) object->SaveToIni(ini);
}

} // namespace

TbsSkinData::~TbsSkinData()
{
    noSkinLoaded_ = true;
}

void TbsSkinData::SetStoredSkin(TbsStoredSkin* stored)
{
    storedSkin_ = stored;
    if (stored != nullptr) ApplyStoredSkin(*stored);
}

void TbsSkinData::SetCompressedStoredSkin(TbsCompressedStoredSkin* stored)
{
    compressedStoredSkin_ = stored;
    if (stored != nullptr) ApplyCompressedStoredSkin(*stored);
}

void TbsSkinData::ForgetStoredSkin(const void* removed)
{
    if (removed == nullptr) return;
    if (removed == storedSkin_) storedSkin_ = nullptr;
    if (removed == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
}

template <class Load>
void TbsSkinData::ChangeSkin(Load load)
{
    noSkinLoaded_ = true;
    Broadcast(SKM_BEFORECHANGE);
    ClearSkin();
    // Recipients dropped their references on SKM_BEFORECHANGE; they get SKM_CHANGE even
    // when the load fails, so that they look up again and fall back to their plain look.
    try {
        load();
    } catch (...) {
        Broadcast(SKM_CHANGE);
        Broadcast(SKM_AFTERCHANGE);
        throw;
    }
    Broadcast(SKM_CHANGE);
    Broadcast(SKM_AFTERCHANGE);
}

void TbsSkinData::ApplyStoredSkin(const TbsStoredSkin& stored)
{
    ChangeSkin([&] {
        TbsSkinIni ini(stored.IniStrings());
        if (!IsSkinDefinition(ini)) return;
        static_cast<TbsSkinPictureSet&>(*this) = stored;
        LoadText(ini);
    });
}

void TbsSkinData::ApplyCompressedStoredSkin(const TbsCompressedStoredSkin& stored)
{
    if (stored.IsEmptySkin()) return;
    ChangeSkin([&] {
        std::vector<uint8_t> layout;
        stored.DecompressTo(layout);
        TbsByteReader in(layout);
        if (in.ReadInt32() != kCompressedFormat) return;
        TbsSkinPictureSet pictures = ReadSkinPictures(in);
        std::span<const uint8_t> rest = in.ReadRest();
        TbsSkinIni ini(TbsSkinIni::SplitLines(std::string_view(reinterpret_cast<const char*>(rest.data()), rest.size())));
        static_cast<TbsSkinPictureSet&>(*this) = std::move(pictures);
        LoadText(ini);
    });
}

void TbsSkinData::LoadText(const TbsSkinIni& ini)
{
    maskFileName_ = ini.ReadString("PICTURES", "mask", "");
    LoadFormInfo(ini, !maskFileName_.empty());
    PopupWindowSkin.LoadFromIni(ini);
    HintWindowSkin.LoadFromIni(ini);
    LoadObjectLists(ini);
    noSkinLoaded_ = false;
}

void TbsSkinData::LoadObjectLists(const TbsSkinIni& ini)
{
    LoadList(ini, kSkinObjects, SkinObjects, CreateSkinObject);
    LoadList(ini, kSkinControls, SkinControls, CreateSkinControl);
}

int TbsSkinData::IndexOfSkinObject(std::string_view name) const
{
    return IndexByName(SkinObjects, name);
}

int TbsSkinData::IndexOfSkinControl(std::string_view name) const
{
    return IndexByName(SkinControls, name);
}

void TbsSkinData::ClearSkin()
{
    SkinObjects.clear();
    SkinControls.clear();
    static_cast<TbsSkinPictureSet&>(*this) = TbsSkinPictureSet();
    PopupWindowSkin.windowpictureindex = -1;
    HintWindowSkin.windowpictureindex = -1;
    maskFileName_.clear();
    noSkinLoaded_ = true;
}

void TbsSkinData::SaveToIni(TbsSkinIni& ini) const
{
    ini.WriteString("PICTURES", "mask", maskFileName_);
    SaveFormInfo(ini);
    PopupWindowSkin.SaveToIni(ini);
    HintWindowSkin.SaveToIni(ini);
    SaveList(ini, kSkinObjects, SkinObjects, SkinObjectTypeWord);
    SaveList(ini, kSkinControls, SkinControls, SkinControlTypeWord);
}

void TbsSkinData::Broadcast(uint32_t msg)
{
    // A recipient may free forms, this one's owner or the skin data itself.
    auto alive = Guard();
    TComponentRef<TForm> owner = dynamic_cast<TForm*>(Owner());
    std::vector<TComponentRef<TForm>> forms(Screen()->FormList().begin(), Screen()->FormList().end());
    if (TForm* form = owner.Get()) form->Perform(msg, MessageParam(), kSkinMessageLParam);
    for (const TComponentRef<TForm>& ref : forms) {
        if (!alive) return;
        TForm* form = ref.Get();
        if (form != nullptr && form != owner.Get() && !form->Destroying())
            form->Perform(msg, MessageParam(), kSkinMessageLParam);
    }
}

} // namespace tavrik
