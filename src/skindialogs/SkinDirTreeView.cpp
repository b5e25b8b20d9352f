#include "skindialogs/SkinDirTreeView.h"

#include "shell/ShellError.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellImageLists.h"
#include "skindialogs/ShellListing.h"
#include "ui/ImageList.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <unistd.h>

namespace tavrik {

namespace {

// Whether each folder holds folders, as far as a look of at most `budget` on the worker gets.
// Folders it does not reach, folders it cannot read (opening them says why) and volumes count
// as holding some: a button too many costs a click, a stuck drive would cost the window.
std::vector<bool> GuessSubfolders(const TbsShellFolder& parent, const std::vector<TbsShellFolder::TPtr>& folders,
                                  bool includeHidden, std::chrono::milliseconds budget)
{
    std::vector<bool> markers(folders.size(), true);
    if (parent.AbsoluteID() == TShellNamespace::Computer() || folders.empty()) return markers;
    std::vector<TItemIdList> ids;
    ids.reserve(folders.size());
    for (const TbsShellFolder::TPtr& folder : folders) ids.push_back(folder->AbsoluteID());
    const auto deadline = std::chrono::steady_clock::now() + budget;
    try {
        std::vector<int8_t> found = parent.ShellFolder().Ask<std::vector<int8_t>>(
            parent.AbsoluteID(), [ids = std::move(ids), deadline, includeHidden](const TShellNamespace& shell) {
                std::vector<int8_t> holds(ids.size(), 1);
                for (size_t i = 0; i < ids.size() && std::chrono::steady_clock::now() < deadline; ++i) {
                    try {
                        std::string path = shell.PathOf(ids[i]);
                        bool readable = path.empty() || ::access(path.c_str(), R_OK | X_OK) == 0;
                        holds[i] = !readable || shell.HasSubfolders(ids[i], includeHidden);
                    } catch (const std::exception&) {
                        // Gone meanwhile: the button stays, and opening the folder tells.
                    }
                }
                return holds;
            });
        for (size_t i = 0; i < markers.size(); ++i) markers[i] = found[i] != 0;
    } catch (const EShellError&) {
        // The folder's file system did not answer in time: every folder keeps its button.
    }
    return markers;
}

} // namespace

TbsSkinDirTreeView::TbsSkinDirTreeView(TComponent* owner)
    : TbsSkinCustomTreeView(owner), icons_(MakeShellImageList(false)),
      watch_(*this, [this](const TFolderWatcher::TChanges& news) { HearNews(news); })
{
    SetImages(icons_.get());
}

TbsSkinDirTreeView::~TbsSkinDirTreeView()
{
    SetImages(nullptr);
    SetShellListView(nullptr);
    SetShellComboBox(nullptr);
}

void TbsSkinDirTreeView::SetShellAccess(std::shared_ptr<const TShellAccess> access)
{
    access_ = std::move(access);
    SetRoot(root_);
}

void TbsSkinDirTreeView::SetRoot(const std::string& root)
{
    if (!access_) access_ = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>());
    rootFolder_ = TbsShellFolder::FromRootOrPath(access_, root);
    root_ = root;
    ShowRoot();
}

void TbsSkinDirTreeView::SetObjectTypes(TShellObjectTypes types)
{
    if (types == objectTypes_) return;
    objectTypes_ = types;
    if (rootFolder_) ShowRoot();
}

TbsShellFolder::TPtr TbsSkinDirTreeView::NodeFolder(const TTreeNode* node) const
{
    auto found = nodes_.find(node);
    return found == nodes_.end() ? nullptr : found->second.folder;
}

std::string TbsSkinDirTreeView::Path() const
{
    TbsShellFolder::TPtr folder = Folder();
    return folder ? folder->Path() : std::string();
}

std::string TbsSkinDirTreeView::NodeError(const TTreeNode* node) const
{
    auto found = nodes_.find(node);
    return found == nodes_.end() ? std::string() : found->second.error;
}

void TbsSkinDirTreeView::CreateWnd()
{
    TbsSkinCustomTreeView::CreateWnd();
    // A tree placed without a root of its own shows the desktop.
    if (!rootFolder_) SetRoot(root_);
}

