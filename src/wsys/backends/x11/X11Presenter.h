#pragma once

#include "core/Geometry.h"
#include "wsys/backends/x11/X11PixelFormat.h"

#include <X11/Xlib.h>
#include <X11/extensions/XShm.h>

#include <vector>

namespace tavrik {

class TBitmap;
class TX11Connection;

// Sends areas of 32-bit bitmaps to drawables of the default visual: through a shared memory
// segment when the server offers MIT-SHM and can attach it (a local server in the same IPC
// namespace), else with plain XPutImage. Only the listed rectangles travel.
class TX11Presenter {
public:
    TX11Presenter(TX11Connection& x, bool allowSharedMemory);
    ~TX11Presenter();
    TX11Presenter(const TX11Presenter&) = delete;
    TX11Presenter& operator=(const TX11Presenter&) = delete;

    bool UsesSharedMemory() const { return shmUsable_; }
    GC Gc() const { return gc_; } // without graphics exposures
    // Copies each rectangle of the bitmap to the same place in the drawable.
    void Put(Drawable target, const TBitmap& pixels, const std::vector<TRect>& rects);

private:
    void PutShared(Drawable target, const TBitmap& pixels, const std::vector<TRect>& rects);
    void PutPlain(Drawable target, const TBitmap& pixels, const TRect& r);
    void PutConverted(Drawable target, const TBitmap& pixels, const TRect& r);
    bool EnsureSegment(size_t bytes);
    void ReleaseSegment();
    void WaitUntilRead();

    TX11Connection& x_;
    TX11PixelFormat format_;
    GC gc_ = nullptr;
    bool shmUsable_ = false;
    XShmSegmentInfo shm_{};
    size_t shmSize_ = 0;
    bool shmBusy_ = false; // the server may still be reading the segment
};

} // namespace tavrik
