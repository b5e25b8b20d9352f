#include "imaging/PictureFiles.h"

#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

namespace tavrik {

void RefuseEmptyPicture(const TBitmap& picture, const std::string& path)
{
    if (!picture.Empty()) return;
    throw EInvalidGraphic("Nothing was written to " + path + ": the picture is empty, it has no pixels.");
}

void WriteJpegFile(const TBitmap& picture, uint8_t quality, const std::string& path)
{
    RefuseEmptyPicture(picture, path);
    WriteFileAtomically(path, JpegEncode(picture, quality));
}

void WritePictureBmpFile(const TBitmap& picture, const std::string& path)
{
    RefuseEmptyPicture(picture, path);
    WriteBmpFile(picture, path);
}

} // namespace tavrik
