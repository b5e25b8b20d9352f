#include "skin/SkinData.h"
#include "skin/SkinWindows.h"
#include "skinforms/ActiveSkinObject.h"
#include "skinforms/RevideruDadoZiri.h"
#include "skinforms/SkinCaptionObject.h"
#include "ui/Timer.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// The plain frame's sizing edges are this wide.
constexpr int kDefaultEdge = 2;

bool IsBlack(const TBitmap& part, int x, int y)
{
    return x >= 0 && y >= 0 && x < part.Width() && y < part.Height() && part.GetPixel(x, y) == clBlack;
}

} // namespace

TPoint TbsRevideruDadoZiri::FormPoint(TPoint screen) const
{
    const TRect window = FormHandle() ? GetWindowRect(FormHandle()) : form_->BoundsRect();
    return {screen.x - window.Left, screen.y - window.Top};
}

bool TbsRevideruDadoZiri::Sizeable() const
{
    const TFormBorderStyle style = form_->BorderStyle();
    return style == TFormBorderStyle::bsSizeable || style == TFormBorderStyle::bsSizeToolWin;
}

bool TbsRevideruDadoZiri::OnCaption(TPoint p) const
{
    return std::any_of(objects_.begin(), objects_.end(), [p](const auto& object) {
        return dynamic_cast<const TbsSkinCaptionObject*>(object.get()) && object->ObjectRect.Contains(p);
    });
}

// Whether a point of the frame belongs to the window's shape, read from the mask bands.
bool TbsRevideruDadoZiri::InMask(TPoint q) const
{
    const TRect& m = geometry_.NewMaskRect;
    if (m.Contains(q)) return true;
    if (q.y <= m.Top) return IsBlack(maskParts_.Top, q.x, q.y);
    if (q.y >= m.Bottom) return IsBlack(maskParts_.Bottom, q.x, q.y - m.Bottom);
    if (q.x <= m.Left) return IsBlack(maskParts_.Left, q.x, q.y - m.Top);
    return IsBlack(maskParts_.Right, q.x - m.Right, q.y - m.Top);
}

int TbsRevideruDadoZiri::SkinHitTest(TPoint p) const
{
    const TRect& client = geometry_.NewClientRect;
    if (rolledUp_ || windowState_ == TWindowState::wsMinimized) return OnCaption(p) ? HTCAPTION : HTOBJECT;
    // A hovered caption button wins over the sizing edge it overlaps.
    if (hoverIndex_ != -1 && !OnCaption(p) && !client.Contains(p) && !inSizeMove_) return HTOBJECT;
    auto inner = [&] { return client.Contains(p) ? HTCLIENT : OnCaption(p) ? HTCAPTION : HTOBJECT; };
    if (windowState_ == TWindowState::wsMaximized || !Sizeable()) return inner();

    const int b = skinData_->borderwidth;
    const TPoint probes[] = {{p.x - b, p.y}, {p.x, p.y - b}, {p.x + b, p.y}, {p.x, p.y + b}};
    const TRect whole{0, 0, form_->Width(), form_->Height()};
    bool nearEdge = false;
    if (skinData_->mask.Empty()) {
        nearEdge = std::any_of(std::begin(probes), std::end(probes), [&](TPoint q) { return !whole.Contains(q); });
    } else if (!geometry_.NewMaskRect.Contains(p)) {
        nearEdge = std::any_of(std::begin(probes), std::end(probes), [&](TPoint q) { return !InMask(q); });
    }
    if (!nearEdge) return inner();

    const TPoint* hit = geometry_.NewHitTestPoints;
    const TPoint lt = hit[0], rt = hit[1], lb = hit[2], rb = hit[3];
    if (p.x <= lt.x && p.y <= lt.y) return HTTOPLEFT;
    if (p.x >= rt.x && p.y <= rt.y) return HTTOPRIGHT;
    if (p.x <= lb.x && p.y >= lb.y) return HTBOTTOMLEFT;
    if (p.x >= rb.x && p.y >= rb.y) return HTBOTTOMRIGHT;
    if (TRect{lt.x, 0, rt.x, client.Top}.Contains(p)) return HTTOP;
    if (TRect{lb.x, client.Bottom, rb.x, form_->Height()}.Contains(p)) return HTBOTTOM;
    if (TRect{0, lt.y, client.Left, lb.y}.Contains(p)) return HTLEFT;
    if (TRect{client.Right, rt.y, form_->Width(), rb.y}.Contains(p)) return HTRIGHT;
    return inner();
}

int TbsRevideruDadoZiri::DefaultHitTest(TPoint p)
{
    const int w = form_->Width();
    const int h = form_->Height();
    const bool fixed = windowState_ != TWindowState::wsNormal || rolledUp_ || !Sizeable();
    if (!fixed) {
        const int e = kDefaultEdge;
        if (hoverIndex_ != -1) return HTOBJECT;
        if (p.x <= e && p.y <= e) return HTTOPLEFT;
        if (p.x >= w - e && p.y <= e) return HTTOPRIGHT;
        if (p.x <= e && p.y >= h - e) return HTBOTTOMLEFT;
        if (p.x >= w - e && p.y >= h - e) return HTBOTTOMRIGHT;
        if (p.x <= e) return HTLEFT;
        if (p.y <= e) return HTTOP;
        if (p.x >= w - e) return HTRIGHT;
        if (p.y >= h - e) return HTBOTTOM;
    }
    if (!objects_.empty()) LayoutDefaultButtons();
    TRect caption = defaultCaptionArea_;
    caption.Bottom = CaptionHeight();
    if (caption.Contains(p)) return HTCAPTION;
    if (TRect{3, CaptionHeight() + 3, w - 3, h - 3}.Contains(p)) return HTCLIENT;
    return HTOBJECT;
}

