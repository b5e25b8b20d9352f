#include "skindialogs/ShellListing.h"

#include "core/FileName.h"
#include "core/Utf8.h"
#include "shell/ShellError.h"
#include "skindialogs/ShellAccess.h"

#include <algorithm>

namespace tavrik {

bool MaskAcceptsFile(std::string_view upperMask, std::string_view fileName)
{
    if (upperMask.find(".*") != std::string_view::npos) return true;
    std::string ext = ExtractFileExt(fileName);
    return !ext.empty() && upperMask.find(UpperCaseAscii(ext)) != std::string_view::npos;
}

TShellListing ListShellFolder(const TbsShellFolder::TPtr& folder, const TShellListingRequest& request)
{
    TShellListing listing;
    const TShellAccess& access = folder->ShellFolder();
    std::vector<TShellItem> items;
    try {
        items = access.Enumerate(folder->AbsoluteID(), request.types);
    } catch (const EShellError& error) {
        listing.error = error.what();
        return listing;
    }
    std::string upperMask = UpperCaseAscii(request.mask);
    listing.items.reserve(items.size());
    for (TShellItem& item : items) {
        auto row = std::make_shared<const TbsShellFolder>(folder, std::move(item));
        if (!row->IsFolder() && !MaskAcceptsFile(upperMask, row->RelativeID())) continue;
        if (request.onAddFolder && !request.onAddFolder(*row)) continue;
        listing.items.push_back(std::move(row));
    }
    // Sorted as rows rather than as items, since an archive is a folder to the namespace but a
    // file here.
    if (request.sorted) {
        const TShellNamespace& shell = access.Shell();
        std::stable_sort(listing.items.begin(), listing.items.end(), [&](const auto& a, const auto& b) {
            if (a->IsFolder() != b->IsFolder()) return a->IsFolder();
            return shell.CompareNames(folder->AbsoluteID(), a->Item(), b->Item()) < 0;
        });
    }
    return listing;
}

} // namespace tavrik
