#include "TrayHost.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

namespace tavrik::testing {

TTrayHost::TTrayHost(std::string display, Display* peer)
    : display_(std::move(display)), peer_(peer),
      selection_(XInternAtom(peer, ("_NET_SYSTEM_TRAY_S" + std::to_string(DefaultScreen(peer))).c_str(), False))
{
}

TTrayHost::~TTrayHost() { Stop(); }

bool TTrayHost::Installed() { return access("/usr/bin/trayer", X_OK) == 0; }

::Window TTrayHost::Manager() const { return XGetSelectionOwner(peer_, selection_); }

bool TTrayHost::Start()
{
    pid_ = fork();
    if (pid_ == 0) {
        int quiet = open("/dev/null", O_WRONLY);
        if (quiet >= 0) {
            dup2(quiet, 1);
            dup2(quiet, 2); // it reports a harmless BadPixmap as it starts
        }
        setenv("DISPLAY", display_.c_str(), 1);
        execl("/usr/bin/trayer", "trayer", "--edge", "top", "--align", "right", "--widthtype", "request", "--height",
              "24", "--SetDockType", "false", "--transparent", "false", static_cast<char*>(nullptr));
        _exit(127);
    }
    if (pid_ < 0) {
        error_ = "fork failed";
        return false;
    }
    if (WaitForManager(true)) return true;
    error_ = "trayer never took the tray selection";
    return false;
}

void TTrayHost::Stop()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
    WaitForManager(false);
}

bool TTrayHost::WaitForManager(bool present)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (std::chrono::steady_clock::now() < deadline) {
        if ((Manager() != None) == present) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return false;
}

} // namespace tavrik::testing
