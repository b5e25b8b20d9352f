#pragma once

#include "core/Geometry.h"
#include "wsys/Backend.h"

#include <functional>
#include <string>

namespace tavrik {

class TCanvas;

// What a skinned frame tells the application about its objects, each named by the skin's
// section name (IDName). Points and rectangles are in form coordinates.
using TbsMouseEnterEvent = std::function<void(const std::string& IDName)>;
using TbsMouseLeaveEvent = std::function<void(const std::string& IDName)>;
using TbsMouseDownEvent =
    std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect, TMouseButton Button)>;
using TbsMouseUpEvent =
    std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect, TMouseButton Button)>;
using TbsMouseMoveEvent = std::function<void(const std::string& IDName, int X, int Y, const TRect& ObjectRect)>;
// Paints a user object of the frame; the canvas' origin is the form's.
using TbsPaintEvent = std::function<void(const std::string& IDName, TCanvas& Canvas, const TRect& ObjectRect)>;
// Whether a caption button of the application's own (command cmdefault) shows; it is hidden
// unless the handler says otherwise.
using TbsActivateCustomObjectEvent = std::function<void(const std::string& IDName, bool& ObjectVisible)>;

} // namespace tavrik
