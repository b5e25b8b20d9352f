#pragma once

#include "skincontrols/ScrollBoxAxis.h"
#include "skincontrols/SkinCustomControl.h"

namespace tavrik {

class TbsSkinScrollBar;

enum class TbsBorderStyle : uint8_t { bvFrame, bvRaised, bvLowered, bvNone };

// A skinned container whose children are scrolled by two scroll bars that stand outside it
// (HScrollBar, VScrollBar, usually aligned beside it). The bars' ranges follow the extent of
// the visible children; a bar shows only while the content does not fit, and the horizontal
// bar leaves the corner square (Both) while the vertical one shows.
//
// The frame is drawn in the non-client area: the skin's border around its clientrect, or a
// one-pixel 3-D frame in the plain look (none with bvNone).
class TbsSkinScrollBox : public TbsSkinCustomControl {
public:
    explicit TbsSkinScrollBox(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinScrollBox"; }

    TbsSkinScrollBar* HScrollBar() const { return hbar_; }
    void SetHScrollBar(TbsSkinScrollBar* bar);
    TbsSkinScrollBar* VScrollBar() const { return vbar_; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    TbsBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TbsBorderStyle style);

    void UpdateScrollBars();
    void UpdateHScroll();
    void UpdateVScroll();
    // Moves every child by (dx, dy) and repaints.
    void ScrollBy(int dx, int dy);

    void ApplySkin() override;
    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void ReadSkinObject() override;
    void DrawSkinImage(TBitmap& bitmap) override;
    void ApplyBounds(int left, int top, int width, int height) override;
    void VisibleChanged() override;
    void AdjustClientRect(TRect& rect) const override;
    void ControlsChanged(TControl* control) override;

private:
    void Link(TbsSkinScrollBar*& slot, TbsSkinScrollBar* bar, bool vertical);
    void UpdateAxis(bool vertical);
    void BarChanged(bool vertical);
    bool HasSkinFrame() const;
    TRect Margins() const;
    void FrameChanged();
    void PaintFrame();

    TbsSkinScrollBar* hbar_ = nullptr;
    TbsSkinScrollBar* vbar_ = nullptr;
    int growX_ = 0, growY_ = 0;
    int lastX_ = 0, lastY_ = 0;
    bool updating_ = false;
    bool moving_ = false; // the children are being scrolled: their moves change nothing
    TbsBorderStyle borderStyle_ = TbsBorderStyle::bvFrame;
    int bgpictureindex_ = -1;
    const TBitmap* background_ = nullptr;
};

} // namespace tavrik
