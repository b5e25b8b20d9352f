#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <string>

namespace tavrik {

// Writing the workbench's output pictures. An empty picture (width or height 0) is never
// written: a 0-byte JPEG or a header-only bitmap would look like a saved picture and hold
// none. Both refuse it with EInvalidGraphic naming the file, and leave any file of that name
// as it was; other failures raise as the writers do (EJpegError, EFileError).

// Raises that refusal for an empty picture that was to be written to path.
void RefuseEmptyPicture(const TBitmap& picture, const std::string& path);
// The picture as a JPEG file at the quality (JpegEncode).
void WriteJpegFile(const TBitmap& picture, uint8_t quality, const std::string& path);
// The picture as a Windows bitmap in its own pixel format (WriteBmpFile).
void WritePictureBmpFile(const TBitmap& picture, const std::string& path);

} // namespace tavrik
