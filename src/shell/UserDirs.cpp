#include "shell/UserDirs.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "core/Utf8.h"
#include "shell/ShellPath.h"

#include <optional>
#include <vector>

namespace tavrik {

namespace {

// The text between the double quotes with its escapes undone, or nothing when the value is
// not properly quoted.
std::optional<std::string> Unquote(std::string_view value)
{
    if (value.size() < 2 || value.front() != '"') return std::nullopt;
    std::string out;
    for (size_t i = 1; i < value.size(); ++i) {
        char c = value[i];
        if (c == '"') return TrimAscii(value.substr(i + 1)).empty() ? std::optional(out) : std::nullopt;
        if (c == '\\' && i + 1 < value.size()) c = value[++i];
        out += c;
    }
    return std::nullopt;
}

std::optional<std::string> FolderFromValue(std::string_view value, const std::string& homeDir)
{
    std::optional<std::string> text = Unquote(value);
    if (!text) return std::nullopt;
    if (text->starts_with("$HOME")) {
        std::string rest = text->substr(5);
        if (!rest.empty() && rest.front() != '/') return std::nullopt;
        return WithoutTrailingSlash(homeDir + rest);
    }
    if (text->starts_with("/")) return WithoutTrailingSlash(*text);
    return std::nullopt;
}

} // namespace

std::string UserDirFromText(std::string_view text, std::string_view key, const std::string& homeDir,
                            const std::string& fallback)
{
    std::string wanted = "XDG_" + std::string(key) + "_DIR";
    std::string result = fallback;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = TrimAscii(text.substr(pos, end - pos));
        pos = end + 1;
        if (line.empty() || line.front() == '#') continue;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos || TrimAscii(line.substr(0, equals)) != wanted) continue;
        // A later line wins, as it would when the file is sourced by a shell.
        if (auto folder = FolderFromValue(TrimAscii(line.substr(equals + 1)), homeDir)) result = *folder;
    }
    return result;
}

std::string ReadUserDir(const std::string& configHome, std::string_view key, const std::string& homeDir,
                        const std::string& fallback)
{
    std::vector<uint8_t> bytes;
    try {
        bytes = ReadFileBytes(configHome + "/user-dirs.dirs", uint64_t(1) << 20);
    } catch (const Exception&) {
        return fallback;
    }
    return UserDirFromText(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()), key, homeDir,
                           fallback);
}

} // namespace tavrik
