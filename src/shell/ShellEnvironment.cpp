#include "shell/ShellEnvironment.h"

#include "shell/ShellPath.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace tavrik {

namespace {

std::string Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value ? std::string(value) : std::string();
}

// The XDG conventions ignore relative values of their variables.
std::string AbsoluteOr(const std::string& value, const std::string& fallback)
{
    return !value.empty() && value.front() == '/' ? value : fallback;
}

std::string HomeFromPasswordDatabase()
{
    std::vector<char> buffer(16384);
    passwd entry{};
    passwd* found = nullptr;
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found && found->pw_dir)
        return found->pw_dir;
    return "/";
}

} // namespace

TShellEnvironment::TShellEnvironment()
{
    std::string home = AbsoluteOr(Variable("HOME"), HomeFromPasswordDatabase());
    *this = ForHome(home);
    configHome = WithoutTrailingSlash(AbsoluteOr(Variable("XDG_CONFIG_HOME"), configHome));
    dataHome = WithoutTrailingSlash(AbsoluteOr(Variable("XDG_DATA_HOME"), dataHome));
    std::string path = Variable("PATH");
    if (!path.empty()) executableSearchPath = path;
}

TShellEnvironment TShellEnvironment::ForHome(const std::string& homeDir)
{
    TShellEnvironment env{NoEnvironment{}};
    env.homeDir = WithoutTrailingSlash(homeDir);
    std::string base = env.homeDir == "/" ? std::string() : env.homeDir;
    env.configHome = base + "/.config";
    env.dataHome = base + "/.local/share";
    return env;
}

} // namespace tavrik
