#include "wsys/UriList.h"

#include <optional>

namespace tavrik {

namespace {

int HexValue(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::optional<std::string> PercentDecoded(std::string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        int high = HexValue(text[i + 1]), low = HexValue(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += char(high * 16 + low);
        i += 2;
    }
    return out;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix)
{
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        if (c != prefix[i]) return false;
    }
    return true;
}

// The path of a file URI on this machine, percent-decoded; nothing for anything else.
std::optional<std::string> LocalPath(std::string_view uri, std::string_view hostName)
{
    if (!StartsWithNoCase(uri, "file:")) return std::nullopt;
    std::string_view rest = uri.substr(5);
    if (rest.starts_with("//")) {
        rest.remove_prefix(2);
        size_t slash = rest.find('/');
        if (slash == std::string_view::npos) return std::nullopt;
        std::string_view host = rest.substr(0, slash);
        if (!host.empty() && host != "localhost" && host != hostName) return std::nullopt;
        rest.remove_prefix(slash);
    }
    if (!rest.starts_with("/")) return std::nullopt;
    // A query or fragment is no part of a file's name.
    rest = rest.substr(0, rest.find_first_of("?#"));
    std::optional<std::string> path = PercentDecoded(rest);
    // A NUL, raw or escaped, would cut the name short where the system reads it.
    if (path && path->find('\0') != std::string::npos) return std::nullopt;
    return path;
}

} // namespace

std::vector<std::string> LocalFilesOfUriList(std::string_view uriList, std::string_view hostName)
{
    std::vector<std::string> files;
    while (!uriList.empty()) {
        size_t end = uriList.find('\n');
        std::string_view line = uriList.substr(0, end);
        uriList.remove_prefix(end == std::string_view::npos ? uriList.size() : end + 1);
        while (!line.empty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t')) line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t')) line.remove_prefix(1);
        if (line.empty() || line.front() == '#') continue;
        if (std::optional<std::string> path = LocalPath(line, hostName)) files.push_back(std::move(*path));
    }
    return files;
}

} // namespace tavrik
