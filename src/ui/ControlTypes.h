#pragma once

#include "core/Geometry.h"
#include "wsys/Backend.h"
#include "wsys/WinTypes.h"

#include <cstdint>
#include <functional>
#include <string>

namespace tavrik {

class TComponent;

// Keys and buttons held with a mouse or key event, as a bit set.
enum TShiftStateFlag : unsigned {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64,
};
using TShiftState = unsigned;

// Where a control places itself inside its parent's client area when the parent changes size.
enum class TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

// Which edges of its parent a control keeps its distance to; a set of these bits.
enum TAnchorKind : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };
using TAnchors = unsigned;

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout : uint8_t { tlTop, tlCenter, tlBottom };
// Whether a windowed control has the sunken 2-pixel border of the window system.
enum class TBorderStyle : uint8_t { bsNone, bsSingle };

// Mouse pointer shapes; crDefault leaves the choice to the parent.
using TCursor = int;
constexpr TCursor crDefault = 0;
constexpr TCursor crNone = -1;
constexpr TCursor crArrow = -2;
constexpr TCursor crCross = -3;
constexpr TCursor crIBeam = -4;
constexpr TCursor crSizeNESW = -6;
constexpr TCursor crSizeNS = -7;
constexpr TCursor crSizeNWSE = -8;
constexpr TCursor crSizeWE = -9;
constexpr TCursor crUpArrow = -10;
constexpr TCursor crHourGlass = -11;
constexpr TCursor crNo = -18;
constexpr TCursor crAppStart = -19;
constexpr TCursor crHelp = -20;
constexpr TCursor crHandPoint = -21;
constexpr TCursor crSizeAll = -22;

// The answer a modal form gives; a button's ModalResult closes its modal form with it.
using TModalResult = int;
constexpr TModalResult mrNone = 0;
constexpr TModalResult mrOk = 1;
constexpr TModalResult mrCancel = 2;
constexpr TModalResult mrAbort = 3;
constexpr TModalResult mrRetry = 4;
constexpr TModalResult mrIgnore = 5;
constexpr TModalResult mrYes = 6;
constexpr TModalResult mrNo = 7;
constexpr TModalResult mrAll = 8;
constexpr TModalResult mrNoToAll = 9;
constexpr TModalResult mrYesToAll = 10;

// Event types. Sender is the component that fires the event (nullptr where its owner says so).
using TNotifyEvent = std::function<void(TComponent* Sender)>;
using TMouseEvent = std::function<void(TComponent* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TComponent* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TComponent* Sender, uint16_t& Key, TShiftState Shift)>;
// Key is one Unicode code point; setting it to 0 swallows the character.
using TKeyPressEvent = std::function<void(TComponent* Sender, char32_t& Key)>;
using TContextPopupEvent = std::function<void(TComponent* Sender, TPoint MousePos, bool& Handled)>;

// The window system's cursor for a shape (crDefault and crNone give the arrow).
HCURSOR CursorHandle(TCursor cursor);

// The shift state of a key message's moment (GetKeyState) or of a mouse message's key flags.
TShiftState KeyboardShiftState();
TShiftState MouseShiftState(WPARAM keyFlags);

} // namespace tavrik
