#pragma once

#include "shell/FolderWatcher.h"
#include "ui/Component.h"

#include <functional>
#include <memory>

namespace tavrik {

class TShellAccess;
class TTimer;
class TbsShellFolder;

// Watches folders of the namespace for a browsing control and hands it the news on the
// user-interface thread. The first change heard starts a short settle time; every change
// heard until it ends comes in the same news, so a burst (a copy of a thousand files) makes
// the control list again a few times, not once per file. Nothing runs, no thread included,
// until the first folder is watched.
class TShellWatch {
public:
    static constexpr unsigned kSettleMs = 200;

    // owner: the control; the news never reaches it once it is being destroyed.
    TShellWatch(TComponent& owner, std::function<void(const TFolderWatcher::TChanges&)> onNews);
    ~TShellWatch();
    TShellWatch(const TShellWatch&) = delete;
    TShellWatch& operator=(const TShellWatch&) = delete;

    // Through the access's rules, so a folder that does not answer is never watched. The
    // watch's number, or -1.
    int Watch(const TShellAccess& access, const TbsShellFolder& folder);
    void Unwatch(int watch);
    // Forgets every watch and any news not yet handed over.
    void Stop();
    // A change was heard; the news follows when the settle time is up.
    bool NewsPending() const;

private:
    void Heard();
    void SettleTimeUp();

    TComponentGuard owner_;
    std::function<void(const TFolderWatcher::TChanges&)> onNews_;
    std::shared_ptr<TFolderWatcher> watcher_;
    std::unique_ptr<TTimer> settle_;
    TFolderWatcher::TChanges pending_;
};

} // namespace tavrik
