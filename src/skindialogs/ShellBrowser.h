#pragma once

#include "skindialogs/ShellFolder.h"

namespace tavrik {

class TComponent;

// A browsing control that a linked one can send to a folder: the file list, the folder tree
// and the "Look in" box link to each other through it. The component is the control itself;
// a link holds a free notification on it, so that a control that goes clears its links.
class TbsShellBrowser {
public:
    virtual TComponent& BrowserComponent() = 0;
    // Shows the folder without sending the links on again.
    virtual void BrowseTo(const TbsShellFolder::TPtr& folder) = 0;

protected:
    ~TbsShellBrowser() = default;
};

} // namespace tavrik
