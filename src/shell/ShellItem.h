#pragma once

#include <cstdint>
#include <string>

namespace tavrik {

// What a folder enumeration returns; combine with |.
enum TShellObjectTypes : uint8_t {
    otFolders = 1,
    otNonFolders = 2,
    otHidden = 4, // names starting with "."; without it they are left out
};
constexpr TShellObjectTypes operator|(TShellObjectTypes a, TShellObjectTypes b)
{
    return TShellObjectTypes(uint8_t(a) | uint8_t(b));
}

// Attributes of an item, as bit flags.
enum TShellAttributes : uint8_t {
    saFolder = 1,     // can be browsed into (directories, links to directories, virtual folders)
    saFileSystem = 2, // has a path in the file system
    saHidden = 4,     // its name starts with "."
    saLink = 8,       // a symbolic link (attributes describe its target)
};

// The three ways of naming an item.
enum class TShellNameKind : uint8_t {
    InFolder,   // as its parent folder shows it
    Normal,     // on its own, as a title shows it
    ForParsing, // the full path, or a "::{...}" identifier for items outside the file system
};

// The artwork an item is drawn with; see ShellIcons.h for the image lists.
enum class TShellIconKind : uint8_t { Desktop, Computer, Home, Drive, Folder, PictureFile, OtherFile };

// One item as its folder lists it.
struct TShellItem {
    std::string id;   // relative identity within the folder
    std::string name; // display name in the folder
    uint8_t attributes = 0;
    TShellIconKind icon = TShellIconKind::OtherFile;

    bool IsFolder() const { return attributes & saFolder; }
    bool IsFileSystem() const { return attributes & saFileSystem; }
    bool IsHidden() const { return attributes & saHidden; }
};

} // namespace tavrik
