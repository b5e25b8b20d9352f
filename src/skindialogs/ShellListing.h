#pragma once

#include "skindialogs/ShellFolder.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// What a file list shows of one folder.
struct TShellListing {
    std::vector<TbsShellFolder::TPtr> items;
    // Why the folder shows empty when it could not be read ("Cannot read folder ...",
    // "... does not answer"); empty when it was read.
    std::string error;
};

struct TShellListingRequest {
    TShellObjectTypes types = otFolders | otNonFolders;
    std::string mask = "*.*|*.*";
    bool sorted = true;
    // May reject any item; every item is kept without it.
    std::function<bool(const TbsShellFolder&)> onAddFolder;
};

// The folder's children of the requested types that pass the mask (folders always do), in
// the folder's own order with folders first when sorted. A folder that cannot be read or does
// not answer lists as empty with the reason in error; nothing is thrown.
TShellListing ListShellFolder(const TbsShellFolder::TPtr& folder, const TShellListingRequest& request);

// Whether a file passes a mask: always when the mask holds ".*"; else when the name's
// extension, dot included, occurs anywhere in the mask, both upper-cased. A file without an
// extension passes only a mask with ".*". upperMask is the mask already upper-cased.
bool MaskAcceptsFile(std::string_view upperMask, std::string_view fileName);

} // namespace tavrik
