#include "wsys/Messages.h"
#include "wsys/ScrollBars.h"
#include "wsys/WinApi.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

namespace {

// The repeat timer of a held arrow or track lives on the bar's window under an id no
// program uses for its own timers.
constexpr uint64_t kRepeatTimer = 0xFFFF5C01;
constexpr UINT kFirstRepeatMs = 500;
constexpr UINT kRepeatMs = 50;

int RequestOf(TScrollPart part)
{
    switch (part) {
    case spLineUp: return SB_LINEUP;
    case spLineDown: return SB_LINEDOWN;
    case spPageUp: return SB_PAGEUP;
    case spPageDown: return SB_PAGEDOWN;
    default: return SB_ENDSCROLL;
    }
}

class TScrollTrackLoop {
public:
    TScrollTrackLoop(TWindowSystem& ws, TWindow* w, int bar) : ws_(ws), handle_(w->handle), bar_(bar) {}

    void Run(TPoint screen)
    {
        TWindow* w = Window();
        TScrollBarLayout layout = ScreenLayout(w);
        part_ = layout.PartAt(screen);
        if (part_ == spNone) return;
        pointer_ = screen;
        ws_.Input().SetCapture(w);
        TScrollBarState& s = w->scrollBars[bar_];
        s.pressedPart = part_;
        if (part_ == spThumb) {
            s.tracking = true;
            s.trackPos = s.pos;
            grab_ = layout.Along(screen) - layout.ThumbStart();
            RedrawScrollBar(ws_, w, bar_);
        } else {
            RedrawScrollBar(ws_, w, bar_);
            SetTimer(handle_, kRepeatTimer, kFirstRepeatMs);
            Notify(RequestOf(part_));
        }
        Loop();
        Finish();
    }

private:
    TWindow* Window() const { return ws_.Find(handle_); }

    TScrollBarLayout ScreenLayout(const TWindow* w) const
    {
        TScrollBarLayout l = ScrollBarLayoutOf(w, bar_);
        TPoint o = bar_ == SB_CTL ? TWindowSystem::ClientScreenOrigin(w) : TWindowSystem::WindowScreenOrigin(w);
        for (TRect* r : {&l.bar, &l.lineUp, &l.lineDown, &l.track, &l.thumb})
            if (!r->IsEmpty()) *r = r->Offset(o.x, o.y);
        return l;
    }

    void Notify(int request, int pos = 0)
    {
        if (TWindow* w = Window()) SendScrollRequest(ws_, w, bar_, request, pos);
    }

    void Loop()
    {
        for (;;) {
            TWindow* w = Window();
            if (!w || ws_.Input().Capture() != w) return;
            MSG m;
            if (!ws_.Get(m, nullptr, 0, 0)) {
                ws_.Queue().PostQuit(int(m.wParam));
                return;
            }
            bool ours = m.hwnd == handle_;
            if (ours && m.message == WM_MOUSEMOVE) {
                Move(m.pt);
            } else if (ours && m.message == WM_LBUTTONUP) {
                Move(m.pt);
                return;
            } else if (ours && m.message == WM_TIMER && m.wParam == kRepeatTimer) {
                Repeat();
            } else if (!(m.message >= WM_KEYFIRST && m.message <= WM_KEYLAST) &&
                       !(ours && m.message >= WM_MOUSEFIRST && m.message <= WM_MOUSELAST)) {
                if (!ws_.FilterMessage(m)) ws_.Dispatch(m);
            }
        }
    }

    // The held part shows pressed, and repeats, only while the pointer is on it.
    bool ShowPressed(TWindow* w)
    {
        bool on = ScreenLayout(w).PartAt(pointer_) == part_;
        TScrollBarState& s = w->scrollBars[bar_];
        int shown = on ? part_ : spNone;
        if (s.pressedPart != shown) {
            s.pressedPart = shown;
            RedrawScrollBar(ws_, w, bar_);
        }
        return on;
    }

    void Move(TPoint screen)
    {
        pointer_ = screen;
        TWindow* w = Window();
        if (!w) return;
        if (part_ != spThumb) {
            ShowPressed(w);
            return;
        }
        TScrollBarLayout l = ScreenLayout(w);
        TScrollBarState& s = w->scrollBars[bar_];
        int pos = l.PosFromThumbStart(s, l.Along(screen) - grab_);
        if (pos == s.trackPos) return;
        s.trackPos = pos;
        RedrawScrollBar(ws_, w, bar_);
        Notify(SB_THUMBTRACK, pos);
    }

    void Repeat()
    {
        if (firstRepeat_) {
            firstRepeat_ = false;
            SetTimer(handle_, kRepeatTimer, kRepeatMs);
        }
        TWindow* w = Window();
        if (w && ShowPressed(w)) Notify(RequestOf(part_));
    }

    void Finish()
    {
        KillTimer(handle_, kRepeatTimer);
        TWindow* w = Window();
        if (w && part_ == spThumb) Notify(SB_THUMBPOSITION, w->scrollBars[bar_].trackPos);
        if ((w = Window())) {
            TScrollBarState& s = w->scrollBars[bar_];
            s.tracking = false;
            s.pressedPart = spNone;
            RedrawScrollBar(ws_, w, bar_);
            if (ws_.Input().Capture() == w) ws_.Input().SetCapture(nullptr);
        }
        Notify(SB_ENDSCROLL);
    }

    TWindowSystem& ws_;
    HWND handle_;
    int bar_;
    TScrollPart part_ = spNone;
    TPoint pointer_;
    int grab_ = 0; // where on the thumb it was taken, along the bar
    bool firstRepeat_ = true;
};

} // namespace

void SendScrollRequest(TWindowSystem& ws, TWindow* w, int bar, int request, int pos)
{
    UINT msg = IsVerticalScrollBar(w, bar) ? WM_VSCROLL : WM_HSCROLL;
    WPARAM wp = MAKEWPARAM(request, pos);
    if (bar != SB_CTL) ws.Send(w, msg, wp, 0);
    else if (TWindow* to = w->parent ? w->parent : w->owner) ws.Send(to, msg, wp, LPARAM(HandleValue(w->handle)));
}

void TrackScrollBar(TWindowSystem& ws, TWindow* w, int bar, TPoint screen)
{
    if (!w || bar < SB_HORZ || bar > SB_CTL) return;
    TScrollTrackLoop(ws, w, bar).Run(screen);
}

} // namespace tavrik
