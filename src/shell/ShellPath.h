#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// Text helpers for the absolute POSIX paths the namespace deals in; none touches the disk.

// The absolute path with "." and ".." parts resolved lexically, repeated and trailing '/'
// removed ("/" stays); empty when path is not absolute.
std::string NormaliseAbsolutePath(std::string_view path);
// folder + '/' + name, without doubling the root's '/'.
std::string JoinPath(std::string_view folder, std::string_view name);
// Whether path is folder itself or lies below it, part by part ("/a/bc" is not below "/a/b").
bool IsPathUnder(std::string_view path, std::string_view folder);
// The path without trailing '/' ("/" stays).
std::string WithoutTrailingSlash(std::string path);

} // namespace tavrik
