#include "skin/SkinPicturesStream.h"

#include "gfx/BmpFile.h"
#include "gfx/BmpInfo.h"
#include "skin/SkinErrors.h"
#include "skin/SkinStream.h"

#include <string>

namespace tavrik {

namespace {

constexpr size_t kFileHeaderBytes = 14;
constexpr const char* kEmptyActivePicture = "An active picture of the skin is empty";

TBitmap ReadImage(TbsByteReader& in, uint64_t& budget)
{
    std::span<const uint8_t> magic = in.Peek(2);
    if (magic[0] != 'B' || magic[1] != 'M') throw EInvalidGraphic("Bitmap image is not valid");
    uint32_t size = LoadUInt32(in.Peek(6).data() + 2);
    if (size < kFileHeaderBytes) throw EInvalidGraphic("Bitmap image is not valid");
    return ReadSkinBitmap(in.ReadBytes(size), budget);
}

// An image of no pixels is as empty as a set flag, and reads as the same empty bitmap.
TBitmap ReadFlaggedImage(TbsByteReader& in, uint64_t& budget)
{
    if (in.ReadByte() != 0) return TBitmap();
    TBitmap bitmap = ReadImage(in, budget);
    return bitmap.Empty() ? TBitmap() : bitmap;
}

TBitmap ReadActiveImage(TbsByteReader& in, uint64_t& budget)
{
    TBitmap bitmap = ReadImage(in, budget);
    if (bitmap.Empty()) throw EInvalidGraphic(kEmptyActivePicture);
    return bitmap;
}

void WriteImage(const TBitmap& bitmap, std::vector<uint8_t>& out)
{
    // Only the three form bitmaps have a flag that can say "empty"; an empty active picture
    // would become an image no reader accepts.
    if (bitmap.Empty()) throw EInvalidGraphic(kEmptyActivePicture);
    std::vector<uint8_t> image = WriteBmp(bitmap);
    out.insert(out.end(), image.begin(), image.end());
}

void WriteFlaggedImage(const TBitmap& bitmap, std::vector<uint8_t>& out)
{
    out.push_back(bitmap.Empty() ? 1 : 0);
    if (!bitmap.Empty()) WriteImage(bitmap, out);
}

} // namespace

TBitmap ReadSkinBitmap(std::span<const uint8_t> image, uint64_t& budget)
{
    TBmpInfo info = ParseBmpInfo(image);
    uint64_t pixels = uint64_t(info.width) * uint64_t(info.height);
    if (pixels > kMaxSkinPicturePixels || pixels > budget)
        throw EInvalidGraphic("A picture of the skin is too large (" + std::to_string(info.width) + " x " +
                              std::to_string(info.height) + ")");
    budget -= pixels;
    return ReadBmp(image);
}

TbsSkinPictureSet ReadSkinPictures(TbsByteReader& in)
{
    uint64_t budget = kMaxSkinPixelsInAll;
    TbsSkinPictureSet set;
    set.picture = ReadFlaggedImage(in, budget);
    set.inactivepicture = ReadFlaggedImage(in, budget);
    set.mask = ReadFlaggedImage(in, budget);
    int32_t count = in.ReadInt32();
    for (int32_t i = 0; i < count; ++i) set.activepictures.push_back(ReadActiveImage(in, budget));
    return set;
}

void WriteSkinPictures(const TbsSkinPictureSet& pictures, std::vector<uint8_t>& out)
{
    WriteFlaggedImage(pictures.picture, out);
    WriteFlaggedImage(pictures.inactivepicture, out);
    WriteFlaggedImage(pictures.mask, out);
    AppendInt32(out, int32_t(pictures.activepictures.size()));
    for (const TBitmap& bitmap : pictures.activepictures) WriteImage(bitmap, out);
}

} // namespace tavrik
