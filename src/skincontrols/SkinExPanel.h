#pragma once

#include "skincontrols/CaptionButtonTracker.h"
#include "skincontrols/PanelGeometry.h"
#include "skincontrols/RollState.h"
#include "skincontrols/SkinCustomControl.h"
#include "skincontrols/SkinPaint.h"

#include <vector>

namespace tavrik {

class TCanvas;

enum class TbsRollKind : uint8_t { rkRollHorizontal, rkRollVertical };

// A skinned container with a caption bar ("expanel") whose buttons close it (it only hides)
// and roll it up: to its caption bar (rkRollVertical) or to a narrow column with the caption
// turned (rkRollHorizontal). A rolled panel keeps its rolled size whatever its parent asks
// and gets its saved size back when it unrolls. See CaptionButtonTracker.h for the buttons.
class TbsSkinExPanel : public TbsSkinCustomControl {
public:
    explicit TbsSkinExPanel(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinExPanel"; }

    int DefaultCaptionHeight() const { return defaultCaptionHeight_; }
    void SetDefaultCaptionHeight(int height);
    bool ShowRollButton() const { return showRollButton_; }
    void SetShowRollButton(bool on);
    bool ShowCloseButton() const { return showCloseButton_; }
    void SetShowCloseButton(bool on);
    TbsRollKind RollKind() const { return rollKind_; }
    void SetRollKind(TbsRollKind kind);
    bool RollState() const { return rollState_; }
    void SetRollState(bool on);
    // The size before rolling up; 0 while unrolled.
    int RealWidth() const { return width_.Saved(); }
    int RealHeight() const { return height_.Saved(); }
    // The width (horizontal kind) or height (vertical kind) of the rolled panel.
    int RolledSize() const;

    // The caption buttons as last laid out (an empty rectangle: not shown).
    TRect CloseButtonRect() const { return caption_.Close; }
    TRect RollButtonRect() const { return caption_.Roll; }
    // Where the caption text goes, between the buttons and the far edge.
    TRect CaptionTextRect() const { return caption_.Caption; }
    const TCaptionButtonTracker& Buttons() const { return buttons_; }

    TNotifyEvent OnChangeRollState;
    TNotifyEvent OnClose;

    void AdjustClientRect(TRect& rect) const override;
    void SetBounds(int left, int top, int width, int height) override;
    void WndProc(TMessage& message) override;

protected:
    void ReadSkinObject() override;
    void ApplySkin() override;
    void DrawDefaultImage(TBitmap& bitmap) override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void TextChanged() override;

private:
    // A caption button's images: normal, hot, pressed.
    struct TButtonImages {
        TRect Normal, Active, Down;
        const TRect& For(bool hot, bool pressed) const { return hot && pressed ? Down : hot ? Active : Normal; }
    };
    // What the panel takes from its skin, the missing roll and restore images replaced.
    struct TExPanelSkin {
        TRect RollHorizontal, RollVertical;
        int RollLeft = 0, RollRight = 0, RollTop = 0, RollBottom = 0;
        TRect RollVerticalCaption, RollHorizontalCaption, Caption;
        TButtonImages Close, HorizontalRoll, HorizontalRestore, VerticalRoll, VerticalRestore;
        TbsSkinFontKeys Font;
    };

    bool Skinned() const { return SkinIndex() != -1 && hasSkin_; }
    bool RolledAcross() const { return rollState_ && rollKind_ == TbsRollKind::rkRollHorizontal; }
    // Lays out the caption buttons and text for the current size and state.
    void LayOutCaption();
    void Track(const TCaptionButtonTracker::TStep& step);
    void DrawCaptionButton(TCanvas& canvas, int button);
    void DrawCaptionText(TCanvas& canvas, const TFontRequest& font);
    TFontRequest CaptionFont();

    int defaultCaptionHeight_ = 21;
    bool showRollButton_ = true;
    bool showCloseButton_ = true;
    TbsRollKind rollKind_ = TbsRollKind::rkRollVertical;
    bool rollState_ = false;
    bool rollChanging_ = false;
    TRollState width_{0};
    TRollState height_{0};
    std::vector<TComponentRef<TControl>> hiddenChildren_;
    TCaptionButtonTracker buttons_;
    TExPanelCaption caption_;
    TExPanelSkin skin_;
    bool hasSkin_ = false;
};

} // namespace tavrik
