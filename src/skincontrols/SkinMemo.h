#pragma once

#include "skincontrols/SkinCustomEdit.h"
#include "ui/Memo.h"

namespace tavrik {

class TbsSkinScrollBar;

// A skinned multi-line edit ("memo") that drives a skinned scroll bar standing beside it
// (VScrollBar): the bar pages through the lines shown, and moving it scrolls the memo. The
// bar is disabled while every line fits.
class TbsSkinMemo : public TbsSkinCustomEdit<TMemo> {
public:
    explicit TbsSkinMemo(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinMemo"; }

    TbsSkinScrollBar* VScrollBar() const { return vbar_; }
    void SetVScrollBar(TbsSkinScrollBar* bar);
    // Sets the bar's range to the lines and the first visible one.
    void SyncScrollBar();

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void ScrollChanged() override;
    void Resize() override;
    void EnabledChanged() override;

private:
    TbsSkinScrollBar* vbar_ = nullptr;
};

} // namespace tavrik
