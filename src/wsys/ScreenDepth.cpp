#include "wsys/ScreenDepth.h"

#include <atomic>

namespace tavrik {

namespace {

std::atomic<int> screenBits{24};

} // namespace

int ScreenBitsPerPixel() { return screenBits.load(std::memory_order_relaxed); }

void SetScreenBitsPerPixel(int bits) { screenBits.store(bits, std::memory_order_relaxed); }

} // namespace tavrik
