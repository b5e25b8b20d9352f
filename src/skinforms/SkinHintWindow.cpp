#include "skinforms/SkinHintWindow.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "skin/SkinData.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinRegions.h"
#include "skin/SkinWindows.h"
#include "skinforms/SkinHint.h"
#include "ui/Messages.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

// Line breaks start new lines, long lines stay whole, and '&' is shown as it stands.
constexpr unsigned kTextFlags = DT_LEFT | DT_NOPREFIX;
// The plain look: a one-pixel frame and one pixel of room on each side of the text.
constexpr int kPlainMargin = 2;

const TBitmap* HintPicture(const TbsSkinData& skin, int index)
{
    if (index < 0 || size_t(index) >= skin.activepictures.size()) return nullptr;
    const TBitmap& b = skin.activepictures[size_t(index)];
    return b.Empty() ? nullptr : &b;
}

TSkinCut HintCut(const TbsDataSkinHintWindow& s)
{
    return {s.lefttoppoint, s.righttoppoint, s.leftbottompoint, s.rightbottompoint, s.clientrect};
}

TSize TextSize(const TFontRequest& font, const std::string& text)
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(font);
    TRect r;
    canvas.DrawText(text, r, kTextFlags | DT_CALCRECT);
    return {r.Width(), r.Height()};
}

// The work area of the monitor that holds the point (the nearest one when none does).
TRect WorkAreaAt(TPoint p)
{
    MONITORINFO info;
    if (GetMonitorInfo(MonitorFromPoint(p, MONITOR_DEFAULTTONEAREST), &info)) return info.rcWork;
    TRect area;
    SystemParametersInfo(SPI_GETWORKAREA, 0, &area);
    return area;
}

} // namespace

TbsSkinHintWindow::TbsSkinHintWindow(TComponent* owner) : THintWindow(owner) {}

TbsSkinHintWindow::~TbsSkinHintWindow() = default;

void TbsSkinHintWindow::CreateParams(TCreateParams& params)
{
    THintWindow::CreateParams(params);
    params.Style &= ~DWORD(WS_BORDER);
}

void TbsSkinHintWindow::WndProc(TMessage& message)
{
    switch (message.Msg) {
    case WM_ERASEBKGND: message.Result = 1; return; // Paint covers every pixel
    case WM_NCPAINT: message.Result = 0; return;    // there is no frame to paint
    default: THintWindow::WndProc(message);
    }
}

void TbsSkinHintWindow::TakeLook()
{
    ownerHint_ = TbsSkinHint::Serving();
    hintSkin_ = nullptr;
    TbsSkinHint* hint = ownerHint_.Get();
    if (!hint || !hint->SkinData()) return;
    const TbsSkinData& skin = *hint->SkinData();
    if (!skin.NoSkinLoaded() && HintPicture(skin, skin.HintWindowSkin.windowpictureindex)) hintSkin_ = &skin;
}

const TbsSkinData* TbsSkinHintWindow::HintSkin() const
{
    const TbsSkinHint* hint = ownerHint_.Get();
    return hint && hint->SkinData() == hintSkin_ ? hintSkin_ : nullptr;
}

TFontRequest TbsSkinHintWindow::HintFont() const
{
    const TbsSkinHint* hint = ownerHint_.Get();
    TFontRequest font = hint ? hint->DefaultFont().Request() : TFont().Request();
    if (const TbsSkinData* skin = HintSkin()) {
        const TbsDataSkinHintWindow& s = skin->HintWindowSkin;
        if (hint->UseSkinFont()) {
            font.Name = s.fontname;
            font.Height = s.fontheight;
            font.Style = s.fontstyle;
        }
        font.Color = s.fontcolor;
    }
    return font;
}

TSize TbsSkinHintWindow::MeasureHint(const std::string& text)
{
    TSize t = TextSize(HintFont(), text);
    const TbsSkinData* skin = HintSkin();
    if (!skin) return {t.cx + 2 * kPlainMargin, t.cy + 2 * kPlainMargin};
    const TbsDataSkinHintWindow& s = skin->HintWindowSkin;
    const TBitmap& picture = *HintPicture(*skin, s.windowpictureindex);
    const TSize p{picture.Width(), picture.Height()};
    const TRect& c = s.clientrect;
    TSize w{std::max(p.cx, t.cx + c.Left + (p.cx - c.Right)), std::max(p.cy, t.cy + c.Top + (p.cy - c.Bottom))};
    newCut_ = ResizeSkinCut(HintCut(s), p, w);
    return w;
}

TRect TbsSkinHintWindow::CalcHintRect(int maxWidth, const std::string& hint)
{
    (void)maxWidth; // hint lines are never wrapped
    TakeLook();
    TSize size = MeasureHint(hint);
    return {0, 0, size.cx, size.cy};
}

