#pragma once

#include "gfx/Bitmap.h"

#include <string_view>

namespace tavrik {

// The file dialog's tool-button glyphs by name: "BS_BACK", "BS_UP", "BS_NEWFOLDER",
// "BS_LVSTYLE" and "BS_STRETCH". Each is 16 x 16 on the key colour clFuchsia, which the
// buttons draw as transparent; an unknown name gives an empty bitmap.
TBitmap DialogToolGlyph(std::string_view name);

} // namespace tavrik
