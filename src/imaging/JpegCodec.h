#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace tavrik {

// How colour files are decoded. On a screen of 8 or fewer bits per pixel, colour pictures go
// through a palette of at most 236 colours (dithered) before they become 24-bit, as grayscale
// pictures always do. CMYK pictures are converted to RGB directly in both modes.
enum class TJpegDecodeMode : uint8_t { TrueColor, LowColorScreen };

// Decodes a JPEG file into a new 24-bit picture buffer at full size (floating-point DCT, block
// smoothing on). Grayscale pictures are quantised to at most 236 levels with Floyd-Steinberg
// dithering; CMYK and YCCK pictures are converted to RGB. Throws EFileError when the file
// cannot be read and EJpegError, naming the file, when it is not a JPEG picture we can decode.
TBitmap JpegDecode(const std::string& fileName, TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);
// As above, from a JPEG stream in memory.
TBitmap JpegDecode(std::span<const uint8_t> stream, TJpegDecodeMode mode = TJpegDecodeMode::TrueColor);

// A picture reduced for a preview box of boxWidth x boxHeight: libjpeg decodes at 1/8, 1/4 or
// 1/2 scale, the smallest one whose picture still covers the box on both sides, which skips
// most of the work on a large photograph. Colours and failures as JpegDecode.
TBitmap JpegDecodePreview(std::span<const uint8_t> stream, int boxWidth, int boxHeight);
// The scale JpegDecodePreview picks: 8, 4, 2 or 1 for a picture of width x height.
int JpegPreviewScaleDenominator(int width, int height, int boxWidth, int boxHeight);

// Encodes the picture as a baseline JFIF stream: YCbCr 2x2/1x1/1x1, floating-point DCT,
// standard Huffman tables, quality clamped to 1..100, density unit 0 at 1 x 1. A picture of
// another pixel format is encoded from a 24-bit copy. An empty picture gives an empty stream.
std::vector<uint8_t> JpegEncode(const TBitmap& picture, uint8_t quality);

} // namespace tavrik
