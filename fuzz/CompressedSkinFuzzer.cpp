// Compressed skins of any bytes. With the first byte odd the rest is compressed first, so
// that the layout behind the zlib block is explored too; otherwise the bytes are the block.
#include "core/Exception.h"
#include "skin/CompressedStoredSkin.h"
#include "skin/SkinData.h"

#include <zlib.h>

#include <cstdlib>

using namespace tavrik;

namespace {

std::vector<uint8_t> Compressed(const uint8_t* data, size_t size)
{
    uLongf length = compressBound(uLong(size));
    std::vector<uint8_t> block(length);
    if (compress2(block.data(), &length, data, uLong(size), 1) != Z_OK) std::abort();
    block.resize(length);
    return block;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0) return 0;
    TbsCompressedStoredSkin compressed;
    if (data[0] & 1) compressed.SetCompressedData(Compressed(data + 1, size - 1));
    else compressed.SetCompressedData(std::vector<uint8_t>(data + 1, data + size));
    TbsSkinData skin;
    try {
        skin.ApplyCompressedStoredSkin(compressed);
    } catch (const Exception&) {
        if (!skin.NoSkinLoaded()) std::abort();
    }
    return 0;
}
