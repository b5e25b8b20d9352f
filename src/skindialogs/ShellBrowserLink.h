#pragma once

#include "skindialogs/ShellBrowser.h"
#include "ui/Component.h"

namespace tavrik {

// One control's link to another browsing control. The linked control's component is kept
// apart from the moment of linking: when that control goes, its free notification arrives
// from a half-destroyed object, which can no longer be asked for its component.
//
// Unlinking keeps the free notification: controls link both ways, and the notification
// between two components is one shared pair, so dropping it for one link would silence the
// other control's link back. A notification about a control no longer linked does nothing.
class TbsShellBrowserLink {
public:
    TbsShellBrowser* Get() const { return browser_; }
    explicit operator bool() const { return browser_ != nullptr; }
    TbsShellBrowser* operator->() const { return browser_; }

    // holder: the control that holds the link and wants the free notification.
    void Set(TComponent& holder, TbsShellBrowser* browser)
    {
        if (browser == browser_) return;
        browser_ = browser;
        component_ = browser ? &browser->BrowserComponent() : nullptr;
        if (component_) holder.FreeNotification(component_);
    }
    // From the holder's Notification: drops the link when the component is the linked one.
    void Forget(const TComponent* component)
    {
        if (component != component_ || !component_) return;
        browser_ = nullptr;
        component_ = nullptr;
    }

private:
    TbsShellBrowser* browser_ = nullptr;
    TComponent* component_ = nullptr;
};

} // namespace tavrik
