#include "wsys/Caret.h"

#include "core/TickClock.h"
#include "gfx/Canvas.h"
#include "wsys/Painter.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

TCaret::~TCaret()
{
    if (timerId_ && TWindowSystem::Exists()) ws_.Timers().Kill(nullptr, timerId_);
}

TWindow* TCaret::Root() const
{
    TWindow* r = owner_;
    while (r && r->parent) r = r->parent;
    return r;
}

void TCaret::Invert(TWindow* root, const TRegion& area)
{
    TCanvas canvas(root->backing, area, {});
    canvas.InvertRect(area.BoundingBox());
    root->dirty |= area;
}

void TCaret::Draw(bool on)
{
    if (on == drawn_ || !owner_) return;
    drawn_ = on;
    if (!on) {
        if (drawnRoot_ && !drawnArea_.IsEmpty()) Invert(drawnRoot_, drawnArea_);
        drawnRoot_ = nullptr;
        drawnArea_ = {};
        return;
    }
    TPoint off = TPainter::OffsetInRoot(owner_);
    TRect rect = Bounds(off.x + owner_->client.Left + pos_.x, off.y + owner_->client.Top + pos_.y, size_.cx, size_.cy);
    drawnRoot_ = Root();
    drawnArea_ = ws_.Painter().VisibleRegion(owner_, true) & TRegion(rect);
    if (!drawnArea_.IsEmpty()) Invert(drawnRoot_, drawnArea_);
}

void TCaret::Restart()
{
    blinkOn_ = true;
    if (timerId_) ws_.Timers().Kill(nullptr, timerId_);
    timerId_ = 0;
    if (owner_ && blinkMs_ > 0)
        timerId_ = ws_.Timers().Set(nullptr, 0, blinkMs_, [this](HWND, UINT, uint64_t, DWORD) { Blink(); }, GetTickCount());
}

void TCaret::Blink()
{
    blinkOn_ = !blinkOn_;
    Draw(blinkOn_ && hideCount_ == 0 && suspended_ == 0);
}

void TCaret::TellInputMethod()
{
    TWindow* root = Root();
    if (!root || !root->native) return;
    TPoint off = TPainter::OffsetInRoot(owner_);
    ws_.Backend().SetTextInputSpot(
        root->native, Bounds(off.x + owner_->client.Left + pos_.x, off.y + owner_->client.Top + pos_.y, size_.cx, size_.cy));
}

bool TCaret::Create(TWindow* owner, int width, int height)
{
    Destroy();
    owner_ = owner;
    size_ = {width > 0 ? width : 1, height > 0 ? height : 1};
    pos_ = {};
    hideCount_ = 1;
    Restart();
    TellInputMethod();
    return true;
}

bool TCaret::Destroy()
{
    if (!owner_) return false;
    Draw(false);
    if (timerId_) ws_.Timers().Kill(nullptr, timerId_);
    timerId_ = 0;
    owner_ = nullptr;
    return true;
}

bool TCaret::SetPos(TPoint clientPos)
{
    if (!owner_) return false;
    bool wasDrawn = drawn_;
    Draw(false);
    pos_ = clientPos;
    TellInputMethod();
    Restart(); // a moving caret stays visible while typing
    if (wasDrawn || (hideCount_ == 0 && suspended_ == 0)) Draw(hideCount_ == 0 && suspended_ == 0);
    return true;
}

bool TCaret::Show(TWindow* w)
{
    if (!owner_ || (w && w != owner_) || hideCount_ == 0) return false;
    if (--hideCount_ == 0) {
        Restart();
        Draw(suspended_ == 0);
    }
    return true;
}

bool TCaret::Hide(TWindow* w)
{
    if (!owner_ || (w && w != owner_)) return false;
    ++hideCount_;
    Draw(false);
    return true;
}

void TCaret::SetBlinkTime(uint32_t ms)
{
    blinkMs_ = ms;
    if (owner_) Restart();
}

void TCaret::Suspend(TWindow* root)
{
    if (!owner_ || Root() != root) return;
    if (suspended_++ == 0) Draw(false);
}

void TCaret::Resume(TWindow* root)
{
    if (!owner_ || Root() != root || suspended_ == 0) return;
    if (--suspended_ == 0) Draw(blinkOn_ && hideCount_ == 0);
}

void TCaret::Forget(TWindow* w)
{
    if (drawnRoot_ == w) {
        drawn_ = false; // the pixels go with the window
        drawnRoot_ = nullptr;
        drawnArea_ = {};
    }
    if (owner_ && TWindowSystem::IsDescendant(w, owner_)) Destroy();
}

} // namespace tavrik
