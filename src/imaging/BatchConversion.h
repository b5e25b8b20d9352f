#pragma once

#include "imaging/JpegCodec.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tavrik {

// The per-file conversions of a batch run. Each reads one source, encodes it at the given
// quality and writes BatchOutputName(outputFolder, source), replacing an existing file; it
// returns the name written. A source that cannot be read or decoded, a picture with no pixels
// (width or height 0), or an output that cannot be written raises (EFileError, EInvalidGraphic
// or EJpegError) and leaves no output file.
//
// A conversion is two steps: EncodeBatchFile does the work in memory and decides whether the
// file converts at all; WriteBatchOutput only writes what it made. A run on several cores
// encodes ahead and writes in list order.

// One source converted in memory, not yet written.
struct TBatchOutput {
    std::string fileName;        // where it goes: BatchOutputName of the source
    std::vector<uint8_t> stream; // the JPEG stream
};

// For a ".BMP" source (any case): read as a Windows bitmap of whatever depth it has.
std::string Bmp2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality);
// For every other source: decoded as JPEG whatever its extension.
std::string jpg2jpg(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                    TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);

// True when the batch run reads the file as a bitmap: its extension, upper-cased with its dot,
// is ".BMP".
bool IsBmpSource(const std::string& sourceFileName);
// Bmp2jpg or jpg2jpg, as the batch run picks them.
std::string ConvertBatchFile(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                             TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);

// The reading, decoding and encoding of ConvertBatchFile, raising as it does, without writing
// anything. Several threads may call it at once.
TBatchOutput EncodeBatchFile(const std::string& sourceFileName, const std::string& outputFolder, uint8_t quality,
                             TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);
// Writes the output in one piece, replacing an existing file; raises EFileError, leaving no
// file behind, when it cannot.
void WriteBatchOutput(const TBatchOutput& output);

} // namespace tavrik
