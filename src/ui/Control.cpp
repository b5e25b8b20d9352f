#include "ui/Control.h"

#include "gfx/SystemColors.h"
#include "ui/PopupMenu.h"
#include "ui/WinControl.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

TControl::TControl(TComponent* owner) : TComponent(owner), color_(clBtnFace)
{
    hooks_ = std::make_shared<TWndHookChain>([this](TMessage& m) { WndProc(m); });
    font_.SetColor(clWindowText);
    font_.OnChange = [this] {
        if (!assigningParentFont_) parentFont_ = false;
        FontChanged();
        Perform(CM_FONTCHANGED);
    };
    constraints_.OnChange = [this] { SetBounds(left_, top_, width_, height_); };
}

TControl::~TControl()
{
    MarkDestroying();
    if (parent_) parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_) return;
    if (parent_) parent_->RemoveControl(this);
    if (parent) parent->InsertControl(this);
}

void TControl::InitFromParent()
{
    if (!parent_) return;
    if (parentFont_) AssignParentFont(parent_->Font());
    if (parentColor_ && color_ != parent_->Color()) {
        color_ = parent_->Color();
        ColorChanged();
    }
    if (parentShowHint_) showHint_ = parent_->ShowHint();
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = constraints_.ConstrainWidth(std::max(width, 0));
    height = constraints_.ConstrainHeight(std::max(height, 0));
    if (autoSize_) CanAutoSize(width, height);
    if (left != left_ || top != top_ || width != width_ || height != height_) ApplyBounds(left, top, width, height);
    if (!InsideParentAlignment()) {
        UpdateAnchorRules();
        RequestAlign();
    }
}

void TControl::ApplyBounds(int left, int top, int width, int height)
{
    bool sized = width != width_ || height != height_;
    Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Invalidate();
    if (sized) Resize();
}

bool TControl::InsideParentAlignment() const { return parent_ && (parent_->ControlState() & csAligning); }

void TControl::SetClientSize(int width, int height) { SetBounds(left_, top_, width, height); }

TPoint TControl::ClientOrigin() const
{
    TPoint p = parent_ ? parent_->ClientOrigin() : TPoint{};
    return {p.x + left_, p.y + top_};
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.x + o.x, p.y + o.y};
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint o = ClientOrigin();
    return {p.x - o.x, p.y - o.y};
}

void TControl::SetAlign(TAlign align)
{
    if (align == align_) return;
    TAlign old = align_;
    align_ = align;
    // Aligned controls keep to the edges they are aligned to.
    switch (align) {
    case TAlign::alTop: anchors_ = akLeft | akTop | akRight; break;
    case TAlign::alBottom: anchors_ = akLeft | akRight | akBottom; break;
    case TAlign::alLeft: anchors_ = akLeft | akTop | akBottom; break;
    case TAlign::alRight: anchors_ = akTop | akRight | akBottom; break;
    case TAlign::alClient: anchors_ = akLeft | akTop | akRight | akBottom; break;
    case TAlign::alNone: if (old != TAlign::alNone) anchors_ = akLeft | akTop; break;
    }
    UpdateAnchorRules();
    if (parent_) parent_->Realign();
}

void TControl::SetAnchors(TAnchors anchors)
{
    if (anchors == anchors_) return;
    anchors_ = anchors;
    UpdateAnchorRules();
}

void TControl::UpdateAnchorRules()
{
    anchorRule_.bounds = BoundsRect();
    if (parent_) {
        TRect c = parent_->ClientRect();
        anchorRule_.parentClient = {c.Width(), c.Height()};
    }
}

void TControl::RequestAlign()
{
    if (!parent_) return;
    if (align_ != TAlign::alNone) parent_->Realign();
    if (parent_) parent_->ControlsChanged(this);
}

void TControl::SetAutoSize(bool on)
{
    if (on == autoSize_) return;
    autoSize_ = on;
    if (on) AdjustSize();
}

bool TControl::CanAutoSize(int& width, int& height)
{
    (void)width;
    (void)height;
    return false;
}

void TControl::AdjustSize()
{
    if (autoSize_) SetBounds(left_, top_, width_, height_);
}

