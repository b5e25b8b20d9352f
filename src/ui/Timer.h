#pragma once

#include "ui/Component.h"
#include "ui/ControlTypes.h"

#include <cstdint>

namespace tavrik {

// Fires OnTimer every Interval milliseconds of the window system's clock while Enabled;
// an Interval of 0 stops it. Changing either restarts the count.
class TTimer : public TComponent {
public:
    explicit TTimer(TComponent* owner);
    ~TTimer() override;
    const char* ClassName() const override { return "TTimer"; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned ms);

    TNotifyEvent OnTimer;

protected:
    virtual void Timer();

private:
    void UpdateTimer();
    void Stop();

    bool enabled_ = true;
    unsigned interval_ = 1000;
    uint64_t id_ = 0;
};

} // namespace tavrik
