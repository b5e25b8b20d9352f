#include "gfx/SystemIcons.h"
#include "wsys/backends/x11/X11Backend.h"
#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xatom.h>
#include <X11/Xutil.h>

#include <unistd.h>

#include <climits>
#include <vector>

namespace tavrik {

void TX11Backend::SetClassHints(Window w)
{
    Display* d = x_->Display();
    XClassHint hint{const_cast<char*>(options_.resourceName.c_str()), const_cast<char*>(options_.resourceClass.c_str())};
    XSetClassHint(d, w, &hint);
    long pid = long(getpid());
    XChangeProperty(d, w, x_->Atoms().NET_WM_PID, XA_CARDINAL, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&pid), 1);
    char host[HOST_NAME_MAX + 1] = {};
    if (gethostname(host, sizeof host - 1) == 0) {
        char* list[] = {host};
        XTextProperty text{};
        if (XStringListToTextProperty(list, 1, &text)) {
            XSetWMClientMachine(d, w, &text);
            XFree(text.value);
        }
    }
}

void TX11Backend::SetMotifHints(Window w)
{
    // flags: decorations given; decorations: none. The program draws its own frame.
    long hints[5] = {2, 0, 0, 0, 0};
    XChangeProperty(x_->Display(), w, x_->Atoms().MOTIF_WM_HINTS, x_->Atoms().MOTIF_WM_HINTS, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(hints), 5);
}

void TX11Backend::SetWindowType(const TWin& win)
{
    const TX11Atoms& a = x_->Atoms();
    long type = long(win.params.kind == TNativeKind::Popup ? a.NET_WM_WINDOW_TYPE_POPUP_MENU
                     : win.params.owner                   ? a.NET_WM_WINDOW_TYPE_DIALOG
                                                          : a.NET_WM_WINDOW_TYPE_NORMAL);
    XChangeProperty(x_->Display(), win.id, a.NET_WM_WINDOW_TYPE, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(&type), 1);
}

void TX11Backend::SetProtocols(const TWin& win)
{
    const TX11Atoms& a = x_->Atoms();
    std::vector<Atom> protocols{a.WM_DELETE_WINDOW, a.NET_WM_PING};
    if (!win.params.noActivate) protocols.push_back(a.WM_TAKE_FOCUS);
    XSetWMProtocols(x_->Display(), win.id, protocols.data(), int(protocols.size()));
}

void TX11Backend::SetNormalHints(const TWin& win)
{
    XSizeHints* hints = XAllocSizeHints();
    if (!hints) return;
    // The program places its windows itself; static gravity keeps a window manager's frame
    // from shifting them.
    hints->flags = USPosition | PPosition | USSize | PSize | PWinGravity;
    hints->x = win.bounds.Left;
    hints->y = win.bounds.Top;
    hints->width = win.bounds.Width();
    hints->height = win.bounds.Height();
    hints->win_gravity = StaticGravity;
    XSetWMNormalHints(x_->Display(), win.id, hints);
    XFree(hints);
}

void TX11Backend::SetWmHints(const TWin& win, bool iconic)
{
    XWMHints* hints = XAllocWMHints();
    if (!hints) return;
    hints->flags = InputHint | StateHint;
    hints->input = win.params.noActivate || win.params.kind == TNativeKind::Popup ? False : True;
    hints->initial_state = iconic ? IconicState : NormalState;
    XSetWMHints(x_->Display(), win.id, hints);
    XFree(hints);
}

void TX11Backend::SetIcon(Window w)
{
    // Width, height, then one ARGB value per pixel, for each size; Xlib wants longs.
    std::vector<long> data;
    for (int size : {16, 32, 48}) {
        const TBitmap& icon = SystemIcon(TSystemIcon::Application, size);
        data.push_back(icon.Width());
        data.push_back(icon.Height());
        for (int y = 0; y < icon.Height(); ++y) {
            const uint8_t* p = icon.ScanLine(y);
            for (int x = 0; x < icon.Width(); ++x, p += 4)
                data.push_back(long(uint32_t(p[3]) << 24 | uint32_t(p[2]) << 16 | uint32_t(p[1]) << 8 | p[0]));
        }
    }
    XChangeProperty(x_->Display(), w, x_->Atoms().NET_WM_ICON, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(data.data()), int(data.size()));
}

void TX11Backend::SetStateProperty(const TWin& win)
{
    const TX11Atoms& a = x_->Atoms();
    std::vector<long> states;
    if (win.topmost) states.push_back(long(a.NET_WM_STATE_ABOVE));
    if (win.params.toolWindow) states.push_back(long(a.NET_WM_STATE_SKIP_TASKBAR));
    XChangeProperty(x_->Display(), win.id, a.NET_WM_STATE, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<unsigned char*>(states.data()), int(states.size()));
}

void TX11Backend::SendStateMessage(const TWin& win, bool add, Atom state)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = win.id;
    ev.xclient.message_type = x_->Atoms().NET_WM_STATE;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = add ? 1 : 0;
    ev.xclient.data.l[1] = long(state);
    ev.xclient.data.l[3] = 1; // asked by the application
    XSendEvent(x_->Display(), x_->Root(), False, SubstructureRedirectMask | SubstructureNotifyMask, &ev);
}

} // namespace tavrik
