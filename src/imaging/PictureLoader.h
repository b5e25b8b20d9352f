#pragma once

#include "gfx/Bitmap.h"
#include "imaging/JpegCodec.h"

#include <memory>
#include <string>

namespace tavrik {

// Reads a picture file into a new 24-bit picture buffer, choosing the reader by the file
// name's extension in any case: BMP as a Windows bitmap of any depth, JPG and JPEG as JPEG;
// ICO, WMF and EMF give a new empty picture without reading the file. A missing file or any
// other extension gives nothing. A file that cannot be read or decoded raises.
std::unique_ptr<TBitmap> LoadPictureFromFile(const std::string& fileName,
                                             TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);

} // namespace tavrik
