#pragma once

#include "SkinArt.h"

namespace tavrik::skingen {

// A window and a few controls put together from the skin's pieces the way the program's
// builders will, for a person to look at the artwork as a whole.
TBitmap DrawPreview(const TSkinArt& art);

} // namespace tavrik::skingen
