#pragma once

#include <X11/Xlib.h>

#include <cstdint>

namespace tavrik {

// How the default visual stores a colour in a pixel value. Almost every server today uses
// 32-bit pixels laid out blue, green, red, unused in memory, exactly like our 32-bit bitmaps;
// then images go to and from the server without conversion.
class TX11PixelFormat {
public:
    TX11PixelFormat(Display* display, Visual* visual, int depth);

    bool MatchesBgrx() const { return bgrx_; }
    unsigned long Encode(uint8_t r, uint8_t g, uint8_t b) const;
    void Decode(unsigned long pixel, uint8_t& r, uint8_t& g, uint8_t& b) const;

private:
    struct TChannel {
        unsigned long mask = 0;
        int shift = 0;
        int bits = 0;
    };
    static TChannel ChannelOf(unsigned long mask);
    static unsigned long Scale(uint8_t v, const TChannel& c);
    static uint8_t Unscale(unsigned long pixel, const TChannel& c);

    TChannel red_, green_, blue_;
    bool bgrx_ = false;
};

} // namespace tavrik
