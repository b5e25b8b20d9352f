#include "wsys/CursorImage.h"

#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

namespace {

bool RowShows(const TBitmap& b, int y)
{
    const uint8_t* row = b.ScanLine(y);
    for (int x = 0; x < b.Width(); ++x)
        if (row[4 * x + 3] != 0) return true;
    return false;
}

} // namespace

std::optional<TCursorImage> GetCursorImage()
{
    if (!TWindowSystem::Exists()) return std::nullopt;
    auto* source = dynamic_cast<ICursorImageSource*>(&TWindowSystem::Current().Backend());
    return source ? source->CurrentCursorImage() : std::nullopt;
}

int CursorBottomOffset(const std::optional<TCursorImage>& image)
{
    if (!image || image->picture.Empty() || image->picture.PixelFormat() != TPixelFormat::pf32bit)
        return GetSystemMetrics(SM_CYCURSOR);
    const TBitmap& b = image->picture;
    int lowest = b.Height() - 1;
    while (lowest > 0 && !RowShows(b, lowest)) --lowest;
    // A hot spot below everything the pointer shows puts nothing above the pointer.
    return std::max(0, lowest - image->hotSpot.y);
}

} // namespace tavrik
