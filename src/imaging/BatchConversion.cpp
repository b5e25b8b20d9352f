#include "imaging/BatchConversion.h"

#include "core/FileIO.h"
#include "core/FileName.h"
#include "core/Utf8.h"
#include "gfx/BmpFile.h"
#include "imaging/OutputNames.h"
#include "imaging/PictureFiles.h"

namespace tavrik {

namespace {

TBatchOutput Encode(const TBitmap& picture, const std::string& sourceFileName, const std::string& outputFolder,
                    uint8_t quality)
{
    std::string outputName = BatchOutputName(outputFolder, sourceFileName);
    RefuseEmptyPicture(picture, outputName);
    return {std::move(outputName), JpegEncode(picture, quality)};
}

TBatchOutput EncodeBmp(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality)
{
    return Encode(ReadBmpFile(sourceFileName), sourceFileName, outputFolder, quality);
}

TBatchOutput EncodeJpeg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                        TJpegDecodeMode mode)
{
    return Encode(JpegDecode(sourceFileName, mode), sourceFileName, outputFolder, quality);
}

std::string Write(const TBatchOutput& output)
{
    WriteBatchOutput(output);
    return output.fileName;
}

} // namespace

std::string Bmp2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality)
{
    return Write(EncodeBmp(sourceFileName, outputFolder, quality));
}

std::string jpg2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                    TJpegDecodeMode mode)
{
    return Write(EncodeJpeg(sourceFileName, outputFolder, quality, mode));
}

bool IsBmpSource(const std::string& sourceFileName)
{
    return UpperCaseAscii(ExtractFileExt(sourceFileName)) == ".BMP";
}

std::string ConvertBatchFile(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                             TJpegDecodeMode mode)
{
    return Write(EncodeBatchFile(sourceFileName, outputFolder, quality, mode));
}

TBatchOutput EncodeBatchFile(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                             TJpegDecodeMode mode)
{
    if (IsBmpSource(sourceFileName)) return EncodeBmp(sourceFileName, outputFolder, quality);
    return EncodeJpeg(sourceFileName, outputFolder, quality, mode);
}

void WriteBatchOutput(const TBatchOutput& output) { WriteFileAtomically(output.fileName, output.stream); }

} // namespace tavrik
