#include "wsys/backends/x11/X11Presenter.h"

#include "gfx/Bitmap.h"
#include "wsys/backends/x11/X11Connection.h"

#include <X11/Xutil.h>

#include <sys/ipc.h>
#include <sys/shm.h>

#include <cstdlib>
#include <algorithm>
#include <cstring>

namespace tavrik {

namespace {

size_t RectBytes(const TRect& r) { return size_t(r.Width()) * size_t(r.Height()) * 4; }

} // namespace

TX11Presenter::TX11Presenter(TX11Connection& x, bool allowSharedMemory)
    : x_(x), format_(x.Display(), x.ScreenVisual(), x.ScreenDepth())
{
    XGCValues values{};
    values.graphics_exposures = False;
    gc_ = XCreateGC(x_.Display(), x_.Root(), GCGraphicsExposures, &values);
    shmUsable_ = allowSharedMemory && format_.MatchesBgrx() && XShmQueryExtension(x_.Display());
}

TX11Presenter::~TX11Presenter()
{
    ReleaseSegment();
    XFreeGC(x_.Display(), gc_);
}

void TX11Presenter::Put(Drawable target, const TBitmap& pixels, const std::vector<TRect>& rects)
{
    TRect all = Bounds(0, 0, pixels.Width(), pixels.Height());
    std::vector<TRect> clipped;
    for (const TRect& r : rects)
        if (TRect c = IntersectRect(r, all); !c.IsEmpty()) clipped.push_back(c);
    if (clipped.empty()) return;
    if (shmUsable_) {
        PutShared(target, pixels, clipped);
        if (shmUsable_) return; // else attaching failed just now: fall through to the plain way
    }
    for (const TRect& r : clipped) {
        if (format_.MatchesBgrx()) PutPlain(target, pixels, r);
        else PutConverted(target, pixels, r);
    }
}

void TX11Presenter::PutPlain(Drawable target, const TBitmap& pixels, const TRect& r)
{
    // The image only borrows the bitmap's rows; XPutImage sends the one rectangle.
    XImage* image = XCreateImage(x_.Display(), x_.ScreenVisual(), unsigned(x_.ScreenDepth()), ZPixmap, 0,
                                 reinterpret_cast<char*>(const_cast<uint8_t*>(pixels.ScanLine(0))),
                                 unsigned(pixels.Width()), unsigned(pixels.Height()), 32, int(pixels.Width() * 4));
    if (!image) return;
    XPutImage(x_.Display(), target, gc_, image, r.Left, r.Top, r.Left, r.Top, unsigned(r.Width()), unsigned(r.Height()));
    image->data = nullptr;
    XDestroyImage(image);
}

void TX11Presenter::PutConverted(Drawable target, const TBitmap& pixels, const TRect& r)
{
    XImage* image = XCreateImage(x_.Display(), x_.ScreenVisual(), unsigned(x_.ScreenDepth()), ZPixmap, 0, nullptr,
                                 unsigned(r.Width()), unsigned(r.Height()), 32, 0);
    if (!image) return;
    image->data = static_cast<char*>(std::malloc(size_t(image->bytes_per_line) * size_t(r.Height())));
    if (!image->data) {
        XDestroyImage(image);
        return;
    }
    for (int y = 0; y < r.Height(); ++y) {
        const uint8_t* src = pixels.ScanLine(r.Top + y) + size_t(r.Left) * 4;
        for (int x = 0; x < r.Width(); ++x, src += 4) XPutPixel(image, x, y, format_.Encode(src[2], src[1], src[0]));
    }
    XPutImage(x_.Display(), target, gc_, image, 0, 0, r.Left, r.Top, unsigned(r.Width()), unsigned(r.Height()));
    XDestroyImage(image);
}

void TX11Presenter::PutShared(Drawable target, const TBitmap& pixels, const std::vector<TRect>& rects)
{
    size_t total = 0;
    for (const TRect& r : rects) total += RectBytes(r);
    WaitUntilRead();
    if (!EnsureSegment(total)) return;
    // The rectangles are packed one after the other; each becomes an image of its own size
    // that points into the segment.
    size_t offset = 0;
    for (const TRect& r : rects) {
        char* base = shm_.shmaddr + offset;
        size_t rowBytes = size_t(r.Width()) * 4;
        for (int y = 0; y < r.Height(); ++y)
            std::memcpy(base + rowBytes * size_t(y), pixels.ScanLine(r.Top + y) + size_t(r.Left) * 4, rowBytes);
        XImage* image = XShmCreateImage(x_.Display(), x_.ScreenVisual(), unsigned(x_.ScreenDepth()), ZPixmap, base, &shm_,
                                        unsigned(r.Width()), unsigned(r.Height()));
        if (image) {
            XShmPutImage(x_.Display(), target, gc_, image, 0, 0, r.Left, r.Top, unsigned(r.Width()),
                         unsigned(r.Height()), False);
            image->data = nullptr;
            XDestroyImage(image);
        }
        offset += RectBytes(r);
    }
    shmBusy_ = true;
}

void TX11Presenter::WaitUntilRead()
{
    // The next present writes into the segment; the server must have taken the last one.
    if (!shmBusy_) return;
    XSync(x_.Display(), False);
    shmBusy_ = false;
}

bool TX11Presenter::EnsureSegment(size_t bytes)
{
    if (bytes <= shmSize_) return true;
    ReleaseSegment();
    size_t size = std::max<size_t>(bytes, 1 << 20);
    int id = shmget(IPC_PRIVATE, size, IPC_CREAT | 0600);
    if (id < 0) {
        shmUsable_ = false;
        return false;
    }
    void* address = shmat(id, nullptr, 0);
    if (address == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        shmUsable_ = false;
        return false;
    }
    shm_.shmid = id;
    shm_.shmaddr = static_cast<char*>(address);
    shm_.readOnly = True;
    // Servers on another machine or in another IPC namespace refuse the segment (BadAccess).
    int error = 0;
    {
        TX11ErrorTrap trap(x_.Display());
        XShmAttach(x_.Display(), &shm_);
        error = trap.Sync();
    }
    shmctl(id, IPC_RMID, nullptr); // freed once both sides have detached
    if (error) {
        shmdt(shm_.shmaddr);
        shm_ = {};
        shmUsable_ = false;
        return false;
    }
    shmSize_ = size;
    return true;
}

void TX11Presenter::ReleaseSegment()
{
    if (!shmSize_) return;
    XShmDetach(x_.Display(), &shm_);
    XSync(x_.Display(), False);
    shmdt(shm_.shmaddr);
    shm_ = {};
    shmSize_ = 0;
    shmBusy_ = false;
}

} // namespace tavrik
