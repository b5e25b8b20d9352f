#pragma once

#include <cstdint>
#include <ctime>
#include <optional>
#include <string>

namespace tavrik {

// What a properties box shows of one item of the namespace.
struct TItemProperties {
    std::string name;
    std::string kind;                   // "Folder", "JPG file", "File"; " (link)" added for a link
    std::string location;               // the folder holding it; "" outside the file system
    std::optional<uint64_t> size;       // files only
    std::optional<std::time_t> modified;
    std::string permissions;            // "rwxr-xr-x"; "" outside the file system
    std::string owner;                  // the user's name, or the number without one
    std::optional<int> itemCount;       // folders only: entries, hidden ones included
    bool countStopped = false;          // there are more than itemCount
};

// Reads a file-system item: its link itself for a link, the target's kind and size otherwise;
// a folder's entries are counted up to countLimit. Throws EShellError when it cannot be read.
TItemProperties ReadItemProperties(const std::string& path, const std::string& displayName, int countLimit);

// "0 bytes", "1 byte", "1,023 bytes", "1.5 KB (1,536 bytes)", "11.8 MB (12,345,678 bytes)",
// with KB, MB, GB and TB of 1024.
std::string FormatReadableSize(uint64_t bytes);
// One "Label: value" line per property that the item has, in local time.
std::string FormatItemProperties(const TItemProperties& properties);

} // namespace tavrik
