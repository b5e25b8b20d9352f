#pragma once

#include "gfx/Bitmap.h"

#include <vector>

namespace tavrik {

// The bitmaps of a skin: the frame picture of an active form, that of an inactive form, the
// frame mask (each possibly empty), and the active pictures into which every picture index
// of the skin points.
struct TbsSkinPictureSet {
    TBitmap picture;
    TBitmap inactivepicture;
    TBitmap mask;
    std::vector<TBitmap> activepictures;

    friend bool operator==(const TbsSkinPictureSet&, const TbsSkinPictureSet&) = default;
};

} // namespace tavrik
