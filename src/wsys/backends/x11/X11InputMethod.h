#pragma once

#include <X11/Xlib.h>

#include <map>
#include <string>

namespace tavrik {

// Text input through the X input method of the desktop (XMODIFIERS, e.g. a Chinese input
// method server), or through Xlib's built-in one when none runs: one input context per
// window. Keys the input method consumes never reach the program as keys; the text it
// commits arrives as key events with text and without a keysym.
//
// Each context knows where the window's text caret is (its spot location), so that the
// server shows what is being composed, and the candidates, beside the caret: an input method
// that offers it composes over the spot (XIMPreeditPosition); otherwise in its own window
// (XIMPreeditNothing), which servers still place by the spot.
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
    // The caret's bottom-left corner in the window: the baseline the composed text stands on.
    void SetSpot(Window w, XPoint spot);
    // What the window's context holds as its spot, asked from Xlib (for tests); false without
    // a context.
    bool QuerySpot(Window w, XPoint& spot) const;

    // The text and the keysym of a key press (the keysym is NoSymbol for committed text).
    struct TLookup {
        std::string text;
        KeySym keysym = NoSymbol;
    };
    TLookup Lookup(XKeyEvent& press);

private:
    void Open();
    void Close();
    void CreateContext(Window w);
    XIC CreateContext(Window w, XIMStyle style);
    static void Instantiated(Display* display, XPointer self, XPointer);
    static void Destroyed(XIM im, XPointer self, XPointer);

    Display* display_;
    XIM im_ = nullptr;
    XIMStyle style_ = 0;
    XIMStyle fallbackStyle_ = 0; // when the server refuses a context over the spot
    XFontSet fontSet_ = nullptr;  // composing over the spot may need one
    std::map<Window, XIC> contexts_;
    std::map<Window, XPoint> spots_;
    Window focused_ = None;
};

} // namespace tavrik
