#pragma once

#include "shell/ShellEnvironment.h"
#include "shell/ShellError.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <unistd.h>

namespace tavrik::test {

// The message of the shell error that `action` throws; "(no error)" when it throws none.
template <class F>
std::string ShellErrorOf(F&& action)
{
    try {
        action();
    } catch (const EShellError& e) {
        return e.what();
    }
    return "(no error)";
}

// A throw-away folder with a fake home (Desktop, Templates, .config/user-dirs.dirs) and a
// fake mount table, removed again with everything below it.
class TShellTestTree : public TTempFolder {
public:
    TShellTestTree() : TTempFolder("tavrik-shell")
    {
        MakeFolder("home/Desktop");
        MakeFolder("home/.config");
        MakeFolder("media/usb stick");
        WriteText("home/.config/user-dirs.dirs", "# written by a test\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
        WriteText("mounts", "/dev/sda1 / ext4 rw 0 0\n"
                            "proc /proc proc rw 0 0\n"
                            "/dev/sdb1 " + Path("media/usb\\040stick") + " vfat rw 0 0\n");
    }

    std::string Home() const { return Path("home"); }

    void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(Root() / relative); }

    TShellEnvironment Environment() const
    {
        TShellEnvironment env = TShellEnvironment::ForHome(Home());
        env.mountTable = Path("mounts");
        env.systemDataDir = Path("usr/share");
        env.systemConfigDir = Path("etc/xdg");
        return env;
    }
};

inline bool RunningAsRoot() { return ::geteuid() == 0; }

} // namespace tavrik::test
