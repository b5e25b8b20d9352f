#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "ui/Component.h"
#include "ui/ControlTypes.h"
#include "ui/ListenerList.h"
#include "wsys/WinTypes.h"

#include <vector>

#include <exception>
#include <functional>
#include <string>

namespace tavrik {

class TControl;
class TForm;
class THintWindow;

// What the application knows when it is about to show a hint; OnShowHint may change it.
struct THintInfo {
    TControl* HintControl = nullptr;
    TPoint CursorPos;       // screen coordinates
    TRect CursorRect;       // the hint control's client area
    TPoint HintPos;         // screen position of the hint window's top-left corner
    int HintMaxWidth = 0;   // longer lines wrap
    TColor HintColor = 0;
    int HideTimeout = 0;    // milliseconds until the hint hides again; 0: it stays
    std::string HintStr;
};

using TShowHintEvent = std::function<void(std::string& HintStr, bool& CanShow, THintInfo& HintInfo)>;
using TExceptionEvent = std::function<void(TComponent* Sender, const std::exception& E)>;
// Makes the hint window, owned by the given component.
using THintWindowClass = std::function<THintWindow*(TComponent* Owner)>;
// Sees every message the program's loops take, before it is dispatched; Handled stops it.
using TMessageEvent = std::function<void(MSG& Msg, bool& Handled)>;

// The program: its forms (the first created is the main form), the message loop that runs
// until the main form closes, the default handler for errors that escape event handlers,
// and the hints of the controls under the mouse.
//
// One exists at a time; Application() finds it. The window system must exist before it.
class TApplication : public TComponent {
public:
    TApplication();
    ~TApplication() override;
    const char* ClassName() const override { return "TApplication"; }

    // Creates a form owned by the application and fires its OnCreate; the first one becomes
    // the main form.
    template <class T, class... Args>
    T* CreateForm(Args&&... args)
    {
        T* form = new T(this, std::forward<Args>(args)...);
        FormCreated(form);
        return form;
    }
    TForm* MainForm() const { return mainForm_.Get(); }
    bool ShowMainForm() const { return showMainForm_; }
    void SetShowMainForm(bool on) { showMainForm_ = on; }

    // Shows the main form and handles messages until Terminate takes effect.
    void Run();
    // Handles one message, waiting for one when none is pending.
    void HandleMessage();
    // Handles every pending message without waiting, so that a long command keeps the
    // windows alive; other event handlers run inside it.
    void ProcessMessages();
    // Ends Run (and every modal loop) once the messages now queued are handled.
    void Terminate();
    bool Terminated() const { return terminated_; }

    // Every message of every loop (Run, ProcessMessages, modal loops) passes here first:
    // the listeners, latest first, then OnMessage, until one handles it.
    TMessageEvent OnMessage;
    TListenerId AddMessageListener(TMessageEvent listener) { return messageListeners_.Add(std::move(listener)); }
    bool RemoveMessageListener(TListenerId id) { return messageListeners_.Remove(id); }

    // The program as a whole goes to and comes back from the task bar: the main form is
    // minimized and the other shown forms wait hidden until Restore, which also runs when the
    // desktop brings the main form back.
    void Minimize();
    void Restore();
    // The listeners, latest first, then OnMinimize.
    TNotifyEvent OnMinimize;
    TListenerId AddMinimizeListener(TNotifyEvent listener) { return minimizeListeners_.Add(std::move(listener)); }
    bool RemoveMinimizeListener(TListenerId id) { return minimizeListeners_.Remove(id); }
    TNotifyEvent OnRestore;

    const std::string& Title() const { return title_; }
    void SetTitle(const std::string& title) { title_ = title; }
    // A hidden window for the application's own messages (waking the main thread).
    HWND Handle() const { return handle_; }

    // Reports the exception being handled (call it inside a catch block): OnException when
    // assigned, else ShowException. EAbort is silent.
    void HandleException(TComponent* sender);
    // Shows the message in an error box.
    void ShowException(const std::exception& e);
    TExceptionEvent OnException;

    // Off: no hints, and the hint window is destroyed; on again makes a new one of the
    // current HintWindowClass when it is next needed.
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool on);
    int HintPause() const { return hintPause_; }           // pointer still over a control
    void SetHintPause(int ms) { hintPause_ = ms; }
    int HintShortPause() const { return hintShortPause_; } // from one hint to the next
    void SetHintShortPause(int ms) { hintShortPause_ = ms; }
    int HintHidePause() const { return hintHidePause_; }   // how long a hint stays
    void SetHintHidePause(int ms) { hintHidePause_ = ms; }
    TColor HintColor() const { return hintColor_; }
    void SetHintColor(TColor color) { hintColor_ = color; }
    const THintWindowClass& HintWindowClass() const { return hintWindowClass_; }
    void SetHintWindowClass(THintWindowClass factory) { hintWindowClass_ = std::move(factory); }
    THintWindow* HintWindow() const { return hintWindow_.Get(); }
    // The long part of the hint of the control under the mouse (after "|").
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& hint);
    TShowHintEvent OnShowHint;
    TNotifyEvent OnHint;

    // The mouse moved over a control (nullptr: over none of ours).
    void HintMouseMessage(TControl* control, TPoint screen);
    // Shows the hint of the control the mouse is over now, as the hint pause ending does.
    void ActivateHint(TPoint cursor);
    void HideHint();
    void CancelHint();

private:
    void FormCreated(TForm* form);
    bool FilterMessage(MSG& m);
    void TakeQuit();
    void CreateHandle();
    void StartHintTimer(int ms, bool show);
    void StopHintTimer();
    void HintTimerFired();

    TComponentRef<TForm> mainForm_;
    bool showMainForm_ = true;
    bool terminated_ = false;
    std::string title_;
    HWND handle_ = nullptr;
    std::function<bool(MSG&)> previousFilter_;
    bool filterInstalled_ = false;
    std::vector<TComponentRef<TForm>> hiddenForms_;
    bool minimized_ = false;
    TListenerList<TMessageEvent> messageListeners_;
    TListenerList<TNotifyEvent> minimizeListeners_;

    bool showHint_ = true;
    int hintPause_ = 500;
    int hintShortPause_ = 50;
    int hintHidePause_ = 2500;
    TColor hintColor_;
    THintWindowClass hintWindowClass_;
    TComponentRef<THintWindow> hintWindow_;
    TComponentRef<TControl> hintControl_;
    bool hintActive_ = false;
    bool hintTimerShows_ = false;
    uint64_t hintTimer_ = 0;
    std::string hint_;
};

// The application object, or nullptr when none exists.
TApplication* Application();

// Reports the exception being handled through the application's HandleException, or rethrows
// it when no application exists (a test of a bare control, a tool). Call it inside a catch
// block.
void HandleExceptionOrRethrow(TComponent* sender);

// The hint text before "|" (shown in the hint window) and after it (for a status line).
std::string GetShortHint(const std::string& hint);
std::string GetLongHint(const std::string& hint);

} // namespace tavrik
