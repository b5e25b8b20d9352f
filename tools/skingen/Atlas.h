#pragma once

#include "Painter.h"

#include <functional>
#include <vector>

namespace tavrik::skingen {

// Packs element images into a picture of fixed width, each at the lowest free place (then the
// leftmost), with a gap between them so that no soft edge reaches a neighbour; draws them
// once all are placed.
class TAtlas {
public:
    using TDraw = std::function<void(TPainter&, const TRect&)>;

    TAtlas(int width, TColor background) : width_(width), background_(background) {}

    // Reserves a w x h area and remembers how to draw it.
    TRect Place(int w, int h, TDraw draw);
    TPainter Render() const;

private:
    static constexpr int kGap = 2;

    int width_;
    TColor background_;
    // The lowest free y of every column (the skyline).
    std::vector<int> top_ = std::vector<int>(size_t(width_), kGap);
    std::vector<std::pair<TRect, TDraw>> elements_;
};

} // namespace tavrik::skingen
