#include "wsys/backends/x11/X11Clipboard.h"

#include "core/Utf8.h"
#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xatom.h>

#include <poll.h>

#include <chrono>
#include <functional>

namespace tavrik {

namespace {

constexpr int kAnswerTimeoutMs = 2000;

std::string Latin1FromUtf8(const std::string& text)
{
    std::string out;
    for (char32_t cp : Utf8ToUtf32(text)) out += cp <= 0xFF ? char(uint8_t(cp)) : '?';
    return out;
}

std::string Utf8FromLatin1(const std::string& text)
{
    std::string out;
    for (char c : text) out += Utf8Encode(char32_t(uint8_t(c)));
    return out;
}

using TEventTest = std::function<bool(const XEvent&)>;

Bool MatchEvent(Display*, XEvent* ev, XPointer test) { return (*reinterpret_cast<TEventTest*>(test))(*ev) ? True : False; }

// Takes the first event the test accepts, leaving all others queued; waits at most timeoutMs.
bool WaitForEvent(Display* display, TEventTest test, XEvent& out, int timeoutMs)
{
    auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    for (;;) {
        if (XCheckIfEvent(display, &out, &MatchEvent, reinterpret_cast<XPointer>(&test))) return true;
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0) return false;
        XFlush(display);
        pollfd fd{ConnectionNumber(display), POLLIN, 0};
        poll(&fd, 1, int(left.count()));
    }
}

} // namespace

TX11Clipboard::TX11Clipboard(TX11Connection& x) : x_(x)
{
    XSetWindowAttributes a{};
    a.event_mask = PropertyChangeMask;
    window_ = XCreateWindow(x_.Display(), x_.Root(), -10, -10, 1, 1, 0, 0, InputOnly, CopyFromParent, CWEventMask, &a);
}

TX11Clipboard::~TX11Clipboard()
{
    if (owned_) HandOverToManager();
    XDestroyWindow(x_.Display(), window_);
}

Time TX11Clipboard::ServerTime()
{
    // Appending nothing to a property still reports a change, with the server's time.
    Atom stamp = x_.Atoms().TAVRIK_TIMESTAMP;
    XChangeProperty(x_.Display(), window_, stamp, XA_STRING, 8, PropModeAppend, nullptr, 0);
    XEvent ev;
    Window w = window_;
    bool got = WaitForEvent(
        x_.Display(),
        [w, stamp](const XEvent& e) { return e.type == PropertyNotify && e.xproperty.window == w && e.xproperty.atom == stamp; },
        ev, kAnswerTimeoutMs);
    return got ? ev.xproperty.time : lastTime_;
}

void TX11Clipboard::SetText(const std::string& text)
{
    text_ = text;
    ownedSince_ = ServerTime();
    XSetSelectionOwner(x_.Display(), x_.Atoms().CLIPBOARD, window_, ownedSince_);
    owned_ = XGetSelectionOwner(x_.Display(), x_.Atoms().CLIPBOARD) == window_;
}

std::string TX11Clipboard::Text()
{
    Window owner = XGetSelectionOwner(x_.Display(), x_.Atoms().CLIPBOARD);
    if (owner == None) return {};
    if (owner == window_) return text_;
    bool refused = false;
    const Atom clipboard = x_.Atoms().CLIPBOARD;
    std::string text = Convert(clipboard, x_.Atoms().UTF8_STRING, ServerTime(), refused);
    if (refused) text = Utf8FromLatin1(Convert(clipboard, XA_STRING, ServerTime(), refused));
    return refused ? std::string() : text;
}

std::string TX11Clipboard::Convert(Atom selection, Atom target, Time time, bool& refused)
{
    refused = true;
    Atom property = x_.Atoms().TAVRIK_SELECTION;
    XDeleteProperty(x_.Display(), window_, property);
    XConvertSelection(x_.Display(), selection, target, property, window_, time);
    XEvent ev;
    Window w = window_;
    if (!WaitForEvent(x_.Display(), [w](const XEvent& e) { return e.type == SelectionNotify && e.xselection.requestor == w; },
                      ev, kAnswerTimeoutMs))
        return {};
    if (ev.xselection.property == None) return {};
    Atom type = None;
    std::string data = ReadProperty(type);
    if (type != x_.Atoms().INCR) {
        refused = type == None;
        return data;
    }
    // Large texts come in chunks: each deletion of the property asks for the next one, and
    // an empty chunk ends the transfer.
    std::string all;
    for (;;) {
        bool got = WaitForEvent(
            x_.Display(),
            [w, property](const XEvent& e) {
                return e.type == PropertyNotify && e.xproperty.window == w && e.xproperty.atom == property &&
                       e.xproperty.state == PropertyNewValue;
            },
            ev, kAnswerTimeoutMs);
        if (!got) return {};
        std::string chunk = ReadProperty(type);
        if (type == None) continue; // a notification for a chunk already read
        if (chunk.empty()) break;
        all += chunk;
    }
    refused = false;
    return all;
}

