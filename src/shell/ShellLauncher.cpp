#include "shell/ShellLauncher.h"

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tavrik {

namespace {

// Runs in the grandchild, after fork: only async-signal-safe calls from here on.
[[noreturn]] void ExecDetached(const char* program, char* const* argv)
{
    int null = ::open("/dev/null", O_RDWR);
    if (null < 0) ::_exit(127);
    for (int fd = 0; fd <= 2; ++fd)
        if (::dup2(null, fd) < 0) ::_exit(127);
    ::close_range(3, ~0U, 0);
    sigset_t none;
    ::sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
    ::execv(program, argv);
    ::_exit(127);
}

} // namespace

std::string FindExecutable(const std::string& name, const std::string& searchPath)
{
    if (name.empty()) return {};
    if (name.find('/') != std::string::npos) return ::access(name.c_str(), X_OK) == 0 ? name : std::string();
    size_t start = 0;
    while (start <= searchPath.size()) {
        size_t end = searchPath.find(':', start);
        if (end == std::string::npos) end = searchPath.size();
        // An empty entry means the current folder, as in PATH.
        std::string candidate = end > start ? searchPath.substr(start, end - start) : std::string(".");
        candidate.append("/").append(name);
        if (::access(candidate.c_str(), X_OK) == 0) return candidate;
        start = end + 1;
    }
    return {};
}

bool LaunchDetached(const std::vector<std::string>& argv, const std::string& searchPath)
{
    if (argv.empty()) return false;
    std::string program = FindExecutable(argv[0], searchPath);
    if (program.empty()) return false;
    // Everything the children need is prepared here: after fork only async-signal-safe calls.
    std::vector<char*> args;
    for (const std::string& arg : argv) args.push_back(const_cast<char*>(arg.c_str()));
    args.push_back(nullptr);

    pid_t child = ::fork();
    if (child < 0) return false;
    if (child == 0) {
        // The intermediate child starts a new session and leaves at once; its own child is
        // then adopted by init, so the handler neither becomes our zombie nor shares our
        // terminal session.
        ::setsid();
        pid_t grandchild = ::fork();
        if (grandchild == 0) ExecDetached(program.c_str(), args.data());
        ::_exit(grandchild < 0 ? 1 : 0);
    }
    int status = 0;
    while (::waitpid(child, &status, 0) < 0)
        if (errno != EINTR) return false;
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

bool ShellOpen(std::string_view address, const std::vector<std::string>& openCommand, const std::string& searchPath)
{
    if (address.empty() || address.front() == '-' || address.find('\0') != std::string_view::npos) return false;
    if (openCommand.empty()) return false;
    std::vector<std::string> argv = openCommand;
    argv.emplace_back(address);
    return LaunchDetached(argv, searchPath);
}

} // namespace tavrik
