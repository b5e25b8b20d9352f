#include "skindialogs/ShellFolder.h"

#include "core/FileName.h"
#include "core/Utf8.h"
#include "shell/ShellError.h"
#include "shell/ShellIcons.h"
#include "skindialogs/ShellAccess.h"

#include <algorithm>

namespace tavrik {

namespace {

bool StartsWithClassId(std::string_view name) { return name.starts_with("::{"); }

} // namespace

std::string ShellDisplayName(const TShellItem& item)
{
    std::string name = Utf32ToUtf8(Utf8ToUtf32(item.name));
    bool sortingMark = name.size() > 1 && name[0] == '?' && name[1] >= '0' && name[1] <= '9';
    if (sortingMark && !item.IsFileSystem()) std::erase(name, '?');
    return name;
}

TbsShellFolder::TbsShellFolder(std::shared_ptr<const TShellAccess> access, TItemIdList id, TShellItem item,
                               TPtr parent)
    : parent_(std::move(parent)), access_(std::move(access)), absolute_(std::move(id)), item_(std::move(item)),
      displayName_(ShellDisplayName(item_))
{
}

TbsShellFolder::TbsShellFolder(TPtr parent, TShellItem item)
    : parent_(std::move(parent)), access_(parent_->access_), absolute_(parent_->absolute_.Child(item.id)),
      item_(std::move(item)), displayName_(ShellDisplayName(item_))
{
}

TbsShellFolder::TPtr TbsShellFolder::FromIdentity(const std::shared_ptr<const TShellAccess>& access,
                                                  const TItemIdList& id)
{
    TPtr parent = id.IsDesktop() ? nullptr : FromIdentity(access, id.Parent());
    return TPtr(new TbsShellFolder(access, id, access->Describe(id), std::move(parent)));
}

TbsShellFolder::TPtr TbsShellFolder::FromRootOrPath(const std::shared_ptr<const TShellAccess>& access,
                                                    const std::string& rootOrPath)
{
    std::string request = rootOrPath.ends_with(':') ? rootOrPath + "/" : rootOrPath;
    TItemIdList id;
    try {
        id = access->Resolve(request);
    } catch (const EShellError& error) {
        // The message names what the caller asked for, not the form it was resolved in.
        throw EShellError("Error setting path: \"" + rootOrPath + "\"", error.Reason());
    }
    return FromIdentity(access, id);
}

std::string TbsShellFolder::Path() const
{
    std::string parsing = access_->Shell().DisplayName(absolute_, TShellNameKind::ForParsing);
    return StartsWithClassId(parsing) ? displayName_ : parsing;
}

bool TbsShellFolder::IsFolder() const
{
    return item_.IsFolder() && UpperCaseAscii(ExtractFileExt(item_.id)) != ".ZIP";
}

bool TbsShellFolder::HasSubfolders() const
{
    if (!hasSubfolders_) {
        bool volume = Level() == 2 && absolute_.Parts()[0] == TShellNamespace::kComputerPart;
        if (!IsFolder()) hasSubfolders_ = false;
        else if (volume) hasSubfolders_ = true;
        else {
            try {
                hasSubfolders_ = access_->HasSubfolders(absolute_);
            } catch (const EShellError&) {
                // A folder that cannot be asked keeps its marker; opening it tells why it is empty.
                hasSubfolders_ = true;
            }
        }
    }
    return *hasSubfolders_;
}

int TbsShellFolder::ImageIndex(bool open) const { return ShellImageIndex(item_.icon, open); }

const std::vector<std::string>& TbsShellFolder::Details() const
{
    if (!details_) {
        try {
            details_ = access_->DetailTexts(absolute_);
            if (!details_->empty()) details_->front() = displayName_;
        } catch (const EShellError&) {
            details_ = std::vector<std::string>{displayName_};
        }
    }
    return *details_;
}

} // namespace tavrik
