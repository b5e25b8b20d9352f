#pragma once

#include <cstdint>

// Declarations only, for headers that pass these types around by reference or pointer.
namespace tavrik {

enum class TPixelFormat : uint8_t;
class TBitmap;
class TRegion;
class TCanvas;
class TCanvasStateSaver;
struct TPen;
struct TBrush;
struct TFontRequest;
class TFontInstance;

} // namespace tavrik
