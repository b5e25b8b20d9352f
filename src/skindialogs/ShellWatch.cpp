#include "skindialogs/ShellWatch.h"

#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellFolder.h"
#include "ui/Thread.h"
#include "ui/Timer.h"

#include <algorithm>

namespace tavrik {

namespace {

void Merge(std::vector<int>& into, const std::vector<int>& from)
{
    for (int watch : from)
        if (std::find(into.begin(), into.end(), watch) == into.end()) into.push_back(watch);
}

} // namespace

TShellWatch::TShellWatch(TComponent& owner, std::function<void(const TFolderWatcher::TChanges&)> onNews)
    : owner_(owner.Guard()), onNews_(std::move(onNews)), settle_(std::make_unique<TTimer>(nullptr))
{
    settle_->SetEnabled(false);
    settle_->SetInterval(kSettleMs);
    settle_->OnTimer = [this](TComponent*) { SettleTimeUp(); };
}

TShellWatch::~TShellWatch() = default;

int TShellWatch::Watch(const TShellAccess& access, const TbsShellFolder& folder)
{
    if (!watcher_) {
        // The watcher's thread only queues a call; the owner's guard, read on this thread,
        // tells whether anyone is left to hear it.
        TComponentGuard owner = owner_;
        watcher_ = std::make_shared<TFolderWatcher>([this, owner] {
            TThread::Queue([this, owner] {
                if (owner) Heard();
            });
        });
    }
    return access.Watch(watcher_, folder.AbsoluteID());
}

void TShellWatch::Unwatch(int watch)
{
    if (watcher_ && watch >= 0) watcher_->Unwatch(watch);
}

void TShellWatch::Stop()
{
    watcher_.reset();
    settle_->SetEnabled(false);
    pending_ = {};
}

bool TShellWatch::NewsPending() const { return settle_->Enabled(); }

void TShellWatch::Heard()
{
    if (!watcher_) return; // stopped since the call was queued
    TFolderWatcher::TChanges changes = watcher_->TakeChanges();
    if (changes.Empty()) return;
    Merge(pending_.changed, changes.changed);
    Merge(pending_.gone, changes.gone);
    pending_.overflowed = pending_.overflowed || changes.overflowed;
    if (!settle_->Enabled()) settle_->SetEnabled(true);
}

void TShellWatch::SettleTimeUp()
{
    settle_->SetEnabled(false);
    TFolderWatcher::TChanges news = std::move(pending_);
    pending_ = {};
    for (int watch : news.gone) std::erase(news.changed, watch);
    if (!news.Empty()) onNews_(news);
}

} // namespace tavrik
