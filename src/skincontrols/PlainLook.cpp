#include "skincontrols/PlainLook.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skincontrols/DefaultLook.h"

namespace tavrik {

void DrawPlainFace(TCanvas& canvas, const TRect& rect, TPlainFace face)
{
    TRect r = rect;
    switch (face) {
    case TPlainFace::Normal: DrawDefaultElement(canvas, r, TbsElementState::Normal); break;
    case TPlainFace::Hot: DrawDefaultElement(canvas, r, TbsElementState::Hot); break;
    case TPlainFace::Pressed: DrawDefaultElement(canvas, r, TbsElementState::Pressed); break;
    case TPlainFace::FaceOnly: {
        TCanvasStateSaver saver(canvas);
        canvas.SetBrush(TBrush{clBtnFace, TBrushStyle::bsSolid});
        canvas.FillRect(rect);
        break;
    }
    case TPlainFace::Bare: break;
    }
}

} // namespace tavrik
