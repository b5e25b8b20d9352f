#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"
#include "skin/SkinImageBuilders.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace tavrik {

// Window shapes from mask pictures: a pixel is inside exactly when it is pure black.

// One rectangle per maximal run of black pixels in a row, offset by (offsetX, offsetY), in
// the order found: rows top to bottom, runs left to right. Runs of adjacent rows are kept
// apart, so the shape is exact.
std::vector<TRect> MaskRuns(const TBitmap& mask, int offsetX, int offsetY);

// The runs in the window system's region data layout, little-endian:
//   header size (32), kind (1: rectangles), count n, region size (0),
//   bounds (offsetX, offsetY, offsetX + mask width, offsetY + mask height),
//   then n rectangles of left, top, right, bottom.
// The list holds every run however many there are. Empty for an empty mask.
std::vector<uint8_t> RegionDataFromMask(const TBitmap& mask, int offsetX, int offsetY);

constexpr size_t kRegionDataHeaderSize = 32;

// The shape of the whole mask; nothing for an empty mask, so that the window keeps its
// rectangle (an empty region would hide it).
std::optional<TRegion> RegionFromMask(const TBitmap& mask);

// The four bands of a mask resized with its element to width newWidth: the same bands that
// BuildFrameParts makes from the picture, always tiled, with newCut the element's new cut.
// A band that is not made stays empty; pixels no cell covers are white, outside the shape.
TFrameParts BuildMaskFrameParts(const TBitmap& mask, const TSkinCut& cut, int newWidth, const TSkinCut& newCut);

// The shape of a frame whose mask bands lie around client as TFrameParts places them: the
// client rectangle, always inside, united with the bands' shapes. Nothing when there is
// nothing to unite.
std::optional<TRegion> RegionOfMaskParts(const TFrameParts& parts, const TRect& client);

// The shape of an element of width newWidth drawn with newCut: RegionOfMaskParts of its
// resized mask bands around the new client rectangle. Nothing when the element is smaller
// than its corners or there is nothing to unite; the element then keeps its rectangle.
std::optional<TRegion> FrameRegionFromMask(const TBitmap& mask, const TSkinCut& cut, int newWidth,
                                           const TSkinCut& newCut);

} // namespace tavrik
