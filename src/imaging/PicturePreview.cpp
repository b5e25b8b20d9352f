#include "imaging/PicturePreview.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "core/Utf8.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

#include <exception>
#include <sys/stat.h>

namespace tavrik {

namespace {

bool IsRegularFile(const std::string& fileName)
{
    struct stat st {};
    return ::stat(fileName.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

TBitmap Decode(const std::string& fileName, int boxWidth, int boxHeight)
{
    const std::string ext = UpperCaseAscii(ExtractFileExt(fileName));
    if (ext == ".JPG" || ext == ".JPEG") return JpegDecodePreview(ReadFileBytes(fileName), boxWidth, boxHeight);
    if (ext != ".BMP") return TBitmap();
    TBitmap picture = ReadBmpFile(fileName);
    return picture.PixelFormat() == TPixelFormat::pf24bit ? picture : picture.ToPictureBuffer();
}

} // namespace

TBitmap LoadPicturePreview(const std::string& fileName, int boxWidth, int boxHeight)
{
    if (!IsRegularFile(fileName)) return TBitmap();
    try {
        return Decode(fileName, boxWidth, boxHeight);
    } catch (const std::exception&) {
        return TBitmap();
    }
}

} // namespace tavrik
