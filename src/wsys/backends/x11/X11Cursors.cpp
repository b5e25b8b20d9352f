#include "wsys/backends/x11/X11Cursors.h"

#include <X11/cursorfont.h>

namespace tavrik {

TX11Cursors::~TX11Cursors()
{
    for (auto& [shape, cursor] : made_) XFreeCursor(display_, cursor);
}

unsigned int TX11Cursors::FontShapeOf(TCursorShape shape)
{
    switch (shape) {
    case TCursorShape::IBeam: return XC_xterm;
    case TCursorShape::Wait: return XC_watch;
    case TCursorShape::AppStarting: return XC_watch;
    case TCursorShape::Cross: return XC_crosshair;
    case TCursorShape::UpArrow: return XC_sb_up_arrow;
    // The core font has no diagonal double arrows; the corner arrows point the same way.
    case TCursorShape::SizeNWSE: return XC_bottom_right_corner;
    case TCursorShape::SizeNESW: return XC_bottom_left_corner;
    case TCursorShape::SizeWE: return XC_sb_h_double_arrow;
    case TCursorShape::SizeNS: return XC_sb_v_double_arrow;
    case TCursorShape::SizeAll: return XC_fleur;
    case TCursorShape::No: return XC_circle;
    case TCursorShape::Hand: return XC_hand2;
    case TCursorShape::Help: return XC_question_arrow;
    case TCursorShape::Arrow:
    default: return XC_left_ptr;
    }
}

Cursor TX11Cursors::Get(TCursorShape shape)
{
    auto it = made_.find(shape);
    if (it != made_.end()) return it->second;
    Cursor c = XCreateFontCursor(display_, FontShapeOf(shape));
    made_[shape] = c;
    return c;
}

} // namespace tavrik
