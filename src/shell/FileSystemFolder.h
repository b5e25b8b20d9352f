#pragma once

#include "shell/ShellItem.h"

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// The file-system side of the namespace: folders and files under a path. Items found here
// carry their file name as both identity and display name.

// The folder's entries of the requested types, in directory order. Links are followed: a link
// to a folder is a folder. Entries that vanish while being read, broken links and link loops
// are skipped. Throws EShellError naming the path when the folder cannot be read.
std::vector<TShellItem> EnumerateDirectory(const std::string& path, TShellObjectTypes types);

// The entry at path as its folder would list it. Throws EShellError naming the path when it
// does not exist or cannot be reached (broken links included).
TShellItem DescribeFileSystemEntry(const std::string& path);

// Whether the folder holds at least one folder of the given kind (hidden ones only with
// includeHidden). Reads no further than the first one; an unreadable folder has none.
bool DirectoryHasSubfolders(const std::string& path, bool includeHidden);

// Creates folder/name (permissions as the umask allows). Throws EFileError naming the path
// when name is not a plain file name, the entry exists or the system refuses.
void CreateDirectory(const std::string& folder, const std::string& name);

// Renames folder/oldName to folder/newName without ever replacing an existing entry.
// Throws EShellError "Rename to <newName> failed" when the name is not a plain file name or
// the system refuses.
void RenameEntry(const std::string& folder, const std::string& oldName, const std::string& newName);

// A plain file name: not empty, not "." or "..", without '/' or NUL.
bool IsPlainFileName(std::string_view name);
// The picture-file artwork for the picture extensions (any case), the other-file one else.
TShellIconKind IconForFileName(std::string_view name);

} // namespace tavrik
