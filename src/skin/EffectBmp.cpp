#include "skin/EffectBmp.h"

#include "core/Rounding.h"
#include "gfx/Canvas.h"

#include <algorithm>
#include <cstring>
#include <random>

namespace tavrik {

namespace {

// Factors beyond 0..1 (and NaN) act as the nearer end; this keeps every morph's columns
// inside the image.
double ClampFactor(double k) { return k > 0 ? (k < 1 ? k : 1) : 0; }

uint8_t ClampChannel(double v)
{
    int64_t r = Round(v);
    return uint8_t(std::clamp<int64_t>(r, 0, 255));
}

uint8_t ClampChannel(int v) { return uint8_t(std::clamp(v, 0, 255)); }

// Round(W x k) for a factor already limited to 0..1.
int Scaled(int length, double k) { return int(Round(length * k)); }

void MixPixel(uint8_t* a, const uint8_t* b, double w)
{
    for (int c = 0; c < 3; ++c) a[c] = ClampChannel(w * a[c] + (1 - w) * b[c]);
}

// A bitmap of the turned size holding each source pixel (x, y) at place(x, y). Building it
// apart keeps the source intact when an image is turned into itself.
template <typename Place>
TBitmap Turned(const TBitmap& source, Place place)
{
    TBitmap turned(source.Height(), source.Width());
    for (int y = 0; y < source.Height(); ++y) {
        const uint8_t* p = source.ScanLine(y);
        for (int x = 0; x < source.Width(); ++x, p += 3) {
            TPoint to = place(x, y);
            std::memcpy(turned.ScanLine(to.y) + 3 * size_t(to.x), p, 3);
        }
    }
    return turned;
}

} // namespace

TbsEffectBmp::TbsEffectBmp(int width, int height) : pixels_(std::max(width, 0), std::max(height, 0)) {}

TbsEffectBmp::TbsEffectBmp(const TBitmap& picture) : pixels_(picture.ToPictureBuffer()) {}

void TbsEffectBmp::Draw(TCanvas& canvas, int x, int y) const { canvas.Draw(x, y, pixels_); }

TEffectPixel TbsEffectBmp::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return {};
    const uint8_t* p = PixelAddress(x, y);
    return {p[0], p[1], p[2]};
}

void TbsEffectBmp::SetPixel(int x, int y, TEffectPixel value)
{
    if (x < 0 || y < 0 || x >= Width() || y >= Height()) return;
    uint8_t* p = PixelAddress(x, y);
    p[0] = value.Blue, p[1] = value.Green, p[2] = value.Red;
}

void TbsEffectBmp::GetLine(int row, uint8_t* buffer) const
{
    if (row >= 0 && row < Height()) std::memcpy(buffer, pixels_.ScanLine(row), 3 * size_t(Width()));
}

void TbsEffectBmp::SetLine(int row, const uint8_t* buffer)
{
    if (row >= 0 && row < Height()) std::memcpy(pixels_.ScanLine(row), buffer, 3 * size_t(Width()));
}

void TbsEffectBmp::MixColumn(const TbsEffectBmp& b, int column, double w)
{
    for (int y = 0; y < Height(); ++y) MixPixel(PixelAddress(column, y), b.PixelAddress(column, y), w);
}

void TbsEffectBmp::MixRow(const TbsEffectBmp& b, int row, double w)
{
    for (int x = 0; x < Width(); ++x) MixPixel(PixelAddress(x, row), b.PixelAddress(x, row), w);
}

void TbsEffectBmp::CopyColumnFrom(const TbsEffectBmp& from, int fromColumn, int toColumn)
{
    for (int y = 0; y < Height(); ++y) std::memcpy(PixelAddress(toColumn, y), from.PixelAddress(fromColumn, y), 3);
}

void TbsEffectBmp::MorphBlend(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b)) return;
    k = ClampFactor(k);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* pa = pixels_.ScanLine(y);
        const uint8_t* pb = b.pixels_.ScanLine(y);
        for (int i = 0; i < 3 * Width(); ++i) pa[i] = ClampChannel((1 - k) * pa[i] + k * pb[i]);
    }
}

