#pragma once

#include "skincontrols/SkinComboBox.h"
#include "skindialogs/ShellBrowserLink.h"
#include "skindialogs/ShellFolder.h"

#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TShellAccess;

// The "Look in" box of the file dialog: a skinned combo box whose entries are the root folder
// (level 0), the root's folders sorted (level 1) and, under the desktop, the computer's
// volumes after the computer (level 2). Showing a folder adds the folder and its missing
// ancestors below the deepest entry that holds it, each one level deeper, and selects it:
//
//   Desktop
//     Home
//       pics            <- ancestors of the shown folder
//         2024          <- the shown folder
//     Desktop
//     Computer
//       File System
//       usb stick
//
// Entries are drawn with the namespace's small icon, indented by half an icon per level in
// the open list. Choosing an entry sends the linked list and tree to that folder.
class TbsSkinShellComboBox : public TbsSkinComboBox, public TbsShellBrowser {
public:
    explicit TbsSkinShellComboBox(TComponent* owner);
    ~TbsSkinShellComboBox() override;
    const char* ClassName() const override { return "TbsSkinShellComboBox"; }

    // Where the namespace is asked; to be set before Root. Shared with the linked controls.
    const std::shared_ptr<const TShellAccess>& ShellAccess() const { return access_; }
    void SetShellAccess(std::shared_ptr<const TShellAccess> access);
    // A root name such as "rfDesktop" or a path; shows the root itself. A root that does not
    // resolve throws EShellError `Error setting path: "<root>"` and keeps the previous one.
    const std::string& Root() const { return root_; }
    void SetRoot(const std::string& root);
    TShellObjectTypes ObjectTypes() const { return objectTypes_; }
    void SetObjectTypes(TShellObjectTypes types);

    int EntryCount() const { return int(entries_.size()); }
    const TbsShellFolder::TPtr& EntryFolder(int index) const { return entries_.at(size_t(index)).folder; }
    int EntryLevel(int index) const { return entries_.at(size_t(index)).level; }
    // The selected entry's folder, or none.
    TbsShellFolder::TPtr Folder() const;
    // The selected folder's path ("" with none).
    std::string Path() const;

    // Shows the folder as described above, without sending the links on.
    void BrowseTo(const TbsShellFolder::TPtr& folder) override;
    TComponent& BrowserComponent() override { return *this; }

    TbsShellBrowser* ShellListView() const { return listView_.Get(); }
    void SetShellListView(TbsShellBrowser* list);
    TbsShellBrowser* ShellTreeView() const { return treeView_.Get(); }
    void SetShellTreeView(TbsShellBrowser* tree);

    void Notification(TComponent* component, TOperation operation) override;

protected:
    void SelectionChanged() override;

private:
    struct TEntry {
        TbsShellFolder::TPtr folder;
        int level = 0;
    };

    void Rebuild();
    void ShowEntries(int selected);
    void AddChildFolders(const TbsShellFolder::TPtr& folder, int level);
    void DrawEntry(TCanvas& canvas, int index, TRect text, bool indented);

    std::shared_ptr<const TShellAccess> access_;
    std::string root_ = "rfDesktop";
    TShellObjectTypes objectTypes_ = otFolders;
    TbsShellFolder::TPtr rootFolder_;
    std::vector<TEntry> base_;    // root and its folders, as a fresh box lists them
    std::vector<TEntry> entries_; // what the box shows now
    std::unique_ptr<TImageList> icons_;
    TbsShellBrowserLink listView_;
    TbsShellBrowserLink treeView_;
    bool showing_ = false; // selecting from code: the links are not sent on
};

} // namespace tavrik
