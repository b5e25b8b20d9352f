#pragma once

#include "shell/ShellNamespace.h"
#include "shell/ShellTestTree.h"
#include "skindialogs/ShellAccess.h"

#include <chrono>
#include <memory>

namespace tavrik::test {

// The shell access the dialog tests browse a test tree with. A request gives up only after a
// minute, so that a heavily loaded machine never turns a slow answer into a folder that "does
// not answer"; the tests of that case make their own access with a short limit.
inline std::shared_ptr<TShellAccess> PatientShellAccess(const TShellTestTree& tree)
{
    return std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(tree.Environment()),
                                          std::chrono::seconds(60));
}

} // namespace tavrik::test
