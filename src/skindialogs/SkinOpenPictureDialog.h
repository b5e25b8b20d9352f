#pragma once

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/ListViewTypes.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrik {

class TShellAccess;
class TbsSkinData;

// The open picture dialog as a component: set the properties, call Execute, which shows a
// TbsOpenPictureDlgForm modally and answers whether the user confirmed; then FileName is the
// chosen file, Files every chosen file in list order (in the order typed, when typed), and
// FilterIndex the filter entry last selected (also after a cancel).
//
// The dialog starts in the folder of FileName with its name selected; without a folder in
// FileName, in InitialDir (a folder or a root such as "rfDesktop"), or the program's own
// folder when that is empty. Kept from one use to the next: the window's client size, the
// preview pane's width, the list's view style and the stretch button.
class TbsSkinOpenPictureDialog : public TComponent {
public:
    explicit TbsSkinOpenPictureDialog(TComponent* owner);
    ~TbsSkinOpenPictureDialog() override;
    const char* ClassName() const override { return "TbsSkinOpenPictureDialog"; }

    static constexpr const char* kDefaultFilter =
        "All (*.bmp;*.ico;*.emf;*.wmf)|*.bmp;*.ico;*.emf;*.wmf|Bitmaps (*.bmp)|*.bmp|Icons (*.ico)|*.ico|"
        "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& InitialDir() const { return initialDir_; }
    void SetInitialDir(const std::string& dir) { initialDir_ = dir; }
    const std::string& Filter() const { return filter_; }
    void SetFilter(const std::string& filter) { filter_ = filter; }
    int FilterIndex() const { return filterIndex_; }
    void SetFilterIndex(int index) { filterIndex_ = index; }
    const std::string& FileName() const { return fileName_; }
    void SetFileName(const std::string& name) { fileName_ = name; }
    bool MultiSelection() const { return multiSelection_; }
    void SetMultiSelection(bool on) { multiSelection_ = on; }
    bool StretchPicture() const { return stretchPicture_; }
    void SetStretchPicture(bool on) { stretchPicture_ = on; }
    const std::string& LVHeaderSkinDataName() const { return lvHeaderSkinDataName_; }
    void SetLVHeaderSkinDataName(const std::string& name) { lvHeaderSkinDataName_ = name; }
    // The skin of the frame, and of the controls and the frame's menus.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* data) { SetReference(skinData_, data); }
    TbsSkinData* CtrlSkinData() const { return ctrlSkinData_; }
    void SetCtrlSkinData(TbsSkinData* data) { SetReference(ctrlSkinData_, data); }
    // Stored only: the window is never blended and keeps the skin's fonts.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
    TFont& DefaultFont() { return defaultFont_; }

    // Where the namespace is asked; a fresh one of the real desktop by default.
    void SetShellAccess(std::shared_ptr<const TShellAccess> access) { access_ = std::move(access); }

    const std::vector<std::string>& Files() const { return files_; }

    bool Execute();

    void Notification(TComponent* component, TOperation operation) override;

protected:
    TbsSkinOpenPictureDialog(TComponent* owner, bool saveMode);

private:
    void SetReference(TbsSkinData*& field, TbsSkinData* data);

    bool save_;
    std::string title_;
    std::string initialDir_;
    std::string filter_ = kDefaultFilter;
    int filterIndex_ = 1;
    std::string fileName_;
    bool multiSelection_ = false;
    bool stretchPicture_ = false;
    std::string lvHeaderSkinDataName_ = "resizebutton";
    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* ctrlSkinData_ = nullptr;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    TFont defaultFont_;
    std::shared_ptr<const TShellAccess> access_;
    std::vector<std::string> files_;

    // Kept between uses.
    std::optional<TSize> clientSize_;
    int previewWidth_ = 190;
    TViewStyle viewStyle_ = TViewStyle::vsList;
    bool stretchDown_ = false;
};

// The same dialog in save mode, titled "Save file".
class TbsSkinSavePictureDialog : public TbsSkinOpenPictureDialog {
public:
    explicit TbsSkinSavePictureDialog(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinSavePictureDialog"; }
};

} // namespace tavrik
