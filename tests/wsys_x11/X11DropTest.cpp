#include "X11TestFixture.h"

#include <X11/Xatom.h>

#include <poll.h>

#include <atomic>
#include <chrono>
#include <thread>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// Another program dragging files over ours: the source side of the drag and drop protocol,
// on its own connection and thread, recording what our program answers.
class TDragSource {
public:
    struct TStatus {
        bool accepted;
        ::Atom action;
    };

    TDragSource(const std::string& display, std::string uriList, std::vector<const char*> types)
        : uriList_(std::move(uriList))
    {
        d_ = XOpenDisplay(display.c_str());
        window_ = XCreateSimpleWindow(d_, DefaultRootWindow(d_), 0, 0, 1, 1, 0, 0, 0);
        for (const char* t : types) types_.push_back(XInternAtom(d_, t, False));
        // More than three types do not fit the enter message: they are listed on the window.
        if (types_.size() > 3)
            XChangeProperty(d_, window_, Intern("XdndTypeList"), XA_ATOM, 32, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(types_.data()), int(types_.size()));
        XSetSelectionOwner(d_, Intern("XdndSelection"), window_, CurrentTime);
        XSync(d_, False);
    }
    ~TDragSource() { XCloseDisplay(d_); }

    ::Atom Intern(const char* name) { return XInternAtom(d_, name, False); }
    long AwareVersion(::Window target)
    {
        ::Atom type = None;
        int format = 0;
        unsigned long count = 0, after = 0;
        unsigned char* data = nullptr;
        long version = -1;
        if (XGetWindowProperty(d_, target, Intern("XdndAware"), 0, 1, False, XA_ATOM, &type, &format, &count, &after,
                               &data) == Success &&
            data && count == 1)
            version = *reinterpret_cast<long*>(data);
        if (data) XFree(data);
        return version;
    }
    void Enter(::Window target)
    {
        target_ = target;
        Send("XdndEnter", {long(window_), 5L << 24 | (types_.size() > 3 ? 1 : 0), TypeAt(0), TypeAt(1), TypeAt(2)});
    }
    // Moves over a root point and waits for the answer, serving the request for the files
    // that may come first.
    TStatus Position(int x, int y)
    {
        Send("XdndPosition", {long(window_), 0, long(x) << 16 | long(y), long(CurrentTime), long(Intern("XdndActionMove"))});
        XEvent ev;
        while (Next(ev)) {
            if (ev.type == SelectionRequest) {
                Serve(ev.xselectionrequest);
            } else if (ev.type == ClientMessage && ev.xclient.message_type == Intern("XdndStatus")) {
                EXPECT_EQ(::Window(ev.xclient.data.l[0]), target_);
                return {(ev.xclient.data.l[1] & 1) != 0, ::Atom(ev.xclient.data.l[4])};
            }
        }
        ADD_FAILURE() << "no XdndStatus";
        return {};
    }
    void Leave() { Send("XdndLeave", {long(window_), 0, 0, 0, 0}); }
    // Drops and waits for XdndFinished: whether the files were taken, and the action.
    TStatus Drop()
    {
        Send("XdndDrop", {long(window_), 0, long(CurrentTime), 0, 0});
        XEvent ev;
        while (Next(ev)) {
            if (ev.type == SelectionRequest) Serve(ev.xselectionrequest);
            else if (ev.type == ClientMessage && ev.xclient.message_type == Intern("XdndFinished"))
                return {(ev.xclient.data.l[1] & 1) != 0, ::Atom(ev.xclient.data.l[2])};
        }
        ADD_FAILURE() << "no XdndFinished";
        return {};
    }
    int Requests() const { return requests_; }

private:
    long TypeAt(size_t i) const { return i < types_.size() ? long(types_[i]) : 0; }
    void Send(const char* type, std::vector<long> data)
    {
        XEvent ev{};
        ev.xclient.type = ClientMessage;
        ev.xclient.window = target_;
        ev.xclient.message_type = Intern(type);
        ev.xclient.format = 32;
        for (size_t i = 0; i < 5; ++i) ev.xclient.data.l[i] = data[i];
        XSendEvent(d_, target_, False, NoEventMask, &ev);
        XFlush(d_);
    }
    bool Next(XEvent& ev)
    {
        auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        for (;;) {
            if (XPending(d_)) {
                XNextEvent(d_, &ev);
                return true;
            }
            auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            if (left.count() <= 0) return false;
            pollfd fd{ConnectionNumber(d_), POLLIN, 0};
            poll(&fd, 1, int(left.count()));
        }
    }
    void Serve(const XSelectionRequestEvent& request)
    {
        ++requests_;
        XSelectionEvent reply{};
        reply.type = SelectionNotify;
        reply.requestor = request.requestor;
        reply.selection = request.selection;
        reply.target = request.target;
        reply.time = request.time;
        reply.property = None;
        if (request.target == Intern("text/uri-list")) {
            XChangeProperty(d_, request.requestor, request.property, request.target, 8, PropModeReplace,
                            reinterpret_cast<const unsigned char*>(uriList_.data()), int(uriList_.size()));
            reply.property = request.property;
        }
        XSendEvent(d_, request.requestor, False, NoEventMask, reinterpret_cast<XEvent*>(&reply));
        XFlush(d_);
    }

