#pragma once

#include "wsys/Backend.h"
#include "wsys/ScrollBarLayout.h"
#include "wsys/WinConstants.h"
#include "wsys/WinTypes.h"
#include "gfx/Bitmap.h"
#include "gfx/Region.h"

#include <list>
#include <map>
#include <optional>
#include <memory>
#include <string>
#include <vector>

namespace tavrik {

// Internal to the window system: the object behind a window handle. Code outside wsys uses
// handles and the functions of WinApi.h only.

struct TWindowClass {
    UINT style = 0;
    WNDPROC proc;
    HCURSOR cursor = nullptr;
    TColor background = clNone;
    std::string name;
};

// One link of a window's procedure chain. A removed link stays in place, marked, while a
// message is being dispatched to the window, so that a procedure removed from inside a
// call can still pass the message on to the links behind it.
struct TProcLink {
    TWndProcId id = 0;
    WNDPROC proc;
    bool removed = false;
};

enum class TWindowLife : uint8_t { Creating, Alive, Destroying, Dead };

struct TWindow {
    HWND handle = nullptr;
    std::shared_ptr<const TWindowClass> cls;
    std::string text;
    DWORD style = 0;
    DWORD exStyle = 0;
    intptr_t id = 0;
    LONG_PTR userData = 0;
    std::map<std::string, intptr_t, std::less<>> props;
    TWindowLife life = TWindowLife::Creating;

    TWindow* parent = nullptr;   // child windows only
    TWindow* owner = nullptr;    // top-level windows only
    std::vector<TWindow*> children; // topmost first

    TRect rect;   // in the parent's client coordinates; screen coordinates for top-level windows
    TRect client; // in window coordinates (origin at the window's top-left corner)

    std::list<TProcLink> procs; // the front of the chain first
    int dispatchDepth = 0;

    // Painting, in window coordinates.
    TRegion update;             // still to be painted, cut to what of the window can be seen
    bool erasePending = false;  // WM_ERASEBKGND is due with the next BeginPaint
    bool framePending = false;  // WM_NCPAINT is due
    std::optional<TRegion> shape; // the window region: its shape for drawing and the mouse

    TScrollBarState scrollBars[3]; // indexed by SB_HORZ, SB_VERT, SB_CTL

    // Top-level windows only.
    TNativeWindow native = 0;
    TBitmap backing;       // every window of the tree paints here (32 bits per pixel)
    TRegion dirty;         // painted but not yet presented
    bool boundsPending = false; // the native window takes the new bounds with the next present
    bool showPending = false;   // the native window is shown after its first present
    TRect restoreRect;     // bounds before minimizing or maximizing
    TWindow* lastActivePopup = nullptr;
    uint8_t alpha = 255;   // constant opacity of a layered window

    bool IsChild() const { return (style & WS_CHILD) != 0; }
    bool IsTopLevel() const { return !IsChild(); }
    bool IsAlive() const { return life == TWindowLife::Alive || life == TWindowLife::Creating; }
    int Width() const { return rect.Width(); }
    int Height() const { return rect.Height(); }
};

} // namespace tavrik
