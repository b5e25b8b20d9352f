#include "wsys/backends/x11/X11Backend.h"

#include "core/TickClock.h"
#include "gfx/Bitmap.h"
#include "wsys/ScreenDepth.h"
#include "wsys/backends/x11/X11Clipboard.h"
#include "wsys/backends/x11/X11Connection.h"
#include "wsys/backends/x11/X11Cursors.h"
#include "wsys/backends/x11/X11DropTarget.h"
#include "wsys/backends/x11/X11InputMethod.h"
#include "wsys/backends/x11/X11Presenter.h"
#include "wsys/backends/x11/X11Screen.h"
#include "wsys/backends/x11/X11Tray.h"

#include <X11/XKBlib.h>

#include <langinfo.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <clocale>
#include <cstring>

namespace tavrik {

namespace {

bool CodesetIsUtf8()
{
    const char* codeset = nl_langinfo(CODESET);
    return codeset && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
}

// Text input and window titles go through the character type locale, and all our text is
// UTF-8: the user's locale when it is a UTF-8 one, else C.UTF-8. Only the character type
// changes; numbers and dates keep the program's locale.
void UseUtf8CharacterLocale()
{
    if (CodesetIsUtf8()) return;
    if (std::setlocale(LC_CTYPE, "") && CodesetIsUtf8()) return;
    std::setlocale(LC_CTYPE, "C.UTF-8");
}

} // namespace

std::unique_ptr<TX11Backend> TX11Backend::Open(const TX11Options& options, std::string* error)
{
    UseUtf8CharacterLocale();
    auto connection = std::make_unique<TX11Connection>(options.display);
    if (!connection->Display()) {
        if (error) {
            std::string name = options.display.empty() ? XDisplayName(nullptr) : options.display;
            *error = "cannot open the X display \"" + name + "\"";
        }
        return nullptr;
    }
    return std::unique_ptr<TX11Backend>(new TX11Backend(std::move(connection), options));
}

TX11Backend::TX11Backend(std::unique_ptr<TX11Connection> connection, const TX11Options& options)
    : options_(options), x_(std::move(connection))
{
    Display* d = x_->Display();
    SetScreenBitsPerPixel(x_->ScreenDepth());
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    XSelectInput(d, x_->Root(), PropertyChangeMask);
    // Held keys then repeat as presses only, without a release before each.
    XkbSetDetectableAutoRepeat(d, True, nullptr);
    presenter_ = std::make_unique<TX11Presenter>(*x_, options.sharedMemory);
    screen_ = std::make_unique<TX11Screen>(*x_);
    clipboard_ = std::make_unique<TX11Clipboard>(*x_);
    dropTarget_ = std::make_unique<TX11DropTarget>(*x_, *clipboard_);
    im_ = std::make_unique<TX11InputMethod>(d);
    cursors_ = std::make_unique<TX11Cursors>(d);
    tray_ = std::make_unique<TX11Tray>(*x_, *presenter_);
}

TX11Backend::~TX11Backend()
{
    Ungrab();
    std::vector<Window> left;
    for (const auto& [id, win] : windows_) left.push_back(id);
    for (Window w : left) DestroyNativeWindow(w);
    tray_.reset();
    cursors_.reset();
    im_.reset();
    dropTarget_.reset();
    clipboard_.reset(); // may hand the text to a clipboard manager first
    screen_.reset();
    presenter_.reset();
    XSync(x_->Display(), False);
    if (wakeFd_ >= 0) close(wakeFd_);
}

::Display* TX11Backend::XDisplay() const { return x_->Display(); }
bool TX11Backend::UsesSharedMemory() const { return presenter_->UsesSharedMemory(); }
void TX11Backend::Sync() { XSync(x_->Display(), False); }

TX11Backend::TWin* TX11Backend::Find(Window w)
{
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

const TX11Backend::TWin* TX11Backend::Find(Window w) const
{
    auto it = windows_.find(w);
    return it == windows_.end() ? nullptr : &it->second;
}

bool TX11Backend::IsMapped(TNativeWindow window) const
{
    const TWin* win = Find(Window(window));
    return win && win->mapped;
}

std::optional<TPoint> TX11Backend::InputSpot(TNativeWindow window) const
{
    XPoint spot;
    if (!im_->QuerySpot(Window(window), spot)) return std::nullopt;
    return TPoint{spot.x, spot.y};
}

void TX11Backend::SetTextInputSpot(TNativeWindow window, const TRect& caret)
{
    if (!Find(Window(window))) return;
    auto clamp = [](int v) { return short(std::clamp(v, -32768, 32767)); };
    im_->SetSpot(Window(window), XPoint{clamp(caret.Left), clamp(caret.Bottom)});
}

bool TX11Backend::HasWindowManager()
{
    if (windowManager_ < 0) windowManager_ = x_->WindowManager() != None ? 1 : 0;
    return windowManager_ == 1;
}

bool TX11Backend::WindowManagerActivates()
{
    if (wmActivates_ < 0) wmActivates_ = x_->WindowManagerSupports(x_->Atoms().NET_ACTIVE_WINDOW) ? 1 : 0;
    return wmActivates_ == 1;
}

std::vector<TMonitor> TX11Backend::Monitors() { return screen_->Monitors(); }

TBitmap TX11Backend::ReadScreen(const TRect& area)
{
    XSync(x_->Display(), False); // what we drew ourselves is on the screen first
    return screen_->Read(area);
}

bool TX11Backend::SupportsOpacity() { return screen_->HasCompositor(); }

uint32_t TX11Backend::DoubleClickTime() { return screen_->DoubleClickTime(); }

void TX11Backend::Beep()
{
    XBell(x_->Display(), 0);
    XFlush(x_->Display());
}

std::string TX11Backend::ClipboardText() { return clipboard_->Text(); }

void TX11Backend::SetClipboardText(const std::string& text) { clipboard_->SetText(text); }

void TX11Backend::AnswerDrag(bool accepted) { dropTarget_->AnswerDrag(accepted); }
void TX11Backend::FinishDrop(bool taken) { dropTarget_->FinishDrop(taken); }
bool TX11Backend::TrayAvailable() { return tray_->Available(); }

void TX11Backend::SetTrayIcon(TTrayIconKey key, const TBitmap& picture) { tray_->SetIcon(key, picture); }

void TX11Backend::RemoveTrayIcon(TTrayIconKey key) { tray_->RemoveIcon(key); }

unsigned long TX11Backend::TrayIconWindow(TTrayIconKey key) const { return tray_->IconWindow(key); }

std::optional<TCursorImage> TX11Backend::CurrentCursorImage() { return cursors_->ShownImage(); }

TPoint TX11Backend::CursorPos()
{
    Window rootReturn = None, child = None;
    int rootX = 0, rootY = 0, winX = 0, winY = 0;
    unsigned int mask = 0;
    XQueryPointer(x_->Display(), x_->Root(), &rootReturn, &child, &rootX, &rootY, &winX, &winY, &mask);
    return {rootX, rootY};
}

void TX11Backend::SetCursorPos(TPoint screen)
{
    XWarpPointer(x_->Display(), None, x_->Root(), 0, 0, 0, 0, screen.x, screen.y);
    XFlush(x_->Display());
}

void TX11Backend::SetCursorShape(TCursorShape shape)
{
    cursor_ = shape;
    Cursor c = cursors_->Get(shape);
    for (const auto& [id, win] : windows_) XDefineCursor(x_->Display(), id, c);
    // During a grab the grab's cursor shows wherever the pointer is.
    if (grabbed_)
        XChangeActivePointerGrab(x_->Display(), ButtonPressMask | ButtonReleaseMask | PointerMotionMask, c, CurrentTime);
}

void TX11Backend::SetMouseCapture(TNativeWindow window)
{
    captureWindow_ = Window(window);
    Ungrab();
    TryGrab();
}

void TX11Backend::WatchOutsidePresses(TNativeWindow popup)
{
    if (Window(popup) == watchWindow_) return;
    watchWindow_ = Window(popup);
    if (captureWindow_) return; // the capture's grab goes on; the watch follows it
    Ungrab();
    TryGrab();
}

bool TX11Backend::IsOutside(Window reported, int x, int y) const
{
    if (captureWindow_ || !grabbed_ || !watchWindow_ || reported != watchWindow_) return false;
    const TWin* win = Find(watchWindow_);
    return win && !Bounds(0, 0, win->bounds.Width(), win->bounds.Height()).Contains(TPoint{x, y});
}

void TX11Backend::TryGrab()
{
    TWin* win = Find(GrabWindow());
    if (!win || !win->mapped) return; // grabbed when it is mapped
    Display* d = x_->Display();
    unsigned int mask = ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask | LeaveWindowMask;
    // With owner events the program's own windows get their events as usual; the grab
    // window gets the rest, which for a watching popup are the presses outside the program.
    grabbed_ = XGrabPointer(d, win->id, True, mask, GrabModeAsync, GrabModeAsync, None, cursors_->Get(cursor_),
                            CurrentTime) == GrabSuccess;
    // A popup holding the mouse is a menu or a drop-down list: keys go to it too, even when
    // it was opened while another program had the focus. So do they for a menu that watches
    // outside presses while no window of ours has the focus (the notification area's menu
    // while the program hides there); otherwise they stay with the focus window.
    Window focus = None;
    int revert = 0;
    XGetInputFocus(d, &focus, &revert);
    bool popup = win->params.kind == TNativeKind::Popup && (captureWindow_ || !Find(focus));
    if (popup) keyboardGrabbed_ = XGrabKeyboard(d, win->id, True, GrabModeAsync, GrabModeAsync, CurrentTime) == GrabSuccess;
    else if (keyboardGrabbed_) {
        XUngrabKeyboard(d, CurrentTime);
        keyboardGrabbed_ = false;
    }
}

void TX11Backend::Ungrab()
{
    Display* d = x_->Display();
    if (grabbed_) XUngrabPointer(d, CurrentTime);
    if (keyboardGrabbed_) XUngrabKeyboard(d, CurrentTime);
    grabbed_ = keyboardGrabbed_ = false;
    XFlush(d);
}

void TX11Backend::WaitForEvents(int64_t timeoutMs)
{
    if (!events_.empty()) return;
    Display* d = x_->Display();
    if (XEventsQueued(d, QueuedAfterFlush) > 0) return;
    pollfd fds[2] = {{ConnectionNumber(d), POLLIN, 0}, {wakeFd_, POLLIN, 0}};
    int timeout = timeoutMs < 0 ? -1 : int(std::min<int64_t>(timeoutMs, INT_MAX));
    poll(fds, wakeFd_ >= 0 ? 2 : 1, timeout);
    if (wakeFd_ >= 0 && (fds[1].revents & POLLIN)) {
        uint64_t count = 0;
        [[maybe_unused]] ssize_t n = read(wakeFd_, &count, sizeof count);
    }
}

void TX11Backend::Wake()
{
    if (wakeFd_ < 0) return;
    uint64_t one = 1;
    [[maybe_unused]] ssize_t n = write(wakeFd_, &one, sizeof one);
}

uint64_t TX11Backend::TickOf(Time serverTime)
{
    uint64_t now = GetTickCount();
    if (serverTime == CurrentTime) return now;
    lastServerTime_ = serverTime;
    clipboard_->NoteTime(serverTime);
    // The server counts milliseconds from its own start; the offset to our clock is learned
    // from the first event and learned again when an event would lie in the future or far in
    // the past (the server's 32-bit clock wrapped, or it was restarted).
    int64_t server = int64_t(uint32_t(serverTime));
    int64_t tick = server + clockOffset_;
    if (!clockKnown_ || tick > int64_t(now) || tick + 60000 < int64_t(now)) {
        clockOffset_ = int64_t(now) - server;
        clockKnown_ = true;
        tick = int64_t(now);
    }
    return uint64_t(tick);
}

} // namespace tavrik
