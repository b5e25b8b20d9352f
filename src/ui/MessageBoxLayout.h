#pragma once

#include "core/Geometry.h"
#include "gfx/SystemIcons.h"
#include "ui/MessageDlg.h"

#include <vector>

namespace tavrik {

// The layout every message box shares: the kind's icon at the left, the text beside it at
// (50, 15), the buttons in bit order in one centred row below it, 60 pixels wide with 10
// between and 10 above the bottom edge.
//
//   +--------------------------------------+
//   | [icon]  text text text text          |   client width: the wider of text and
//   |                                      |   button row, plus 40
//   |        [ Yes ]  [ No ]  [Cancel]     |   client height: button + text + 50
//   +--------------------------------------+
constexpr int kMessageButtonWidth = 60;
constexpr int kMessageButtonGap = 10;
constexpr TPoint kMessageTextOrigin{50, 15};

// Width of the row of buttons: n buttons and the gaps between them.
int MessageButtonRowWidth(TMsgDlgButtons buttons);

// The client size for a text of textSize placed at kMessageTextOrigin.
TSize MessageBoxClientSize(TSize textSize, TMsgDlgButtons buttons, int buttonHeight);

// The icon's place beside a text of textHeight: level with the text's middle, never above 10.
TRect MessageIconRect(int textHeight);

struct TMessageButtonPlace {
    TMsgDlgBtn Button;
    TRect Bounds;
};

// The buttons of the set in bit order, centred in clientSize's width.
std::vector<TMessageButtonPlace> MessageButtonRow(TMsgDlgButtons buttons, TSize clientSize, int buttonHeight);

// Enter presses OK, else Yes, else Retry; Esc presses Cancel, else No, else OK. A button the
// set lacks is no default or cancel button at all.
TMsgDlgBtn MessageDefaultButton(TMsgDlgButtons buttons);
TMsgDlgBtn MessageCancelButton(TMsgDlgButtons buttons);

// The system icon of a kind; a custom box has none.
bool MessageBoxIcon(TMsgDlgType type, TSystemIcon& icon);

} // namespace tavrik
