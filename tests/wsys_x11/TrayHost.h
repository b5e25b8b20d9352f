#pragma once

#include <X11/Xlib.h>

#include <string>
#include <sys/types.h>

namespace tavrik::testing {

// A real system tray on the test's X server: Debian's `trayer`, a panel with nothing but a
// tray, which needs no window manager. Start waits until it owns the tray selection, Stop
// until it is gone; the destructor ends exactly this process.
class TTrayHost {
public:
    TTrayHost(std::string display, Display* peer);
    ~TTrayHost();
    TTrayHost(const TTrayHost&) = delete;
    TTrayHost& operator=(const TTrayHost&) = delete;

    static bool Installed();
    bool Start();
    void Stop();
    ::Window Manager() const; // the owner of the tray selection, None when no tray runs
    const std::string& Error() const { return error_; }

private:
    bool WaitForManager(bool present);

    std::string display_;
    Display* peer_;
    Atom selection_;
    pid_t pid_ = -1;
    std::string error_;
};

} // namespace tavrik::testing
