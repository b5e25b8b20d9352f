#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// Path text helpers on POSIX paths ('/' separates folders). They never touch the file system.

// The part after the last '/', or the whole path.
std::string ExtractFileName(std::string_view path);
// The folder part without the trailing '/' ("" for a bare name, "/" for a file in the root).
std::string ExtractFileDir(std::string_view path);
// The name's extension from its last dot on, dot included ("" when the name has no dot).
std::string ExtractFileExt(std::string_view path);
// Replaces the extension (from the name's last dot on) by ext; a name without a dot gets ext
// appended.
std::string ChangeFileExt(std::string_view path, std::string_view ext);
std::string IncludeTrailingPathDelimiter(std::string_view path);

} // namespace tavrik
