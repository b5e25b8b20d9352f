#include "skindialogs/SkinShellComboBox.h"

#include "gfx/Canvas.h"
#include "skin/SkinDrawing.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellImageLists.h"
#include "skindialogs/ShellListing.h"
#include "ui/ImageList.h"

namespace tavrik {

namespace {

constexpr int kIconTextGap = 4;

} // namespace

TbsSkinShellComboBox::TbsSkinShellComboBox(TComponent* owner)
    : TbsSkinComboBox(owner), icons_(MakeShellImageList(false))
{
    SetDropDownCount(10);
    OnComboBoxDrawItem = [this](TComponent*, TCanvas& canvas, int index, int, int, TRect text, TOwnerDrawState) {
        DrawEntry(canvas, index, text, false);
    };
    PopupList().OnDrawItem = [this](TComponent*, TCanvas& canvas, int index, int, int, TRect text, TOwnerDrawState) {
        DrawEntry(canvas, index, text, true);
    };
}

TbsSkinShellComboBox::~TbsSkinShellComboBox()
{
    SetShellListView(nullptr);
    SetShellTreeView(nullptr);
}

void TbsSkinShellComboBox::SetShellAccess(std::shared_ptr<const TShellAccess> access)
{
    access_ = std::move(access);
    SetRoot(root_);
}

void TbsSkinShellComboBox::SetRoot(const std::string& root)
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    rootFolder_ = TbsShellFolder::FromRootOrPath(access_, root);
    root_ = root;
    Rebuild();
}

void TbsSkinShellComboBox::SetObjectTypes(TShellObjectTypes types)
{
    if (types == objectTypes_) return;
    objectTypes_ = types;
    if (rootFolder_) Rebuild();
}

TbsShellFolder::TPtr TbsSkinShellComboBox::Folder() const
{
    int index = ItemIndex();
    return index >= 0 && index < EntryCount() ? entries_[size_t(index)].folder : nullptr;
}

std::string TbsSkinShellComboBox::Path() const
{
    TbsShellFolder::TPtr folder = Folder();
    return folder ? folder->Path() : std::string();
}

void TbsSkinShellComboBox::AddChildFolders(const TbsShellFolder::TPtr& folder, int level)
{
    TShellListingRequest request;
    request.types = objectTypes_;
    request.mask = "*.*";
    // A folder that cannot be read adds nothing here; the file list tells why.
    for (const TbsShellFolder::TPtr& child : ListShellFolder(folder, request).items) {
        if (!child->IsFolder()) continue;
        base_.push_back({child, level});
        if (level == 1 && folder->AbsoluteID().IsDesktop() && child->AbsoluteID() == TShellNamespace::Computer())
            AddChildFolders(child, level + 1);
    }
}

void TbsSkinShellComboBox::Rebuild()
{
    base_.clear();
    base_.push_back({rootFolder_, 0});
    AddChildFolders(rootFolder_, 1);
    entries_ = base_;
    ShowEntries(0);
}

void TbsSkinShellComboBox::ShowEntries(int selected)
{
    showing_ = true;
    Items().Clear();
    for (const TEntry& entry : entries_) Items().Add(entry.folder->DisplayName());
    SetItemIndex(selected);
    showing_ = false;
}

void TbsSkinShellComboBox::BrowseTo(const TbsShellFolder::TPtr& folder)
{
    if (!folder || !rootFolder_) return;
    entries_ = base_;
    const TItemIdList& target = folder->AbsoluteID();
    int holder = -1;
    for (int i = 0; i < EntryCount(); ++i) {
        const TItemIdList& id = entries_[size_t(i)].folder->AbsoluteID();
        if (id.Contains(target) && (holder < 0 || id.Level() > EntryFolder(holder)->Level())) holder = i;
    }
    if (holder < 0) {
        ShowEntries(-1);
        return;
    }
    std::vector<TbsShellFolder::TPtr> missing;
    for (TbsShellFolder::TPtr p = folder; p && p->AbsoluteID() != EntryFolder(holder)->AbsoluteID();
         p = p->SharedParent())
        missing.insert(missing.begin(), p);
    int level = EntryLevel(holder);
    auto at = entries_.begin() + holder + 1;
    for (const TbsShellFolder::TPtr& p : missing) at = entries_.insert(at, TEntry{p, ++level}) + 1;
    ShowEntries(holder + int(missing.size()));
}

void TbsSkinShellComboBox::SelectionChanged()
{
    if (showing_) return;
    TbsShellFolder::TPtr folder = Folder();
    if (!folder) return;
    BrowseTo(folder);
    auto alive = Guard();
    if (listView_) listView_->BrowseTo(folder);
    if (alive && treeView_) treeView_->BrowseTo(folder);
}

void TbsSkinShellComboBox::DrawEntry(TCanvas& canvas, int index, TRect text, bool indented)
{
    if (index < 0 || index >= EntryCount()) return;
    const TEntry& entry = entries_[size_t(index)];
    const int iconSize = icons_->Width();
    int x = text.Left + (indented ? entry.level * iconSize / 2 : 0);
    icons_->Draw(canvas, x, text.Top + (text.Height() - iconSize) / 2, entry.folder->ImageIndex(false));
    text.Left = x + iconSize + kIconTextGap;
    DrawTextInRect(canvas, entry.folder->DisplayName(), text);
}

void TbsSkinShellComboBox::SetShellListView(TbsShellBrowser* list) { listView_.Set(*this, list); }
void TbsSkinShellComboBox::SetShellTreeView(TbsShellBrowser* tree) { treeView_.Set(*this, tree); }

void TbsSkinShellComboBox::Notification(TComponent* component, TOperation operation)
{
    TbsSkinComboBox::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    listView_.Forget(component);
    treeView_.Forget(component);
}

} // namespace tavrik
