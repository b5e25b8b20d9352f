#include "wsys/backends/x11/X11DropTarget.h"

#include "wsys/UriList.h"
#include "wsys/backends/x11/X11Clipboard.h"
#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xatom.h>

#include <algorithm>
#include <unistd.h>

namespace tavrik {

namespace {

constexpr long kVersion = 5;
constexpr long kOldestVersion = 3; // older sources put XdndAware on subwindows, without timestamps

// XdndPosition carries the root point as two signed 16-bit halves.
TPoint RootPoint(long packed) { return {int(int16_t(uint16_t(packed >> 16))), int(int16_t(uint16_t(packed)))}; }

std::string HostName()
{
    char name[256] = {};
    return ::gethostname(name, sizeof name - 1) == 0 ? std::string(name) : std::string();
}

} // namespace

TX11DropTarget::TX11DropTarget(TX11Connection& x, TX11Clipboard& selections)
    : x_(x), selections_(selections), hostName_(HostName())
{
    struct TName {
        Atom* atom;
        const char* name;
    } names[] = {
        {&atoms_.aware, "XdndAware"},           {&atoms_.enter, "XdndEnter"},
        {&atoms_.position, "XdndPosition"},     {&atoms_.status, "XdndStatus"},
        {&atoms_.leave, "XdndLeave"},           {&atoms_.drop, "XdndDrop"},
        {&atoms_.finished, "XdndFinished"},     {&atoms_.selection, "XdndSelection"},
        {&atoms_.typeList, "XdndTypeList"},     {&atoms_.actionCopy, "XdndActionCopy"},
        {&atoms_.uriList, "text/uri-list"},
    };
    std::vector<char*> list;
    for (const TName& n : names) list.push_back(const_cast<char*>(n.name));
    std::vector<Atom> atoms(list.size());
    XInternAtoms(x_.Display(), list.data(), int(list.size()), False, atoms.data());
    for (size_t i = 0; i < list.size(); ++i) *names[i].atom = atoms[i];
}

void TX11DropTarget::MakeAware(Window w)
{
    long version = kVersion;
    XChangeProperty(x_.Display(), w, atoms_.aware, XA_ATOM, 32, PropModeReplace, reinterpret_cast<unsigned char*>(&version),
                    1);
}

bool TX11DropTarget::HandleEvent(const XEvent& ev, const std::function<void(TBackendEvent)>& push)
{
    if (ev.type != ClientMessage || ev.xclient.format != 32) return false;
    const XClientMessageEvent& m = ev.xclient;
    if (m.message_type == atoms_.enter) {
        Enter(m);
    } else if (m.message_type == atoms_.position) {
        Position(m, push);
    } else if (m.message_type == atoms_.leave) {
        if (Window(m.data.l[0]) == drag_.source) drag_ = {};
    } else if (m.message_type == atoms_.drop) {
        Drop(m, push);
    } else {
        return false;
    }
    return true;
}

void TX11DropTarget::Enter(const XClientMessageEvent& m)
{
    drag_ = {};
    const int version = int(uint32_t(m.data.l[1]) >> 24);
    if (version < kOldestVersion) return;
    drag_.source = Window(m.data.l[0]);
    drag_.target = m.window;
    drag_.version = std::min<int>(version, kVersion);
    drag_.offersFiles = Offers(atoms_.uriList, m);
}

bool TX11DropTarget::Offers(Atom type, const XClientMessageEvent& enter)
{
    // Up to three types come in the message; a source with more lists them all on its window.
    if (!(enter.data.l[1] & 1)) return Atom(enter.data.l[2]) == type || Atom(enter.data.l[3]) == type ||
                                       Atom(enter.data.l[4]) == type;
    for (long t : x_.CardinalProperty(Window(enter.data.l[0]), atoms_.typeList, XA_ATOM))
        if (Atom(t) == type) return true;
    return false;
}

void TX11DropTarget::ReadFiles(Time time)
{
    drag_.filesRead = true;
    if (!drag_.offersFiles) return;
    bool refused = true;
    std::string list = selections_.Convert(atoms_.selection, atoms_.uriList, time, refused);
    if (!refused) drag_.files = LocalFilesOfUriList(list, hostName_);
}

void TX11DropTarget::Position(const XClientMessageEvent& m, const std::function<void(TBackendEvent)>& push)
{
    if (drag_.source == None || Window(m.data.l[0]) != drag_.source) return;
    drag_.target = m.window;
    if (!drag_.filesRead) ReadFiles(Time(m.data.l[3]));
    if (drag_.files.empty()) {
        SendStatus(false);
        return;
    }
    drag_.point = RootPoint(m.data.l[2]);
    TBackendEvent e;
    e.kind = TBackendEventKind::DragOver;
    e.screen = drag_.point;
    e.window = m.window;
    e.files = drag_.files;
    push(std::move(e));
}

void TX11DropTarget::AnswerDrag(bool accepted)
{
    if (drag_.source != None) SendStatus(accepted);
}

void TX11DropTarget::Drop(const XClientMessageEvent& m, const std::function<void(TBackendEvent)>& push)
{
    if (drag_.source == None || Window(m.data.l[0]) != drag_.source) return;
    // The window under the latest position decides again: the answer to that position may
    // still be on its way when the drop comes.
    if (drag_.files.empty()) {
        SendFinished(false);
        return;
    }
    TBackendEvent e;
    e.kind = TBackendEventKind::Drop;
    e.screen = drag_.point;
    e.window = drag_.target;
    e.files = drag_.files;
    dropPending_ = true;
    push(std::move(e));
}

void TX11DropTarget::FinishDrop(bool taken)
{
    if (!dropPending_) return;
    dropPending_ = false;
    SendFinished(taken);
}

void TX11DropTarget::SendStatus(bool accepted)
{
    // Bit 1: send a position for every move (no rectangle to stay quiet in).
    Send(atoms_.status, (accepted ? 1 : 0) | 2, 0, 0, accepted ? long(atoms_.actionCopy) : long(None));
}

void TX11DropTarget::SendFinished(bool taken)
{
    Send(atoms_.finished, drag_.version >= 5 && taken ? 1 : 0, drag_.version >= 5 && taken ? long(atoms_.actionCopy) : 0,
         0, 0);
    drag_ = {};
}

void TX11DropTarget::Send(Atom type, long l1, long l2, long l3, long l4)
{
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.display = x_.Display();
    ev.xclient.window = drag_.source;
    ev.xclient.message_type = type;
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = long(drag_.target);
    ev.xclient.data.l[1] = l1;
    ev.xclient.data.l[2] = l2;
    ev.xclient.data.l[3] = l3;
    ev.xclient.data.l[4] = l4;
    TX11ErrorTrap trap(x_.Display()); // the source may be gone already
    XSendEvent(x_.Display(), drag_.source, False, NoEventMask, &ev);
    XFlush(x_.Display());
}

} // namespace tavrik
