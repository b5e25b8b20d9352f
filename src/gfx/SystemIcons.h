#pragma once

#include "gfx/Bitmap.h"

#include <cstdint>

namespace tavrik {

enum class TSystemIcon : uint8_t { Information, Warning, Error, Question, Application };

// The desktop's standard icons as 32-bit bitmaps with straight alpha in the fourth byte
// (draw them with TCanvas::DrawAlpha). Each is drawn on first use at the asked size (clamped
// to 1 to 256) and kept for the program's life. The message icons are designed for 32 x 32,
// the program icon for 16, 32 and 48.
const TBitmap& SystemIcon(TSystemIcon icon, int size = 32);

} // namespace tavrik
