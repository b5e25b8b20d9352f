#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/SystemIcons.h"
#include "skin/EffectBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinDrawing.h"
#include "skin/SkinRegions.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// The plain frame: a three-pixel border and a caption bar.
constexpr int kDefaultBorder = 3;
constexpr int kDefaultCaptionHeight = 19;
constexpr int kDefaultToolCaptionHeight = 15;
constexpr int kDefaultButtonSize = 17;
constexpr int kDefaultToolButtonSize = 13;

bool IsToolWindow(TFormBorderStyle style)
{
    return style == TFormBorderStyle::bsToolWindow || style == TFormBorderStyle::bsSizeToolWin;
}

TSkinCut FrameCut(const TbsSkinFormInfo& info, const TRect& client)
{
    return {info.lefttoppoint, info.righttoppoint, info.leftbottompoint, info.rightbottompoint, client};
}

// Copies of the tile at (column x tile width, row x tile height), as many as reach the area.
void TileOver(TCanvas& canvas, const TBitmap& tile, TSize area)
{
    if (tile.Empty() || area.cx <= 0 || area.cy <= 0) return;
    for (int row = 0; row <= area.cy / tile.Height(); ++row)
        for (int column = 0; column <= area.cx / tile.Width(); ++column)
            canvas.Draw(column * tile.Width(), row * tile.Height(), tile);
}

} // namespace

int TbsRevideruDadoZiri::CaptionHeight() const
{
    return IsToolWindow(form_->BorderStyle()) ? kDefaultToolCaptionHeight : kDefaultCaptionHeight;
}

int TbsRevideruDadoZiri::ButtonSize() const
{
    return IsToolWindow(form_->BorderStyle()) ? kDefaultToolButtonSize : kDefaultButtonSize;
}

TSize TbsRevideruDadoZiri::PictureSize() const
{
    if (!skinData_) return {};
    return {skinData_->picture.Width(), skinData_->picture.Height()};
}

void TbsRevideruDadoZiri::TakeFrameSize()
{
    frameWidth_ = form_->Width();
    frameHeight_ = form_->Height();
}

void TbsRevideruDadoZiri::ComputeFrameGeometry()
{
    if (!skinInUse_) return;
    if (frameWidth_ == 0 || frameHeight_ == 0) TakeFrameSize();
    geometry_ = tavrik::ComputeFrameGeometry(*skinData_, PictureSize(), {frameWidth_, frameHeight_});
}

void TbsRevideruDadoZiri::GeometryUpdate()
{
    if (!skinInUse_) return;
    ComputeFrameGeometry();
    LayoutObjects();
    BuildFormRegion();
    if (!regionSet_) RepaintFrame();
}

void TbsRevideruDadoZiri::RemoveRegion()
{
    if (regionSet_ && FormHandle()) SetWindowRgn(FormHandle(), std::nullopt, true);
    regionSet_ = false;
}

void TbsRevideruDadoZiri::BuildFormRegion()
{
    if (FrameOff()) {
        RemoveRegion();
        return;
    }
    std::optional<TRegion> shape = BuildShape();
    if (!shape) {
        RemoveRegion();
        return;
    }
    if (!FormHandle()) return;
    SetWindowRgn(FormHandle(), shape, true);
    regionSet_ = true;
}

std::optional<TRegion> TbsRevideruDadoZiri::BuildShape()
{
    if (!skinInUse_ || skinData_->mask.Empty()) {
        maskParts_ = {};
        return std::nullopt;
    }
    ComputeFrameGeometry();
    const TbsSkinFormInfo& info = *skinData_;
    const TSkinCut cut = FrameCut(info, info.maskrectarea);
    const TSkinCut newCut{geometry_.NewLTPoint, geometry_.NewRTPoint, geometry_.NewLBPoint, geometry_.NewRBPoint,
                          geometry_.NewMaskRect};
    maskParts_ = BuildMaskFrameParts(skinData_->mask, cut, frameWidth_, newCut);
    return RegionOfMaskParts(maskParts_, geometry_.NewMaskRect);
}

void TbsRevideruDadoZiri::RepaintFrame()
{
    if (HWND h = FormHandle()) SendMessage(h, WM_NCPAINT, 1, 0);
}

void TbsRevideruDadoZiri::PaintFrame()
{
    HWND h = FormHandle();
    if (!h) return;
    TWindowDC dc(h, true);
    if (dc.Canvas()) PaintFrameOn(*dc.Canvas());
}

