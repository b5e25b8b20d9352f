#pragma once

#include "ui/BoundedValue.h"
#include "ui/CustomControl.h"

#include <algorithm>

namespace tavrik {

// A bar that fills as Position goes from Min to Max.
class TProgressBar : public TCustomControl {
public:
    explicit TProgressBar(TComponent* owner);
    const char* ClassName() const override { return "TProgressBar"; }

    int Min() const { return range_.Min(); }
    int Max() const { return range_.Max(); }
    int Position() const { return range_.Value(); }
    // Position is kept inside [Min, Max].
    void SetMin(int v) { SetRange(v, std::max(v, Max())); }
    void SetMax(int v) { SetRange(std::min(Min(), v), v); }
    void SetRange(int min, int max);
    void SetPosition(int v);
    int Step() const { return step_; }
    void SetStep(int v) { step_ = v; }
    void StepIt() { SetPosition(Position() + step_); }
    void StepBy(int delta) { SetPosition(Position() + delta); }

    // The filled part of the client area.
    TRect BarRect() const;

protected:
    void Paint() override;

private:
    TBoundedValue range_{0, 100};
    int step_ = 10;
};

} // namespace tavrik
