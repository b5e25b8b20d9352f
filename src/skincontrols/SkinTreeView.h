#pragma once

#include "skincontrols/SkinTextView.h"
#include "ui/TreeView.h"

namespace tavrik {

// The native tree view ("treeview" skin) with its colours and font from the skin and its
// scroll ranges on linked skinned bars: the vertical bar counts rows, the horizontal one
// pixels. The image lists take the view's background colour.
class TbsSkinCustomTreeView : public TbsSkinTextView<TCustomTreeView, TbsDataSkinTreeView> {
public:
    explicit TbsSkinCustomTreeView(TComponent* owner);
    const char* ClassName() const override { return "TbsSkinCustomTreeView"; }

    void ApplySkin() override;
    void UpdateScrollBars() override;

protected:
    void VScrolled() override;
    void HScrolled() override;
    void Change(TTreeNode* node) override;
};

} // namespace tavrik
