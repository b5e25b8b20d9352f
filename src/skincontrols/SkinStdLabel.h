#pragma once

#include "ui/Label.h"

#include <string>

namespace tavrik {

class TbsSkinData;
class TbsDataSkinStdLabelControl;

// A plain label whose font and colour come from a text-only control skin ("stdlabel"). It
// draws no picture and lets its parent show through. Without a skin it draws with
// DefaultFont (UseSkinFont) or Font; with one, in the skin's font (UseSkinFont) or Font, in
// the skin's colour. A disabled label is embossed.
class TbsSkinStdLabel : public TLabel {
public:
    explicit TbsSkinStdLabel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinStdLabel"; }

    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skinData);
    const std::string& SkinDataName() const { return skinDataName_; }
    void SetSkinDataName(const std::string& name);
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on);
    TFont& DefaultFont() { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }

    // Reads the binding again and shows the skin's font and colour (a skin change).
    void SkinChanged();
    void WndProc(TMessage& message) override;

protected:
    // The control skin named SkinDataName, looked up afresh: nullptr without a loaded skin
    // or when the name names none or something else than a text skin.
    const TbsDataSkinStdLabelControl* BoundSkin() const;
    TFontRequest TextFont() const override;

private:
    TbsSkinData* skinData_ = nullptr;
    std::string skinDataName_ = "stdlabel";
    bool useSkinFont_ = true;
    TFont defaultFont_;
};

} // namespace tavrik