std::string TX11Clipboard::ReadProperty(Atom& type)
{
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    type = None;
    std::string out;
    if (XGetWindowProperty(x_.Display(), window_, x_.Atoms().TAVRIK_SELECTION, 0, 0x1FFFFFFF, True, AnyPropertyType,
                           &type, &format, &count, &after, &data) == Success &&
        data && format == 8)
        out.assign(reinterpret_cast<const char*>(data), count);
    if (data) XFree(data);
    return out;
}

bool TX11Clipboard::HandleEvent(const XEvent& ev)
{
    if (ev.type == SelectionRequest && ev.xselectionrequest.owner == window_) {
        Answer(ev.xselectionrequest);
        return true;
    }
    if (ev.type == SelectionClear && ev.xselectionclear.window == window_) {
        if (ev.xselectionclear.selection == x_.Atoms().CLIPBOARD) {
            owned_ = false;
            text_.clear();
        }
        return true;
    }
    return false;
}

void TX11Clipboard::Answer(const XSelectionRequestEvent& request)
{
    XSelectionEvent reply{};
    reply.type = SelectionNotify;
    reply.display = request.display;
    reply.requestor = request.requestor;
    reply.selection = request.selection;
    reply.target = request.target;
    reply.time = request.time;
    reply.property = None;
    // Clients older than the conventions give no property: the target names it then.
    Atom property = request.property != None ? request.property : request.target;
    TX11ErrorTrap trap(x_.Display()); // the requestor may be gone already
    if (request.selection == x_.Atoms().CLIPBOARD && owned_ && WriteTarget(request.requestor, request.target, property))
        reply.property = property;
    XSendEvent(x_.Display(), request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
}

bool TX11Clipboard::WriteTarget(Window requestor, Atom target, Atom property)
{
    const TX11Atoms& a = x_.Atoms();
    Display* d = x_.Display();
    if (target == a.TARGETS) {
        Atom targets[] = {a.TARGETS, a.TIMESTAMP, a.UTF8_STRING, a.TEXT, XA_STRING};
        XChangeProperty(d, requestor, property, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(targets),
                        int(std::size(targets)));
        return true;
    }
    if (target == a.TIMESTAMP) {
        long stamp = long(ownedSince_);
        XChangeProperty(d, requestor, property, XA_INTEGER, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&stamp), 1);
        return true;
    }
    bool utf8 = target == a.UTF8_STRING || target == a.TEXT;
    if (!utf8 && target != XA_STRING) return false;
    std::string data = utf8 ? text_ : Latin1FromUtf8(text_);
    long maxRequest = XExtendedMaxRequestSize(d) ? XExtendedMaxRequestSize(d) : XMaxRequestSize(d);
    // FIXME: texts beyond one request (16 MB with BIG-REQUESTS) would need the INCR protocol.
    if (data.size() + 64 > size_t(maxRequest) * 4) return false;
    XChangeProperty(d, requestor, property, utf8 ? a.UTF8_STRING : XA_STRING, 8, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(data.data()), int(data.size()));
    return true;
}

void TX11Clipboard::HandOverToManager()
{
    const TX11Atoms& a = x_.Atoms();
    if (XGetSelectionOwner(x_.Display(), a.CLIPBOARD_MANAGER) == None) return;
    XConvertSelection(x_.Display(), a.CLIPBOARD_MANAGER, a.SAVE_TARGETS, None, window_, ServerTime());
    // The manager asks for the text now; answer until it says it is done.
    Window w = window_;
    for (;;) {
        XEvent ev;
        bool got = WaitForEvent(
            x_.Display(),
            [w](const XEvent& e) {
                return (e.type == SelectionRequest && e.xselectionrequest.owner == w) ||
                       (e.type == SelectionNotify && e.xselection.requestor == w);
            },
            ev, kAnswerTimeoutMs);
        if (!got || ev.type == SelectionNotify) return;
        Answer(ev.xselectionrequest);
    }
}

} // namespace tavrik