void TControl::BringToFront()
{
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.push_back(this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->Handle(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SendToBack()
{
    if (!parent_) return;
    auto& list = parent_->controls_;
    list.erase(std::remove(list.begin(), list.end(), this), list.end());
    list.insert(list.begin(), this);
    if (auto* w = dynamic_cast<TWinControl*>(this); w && w->HandleAllocated())
        SetWindowPos(w->Handle(), HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    Invalidate();
}

void TControl::SetVisible(bool visible)
{
    if (visible == visible_) return;
    if (!visible) Invalidate(); // the area it covered shows the parent again
    visible_ = visible;
    VisibleChanged();
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    RequestAlign();
}

void TControl::VisibleChanged()
{
    if (visible_) Invalidate();
}

bool TControl::Showing() const { return visible_ && parent_ && parent_->Showing(); }

void TControl::SetEnabled(bool enabled)
{
    if (enabled == enabled_) return;
    enabled_ = enabled;
    EnabledChanged();
    Perform(CM_ENABLEDCHANGED);
}

void TControl::EnabledChanged() { Invalidate(); }

void TControl::SetText(const std::string& text)
{
    if (text == text_) return;
    text_ = text;
    TextChanged();
    Perform(CM_TEXTCHANGED);
}

void TControl::TextChanged() { Invalidate(); }

void TControl::SetShowHint(bool on)
{
    parentShowHint_ = false;
    if (on == showHint_) return;
    showHint_ = on;
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ParentShowHintChanged();
}

void TControl::SetParentShowHint(bool on)
{
    parentShowHint_ = on;
    if (on) ParentShowHintChanged();
}

void TControl::ParentShowHintChanged()
{
    if (!parentShowHint_ || !parent_) return;
    bool on = parent_->ShowHint();
    SetShowHint(on);
    parentShowHint_ = true;
}

void TControl::SetPopupMenu(TPopupMenu* menu)
{
    if (menu == popupMenu_) return;
    popupMenu_ = menu;
    if (menu) menu->FreeNotification(this);
}

void TControl::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component && component == popupMenu_) popupMenu_ = nullptr;
    TComponent::Notification(component, operation);
}

void TControl::SetCursor(TCursor cursor)
{
    if (cursor == cursor_) return;
    cursor_ = cursor;
    Perform(CM_CURSORCHANGED);
}

void TControl::SetParentFont(bool on)
{
    parentFont_ = on;
    if (on) ParentFontChanged();
}

void TControl::AssignParentFont(const TFont& font)
{
    assigningParentFont_ = true;
    font_.Assign(font);
    assigningParentFont_ = false;
}

void TControl::ParentFontChanged()
{
    if (parentFont_ && parent_) AssignParentFont(parent_->Font());
}

void TControl::FontChanged()
{
    Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ParentFontChanged();
}

void TControl::SetColor(TColor color)
{
    parentColor_ = false;
    if (color == color_) return;
    color_ = color;
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool on)
{
    parentColor_ = on;
    if (on) ParentColorChanged();
}

void TControl::ParentColorChanged()
{
    if (!parentColor_ || !parent_ || parent_->Color() == color_) return;
    color_ = parent_->Color();
    ColorChanged();
    Perform(CM_COLORCHANGED);
}

void TControl::ColorChanged()
{
    Invalidate();
    if (auto* w = dynamic_cast<TWinControl*>(this))
        for (int i = 0; i < w->ControlCount(); ++i) w->Controls(i)->ParentColorChanged();
}

bool TControl::MouseCapture() const
{
    if (auto* w = dynamic_cast<const TWinControl*>(this)) return w->HandleAllocated() && GetCapture() == w->handle_;
    return parent_ && parent_->captureControl_.Get() == this && parent_->HandleAllocated() &&
           GetCapture() == parent_->handle_;
}

void TControl::SetMouseCapture(bool on)
{
    if (on == MouseCapture()) return;
    if (auto* w = dynamic_cast<TWinControl*>(this)) {
        if (on) SetCapture(w->Handle());
        else ReleaseCapture();
        return;
    }
    if (parent_) parent_->SetCaptureControl(on ? this : nullptr);
}

void TControl::Invalidate()
{
    if (!parent_ || !visible_ || !parent_->HandleAllocated()) return;
    TRect r = BoundsRect();
    InvalidateRect(parent_->handle_, &r, !(controlStyle_ & csOpaque));
}

void TControl::Update()
{
    if (parent_) parent_->Update();
}

void TControl::Repaint()
{
    Invalidate();
    Update();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    Perform(m);
    return m.Result;
}

void TControl::Perform(TMessage& message)
{
    std::shared_ptr<TWndHookChain> chain = hooks_;
    chain->Dispatch(message);
}

TWndHookId TControl::AddWindowHook(TWndHook hook) { return hooks_->Add(std::move(hook)); }

bool TControl::RemoveWindowHook(TWndHookId id) { return hooks_->Remove(id); }

void TControl::DefaultHandler(TMessage& message) { (void)message; }

void TControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case WM_MOUSEMOVE: {
        TPoint p = LParamToPoint(m.LParam);
        MouseMove(MouseShiftState(m.WParam), p.x, p.y);
        break;
    }
    case WM_LBUTTONDOWN: MouseMessage(m, TMouseButton::Left, true, false); return;
    case WM_LBUTTONDBLCLK: MouseMessage(m, TMouseButton::Left, true, true); return;
    case WM_LBUTTONUP: MouseMessage(m, TMouseButton::Left, false, false); return;
    case WM_RBUTTONDOWN: MouseMessage(m, TMouseButton::Right, true, false); return;
    case WM_RBUTTONDBLCLK: MouseMessage(m, TMouseButton::Right, true, true); return;
    case WM_RBUTTONUP: MouseMessage(m, TMouseButton::Right, false, false); return;
    case WM_MBUTTONDOWN: MouseMessage(m, TMouseButton::Middle, true, false); return;
    case WM_MBUTTONDBLCLK: MouseMessage(m, TMouseButton::Middle, true, true); return;
    case WM_MBUTTONUP: MouseMessage(m, TMouseButton::Middle, false, false); return;
    case CM_MOUSEENTER:
        if (OnMouseEnter) OnMouseEnter(this);
        return;
    case CM_MOUSELEAVE:
        if (OnMouseLeave) OnMouseLeave(this);
        return;
    case WM_CONTEXTMENU: ContextPopup(m); return;
    default: break;
    }
    DefaultHandler(m);
}

