#pragma once

#include "skin/SkinPictureSet.h"

#include <cstdint>
#include <span>
#include <vector>

namespace tavrik {

class TbsByteReader;

// Skin pictures are small; these caps keep a damaged or hostile skin (a run-length image of a
// few bytes can claim any size) from taking more than a few hundred megabytes.
constexpr uint64_t kMaxSkinPicturePixels = uint64_t(4096) * 4096;
constexpr uint64_t kMaxSkinPixelsInAll = uint64_t(32) << 20;

// Decodes one BMP file image of a skin, counting its pixels against budget (the pixels the
// skin may still take in all). EInvalidGraphic when it is damaged or beyond either cap.
TBitmap ReadSkinBitmap(std::span<const uint8_t> image, uint64_t& budget);

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
// not trusted: images are read one at a time until it is reached or the data runs out. A
// form bitmap whose image has no pixels reads as empty; an active picture without pixels
// throws EInvalidGraphic, as the layout cannot carry one.
TbsSkinPictureSet ReadSkinPictures(TbsByteReader& in);
// An empty active picture cannot be stored and throws EInvalidGraphic.
void WriteSkinPictures(const TbsSkinPictureSet& pictures, std::vector<uint8_t>& out);

} // namespace tavrik