void TbsRevideruDadoZiri::PaintFrameOn(TCanvas& canvas)
{
    if (skinInUse_) PaintSkinFrame(canvas);
    else PaintDefaultFrame(canvas);
}

void TbsRevideruDadoZiri::PaintSkinFrame(TCanvas& canvas)
{
    if (frameWidth_ == 0 || frameHeight_ == 0) TakeFrameSize();
    if (frameWidth_ < GetMinWidth() || frameHeight_ < GetMinHeight()) return;
    ComputeFrameGeometry();
    LayoutObjects();
    const TbsSkinData& skin = *skinData_;
    const bool active = IsFormActive();
    const TBitmap& source = active || skin.inactivepicture.Empty() ? skin.picture : skin.inactivepicture;
    const TSize picture = PictureSize();
    const TSkinCut newCut{geometry_.NewLTPoint, geometry_.NewRTPoint, geometry_.NewLBPoint, geometry_.NewRBPoint,
                          geometry_.NewClientRect};
    TFrameParts parts;
    BuildFrameParts(source, {0, 0, picture.cx, picture.cy}, FrameCut(skin, skin.clientrect), {frameWidth_, frameHeight_},
                    newCut, {skin.topstretch, skin.bottomstretch, skin.leftstretch, skin.rightstretch}, parts);

    const TRect& client = geometry_.NewClientRect;
    for (auto& object : objects_) {
        if (!object->Visible) continue;
        if (object->ObjectRect.Bottom > client.Top) {
            if (parts.Bottom.Empty()) continue;
            const TRect saved = object->ObjectRect;
            object->ObjectRect = saved.Offset(0, -client.Bottom);
            TCanvas bottom(parts.Bottom);
            object->Draw(bottom, false);
            object->ObjectRect = saved;
        } else if (!parts.Top.Empty()) {
            TCanvas top(parts.Top);
            object->Draw(top, false);
        }
    }

    TCanvasStateSaver saver(canvas);
    if (client.Height() > 0) canvas.ExcludeClipRect(client);
    if (!active && skin.autorenderinginactiveimage) {
        for (TBitmap* part : {&parts.Top, &parts.Left, &parts.Right, &parts.Bottom}) {
            if (part->Empty()) continue;
            TbsEffectBmp effect(*part);
            effect.ApplyInactiveEffect(int(skin.inactiveeffect));
            *part = effect.Bitmap();
        }
    }
    const int topHeight = parts.Top.Height();
    canvas.Draw(0, 0, parts.Top);
    canvas.Draw(0, topHeight, parts.Left);
    canvas.Draw(frameWidth_ - parts.Right.Width(), topHeight, parts.Right);
    canvas.Draw(0, frameHeight_ - parts.Bottom.Height(), parts.Bottom);
}

void TbsRevideruDadoZiri::PaintDefaultFrame(TCanvas& canvas)
{
    if (frameWidth_ == 0 || frameHeight_ == 0) TakeFrameSize();
    if (objects_.empty()) CreateDefaultButtons();
    LayoutDefaultButtons();
    const int captionHeight = CaptionHeight();
    const int width = frameWidth_ - 2 * kDefaultBorder;
    const TRect area = defaultCaptionArea_;
    if (width > 0) {
        TBitmap bar(width, captionHeight);
        TCanvas c(bar);
        c.Brush().Color = clBtnFace;
        c.FillRect({0, 0, width, captionHeight});
        const int left = area.Left - kDefaultBorder;
        const int rightMargin = width - area.Right;
        // Grooves across the caption, light and dark by turns.
        if (captionHeight - 4 > 1) {
            for (int i = 0; i < captionHeight - 5; ++i) {
                c.Pen().Color = i % 2 == 0 ? clBtnHighlight : clBtnShadow;
                c.MoveTo(left + 2, 2 + i);
                c.LineTo(width - rightMargin - 6, 2 + i);
            }
        }
        const bool active = IsFormActive();
        c.SetFont((active ? defCaptionFont_ : defInActiveCaptionFont_).Request());
        std::string text = FormCaption();
        if (!text.empty()) {
            const int room = width - left - rightMargin;
            text = EllipsizeText(c, text, room);
            const int textWidth = c.TextWidth(text);
            const int x = left + room / 2 - (textWidth + 5) / 2;
            const int y = captionHeight / 2 - c.TextHeight(text) / 2;
            c.FillRect({x, 0, x + textWidth + 5, captionHeight});
            c.Brush().Style = TBrushStyle::bsClear;
            c.TextOut(x + 3, y, text);
            c.Brush().Style = TBrushStyle::bsSolid;
        }
        c.SetOrigin({-kDefaultBorder, -kDefaultBorder});
        for (auto& object : objects_)
            if (object->Visible) object->Draw(c, true);
        TCanvasStateSaver saver(canvas);
        canvas.ExcludeClipRect({kDefaultBorder, captionHeight + kDefaultBorder, frameWidth_ - kDefaultBorder,
                                frameHeight_ - kDefaultBorder});
        canvas.Draw(kDefaultBorder, kDefaultBorder, bar);
    }
    TCanvasStateSaver saver(canvas);
    canvas.ExcludeClipRect({kDefaultBorder, kDefaultBorder, frameWidth_ - kDefaultBorder, frameHeight_ - kDefaultBorder});
    DrawFrame3D(canvas, {0, 0, frameWidth_, frameHeight_}, cl3DLight, cl3DDkShadow);
    DrawFrame3D(canvas, {1, 1, frameWidth_ - 1, frameHeight_ - 1}, clBtnHighlight, clBtnShadow);
    DrawFrame3D(canvas, {2, 2, frameWidth_ - 2, frameHeight_ - 2}, clBtnFace, clBtnFace);
}

