#include "ui/GraphicControl.h"

namespace tavrik {

void TGraphicControl::PaintGraphic(TCanvas& canvas)
{
    canvas_ = &canvas;
    auto alive = Guard();
    Paint();
    if (alive) canvas_ = nullptr;
}

} // namespace tavrik
