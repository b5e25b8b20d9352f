// Pictures streams of any bytes: reading fails cleanly, or gives pictures whose stream reads
// back to the same stream. (The first writing may differ from the input: a file's short
// palette, for one, is written in full.)
#include "core/Exception.h"
#include "skin/StoredSkin.h"

#include <cstdlib>

using namespace tavrik;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TbsStoredSkin stored;
    try {
        stored.ReadPictures(std::span(data, size));
    } catch (const Exception&) {
        if (!stored.activepictures.empty() || !stored.picture.Empty()) std::abort();
        return 0;
    }
    std::vector<uint8_t> written = stored.WritePictures();
    TbsStoredSkin again;
    if (again.ReadPictures(written) != written.size()) std::abort();
    if (again.WritePictures() != written) std::abort();
    return 0;
}