void TbsSkinDirTreeView::ShowRoot()
{
    browsing_ = true;
    Items().Clear();
    TTreeNode* root = AddNode(nullptr, rootFolder_, rootFolder_->HasSubfolders());
    root->Expand(false);
    SetSelected(root);
    browsing_ = false;
}

TTreeNode* TbsSkinDirTreeView::AddNode(TTreeNode* parent, const TbsShellFolder::TPtr& folder, bool marker)
{
    TTreeNode* node = Items().AddChild(parent, folder->DisplayName());
    node->SetImageIndex(folder->ImageIndex(false));
    node->SetSelectedIndex(folder->ImageIndex(true));
    node->SetHasChildren(marker);
    nodes_[node] = TNodeInfo{folder, {}, false, false, {}};
    return node;
}

bool TbsSkinDirTreeView::ReadChildren(TTreeNode* node)
{
    TNodeInfo& info = nodes_.at(node);
    info.read = true;
    const TbsShellFolder::TPtr folder = info.folder;
    TShellListingRequest request;
    request.types = TShellObjectTypes(otFolders | (objectTypes_ & otHidden));
    request.mask = "*.*";
    TShellListing listing = ListShellFolder(folder, request);
    info.error = listing.error;
    std::erase_if(listing.items, [](const TbsShellFolder::TPtr& item) { return !item->IsFolder(); });
    const std::vector<bool> markers =
        GuessSubfolders(*folder, listing.items, (objectTypes_ & otHidden) != 0, markerBudget_);

    const TShellAccess& access = folder->ShellFolder();
    Items().BeginUpdate();
    for (size_t i = 0; i < listing.items.size(); ++i) {
        const TbsShellFolder::TPtr& child = listing.items[i];
        TItemIdList target = child->AbsoluteID();
        if (child->Item().attributes & saLink) {
            try {
                target = access.BrowseTarget(folder->AbsoluteID(), child->Item());
            } catch (const EShellError&) {
                // A link that cannot be followed now is shown as a folder; opening it tells.
            }
        }
        const bool loop = target != child->AbsoluteID();
        TTreeNode* added = AddNode(node, child, markers[i] && !loop);
        if (!loop) continue;
        TNodeInfo& linkInfo = nodes_.at(added);
        linkInfo.loopLink = true;
        linkInfo.linkTarget = std::move(target);
        linkInfo.read = true; // its folders are those of a node above it
    }
    Items().EndUpdate();
    if (listing.error.empty()) WatchNode(node);
    if (!listing.error.empty() && OnReadError) OnReadError(this, listing.error);
    return listing.error.empty();
}

TTreeNode* TbsSkinDirTreeView::FindChild(TTreeNode* node, const std::string& relativeId) const
{
    for (int i = 0; i < node->Count(); ++i) {
        TbsShellFolder::TPtr folder = NodeFolder(node->Item(i));
        if (folder && folder->RelativeID() == relativeId) return node->Item(i);
    }
    return nullptr;
}

TTreeNode* TbsSkinDirTreeView::RevealFolder(const TbsShellFolder::TPtr& folder)
{
    TTreeNode* node = Items().GetFirstNode();
    if (!folder || !rootFolder_ || !node || !rootFolder_->AbsoluteID().Contains(folder->AbsoluteID())) return nullptr;
    std::vector<const TbsShellFolder*> chain; // below the root, top first
    for (const TbsShellFolder* p = folder.get(); p && p->Level() > rootFolder_->Level(); p = p->Parent())
        chain.insert(chain.begin(), p);
    auto alive = Guard();
    for (const TbsShellFolder* step : chain) {
        if (!nodes_.at(node).read) ReadChildren(node);
        if (!alive) return nullptr;
        TTreeNode* child = FindChild(node, step->RelativeID());
        // A folder the listing leaves out (a hidden one) still shows when it is asked for.
        if (!child) child = AddNode(node, std::make_shared<const TbsShellFolder>(NodeFolder(node), step->Item()), true);
        node->Expand(false);
        node = child;
    }
    return alive ? node : nullptr;
}

