#pragma once

#include "wsys/WindowSystem.h"
#include "wsys/backends/x11/X11Backend.h"

#include <cstdio>
#include <memory>
#include <string>

namespace tavrik {

// The window system on the user's X display for a demo; nothing, after saying why on stderr
// under the program's name, when the display cannot be opened.
inline std::unique_ptr<TWindowSystem> OpenDemoDisplay(const char* program)
{
    std::string error;
    std::unique_ptr<TX11Backend> backend = TX11Backend::Open({}, &error);
    if (!backend) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return nullptr;
    }
    return std::make_unique<TWindowSystem>(std::move(backend));
}

} // namespace tavrik
