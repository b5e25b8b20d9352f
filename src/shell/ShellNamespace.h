#pragma once

#include "shell/ItemIdList.h"
#include "shell/MountTable.h"
#include "shell/RootFolder.h"
#include "shell/ShellDetails.h"
#include "shell/ShellEnvironment.h"
#include "shell/ShellItem.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// The tree of folders and files the file dialogs browse, mapped onto a Linux desktop:
//
//   Desktop                      "::{Desktop}"   (the top; not in the file system)
//   +- Home                      the home folder
//   +- <desktop folder>          the XDG desktop folder, when it exists and is not home
//   +- Computer                  "::{Computer}"  (not in the file system)
//      +- File System            "/"
//      +- <volume>               each mounted volume a user cares about (MountTable.h)
//
// Below Home, the desktop folder and the volumes come the folders and files of the file
// system. An item's identity is the list of its parts from the top: the special items above
// use "::{Home}", "::{DesktopFolder}" and "::{Computer}" as parts, volumes their mount point,
// file-system items their file name. The mount table and user-dirs.dirs are read when
// needed, so volumes that come and go are seen at the next enumeration.
//
// Failures throw EShellError with a message for the user; nothing here keeps state between
// calls, so identities stay valid as long as the items exist.
class TShellNamespace {
public:
    explicit TShellNamespace(TShellEnvironment environment = TShellEnvironment());

    const TShellEnvironment& Environment() const { return env_; }

    static constexpr std::string_view kDesktopParsingName = "::{Desktop}";
    static constexpr std::string_view kHomePart = "::{Home}";
    static constexpr std::string_view kDesktopFolderPart = "::{DesktopFolder}";
    static constexpr std::string_view kComputerPart = "::{Computer}";

    static TItemIdList Desktop() { return {}; }
    static TItemIdList Home() { return TItemIdList({std::string(kHomePart)}); }
    // The XDG desktop folder; requests on it throw EShellError while it does not exist.
    static TItemIdList DesktopFolder() { return TItemIdList({std::string(kDesktopFolderPart)}); }
    static TItemIdList Computer() { return TItemIdList({std::string(kComputerPart)}); }
    // The special folder's identity. Throws EShellError `Error setting path: "<name>"` for
    // the roots that have no counterpart here or whose folder does not exist.
    TItemIdList RootFolder(TRootFolder root) const;
    // The identity of an existing absolute path ("." and ".." resolved lexically), or of one
    // of the "::{...}" names that DisplayName gives for parsing. A path is placed below the
    // anchor (home, desktop folder or volume) with the longest matching folder, so a file in
    // the home folder is found below Home. Throws EShellError `Error setting path: "<path>"`.
    TItemIdList ParsePath(std::string_view path) const;
    // A root name such as "rfDesktop", or else a path.
    TItemIdList Resolve(std::string_view rootOrPath) const;

    // The folder's children of the given types, in no particular order (see SortForDisplay).
    // Throws EShellError naming the folder when it cannot be read or is not a folder.
    std::vector<TShellItem> Enumerate(const TItemIdList& folder, TShellObjectTypes types) const;
    // The item as its parent lists it. Throws EShellError when it no longer exists.
    TShellItem Describe(const TItemIdList& item) const;
    // Whether a folder holds folders (hidden ones count only with includeHidden). Reads at
    // most up to the first one; false for unreadable folders.
    bool HasSubfolders(const TItemIdList& folder, bool includeHidden = false) const;
    // In folder and normal names coincide here; for parsing, the path or "::{...}" name.
    std::string DisplayName(const TItemIdList& item, TShellNameKind kind) const;
    // The file-system path, or "" for the desktop and the computer.
    std::string PathOf(const TItemIdList& item) const;

    // The folder's own order of two of its children: the desktop keeps Home, desktop folder,
    // Computer; the computer puts "/" first; elsewhere CompareNatural on the names.
    int CompareNames(const TItemIdList& folder, const TShellItem& a, const TShellItem& b) const;
    // Folders before the other items, each group in the folder's own order.
    void SortForDisplay(const TItemIdList& folder, std::vector<TShellItem>& items) const;

    // The report-view columns of a folder and the texts of one item in its parent's column
    // order (ShellDetails.h); EShellError "Unable to retrieve folder details ..." when a
    // file-system item cannot be queried. An item's icon is ShellImageIndex(item.icon, open).
    std::vector<TShellColumn> Columns(const TItemIdList& folder) const;
    std::vector<std::string> DetailTexts(const TItemIdList& item) const;

    // Renames a file-system item inside its folder and returns its new identity. Never
    // replaces an existing entry. Throws EShellError `Rename to <newName> failed`.
    TItemIdList Rename(const TItemIdList& item, const std::string& newName) const;

    // Creates a folder inside a file-system folder and returns its identity. Throws
    // EFileError naming the path when it cannot be created (it exists, no permission), and
    // EShellError for a parent outside the file system.
    TItemIdList CreateFolder(const TItemIdList& parent, const std::string& name) const;

    // Opens an address with the desktop's handler, detached (ShellLauncher.h).
    bool OpenAddress(std::string_view address) const;

    // The XDG desktop folder, or "" when it is not set apart from home or does not exist.
    std::string DesktopDirectory() const;
    std::vector<TVolume> Volumes() const;

private:
    enum class TPlace : uint8_t { Desktop, Computer, FileSystem };
    struct TLocation {
        TPlace place = TPlace::Desktop;
        std::string path;    // for FileSystem
        bool anchor = false; // Home, the desktop folder or a volume itself
    };

    TLocation Locate(const TItemIdList& item) const;
    TItemIdList FolderIdentity(const std::string& folder, std::string_view requested) const;
    std::string VolumeName(const std::string& mountPoint) const;

    TShellEnvironment env_;
};

} // namespace tavrik
