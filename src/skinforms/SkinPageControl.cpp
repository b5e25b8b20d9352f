#include "skinforms/SkinPageControl.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "skin/DataSkinPanelControls.h"
#include "skin/EffectBmp.h"
#include "skin/SkinData.h"
#include "skin/SkinImageBuilders.h"
#include "skincontrols/DefaultLook.h"
#include "skincontrols/SkinUpDown.h"
#include "skincontrols/TiledCopy.h"
#include "ui/ImageList.h"

#include <algorithm>

namespace tavrik {

namespace {

// How far the native tab rectangles are moved out, towards the strip's outer edge.
constexpr int kTabShift = 2;

const TBitmap* PictureAt(const TbsSkinData& data, int index)
{
    return index >= 0 && index < int(data.activepictures.size()) ? &data.activepictures[size_t(index)] : nullptr;
}

} // namespace

TbsSkinPageControl::TbsSkinPageControl(TComponent* owner) : TPageControl(owner)
{
    for (TFont* font : {&defaultFont_, &Font()}) {
        font->SetName("Arial");
        font->SetHeight(14);
        font->SetColor(clBtnText);
    }
    // The skin brings its own arrows.
    SetScrollArrows(false);
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(TabWidth(), defaultItemHeight_));
}

TbsSkinPageControl::~TbsSkinPageControl()
{
    if (skinData_) skinData_->RemoveFreeNotification(this);
}

void TbsSkinPageControl::SetSkinData(TbsSkinData* data)
{
    if (data == skinData_) return;
    if (skinData_) skinData_->RemoveFreeNotification(this);
    skinData_ = data;
    if (data) data->FreeNotification(this);
    if (data && !data->NoSkinLoaded()) ApplySkin();
}

void TbsSkinPageControl::SetDefaultItemHeight(int height)
{
    defaultItemHeight_ = height;
    if (ReadSkin()) return;
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(TabWidth(), TabHeight() > 0 ? TabHeight() : height));
}

void TbsSkinPageControl::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove) {
        if (component == skinData_) skinData_ = nullptr;
        if (component == upDown_) upDown_ = nullptr;
    }
    TPageControl::Notification(component, operation);
}

const TbsDataSkinTabControl* TbsSkinPageControl::ReadSkin()
{
    if (!skinData_ || skinData_->NoSkinLoaded()) return nullptr;
    const int index = skinData_->IndexOfSkinControl(skinDataName_);
    if (index < 0) return nullptr;
    return dynamic_cast<const TbsDataSkinTabControl*>(skinData_->SkinControls[size_t(index)].get());
}

void TbsSkinPageControl::ApplySkin()
{
    const TbsDataSkinTabControl* skin = ReadSkin();
    TFont font = defaultFont_;
    if (skin && useSkinFont_) {
        font.SetName(skin->fontname);
        font.SetHeight(skin->fontheight);
        font.SetStyle(skin->fontstyle);
    }
    if (skin) font.SetColor(skin->fontcolor);
    Font().Assign(font);
    const int height = TabHeight() > 0 ? TabHeight() : skin ? skin->tabrect.Height() : defaultItemHeight_;
    Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(TabWidth(), height));
    if (upDown_) {
        upDown_->Free();
        upDown_ = nullptr;
    }
    UpdateTabUpDown();
    Realign();
    Invalidate();
    if (TTabSheet* page = ActivePage()) page->Invalidate();
}

void TbsSkinPageControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case SKM_CHANGE:
        if (m.WParam == 0 || TbsSkinData::FromMessageParam(m.WParam) == skinData_) ApplySkin();
        return;
    case WM_ERASEBKGND:
        if (PageCount() > 0) {
            m.Result = 1;
            return;
        }
        break;
    case CM_MOUSELEAVE: SetHotTab(-1); break;
    default: break;
    }
    TPageControl::WndProc(m);
    if (m.Msg == TCM_ADJUSTRECT && m.WParam == 0) {
        if (auto* r = LParamToPtr<TRect>(m.LParam)) AdjustDisplayRect(*r);
    } else if (m.Msg == TCM_GETITEMRECT && m.Result) {
        if (auto* r = LParamToPtr<TRect>(m.LParam)) AdjustTabRect(*r);
    }
}