// A band of B grows from the middle; ramps on both sides fade from B at the band to A at
// the image's ends.
void TbsEffectBmp::CenterGradientColumns(const TbsEffectBmp& b, double k)
{
    const int w = Width();
    const int a = Scaled(w, k);
    const int ramp = (w - a) / 2;
    const double step = ramp == 0 ? 1.0 : 1.0 / ramp;
    const int middle = w / 2;
    const int first = std::max(0, middle - a / 2);
    const int last = std::min(w - 1, middle + a / 2);
    for (int x = first; x <= last; ++x) CopyColumnFrom(b, x, x);
    double weight = 0;
    for (int x = first; x >= 0; --x, weight = std::min(1.0, weight + step)) MixColumn(b, x, weight);
    weight = 0;
    for (int x = last; x < w; ++x, weight = std::min(1.0, weight + step)) MixColumn(b, x, weight);
}

void TbsEffectBmp::CenterGradientRows(const TbsEffectBmp& b, double k)
{
    const int h = Height();
    const int a = Scaled(h, k);
    const int ramp = (h - 1 - a) / 2;
    const double step = ramp == 0 ? 0.0 : 1.0 / ramp;
    const int middle = h / 2;
    const int first = std::max(0, middle - a / 2);
    const int last = std::min(h - 1, middle + a / 2);
    for (int y = first; y <= last; ++y) std::memcpy(pixels_.ScanLine(y), b.pixels_.ScanLine(y), 3 * size_t(Width()));
    double weight = 0;
    for (int y = first; y >= 0; --y, weight = std::min(1.0, weight + step)) MixRow(b, y, weight);
    weight = 0;
    for (int y = last; y < h; ++y, weight = std::min(1.0, weight + step)) MixRow(b, y, weight);
}

void TbsEffectBmp::MorphCenterGradient(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    k = ClampFactor(k);
    if (Width() < Height()) CenterGradientRows(b, k);
    else CenterGradientColumns(b, k);
}

void TbsEffectBmp::MorphLeftGradient(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    const int a = std::min(std::max(Scaled(Width(), ClampFactor(k)), 1), Width() - 1);
    const double step = a > 0 ? 1.0 / a : 1.0;
    double weight = 0;
    for (int x = 0; x <= a; ++x, weight = std::min(1.0, weight + step)) MixColumn(b, x, weight);
}

void TbsEffectBmp::MorphRightGradient(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    const int w = Width();
    const int a = std::min(std::max(w - Scaled(w, ClampFactor(k)), 0), w - 1);
    const double step = 1.0 / (w - a);
    double weight = 0;
    for (int x = w - 1; x >= a; --x, weight = std::min(1.0, weight + step)) MixColumn(b, x, weight);
}

void TbsEffectBmp::MorphLeftSlide(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    const int w = Width();
    const int shown = std::min(std::max(Scaled(w, ClampFactor(k)), 1), w - 1);
    for (int y = 0; y < Height(); ++y)
        std::memcpy(PixelAddress(0, y), b.PixelAddress(w - shown, y), 3 * size_t(shown));
}

void TbsEffectBmp::MorphRightSlide(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    const int w = Width();
    const int shown = std::min(std::max(Scaled(w, ClampFactor(k)), 1), w - 1);
    for (int y = 0; y < Height(); ++y)
        std::memcpy(PixelAddress(w - shown, y), b.PixelAddress(0, y), 3 * size_t(shown));
}

void TbsEffectBmp::MorphPush(const TbsEffectBmp& b, double k)
{
    if (!SameSize(b) || pixels_.Empty()) return;
    const int w = Width();
    const int a = std::min(Scaled(w, ClampFactor(k)), w - 1);
    for (int y = 0; y < Height(); ++y) {
        // A moves right by a + 1 columns; its columns a and left of it are covered by B
        // right after, so column a may take any of A's columns.
        uint8_t* row = PixelAddress(0, y);
        std::memmove(row + 3 * size_t(a + 1), row, 3 * size_t(w - a - 1));
        std::memcpy(row, b.PixelAddress(w - a - 1, y), 3 * size_t(a + 1));
    }
}

