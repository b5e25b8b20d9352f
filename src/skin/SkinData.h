#pragma once

#include "skin/DataSkinControl.h"
#include "skin/DataSkinObject.h"
#include "skin/DataSkinWindows.h"
#include "skin/SkinFormInfo.h"
#include "skin/SkinMessages.h"
#include "skin/SkinPictureSet.h"
#include "ui/Component.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

class TbsSkinIni;
class TbsStoredSkin;
class TbsCompressedStoredSkin;

// One loaded skin: the skin objects and control skins of its text, its pictures, its form
// frame values ([FORMINFO], inherited from TbsSkinFormInfo) and its popup and hint window
// skins. It only holds data; its users draw.
//
// A user finds its look like this: no skin while NoSkinLoaded(); otherwise
// IndexOfSkinControl(name) (a control) or IndexOfSkinObject(name) (a frame or menu part),
// where -1 means no skin and the user draws its plain look. The user checks the class of
// what it found itself.
//
// A component: a form usually owns it, and every user asks FreeNotification so that its
// reference is cleared when the skin data goes. Around every load the skin-change messages go
// to the owner when it is a form, then to every other form of the screen.
class TbsSkinData : public TComponent, public TbsSkinPictureSet, public TbsSkinFormInfo {
public:
    explicit TbsSkinData(TComponent* owner = nullptr) : TComponent(owner) {}
    ~TbsSkinData() override;
    const char* ClassName() const override { return "TbsSkinData"; }

    // Setting a stored skin loads it at once; null only forgets the reference and keeps the
    // loaded skin. The skin data does not own what these point to.
    TbsStoredSkin* StoredSkin() const { return storedSkin_; }
    void SetStoredSkin(TbsStoredSkin* stored);
    TbsCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
    void SetCompressedStoredSkin(TbsCompressedStoredSkin* stored);
    // A referenced stored skin is being destroyed: forget it, keep the loaded skin.
    void ForgetStoredSkin(const void* removed);

    // Loads the skin from the stored skin's text and pictures. A text without the five
    // required sections leaves no skin loaded, without error. A malformed rectangle or point
    // throws EConvertError; the objects read before it stay, and no skin counts as loaded.
    // SKM_BEFORECHANGE is sent before the old skin is cleared, SKM_CHANGE and
    // SKM_AFTERCHANGE after the load, whether it succeeded or not.
    void ApplyStoredSkin(const TbsStoredSkin& stored);
    // As ApplyStoredSkin, from compressed data; empty data changes nothing. Data that cannot
    // be decompressed or read throws (EZDecompressionError, EReadError, EInvalidGraphic) with
    // no skin loaded; data whose format number is not 1 loads nothing, without error.
    void ApplyCompressedStoredSkin(const TbsCompressedStoredSkin& stored);

    // Index of the first object named exactly so (letter case counts), or -1.
    int IndexOfSkinObject(std::string_view name) const;
    int IndexOfSkinControl(std::string_view name) const;

    // Frees every object, control skin and picture, marks both window skins absent and
    // clears the mask file name. Sends no message.
    void ClearSkin();

    bool NoSkinLoaded() const { return noSkinLoaded_; }
    // The [PICTURES] mask file name of the loaded text; a masked frame when not empty.
    const std::string& MaskFileName() const { return maskFileName_; }

    // What the skin data holds of its text, as a skin text: the mask name of [PICTURES],
    // [FORMINFO] as normalised, the window skins, the two lists and one section per object.
    // Two skin data holding the same skin write the same text.
    void SaveToIni(TbsSkinIni& ini) const;

    uintptr_t MessageParam() const { return reinterpret_cast<uintptr_t>(this); }
    static TbsSkinData* FromMessageParam(uintptr_t wParam) { return reinterpret_cast<TbsSkinData*>(wParam); }

    std::vector<std::unique_ptr<TbsDataSkinObject>> SkinObjects;
    std::vector<std::unique_ptr<TbsDataSkinControl>> SkinControls;
    TbsDataSkinPopupWindow PopupWindowSkin;
    TbsDataSkinHintWindow HintWindowSkin;

private:
    // Runs a load between SKM_BEFORECHANGE and SKM_CHANGE/SKM_AFTERCHANGE.
    template <class Load>
    void ChangeSkin(Load load);
    void LoadText(const TbsSkinIni& ini);
    void LoadObjectLists(const TbsSkinIni& ini);
    void Broadcast(uint32_t msg);

    TbsStoredSkin* storedSkin_ = nullptr;
    TbsCompressedStoredSkin* compressedStoredSkin_ = nullptr;
    std::string maskFileName_;
    bool noSkinLoaded_ = true;
};

} // namespace tavrik
