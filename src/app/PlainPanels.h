#pragma once

#include "ui/Label.h"
#include "ui/Panel.h"

namespace tavrik {

// One field of a status line: a sunken strip with its caption at the left.
class TPlainStatusPanel : public TPanel {
public:
    explicit TPlainStatusPanel(TComponent* owner);
    const char* ClassName() const override { return "TPlainStatusPanel"; }
};

// A panel with a caption bar across its top; with the roll button shown, a click on the
// button rolls the panel up to its caption bar and down again. Aligned children share the
// area below the bar.
class TPlainExPanel : public TPanel {
public:
    static constexpr int kCaptionHeight = 20;

    explicit TPlainExPanel(TComponent* owner);
    const char* ClassName() const override { return "TPlainExPanel"; }

    bool ShowRollButton() const { return showRollButton_; }
    void SetShowRollButton(bool on);
    bool RollState() const { return rolled_; }
    void SetRollState(bool rolled);
    TRect RollButtonRect() const;

    void AdjustClientRect(TRect& rect) const override;

protected:
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    bool showRollButton_ = true;
    bool rolled_ = false;
    int unrolledHeight_ = 0;
};

// A label that opens something when clicked: underlined, blue, with the hand pointer.
class TPlainLinkLabel : public TLabel {
public:
    explicit TPlainLinkLabel(TComponent* owner);
    const char* ClassName() const override { return "TPlainLinkLabel"; }
};

} // namespace tavrik
