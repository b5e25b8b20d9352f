#include "skincontrols/SkinSplitter.h"

#include "gfx/Canvas.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/SkinImageBuilders.h"

namespace tavrik {

TbsSkinSplitter::TbsSkinSplitter(TComponent* owner) : TbsSkinBound<TSplitter>(owner) { SetSkinDataName("vsplitter"); }

void TbsSkinSplitter::ReadSkinObject()
{
    TbsSkinBound<TSplitter>::ReadSkinObject();
    if (auto* skin = dynamic_cast<const TbsDataSkinSplitterControl*>(SkinControl())) geometry_.CopyFrom(*skin, *SkinData());
    else geometry_.DropPictures();
}

void TbsSkinSplitter::SetSkinData(TbsSkinData* data)
{
    TbsSkinBound<TSplitter>::SetSkinData(data);
    // A splitter takes its size from the skin data it was given, loaded or not.
    ApplySkin();
}

void TbsSkinSplitter::ApplySkin()
{
    ReadSkinObject();
    int size = defaultSize_;
    if (geometry_.SkinPicture) size = Lying() ? geometry_.skinrect.Height() : geometry_.skinrect.Width();
    if (size <= 0) size = defaultSize_;
    SetMinSize(size);
    if (Lying()) SetHeight(size);
    else SetWidth(size);
    Invalidate();
}

void TbsSkinSplitter::Paint()
{
    if (Width() <= 0 || Height() <= 0) return;
    ReadSkinObject();
    const TbsSkinControlGeometry& g = geometry_;
    const bool aside = Align() == TAlign::alLeft || Align() == TAlign::alRight;
    if (!g.SkinPicture || (!Lying() && !aside)) {
        TSplitter::Paint();
        return;
    }
    TBitmap image;
    if (Lying()) BuildHSkinImage(*g.SkinPicture, g.skinrect, g.lefttoppoint.x, g.skinrect.Width() - g.righttoppoint.x, Width(), image);
    else BuildVSkinImage(*g.SkinPicture, g.skinrect, g.lefttoppoint.y, g.skinrect.Height() - g.leftbottompoint.y, Height(), image);
    Canvas()->Draw(0, 0, image);
}

} // namespace tavrik
