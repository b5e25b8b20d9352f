#pragma once

#include "skincontrols/SkinListView.h"
#include "skindialogs/ShellBrowserLink.h"
#include "skindialogs/ShellListing.h"
#include "skindialogs/ShellWatch.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TImageList;
class TShellAccess;
class TbsSkinEdit;

// The file dialog's list of one folder: a skinned virtual list view with one TbsShellFolder
// per row, whose caption, icon and report texts are made when the row is shown. Folders come
// first, then the files that pass Mask, each group in the folder's own order.
//
//   input                         | what happens
//   ------------------------------+-----------------------------------------------------------
//   double-click, Enter on folder | opens it (double-click only with AutoNavigate)
//   Backspace                     | the parent folder (the desktop stays where it is)
//   F5                            | lists again and selects the row selected before, if still there
//   F2                            | edits the focused row's name; Enter renames, Esc cancels
//   Alt+Enter                     | the focused row's properties in a message box
//   letters                       | the next row from the focused one whose name starts with
//                                 | the typed text, ignoring case, wrapping around
//
// A folder that cannot be read, or that does not answer within the shell access's limit,
// shows as empty with the reason written across the list (ListingError).
//
// With AutoRefresh the list hears of changes in its folder and lists it again shortly after,
// keeping the selected and focused rows, the scroll position, a name being edited and the
// typed search; when the folder itself goes, the list goes to its nearest parent that is left.
class TbsSkinFileListView : public TbsSkinCustomListView, public TbsShellBrowser {
public:
    explicit TbsSkinFileListView(TComponent* owner);
    ~TbsSkinFileListView() override;
    const char* ClassName() const override { return "TbsSkinFileListView"; }

    // Where the namespace is asked; shared with the linked controls. Set it before Root.
    const std::shared_ptr<const TShellAccess>& ShellAccess() const { return access_; }
    void SetShellAccess(std::shared_ptr<const TShellAccess> access);
    // A root name such as "rfDesktop" or a path, shown at once. One that does not resolve
    // throws EShellError `Error setting path: "<root>"` and keeps the previous root.
    const std::string& Root() const { return root_; }
    void SetRoot(const std::string& root);
    TShellObjectTypes ObjectTypes() const { return request_.types; }
    void SetObjectTypes(TShellObjectTypes types);
    // Masks such as "*.jpg;*.jpeg;*.bmp"; see MaskAcceptsFile.
    const std::string& Mask() const { return request_.mask; }
    void SetMask(const std::string& mask);
    bool Sorted() const { return request_.sorted; }
    void SetSorted(bool on);
    bool AutoRefresh() const { return autoRefresh_; }
    void SetAutoRefresh(bool on);
    // A change in the folder was heard and the list lists again when the settle time is up.
    bool RefreshPending() const { return watch_.NewsPending(); }
    bool AutoNavigate() const { return autoNavigate_; }
    void SetAutoNavigate(bool on) { autoNavigate_ = on; }
    // May reject any item; read at the next listing.
    std::function<bool(const TbsShellFolder&)>& OnAddFolder() { return request_.onAddFolder; }
    // After every change of folder, whoever caused it.
    TNotifyEvent OnFolderChange;

    // The folder shown, or none before a root is set.
    const TbsShellFolder::TPtr& Folder() const { return folder_; }
    std::string FolderPath() const;
    // Shows a path or root name; throws EShellError `Error setting path: "<path>"`.
    void SetPath(const std::string& path);
    // Shows the folder and sends the linked controls there; the folder shown now does nothing.
    void GoTo(const TbsShellFolder::TPtr& folder);
    void GoUp();
    // Lists the folder again, keeping the selected row selected while it exists.
    void Refresh();

    int RowCount() const { return int(rows_.size()); }
    const TbsShellFolder::TPtr& Row(int index) const { return rows_.at(size_t(index)); }
    // The first row whose caption is exactly name, or -1.
    int IndexOfName(const std::string& name) const;
    // Why the folder shows empty, or "" when it was read.
    const std::string& ListingError() const { return listingError_; }
    // The path of the first selected row when it is a file; "" for a folder or no selection.
    std::string SelectedPath();
    // The paths of all selected files, in list order.
    std::vector<std::string> SelectedPaths();

    // Renames the row's item in place; never replaces another entry. Throws EShellError
    // `Rename to <name> failed` and leaves the list as it was.
    void RenameRow(int index, const std::string& newName);
    // Opens the name editor over the row; false when the row cannot be renamed.
    bool EditCaption(int index);
    bool IsEditing() const;
    // Name, kind, size, place, time of the last change, permissions and owner, or a
    // folder's number of entries, in an information box.
    void ShowProperties(int index);

    // Shows the folder without sending the links on (they sent us here).
    void BrowseTo(const TbsShellFolder::TPtr& folder) override;
    TComponent& BrowserComponent() override { return *this; }
    TbsShellBrowser* ShellComboBox() const { return comboBox_.Get(); }
    void SetShellComboBox(TbsShellBrowser* combo);
    TbsShellBrowser* ShellTreeView() const { return treeView_.Get(); }
    void SetShellTreeView(TbsShellBrowser* tree);

    void Notification(TComponent* component, TOperation operation) override;
    void WndProc(TMessage& message) override;

protected:
    void DblClick() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void Paint() override;

private:
    // By value: the folder may be the parent that only the folder shown now keeps alive.
    void ShowFolder(TbsShellFolder::TPtr folder, bool sendLinks);
    void Fill();
    void FillRow(TListItem* item);
    void RebuildColumns();
    void OpenRow(int index);
    void FinishEditing(bool rename);
    // Watching (SkinFileListViewRefresh.cpp).
    void WatchFolder();
    void HearNews(const TFolderWatcher::TChanges& news);
    void ListAgain();
    void GoToNearestFolderLeft();

    std::unique_ptr<TImageList> smallIcons_;
    std::unique_ptr<TImageList> largeIcons_;
    std::shared_ptr<const TShellAccess> access_;
    std::string root_ = "rfDesktop";
    TShellListingRequest request_;
    bool autoNavigate_ = true;
    bool autoRefresh_ = false;
    TShellWatch watch_;
    int folderWatch_ = -1;
    TbsShellFolder::TPtr folder_;
    std::vector<TbsShellFolder::TPtr> rows_;
    std::string listingError_;
    TbsSkinEdit* editor_ = nullptr;
    int editedRow_ = -1;
    std::string typed_;
    uint64_t lastTyped_ = 0;
    TbsShellBrowserLink comboBox_;
    TbsShellBrowserLink treeView_;
};

} // namespace tavrik
