#include "ui/Application.h"
#include "ui/Control.h"
#include "ui/HintWindow.h"
#include "ui/Screen.h"
#include "wsys/CursorImage.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

// A control's hint appears when the pointer has rested on it for HintPause (HintShortPause
// when another hint was just showing) and goes again after HintHidePause:
//
//   state      | pointer onto a hint control | pause ends     | hide pause ends | press, key, leave
//   -----------+-----------------------------+----------------+-----------------+------------------
//   idle       | waiting (HintPause)         |                |                 |
//   waiting    | waiting (restart)           | shown          |                 | idle
//   shown      | waiting (HintShortPause)    |                | hidden          | idle
//   hidden     | waiting (HintShortPause)    |                |                 | idle
//
// A hint stays hidden while the pointer stays on the same control.

std::string GetShortHint(const std::string& hint)
{
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(0, bar);
}

std::string GetLongHint(const std::string& hint)
{
    size_t bar = hint.find('|');
    return bar == std::string::npos ? hint : hint.substr(bar + 1);
}

void TApplication::SetShowHint(bool on)
{
    if (on == showHint_) return;
    showHint_ = on;
    if (on) return;
    CancelHint();
    if (THintWindow* w = hintWindow_.Get()) w->Free();
    hintWindow_ = nullptr;
}

void TApplication::SetHint(const std::string& hint)
{
    if (hint == hint_) return;
    hint_ = hint;
    if (OnHint) OnHint(this);
}

void TApplication::HintMouseMessage(TControl* control, TPoint screen)
{
    (void)screen;
    SetHint(control ? GetLongHint(control->Hint()) : std::string());
    TControl* target = control;
    while (target && !target->ShowHint()) target = target->Parent();
    if (!showHint_ || !target || GetShortHint(target->Hint()).empty()) {
        CancelHint();
        return;
    }
    if (target == hintControl_.Get()) return;
    HideHint();
    hintControl_ = target;
    StartHintTimer(hintActive_ ? hintShortPause_ : hintPause_, true);
}

void TApplication::ActivateHint(TPoint cursor)
{
    StopHintTimer();
    TControl* control = hintControl_.Get();
    if (!control || !showHint_) return;
    THintInfo info;
    info.HintControl = control;
    info.CursorPos = cursor;
    info.CursorRect = control->ClientRect();
    // Below the pointer's visible shape; above the pointer when the hint does not fit below
    // (unless the control or OnShowHint moved it).
    const TPoint belowPointer{cursor.x, cursor.y + CursorBottomOffset()};
    info.HintPos = belowPointer;
    info.HintMaxWidth = Screen()->Width();
    info.HintColor = hintColor_;
    info.HideTimeout = hintHidePause_;
    info.HintStr = GetShortHint(control->Hint());
    auto alive = Guard();
    bool canShow = control->Perform(CM_HINTSHOW, 0, LPARAM(reinterpret_cast<intptr_t>(&info))) == 0;
    if (canShow && OnShowHint) OnShowHint(info.HintStr, canShow, info);
    if (!alive) return;
    hintActive_ = canShow;
    if (!canShow || info.HintStr.empty()) return;
    if (!hintWindow_) {
        THintWindow* w = hintWindowClass_ ? hintWindowClass_(this) : new THintWindow(this);
        hintWindow_ = w;
    }
    THintWindow* w = hintWindow_.Get();
    w->SetColor(info.HintColor);
    TRect r = w->CalcHintRect(info.HintMaxWidth, info.HintStr);
    if (info.HintPos == belowPointer) info.HintPos = HintPosNearPointer(cursor, {r.Width(), r.Height()});
    w->ActivateHint(r.Offset(info.HintPos.x, info.HintPos.y), info.HintStr);
    if (info.HideTimeout > 0) StartHintTimer(info.HideTimeout, false);
}

void TApplication::HideHint()
{
    if (THintWindow* w = hintWindow_.Get(); w && w->Visible()) w->HideHint();
}

void TApplication::CancelHint()
{
    if (!hintControl_ && !hintTimer_) return;
    HideHint();
    hintControl_ = nullptr;
    hintActive_ = false;
    StopHintTimer();
}

void TApplication::StartHintTimer(int ms, bool show)
{
    StopHintTimer();
    if (!TWindowSystem::Exists()) return;
    hintTimerShows_ = show;
    hintTimer_ = SetTimer(nullptr, 0, UINT(std::max(ms, 1)), [this](HWND, UINT, uint64_t, DWORD) { HintTimerFired(); });
}

void TApplication::StopHintTimer()
{
    if (hintTimer_ && TWindowSystem::Exists()) KillTimer(nullptr, hintTimer_);
    hintTimer_ = 0;
}

void TApplication::HintTimerFired()
{
    bool show = hintTimerShows_;
    StopHintTimer();
    try {
        if (show) ActivateHint(GetCursorPos());
        else HideHint();
    } catch (...) {
        HandleException(this);
    }
}

} // namespace tavrik
