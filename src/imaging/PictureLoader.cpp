#include "imaging/PictureLoader.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "core/Utf8.h"
#include "gfx/BmpFile.h"

namespace tavrik {

std::unique_ptr<TBitmap> LoadPictureFromFile(const std::string& fileName, TJpegDecodeMode mode)
{
    if (!FileExists(fileName)) return nullptr;
    const std::string ext = UpperCaseAscii(ExtractFileExt(fileName));
    if (ext == ".BMP") {
        auto picture = std::make_unique<TBitmap>(ReadBmpFile(fileName));
        if (picture->PixelFormat() != TPixelFormat::pf24bit) *picture = picture->ToPictureBuffer();
        return picture;
    }
    if (ext == ".JPG" || ext == ".JPEG") return std::make_unique<TBitmap>(JpegDecode(fileName, mode));
    if (ext == ".ICO" || ext == ".WMF" || ext == ".EMF") return std::make_unique<TBitmap>();
    return nullptr;
}

} // namespace tavrik
