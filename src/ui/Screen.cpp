#include "ui/Screen.h"

#include "ui/Form.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <algorithm>

namespace tavrik {

TScreen* Screen()
{
    static TScreen screen;
    return &screen;
}

TForm* TScreen::ActiveForm() const { return activeForm_; }

TWinControl* TScreen::ActiveControl() const { return activeForm_ ? activeForm_->ActiveControl() : nullptr; }

int TScreen::Width() const { return GetSystemMetrics(SM_CXSCREEN); }

int TScreen::Height() const { return GetSystemMetrics(SM_CYSCREEN); }

TRect TScreen::WorkAreaRect() const
{
    TRect r;
    if (!TWindowSystem::Exists() || !SystemParametersInfo(SPI_GETWORKAREA, 0, &r)) r = Bounds(0, 0, Width(), Height());
    return r;
}

void TScreen::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) return;
    cursor_ = cursor;
    if (TWindowSystem::Exists()) tavrik::SetCursor(CursorHandle(cursor));
}

void TScreen::AddForm(TForm* form)
{
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void TScreen::RemoveForm(TForm* form)
{
    forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end());
    if (activeForm_ == form) SetActiveForm(nullptr);
}

void TScreen::SetActiveForm(TForm* form)
{
    if (form == activeForm_) return;
    activeForm_ = form;
    if (OnActiveFormChange) OnActiveFormChange(this);
}

} // namespace tavrik
