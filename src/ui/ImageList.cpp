#include "ui/ImageList.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"

#include <algorithm>

namespace tavrik {

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

void TImageList::SetSize(int width, int height)
{
    if (width == width_ && height == height_) return;
    width_ = std::max(1, width);
    height_ = std::max(1, height);
    images_.clear();
}

int TImageList::AddCells(const TBitmap& bitmap, TColor key, bool keyed)
{
    int first = Count();
    int cells = std::max(1, bitmap.Width() / width_);
    bool ownAlpha = !keyed && bitmap.PixelFormat() == TPixelFormat::pf32bit;
    for (int cell = 0; cell < cells; ++cell) {
        TBitmap image(width_, height_, TPixelFormat::pf32bit); // transparent where not covered
        for (int y = 0; y < std::min(height_, bitmap.Height()); ++y) {
            uint8_t* out = image.ScanLine(y);
            for (int x = 0; x < width_; ++x) {
                int sx = cell * width_ + x;
                if (sx >= bitmap.Width()) break;
                TColor c = bitmap.GetPixel(sx, y);
                uint8_t alpha = 255;
                if (ownAlpha) alpha = bitmap.ScanLine(y)[sx * 4 + 3];
                else if (keyed && c == key) continue;
                out[x * 4 + 0] = GetBValue(c);
                out[x * 4 + 1] = GetGValue(c);
                out[x * 4 + 2] = GetRValue(c);
                out[x * 4 + 3] = alpha;
            }
        }
        images_.push_back(std::move(image));
    }
    return first;
}

int TImageList::AddMasked(const TBitmap& bitmap, TColor maskColor)
{
    if (bitmap.Empty()) return -1;
    bool keyed = maskColor != clNone;
    TColor key = maskColor == clDefault ? bitmap.GetPixel(0, bitmap.Height() - 1) : ColorToRGB(maskColor);
    return AddCells(bitmap, key, keyed);
}

int TImageList::Add(const TBitmap& bitmap)
{
    if (bitmap.Empty()) return -1;
    return AddCells(bitmap, 0, false);
}

void TImageList::Delete(int index)
{
    if (index >= 0 && index < Count()) images_.erase(images_.begin() + index);
}

void TImageList::Clear() { images_.clear(); }

TBitmap TImageList::GetBitmap(int index) const
{
    if (index < 0 || index >= Count()) return {};
    return images_[size_t(index)];
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) const
{
    if (index < 0 || index >= Count()) return;
    const TBitmap& image = images_[size_t(index)];
    if (bkColor_ != clNone) {
        TCanvasStateSaver saver(canvas);
        canvas.Brush().Style = TBrushStyle::bsSolid;
        canvas.Brush().Color = bkColor_;
        canvas.FillRect(Bounds(x, y, image.Width(), image.Height()));
    }
    if (enabled) {
        canvas.DrawAlpha(x, y, image);
        return;
    }
    // Disabled: a light grey of each pixel's brightness, at half strength.
    TBitmap grey = image;
    for (int row = 0; row < grey.Height(); ++row) {
        uint8_t* p = grey.ScanLine(row);
        for (int col = 0; col < grey.Width(); ++col, p += 4) {
            int luma = (p[0] * 29 + p[1] * 150 + p[2] * 77) >> 8;
            auto v = uint8_t(128 + luma / 2);
            p[0] = p[1] = p[2] = v;
            p[3] = uint8_t(p[3] / 2);
        }
    }
    canvas.DrawAlpha(x, y, grey);
}

} // namespace tavrik
