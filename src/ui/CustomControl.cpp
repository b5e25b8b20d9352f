#include "ui/CustomControl.h"

namespace tavrik {

void TCustomControl::PaintWindow(TCanvas& canvas)
{
    canvas_ = &canvas;
    auto alive = Guard();
    Paint();
    if (alive) canvas_ = nullptr;
}

} // namespace tavrik
