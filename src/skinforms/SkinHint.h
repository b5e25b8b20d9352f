#pragma once

#include "ui/Application.h"
#include "ui/Component.h"
#include "ui/Font.h"

#include <cstdint>
#include <string>

namespace tavrik {

class TbsSkinData;
class TbsSkinHintWindow;
class TTimer;

// Gives the application's hints the look of a skin. Placed on the main form, it makes
// TbsSkinHintWindow the application's hint window class, so every control hint is drawn by
// it, and it shows the hints of a skinned frame's caption objects (QueueObjectHint). Of
// several on the main form, the first active one serves (Serving).
//
// An object hint goes: none -> pending (the application's hint pause) -> shown (the hint
// hide pause) -> hidden. QueueObjectHint starts over at pending from any state;
// HideObjectHint ends in hidden from any state.
class TbsSkinHint : public TComponent {
public:
    explicit TbsSkinHint(TComponent* owner);
    ~TbsSkinHint() override;
    const char* ClassName() const override { return "TbsSkinHint"; }

    // The first active TbsSkinHint among the main form's components, or null.
    static TbsSkinHint* Serving();

    // The skin whose [HINTWINDOW] is drawn; forgotten when it is destroyed.
    TbsSkinData* SkinData() const { return skinData_; }
    void SetSkinData(TbsSkinData* skin);
    // Activating one switches every other active one on the main form off.
    bool Active() const { return active_; }
    void SetActive(bool on);
    bool AlphaBlend() const { return alphaBlend_; }
    void SetAlphaBlend(bool on) { alphaBlend_ = on; }
    uint8_t AlphaBlendValue() const { return alphaBlendValue_; }
    void SetAlphaBlendValue(uint8_t value) { alphaBlendValue_ = value; }
    // The font without a skin font; the text colour is the skin's whenever a skin draws.
    const TFont& DefaultFont() const { return defaultFont_; }
    void SetDefaultFont(const TFont& font) { defaultFont_.Assign(font); }
    bool UseSkinFont() const { return useSkinFont_; }
    void SetUseSkinFont(bool on) { useSkinFont_ = on; }
    // Receives the application's show-hint event while this component has it.
    TShowHintEvent OnShowHint;

    // Shows the text at the pointer once the application's hint pause has passed, and hides
    // it again after the hint hide pause.
    void QueueObjectHint(const std::string& text);
    void HideObjectHint();
    TbsSkinHintWindow* HintWindow() const { return hintWindow_; }
    // Whether an object hint is pending or shown.
    bool ObjectHintQueued() const;

private:
    void RouteShowHint();
    void ShowQueuedHint();
    void StartDelay(int ms, bool show);

    TbsSkinData* skinData_ = nullptr;
    bool active_ = true;
    bool alphaBlend_ = false;
    uint8_t alphaBlendValue_ = 0;
    TFont defaultFont_;
    bool useSkinFont_ = true;
    TbsSkinHintWindow* hintWindow_ = nullptr;
    // Runs while an object hint is pending (showDue_) or shown.
    TTimer* delayTimer_ = nullptr;
    bool showDue_ = false;
    std::string pendingText_;
};

} // namespace tavrik
