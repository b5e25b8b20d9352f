#pragma once

#include "core/Geometry.h"
#include "gfx/FontRequest.h"
#include "skin/SkinCells.h"
#include "ui/Component.h"
#include "ui/HintWindow.h"

#include <cstdint>
#include <string>

namespace tavrik {

class TbsSkinData;
class TbsSkinHint;

// The application's hint window in the look of the skin's [HINTWINDOW] picture, or a plain
// look without one. Every show asks the serving TbsSkinHint (the first active one among the
// main form's components) for skin, font and translucency; without one it shows nothing.
//
// Skinned, the window is the window picture resized around the text by its corner points,
// never smaller than the picture, shaped by the mask picture when there is one, the text
// centred in the client rectangle. Line breaks start new lines; long lines are not wrapped.
class TbsSkinHintWindow : public THintWindow {
public:
    explicit TbsSkinHintWindow(TComponent* owner);
    ~TbsSkinHintWindow() override;
    const char* ClassName() const override { return "TbsSkinHintWindow"; }

    // Shows the text with the window's top-left corner at the rectangle's, moved to the other
    // side of that point where it would pass the right or bottom edge of the work area. The
    // window shows topmost and does not take the focus.
    void ShowHintAt(TRect rect, const std::string& text);

    // The application's hint machinery: the size the text needs, and the show.
    TRect CalcHintRect(int maxWidth, const std::string& hint) override;
    void ActivateHint(TRect rect, const std::string& hint) override { ShowHintAt(rect, hint); }

    TbsSkinHint* OwnerHint() const { return ownerHint_.Get(); }
    // The skin of the latest show; null for the plain look, and once the serving component
    // has let go of that skin.
    const TbsSkinData* HintSkin() const;
    // The picture's cut moved to the window's size at the latest skinned show.
    const TSkinCut& NewCut() const { return newCut_; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;
    void Paint() override;

private:
    // Serving component, skin and font for a show of the text.
    void TakeLook();
    TFontRequest HintFont() const;
    TSize MeasureHint(const std::string& text);
    void ApplyTranslucency(const TbsSkinHint& hint);
    void UpdateHintRegion();

    TComponentRef<TbsSkinHint> ownerHint_;
    const TbsSkinData* hintSkin_ = nullptr;
    TSkinCut newCut_;
    bool hasRegion_ = false;
    bool layeredApplied_ = false;
    uint8_t alphaApplied_ = 0;
};

} // namespace tavrik
