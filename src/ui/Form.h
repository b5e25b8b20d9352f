#pragma once

#include "ui/CustomControl.h"

#include <functional>
#include <vector>

namespace tavrik {

enum class TFormBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };

// The caption buttons a form shows (a set of these bits).
enum TBorderIcon : unsigned { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = unsigned;

// Where a form appears when it is shown: where it was put (poDesigned) or centred.
enum class TPosition : uint8_t { poDesigned, poScreenCenter, poDesktopCenter, poMainFormCenter, poOwnerFormCenter };
enum class TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum class TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };

// A component that draws a form's whole frame itself (border, caption, caption buttons) and
// keeps the form's window state, because the window system's states do not know a frame it
// does not draw (a rolled-up form, a maximized one that keeps its shape). While a form has
// one, the form's window carries no caption bits (also when it is made again), the form
// paints and hit-tests no caption of its own, and WindowState and SetWindowState go to it.
class TFormFrameHook {
public:
    virtual TWindowState FrameWindowState() const = 0;
    virtual void SetFrameWindowState(TWindowState state) = 0;

protected:
    ~TFormFrameHook() = default;
};

using TCloseEvent = std::function<void(TComponent* Sender, TCloseAction& Action)>;
using TCloseQueryEvent = std::function<void(TComponent* Sender, bool& CanClose)>;
// A key with modifiers pressed anywhere in the form, before menus and controls see it.
using TShortCutEvent = std::function<void(TComponent* Sender, uint16_t Key, TShiftState Shift, bool& Handled)>;

// A top-level window with a frame and caption, holding controls. Bounds are those of the whole
// window; ClientWidth/ClientHeight are the area inside the frame.
//
// Life: construct it (owner: usually the application), build the controls, then call
// AfterConstruction, which fires OnCreate (TApplication::CreateForm does this). A form is made
// hidden; Show or ShowModal shows it. Closing hides it by default (OnClose can choose), and
// closing the application's main form ends the application.
//
// Keys: with KeyPreview the form's key events see every key before the focused control.
// Tab and Shift+Tab move the focus in tab order; Enter presses the default button and Esc the
// cancel button (see TButton).
class TForm : public TCustomControl {
public:
    explicit TForm(TComponent* owner);
    ~TForm() override;
    const char* ClassName() const override { return "TForm"; }

    void AfterConstruction();

    TFormBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TFormBorderStyle style);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons icons);
    TPosition Position() const { return position_; }
    void SetPosition(TPosition position) { position_ = position; }
    TWindowState WindowState() const;
    void SetWindowState(TWindowState state);
    // The frame component, or nullptr while the form shows the window system's frame. Setting
    // it changes the window's style at once.
    TFormFrameHook* FrameHook() const { return frameHook_; }
    void SetFrameHook(TFormFrameHook* hook);
    bool KeyPreview() const { return keyPreview_; }
    void SetKeyPreview(bool on) { keyPreview_ = on; }

    // The control that has (or gets, when the form is next active) the keyboard focus.
    TWinControl* ActiveControl() const { return activeControl_.Get(); }
    void SetActiveControl(TWinControl* control);
    // Whether this is the program's active window.
    bool Active() const { return active_; }
    // Gives a control of this form the focus (activating the form when it is shown).
    void FocusControl(TWinControl* control);

    // Close asks OnCloseQuery, then OnClose decides what happens (hide by default). A modal
    // form only takes the answer mrCancel and closes when its loop sees it.
    void Close();
    bool CloseQuery();
    // Frees the form once the messages now queued are handled: safe from its own handlers.
    void Release();

    // Shows the form and disables the program's other windows until ModalResult is set
    // (a button with a ModalResult, Close, or code), then hides it and returns that result.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult result) { modalResult_ = result; }
    bool Modal() const { return modal_; }

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnHide;
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    TNotifyEvent OnPaint;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    TShortCutEvent OnShortCut;
    // Whether OnShortCut took the key.
    bool IsShortCut(uint16_t key, TShiftState shift);

    void WndProc(TMessage& message) override;
    bool Showing() const override;

protected:
    void BeforeDestruction() override;
    void CreateParams(TCreateParams& params) override;
    void Paint() override;
    void VisibleChanged() override;
    virtual void DoClose(TCloseAction& action);

private:
    friend class TWinControl;
    void FocusChanged(TWinControl* control);
    void ControlRemoved(TControl* control);
    void SetWindowFocus();
    void PlaceOnShow();
    void CloseModal();
    void CMDialogKey(TMessage& m);
    void WMActivate(TMessage& m);
    void WMGetMinMaxInfo(TMessage& m);

    // The plain caption: text and buttons on the window system's default frame.
    bool HasCaption() const;
    std::vector<int> CaptionButtons() const; // hit codes, right to left
    TRect CaptionButtonRect(int index) const; // window coordinates
    int CaptionButtonAt(TPoint window) const;
    void PaintCaption();
    bool CaptionMouse(TMessage& m);
    void SetCaptionButtonState(int hot, int pressed);

    TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TPosition position_ = TPosition::poDesigned;
    TWindowState windowState_ = TWindowState::wsNormal;
    TFormFrameHook* frameHook_ = nullptr;
    bool keyPreview_ = false;
    TComponentRef<TWinControl> activeControl_;
    bool active_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    int hotButton_ = 0;     // hit code under the pointer
    int pressedButton_ = 0; // hit code pressed and held
};

} // namespace tavrik
