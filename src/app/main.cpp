// tavrik: the picture workbench on the user's X display.

#include "app/Calvane.h"
#include "app/CommandLine.h"
#include "app/Startup.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Thread.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"
#include "wsys/backends/x11/X11Backend.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>

namespace tavrik {
namespace {

// Prints, once the main window and every control in it have painted for the first time, the
// wall-clock time (nanoseconds since the epoch) to stderr: bench/program_figures.sh measures the
// start-up with it. Queued before the message loop starts, it runs right after the main window
// is shown, and paints whatever the window still waits for before it reports.
void ReportFirstPaint(TApplication& application)
{
    TThread::Queue([&application] {
        if (TForm* mainForm = application.MainForm())
            RedrawWindow(mainForm->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        timespec now{};
        clock_gettime(CLOCK_REALTIME, &now);
        std::fprintf(stderr, "first paint at %lld%09ld\n", static_cast<long long>(now.tv_sec), now.tv_nsec);
    });
}

} // namespace
} // namespace tavrik

int main(int argc, char** argv)
{
    const tavrik::TCommandLine line = tavrik::ParseCommandLine({argv + 1, argv + argc});
    if (line.help) {
        std::fputs(tavrik::CommandLineHelp().c_str(), stdout);
        return 0;
    }
    if (line.version) {
        std::printf("tavrik (Tavrik) %s\n", TAVRIK_VERSION);
        return 0;
    }
    if (!line.error.empty()) {
        std::fprintf(stderr, "tavrik: %s\nTry 'tavrik --help' for more information.\n", line.error.c_str());
        return 2;
    }
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
    tavrik::TWorkbenchForms forms = tavrik::CreateWorkbenchForms(application);
    if (std::getenv("TAVRIK_REPORT_FIRST_PAINT")) tavrik::ReportFirstPaint(application);
    // Opened once the window is up, so that an error shows over it.
    if (!line.files.empty())
        tavrik::TThread::Queue([calvane = forms.Calvane, files = line.files] { calvane->OpenFiles(files); });
    application.Run();
    return 0;
}
