#include "skindialogs/ShellAccess.h"

#include "shell/FolderWatcher.h"
#include "shell/ShellError.h"
#include "shell/ShellPath.h"

#include <atomic>
#include <climits>
#include <cstdlib>

namespace tavrik {

namespace {

std::atomic<int> requestsRunning{0};

// The part of the namespace one stuck file system takes down with it: a volume, the home
// folder or the desktop folder. The desktop and the computer live with the home folder, whose
// settings they read.
std::string AnchorOf(const TItemIdList& where)
{
    const std::vector<std::string>& parts = where.Parts();
    if (parts.empty()) return std::string(TShellNamespace::kHomePart);
    if (parts[0] == TShellNamespace::kComputerPart)
        return parts.size() > 1 ? parts[1] : std::string(TShellNamespace::kHomePart);
    return parts[0];
}

// A name for the message that needs no request of its own, which could hang again.
std::string NameWithoutAsking(const TItemIdList& where)
{
    if (where.IsDesktop()) return "Desktop";
    const std::string& last = where.Last();
    if (last == TShellNamespace::kHomePart) return "Home";
    if (last == TShellNamespace::kDesktopFolderPart) return "Desktop folder";
    if (last == TShellNamespace::kComputerPart) return "Computer";
    return last;
}

std::string RealPath(const std::string& path)
{
    char buffer[PATH_MAX];
    return ::realpath(path.c_str(), buffer) ? std::string(buffer) : std::string();
}

} // namespace

struct TShellAccess::TState {
    std::mutex mutex;
    std::set<std::string> hanging;
};

TShellAccess::TShellAccess(std::shared_ptr<const TShellNamespace> shell, std::chrono::milliseconds limit)
    : shell_(std::move(shell)), limit_(limit), state_(std::make_shared<TState>())
{
}

int TShellAccess::RequestsRunning() { return requestsRunning.load(); }

bool TShellAccess::RunWithinLimit(const TItemIdList& where, std::function<void()> job) const
{
    std::string anchor = AnchorOf(where);
    {
        std::lock_guard lock(state_->mutex);
        if (state_->hanging.count(anchor)) return false;
    }
    struct TDone {
        std::mutex mutex;
        std::condition_variable signal;
        bool done = false;
        bool late = false; // the caller gave up; the worker clears the anchor when it ends
    };
    auto done = std::make_shared<TDone>();
    requestsRunning.fetch_add(1);
    std::thread([done, state = state_, anchor, job = std::move(job)] {
        job();
        bool late = false;
        {
            std::lock_guard lock(done->mutex);
            done->done = true;
            late = done->late;
        }
        done->signal.notify_one();
        if (late) {
            std::lock_guard lock(state->mutex);
            state->hanging.erase(anchor);
        }
        requestsRunning.fetch_sub(1);
    }).detach();

    std::unique_lock lock(done->mutex);
    if (done->signal.wait_for(lock, limit_, [&] { return done->done; })) return true;
    done->late = true;
    std::lock_guard hangingLock(state_->mutex);
    state_->hanging.insert(anchor);
    return false;
}

void TShellAccess::ThrowNotAnswering(const TItemIdList& where) const
{
    throw EShellError("The folder \"" + NameWithoutAsking(where) + "\" does not answer",
                      "its file system did not answer in time");
}

std::vector<TShellItem> TShellAccess::Enumerate(const TItemIdList& folder, TShellObjectTypes types) const
{
    return Ask<std::vector<TShellItem>>(folder, [folder, types](const TShellNamespace& shell) {
        return shell.Enumerate(folder, types);
    });
}

TShellItem TShellAccess::Describe(const TItemIdList& item) const
{
    return Ask<TShellItem>(item, [item](const TShellNamespace& shell) { return shell.Describe(item); });
}

bool TShellAccess::HasSubfolders(const TItemIdList& folder) const
{
    return Ask<bool>(folder, [folder](const TShellNamespace& shell) { return shell.HasSubfolders(folder); });
}

std::vector<std::string> TShellAccess::DetailTexts(const TItemIdList& item) const
{
    return Ask<std::vector<std::string>>(item,
                                         [item](const TShellNamespace& shell) { return shell.DetailTexts(item); });
}

TItemIdList TShellAccess::Resolve(const std::string& rootOrPath) const
{
    // Which file system the path lies on is not known before it is resolved; the request is
    // counted against the home folder unless the path names a volume's folder.
    TItemIdList where;
    for (const TVolume& volume : shell_->Volumes())
        if (volume.mountPoint != "/" && IsPathUnder(NormaliseAbsolutePath(rootOrPath), volume.mountPoint))
            where = TItemIdList({std::string(TShellNamespace::kComputerPart), volume.mountPoint});
    return Ask<TItemIdList>(where, [rootOrPath](const TShellNamespace& shell) { return shell.Resolve(rootOrPath); });
}

TItemIdList TShellAccess::BrowseTarget(const TItemIdList& folder, const TShellItem& item) const
{
    TItemIdList child = folder.Child(item.id);
    if (!(item.attributes & saLink)) return child;
    return Ask<TItemIdList>(child, [folder, child](const TShellNamespace& shell) {
        std::string target = RealPath(shell.PathOf(child));
        std::string holder = RealPath(shell.PathOf(folder));
        if (target.empty() || holder.empty() || !IsPathUnder(holder, target)) return child;
        return shell.ParsePath(target);
    });
}

int TShellAccess::Watch(const std::shared_ptr<TFolderWatcher>& watcher, const TItemIdList& folder) const
{
    try {
        // The watcher rides along: a request left hanging may still add its watch later.
        return Ask<int>(folder, [watcher, folder](const TShellNamespace& shell) {
            std::string path = shell.PathOf(folder);
            return path.empty() ? -1 : watcher->Watch(path);
        });
    } catch (const EShellError&) {
        return -1;
    }
}

TItemProperties TShellAccess::Properties(const TItemIdList& item, const std::string& displayName) const
{
    return Ask<TItemProperties>(item, [item, displayName](const TShellNamespace& shell) {
        std::string path = shell.PathOf(item);
        if (!path.empty()) return ReadItemProperties(path, displayName, kPropertiesCountLimit);
        // The desktop and the computer: folders outside the file system.
        TItemProperties properties;
        properties.name = displayName;
        properties.kind = "Folder";
        properties.itemCount = int(shell.Enumerate(item, otFolders | otNonFolders).size());
        return properties;
    });
}

} // namespace tavrik
