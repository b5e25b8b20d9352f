#pragma once

#include "shell/ItemIdList.h"
#include "shell/ShellItem.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tavrik {

class TShellAccess;

// One item of the namespace as the browsing controls hold it: the file list keeps one per row,
// the "Look in" box one per entry, the folder tree one per node. An item knows its parent item
// (shared, so that rows keep their folder alive), its identity within the parent and from the
// top, and the namespace it came from, through which it answers every question about itself
// within the access's time limit.
class TbsShellFolder {
public:
    using TPtr = std::shared_ptr<const TbsShellFolder>;

    // The item with that identity and its ancestors up to the desktop. Throws EShellError.
    static TPtr FromIdentity(const std::shared_ptr<const TShellAccess>& access, const TItemIdList& id);
    // A root name such as "rfMyComputer" or a path; a path ending in ':' gets '/' appended.
    // Throws EShellError `Error setting path: "<rootOrPath>"`.
    static TPtr FromRootOrPath(const std::shared_ptr<const TShellAccess>& access, const std::string& rootOrPath);
    // A child as its folder's enumeration described it.
    TbsShellFolder(TPtr parent, TShellItem item);

    const TbsShellFolder* Parent() const { return parent_.get(); }
    const TPtr& SharedParent() const { return parent_; }
    const std::string& RelativeID() const { return item_.id; }
    const TItemIdList& AbsoluteID() const { return absolute_; }
    const TShellAccess& ShellFolder() const { return *access_; }
    const TShellItem& Item() const { return item_; }
    // Number of ancestors: 0 for the desktop.
    int Level() const { return absolute_.Level(); }

    // The parsing name (the file-system path), or the plain display name for items outside the
    // file system, such as "Desktop" and "Computer".
    std::string Path() const;
    // The name as the parent shows it, always valid UTF-8: bytes of a file name that are not
    // UTF-8 show as U+FFFD. The identity keeps the real bytes, so the item still opens.
    const std::string& DisplayName() const { return displayName_; }
    // Archives are files to the dialogs, though a desktop may browse them.
    bool IsFolder() const;
    // Asked once and remembered. A volume answers yes without being touched, so that showing
    // the computer never waits for a stuck drive.
    bool HasSubfolders() const;
    int ImageIndex(bool open) const;
    // The report-view texts in the parent's column order, asked once and remembered; a query
    // that fails gives the name alone.
    const std::vector<std::string>& Details() const;

private:
    TbsShellFolder(std::shared_ptr<const TShellAccess> access, TItemIdList id, TShellItem item, TPtr parent);

    TPtr parent_;
    std::shared_ptr<const TShellAccess> access_;
    TItemIdList absolute_;
    TShellItem item_;
    std::string displayName_;
    mutable std::optional<bool> hasSubfolders_;
    mutable std::optional<std::vector<std::string>> details_;
};

// The name a folder shows for an item, as valid UTF-8; names of items outside the file system
// that start with '?' and a digit (sorting marks) lose every '?'.
std::string ShellDisplayName(const TShellItem& item);

} // namespace tavrik
