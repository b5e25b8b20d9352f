#include "imaging/BatchConversion.h"

#include "core/FileName.h"
#include "core/Utf8.h"
#include "gfx/BmpFile.h"
#include "imaging/OutputNames.h"
#include "imaging/PictureFiles.h"

namespace tavrik {

namespace {

std::string WriteOutput(const TBitmap& picture, const std::string& sourceFileName, const std::string& outputFolder,
                        uint8_t quality)
{
    std::string outputName = BatchOutputName(outputFolder, sourceFileName);
    WriteJpegFile(picture, quality, outputName);
    return outputName;
}

} // namespace

std::string Bmp2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality)
{
    return WriteOutput(ReadBmpFile(sourceFileName), sourceFileName, outputFolder, quality);
}

std::string jpg2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                    TJpegDecodeMode mode)
{
    return WriteOutput(JpegDecode(sourceFileName, mode), sourceFileName, outputFolder, quality);
}

bool IsBmpSource(const std::string& sourceFileName)
{
    return UpperCaseAscii(ExtractFileExt(sourceFileName)) == ".BMP";
}

std::string ConvertBatchFile(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                             TJpegDecodeMode mode)
{
    if (IsBmpSource(sourceFileName)) return Bmp2jpg(sourceFileName, outputFolder, quality);
    return jpg2jpg(sourceFileName, outputFolder, quality, mode);
}

} // namespace tavrik
