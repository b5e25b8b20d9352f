#pragma once

#include "ui/BoundedValue.h"
#include "ui/CustomControl.h"

#include <algorithm>
#include <string>

namespace tavrik {

// A horizontal bar that fills as Progress goes from Min to Max, with the share done written
// across it: ShowProgressText writes the number, ShowPercent adds "%" and makes it a
// percentage ((Progress - Min) x 100 div (Max - Min)).
class TGauge : public TCustomControl {
public:
    explicit TGauge(TComponent* owner);
    const char* ClassName() const override { return "TGauge"; }

    int Min() const { return range_.Min(); }
    int Max() const { return range_.Max(); }
    int Progress() const { return range_.Value(); }
    void SetMin(int v) { SetRange(v, std::max(v, Max())); }
    void SetMax(int v) { SetRange(std::min(Min(), v), v); }
    // Progress is kept inside [Min, Max].
    void SetRange(int min, int max);
    void SetProgress(int v);
    bool ShowProgressText() const { return showText_; }
    void SetShowProgressText(bool on);
    bool ShowPercent() const { return showPercent_; }
    void SetShowPercent(bool on);

    int PercentDone() const;
    // What is written across the bar ("" when the text is off).
    std::string ProgressText() const;
    // The filled part of the client area.
    TRect BarRect() const;

protected:
    void Paint() override;

private:
    TBoundedValue range_{0, 100};
    bool showText_ = true;
    bool showPercent_ = true;
};

} // namespace tavrik
