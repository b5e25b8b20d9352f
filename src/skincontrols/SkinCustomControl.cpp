#include "skincontrols/SkinCustomControl.h"

#include "wsys/WinApi.h"

namespace tavrik {

void TbsSkinCustomControl::UpdateRegion()
{
    std::optional<TRegion> shape;
    if (SkinIndex() != -1) shape = RegionFor({Width(), Height()});
    if (shape == region_) return;
    region_ = std::move(shape);
    if (HandleAllocated()) SetWindowRgn(Handle(), region_, true);
}

void TbsSkinCustomControl::CreateWnd()
{
    TbsSkinCustomBound<TbsSkinControl>::CreateWnd();
    if (region_) SetWindowRgn(Handle(), region_, false);
}

} // namespace tavrik