void TbsEffectBmp::Morph(int morphKind, const TbsEffectBmp& b, double k)
{
    switch (morphKind) {
    case 1: MorphCenterGradient(b, k); break;
    case 2: MorphLeftGradient(b, k); break;
    case 3: MorphRightGradient(b, k); break;
    case 4: MorphLeftSlide(b, k); break;
    case 5: MorphRightSlide(b, k); break;
    case 6: MorphPush(b, k); break;
    default: MorphBlend(b, k); break;
    }
}

void TbsEffectBmp::ApplyBrightness(double k)
{
    k = ClampFactor(k);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.ScanLine(y);
        for (int i = 0; i < 3 * Width(); ++i) p[i] = ClampChannel((1 - k) * p[i] + 255 * k);
    }
}

void TbsEffectBmp::ApplyDarkness(double k)
{
    k = ClampFactor(k);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.ScanLine(y);
        for (int i = 0; i < 3 * Width(); ++i) p[i] = ClampChannel((1 - k) * p[i]);
    }
}

void TbsEffectBmp::ApplyGrayScale()
{
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.ScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            uint8_t g = ClampChannel(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]);
            p[0] = p[1] = p[2] = g;
        }
    }
}

void TbsEffectBmp::ApplyInvert()
{
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.ScanLine(y);
        for (int i = 0; i < 3 * Width(); ++i) p[i] = uint8_t(255 - p[i]);
    }
}

void TbsEffectBmp::ApplyNoise(int amount, uint32_t seed)
{
    if (amount <= 0) return;
    std::mt19937 generator(seed);
    std::uniform_int_distribution<int> draw(0, amount - 1);
    for (int y = 0; y < Height(); ++y) {
        uint8_t* p = pixels_.ScanLine(y);
        for (int x = 0; x < Width(); ++x, p += 3) {
            int d = draw(generator) - amount / 2;
            for (int c = 0; c < 3; ++c) p[c] = ClampChannel(p[c] + d);
        }
    }
}

void TbsEffectBmp::ApplySplitBlur(int amount)
{
    if (amount == 0) return;
    // A neighbour beyond the image is replaced by the pixel's own row or column.
    auto neighbour = [](int i, int64_t offset, int limit) {
        int64_t n = i + offset;
        return n >= 0 && n < limit ? int(n) : i;
    };
    for (int i = 0; i < Height(); ++i) {
        const int upper = neighbour(i, -int64_t(amount), Height());
        const int lower = neighbour(i, amount, Height());
        for (int j = 0; j < Width(); ++j) {
            const int left = neighbour(j, -int64_t(amount), Width());
            const int right = neighbour(j, amount, Width());
            const uint8_t* ul = PixelAddress(left, upper);
            const uint8_t* ll = PixelAddress(left, lower);
            const uint8_t* ur = PixelAddress(right, upper);
            const uint8_t* lr = PixelAddress(right, lower);
            int sums[3];
            for (int c = 0; c < 3; ++c) sums[c] = (ul[c] + ll[c] + ur[c] + lr[c]) / 4;
            uint8_t* p = PixelAddress(j, i);
            for (int c = 0; c < 3; ++c) p[c] = uint8_t(sums[c]);
        }
    }
}

void TbsEffectBmp::ApplyInactiveEffect(int effect)
{
    switch (effect) {
    case 0: ApplyBrightness(0.5); break;
    case 1: ApplyDarkness(0.3); break;
    case 2: ApplyGrayScale(); break;
    case 3: ApplyNoise(50); break;
    case 4: ApplySplitBlur(1); break;
    case 5: ApplyInvert(); break;
    default: break;
    }
}

void TbsEffectBmp::RotateLeft(TbsEffectBmp& target) const
{
    const int w = Width();
    target.pixels_ = Turned(pixels_, [w](int x, int y) { return Point(y, w - 1 - x); });
}

void TbsEffectBmp::RotateRight(TbsEffectBmp& target) const
{
    const int h = Height();
    target.pixels_ = Turned(pixels_, [h](int x, int y) { return Point(h - 1 - y, x); });
}

} // namespace tavrik
