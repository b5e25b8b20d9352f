#pragma once

#include <X11/Xlib.h>

#include <map>
#include <string>

namespace tavrik {

// Text input through the X input method of the desktop (XMODIFIERS, e.g. a Chinese input
// method server), or through Xlib's built-in one when none runs: one input context per
// window. Keys the input method consumes never reach the program as keys; the text it
// commits arrives as key events with text and without a keysym.
class TX11InputMethod {
public:
    explicit TX11InputMethod(Display* display);
    ~TX11InputMethod();
    TX11InputMethod(const TX11InputMethod&) = delete;
    TX11InputMethod& operator=(const TX11InputMethod&) = delete;

    // Creates the window's context; answers the events the input method wants to see there.
    long AddWindow(Window w);
    void RemoveWindow(Window w);
    void SetFocus(Window w, bool focused);

    // The text and the keysym of a key press (the keysym is NoSymbol for committed text).
    struct TLookup {
        std::string text;
        KeySym keysym = NoSymbol;
    };
    TLookup Lookup(XKeyEvent& press);

private:
    void Open();
    void CreateContext(Window w);
    static void Instantiated(Display* display, XPointer self, XPointer);
    static void Destroyed(XIM im, XPointer self, XPointer);

    Display* display_;
    XIM im_ = nullptr;
    XIMStyle style_ = 0;
    std::map<Window, XIC> contexts_;
    Window focused_ = None;
};

} // namespace tavrik
