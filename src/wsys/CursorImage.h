#pragma once

#include "core/Geometry.h"
#include "gfx/Bitmap.h"

#include <optional>

namespace tavrik {

// The pointer's picture as the display shows it.
struct TCursorImage {
    TBitmap picture; // 32 bits with straight alpha: alpha 0 where the pointer shows nothing
    TPoint hotSpot;  // the pixel that points, in the picture
};

// A backend that can read the pointer's current picture offers it through this interface
// beside IBackend; one that cannot leaves it out.
class ICursorImageSource {
public:
    virtual std::optional<TCursorImage> CurrentCursorImage() = 0;

protected:
    ~ICursorImageSource() = default;
};

// The pointer's current picture; none when the display does not tell it.
std::optional<TCursorImage> GetCursorImage();

// How far below its hot spot the pointer's visible shape ends (its lowest row that shows a
// pixel, counted from the hot spot's row), so that what is placed that far below the
// pointer does not cover it. Without a picture the system's cursor height, SM_CYCURSOR.
int CursorBottomOffset(const std::optional<TCursorImage>& image);
inline int CursorBottomOffset() { return CursorBottomOffset(GetCursorImage()); }

} // namespace tavrik
