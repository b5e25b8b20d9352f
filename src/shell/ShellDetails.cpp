#include "shell/ShellDetails.h"

#include "core/FileName.h"
#include "shell/ShellError.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

namespace tavrik {

std::vector<TShellColumn> FileSystemColumns()
{
    return {
        {"Name", TShellColumnAlignment::Left, 25},
        {"Size", TShellColumnAlignment::Right, 10},
        {"Type", TShellColumnAlignment::Left, 10},
        {"Modified", TShellColumnAlignment::Left, 14},
    };
}

std::vector<TShellColumn> VirtualFolderColumns() { return {{"Name", TShellColumnAlignment::Left, 25}}; }

std::string FormatFileSize(uint64_t bytes) { return std::to_string(bytes); }

std::string FormatModified(const std::tm& local)
{
    char text[64];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", local.tm_year + 1900, local.tm_mon + 1,
                  local.tm_mday, local.tm_hour, local.tm_min);
    return text;
}

std::string FormatModified(std::time_t when)
{
    std::tm local{};
    if (!::localtime_r(&when, &local)) return {};
    return FormatModified(local);
}

std::vector<std::string> FileSystemDetailTexts(const std::string& path, const std::string& displayName)
{
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        int error = errno;
        char code[16];
        std::snprintf(code, sizeof code, "%08X", unsigned(error));
        throw EShellError("Unable to retrieve folder details for \"" + displayName + "\". Error code $" + code,
                          std::strerror(error));
    }
    bool folder = S_ISDIR(st.st_mode);
    return {
        displayName,
        folder ? std::string() : FormatFileSize(uint64_t(st.st_size)),
        folder ? std::string() : ExtractFileExt(displayName),
        FormatModified(st.st_mtime),
    };
}

} // namespace tavrik
