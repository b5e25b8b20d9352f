#pragma once

#include "core/Color.h"
#include "core/Geometry.h"
#include "skincontrols/ButtonFace.h"

namespace tavrik {

class TCanvas;

// The colours of the plain look that controls without a skin share.
constexpr TColor kPlainHotFrame = RGB(0, 0, 128);
constexpr TColor kPlainHotFill = RGB(182, 189, 210);
constexpr TColor kPlainPressedFill = RGB(133, 147, 181);

// An element of the plain look over rect: normal, a one-pixel frame in the button-shadow
// colour around the button face; hot and pressed, a dark blue frame around a light or a
// darker blue-grey; FaceOnly, the button face without frame; Bare, nothing.
void DrawPlainFace(TCanvas& canvas, const TRect& rect, TPlainFace face);

} // namespace tavrik
