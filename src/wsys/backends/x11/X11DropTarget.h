#pragma once

#include "wsys/Backend.h"

#include <X11/Xlib.h>

#include <functional>
#include <string>
#include <vector>

namespace tavrik {

class TX11Clipboard;
class TX11Connection;

// The receiving side of drag and drop from other programs: the XDND protocol, version 5, for
// files (text/uri-list). Each top-level window says it takes drops (XdndAware). While another
// program drags over one, the files are read once, at the first position, and each position
// becomes a DragOver event; AnswerDrag sends the window system's answer (XdndStatus, accepting
// as a copy: the program only reads the files, whatever action the source asked for). A drop
// becomes a Drop event, and FinishDrop tells the source whether the files were taken
// (XdndFinished).
class TX11DropTarget {
public:
    TX11DropTarget(TX11Connection& x, TX11Clipboard& selections);

    // Marks a new top-level window as a drop target.
    void MakeAware(Window w);
    // Handles the protocol's messages to the program's windows; false for other events.
    bool HandleEvent(const XEvent& ev, const std::function<void(TBackendEvent)>& push);
    void AnswerDrag(bool accepted);
    void FinishDrop(bool taken);

private:
    struct TDrag {
        Window source = None;
        Window target = None;   // the program's window the source talks to
        int version = 0;
        bool offersFiles = false;
        bool filesRead = false;
        std::vector<std::string> files;
        TPoint point;           // of the latest position, screen coordinates; the drop lands there
    };
    void Enter(const XClientMessageEvent& m);
    void Position(const XClientMessageEvent& m, const std::function<void(TBackendEvent)>& push);
    void Drop(const XClientMessageEvent& m, const std::function<void(TBackendEvent)>& push);
    bool Offers(Atom type, const XClientMessageEvent& enter);
    void ReadFiles(Time time);
    void SendStatus(bool accepted);
    void SendFinished(bool taken);
    void Send(Atom type, long l1, long l2, long l3, long l4);

    TX11Connection& x_;
    TX11Clipboard& selections_;
    std::string hostName_;
    TDrag drag_;
    bool dropPending_ = false; // a Drop event awaits FinishDrop
    struct {
        Atom aware, enter, position, status, leave, drop, finished, selection, typeList, actionCopy, uriList;
    } atoms_{};
};

} // namespace tavrik
