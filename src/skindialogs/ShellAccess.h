#pragma once

#include "shell/ItemProperties.h"
#include "shell/ShellNamespace.h"

#include <chrono>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <thread>
#include <vector>

namespace tavrik {

class TFolderWatcher;

// Asks the namespace on a worker thread and waits at most a time limit for the answer, so that
// a volume that does not answer (a dead network share, a stuck removable drive) never freezes
// the window that asked. A request that runs over the limit fails with EShellError
// `The folder "<name>" does not answer`; its thread is left to finish on its own. While it
// hangs, further requests below the same anchor (the home folder, the desktop folder or one
// volume) fail at once instead of piling up more stuck threads; once it returns, the anchor
// is asked again as usual.
//
// Only the namespace (shared with the worker) and copies of the arguments cross to the worker,
// so a request that outlives its caller touches nothing the caller owned.
class TShellAccess {
public:
    static constexpr std::chrono::milliseconds kDefaultLimit{2000};

    explicit TShellAccess(std::shared_ptr<const TShellNamespace> shell,
                          std::chrono::milliseconds limit = kDefaultLimit);

    const TShellNamespace& Shell() const { return *shell_; }
    std::chrono::milliseconds Limit() const { return limit_; }

    std::vector<TShellItem> Enumerate(const TItemIdList& folder, TShellObjectTypes types) const;
    TShellItem Describe(const TItemIdList& item) const;
    bool HasSubfolders(const TItemIdList& folder) const;
    std::vector<std::string> DetailTexts(const TItemIdList& item) const;
    // A root name such as "rfDesktop", or else an absolute path.
    TItemIdList Resolve(const std::string& rootOrPath) const;
    // The identity to browse when a folder item is opened: the item itself, except for a link
    // whose target is the folder holding the link or one of its ancestors. Following such a
    // link would only grow the path around a loop, so it leads to the target's own place.
    TItemIdList BrowseTarget(const TItemIdList& folder, const TShellItem& item) const;
    // Has the watcher watch a file-system folder's entries: the watch's number, or -1 for a
    // folder outside the file system, one that cannot be watched, or one that does not answer
    // (no EShellError: a list that hears no news still works).
    int Watch(const std::shared_ptr<TFolderWatcher>& watcher, const TItemIdList& folder) const;
    // What a properties box shows of the item; a folder's entries are counted up to
    // kPropertiesCountLimit. Throws EShellError.
    static constexpr int kPropertiesCountLimit = 10000;
    TItemProperties Properties(const TItemIdList& item, const std::string& displayName) const;

    // Runs work(Shell()) on a worker thread for a request about `where` and returns its result
    // or rethrows its exception. The primitive the requests above are made of.
    template <class T>
    T Ask(const TItemIdList& where, std::function<T(const TShellNamespace&)> work) const;

    // Requests whose threads have not ended yet, over every TShellAccess of the process.
    static int RequestsRunning();

private:
    struct TState; // shared with the workers: the anchors that hang, the running count

    // Starts job on a worker; true when it ended within the limit.
    bool RunWithinLimit(const TItemIdList& where, std::function<void()> job) const;
    [[noreturn]] void ThrowNotAnswering(const TItemIdList& where) const;

    std::shared_ptr<const TShellNamespace> shell_;
    std::chrono::milliseconds limit_;
    std::shared_ptr<TState> state_;
};

template <class T>
T TShellAccess::Ask(const TItemIdList& where, std::function<T(const TShellNamespace&)> work) const
{
    struct TOutcome {
        std::optional<T> value;
        std::exception_ptr error;
    };
    auto outcome = std::make_shared<TOutcome>();
    auto shell = shell_;
    bool ended = RunWithinLimit(where, [outcome, shell, work = std::move(work)] {
        try {
            outcome->value.emplace(work(*shell));
        } catch (...) {
            outcome->error = std::current_exception();
        }
    });
    if (!ended) ThrowNotAnswering(where);
    if (outcome->error) std::rethrow_exception(outcome->error);
    return std::move(*outcome->value);
}

} // namespace tavrik
