#pragma once

#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

namespace tavrik {

enum class TShellColumnAlignment : uint8_t { Left, Right, Center };

// One column of a folder's report view; its pixel width is widthInChars x the width of "X"
// in the list's font.
struct TShellColumn {
    std::string title;
    TShellColumnAlignment alignment = TShellColumnAlignment::Left;
    int widthInChars = 0;
    friend bool operator==(const TShellColumn&, const TShellColumn&) = default;
};

// "Name", "Size", "Type", "Modified" for folders of the file system.
std::vector<TShellColumn> FileSystemColumns();
// "Name" alone, for the desktop and the computer.
std::vector<TShellColumn> VirtualFolderColumns();

// The column texts of one file-system entry, in FileSystemColumns order: the display name,
// the size in bytes, the extension as written (".JPG") and the last change as local
// "yyyy-mm-dd hh:nn" (16 characters, so that it fits the 14 "X" widths of its column; the
// digits are narrower than "X"). Size and type stay empty for folders, which have neither.
// Throws EShellError "Unable to retrieve folder details for "<name>". Error code $<hex>"
// with the system's error number when the entry cannot be queried.
std::vector<std::string> FileSystemDetailTexts(const std::string& path, const std::string& displayName);

std::string FormatFileSize(uint64_t bytes);
std::string FormatModified(const std::tm& local);
std::string FormatModified(std::time_t when); // in the local time zone

} // namespace tavrik
