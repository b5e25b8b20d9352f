#pragma once

#include <algorithm>
#include <cstdint>

namespace tavrik {

// An integer kept inside [Min, Max]: the value behind progress bars, gauges and sliders.
class TBoundedValue {
public:
    TBoundedValue(int min, int max) : min_(min), max_(std::max(min, max)), value_(min) {}

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }

    // A Max below Min becomes Min, and the value is pulled inside. Whether the range changed.
    bool SetRange(int min, int max)
    {
        max = std::max(min, max);
        if (min == min_ && max == max_) return false;
        min_ = min;
        max_ = max;
        value_ = std::clamp(value_, min_, max_);
        return true;
    }
    // Whether the value changed once clamped.
    bool SetValue(int v)
    {
        v = std::clamp(v, min_, max_);
        if (v == value_) return false;
        value_ = v;
        return true;
    }

    // The value's share of a length: 0 at Min, the whole length at Max, 0 for an empty range.
    int Scale(int length) const
    {
        return max_ > min_ ? int(int64_t(length) * (value_ - min_) / (max_ - min_)) : 0;
    }

private:
    int min_;
    int max_;
    int value_;
};

} // namespace tavrik
