#pragma once

#include "gfx/Bitmap.h"

namespace tavrik {

// The workbench's small pictures, 16 x 16 on a fuchsia (transparent) background.
TBitmap ZoomInGlyph();   // a magnifier with a plus
TBitmap ZoomOutGlyph();  // a magnifier with a minus
TBitmap BitmapFileIcon(); // a page with a brush: bitmap files in the batch list
TBitmap PhotoFileIcon();  // a page with a photograph: other pictures

} // namespace tavrik
