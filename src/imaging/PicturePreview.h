#pragma once

#include "gfx/Bitmap.h"

#include <string>

namespace tavrik {

// The picture a file dialog previews, decoded no larger than it needs to be to cover a box of
// boxWidth x boxHeight: a JPEG file at 1/2, 1/4 or 1/8 scale (JpegDecodePreview), a BMP file in
// full. The reader is chosen by the extension in any case, as LoadPictureFromFile does.
//
// Never throws. A file that is missing, is not a regular file (a pipe would block the read),
// has another extension or cannot be decoded gives an empty picture, which the dialog shows as
// "no preview"; a preview is a glance, and a broken file is no reason for an error box.
TBitmap LoadPicturePreview(const std::string& fileName, int boxWidth, int boxHeight);

} // namespace tavrik
