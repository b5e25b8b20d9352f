#include "Atlas.h"

#include <algorithm>
#include <stdexcept>

namespace tavrik::skingen {

TRect TAtlas::Place(int w, int h, TDraw draw)
{
    if (w + 2 * kGap > width_) throw std::logic_error("element wider than its picture");
    int bestX = 0, bestY = 1 << 30;
    for (int x = kGap; x + w + kGap <= width_; ++x) {
        int y = *std::max_element(top_.begin() + x, top_.begin() + x + w + kGap);
        if (y < bestY) {
            bestY = y;
            bestX = x;
        }
    }
    TRect r = Bounds(bestX, bestY, w, h);
    std::fill(top_.begin() + bestX, top_.begin() + bestX + w + kGap, bestY + h + kGap);
    elements_.emplace_back(r, std::move(draw));
    return r;
}

TPainter TAtlas::Render() const
{
    TPainter painter(width_, *std::max_element(top_.begin(), top_.end()), background_);
    for (const auto& [rect, draw] : elements_) draw(painter, rect);
    return painter;
}

} // namespace tavrik::skingen
