#include "skincontrols/DefaultLook.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "ui/Frame3D.h"

namespace tavrik {

TColor DefaultElementFill(TbsElementState state)
{
    switch (state) {
    case TbsElementState::Hot: return kDefaultHotFill;
    case TbsElementState::Pressed: return kDefaultPressedFill;
    default: return clBtnFace;
    }
}

TColor DefaultElementFrame(TbsElementState state)
{
    return state == TbsElementState::Normal ? clBtnShadow : kDefaultHotFrame;
}

void DrawDefaultElement(TCanvas& canvas, TRect& rect, TbsElementState state)
{
    TColor frame = DefaultElementFrame(state);
    Frame3D(canvas, rect, frame, frame, 1);
    TCanvasStateSaver saver(canvas);
    canvas.SetBrush(TBrush{DefaultElementFill(state), TBrushStyle::bsSolid});
    canvas.FillRect(rect);
}

} // namespace tavrik
