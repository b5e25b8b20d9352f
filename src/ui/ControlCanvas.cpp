#include "ui/ControlCanvas.h"

#include "gfx/Canvas.h"
#include "ui/WinControl.h"
#include "wsys/WinApi.h"

namespace tavrik {

TControlCanvas::TControlCanvas(TControl* control)
{
    if (!control) return;
    auto* win = dynamic_cast<TWinControl*>(control);
    TWinControl* host = win ? win : control->Parent();
    if (!host || !host->HandleAllocated()) return;
    window_ = host->Handle();
    dc_ = GetDC(window_);
    if (!dc_ || win) return;
    TRect r = control->BoundsRect();
    dc_->IntersectClipRect(r);
    dc_->MoveOrigin(r.Left, r.Top);
    dc_->SetFont(control->Font().Request());
}

TControlCanvas::~TControlCanvas()
{
    if (dc_) ReleaseDC(window_, dc_);
}

} // namespace tavrik
