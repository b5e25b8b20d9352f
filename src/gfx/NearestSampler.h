#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>

namespace tavrik {

// Which source position each target position of one axis takes in a copy without averaging.
// Every scaled or tiled copy samples here (the canvas' stretch, the skin's cells), so a
// picture looks the same whichever way it is drawn.
//
// A copy maps a target run with edges (target0, target1) onto a source run with edges
// (source0, source1). Target pixel i of a run of n pixels takes source pixel
// (2i + 1) * m / (2n) of a run of m: the one under its centre, so equal lengths copy pixel
// for pixel. A run whose second edge lies before its first is reversed, and a reversed run
// against a plain one mirrors the copy: target pixel i then takes what pixel n - 1 - i would.
// A run with equal edges is empty and samples nothing.
class TNearestSampler {
public:
    TNearestSampler(int32_t target0, int32_t target1, int32_t source0, int32_t source1)
        : targetStart_(std::min(target0, target1)),
          targetLength_(int64_t(std::max(target0, target1)) - targetStart_),
          sourceStart_(std::min(source0, source1)),
          sourceLength_(int64_t(std::max(source0, source1)) - sourceStart_),
          mirrored_((target1 < target0) != (source1 < source0))
    {
    }

    bool Empty() const { return targetLength_ == 0 || sourceLength_ == 0; }
    // Same length, same direction: position for position.
    bool Identity() const { return targetLength_ == sourceLength_ && !mirrored_; }
    int32_t TargetStart() const { return targetStart_; }
    int32_t TargetEnd() const { return int32_t(targetStart_ + targetLength_); }

    // The source position under target position t of the target run; not for an empty one.
    int32_t Source(int32_t t) const
    {
        // Runs may be as long as the whole 32-bit range, whose product needs 66 bits.
        __extension__ using TWide = __int128;
        return int32_t(sourceStart_ + int64_t(TWide(2 * Step(t) + 1) * sourceLength_ / (2 * targetLength_)));
    }
    // The same when the source run is repeated from the target run's start instead of
    // scaled; the last copy is cut at the target run's end.
    int32_t TiledSource(int32_t t) const { return int32_t(sourceStart_ + Step(t) % sourceLength_); }

    // The target positions in [first, last) whose source position lies in [0, sourceSize).
    // The mapping is monotonic, so they form one run; it is empty when none does.
    std::pair<int32_t, int32_t> InsideRun(int32_t first, int32_t last, int32_t sourceSize) const
    {
        auto inside = [&](int32_t t) {
            int32_t s = Source(t);
            return s >= 0 && s < sourceSize;
        };
        while (first < last && !inside(first)) ++first;
        while (last > first && !inside(last - 1)) --last;
        return {first, last};
    }

private:
    int64_t Step(int32_t t) const
    {
        int64_t i = int64_t(t) - targetStart_;
        return mirrored_ ? targetLength_ - 1 - i : i;
    }

    int32_t targetStart_;
    int64_t targetLength_;
    int32_t sourceStart_;
    int64_t sourceLength_;
    bool mirrored_;
};

} // namespace tavrik
