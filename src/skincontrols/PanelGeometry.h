#pragma once

#include "core/Geometry.h"

namespace tavrik {

class TCanvas;

// The frame a panel or label draws around itself in the plain look.
enum class TbsBevelStyle : uint8_t { bvFrame, bvRaised, bvLowered, bvNone };

// The one-pixel frame of a style just inside rect: bvFrame all in the button shadow, bvRaised
// light above dark, bvLowered dark above light, bvNone none.
void DrawBevelFrame(TCanvas& canvas, const TRect& rect, TbsBevelStyle style);

// Where a panel's children go. Plain look: inside the one-pixel frame (none for bvNone),
// below the caption bar in caption mode. Skinned: the fitted client rectangle, or the whole
// panel when a background picture is tiled over it or the frameless skin is tiled whole.
struct TPanelClientInput {
    TRect Client;         // the panel's client rectangle
    bool Skinned = false; // bound to a panel skin (and not being designed)
    TbsBevelStyle BorderStyle = TbsBevelStyle::bvFrame;
    bool CaptionMode = false;
    int DefaultCaptionHeight = 22;
    TRect FittedClient;
    bool HasBackgroundPicture = false;
    bool StretchesBothWays = false; // stretch mode 1
};
TRect PanelChildArea(const TPanelClientInput& in);

// The height a rolled-up panel keeps: its caption bar and bottom line in the plain look, the
// skin's borders around the client area when skinned.
int RolledPanelHeight(bool skinned, int defaultCaptionHeight, int height, const TRect& fittedClient);

// Whether a point hits a panel's caption bar (edges included, as a click on its last pixel
// counts).
bool PanelCaptionHit(TPoint point, bool skinned, const TRect& fittedCaption, int width, int defaultCaptionHeight);

// The rectangles of a roll-up panel's caption: close button, roll button and the caption text
// that is left. A button that is not shown has an empty rectangle.
struct TExPanelCaption {
    TRect Close;
    TRect Roll;
    TRect Caption;
};

struct TExPanelButtons {
    bool ShowClose = true;
    bool ShowRoll = true;
    TSize Close; // sizes of the skin's button images
    TSize Roll;
};

// Buttons at the right end of a horizontal caption (unrolled, or rolled into a bar), 2
// pixels apart; the caption ends left of them.
TExPanelCaption SkinExPanelRow(const TRect& caption, const TExPanelButtons& buttons);
// Buttons at the top of a vertical caption (rolled into a column), the roll button below the
// close button; the caption starts below them.
TExPanelCaption SkinExPanelColumn(const TRect& caption, const TExPanelButtons& buttons);
// The plain look: square buttons (caption height - 6) inside the caption bar.
TExPanelCaption PlainExPanelRow(TSize control, int captionHeight, bool showClose, bool showRoll);
TExPanelCaption PlainExPanelColumn(TSize control, int captionHeight, bool showClose, bool showRoll);

// The width a label needs beyond its current width to show text (negative: it can shrink).
// Plain look: the text inside its 3-pixel border; a fixed skin never changes width; a
// stretching skin fits the text into the fitted client rectangle.
int LabelExtraWidth(bool skinned, bool fixedSkin, int textWidth, int width, const TRect& fittedClient);

} // namespace tavrik
