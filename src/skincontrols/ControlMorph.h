#pragma once

#include "gfx/Bitmap.h"
#include "ui/Component.h"

#include <functional>

namespace tavrik {

class TControl;
class TTimer;

// The fade of a skinned control between its normal image (MorphLevel 0) and its active image
// (1), for controls whose skin morphs (buttons, check boxes). While it runs a timer ticks
// every 20 ms and moves the level 0.1 towards the control's active condition, repainting the
// control each tick; it stops, snapped to 0 or 1, once the level has arrived. A control that is
// unbound or whose skin does not morph jumps to its state without a repaint.
class TbsControlMorph {
public:
    // active: the control's active condition (hot, pressed...); morphs: bound and morphing.
    TbsControlMorph(TControl* control, std::function<bool()> active, std::function<bool()> morphs);
    ~TbsControlMorph();
    TbsControlMorph(const TbsControlMorph&) = delete;
    TbsControlMorph& operator=(const TbsControlMorph&) = delete;

    double MorphLevel() const { return level_; }
    bool Running() const;
    // Between its two images: the paint then mixes them with Compose.
    bool InProgress() const { return level_ > 0 && level_ < 1; }
    // Starts the timer unless it runs already.
    void Start();
    void Stop();
    // The level set outright (a pressed button shows its hot image at once); the timer goes on.
    void SetMorphLevel(double level) { level_ = level; }
    // Back at the normal image with the timer stopped (the control was enabled or disabled,
    // or its skin changed).
    void Reset()
    {
        Stop();
        level_ = 0;
    }
    // The normal image turned MorphLevel of the way into the active one by the skin's morph
    // kind; images of different sizes give the normal image.
    TBitmap Compose(const TBitmap& normal, const TBitmap& active, int morphKind) const;
    // One tick of the timer.
    void Tick();

private:
    TControl* control_;
    std::function<bool()> active_;
    std::function<bool()> morphs_;
    double level_ = 0;
    TOwnedPtr<TTimer> timer_;
};

} // namespace tavrik