    ::Display* d_ = nullptr;
    ::Window window_ = None;
    ::Window target_ = None;
    std::vector<::Atom> types_;
    std::string uriList_;
    int requests_ = 0;
};

TEST_F(X11Test, FilesDraggedFromAnotherProgramAreOfferedToTheWindowAndDropped)
{
    StartWindowSystem();
    HWND target = Window(Bounds(100, 100, 200, 100), clWhite, WS_EX_ACCEPTFILES);
    // The left half takes files; the right half does not.
    std::vector<std::string> dropped;
    TPoint droppedAt;
    Handle(target, [&](HWND, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
        if (msg != WM_QUERYDROPFILES && msg != WM_DROPFILES) return std::nullopt;
        HDROP drop = reinterpret_cast<HDROP>(wp);
        if (msg == WM_DROPFILES) {
            dropped = DragQueryFiles(drop);
            droppedAt = DragQueryPoint(drop);
        }
        return DragQueryPoint(drop).x < 100 ? 1 : 0;
    });
    const ::Window native = NativeOf(target);

    struct TSeen {
        long aware = 0;
        std::vector<TDragSource::TStatus> statuses;
        TDragSource::TStatus finished{};
        int requests = 0;
    };
    auto drag = [&](std::string uriList, std::vector<const char*> types, bool drop) {
        TSeen seen;
        std::atomic<bool> done{false};
        std::thread other([&] {
            TDragSource source(server->Display(), uriList, types);
            seen.aware = source.AwareVersion(native);
            source.Enter(native);
            for (TPoint p : {TPoint{130, 150}, TPoint{260, 150}, TPoint{140, 160}})
                seen.statuses.push_back(source.Position(p.x, p.y));
            if (drop) seen.finished = source.Drop();
            else source.Leave();
            seen.requests = source.Requests();
            done = true;
        });
        EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 20000));
        other.join();
        return seen;
    };

    const std::string files = "file:///tmp/a%20b.jpg\r\nhttp://example.org/x.jpg\r\nfile://localhost/tmp/%E5%9B%BE.BMP\r\n";
    TSeen seen = drag(files, {"text/plain", "text/uri-list"}, true);
    const Atom copy = XInternAtom(peer, "XdndActionCopy", False);
    EXPECT_EQ(seen.aware, 5);
    ASSERT_EQ(seen.statuses.size(), 3u);
    EXPECT_TRUE(seen.statuses[0].accepted);
    EXPECT_EQ(seen.statuses[0].action, copy) << "a copy, whatever the source asked for";
    EXPECT_FALSE(seen.statuses[1].accepted);
    EXPECT_EQ(seen.statuses[1].action, Atom(None));
    EXPECT_TRUE(seen.statuses[2].accepted);
    EXPECT_EQ(seen.requests, 1) << "the files are read once per drag";
    EXPECT_TRUE(seen.finished.accepted);
    EXPECT_EQ(seen.finished.action, copy);
    EXPECT_EQ(dropped, (std::vector<std::string>{"/tmp/a b.jpg", "/tmp/图.BMP"}));
    EXPECT_EQ(droppedAt, (TPoint{40, 60}));

    // Text without files is refused without reading it; files among more types than the enter
    // message holds are found; a drag that leaves drops nothing.
    dropped.clear();
    seen = drag("hello", {"text/plain"}, true);
    for (const auto& status : seen.statuses) EXPECT_FALSE(status.accepted);
    EXPECT_EQ(seen.requests, 0);
    EXPECT_FALSE(seen.finished.accepted);
    seen = drag(files, {"text/plain", "UTF8_STRING", "STRING", "text/uri-list"}, false);
    EXPECT_TRUE(seen.statuses[2].accepted);
    Settle();
    EXPECT_TRUE(dropped.empty());
}

} // namespace
