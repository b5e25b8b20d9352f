#pragma once

#include "ui/Control.h"
#include "wsys/WinConstants.h"
#include "wsys/WinTypes.h"

#include <string>
#include <vector>

namespace tavrik {

class TCanvas;

// How a windowed control's window is made; CreateParams fills it in and descendants change it.
struct TCreateParams {
    std::string Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0;
    int Y = 0;
    int Width = 0;
    int Height = 0;
    HWND WndParent = nullptr; // parent of a child window, owner of a top-level one
    std::string WinClassName;
    UINT WindowClassStyle = CS_DBLCLKS;
};

// A control with a window of its own: it holds child controls, takes the keyboard focus and
// key events, and paints its own content (PaintWindow) and then that of its graphic children.
//
// The window is made when first needed (Handle(), showing, or a parent whose window exists)
// and can be made again (RecreateWnd) without losing the control's state; the object lives
// independently of it. Children are destroyed with their parent control.
class TWinControl : public TControl {
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;
    const char* ClassName() const override { return "TWinControl"; }

    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window and makes it again from CreateParams, children included.
    void RecreateWnd();
    // The window a control without a parent control lives in (or, for a top-level one, is
    // owned by).
    HWND ParentWindow() const { return parentWindow_; }
    void SetParentWindow(HWND window);
    // The control whose window this is, or nullptr.
    static TWinControl* FromHandle(HWND hwnd);

    // Children in z-order: the first is at the bottom.
    int ControlCount() const { return int(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(size_t(index)); }
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    bool ContainsControl(const TControl* control) const; // at any depth, itself included
    // The topmost visible child at a client point: graphic children only unless
    // allowWinControls; disabled ones only with allowDisabled.
    TControl* ControlAtPos(TPoint client, bool allowDisabled, bool allowWinControls = false) const;
    // Sends the message to every child control until one answers with a non-zero Result.
    void Broadcast(TMessage& message);
    // Hands the message to every control inside this one, at any depth, each container before
    // its children, graphic controls included. Each control gets the message as it was sent,
    // whatever the others answered; with stopAtAnswer the walk ends at the first control that
    // answers non-zero, whose answer message.Result then holds. Controls freed or moved
    // elsewhere by a handler are skipped.
    void RelayToControls(TMessage& message, bool stopAtAnswer = false);

    void DisableAlign() { ++alignLevel_; }
    void EnableAlign();
    void Realign();
    // The area aligned children share (the client rectangle less borders and bevels).
    virtual void AdjustClientRect(TRect& rect) const { (void)rect; }

    int TabOrder() const;
    void SetTabOrder(int order);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool on);
    virtual bool CanFocus() const;
    bool Focused() const;
    virtual void SetFocus();
    // Every windowed descendant in tab order, depth first.
    void GetTabOrderList(std::vector<TWinControl*>& list) const;
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop, bool checkParent) const;
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyPressEvent OnKeyPress;
    TKeyEvent OnKeyUp;

    // Paints into an off-screen bitmap first, so that no half-painted state is ever seen.
    bool DoubleBuffered() const { return doubleBuffered_; }
    void SetDoubleBuffered(bool on) { doubleBuffered_ = on; }
    void Invalidate() override;
    void Update() override;
    // Paints the client area as it looks (background, own content, graphic children) into a
    // canvas whose origin is the client area's top-left corner.
    void PaintTo(TCanvas& canvas);
    // Paints what the parent shows beneath this control (its background and content and
    // the graphic controls there) into a canvas whose origin is this control's top-left
    // corner, for controls that let their parent show through.
    void PaintParentImage(TCanvas& canvas);

    bool Showing() const override;
    TRect ClientRect() const override;
    TPoint ClientOrigin() const override;
    void SetClientSize(int width, int height) override;

    void WndProc(TMessage& message) override;
    void DefaultHandler(TMessage& message) override;

protected:
    void BeforeDestruction() override;
    virtual void CreateParams(TCreateParams& params);
    virtual void CreateWnd();
    virtual void DestroyWnd();
    void CreateHandle();
    void DestroyHandle();
    void ApplyBounds(int left, int top, int width, int height) override;
    void VisibleChanged() override;
    void EnabledChanged() override;
    void TextChanged() override;
    // Reads the window's rectangle into the bounds; answers whether the size changed.
    bool UpdateBounds();

    virtual void AlignControls(TControl* control, TRect& rect);
    // A child appeared, moved, changed size or visibility, or left (containers that follow
    // their children's extent listen here).
    virtual void ControlsChanged(TControl* control) { (void)control; }
    virtual void EraseBackground(TCanvas& canvas);
    virtual void PaintWindow(TCanvas& canvas) { (void)canvas; }
    void PaintControls(TCanvas& canvas);

    virtual void KeyDown(uint16_t& key, TShiftState shift);
    virtual void KeyPress(char32_t& key);
    virtual void KeyUp(uint16_t& key, TShiftState shift);
    virtual void DoEnter();
    virtual void DoExit();

private:
    friend class TControl;
    friend class TForm;
    LRESULT MainWndProc(UINT msg, WPARAM wParam, LPARAM lParam);
    static bool& SwallowNextChar();
    static LRESULT ClassProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void DestroyChildren();
    TRect ClientRectWithoutWindow() const;

    // Message handlers.
    void WMPaint(TMessage& m);
    void WMEraseBkgnd(TMessage& m);
    void WMWindowPosChanged(TMessage& m);
    void WMNcDestroy(TMessage& m);
    void WMSetCursor(TMessage& m);
    void WMContextMenu(TMessage& m);
    void WMSetFocus(TMessage& m);
    void WMMouse(TMessage& m);
    void WMMouseLeave(TMessage& m);
    void WMKeyDown(TMessage& m);
    void WMChar(TMessage& m);
    void WMKeyUp(TMessage& m);
    void CMDialogKey(TMessage& m);
    bool ForwardToGraphic(TMessage& m);
    bool IsMenuShortCut(uint16_t key, TShiftState shift);
    bool IsDialogKey(uint16_t key, TShiftState shift);
    bool IsDialogChar(UINT msg, char32_t key);
    void SetCaptureControl(TControl* control);

    HWND handle_ = nullptr;
    HWND parentWindow_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<TWinControl*> tabList_;
    bool tabStop_ = false;
    bool doubleBuffered_ = false;
    bool mouseTracked_ = false;
    int alignLevel_ = 0;
    bool alignPending_ = false;
    TComponentRef<TControl> captureControl_;
};

} // namespace tavrik
