#include "skin/SkinPicturesStream.h"

#include "gfx/BmpFile.h"
#include "skin/SkinErrors.h"
#include "skin/SkinStream.h"

namespace tavrik {

namespace {

constexpr size_t kFileHeaderBytes = 14;

TBitmap ReadImage(TbsByteReader& in)
{
    std::span<const uint8_t> magic = in.Peek(2);
    if (magic[0] != 'B' || magic[1] != 'M') throw EInvalidGraphic("Bitmap image is not valid");
    uint32_t size = LoadUInt32(in.Peek(6).data() + 2);
    if (size < kFileHeaderBytes) throw EInvalidGraphic("Bitmap image is not valid");
    return ReadBmp(in.ReadBytes(size));
}

TBitmap ReadFlaggedImage(TbsByteReader& in)
{
    return in.ReadByte() == 0 ? ReadImage(in) : TBitmap();
}

void WriteImage(const TBitmap& bitmap, std::vector<uint8_t>& out)
{
    // Only the three form bitmaps have a flag that can say "empty"; an empty active picture
    // would become an image no reader accepts.
    if (bitmap.Empty()) throw EInvalidGraphic("An active picture of the skin is empty");
    std::vector<uint8_t> image = WriteBmp(bitmap);
    out.insert(out.end(), image.begin(), image.end());
}

void WriteFlaggedImage(const TBitmap& bitmap, std::vector<uint8_t>& out)
{
    out.push_back(bitmap.Empty() ? 1 : 0);
    if (!bitmap.Empty()) WriteImage(bitmap, out);
}

} // namespace

TbsSkinPictureSet ReadSkinPictures(TbsByteReader& in)
{
    TbsSkinPictureSet set;
    set.picture = ReadFlaggedImage(in);
    set.inactivepicture = ReadFlaggedImage(in);
    set.mask = ReadFlaggedImage(in);
    int32_t count = in.ReadInt32();
    for (int32_t i = 0; i < count; ++i) set.activepictures.push_back(ReadImage(in));
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
