#include "ui/Timer.h"

#include "ui/Application.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

TTimer::TTimer(TComponent* owner) : TComponent(owner) { UpdateTimer(); }

TTimer::~TTimer()
{
    MarkDestroying();
    Stop();
}

void TTimer::SetEnabled(bool on)
{
    if (on == enabled_) return;
    enabled_ = on;
    UpdateTimer();
}

void TTimer::SetInterval(unsigned ms)
{
    if (ms == interval_) return;
    interval_ = ms;
    UpdateTimer();
}

void TTimer::Stop()
{
    if (id_ && TWindowSystem::Exists()) KillTimer(nullptr, id_);
    id_ = 0;
}

void TTimer::UpdateTimer()
{
    Stop();
    if (!enabled_ || interval_ == 0 || !TWindowSystem::Exists()) return;
    id_ = SetTimer(nullptr, 0, interval_, [this](HWND, UINT, uint64_t, DWORD) {
        try {
            Timer();
        } catch (...) {
            HandleExceptionOrRethrow(this);
        }
    });
}

void TTimer::Timer()
{
    if (OnTimer) OnTimer(this);
}

} // namespace tavrik
