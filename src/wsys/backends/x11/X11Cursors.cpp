#include "wsys/backends/x11/X11Cursors.h"

#include <X11/cursorfont.h>
#include <X11/extensions/Xfixes.h>

#include <algorithm>

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

std::optional<TCursorImage> TX11Cursors::ShownImage()
{
    if (!hasFixes_) {
        int event = 0, error = 0;
        hasFixes_ = XFixesQueryExtension(display_, &event, &error) != 0;
    }
    if (!*hasFixes_) return std::nullopt;
    XFixesCursorImage* shown = XFixesGetCursorImage(display_);
    if (!shown) return std::nullopt;
    TCursorImage image{TBitmap(shown->width, shown->height, TPixelFormat::pf32bit), {shown->xhot, shown->yhot}};
    // The server gives premultiplied ARGB, one pixel in the low 32 bits of each long.
    for (int y = 0; y < shown->height; ++y) {
        uint8_t* row = image.picture.ScanLine(y);
        for (int x = 0; x < shown->width; ++x) {
            const auto argb = uint32_t(shown->pixels[size_t(y) * shown->width + size_t(x)]);
            const uint32_t a = argb >> 24;
            auto straight = [a](uint32_t c) { return uint8_t(a ? std::min<uint32_t>(255, c * 255 / a) : 0); };
            row[4 * x + 0] = straight(argb & 0xFF);
            row[4 * x + 1] = straight((argb >> 8) & 0xFF);
            row[4 * x + 2] = straight((argb >> 16) & 0xFF);
            row[4 * x + 3] = uint8_t(a);
        }
    }
    XFree(shown);
    return image;
}

} // namespace tavrik