void TControl::MouseMessage(TMessage& m, TMouseButton button, bool down, bool dbl)
{
    TPoint p = LParamToPoint(m.LParam);
    TShiftState shift = MouseShiftState(m.WParam);
    auto alive = Guard();
    bool left = button == TMouseButton::Left;
    if (down) {
        if (left && (controlStyle_ & csCaptureMouse)) SetMouseCapture(true);
        // The release after a double click is no click of its own.
        if (left && !dbl && (controlStyle_ & csClickEvents)) controlState_ |= csClicked;
        if (dbl) {
            if (left && (controlStyle_ & csClickEvents)) DblClick();
            if (!alive) return;
            shift |= ssDouble;
        }
        MouseDown(button, shift, p.x, p.y);
    } else {
        if (left && (controlStyle_ & csCaptureMouse)) SetMouseCapture(false);
        if (left && (controlState_ & csClicked)) {
            controlState_ &= ~unsigned(csClicked);
            if (ClientRect().Contains(p)) Click();
            if (!alive) return;
        }
        MouseUp(button, shift, p.x, p.y);
    }
    if (alive) DefaultHandler(m);
}

void TControl::ContextPopup(TMessage& m)
{
    TPoint screen = LParamToPoint(m.LParam);
    bool fromKeyboard = screen.x == -1 && screen.y == -1;
    bool handled = false;
    if (OnContextPopup) OnContextPopup(this, fromKeyboard ? screen : ScreenToClient(screen), handled);
    if (handled) {
        m.Result = 1;
        return;
    }
    if (popupMenu_ && popupMenu_->AutoPopup()) {
        if (fromKeyboard) screen = ClientToScreen({0, 0});
        popupMenu_->SetPopupComponent(this);
        popupMenu_->Popup(screen.x, screen.y);
        m.Result = 1;
    }
}

void TControl::Click()
{
    if (OnClick) OnClick(this);
}

void TControl::DblClick()
{
    if (OnDblClick) OnDblClick(this);
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y)
{
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
}

void TControl::Resize()
{
    if (OnResize) OnResize(this);
}

} // namespace tavrik