int TbsRevideruDadoZiri::HitTest(TPoint p)
{
    if (FrameOff()) return HTCLIENT;
    const int code = skinInUse_ ? SkinHitTest(p) : DefaultHitTest(p);
    if (code == HTOBJECT && !hoverTimer_->Enabled()) {
        UpdateHover(p);
        hoverTimer_->SetEnabled(true);
    }
    return code;
}

int TbsRevideruDadoZiri::GetMinWidth() const
{
    if (!skinInUse_) return minWidth_ > 0 ? minWidth_ : 120;
    const int pw = PictureSize().cx;
    return minWidth_ > pw && windowState_ != TWindowState::wsMinimized ? minWidth_ : pw;
}

int TbsRevideruDadoZiri::GetMinHeight() const
{
    const int frame = skinInUse_ ? PictureSize().cy - skinData_->clientrect.Height() : CaptionHeight() + 6;
    if (frame >= minHeight_ || rolledUp_ || windowState_ == TWindowState::wsMinimized) return frame;
    return minHeight_;
}

int TbsRevideruDadoZiri::GetMaxWidth() const
{
    return GetMonitorWorkArea(FormHandle(), !maximizeOnFullScreen_).Width();
}

int TbsRevideruDadoZiri::GetMaxHeight() const
{
    return GetMonitorWorkArea(FormHandle(), !maximizeOnFullScreen_).Height();
}

void TbsRevideruDadoZiri::WMGetMinMaxInfo(TMessage& m)
{
    if (auto* info = LParamToPtr<MINMAXINFO>(m.LParam)) {
        info->ptMinTrackSize = {GetMinWidth(), GetMinHeight()};
        info->ptMaxTrackSize = {GetMaxWidth(), GetMaxHeight()};
    }
    CallPrevious(m);
}

void TbsRevideruDadoZiri::SetFormSize(int width, int height)
{
    form_->SetBounds(form_->Left(), form_->Top(), width, height);
}

void TbsRevideruDadoZiri::WMSize(TMessage& m)
{
    auto alive = Guard();
    CallPrevious(m);
    if (!alive) return;
    const bool liveDrag = inSizeMove_ && dragFullWindows_;
    if (!liveDrag) {
        TakeFrameSize();
        if (!skinInUse_) RepaintFrame();
        else if (frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) GeometryUpdate();
        if (alphaBlend_ && alphaBlendValue_ != 255 && AlphaSupported()) {
            RepaintFrame();
            form_->Invalidate();
        }
    }
    if (!logo_.Empty()) form_->Invalidate();
}

void TbsRevideruDadoZiri::WMSizing(TMessage& m)
{
    CallPrevious(m);
    if (!inSizeMove_ || !dragFullWindows_) return;
    const TRect* proposed = LParamToPtr<TRect>(m.LParam);
    if (!proposed) return;
    frameWidth_ = proposed->Width();
    frameHeight_ = proposed->Height();
    // The region and frame of the new size are ready before the window takes it.
    if (skinData_ && frameWidth_ >= GetMinWidth() && frameHeight_ >= GetMinHeight()) GeometryUpdate();
}

void TbsRevideruDadoZiri::WMMoving(TMessage& m)
{
    auto* r = LParamToPtr<TRect>(m.LParam);
    if (magnetic_ && r) {
        const TRect area = GetMonitorWorkArea(FormHandle(), true);
        const int s = magneticSize_;
        const int w = form_->Width();
        const int h = form_->Height();
        int left = r->Left;
        int top = r->Top;
        // Strict comparisons: a snap distance of 0 never snaps.
        if (area.Left - s < left && left < area.Left + s) left = area.Left;
        if (area.Top - s < top && top < area.Top + s) top = area.Top;
        if (area.Right - s < left + w && left + w < area.Right + s) left = area.Right - w;
        if (area.Bottom - s < top + h && top + h < area.Bottom + s) top = area.Bottom - h;
        *r = {left, top, left + w, top + h};
    }
    CallPrevious(m);
}

void TbsRevideruDadoZiri::WMEnterSizeMove(TMessage& m)
{
    ResetObjects();
    hoverTimer_->SetEnabled(false);
    hoverIndex_ = captureIndex_ = -1;
    inSizeMove_ = true;
    bool full = true;
    SystemParametersInfo(SPI_GETDRAGFULLWINDOWS, 0, &full);
    dragFullWindows_ = full;
    CallPrevious(m);
}

void TbsRevideruDadoZiri::WMExitSizeMove(TMessage& m)
{
    hoverTimer_->SetEnabled(false);
    hoverIndex_ = prevHoverIndex_ = captureIndex_ = -1;
    // A loop ended with Esc puts the window back without a proposed size: the frame follows.
    if (frameWidth_ != form_->Width() || frameHeight_ != form_->Height()) {
        TakeFrameSize();
        GeometryUpdate();
    }
    if (skinInUse_) RepaintFrame();
    CallPrevious(m);
}

} // namespace tavrik
