#pragma once

#include "skin/SkinPictureSet.h"

#include <cstdint>
#include <vector>

namespace tavrik {

class TbsByteReader;

// The binary layout of a skin's pictures, shared by the stored skin's "Pictures" stream and
// the compressed skin (all integers little-endian):
//
//   flag      1 byte   1: picture is empty, nothing follows; 0: an image follows
//   [image]            picture
//   flag, [image]      inactivepicture
//   flag, [image]      mask
//   count     4 bytes  signed; 0 or less means no active pictures
//   image * count      activepictures, no flags
//
// An image is a complete BMP file as stored on disk; the 32-bit file size at its offset 2
// says how many bytes it takes, so images follow each other without padding. Each bitmap
// keeps its pixel format.

// Reads the layout at the reader's position into a new set. A truncated stream throws
// EReadError, an image not beginning "BM" or not decodable EInvalidGraphic. The count is
// not trusted: images are read one at a time until it is reached or the data runs out.
TbsSkinPictureSet ReadSkinPictures(TbsByteReader& in);
// An empty active picture cannot be stored and throws EInvalidGraphic.
void WriteSkinPictures(const TbsSkinPictureSet& pictures, std::vector<uint8_t>& out);

} // namespace tavrik
