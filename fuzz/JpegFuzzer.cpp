// JPEG streams of any bytes, decoded as on a true-colour and as on a low-colour screen: the
// decoder gives a 24-bit picture of the same size both ways or refuses both ways with
// EInvalidGraphic, a picture it gives encodes and decodes again at the same size, and the
// reduced preview of a picture it gives has the size of the scale chosen for the box.
#include "core/Exception.h"
#include "imaging/JpegCodec.h"

#include <cstdlib>

using namespace tavrik;

namespace {

// Re-encoding larger pictures only repeats the same blocks and slows the search down.
constexpr int64_t kReencodePixels = 256 * 256;

// The picture, or an empty one when the decoder refused the stream.
TBitmap DecodeOrNothing(std::span<const uint8_t> stream, TJpegDecodeMode mode)
{
    try {
        TBitmap picture = JpegDecode(stream, mode);
        if (picture.PixelFormat() != TPixelFormat::pf24bit || picture.Empty()) std::abort();
        return picture;
    } catch (const EInvalidGraphic&) {
        return TBitmap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span stream(data, size);
    const TBitmap picture = DecodeOrNothing(stream, TJpegDecodeMode::TrueColor);
    const TBitmap quantised = DecodeOrNothing(stream, TJpegDecodeMode::LowColorScreen);
    if (picture.Width() != quantised.Width() || picture.Height() != quantised.Height()) std::abort();
    if (picture.Empty()) return 0;
    const int box = int(size % 64) + 1;
    const int scale = JpegPreviewScaleDenominator(picture.Width(), picture.Height(), box, box);
    const TBitmap preview = JpegDecodePreview(stream, box, box);
    if (preview.Width() != (picture.Width() + scale - 1) / scale ||
        preview.Height() != (picture.Height() + scale - 1) / scale)
        std::abort();
    if (int64_t(picture.Width()) * picture.Height() > kReencodePixels) return 0;
    const TBitmap again = JpegDecode(JpegEncode(picture, uint8_t(size % 101)));
    if (again.Width() != picture.Width() || again.Height() != picture.Height()) std::abort();
    return 0;
}
