// Files dragged in from other programs: which window takes them, asked while they are dragged
// and told when they are dropped. The backend speaks the desktop's protocol.

#include "wsys/InputRouter.h"
#include "wsys/Messages.h"
#include "wsys/WinConstants.h"
#include "wsys/WindowSystem.h"

namespace tavrik {

TWindow* TInputRouter::DropTargetAt(TPoint screen) const
{
    bool inClient = false;
    TWindow* under = WindowAt(screen, inClient);
    // Not on a frame or caption, and not on a window that a modal one holds back.
    if (!under || !inClient || !TWindowSystem::IsEnabled(TWindowSystem::Root(under))) return nullptr;
    for (TWindow* w = under; w; w = w->parent)
        if (w->exStyle & WS_EX_ACCEPTFILES) return w;
    return nullptr;
}

void TInputRouter::FileDrag(const TBackendEvent& ev)
{
    const bool dropped = ev.kind == TBackendEventKind::Drop;
    bool taken = false;
    if (TWindow* target = DropTargetAt(ev.screen)) {
        const TPoint origin = TWindowSystem::ClientScreenOrigin(target);
        const TDropFiles drop{ev.files, {ev.screen.x - origin.x, ev.screen.y - origin.y}};
        taken = ws_.Send(target, dropped ? WM_DROPFILES : WM_QUERYDROPFILES, reinterpret_cast<WPARAM>(&drop), 0) != 0;
    }
    if (dropped) ws_.Backend().FinishDrop(taken);
    else ws_.Backend().AnswerDrag(taken);
}

} // namespace tavrik