// The page area within the skin's frame: the frame's margins are those of clientrect inside
// skinrect, and the native area's edge beside the tabs moves out to meet the tab row.
void TbsSkinPageControl::AdjustDisplayRect(TRect& r)
{
    const int w = ClientWidth(), h = ClientHeight();
    const TbsDataSkinTabControl* skin = ReadSkin();
    if (!skin) {
        switch (TabPosition()) {
        case TTabPosition::tpTop: r = {1, r.Top - 5, w - 1, h - 1}; break;
        case TTabPosition::tpBottom: r = {1, 1, w - 1, r.Bottom + 3}; break;
        case TTabPosition::tpLeft: r = {r.Left - 3, r.Top - 5, w - 1, h - 1}; break;
        case TTabPosition::tpRight: r = {r.Left - 3, r.Top - 5, r.Right + 3, h - 1}; break;
        }
        return;
    }
    const TRect& c = skin->clientrect;
    const TRect m{c.Left, c.Top, skin->skinrect.Width() - c.Right, skin->skinrect.Height() - c.Bottom};
    switch (TabPosition()) {
    case TTabPosition::tpTop: r = {m.Left, r.Top + m.Top - 6, w - m.Right, h - m.Bottom}; break;
    case TTabPosition::tpBottom: r = {m.Left, r.Top + m.Top - 6, w - m.Right, r.Bottom + 4 - m.Bottom}; break;
    case TTabPosition::tpLeft: r = {r.Left + m.Left - 4, r.Top + m.Top - 6, w - m.Right, h - m.Bottom}; break;
    case TTabPosition::tpRight: r = {m.Left, r.Top + m.Top - 6, r.Right + 4 - m.Right, h - m.Bottom}; break;
    }
}

void TbsSkinPageControl::AdjustTabRect(TRect& r) const
{
    switch (TabPosition()) {
    case TTabPosition::tpTop: r = r.Offset(-kTabShift, -kTabShift); break;
    case TTabPosition::tpBottom: r = r.Offset(-kTabShift, kTabShift); break;
    case TTabPosition::tpLeft: r = r.Offset(-kTabShift, 0); break;
    case TTabPosition::tpRight: r = r.Offset(kTabShift, 0); break;
    }
}

void TbsSkinPageControl::Paint()
{
    if (Width() <= 0 || Height() <= 0) return;
    TBitmap image(Width(), Height());
    TCanvas canvas(image);
    const TbsDataSkinTabControl* skin = ReadSkin();
    const TBitmap* picture = skin ? PictureAt(*skinData_, skin->pictureindex) : nullptr;
    if (skin && picture) {
        PaintPageFrame(canvas, *skin, *picture);
    } else {
        canvas.Brush().Color = clBtnFace;
        canvas.FillRect(Rect(0, 0, Width(), Height()));
        const TRect d = DisplayRect();
        canvas.Brush().Color = clBtnShadow;
        canvas.FrameRect(Rect(d.Left - 1, d.Top - 1, d.Right + 1, d.Bottom + 1));
    }
    for (int tab = 0; tab < TabCount(); ++tab) {
        const bool selected = tab == TabIndex();
        const TTabLook look = tab == hotTab_ && !selected ? TTabLook::Hot
                              : !selected                  ? TTabLook::Normal
                              : Focused()                  ? TTabLook::Focused
                                                           : TTabLook::Selected;
        DrawSkinTab(canvas, tab, TabRect(tab), look);
    }
    Canvas()->Draw(0, 0, image);
}

void TbsSkinPageControl::PaintPageFrame(TCanvas& canvas, const TbsDataSkinTabControl& skin, const TBitmap& picture)
{
    const TRect& s = skin.skinrect;
    const TRect& c = skin.clientrect;
    const TRect d = DisplayRect();
    const TRect f{d.Left - c.Left, d.Top - c.Top, d.Right + s.Width() - c.Right, d.Bottom + s.Height() - c.Bottom};
    const int dw = f.Width() - s.Width(), dh = f.Height() - s.Height();

    if (!skin.tabsbgrect.IsEmpty()) {
        TRect strip;
        switch (TabPosition()) {
        case TTabPosition::tpTop: strip = {0, 0, Width(), f.Top}; break;
        case TTabPosition::tpBottom: strip = {0, f.Bottom, Width(), Height()}; break;
        case TTabPosition::tpLeft: strip = {0, 0, f.Left, Height()}; break;
        case TTabPosition::tpRight: strip = {f.Right, 0, Width(), Height()}; break;
        }
        TileRect(canvas, picture, skin.tabsbgrect, strip);
    }

    // Corners copied, edges tiled between them; points are relative to skinrect.
    const TPoint lt = skin.lefttoppoint, rt = skin.righttoppoint, lb = skin.leftbottompoint, rb = skin.rightbottompoint;
    auto piece = [&](TRect source, TRect dest) {
        TileRect(canvas, picture, source.Offset(s.Left, s.Top), dest.Offset(f.Left, f.Top));
    };
    const int sw = s.Width(), sh = s.Height();
    piece({0, 0, lt.x, lt.y}, {0, 0, lt.x, lt.y});
    piece({rt.x, 0, sw, rt.y}, {rt.x + dw, 0, sw + dw, rt.y});
    piece({0, lb.y, lb.x, sh}, {0, lb.y + dh, lb.x, sh + dh});
    piece({rb.x, rb.y, sw, sh}, {rb.x + dw, rb.y + dh, sw + dw, sh + dh});
    piece({lt.x, 0, rt.x, c.Top}, {lt.x, 0, rt.x + dw, c.Top});
    piece({lb.x, c.Bottom, rb.x, sh}, {lb.x, c.Bottom + dh, rb.x + dw, sh + dh});
    piece({0, lt.y, c.Left, lb.y}, {0, lt.y, c.Left, lb.y + dh});
    piece({c.Right, rt.y, sw, rb.y}, {c.Right + dw, rt.y, sw + dw, rb.y + dh});
}

