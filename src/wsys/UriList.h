#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tavrik {

// The local files of a text/uri-list (RFC 2483), the form in which file managers hand over
// dragged files: one URI per line (CR LF or LF), "#" lines are comments. "file:///a%20b.jpg",
// "file://localhost/a%20b.jpg" and "file://HOST/a%20b.jpg" with HOST the given host name all
// give "/a b.jpg" (percent escapes decoded to bytes, UTF-8 kept as it comes). Other schemes,
// other hosts, relative paths and malformed escapes are left out, as is a path with a NUL.
std::vector<std::string> LocalFilesOfUriList(std::string_view uriList, std::string_view hostName);

} // namespace tavrik
