#pragma once

#include "core/Geometry.h"
#include "skincontrols/ButtonFace.h"

namespace tavrik {

class TCanvas;

// A button face of the plain look over rect: the default look's normal, hot or pressed
// element (DefaultLook.h); FaceOnly, the button face without frame; Bare, nothing.
void DrawPlainFace(TCanvas& canvas, const TRect& rect, TPlainFace face);

} // namespace tavrik
