// The text/uri-list another program hands over in a drag, of any bytes: what is read from it
// is only absolute local paths, never with a NUL (an escaped line end is a legal name), and
// never more paths than lines.
#include "wsys/UriList.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>

using namespace tavrik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view list(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> files = LocalFilesOfUriList(list, "studio");
    if (files.size() > size_t(std::count(list.begin(), list.end(), '\n')) + 1) std::abort();
    for (const std::string& file : files) {
        if (file.empty() || file.front() != '/') std::abort();
        if (file.find('\0') != std::string::npos) std::abort();
    }
    return 0;
}