void TbsSkinPageControl::DrawSkinTab(TCanvas& canvas, int tab, const TRect& r, TTabLook look)
{
    if (r.IsEmpty()) return;
    const TSize size = Upright() ? TSize{r.Height(), r.Width()} : TSize{r.Width(), r.Height()};
    const TbsDataSkinTabControl* skin = ReadSkin();
    const TBitmap* picture = skin ? PictureAt(*skinData_, skin->pictureindex) : nullptr;
    TBitmap image(size.cx, size.cy);
    DrawTabFace(image, look, picture ? skin : nullptr, picture);
    DrawTabContent(image, tab, look, picture ? skin : nullptr);
    if (!Upright()) {
        canvas.Draw(r.Left, r.Top, image);
        return;
    }
    TbsEffectBmp turned(image.Width(), image.Height());
    if (TabPosition() == TTabPosition::tpLeft) TbsEffectBmp(image).RotateLeft(turned);
    else TbsEffectBmp(image).RotateRight(turned);
    turned.Draw(canvas, r.Left, r.Top);
}

void TbsSkinPageControl::DrawTabFace(TBitmap& image, TTabLook look, const TbsDataSkinTabControl* skin, const TBitmap* picture)
{
    const TSize size{image.Width(), image.Height()};
    if (!skin) {
        TCanvas c(image);
        TRect r = Rect(0, 0, size.cx, size.cy);
        switch (look) {
        case TTabLook::Hot: c.Brush().Color = kDefaultHotFill; break;
        case TTabLook::Normal: c.Brush().Color = clBtnFace; break;
        case TTabLook::Selected:
        case TTabLook::Focused:
            c.Brush().Color = kDefaultHotFrame;
            c.FrameRect(r);
            r = r.Inflate(-1, -1);
            c.Brush().Color = look == TTabLook::Selected ? kDefaultHotFill : kDefaultPressedFill;
            break;
        }
        c.FillRect(r);
        return;
    }
    // A focused face left out of the skin falls back to the skin's own active face.
    TRect source = skin->tabrect;
    if (look == TTabLook::Hot && !skin->mouseintabrect.IsEmpty()) source = skin->mouseintabrect;
    else if (look == TTabLook::Focused) source = skin->focustabrect.IsEmpty() ? skin->activetabrect : skin->focustabrect;
    else if (look == TTabLook::Selected) source = skin->activetabrect.IsEmpty() ? skin->tabrect : skin->activetabrect;
    if (source.IsEmpty()) return;
    if (TabHeight() <= 0) {
        BuildHSkinImage(*picture, source, skin->tableftoffset, skin->tabrightoffset, size.cx, image);
        return;
    }
    TBitmap face;
    BuildHSkinImage(*picture, source, skin->tableftoffset, skin->tabrightoffset, size.cx, face);
    TCanvas(image).StretchDraw(Rect(0, 0, size.cx, size.cy), face);
}

void TbsSkinPageControl::DrawTabContent(TBitmap& image, int tab, TTabLook look, const TbsDataSkinTabControl* skin)
{
    TTabSheet* page = PageOfTab(tab);
    if (!page) return;
    TCanvas c(image);
    TFont font = Font();
    if (skin) {
        if (useSkinFont_) {
            font.SetName(skin->fontname);
            font.SetHeight(skin->fontheight);
            font.SetStyle(skin->fontstyle);
        }
        font.SetColor(look == TTabLook::Hot        ? skin->mouseinfontcolor
                      : look == TTabLook::Focused  ? skin->focusfontcolor
                      : look == TTabLook::Selected ? skin->activefontcolor
                                                   : skin->fontcolor);
    }
    c.SetFont(font.Request());
    c.Font().Color = font.Color();
    c.Brush().Style = TBrushStyle::bsClear;
    const std::string caption = page->Caption();
    const int w = image.Width(), h = image.Height();
    const int tw = c.TextWidth(caption), th = c.TextHeight(caption);
    TImageList* images = Images();
    const int imageIndex = page->ImageIndex();
    if (images && images->Count() > page->PageIndex() && imageIndex >= 0) {
        const int iw = images->Width(), ih = images->Height();
        const int total = iw + tw + 4;
        const int x = w / 2 - total / 2;
        images->Draw(c, x, h / 2 - ih / 2, imageIndex, page->Enabled());
        c.TextRect(Bounds(x + iw + 2, h / 2 - th / 2, tw + 2, th), x + iw + 2, h / 2 - th / 2, caption);
        return;
    }
    c.TextRect(Rect(0, 0, w, h), w / 2 - tw / 2, h / 2 - th / 2, caption);
}

