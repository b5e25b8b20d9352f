#include "shell/ShellPath.h"

#include <vector>

namespace tavrik {

std::string NormaliseAbsolutePath(std::string_view path)
{
    if (path.empty() || path.front() != '/') return {};
    std::vector<std::string_view> parts;
    size_t pos = 0;
    while (pos < path.size()) {
        size_t end = path.find('/', pos);
        if (end == std::string_view::npos) end = path.size();
        std::string_view part = path.substr(pos, end - pos);
        pos = end + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
            continue;
        }
        parts.push_back(part);
    }
    std::string out;
    for (std::string_view part : parts) out.append("/").append(part);
    return out.empty() ? "/" : out;
}

std::string JoinPath(std::string_view folder, std::string_view name)
{
    std::string out(folder);
    if (out.empty() || out.back() != '/') out += '/';
    return out.append(name);
}

bool IsPathUnder(std::string_view path, std::string_view folder)
{
    if (folder == "/") return path.starts_with('/');
    return path.starts_with(folder) && (path.size() == folder.size() || path[folder.size()] == '/');
}

std::string WithoutTrailingSlash(std::string path)
{
    while (path.size() > 1 && path.back() == '/') path.pop_back();
    return path;
}

} // namespace tavrik