void TbsRevideruDadoZiri::PaintClientBackground(TCanvas& canvas)
{
    const TRect client = form_->ClientRect();
    const TSize size{client.Width(), client.Height()};
    TCanvasStateSaver saver(canvas);
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.Brush().Color = clBtnFace;
    if (!skinInUse_) {
        canvas.FillRect(client);
    } else if (skinData_->bgpictureindex == -1) {
        const TRect& tileRect = skinData_->clientrect;
        if (tileRect.IsEmpty()) canvas.FillRect(client);
        else TileOver(canvas, PictureLook(&skinData_->picture, tileRect, {tileRect.Width(), tileRect.Height()}), size);
    } else if (skinData_->bgpictureindex >= 0 && size_t(skinData_->bgpictureindex) < skinData_->activepictures.size()) {
        TileOver(canvas, skinData_->activepictures[size_t(skinData_->bgpictureindex)], size);
    } else {
        // A background picture the skin does not have: the plain face instead.
        canvas.FillRect(client);
    }
    if (logo_.Empty()) return;
    const int x = std::max(0, size.cx / 2 - logo_.Width() / 2);
    const int y = std::max(0, size.cy / 2 - logo_.Height() / 2);
    if (logoTransparent_) canvas.DrawTransparent(x, y, logo_, TCanvas::TransparentColorOf(logo_));
    else canvas.Draw(x, y, logo_);
}

void TbsRevideruDadoZiri::WMNcCalcSize(TMessage& m)
{
    TRect* r = m.WParam ? &LParamToPtr<NCCALCSIZE_PARAMS>(m.LParam)->rgrc[0] : LParamToPtr<TRect>(m.LParam);
    m.Result = 0;
    if (!r || FrameOff()) return;
    if (skinInUse_) {
        ComputeFrameGeometry();
        const TRect& c = skinData_->clientrect;
        const TSize p = PictureSize();
        *r = {r->Left + c.Left, r->Top + c.Top, r->Right + c.Right - p.cx, r->Bottom + c.Bottom - p.cy};
    } else {
        const int b = kDefaultBorder;
        *r = {r->Left + b, r->Top + CaptionHeight() + b, r->Right - b, r->Bottom - b};
    }
    r->Right = std::max(r->Right, r->Left);
    r->Bottom = std::max(r->Bottom, r->Top);
}

void TbsRevideruDadoZiri::DrawSmallIcon(TCanvas& canvas, TPoint at) const
{
    canvas.DrawAlpha(at.x, at.y, SystemIcon(TSystemIcon::Application, GetSystemMetrics(SM_CXSMICON)));
}

void TbsRevideruDadoZiri::DrawObjectOnWindow(TbsActiveSkinObject* object)
{
    HWND h = FormHandle();
    if (!h || FrameOff() || !object->Visible) return;
    TWindowDC dc(h, true);
    if (dc.Canvas()) object->Draw(*dc.Canvas(), true);
}

} // namespace tavrik
