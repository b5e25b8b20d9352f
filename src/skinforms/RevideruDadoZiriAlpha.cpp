#include "skin/SkinWindows.h"
#include "skinforms/RevideruDadoZiri.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kFadeStep = 5;

} // namespace

bool TbsRevideruDadoZiri::AlphaSupported() const { return LayeredWindowsSupported(); }

void TbsRevideruDadoZiri::SetLayered(bool on)
{
    HWND h = FormHandle();
    if (!h) return;
    const auto ex = DWORD(GetWindowLongPtr(h, GWL_EXSTYLE));
    const DWORD wanted = on ? ex | WS_EX_LAYERED : ex & ~WS_EX_LAYERED;
    if (wanted != ex) SetWindowLongPtr(h, GWL_EXSTYLE, LONG_PTR(wanted));
}

void TbsRevideruDadoZiri::SetAlphaBlend(bool on)
{
    alphaBlend_ = on;
    if (!AlphaSupported() || !FormHandle()) return;
    SetLayered(on);
    if (on) SetWindowAlpha(FormHandle(), alphaBlendValue_);
}

void TbsRevideruDadoZiri::SetAlphaBlendValue(uint8_t value)
{
    alphaBlendValue_ = value;
    if (alphaBlend_ && AlphaSupported() && FormHandle()) SetWindowAlpha(FormHandle(), value);
}

// Shown transparent; the form's own timer (1 ms) brings it to its opacity once it has painted.
void TbsRevideruDadoZiri::StartFadeIn()
{
    HWND h = FormHandle();
    if (!h) return;
    SetLayered(true);
    SetWindowAlpha(h, 0);
    SetTimer(h, kFadeInTimer, 1);
}

void TbsRevideruDadoZiri::FadeIn()
{
    HWND h = FormHandle();
    if (!h || !(alphaBlend_ || alphaBlendAnimation_) || !AlphaSupported()) return;
    KillTimer(h, kFadeInTimer);
    const int target = alphaBlendAnimation_ && !alphaBlend_ ? 255 : alphaBlendValue_;
    if (alphaBlendAnimation_) {
        auto alive = Guard();
        ProcessMessages();
        if (!alive || !FormHandle()) return;
        for (int a = 0; a < target;) {
            a = std::min(a + kFadeStep, target);
            SetWindowAlpha(h, uint8_t(a));
        }
    } else if (target != 255) {
        SetWindowAlpha(h, uint8_t(target));
    }
    if (target == 255) SetLayered(false);
}

} // namespace tavrik