void TbsSkinDirTreeView::SelectPath(const std::string& rootOrPath)
{
    if (!rootFolder_) SetRoot(root_);
    TbsShellFolder::TPtr folder = TbsShellFolder::FromRootOrPath(access_, rootOrPath);
    if (!folder->IsFolder() && folder->SharedParent()) folder = folder->SharedParent();
    TTreeNode* node = RevealFolder(folder);
    if (!node) throw EShellError("Error setting path: \"" + rootOrPath + "\"", "it lies outside the tree's root");
    auto alive = Guard();
    SetSelected(node);
    if (alive) node->Expand(false);
}

void TbsSkinDirTreeView::BrowseTo(const TbsShellFolder::TPtr& folder)
{
    auto alive = Guard();
    browsing_ = true;
    TTreeNode* node = RevealFolder(folder);
    if (node && alive) SetSelected(node);
    if (alive) browsing_ = false;
}

void TbsSkinDirTreeView::RefreshNode(TTreeNode* node)
{
    if (!node || !nodes_.count(node)) return;
    std::vector<TItemIdList> open;
    for (TTreeNode* n = node->GetFirstChild(); n && n->HasAsParent(node); n = n->GetNext())
        if (n->Expanded()) open.push_back(NodeFolder(n)->AbsoluteID());
    TTreeNode* selected = Selected();
    TbsShellFolder::TPtr selectedFolder = selected && (selected == node || selected->HasAsParent(node)) ? Folder() : nullptr;
    // A selected folder that went leaves the selection on its nearest remaining ancestor.
    while (selectedFolder && selectedFolder->Level() > NodeFolder(node)->Level() && !StillThere(*selectedFolder))
        selectedFolder = selectedFolder->SharedParent();
    const bool wasExpanded = node->Expanded();

    auto alive = Guard();
    browsing_ = true;
    Items().BeginUpdate();
    node->DeleteChildren();
    node->SetHasChildren(true);
    ReadChildren(node);
    if (alive && wasExpanded) node->Expand(false);
    for (TTreeNode* n = node->GetFirstChild(); alive && n && n->HasAsParent(node); n = n->GetNext())
        if (std::find(open.begin(), open.end(), NodeFolder(n)->AbsoluteID()) != open.end()) n->Expand(false);
    TTreeNode* reselected = alive && selectedFolder ? RevealFolder(selectedFolder) : nullptr;
    if (alive) Items().EndUpdate();
    if (!alive) return;
    browsing_ = false;
    if (!selectedFolder) return;
    if (reselected) SetSelected(reselected);
    else SetSelected(node);
}

bool TbsSkinDirTreeView::StillThere(const TbsShellFolder& folder) const
{
    try {
        folder.ShellFolder().Describe(folder.AbsoluteID());
        return true;
    } catch (const EShellError&) {
        return false;
    }
}

void TbsSkinDirTreeView::Change(TTreeNode* node)
{
    auto alive = Guard();
    TbsSkinCustomTreeView::Change(node);
    if (alive && !browsing_ && node) SendLinks(node);
}

void TbsSkinDirTreeView::SendLinks(TTreeNode* node)
{
    auto found = nodes_.find(node);
    if (found == nodes_.end()) return;
    TbsShellFolder::TPtr folder = found->second.folder;
    if (found->second.loopLink) {
        try {
            folder = TbsShellFolder::FromIdentity(access_, found->second.linkTarget);
        } catch (const EShellError&) {
            // The target went meanwhile: the linked controls show the link, and why it is empty.
        }
    }
    if (!folder->IsFolder() && folder->SharedParent()) folder = folder->SharedParent();
    auto alive = Guard();
    if (listView_) listView_->BrowseTo(folder);
    if (alive && comboBox_) comboBox_->BrowseTo(folder);
}

bool TbsSkinDirTreeView::CanExpand(TTreeNode* node)
{
    auto alive = Guard();
    if (!TbsSkinCustomTreeView::CanExpand(node) || !alive) return false;
    auto found = nodes_.find(node);
    if (found != nodes_.end() && !found->second.read) ReadChildren(node);
    return bool(alive);
}

