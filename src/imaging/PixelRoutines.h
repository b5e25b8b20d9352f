#pragma once

#include "gfx/Bitmap.h"
#include "imaging/ProgressSink.h"

namespace tavrik {

// The colour adjustments of the colour dialog, on 24-bit picture buffers (a picture of another
// format is converted to 24 bits first). Results are exact to the byte, wrap-around of the
// saturation routine included. Apply forms change the picture in place and report row
// progress to the sink when one is given; preview forms write the adjusted source into the
// target, which is given the source's size first when it differs.

// Amount -255..255: positive pushes channels of 128 and above up and the others down by
// Amount div 2; negative moves every channel toward 127 by |Amount| / 255 of its distance.
void ApplyContrast(TBitmap& picture, int amount);

// Amount -255..255: 0 gives gray, 255 leaves the picture unchanged, negative amounts push the
// channels beyond gray (modulo 256).
void ApplySaturation(TBitmap& picture, int amount, TProgressSink* progress);
void PreviewSaturation(const TBitmap& source, TBitmap& target, int amount);

// Shifts -128..127 per channel, clamped to 0..255.
void ApplyRGB(TBitmap& picture, int red, int green, int blue, TProgressSink* progress);
void PreviewRGB(const TBitmap& source, TBitmap& target, int red, int green, int blue);

} // namespace tavrik
