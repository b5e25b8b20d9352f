#include "skincontrols/SkinMemo.h"

#include "skincontrols/SkinScrollBar.h"

namespace tavrik {

TbsSkinMemo::TbsSkinMemo(TComponent* owner) : TbsSkinCustomEdit<TMemo>(owner) {}

void TbsSkinMemo::SetVScrollBar(TbsSkinScrollBar* bar)
{
    if (bar == vbar_) return;
    if (vbar_) vbar_->RemoveFreeNotification(this);
    vbar_ = bar;
    if (!bar) return;
    bar->FreeNotification(this);
    bar->SetRange(0, 0, 0, 0);
    bar->OnChange = [this](TComponent*) {
        if (vbar_) ScrollBy(vbar_->Position() - FirstVisibleLine(), 0);
    };
    SyncScrollBar();
}

void TbsSkinMemo::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component == vbar_) vbar_ = nullptr;
    TbsSkinCustomEdit<TMemo>::Notification(component, operation);
}

void TbsSkinMemo::SyncScrollBar()
{
    if (!vbar_) return;
    if (!Enabled()) {
        vbar_->SetEnabled(false);
        return;
    }
    const int visible = VisibleLineCount(), lines = LineCount();
    const bool scrolls = visible < lines;
    if (scrolls) vbar_->SetRange(0, lines, visible + 1, FirstVisibleLine());
    else vbar_->SetRange(0, 0, 0, 0);
    vbar_->SetEnabled(scrolls);
}

void TbsSkinMemo::ScrollChanged()
{
    TbsSkinCustomEdit<TMemo>::ScrollChanged();
    SyncScrollBar();
}

void TbsSkinMemo::Resize()
{
    TbsSkinCustomEdit<TMemo>::Resize();
    SyncScrollBar();
}

void TbsSkinMemo::EnabledChanged()
{
    TbsSkinCustomEdit<TMemo>::EnabledChanged();
    SyncScrollBar();
}

} // namespace tavrik
