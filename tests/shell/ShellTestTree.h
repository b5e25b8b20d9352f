#pragma once

#include "shell/ShellEnvironment.h"

#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace tavrik::test {

// A throw-away folder with a fake home (Desktop, Templates, .config/user-dirs.dirs) and a
// fake mount table, removed again with everything below it.
class TShellTestTree {
public:
    TShellTestTree()
    {
        static int serial = 0;
        root_ = std::filesystem::temp_directory_path() /
                ("tavrik-shell-" + std::to_string(::getpid()) + "-" + std::to_string(++serial));
        std::filesystem::create_directories(root_ / "home/Desktop");
        std::filesystem::create_directories(root_ / "home/.config");
        std::filesystem::create_directories(root_ / "media/usb stick");
        WriteText("home/.config/user-dirs.dirs", "# written by a test\nXDG_DESKTOP_DIR=\"$HOME/Desktop\"\n");
        WriteText("mounts", "/dev/sda1 / ext4 rw 0 0\n"
                            "proc /proc proc rw 0 0\n"
                            "/dev/sdb1 " + Path("media/usb\\040stick") + " vfat rw 0 0\n");
    }
    ~TShellTestTree()
    {
        std::error_code ignored;
        // Unreadable folders made by tests must be opened up again to be removed.
        for (auto it = std::filesystem::recursive_directory_iterator(
                 root_, std::filesystem::directory_options::skip_permission_denied, ignored);
             it != std::filesystem::recursive_directory_iterator(); it.increment(ignored))
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, ignored);
        std::filesystem::permissions(root_, std::filesystem::perms::owner_all, std::filesystem::perm_options::add,
                                     ignored);
        std::filesystem::remove_all(root_, ignored);
    }
    TShellTestTree(const TShellTestTree&) = delete;
    TShellTestTree& operator=(const TShellTestTree&) = delete;

    std::string Path(const std::string& relative = {}) const
    {
        return relative.empty() ? root_.string() : (root_ / relative).string();
    }
    std::string Home() const { return Path("home"); }

    void WriteText(const std::string& relative, const std::string& text) const
    {
        std::filesystem::create_directories((root_ / relative).parent_path());
        std::ofstream(root_ / relative, std::ios::binary) << text;
    }
    void MakeFolder(const std::string& relative) const { std::filesystem::create_directories(root_ / relative); }

    TShellEnvironment Environment() const
    {
        TShellEnvironment env = TShellEnvironment::ForHome(Home());
        env.mountTable = Path("mounts");
        env.systemDataDir = Path("usr/share");
        env.systemConfigDir = Path("etc/xdg");
        return env;
    }

private:
    std::filesystem::path root_;
};

inline bool RunningAsRoot() { return ::geteuid() == 0; }

} // namespace tavrik::test
