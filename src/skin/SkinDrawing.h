#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

#include <string>
#include <string_view>

namespace tavrik {

class TBitmap;
class TCanvas;

// A one-pixel frame just inside rect: top and left in topLeft, bottom and right in
// bottomRight (the bottom-left and top-right pixels too).
void DrawFrame3D(TCanvas& canvas, const TRect& rect, TColor topLeft, TColor bottomRight);

// Frame k (from 1) of a strip of frameCount equal frames side by side, drawn at (x, y)
// leaving out the colour of the frame's bottom-left pixel. Nothing for an empty strip or a
// frame number outside 1 to frameCount.
void DrawStripFrame(TCanvas& canvas, int x, int y, int k, int frameCount, const TBitmap& strip);

// The text as it fits in maxWidth pixels in the canvas' font: unchanged when it fits,
// otherwise shortened by whole characters from the end and followed by "...", down to
// "..." alone.
std::string EllipsizeText(const TCanvas& canvas, std::string_view text, int maxWidth);

// The text as it fits in maxWidth pixels, for a text that may hold a path: unchanged when it
// fits; otherwise the part from its last "/" stays whole and the text before it is shortened,
// with "..." between, so that a file's name stays readable. Without a "/", or when the name
// alone does not fit, it is shortened at the end as EllipsizeText does.
std::string EllipsizePathText(const TCanvas& canvas, std::string_view text, int maxWidth);

// One line, left-aligned and vertically centred in rect, clipped to it; "&" is shown as is.
void DrawTextVCentered(TCanvas& canvas, std::string_view text, const TRect& rect);

// The text at x = left + indent + 2, centred vertically by the text's height, clipped to
// rect; a solid brush fills rect behind it.
void DrawTextInRect(TCanvas& canvas, std::string_view text, const TRect& rect, int indent = 0);

} // namespace tavrik
