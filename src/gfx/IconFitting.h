#pragma once

#include "gfx/Bitmap.h"

namespace tavrik {

// The icon drawn at another size, as a notification area shows it: scaled by one factor so
// that it fills the size in one direction and is centred in the other. Each target pixel is
// the average of the source area it covers, weighted by how much of each source pixel it
// covers and by that pixel's alpha, so the colour of transparent pixels never bleeds into
// the edges. An icon of exactly the size comes back unchanged.
//
// The icon has 32 bits with straight alpha (other formats count as opaque); so has the
// result. An empty icon gives a transparent bitmap of the size.
TBitmap FitIcon(const TBitmap& icon, int width, int height);

} // namespace tavrik
