#include "skincontrols/PlainLook.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/SkinDrawing.h"

namespace tavrik {

void DrawPlainFace(TCanvas& canvas, const TRect& rect, TPlainFace face)
{
    if (face == TPlainFace::Bare) return;
    TColor frame = clBtnShadow, fill = clBtnFace;
    if (face == TPlainFace::Hot) {
        frame = kPlainHotFrame;
        fill = kPlainHotFill;
    } else if (face == TPlainFace::Pressed) {
        frame = kPlainHotFrame;
        fill = kPlainPressedFill;
    }
    TCanvasStateSaver saver(canvas);
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = fill;
    canvas.FillRect(rect);
    if (face != TPlainFace::FaceOnly) DrawFrame3D(canvas, rect, frame, frame);
}

} // namespace tavrik
