#include "core/FileName.h"

namespace tavrik {

namespace {

size_t NameStart(std::string_view path)
{
    size_t slash = path.rfind('/');
    return slash == std::string_view::npos ? 0 : slash + 1;
}

// Position of the extension's dot inside path, or npos.
size_t ExtensionDot(std::string_view path)
{
    size_t start = NameStart(path);
    size_t dot = path.rfind('.');
    return dot == std::string_view::npos || dot < start ? std::string_view::npos : dot;
}

} // namespace

std::string ExtractFileName(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string ExtractFileDir(std::string_view path)
{
    size_t start = NameStart(path);
    if (start == 0) return {};
    if (start == 1) return "/";
    return std::string(path.substr(0, start - 1));
}

std::string ExtractFileExt(std::string_view path)
{
    size_t dot = ExtensionDot(path);
    return dot == std::string_view::npos ? std::string() : std::string(path.substr(dot));
}

std::string ChangeFileExt(std::string_view path, std::string_view ext)
{
    size_t dot = ExtensionDot(path);
    std::string out(path.substr(0, dot == std::string_view::npos ? path.size() : dot));
    out += ext;
    return out;
}

std::string IncludeTrailingPathDelimiter(std::string_view path)
{
    std::string out(path);
    if (out.empty() || out.back() != '/') out += '/';
    return out;
}

} // namespace tavrik
