#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "ui/Component.h"
#include "ui/ControlTypes.h"
#include "ui/Font.h"
#include "ui/Messages.h"
#include "ui/SizeConstraints.h"
#include "ui/WndHookChain.h"

#include <functional>
#include <memory>
#include <string>

namespace tavrik {

class TWinControl;
class TPopupMenu;
class TForm;
class TCanvas;

// What a control class does by nature (a set of these bits).
enum TControlStyleFlag : unsigned {
    csAcceptsControls = 1,
    csCaptureMouse = 2,  // holds the mouse from button down to button up
    csClickEvents = 4,   // a press and release inside it is a click
    csOpaque = 8,        // paints every pixel of its rectangle
    csDoubleClicks = 16,
    csSetCaption = 32,
};

// What a control is doing at the moment (a set of these bits).
enum TControlStateFlag : unsigned {
    csLButtonDown = 1,
    csClicked = 2,
    csAligning = 4,
    csCreating = 8,
    csDestroyingHandle = 16,
};

// A visual component: a rectangle in its parent's client area that paints, takes the mouse and
// follows its parent's size through Align and Anchors. Windowed controls (TWinControl) have a
// window of their own; graphic controls (TGraphicControl) paint on their parent and get their
// mouse messages from it.
//
// Messages: every message reaches the control through its hook chain, which ends in WndProc;
// a component that takes over a control's messages adds a hook (TWindowHook) that passes on
// what it does not handle, and removes it when it goes, in whatever order the others go.
// Perform sends a message through the chain at once.
class TControl : public TComponent {
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;
    const char* ClassName() const override { return "TControl"; }

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);
    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    void SetBoundsRect(const TRect& r) { SetBounds(r.Left, r.Top, r.Width(), r.Height()); }
    // Sizes pass the constraints and, with AutoSize, CanAutoSize first.
    virtual void SetBounds(int left, int top, int width, int height);

    virtual TRect ClientRect() const { return {0, 0, width_, height_}; }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientSize(int width, int height);
    void SetClientWidth(int v) { SetClientSize(v, ClientHeight()); }
    void SetClientHeight(int v) { SetClientSize(ClientWidth(), v); }
    // The screen position of the client area's top-left corner.
    virtual TPoint ClientOrigin() const;
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    TAlign Align() const { return align_; }
    void SetAlign(TAlign align);
    TAnchors Anchors() const { return anchors_; }
    void SetAnchors(TAnchors anchors);
    TSizeConstraints& Constraints() { return constraints_; }
    bool AutoSize() const { return autoSize_; }
    virtual void SetAutoSize(bool on);
    void BringToFront();
    void SendToBack();

    bool Visible() const { return visible_; }
    void SetVisible(bool visible);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and so are all its parents (a form: its window is shown).
    virtual bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const std::string& Caption() const { return text_; }
    void SetCaption(const std::string& text) { SetText(text); }
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint) { hint_ = hint; }
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    bool ParentShowHint() const { return parentShowHint_; }
    void SetParentShowHint(bool on);
    TPopupMenu* PopupMenu() const { return popupMenu_; }
    void SetPopupMenu(TPopupMenu* menu);
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor);
    TFont& Font() { return font_; }
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font) { font_.Assign(font); }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool on);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    bool ParentColor() const { return parentColor_; }
    void SetParentColor(bool on);
    unsigned ControlStyle() const { return controlStyle_; }
    void SetControlStyle(unsigned style) { controlStyle_ = style; }
    unsigned ControlState() const { return controlState_; }
    void SetControlState(unsigned state) { controlState_ = state; }
    bool MouseCapture() const;
    void SetMouseCapture(bool on);

    virtual void Invalidate();
    // Paints what is invalid now.
    virtual void Update();
    void Repaint();
    void Refresh() { Repaint(); }

    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    void Perform(TMessage& message);
    // A hook in front of the chain: it sees every message before the hooks added earlier.
    TWndHookId AddWindowHook(TWndHook hook);
    bool RemoveWindowHook(TWndHookId id);
    virtual void WndProc(TMessage& message);
    // What happens to a message nobody handled (windowed controls: the window system's default).
    virtual void DefaultHandler(TMessage& message);

    virtual void Click();
    virtual void DblClick();

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TMouseEvent OnMouseDown;
    TMouseMoveEvent OnMouseMove;
    TMouseEvent OnMouseUp;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TNotifyEvent OnResize;
    TContextPopupEvent OnContextPopup;

    void Notification(TComponent* component, TOperation operation) override;

protected:
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void Resize();
    // With AutoSize on, may replace a requested size; answers whether it did anything.
    virtual bool CanAutoSize(int& width, int& height);
    // Runs the AutoSize rule for the current bounds.
    void AdjustSize();
    // Applies new bounds that passed the checks of SetBounds.
    virtual void ApplyBounds(int left, int top, int width, int height);
    // The parent realigns after this aligned control moved, resized or appeared.
    void RequestAlign();
    // Remembers the distances to the parent's edges that Anchors keep.
    void UpdateAnchorRules();
    // Font, colour and text changes; the bases invalidate.
    virtual void FontChanged();
    virtual void ColorChanged();
    virtual void TextChanged();
    virtual void VisibleChanged();
    virtual void EnabledChanged();
    // Paints a control without a window of its own on its parent's canvas, translated to it
    // and clipped to it (TGraphicControl).
    virtual void PaintGraphic(TCanvas& canvas) { (void)canvas; }
    // Sets Font without clearing ParentFont (inheritance from the parent).
    void AssignParentFont(const TFont& font);

    void MouseMessage(TMessage& m, TMouseButton button, bool down, bool dbl);
    void ContextPopup(TMessage& m);
    bool InsideParentAlignment() const;

private:
    friend class TWinControl;
    struct TAnchorRule {
        TRect bounds;
        TSize parentClient;
    };
    void SetParentField(TWinControl* parent) { parent_ = parent; }
    void InitFromParent();
    void ParentFontChanged();
    void ParentColorChanged();
    void ParentShowHintChanged();

    TWinControl* parent_ = nullptr;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    TAlign align_ = TAlign::alNone;
    TAnchors anchors_ = akLeft | akTop;
    TAnchorRule anchorRule_;
    TSizeConstraints constraints_;
    bool autoSize_ = false;
    bool visible_ = true;
    bool enabled_ = true;
    std::string text_;
    std::string hint_;
    bool showHint_ = false;
    bool parentShowHint_ = true;
    TPopupMenu* popupMenu_ = nullptr;
    TCursor cursor_ = crDefault;
    TFont font_;
    bool parentFont_ = true;
    bool assigningParentFont_ = false;
    TColor color_;
    bool parentColor_ = false;
    unsigned controlStyle_ = csCaptureMouse | csClickEvents | csDoubleClicks | csSetCaption;
    unsigned controlState_ = 0;
    // Shared with the messages on their way through it, so that a control freed by a handler
    // leaves the chain's bookkeeping intact until they are back.
    std::shared_ptr<TWndHookChain> hooks_;
};

// The form a control sits on (itself for a form), or nullptr.
TForm* GetParentForm(const TControl* control);

} // namespace tavrik
