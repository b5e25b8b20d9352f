#pragma once

#include "skindialogs/ShellBrowser.h"
#include "ui/Component.h"

#include <string>
#include <vector>

namespace tavrik::testing {

// A linked browsing control that records the paths it was sent to.
class TRecordingBrowser : public TComponent, public TbsShellBrowser {
public:
    explicit TRecordingBrowser(TComponent* owner) : TComponent(owner) {}
    TComponent& BrowserComponent() override { return *this; }
    void BrowseTo(const TbsShellFolder::TPtr& folder) override { paths.push_back(folder->Path()); }
    std::vector<std::string> paths;
};

} // namespace tavrik::testing
