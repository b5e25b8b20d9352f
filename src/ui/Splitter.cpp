#include "ui/Splitter.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"
#include "ui/WinControl.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TSplitter::TSplitter(TComponent* owner) : TGraphicControl(owner)
{
    SetControlStyle((ControlStyle() | csCaptureMouse) & ~unsigned(csClickEvents | csDoubleClicks));
    SetParentColor(true);
    SetBounds(0, 0, 3, 100);
    SetAlign(TAlign::alLeft);
}

void TSplitter::SetAlign(TAlign align)
{
    TControl::SetAlign(align);
    SetCursor(Horizontal() ? crSizeNS : crSizeWE);
}

void TSplitter::SetBeveled(bool on)
{
    if (on == beveled_) return;
    beveled_ = on;
    Invalidate();
}

void TSplitter::Paint()
{
    TCanvas& c = *Canvas();
    TRect r = ClientRect();
    c.Brush().Color = Color();
    c.FillRect(r);
    if (!beveled_) return;
    TRect bevel = Horizontal() ? r.Inflate(0, -1) : r.Inflate(-1, 0);
    Frame3D(c, bevel, clBtnHighlight, clBtnShadow, 1);
}

// The control aligned to the same edge whose far side touches the splitter.
TControl* TSplitter::FindControl() const
{
    TWinControl* p = Parent();
    if (!p || Align() == TAlign::alNone || Align() == TAlign::alClient) return nullptr;
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (c == this || !c->Visible() || c->Align() != Align()) continue;
        bool touches = false;
        switch (Align()) {
        case TAlign::alLeft: touches = c->Left() + c->Width() == Left(); break;
        case TAlign::alRight: touches = c->Left() == Left() + Width(); break;
        case TAlign::alTop: touches = c->Top() + c->Height() == Top(); break;
        case TAlign::alBottom: touches = c->Top() == Top() + Height(); break;
        default: break;
        }
        if (touches) return c;
    }
    return nullptr;
}

int TSplitter::ControlSize() const
{
    TControl* c = control_.Get();
    return !c ? 0 : Horizontal() ? c->Height() : c->Width();
}

// What the neighbour may grow to: everything that the other controls along the same axis
// leave, less MinSize for the far side.
int TSplitter::MaxSize() const
{
    TWinControl* p = Parent();
    bool horizontal = Horizontal();
    int room = (horizontal ? p->ClientHeight() : p->ClientWidth()) - minSize_;
    for (int i = 0; i < p->ControlCount(); ++i) {
        TControl* c = p->Controls(i);
        if (!c->Visible()) continue;
        TAlign a = c->Align();
        if (horizontal && (a == TAlign::alTop || a == TAlign::alBottom)) room -= c->Height();
        if (!horizontal && (a == TAlign::alLeft || a == TAlign::alRight)) room -= c->Width();
    }
    return room + ControlSize();
}

int TSplitter::SizeFor(TPoint screen) const
{
    int delta = Horizontal() ? screen.y - downAt_.y : screen.x - downAt_.x;
    bool growsTowardsPointer = Align() == TAlign::alLeft || Align() == TAlign::alTop;
    int size = startSize_ + (growsTowardsPointer ? delta : -delta);
    return std::max(minSize_, std::min(size, maxSize_));
}

void TSplitter::ApplySize(int size)
{
    TControl* c = control_.Get();
    if (!c) return;
    if (Horizontal()) c->SetHeight(size);
    else c->SetWidth(size);
}

// The line shows where the splitter would go; drawn inverted, so a second call removes it.
void TSplitter::ToggleLine()
{
    TWinControl* p = Parent();
    TControl* c = control_.Get();
    if (!p || !c || !p->HandleAllocated()) return;
    if (!lineShown_) {
        switch (Align()) {
        case TAlign::alLeft: line_ = Bounds(c->Left() + newSize_, Top(), Width(), Height()); break;
        case TAlign::alRight: line_ = Bounds(c->Left() + c->Width() - newSize_ - Width(), Top(), Width(), Height()); break;
        case TAlign::alTop: line_ = Bounds(Left(), c->Top() + newSize_, Width(), Height()); break;
        default: line_ = Bounds(Left(), c->Top() + c->Height() - newSize_ - Height(), Width(), Height()); break;
        }
    }
    // Across the parent's windowed children too: the line runs over the neighbours.
    HWND h = p->Handle();
    if (HDC dc = GetDCEx(h, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS | DCX_LOCKWINDOWUPDATE)) {
        dc->InvertRect(line_);
        ReleaseDC(h, dc);
    }
    lineShown_ = !lineShown_;
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseDown(button, shift, x, y);
    if (button != TMouseButton::Left || control_) return;
    control_ = FindControl();
    if (!control_) return;
    downAt_ = ClientToScreen({x, y});
    startSize_ = newSize_ = ControlSize();
    maxSize_ = MaxSize();
    if (resizeStyle_ == TResizeStyle::rsLine) ToggleLine();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y)
{
    TGraphicControl::MouseMove(shift, x, y);
    if (!control_) return;
    int size = SizeFor(ClientToScreen({x, y}));
    if (size == newSize_) return;
    bool accept = true;
    if (OnCanResize) {
        auto alive = Guard();
        OnCanResize(this, size, accept);
        if (!alive || !control_) return;
    }
    if (!accept || size == newSize_) return;
    if (lineShown_) ToggleLine();
    newSize_ = size;
    if (resizeStyle_ == TResizeStyle::rsLine) ToggleLine();
    if (resizeStyle_ == TResizeStyle::rsUpdate) ApplySize(newSize_);
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    TGraphicControl::MouseUp(button, shift, x, y);
    if (button != TMouseButton::Left || !control_) return;
    if (lineShown_) ToggleLine();
    ApplySize(newSize_);
    control_ = nullptr;
    if (OnMoved) OnMoved(this);
}

} // namespace tavrik
