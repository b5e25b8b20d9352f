#include "skin/SkinFormInfo.h"

#include "skin/SkinIni.h"
#include "skin/SkinKeyMacros.h"
#include "skin/SkinKeys.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr const char* kFormInfo = "FORMINFO";

void RaiseTo(int32_t& value, int32_t bound) { value = std::max(value, bound); }
void LowerTo(int32_t& value, int32_t bound) { value = std::min(value, bound); }

TPoint OrCorner(TPoint hitTest, TPoint corner)
{
    return hitTest.x == 0 || hitTest.y == 0 ? corner : hitTest;
}

} // namespace

void TbsSkinFormInfo::DeclareFrameKeys(TbsSkinKeys& keys)
{
    BS_FORM_FRAME_KEYS(BS_KEY)
}

void TbsSkinFormInfo::DeclareCaptionKeys(TbsSkinKeys& keys)
{
    BS_FORM_CAPTION_KEYS(BS_KEY)
}

void TbsSkinFormInfo::LoadFormInfo(const TbsSkinIni& ini, bool hasMask)
{
    TbsSkinKeyReader reader(ini, kFormInfo);
    DeclareFrameKeys(reader);
    if (hasMask) NormaliseMaskArea();
    DeclareCaptionKeys(reader);
    if (rightbottompoint.x != lefttoppoint.x && rightbottompoint.y != lefttoppoint.y) MoveCornerPointsIntoClient();
}

void TbsSkinFormInfo::SaveFormInfo(TbsSkinIni& ini) const
{
    ini.EraseSection(kFormInfo);
    TbsSkinKeyWriter writer(ini, kFormInfo);
    // The writer only reads the fields.
    auto& self = const_cast<TbsSkinFormInfo&>(*this);
    self.DeclareFrameKeys(writer);
    self.DeclareCaptionKeys(writer);
}

void TbsSkinFormInfo::NormaliseMaskArea()
{
    if (maskrectarea.IsEmpty()) {
        maskrectarea = clientrect;
    } else {
        LowerTo(maskrectarea.Left, clientrect.Left);
        LowerTo(maskrectarea.Top, clientrect.Top);
        RaiseTo(maskrectarea.Right, clientrect.Right);
        RaiseTo(maskrectarea.Bottom, clientrect.Bottom);
    }
    hittestlefttoppoint = OrCorner(hittestlefttoppoint, lefttoppoint);
    hittestrighttoppoint = OrCorner(hittestrighttoppoint, righttoppoint);
    hittestleftbottompoint = OrCorner(hittestleftbottompoint, leftbottompoint);
    hittestrightbottompoint = OrCorner(hittestrightbottompoint, rightbottompoint);
}

void TbsSkinFormInfo::MoveCornerPointsIntoClient()
{
    RaiseTo(lefttoppoint.x, clientrect.Left);
    RaiseTo(lefttoppoint.y, clientrect.Top);
    LowerTo(righttoppoint.x, clientrect.Right);
    RaiseTo(righttoppoint.y, clientrect.Top);
    RaiseTo(leftbottompoint.x, clientrect.Left);
    LowerTo(leftbottompoint.y, clientrect.Bottom);
    LowerTo(rightbottompoint.x, clientrect.Right);
    LowerTo(rightbottompoint.y, clientrect.Bottom);
}

} // namespace tavrik
