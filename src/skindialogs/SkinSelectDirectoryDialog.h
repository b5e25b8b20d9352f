#pragma once

#include "core/Geometry.h"
#include "ui/Component.h"
#include "ui/Font.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace tavrik {

class TbsSkinData;
class TShellAccess;

// Lets the user pick a folder from a skinned folder tree in a modal window (TbsSelDirDlgForm,
// built anew at every use). Execute opens with Directory selected, its ancestors open and
// itself open, or with the computer selected and open when Directory is empty or no existing
// folder; it answers true on OK, with Directory then the chosen folder's path (for the
// computer itself, its name "Computer", which is no folder). Cancel leaves Directory as it
// was. The window's client size is kept from one use to the next.
class TbsSkinSelectDirectoryDialog : public TComponent {
public:
    static constexpr TSize kFirstClientSize{280, 280};

    explicit TbsSkinSelectDirectoryDialog(TComponent* owner);
    ~TbsSkinSelectDirectoryDialog() override;
    const char* ClassName() const override { return "TbsSkinSelectDirectoryDialog"; }

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Directory() const { return directory_; }
    void SetDirectory(const std::string& directory) { directory_ = directory; }
    // The skin of the frame.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skinData) { SetReference(skinData_, skinData); }
    // The skin of the controls and of the frame's menus.
    TbsSkinData* CtrlSkinData() const { return ctrlSkinData_; }
    void SetCtrlSkinData(TbsSkinData* skinData) { SetReference(ctrlSkinData_, skinData); }
    // The font of the tree and of the buttons while they do not use the skin's.
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    // Kept for the form's sake only: the window is never blended.
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }

    // Where the namespace is asked; the desktop's own unless set. Kept between uses, so that
    // a drive that stopped answering is not waited for again.
    const std::shared_ptr<const TShellAccess>& ShellAccess() const { return access_; }
    void SetShellAccess(std::shared_ptr<const TShellAccess> access) { access_ = std::move(access); }
    // The client size the next use opens with.
    TSize ClientSize() const { return clientSize_.value_or(kFirstClientSize); }

    bool Execute();

    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetReference(TbsSkinData*& field, TbsSkinData* skinData);

    std::string title_ = "Select folder";
    std::string directory_;
    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* ctrlSkinData_ = nullptr;
    TFont defaultFont_;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool alphaBlendAnimation_ = false;
    std::shared_ptr<const TShellAccess> access_;
    std::optional<TSize> clientSize_;
};

} // namespace tavrik