void TbsSkinDirTreeView::Delete(TTreeNode* node)
{
    UnwatchNode(node);
    nodes_.erase(node);
    TbsSkinCustomTreeView::Delete(node);
}

void TbsSkinDirTreeView::SetAutoRefresh(bool on)
{
    if (on == autoRefresh_) return;
    autoRefresh_ = on;
    if (!on) {
        watch_.Stop();
        watched_.clear();
        for (auto& [node, info] : nodes_) info.watch = -1;
        return;
    }
    for (TTreeNode* node = Items().GetFirstNode(); node; node = node->GetNext()) {
        auto found = nodes_.find(node);
        if (found != nodes_.end() && found->second.read && found->second.error.empty()) WatchNode(node);
    }
}

void TbsSkinDirTreeView::WatchNode(TTreeNode* node)
{
    TNodeInfo& info = nodes_.at(node);
    // A link up the tree shows the folders of a node above it, which hears for it.
    if (!autoRefresh_ || info.loopLink || info.watch >= 0) return;
    info.watch = watch_.Watch(info.folder->ShellFolder(), *info.folder);
    if (info.watch >= 0) watched_[info.watch] = node;
}

void TbsSkinDirTreeView::UnwatchNode(const TTreeNode* node)
{
    auto found = nodes_.find(node);
    if (found == nodes_.end() || found->second.watch < 0) return;
    const int watch = found->second.watch;
    found->second.watch = -1;
    // Two nodes may show one folder (a link to it): the watch goes with the last of them.
    if (watched_.count(watch) && watched_.at(watch) == node) {
        watched_.erase(watch);
        watch_.Unwatch(watch);
    }
}

void TbsSkinDirTreeView::HearNews(const TFolderWatcher::TChanges& news)
{
    // A folder that went is read again from its parent, which loses its node. Each refresh
    // may delete nodes named later, so every watch is looked up again.
    std::vector<int> folders = news.changed;
    auto readAgain = [&folders](int watch) {
        if (std::find(folders.begin(), folders.end(), watch) == folders.end()) folders.push_back(watch);
    };
    for (int watch : news.gone) {
        auto found = watched_.find(watch);
        if (found == watched_.end()) continue;
        const TTreeNode* parent = found->second->Parent();
        UnwatchNode(found->second);
        if (parent && nodes_.count(parent) && nodes_.at(parent).watch >= 0) readAgain(nodes_.at(parent).watch);
    }
    if (news.overflowed)
        for (const auto& [watch, node] : watched_) readAgain(watch);
    auto alive = Guard();
    for (int watch : folders) {
        auto found = watched_.find(watch);
        if (found == watched_.end()) continue;
        RefreshNode(found->second);
        if (!alive) return;
    }
}

void TbsSkinDirTreeView::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TbsSkinCustomTreeView::KeyDown(key, shift);
    TTreeNode* selected = alive ? Selected() : nullptr;
    if (!selected || (key != VK_BACK && key != VK_F5)) return;
    if (key == VK_F5) RefreshNode(selected);
    else if (selected->Parent()) SetSelected(selected->Parent());
    if (alive) key = 0;
}

void TbsSkinDirTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TTreeNode* node = button == TMouseButton::Right ? GetNodeAt(x, y) : nullptr;
    if (node && (GetHitTestInfoAt(x, y) & (htOnIcon | htOnLabel))) {
        auto alive = Guard();
        SetSelected(node);
        if (!alive) return;
    }
    TbsSkinCustomTreeView::MouseDown(button, shift, x, y);
}

void TbsSkinDirTreeView::SetShellListView(TbsShellBrowser* list) { listView_.Set(*this, list); }
void TbsSkinDirTreeView::SetShellComboBox(TbsShellBrowser* combo) { comboBox_.Set(*this, combo); }

void TbsSkinDirTreeView::Notification(TComponent* component, TOperation operation)
{
    TbsSkinCustomTreeView::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    listView_.Forget(component);
    comboBox_.Forget(component);
}

} // namespace tavrik
