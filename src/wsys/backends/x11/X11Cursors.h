#pragma once

#include "wsys/Backend.h"
#include "wsys/CursorImage.h"

#include <X11/Xlib.h>

#include <map>
#include <optional>

namespace tavrik {

// The core font cursors standing in for the program's cursor shapes, made on first use.
class TX11Cursors {
public:
    explicit TX11Cursors(Display* display) : display_(display) {}
    ~TX11Cursors();
    TX11Cursors(const TX11Cursors&) = delete;
    TX11Cursors& operator=(const TX11Cursors&) = delete;

    Cursor Get(TCursorShape shape);
    static unsigned int FontShapeOf(TCursorShape shape);
    // The picture the server shows for the pointer now, whichever program set it; none
    // without the XFIXES extension.
    std::optional<TCursorImage> ShownImage();

private:
    Display* display_;
    std::map<TCursorShape, Cursor> made_;
    std::optional<bool> hasFixes_; // asked on first use
};

} // namespace tavrik