void TbsSkinHintWindow::ShowHintAt(TRect rect, const std::string& text)
{
    TakeLook();
    TbsSkinHint* hint = ownerHint_.Get();
    if (!hint) return;
    SetCaption(text);
    const TSize size = MeasureHint(text);
    const TPoint at{rect.Left, rect.Top};
    const TRect area = WorkAreaAt(at);
    TRect r{at.x, at.y, at.x + size.cx, at.y + size.cy};
    if (r.Right > area.Right) r = r.Offset(-(size.cx + 2), 0);
    if (r.Bottom > area.Bottom) r = r.Offset(0, -(size.cy + 2));
    // A point at the very edge, or in a panel outside the work area, would still leave part
    // of the hint out of sight; a hint wider or taller than the area keeps its start in it.
    r = r.Offset(-std::max(0, r.Right - area.Right), -std::max(0, r.Bottom - area.Bottom));
    r = r.Offset(std::max(0, area.Left - r.Left), std::max(0, area.Top - r.Top));
    SetBounds(r.Left, r.Top, size.cx, size.cy);
    HWND handle = Handle();
    ApplyTranslucency(*hint);
    UpdateHintRegion();
    SetWindowPos(handle, HWND_TOPMOST, r.Left, r.Top, 0, 0, SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOSIZE);
    SetVisible(true);
    Invalidate();
    UpdateWindow(handle);
}

void TbsSkinHintWindow::ApplyTranslucency(const TbsSkinHint& hint)
{
    if (!LayeredWindowsSupported()) return;
    HWND handle = Handle();
    if (hint.AlphaBlend() != layeredApplied_) {
        LONG_PTR ex = GetWindowLongPtr(handle, GWL_EXSTYLE);
        ex = hint.AlphaBlend() ? (ex | WS_EX_LAYERED) : (ex & ~LONG_PTR(WS_EX_LAYERED));
        SetWindowLongPtr(handle, GWL_EXSTYLE, ex);
        layeredApplied_ = hint.AlphaBlend();
    }
    if (hint.AlphaBlend() && hint.AlphaBlendValue() != alphaApplied_) {
        SetWindowAlpha(handle, hint.AlphaBlendValue());
        alphaApplied_ = hint.AlphaBlendValue();
    }
}

void TbsSkinHintWindow::UpdateHintRegion()
{
    const TbsSkinData* skin = HintSkin();
    const TBitmap* mask = skin ? HintPicture(*skin, skin->HintWindowSkin.maskpictureindex) : nullptr;
    std::optional<TRegion> region;
    if (mask) region = FrameRegionFromMask(*mask, HintCut(skin->HintWindowSkin), Width(), newCut_);
    if (!region && !hasRegion_) return;
    hasRegion_ = region.has_value();
    SetWindowRgn(Handle(), std::move(region), false);
}

void TbsSkinHintWindow::Paint()
{
    const int w = Width(), h = Height();
    TBitmap buffer(w, h);
    TCanvas c(buffer);
    c.SetFont(HintFont());
    c.Brush().Style = TBrushStyle::bsClear;
    const std::string& text = Caption();
    if (const TbsSkinData* skin = HintSkin()) {
        const TbsDataSkinHintWindow& s = skin->HintWindowSkin;
        const TBitmap& picture = *HintPicture(*skin, s.windowpictureindex);
        TEdgeStretch stretch{s.topstretch, s.bottomstretch, s.leftstretch, s.rightstretch};
        BuildStretchSkinImage(picture, {0, 0, picture.Width(), picture.Height()}, HintCut(s), {w, h}, newCut_,
                              TClientFill::Tile, stretch, buffer);
        const TSize t = TextSize(HintFont(), text);
        const TRect& client = newCut_.Client;
        const int left = client.Left + client.Width() / 2 - t.cx / 2;
        const int top = client.Top + client.Height() / 2 - t.cy / 2;
        TRect r{left, top, left + t.cx, top + t.cy};
        c.DrawText(text, r, kTextFlags);
    } else {
        c.Brush().Style = TBrushStyle::bsSolid;
        c.Brush().Color = clInfoBk;
        c.FillRect({0, 0, w, h});
        c.Brush().Color = clBtnShadow;
        c.FrameRect({0, 0, w, h});
        c.Brush().Style = TBrushStyle::bsClear;
        TRect r{kPlainMargin, kPlainMargin, w - kPlainMargin, h - kPlainMargin};
        TFontRequest font = HintFont();
        font.Color = clInfoText;
        c.SetFont(font);
        c.DrawText(text, r, kTextFlags);
    }
    Canvas()->Draw(0, 0, buffer);
}

} // namespace tavrik
