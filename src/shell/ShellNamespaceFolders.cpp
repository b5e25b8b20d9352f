#include "core/FileName.h"
#include "shell/FileSystemFolder.h"
#include "shell/NaturalCompare.h"
#include "shell/ShellError.h"
#include "shell/ShellNamespace.h"
#include "shell/ShellPath.h"

#include <algorithm>

namespace tavrik {

namespace {

TShellItem VirtualFolder(std::string id, std::string name, uint8_t attributes, TShellIconKind icon)
{
    return TShellItem{std::move(id), std::move(name), uint8_t(saFolder | attributes), icon};
}

// The desktop shows its few items in a fixed order rather than by name.
int DesktopRank(const TShellItem& item)
{
    if (item.id == TShellNamespace::kHomePart) return 0;
    if (item.id == TShellNamespace::kDesktopFolderPart) return 1;
    return 2;
}

} // namespace

std::vector<TShellItem> TShellNamespace::Enumerate(const TItemIdList& folder, TShellObjectTypes types) const
{
    TLocation location = Locate(folder);
    if (location.place == TPlace::FileSystem) return EnumerateDirectory(location.path, types);
    std::vector<TShellItem> items;
    if (!(types & otFolders)) return items;
    if (location.place == TPlace::Desktop) {
        items.push_back(Describe(Home()));
        if (!DesktopDirectory().empty()) items.push_back(Describe(DesktopFolder()));
        items.push_back(Describe(Computer()));
        return items;
    }
    for (TVolume& volume : Volumes())
        items.push_back(
            VirtualFolder(std::move(volume.mountPoint), std::move(volume.name), saFileSystem, TShellIconKind::Drive));
    return items;
}

TShellItem TShellNamespace::Describe(const TItemIdList& item) const
{
    TLocation location = Locate(item);
    switch (location.place) {
    case TPlace::Desktop: return VirtualFolder("", "Desktop", 0, TShellIconKind::Desktop);
    case TPlace::Computer: return VirtualFolder(item.Last(), "Computer", 0, TShellIconKind::Computer);
    case TPlace::FileSystem: break;
    }
    if (!location.anchor) {
        TShellItem found = DescribeFileSystemEntry(location.path);
        found.id = found.name = item.Last();
        return found;
    }
    TShellIconKind icon = item.Level() == 2 ? TShellIconKind::Drive
                          : item.Last() == kHomePart ? TShellIconKind::Home
                                                     : TShellIconKind::Desktop;
    return VirtualFolder(item.Last(), DisplayName(item, TShellNameKind::InFolder), saFileSystem, icon);
}

bool TShellNamespace::HasSubfolders(const TItemIdList& folder, bool includeHidden) const
{
    TLocation location = Locate(folder);
    return location.place != TPlace::FileSystem || DirectoryHasSubfolders(location.path, includeHidden);
}

int TShellNamespace::CompareNames(const TItemIdList& folder, const TShellItem& a, const TShellItem& b) const
{
    if (folder.IsDesktop()) return DesktopRank(a) - DesktopRank(b);
    if (folder == Computer() && (a.id == "/") != (b.id == "/")) return a.id == "/" ? -1 : 1;
    return CompareNatural(a.name, b.name);
}

void TShellNamespace::SortForDisplay(const TItemIdList& folder, std::vector<TShellItem>& items) const
{
    std::stable_sort(items.begin(), items.end(), [&](const TShellItem& a, const TShellItem& b) {
        if (a.IsFolder() != b.IsFolder()) return a.IsFolder();
        return CompareNames(folder, a, b) < 0;
    });
}

std::vector<TShellColumn> TShellNamespace::Columns(const TItemIdList& folder) const
{
    return Locate(folder).place == TPlace::FileSystem ? FileSystemColumns() : VirtualFolderColumns();
}

std::vector<std::string> TShellNamespace::DetailTexts(const TItemIdList& item) const
{
    std::string name = DisplayName(item, TShellNameKind::InFolder);
    if (Locate(item.Parent()).place != TPlace::FileSystem) return {name};
    return FileSystemDetailTexts(Locate(item).path, name);
}

TItemIdList TShellNamespace::Rename(const TItemIdList& item, const std::string& newName) const
{
    TLocation location = Locate(item);
    if (location.place != TPlace::FileSystem || location.anchor)
        throw EShellError("Rename to " + newName + " failed", "this item cannot be renamed");
    RenameEntry(ExtractFileDir(location.path), item.Last(), newName);
    return item.Parent().Child(newName);
}

TItemIdList TShellNamespace::CreateFolder(const TItemIdList& parent, const std::string& name) const
{
    TLocation location = Locate(parent);
    if (location.place != TPlace::FileSystem)
        throw EShellError("Cannot create a folder in " + DisplayName(parent, TShellNameKind::Normal));
    CreateDirectory(location.path, name);
    return parent.Child(name);
}

} // namespace tavrik
