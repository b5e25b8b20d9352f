#include "skinforms/SkinHint.h"

#include "skinforms/SkinHintWindow.h"
#include "ui/Form.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// From one control's hint to its neighbour's.
constexpr int kHintShortPause = 100;

} // namespace

TbsSkinHint::TbsSkinHint(TComponent* owner) : TComponent(owner)
{
    hintWindow_ = new TbsSkinHintWindow(this);
    delayTimer_ = new TTimer(this);
    delayTimer_->SetEnabled(false);
    delayTimer_->OnTimer = [this](TComponent*) {
        if (showDue_) ShowQueuedHint();
        else HideObjectHint();
    };
    TApplication* app = Application();
    if (!app) return;
    app->SetHintWindowClass([](TComponent* hintOwner) -> THintWindow* { return new TbsSkinHintWindow(hintOwner); });
    // Turning hints off and on again drops the hint window the application has, so that its
    // next one is of the new class.
    app->SetShowHint(!app->ShowHint());
    app->SetShowHint(!app->ShowHint());
    RouteShowHint();
    app->SetHintShortPause(kHintShortPause);
}

TbsSkinHint::~TbsSkinHint() = default;

TbsSkinHint* TbsSkinHint::Serving()
{
    TApplication* app = Application();
    TForm* main = app ? app->MainForm() : nullptr;
    if (!main) return nullptr;
    for (int i = 0; i < main->ComponentCount(); ++i)
        if (auto* hint = dynamic_cast<TbsSkinHint*>(main->Components(i)); hint && hint->Active() && !hint->Destroying())
            return hint;
    return nullptr;
}

void TbsSkinHint::SetSkinData(TbsSkinData* skin) { skinData_ = skin; }

void TbsSkinHint::SetActive(bool on)
{
    active_ = on;
    if (!on) return;
    TApplication* app = Application();
    if (TForm* main = app ? app->MainForm() : nullptr)
        for (int i = 0; i < main->ComponentCount(); ++i)
            if (auto* other = dynamic_cast<TbsSkinHint*>(main->Components(i)); other && other != this && other->Active())
                other->SetActive(false);
    RouteShowHint();
}

// The application's show-hint event comes here; it stays with this component when it is
// switched off, and is dropped when the component is gone.
void TbsSkinHint::RouteShowHint()
{
    TApplication* app = Application();
    if (!app) return;
    TComponentRef<TbsSkinHint> self(this);
    app->OnShowHint = [self](std::string& hintStr, bool& canShow, THintInfo& info) {
        if (TbsSkinHint* hint = self.Get(); hint && hint->OnShowHint) hint->OnShowHint(hintStr, canShow, info);
    };
}

void TbsSkinHint::StartDelay(int ms, bool show)
{
    showDue_ = show;
    delayTimer_->SetEnabled(false);
    delayTimer_->SetInterval(unsigned(std::max(ms, 1)));
    delayTimer_->SetEnabled(true);
}

bool TbsSkinHint::ObjectHintQueued() const { return delayTimer_->Enabled(); }

void TbsSkinHint::QueueObjectHint(const std::string& text)
{
    pendingText_ = text;
    TApplication* app = Application();
    StartDelay(app ? app->HintPause() : 500, true);
}

void TbsSkinHint::ShowQueuedHint()
{
    const TRect size = hintWindow_->CalcHintRect(0, pendingText_);
    const TPoint p = HintPosNearPointer(GetCursorPos(), {size.Width(), size.Height()});
    hintWindow_->ShowHintAt({p.x, p.y, p.x, p.y}, pendingText_);
    TApplication* app = Application();
    StartDelay(app ? app->HintHidePause() : 2500, false);
}

void TbsSkinHint::HideObjectHint()
{
    delayTimer_->SetEnabled(false);
    if (hintWindow_->Visible()) hintWindow_->HideHint();
}

} // namespace tavrik
