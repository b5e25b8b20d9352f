#pragma once

#include "ui/Gauge.h"
#include "ui/TrackBar.h"

namespace tavrik {

// The slider and the progress gauge under the names the workbench's commands use
// (MinValue, MaxValue, Value), so that the skinned ones can take their place.
class TPlainTrackBar : public TTrackBar {
public:
    explicit TPlainTrackBar(TComponent* owner) : TTrackBar(owner) {}
    const char* ClassName() const override { return "TPlainTrackBar"; }

    int MinValue() const { return Min(); }
    int MaxValue() const { return Max(); }
    int Value() const { return Position(); }
    void SetMinValue(int v) { SetMin(v); }
    void SetMaxValue(int v) { SetMax(v); }
    void SetValue(int v) { SetPosition(v); }
};

class TPlainGauge : public TGauge {
public:
    explicit TPlainGauge(TComponent* owner) : TGauge(owner) {}
    const char* ClassName() const override { return "TPlainGauge"; }

    int MinValue() const { return Min(); }
    int MaxValue() const { return Max(); }
    int Value() const { return Progress(); }
    void SetMinValue(int v) { SetMin(v); }
    void SetMaxValue(int v) { SetMax(v); }
    void SetValue(int v) { SetProgress(v); }
};

} // namespace tavrik
