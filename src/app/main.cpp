// tavrik: the picture workbench on the user's X display.

#include "app/Startup.h"
#include "ui/Application.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/x11/X11Backend.h"

#include <cstdio>
#include <memory>
#include <string>

int main()
{
    std::string error;
    std::unique_ptr<tavrik::TX11Backend> backend = tavrik::TX11Backend::Open({}, &error);
    if (!backend) {
        std::fprintf(stderr, "tavrik: %s\n", error.empty() ? "cannot open the X display" : error.c_str());
        std::fprintf(stderr, "tavrik: the workbench needs a desktop; set DISPLAY to the X display to show it on.\n");
        return 1;
    }
    tavrik::TWindowSystem windowSystem(std::move(backend));
    tavrik::TApplication application;
    application.SetTitle("Tavrik图片压缩工具");
    tavrik::CreateWorkbenchForms(application);
    application.Run();
    return 0;
}