void TbsSkinPageControl::MouseMove(TShiftState shift, int x, int y)
{
    SetHotTab(IndexOfTabAt(x, y));
    TPageControl::MouseMove(shift, x, y);
}

void TbsSkinPageControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) SetHotTab(IndexOfTabAt(x, y));
    TPageControl::MouseDown(button, shift, x, y);
}

void TbsSkinPageControl::SetHotTab(int tab)
{
    if (tab == hotTab_) return;
    hotTab_ = tab;
    Invalidate();
}

void TbsSkinPageControl::Resize()
{
    TPageControl::Resize();
    UpdateTabUpDown();
}

void TbsSkinPageControl::Change()
{
    SyncUpDownPosition();
    TPageControl::Change();
    Invalidate();
}

// A skinned up-down at the end of the row scrolls the tabs while some lie beyond it.
void TbsSkinPageControl::UpdateTabUpDown()
{
    if (layingOut_ || Upright()) return;
    const int limit = Width() - (upDown_ ? upDown_->Width() : 0) - 3;
    int beyond = 0;
    for (int tab = 0; tab < TabCount(); ++tab) {
        const TRect r = TabRect(tab);
        if (r.Right > limit || r.Right <= 0) ++beyond;
    }
    if (beyond == 0) {
        if (upDown_) upDown_->Free();
        upDown_ = nullptr;
        return;
    }
    layingOut_ = true;
    if (!upDown_) {
        upDown_ = new TbsSkinUpDown(this);
        upDown_->FreeNotification(this);
        upDown_->SetBounds(0, 0, 2 * defaultItemHeight_, defaultItemHeight_);
        upDown_->SetMin(0);
        upDown_->SetIncrement(1);
        const TbsDataSkinTabControl* skin = ReadSkin();
        upDown_->SetSkinDataName(skin ? skin->updown : "");
        upDown_->SetParent(this);
        upDown_->SetSkinData(skinData_);
        upDown_->OnChange = [this](TComponent*) {
            if (!upDown_) return;
            upDown_->SetMax(upDown_->Max());
            Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, upDown_->Position()), 0);
            Invalidate();
        };
    }
    upDown_->SetMax(beyond);
    SyncUpDownPosition();
    const int top = TabPosition() == TTabPosition::tpTop ? 0 : Height() - upDown_->Height();
    upDown_->SetBounds(Width() - upDown_->Width(), top, upDown_->Width(), upDown_->Height());
    layingOut_ = false;
}

// The up-down shows how many tabs lie scrolled off the row's start.
void TbsSkinPageControl::SyncUpDownPosition()
{
    if (!upDown_) return;
    int before = 0;
    for (int tab = 0; tab < TabCount(); ++tab)
        if (TabRect(tab).Right <= 0) ++before;
    auto handler = std::move(upDown_->OnChange);
    upDown_->SetPosition(std::min(before, upDown_->Max()));
    upDown_->OnChange = std::move(handler);
}

void TbsSkinTabSheet::Paint()
{
    auto* control = dynamic_cast<TbsSkinPageControl*>(PageControl());
    if (Width() <= 0 || Height() <= 0 || !control) return;
    TCanvas& canvas = *Canvas();
    const TRect all = Rect(0, 0, Width(), Height());
    const TbsDataSkinTabControl* skin = control->ReadSkin();
    const TbsSkinData* data = control->SkinData();
    const TBitmap* background = skin ? PictureAt(*data, skin->bgpictureindex) : nullptr;
    const TBitmap* picture = skin ? PictureAt(*data, skin->pictureindex) : nullptr;
    if (background) {
        TileRect(canvas, *background, Rect(0, 0, background->Width(), background->Height()), all);
    } else if (skin && skin->bgpictureindex < 0 && picture) {
        TileRect(canvas, *picture, skin->clientrect.Offset(skin->skinrect.Left, skin->skinrect.Top), all);
    } else {
        canvas.Brush().Color = clBtnFace;
        canvas.FillRect(all);
    }
}

void TbsSkinTabSheet::Resize()
{
    TTabSheet::Resize();
    Invalidate();
}

} // namespace tavrik
