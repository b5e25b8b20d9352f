#pragma once

#include "ui/Component.h"
#include "ui/Font.h"
#include "ui/MessageDlg.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrik {

class TbsSkinData;

// Shows the program's messages in a skinned box: the kind's icon, the text and a row of
// skinned push buttons (ui/MessageBoxLayout.h places them), in a skinned frame. Each call
// builds a fresh TbsMessageForm, shows it modally, frees it and answers the result of the
// button that closed it (mrCancel when the frame's close button did).
class TbsSkinMessage : public TComponent {
public:
    explicit TbsSkinMessage(TComponent* owner);
    ~TbsSkinMessage() override;
    const char* ClassName() const override { return "TbsSkinMessage"; }

    // The skin of the box's frame.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skinData) { SetReference(skinData_, skinData); }
    // The skin of the text and the buttons (and of the frame's menus).
    TbsSkinData* CtrlSkinData() const { return ctrlSkinData_; }
    void SetCtrlSkinData(TbsSkinData* skinData) { SetReference(ctrlSkinData_, skinData); }
    const std::string& ButtonSkinDataName() const { return buttonSkinDataName_; }
    void SetButtonSkinDataName(const std::string& name) { buttonSkinDataName_ = name; }
    const std::string& MessageLabelSkinDataName() const { return messageLabelSkinDataName_; }
    void SetMessageLabelSkinDataName(const std::string& name) { messageLabelSkinDataName_ = name; }
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    TFont& DefaultButtonFont() { return defaultButtonFont_; }
    void SetDefaultButtonFont(const TFont& font) { defaultButtonFont_.Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    bool AlphaBlendAnimation() const { return alphaBlendAnimation_; }
    void SetAlphaBlendAnimation(bool on) { alphaBlendAnimation_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }

    // Shows msg with the kind's caption and icon and the buttons of the set, beeps the
    // kind's sound, and answers the modal result. helpCtx is the box's help context (its
    // Help button hands it to OnHelp).
    int ShowMessageBox(const std::string& msg, TMsgDlgType kind, TMsgDlgButtons buttons, int helpCtx = 0);

    // Makes MessageDlg and ShowMessage use this box until it is destroyed or replaced.
    void InstallAsMessageBoxHandler();

    // The program's help: a box's Help button calls it with the box's help context.
    std::function<void(int context)> OnHelp;

    void Notification(TComponent* component, TOperation operation) override;

private:
    void SetReference(TbsSkinData*& field, TbsSkinData* skinData);

    TbsSkinData* skinData_ = nullptr;
    TbsSkinData* ctrlSkinData_ = nullptr;
    std::string buttonSkinDataName_ = "button";
    std::string messageLabelSkinDataName_ = "stdlabel";
    TFont defaultFont_;
    TFont defaultButtonFont_;
    bool useSkinFont_ = true;
    bool alphaBlend_ = false;
    bool alphaBlendAnimation_ = false;
    uint8_t alphaBlendValue_ = 200;
    bool installed_ = false;
};

} // namespace tavrik
