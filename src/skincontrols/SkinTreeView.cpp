#include "skincontrols/SkinTreeView.h"

#include "ui/ImageList.h"

namespace tavrik {

TbsSkinCustomTreeView::TbsSkinCustomTreeView(TComponent* owner) : TbsSkinTextView(owner) { SetSkinDataName("treeview"); }

void TbsSkinCustomTreeView::ApplySkin()
{
    TbsSkinTextView::ApplySkin();
    for (TImageList* images : {Images(), StateImages()})
        if (images) images->SetBkColor(Color());
}

void TbsSkinCustomTreeView::UpdateScrollBars()
{
    if (!CanSyncBars() || SyncingBars()) return;
    bool changed = false;
    int min = 0, max = 0, page = 0, position = 0;
    if (TbsSkinScrollBar* bar = VScrollBar()) {
        GetVertScrollRange(min, max, page, position);
        const int rows = VisibleCount();
        changed |= ShowBar(bar, max > 0 && rows <= max && max < Items().Count() && Visible());
        if (bar->Visible()) bar->SetRange(min, max, rows, position);
    }
    if (TbsSkinScrollBar* bar = HScrollBar()) {
        GetHorzScrollRange(min, max, page, position);
        changed |= ShowBar(bar, Width() < max && Visible());
        if (bar->Visible()) bar->SetRange(min, max, Width(), position);
    }
    FinishBarSync(changed);
}

// Straight to the tree rather than through a scroll message, whose thumb position has only
// 16 bits: a tree of more than 65,535 rows would jump back to the top.
void TbsSkinCustomTreeView::VScrolled()
{
    if (TbsSkinScrollBar* bar = VScrollBar()) SetTopIndex(bar->Position());
}

void TbsSkinCustomTreeView::HScrolled()
{
    if (TbsSkinScrollBar* bar = HScrollBar()) SetHorzOffset(bar->Position());
}

void TbsSkinCustomTreeView::Change(TTreeNode* node)
{
    auto alive = Guard();
    TbsSkinTextView::Change(node);
    // The new selection may have scrolled the tree.
    if (alive) UpdateScrollBars();
}

} // namespace tavrik
