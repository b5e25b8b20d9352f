#pragma once

#include <X11/Xlib.h>

#include <string>

namespace tavrik {

class TX11Connection;

// The CLIPBOARD selection with UTF-8 text, both ways. Owning it means answering the requests
// of other programs as they come (TARGETS, TIMESTAMP, UTF8_STRING, TEXT, STRING); reading it
// asks the owner and waits a bounded time for the answer, in one piece or in INCR chunks.
// When the program ends while owning the clipboard, a clipboard manager (if one runs) is
// asked to keep the text.
class TX11Clipboard {
public:
    explicit TX11Clipboard(TX11Connection& x);
    ~TX11Clipboard();
    TX11Clipboard(const TX11Clipboard&) = delete;
    TX11Clipboard& operator=(const TX11Clipboard&) = delete;

    std::string Text();
    void SetText(const std::string& text);
    bool Owns() const { return owned_; }
    // Asks the owner of a selection for its data as target (drag and drop reads its
    // XdndSelection so) and waits a bounded time; refused when it did not answer with data.
    std::string Convert(Atom selection, Atom target, Time time, bool& refused);

    // Handles the selection events of the event loop; false for events that are not its own.
    bool HandleEvent(const XEvent& ev);
    // The server time of the latest event, used for ownership; 0 when none was seen yet.
    void NoteTime(Time t)
    {
        if (t != CurrentTime) lastTime_ = t;
    }

private:
    void Answer(const XSelectionRequestEvent& request);
    bool WriteTarget(Window requestor, Atom target, Atom property);
    Time ServerTime();
    bool WaitFor(int type, Atom property, XEvent& out, int timeoutMs);
    std::string ReadProperty(Atom& type);
    void HandOverToManager();

    TX11Connection& x_;
    Window window_ = None; // owns the selection and receives what others send
    std::string text_;
    bool owned_ = false;
    Time ownedSince_ = CurrentTime;
    Time lastTime_ = CurrentTime;
};

} // namespace tavrik
