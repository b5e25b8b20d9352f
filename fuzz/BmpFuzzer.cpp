// Bitmap files of any bytes: the reader gives a sound picture or refuses with EInvalidGraphic,
// and what it gives survives being written and read again.
#include "core/Exception.h"
#include "gfx/BmpFile.h"

#include <cstdlib>

using namespace tavrik;

namespace {

// Round trips of larger pictures only repeat the same rows and slow the search down.
constexpr size_t kRoundTripBytes = size_t(1) << 20;

bool Sound(const TBitmap& b)
{
    const TPixelFormat f = b.PixelFormat();
    if (f != TPixelFormat::pf1bit && f != TPixelFormat::pf4bit && f != TPixelFormat::pf8bit &&
        f != TPixelFormat::pf24bit)
        return false;
    if (IsPaletted(f) && b.Palette().size() > (size_t(1) << BitsPerPixel(f))) return false;
    return b.Width() >= 0 && b.Height() >= 0 && b.SizeBytes() == b.RowBytes() * size_t(b.Height());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    TBitmap picture;
    try {
        picture = ReadBmp(std::span(data, size));
    } catch (const EInvalidGraphic&) {
        return 0;
    }
    if (!Sound(picture)) std::abort();
    if (picture.SizeBytes() > kRoundTripBytes) return 0;
    const TBitmap again = ReadBmp(WriteBmp(picture));
    if (again.ToPictureBuffer() != picture.ToPictureBuffer()) std::abort();
    return 0;
}
