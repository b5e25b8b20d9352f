#include "Palette.h"

#include <algorithm>
#include <map>
#include <unordered_map>

namespace tavrik::skingen {

namespace {

struct TWeighted {
    TColor colour;
    uint64_t count;
};

uint8_t Channel(TColor c, int channel)
{
    return channel == 0 ? GetRValue(c) : channel == 1 ? GetGValue(c) : GetBValue(c);
}

int Range(const std::vector<TWeighted>& box, int channel)
{
    int lo = 255, hi = 0;
    for (const TWeighted& w : box) {
        lo = std::min<int>(lo, Channel(w.colour, channel));
        hi = std::max<int>(hi, Channel(w.colour, channel));
    }
    return hi - lo;
}

TColor Mean(const std::vector<TWeighted>& box)
{
    uint64_t r = 0, g = 0, b = 0, n = 0;
    for (const TWeighted& w : box) {
        r += GetRValue(w.colour) * w.count;
        g += GetGValue(w.colour) * w.count;
        b += GetBValue(w.colour) * w.count;
        n += w.count;
    }
    return RGB(uint8_t((r + n / 2) / n), uint8_t((g + n / 2) / n), uint8_t((b + n / 2) / n));
}

std::vector<TColor> MedianCut(std::vector<TWeighted> colours, size_t slots)
{
    std::vector<std::vector<TWeighted>> boxes;
    boxes.push_back(std::move(colours));
    while (boxes.size() < slots) {
        // Split the box with the widest channel range.
        size_t best = boxes.size();
        int bestRange = 0, bestChannel = 0;
        for (size_t i = 0; i < boxes.size(); ++i) {
            if (boxes[i].size() < 2) continue;
            for (int channel = 0; channel < 3; ++channel) {
                int range = Range(boxes[i], channel);
                if (range > bestRange) {
                    bestRange = range;
                    best = i;
                    bestChannel = channel;
                }
            }
        }
        if (best == boxes.size()) break;
        std::vector<TWeighted>& box = boxes[best];
        std::stable_sort(box.begin(), box.end(), [&](const TWeighted& a, const TWeighted& b) {
            return Channel(a.colour, bestChannel) < Channel(b.colour, bestChannel);
        });
        uint64_t total = 0, running = 0;
        for (const TWeighted& w : box) total += w.count;
        size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            running += box[cut - 1].count;
            if (running * 2 >= total) break;
        }
        std::vector<TWeighted> upper(box.begin() + std::ptrdiff_t(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    std::vector<TColor> palette;
    for (const auto& box : boxes) palette.push_back(Mean(box));
    return palette;
}

uint8_t Nearest(const std::vector<TRGBQuad>& palette, TColor c)
{
    int best = 0, bestDistance = 1 << 30;
    for (size_t i = 0; i < palette.size(); ++i) {
        int dr = palette[i].rgbRed - GetRValue(c), dg = palette[i].rgbGreen - GetGValue(c),
            db = palette[i].rgbBlue - GetBValue(c);
        int d = dr * dr + dg * dg + db * db;
        if (d < bestDistance) {
            bestDistance = d;
            best = int(i);
        }
    }
    return uint8_t(best);
}

} // namespace

TBitmap Quantise(const TBitmap& picture, const std::vector<TColor>& reserved)
{
    std::map<TColor, uint64_t> histogram;
    for (int y = 0; y < picture.Height(); ++y)
        for (int x = 0; x < picture.Width(); ++x) ++histogram[picture.GetPixel(x, y)];

    std::vector<TColor> palette;
    for (TColor c : reserved)
        if (histogram.erase(c) && std::find(palette.begin(), palette.end(), c) == palette.end()) palette.push_back(c);
    std::vector<TWeighted> others;
    for (const auto& [colour, count] : histogram) others.push_back({colour, count});
    size_t slots = 256 - palette.size();
    if (others.size() <= slots) {
        for (const TWeighted& w : others) palette.push_back(w.colour);
    } else {
        std::vector<TColor> cut = MedianCut(std::move(others), slots);
        palette.insert(palette.end(), cut.begin(), cut.end());
    }

    std::vector<TRGBQuad> quads;
    for (TColor c : palette) quads.push_back(QuadFromColor(c));
    TBitmap out(picture.Width(), picture.Height(), TPixelFormat::pf8bit);
    out.SetPalette(quads);
    std::unordered_map<TColor, uint8_t> index;
    for (size_t i = 0; i < palette.size(); ++i) index.emplace(palette[i], uint8_t(i));
    for (int y = 0; y < picture.Height(); ++y) {
        uint8_t* row = out.ScanLine(y);
        for (int x = 0; x < picture.Width(); ++x) {
            TColor c = picture.GetPixel(x, y);
            auto it = index.find(c);
            if (it == index.end()) it = index.emplace(c, Nearest(quads, c)).first;
            row[x] = it->second;
        }
    }
    return out;
}

} // namespace tavrik::skingen
