#include "ui/Application.h"

#include "core/Exception.h"
#include "gfx/SystemColors.h"
#include "ui/Abort.h"
#include "ui/Form.h"
#include "ui/MessageDlg.h"
#include "ui/Screen.h"
#include "ui/Thread.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

#include <vector>

namespace tavrik {

namespace {

TApplication* current = nullptr;

constexpr const char* kAppClass = "TApplication";
constexpr UINT kWakeMessage = WM_APP + 1;

} // namespace

TApplication* Application() { return current; }

TApplication::TApplication() : hintColor_(clInfoBk)
{
    current = this;
    if (!TWindowSystem::Exists()) return;
    CreateHandle();
    previousFilter_ = SetMessageFilter([this](MSG& m) { return FilterMessage(m); });
    filterInstalled_ = true;
}

TApplication::~TApplication()
{
    MarkDestroying();
    StopHintTimer();
    SetWakeMainThread({});
    DestroyComponents(); // the forms first, while everything they may call on still exists
    if (filterInstalled_ && TWindowSystem::Exists()) SetMessageFilter(previousFilter_);
    if (handle_ && TWindowSystem::Exists()) DestroyWindow(handle_);
    if (current == this) current = nullptr;
}

void TApplication::CreateHandle()
{
    WNDCLASS wc;
    wc.lpszClassName = kAppClass;
    wc.lpfnWndProc = [](HWND h, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
        if (msg != kWakeMessage) return DefWindowProc(h, msg, wp, lp);
        try {
            CheckSynchronize();
        } catch (...) {
            if (current) current->HandleException(current);
        }
        return 0;
    };
    RegisterClass(wc);
    handle_ = CreateWindowEx(WS_EX_TOOLWINDOW, kAppClass, "", WS_POPUP, 0, 0, 0, 0, nullptr);
    HWND h = handle_;
    SetWakeMainThread([h] { PostMessage(h, kWakeMessage); });
}

void TApplication::FormCreated(TForm* form)
{
    if (!mainForm_) mainForm_ = form;
    form->AfterConstruction();
}

void TApplication::Run()
{
    if (TForm* main = MainForm(); main && showMainForm_) main->Show();
    // Errors of the framework's handlers are reported where they happen (TWinControl).
    while (!terminated_)
        if (!RunMessageLoopUntil([this] { return terminated_; })) TakeQuit();
}

void TApplication::TakeQuit()
{
    MSG quit;
    PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    terminated_ = true;
}

void TApplication::HandleMessage()
{
    MSG m;
    if (!GetMessage(&m)) {
        terminated_ = true;
        return;
    }
    // The filter of the window system's own loops (OnMessage among them) sees it here too.
    std::function<bool(MSG&)> filter = SetMessageFilter({});
    SetMessageFilter(filter);
    if (!filter || !filter(m)) DispatchMessage(&m);
}

bool TApplication::FilterMessage(MSG& m)
{
    auto handledBy = [&](const TMessageEvent& listener) {
        bool handled = false;
        try {
            listener(m, handled);
        } catch (...) {
            HandleException(this);
        }
        return handled;
    };
    if (messageListeners_.Each(handledBy)) return true;
    if (OnMessage && handledBy(OnMessage)) return true;
    return previousFilter_ && previousFilter_(m);
}

void TApplication::Minimize()
{
    TForm* main = MainForm();
    if (!main || !main->HandleAllocated() || IsIconic(main->Handle())) return;
    // One minimized window stands for the program; the others wait hidden.
    for (TForm* f : std::vector<TForm*>(Screen()->FormList())) {
        if (f == main || !f->Visible() || !f->HandleAllocated()) continue;
        ShowWindow(f->Handle(), SW_HIDE);
        hiddenForms_.push_back(f);
    }
    minimized_ = true;
    ShowWindow(main->Handle(), SW_MINIMIZE);
    auto alive = Guard();
    minimizeListeners_.Each([&](const TNotifyEvent& listener) {
        listener(this);
        return !alive;
    });
    if (alive && OnMinimize) OnMinimize(this);
}

void TApplication::Restore()
{
    TForm* main = MainForm();
    if (!main || !main->HandleAllocated()) return;
    const bool iconic = IsIconic(main->Handle());
    // The desktop may have restored the main form itself (its task-bar entry).
    if (!iconic && !minimized_) return;
    minimized_ = false;
    if (iconic) ShowWindow(main->Handle(), SW_RESTORE);
    for (const TComponentRef<TForm>& f : hiddenForms_)
        if (TForm* form = f.Get(); form && form->Visible()) ShowWindow(form->Handle(), SW_SHOWNA);
    hiddenForms_.clear();
    if (OnRestore) OnRestore(this);
}

void TApplication::ProcessMessages()
{
    tavrik::ProcessMessages();
    MSG quit;
    if (PeekMessage(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        terminated_ = true;
        PostQuitMessage(int(quit.wParam)); // for the loops that run around this one
    }
    CheckSynchronize();
}

void TApplication::Terminate() { PostQuitMessage(0); }

void TApplication::HandleException(TComponent* sender)
{
    std::exception_ptr error = std::current_exception();
    if (!error) return;
    try {
        std::rethrow_exception(error);
    } catch (const EAbort&) {
    } catch (const std::exception& e) {
        if (OnException) OnException(sender, e);
        else ShowException(e);
    } catch (...) {
        Exception unknown("Unknown error");
        if (OnException) OnException(sender, unknown);
        else ShowException(unknown);
    }
}

void TApplication::ShowException(const std::exception& e)
{
    MessageDlg(e.what(), TMsgDlgType::mtError, MsgDlgButtons({TMsgDlgBtn::mbOK}));
}

void HandleExceptionOrRethrow(TComponent* sender)
{
    TApplication* app = Application();
    if (!app) throw;
    app->HandleException(sender);
}

} // namespace tavrik
