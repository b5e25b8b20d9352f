#pragma once

#include <functional>

namespace tavrik {

// Lower and upper limits of a control's size; 0 means no limit.
class TSizeConstraints {
public:
    int MinWidth() const { return minWidth_; }
    int MinHeight() const { return minHeight_; }
    int MaxWidth() const { return maxWidth_; }
    int MaxHeight() const { return maxHeight_; }
    void SetMinWidth(int v) { Set(minWidth_, v); }
    void SetMinHeight(int v) { Set(minHeight_, v); }
    void SetMaxWidth(int v) { Set(maxWidth_, v); }
    void SetMaxHeight(int v) { Set(maxHeight_, v); }

    // A width (height) brought inside the limits; an upper limit below the lower one loses.
    int ConstrainWidth(int width) const { return Constrain(width, minWidth_, maxWidth_); }
    int ConstrainHeight(int height) const { return Constrain(height, minHeight_, maxHeight_); }

    std::function<void()> OnChange;

private:
    static int Constrain(int v, int lo, int hi)
    {
        if (hi > 0 && v > hi) v = hi;
        if (lo > 0 && v < lo) v = lo;
        return v;
    }
    void Set(int& field, int v)
    {
        if (v < 0) v = 0;
        if (field == v) return;
        field = v;
        if (OnChange) OnChange();
    }

    int minWidth_ = 0;
    int minHeight_ = 0;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
};

} // namespace tavrik
