#include "app/WorkPicture.h"

#include "gfx/Canvas.h"

namespace tavrik {

void SetWorkPicture(TImage* view, const TBitmap& picture)
{
    if (picture.PixelFormat() == TPixelFormat::pf24bit) view->Picture().Assign(picture);
    else view->Picture().SetBitmap(picture.ToPictureBuffer());
}

TBitmap StretchedCopy(const TBitmap& picture, int width, int height)
{
    if (width <= 0 || height <= 0) return TBitmap(0, 0);
    TBitmap result(width, height);
    if (picture.Empty()) return result;
    TCanvas canvas(result);
    canvas.StretchDraw({0, 0, width, height}, picture);
    return result;
}

} // namespace tavrik
