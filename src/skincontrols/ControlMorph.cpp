#include "skincontrols/ControlMorph.h"

#include "skin/EffectBmp.h"
#include "ui/Control.h"
#include "ui/Timer.h"

#include <algorithm>
#include <cmath>

namespace tavrik {

namespace {

constexpr unsigned kMorphInterval = 20;
constexpr double kMorphStep = 0.1;

} // namespace

TbsControlMorph::TbsControlMorph(TControl* control, std::function<bool()> active, std::function<bool()> morphs)
    : control_(control), active_(std::move(active)), morphs_(std::move(morphs))
{
}

TbsControlMorph::~TbsControlMorph() = default;

bool TbsControlMorph::Running() const { return timer_ && timer_->Enabled(); }

void TbsControlMorph::Start()
{
    if (Running()) return;
    if (!timer_) {
        // Made once and only switched off afterwards: a tick may stop its own timer.
        timer_.reset(new TTimer(nullptr));
        timer_->SetInterval(kMorphInterval);
        timer_->OnTimer = [this](TComponent*) { Tick(); };
    }
    timer_->SetEnabled(true);
}

void TbsControlMorph::Stop()
{
    if (timer_) timer_->SetEnabled(false);
}

void TbsControlMorph::Tick()
{
    const bool active = active_();
    if (!morphs_()) {
        level_ = active ? 1 : 0;
        Stop();
        return;
    }
    // Clamped, so that ten steps of 0.1 that add up to a hair below 1 take no eleventh step.
    // Whole steps: ten additions of 0.1 fall short of 1 and would take an eleventh tick.
    if (active && level_ < 1) {
        level_ = std::min(1.0, std::round((level_ + kMorphStep) / kMorphStep) * kMorphStep);
    } else if (!active && level_ > 0) {
        level_ = std::max(0.0, std::round((level_ - kMorphStep) / kMorphStep) * kMorphStep);
    } else {
        level_ = active ? 1 : 0;
        Stop();
    }
    control_->Invalidate();
}

TBitmap TbsControlMorph::Compose(const TBitmap& normal, const TBitmap& active, int morphKind) const
{
    TbsEffectBmp image(normal);
    image.Morph(morphKind, TbsEffectBmp(active), level_);
    return image.Bitmap();
}

} // namespace tavrik
