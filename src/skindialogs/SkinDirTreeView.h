#pragma once

#include "skincontrols/SkinTreeView.h"
#include "skindialogs/ShellBrowser.h"
#include "skindialogs/ShellBrowserLink.h"
#include "skindialogs/ShellFolder.h"
#include "skindialogs/ShellWatch.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <unordered_map>

namespace tavrik {

class TShellAccess;

// The folder tree of the shell dialogs: a skinned tree view of the namespace's folders,
//
//   Desktop                 <- the root, expanded and selected at first
//   +- Home
//   |  +- pics              <- read when Home first opens
//   +- Desktop
//   +- Computer
//      +- File System
//      +- usb stick
//
// A node's folders are read when it first opens (the root at once), sorted as their folder
// orders them. Whether a new node holds folders is only guessed: a short look on the worker
// answers for as many folders as it reaches within MarkerBudget, the others keep their button
// until they are opened, and volumes are never touched for it, so that a stuck drive neither
// freezes nor slows the tree. A folder that cannot be read opens empty and OnReadError says
// why. A link to the folder holding it, or to one of that folder's ancestors, shows without
// a button (it would only repeat the tree) and sends the linked controls to its target.
//
// Selecting a node sends the linked file list and "Look in" box to its folder. Besides the
// tree's own keys: Backspace selects the parent, F5 reads the selected node's folders again.
//
// With AutoRefresh every node whose folders were read hears of folders made, renamed or
// deleted in it and reads them again (as F5 does), keeping what was open and selected.
class TbsSkinDirTreeView : public TbsSkinCustomTreeView, public TbsShellBrowser {
public:
    static constexpr std::chrono::milliseconds kDefaultMarkerBudget{150};

    explicit TbsSkinDirTreeView(TComponent* owner);
    ~TbsSkinDirTreeView() override;
    const char* ClassName() const override { return "TbsSkinDirTreeView"; }

    // Where the namespace is asked; shared with the linked controls. Setting it shows the root
    // anew.
    const std::shared_ptr<const TShellAccess>& ShellAccess() const { return access_; }
    void SetShellAccess(std::shared_ptr<const TShellAccess> access);
    // A root name such as "rfDesktop" or a path. A root that does not resolve throws
    // EShellError `Error setting path: "<root>"` and keeps the previous one.
    const std::string& Root() const { return root_; }
    void SetRoot(const std::string& root);
    // Folders always; hidden ones too with otHidden.
    TShellObjectTypes ObjectTypes() const { return objectTypes_; }
    void SetObjectTypes(TShellObjectTypes types);
    bool AutoRefresh() const { return autoRefresh_; }
    void SetAutoRefresh(bool on);
    // A change in a read folder was heard; the nodes are read again when the settle time is up.
    bool RefreshPending() const { return watch_.NewsPending(); }
    std::chrono::milliseconds MarkerBudget() const { return markerBudget_; }
    void SetMarkerBudget(std::chrono::milliseconds budget) { markerBudget_ = budget; }

    // The folder a node shows, or none for a node that is not the tree's own.
    TbsShellFolder::TPtr NodeFolder(const TTreeNode* node) const;
    // The selected node's folder, or none.
    TbsShellFolder::TPtr Folder() const { return NodeFolder(Selected()); }
    // The selected folder's path ("" with none); the display name for folders outside the file
    // system, such as "Computer".
    std::string Path() const;
    // Why the node shows no folders: its folder could not be read. "" otherwise.
    std::string NodeError(const TTreeNode* node) const;

    // Resolves a path or root name, expands every node above its folder, selects it and
    // expands it. A folder the tree does not list (a hidden one) gets a node of its own. What
    // does not resolve, or lies outside the root, throws EShellError `Error setting path:
    // "<rootOrPath>"` and leaves the tree as it was.
    void SelectPath(const std::string& rootOrPath);
    // Reads the node's folders again; what was open and selected below it stays so where it
    // still exists.
    void RefreshNode(TTreeNode* node);

    // Selects the folder as SelectPath does, without sending the links on; a folder outside
    // the root changes nothing.
    void BrowseTo(const TbsShellFolder::TPtr& folder) override;
    TComponent& BrowserComponent() override { return *this; }

    TbsShellBrowser* ShellListView() const { return listView_.Get(); }
    void SetShellListView(TbsShellBrowser* list);
    TbsShellBrowser* ShellComboBox() const { return comboBox_.Get(); }
    void SetShellComboBox(TbsShellBrowser* combo);

    void Notification(TComponent* component, TOperation operation) override;

    // A node was opened whose folder could not be read; the message names it and the reason.
    std::function<void(TComponent* Sender, const std::string& Message)> OnReadError;

protected:
    void CreateWnd() override;
    bool CanExpand(TTreeNode* node) override;
    void Delete(TTreeNode* node) override;
    void Change(TTreeNode* node) override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;

private:
    struct TNodeInfo {
        TbsShellFolder::TPtr folder;
        // Where a link that leads back up the tree goes; empty for every other node.
        TItemIdList linkTarget;
        bool loopLink = false;
        bool read = false;
        std::string error;
        int watch = -1;
    };

    void ShowRoot();
    TTreeNode* AddNode(TTreeNode* parent, const TbsShellFolder::TPtr& folder, bool marker);
    // Reads the node's folders into child nodes; false when the folder could not be read.
    bool ReadChildren(TTreeNode* node);
    TTreeNode* FindChild(TTreeNode* node, const std::string& relativeId) const;
    // The node of the folder, opening and adding nodes down to it; null outside the root.
    TTreeNode* RevealFolder(const TbsShellFolder::TPtr& folder);
    void SendLinks(TTreeNode* node);
    bool StillThere(const TbsShellFolder& folder) const;
    void WatchNode(TTreeNode* node);
    void UnwatchNode(const TTreeNode* node);
    void HearNews(const TFolderWatcher::TChanges& news);

    std::shared_ptr<const TShellAccess> access_;
    std::string root_ = "rfDesktop";
    TShellObjectTypes objectTypes_ = otFolders;
    std::chrono::milliseconds markerBudget_ = kDefaultMarkerBudget;
    TbsShellFolder::TPtr rootFolder_;
    std::unordered_map<const TTreeNode*, TNodeInfo> nodes_;
    std::unique_ptr<TImageList> icons_;
    TbsShellBrowserLink listView_;
    TbsShellBrowserLink comboBox_;
    bool browsing_ = false; // selecting from code: the links are not sent on
    bool autoRefresh_ = false;
    TShellWatch watch_;
    std::unordered_map<int, TTreeNode*> watched_; // watch -> the node that asked for it
};

} // namespace tavrik
