#pragma once

#include "ui/CustomControl.h"

#include <algorithm>

namespace tavrik {

// A bar that fills as Position goes from Min to Max.
class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* owner);
    const char* ClassName() const override { return "TProgressBar"; }

    int Min() const { return min_; }
    int Max() const { return max_; }
    int Position() const { return position_; }
    // Position is kept inside [Min, Max].
    void SetMin(int v) { SetRange(v, std::max(v, max_)); }
    void SetMax(int v) { SetRange(std::min(min_, v), v); }
    void SetRange(int min, int max);
    void SetPosition(int v);
    int Step() const { return step_; }
    void SetStep(int v) { step_ = v; }
    void StepIt() { SetPosition(position_ + step_); }
    void StepBy(int delta) { SetPosition(position_ + delta); }

    // The filled part of the client area.
    TRect BarRect() const;

protected:
    void Paint() override;

private:
    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int step_ = 10;
};

} // namespace tavrik
