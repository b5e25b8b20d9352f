#pragma once

#include "core/Color.h"
#include "core/Geometry.h"

#include <cstdint>

namespace tavrik {

class TCanvas;

// The plain look every skinned control draws while it is not bound to a skin: an element is a
// one-pixel frame filled with a colour, by state.
//
//   state    | frame                      | fill
//   ---------+----------------------------+-----------------------------
//   normal   | button shadow              | button face
//   hot      | RGB(0, 0, 128)             | RGB(182, 189, 210)
//   pressed  | RGB(0, 0, 128)             | RGB(133, 147, 181)
//
// A control is hot while the pointer is over it or it has the focus; text of a disabled
// control is drawn in the button shadow colour.
enum class TbsElementState : uint8_t { Normal, Hot, Pressed };

constexpr TColor kDefaultHotFrame = RGB(0, 0, 128);
constexpr TColor kDefaultHotFill = RGB(182, 189, 210);
constexpr TColor kDefaultPressedFill = RGB(133, 147, 181);

TColor DefaultElementFill(TbsElementState state);
TColor DefaultElementFrame(TbsElementState state);
// Frames and fills rect; rect shrinks by the frame, to what lies inside it.
void DrawDefaultElement(TCanvas& canvas, TRect& rect, TbsElementState state);

} // namespace tavrik
