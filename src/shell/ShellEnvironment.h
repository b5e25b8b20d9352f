#pragma once

#include <string>
#include <vector>

namespace tavrik {

// Everything the shell layer takes from the desktop it runs on. The default constructor reads
// the desktop's conventions (HOME, XDG_CONFIG_HOME, XDG_DATA_HOME, PATH) once; nothing else in
// this layer looks at the process environment, so tests build a fake home and mount table and
// pass them in here.
struct TShellEnvironment {
    TShellEnvironment();
    // A desktop rooted at homeDir with the XDG defaults below it; reads no environment variable.
    static TShellEnvironment ForHome(const std::string& homeDir);

    std::string homeDir;    // the user's home folder, without a trailing '/'
    std::string configHome; // holds user-dirs.dirs and autostart/
    std::string dataHome;   // holds Trash/, fonts/, applications/
    std::string systemDataDir = "/usr/share";
    std::string systemConfigDir = "/etc/xdg";
    std::string mountTable = "/proc/self/mounts";
    // Folders searched for a launcher given without a '/', as PATH lists them.
    std::string executableSearchPath = "/usr/local/bin:/usr/bin:/bin";
    // The program that opens an address; the address is appended as its last argument.
    std::vector<std::string> openCommand = {"xdg-open"};

private:
    struct NoEnvironment {};
    explicit TShellEnvironment(NoEnvironment) {}
};

} // namespace tavrik
