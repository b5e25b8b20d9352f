#pragma once

namespace tavrik {

// Bits per pixel of the screen the program shows on (8 or fewer: a palette screen). The
// backend in use reports it when it opens: the X11 backend its screen's depth, the headless
// one 24 until a test sets another.
int ScreenBitsPerPixel();
void SetScreenBitsPerPixel(int bits);

} // namespace tavrik
