#include "core/Exception.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

namespace tavrik {

namespace {

// Disables the program's shown windows other than the modal form, as a modal box does; menus
// and hints (desktop popups) are left alone. Answers what it disabled.
std::vector<HWND> DisableOtherWindows(HWND modal)
{
    std::vector<HWND> disabled;
    for (HWND h : GetChildWindows(nullptr)) {
        if (h == modal || !IsWindowVisible(h) || !IsWindowEnabled(h)) continue;
        if (GetWindowLongPtr(h, GWL_EXSTYLE) & WS_EX_TOOLWINDOW) continue;
        EnableWindow(h, false);
        disabled.push_back(h);
    }
    return disabled;
}

} // namespace

TModalResult TForm::ShowModal()
{
    if (Visible() || !Enabled() || modal_) throw Exception("Cannot make a visible window modal");
    if (HWND capture = GetCapture()) {
        SendMessage(capture, WM_CANCELMODE);
        ReleaseCapture();
    }
    HWND previousActive = GetActiveWindow();
    HWND h = Handle();
    // Owned by the window it interrupts, so that it stays above it.
    LONG_PTR previousOwner = GetWindowLongPtr(h, GWLP_HWNDPARENT);
    if (previousActive && previousActive != h) SetWindowLongPtr(h, GWLP_HWNDPARENT, LONG_PTR(HandleValue(previousActive)));
    std::vector<HWND> disabled = DisableOtherWindows(h);
    modal_ = true;
    modalResult_ = mrNone;
    auto alive = Guard();
    // However the loop ends, even by an error, the modal state ends with it, so that the
    // program stays usable.
    auto endModal = [&] {
        if (alive) Hide();
        for (HWND d : disabled) EnableWindow(d, true);
        if (previousActive && IsWindow(previousActive)) SetActiveWindow(previousActive);
        if (alive) {
            modal_ = false;
            if (HandleAllocated()) SetWindowLongPtr(Handle(), GWLP_HWNDPARENT, previousOwner);
        }
    };
    TModalResult result = mrCancel;
    try {
        Show();
        bool loopEnded = RunMessageLoopUntil([&] {
            if (!alive) return true;
            if (Application() && Application()->Terminated()) modalResult_ = mrCancel;
            else if (modalResult_ != mrNone) CloseModal();
            return !alive || modalResult_ != mrNone;
        });
        if (alive) {
            if (!loopEnded) modalResult_ = mrCancel;
            result = modalResult_;
        }
    } catch (...) {
        endModal();
        throw;
    }
    endModal();
    return result;
}

void TForm::CloseModal()
{
    auto alive = Guard();
    TCloseAction action = TCloseAction::caNone;
    if (CloseQuery()) {
        action = TCloseAction::caHide;
        if (alive) DoClose(action);
    }
    if (!alive) return;
    if (action == TCloseAction::caNone) modalResult_ = mrNone;
    else if (action == TCloseAction::caFree) Release();
}

} // namespace tavrik
