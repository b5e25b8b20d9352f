// Picture files of any bytes under each name the loader tells apart (the last byte chooses):
// it gives nothing for names it does not read, an empty picture for the ones it accepts
// unread, and otherwise the 24-bit picture its reader gives, or the reader's refusal.
#include "core/Exception.h"
#include "gfx/BmpFile.h"
#include "imaging/PictureLoader.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace tavrik;

namespace {

enum class TExpect { Bitmap, Jpeg, Empty, Nothing };

constexpr size_t kCompareBytes = size_t(4) << 20;

struct TName {
    const char* extension;
    TExpect expect;
};

constexpr TName kNames[] = {
    {".bmp", TExpect::Bitmap}, {".Bmp", TExpect::Bitmap}, {".jpg", TExpect::Jpeg},   {".JPEG", TExpect::Jpeg},
    {".ico", TExpect::Empty},  {".EMF", TExpect::Empty},  {".png", TExpect::Nothing}, {"", TExpect::Nothing},
};

// The loader reads files by name: one scratch folder per process, gone when it exits.
struct TScratchFolder {
    std::filesystem::path path = std::filesystem::temp_directory_path() /
                                 ("tavrik-loader-fuzz-" + std::to_string(::getpid()));
    TScratchFolder() { std::filesystem::create_directories(path); }
    ~TScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

std::string FileFor(const TName& name)
{
    static const TScratchFolder folder;
    return (folder.path / (std::string("picture") + name.extension)).string();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1) return 0;
    const TName& name = kNames[data[size - 1] % std::size(kNames)];
    const std::string file = FileFor(name);
    std::ofstream(file, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data), std::streamsize(size));
    std::unique_ptr<TBitmap> loaded;
    try {
        loaded = LoadPictureFromFile(file);
    } catch (const EInvalidGraphic&) {
        if (name.expect != TExpect::Bitmap && name.expect != TExpect::Jpeg) std::abort();
        return 0;
    }
    switch (name.expect) {
    case TExpect::Nothing:
        if (loaded) std::abort();
        break;
    case TExpect::Empty:
        if (!loaded || !loaded->Empty()) std::abort();
        break;
    case TExpect::Bitmap:
    case TExpect::Jpeg:
        if (!loaded || loaded->PixelFormat() != TPixelFormat::pf24bit) std::abort();
        // Decoding large pictures a second time only slows the search down.
        if (loaded->SizeBytes() > kCompareBytes) break;
        if (*loaded != (name.expect == TExpect::Bitmap ? ReadBmp(std::span(data, size)).ToPictureBuffer()
                                                       : JpegDecode(std::span(data, size))))
            std::abort();
        break;
    }
    return 0;
}
