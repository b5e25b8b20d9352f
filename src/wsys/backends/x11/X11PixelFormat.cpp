#include "wsys/backends/x11/X11PixelFormat.h"

#include <X11/Xutil.h>

namespace tavrik {

TX11PixelFormat::TX11PixelFormat(Display* display, Visual* visual, int depth)
{
    red_ = ChannelOf(visual->red_mask);
    green_ = ChannelOf(visual->green_mask);
    blue_ = ChannelOf(visual->blue_mask);
    int bitsPerPixel = 0;
    int count = 0;
    if (XPixmapFormatValues* formats = XListPixmapFormats(display, &count)) {
        for (int i = 0; i < count; ++i)
            if (formats[i].depth == depth) bitsPerPixel = formats[i].bits_per_pixel;
        XFree(formats);
    }
    bgrx_ = visual->c_class == TrueColor && (depth == 24 || depth == 32) && bitsPerPixel == 32 &&
            ImageByteOrder(display) == LSBFirst && visual->red_mask == 0xFF0000 && visual->green_mask == 0xFF00 &&
            visual->blue_mask == 0xFF;
}

TX11PixelFormat::TChannel TX11PixelFormat::ChannelOf(unsigned long mask)
{
    TChannel c;
    c.mask = mask;
    if (!mask) return c;
    while (!((mask >> c.shift) & 1)) ++c.shift;
    while ((mask >> (c.shift + c.bits)) & 1) ++c.bits;
    return c;
}

unsigned long TX11PixelFormat::Scale(uint8_t v, const TChannel& c)
{
    if (!c.bits) return 0;
    unsigned long scaled = c.bits >= 8 ? (unsigned long)v << (c.bits - 8) : (unsigned long)v >> (8 - c.bits);
    return (scaled << c.shift) & c.mask;
}

uint8_t TX11PixelFormat::Unscale(unsigned long pixel, const TChannel& c)
{
    if (!c.bits) return 0;
    unsigned long v = (pixel & c.mask) >> c.shift;
    if (c.bits >= 8) return uint8_t(v >> (c.bits - 8));
    // Replicate the high bits so that full intensity stays 255.
    unsigned long out = 0;
    for (int filled = 0; filled < 8; filled += c.bits) out = (out << c.bits) | v;
    return uint8_t(out >> (((8 + c.bits - 1) / c.bits) * c.bits - 8));
}

unsigned long TX11PixelFormat::Encode(uint8_t r, uint8_t g, uint8_t b) const
{
    return Scale(r, red_) | Scale(g, green_) | Scale(b, blue_);
}

void TX11PixelFormat::Decode(unsigned long pixel, uint8_t& r, uint8_t& g, uint8_t& b) const
{
    r = Unscale(pixel, red_);
    g = Unscale(pixel, green_);
    b = Unscale(pixel, blue_);
}

} // namespace tavrik
