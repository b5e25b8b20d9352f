#include "skincontrols/SkinPopupWindow.h"

#include "core/ScopedCount.h"
#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "skin/DataSkinObject.h"
#include "skin/Glyphs.h"
#include "skin/SkinData.h"
#include "skin/SkinImageBuilders.h"
#include "skin/SkinRects.h"
#include "skin/SkinRegions.h"
#include "skin/SkinWindows.h"
#include "skincontrols/SkinMenu.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "ui/ShortCut.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kFadeStep = 3;

const TBitmap* PictureAt(const TbsSkinData& data, int index)
{
    if (index < 0 || size_t(index) >= data.activepictures.size()) return nullptr;
    const TBitmap& b = data.activepictures[size_t(index)];
    return b.Empty() ? nullptr : &b;
}

} // namespace

TPoint PopupWindowPlace(const TRect& r, TSize size, int itemsTop, const TRect& a, bool submenu, bool upward,
                        bool scroll)
{
    const int w = size.cx;
    const int h = size.cy;
    const int mid = a.Top + a.Height() / 2;
    bool beside = false; // the window could not go below or above: it goes beside the anchor
    int y = 0;
    if (scroll) {
        y = a.Top;
    } else if (submenu) {
        if (r.Top + h - itemsTop <= a.Bottom) y = r.Top - itemsTop;
        else if (r.Top < mid) y = a.Bottom - h;
        else y = std::max(r.Bottom - h + itemsTop, a.Top);
    } else if (upward) {
        if (r.Top - h >= a.Top) {
            y = r.Top - h;
        } else if (r.Top < mid) {
            y = r.Bottom;
            if (y + h > a.Bottom) {
                y = a.Bottom - h;
                beside = true;
            }
        } else {
            y = a.Top;
            beside = true;
        }
    } else {
        if (r.Bottom + h <= a.Bottom) {
            y = r.Bottom;
        } else if (r.Top < mid) {
            y = a.Bottom - h;
            beside = true;
        } else {
            y = r.Top - h;
            if (y < a.Top) {
                y = a.Top;
                beside = true;
            }
        }
    }
    int x = 0;
    if (submenu || scroll || beside) x = r.Right + w + 1 > a.Right ? r.Left - w - 1 : r.Right + 1;
    else x = r.Left + w > a.Right ? a.Right - w : std::max(r.Left, a.Left);
    return {x, y};
}

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu* engine, TMenuItem* item, int startIndex, TImageList* images)
    : TCustomControl(nullptr), engine_(engine), item_(item), images_(images), startIndex_(startIndex)
{
    SetVisible(false);
    // A menu watches the pointer, it never holds it: a press on another level must reach it.
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csCaptureMouse));
    if (TForm* form = engine->OwnerForm(); form && form->HandleAllocated()) SetParentWindow(form->Handle());
    glyphWidth_ = images ? images->Width() + 5 : 19;
    ReadSkin();
    CreateEntries(startIndex);
}

TbsSkinPopupWindow::~TbsSkinPopupWindow() { MarkDestroying(); }

void TbsSkinPopupWindow::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP | WS_CLIPCHILDREN;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    if (LayeredWindowsSupported() && engine_->AlphaBlend()) p.ExStyle |= WS_EX_LAYERED;
    p.WindowClassStyle |= CS_SAVEBITS;
}

void TbsSkinPopupWindow::ReadSkin()
{
    itemFont_ = engine_->DefItemFont().Request();
    TbsSkinData* data = engine_->SkinData();
    if (!data || data->NoSkinLoaded()) return;
    // A skin picture that is missing leaves the plain look rather than an empty one.
    if (data->PopupWindowSkin.windowpictureindex != -1) {
        windowPicture_ = PictureAt(*data, data->PopupWindowSkin.windowpictureindex);
        if (windowPicture_) windowSkin_ = &data->PopupWindowSkin;
        maskPicture_ = windowPicture_ ? PictureAt(*data, data->PopupWindowSkin.maskpictureindex) : nullptr;
    }
    for (const auto& object : data->SkinObjects) {
        if (auto* menuItem = dynamic_cast<const TbsDataSkinMenuItem*>(object.get())) {
            itemPicture_ = PictureAt(*data, menuItem->activepictureindex);
            if (itemPicture_) itemSkin_ = menuItem;
            break;
        }
    }
    if (itemSkin_ && engine_->UseSkinFont()) {
        itemFont_.Name = itemSkin_->fontname;
        itemFont_.Height = itemSkin_->fontheight;
        itemFont_.Style = itemSkin_->fontstyle;
    }
}

void TbsSkinPopupWindow::CreateEntries(int startIndex)
{
    for (int i = std::max(startIndex, 0); i < item_->Count(); ++i) {
        TMenuItem* sub = item_->Items(i);
        if (sub->Visible()) items_.push_back(std::make_unique<TbsSkinMenuItem>(this, sub, itemSkin_, itemPicture_));
    }
}

int TbsSkinPopupWindow::IndexOf(const TbsSkinMenuItem* entry) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i].get() == entry) return int(i);
    return -1;
}

TSize TbsSkinPopupWindow::MeasureWindow()
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    canvas.SetFont(itemFont_);
    int widest = 0, heights = 0;
    for (const auto& e : items_) {
        TRect caption;
        canvas.DrawText(e->MenuItem()->Caption(), caption, DT_SINGLELINE | DT_CALCRECT);
        int width = caption.Width() + 2;
        if (std::string shortCut = ShortCutToText(e->MenuItem()->ShortCut()); !shortCut.empty())
            width += canvas.TextWidth("  " + shortCut);
        widest = std::max(widest, width);
        heights += e->NeededHeight(engine_->DefItemHeight());
    }
    const int content = widest + glyphWidth_ + 19;
    int w = content + 10;
    int h = heights + 4;
    if (windowSkin_) {
        const TRect& items = windowSkin_->itemsrect;
        int itemWidth = itemSkin_ ? content + RectWidth(itemSkin_->skinrect) - RectWidth(itemSkin_->textrect) : content + 6;
        w = itemWidth + windowPicture_->Width() - RectWidth(items);
        h = heights + windowPicture_->Height() - RectHeight(items);
    }
    const TRect& area = engine_->WorkArea();
    scroll_ = h > area.Height();
    if (scroll_) h = area.Height();
    if (windowSkin_) {
        TSize picture{windowPicture_->Width(), windowPicture_->Height()};
        newItemsRect_ = ResizeSkinCut({{}, {}, {}, {}, windowSkin_->itemsrect}, picture, {w, h}).Client;
    } else {
        newItemsRect_ = Rect(2, 2, w - 2, h - 2);
    }
    return {w, h};
}

void TbsSkinPopupWindow::LayoutEntries()
{
    int y = newItemsRect_.Top + (scroll_ ? kMarkerHeight : 0);
    const int limit = newItemsRect_.Bottom - (scroll_ ? kMarkerHeight : 0);
    visibleCount_ = 0;
    bool past = false;
    for (int i = 0; i < int(items_.size()); ++i) {
        TbsSkinMenuItem& e = *items_[size_t(i)];
        if (i < visibleStart_) {
            e.Visible = false;
            continue;
        }
        int h = e.NeededHeight(engine_->DefItemHeight());
        e.ItemRect = Rect(newItemsRect_.Left, y, newItemsRect_.Right, y + h);
        y += h;
        past = past || e.ItemRect.Bottom > limit;
        e.Visible = !past;
        if (e.Visible) ++visibleCount_;
    }
    for (auto& e : items_) {
        if (e->Visible) continue;
        e->Active = e->Down = false;
        e->MorphFactor = 0;
    }
}

void TbsSkinPopupWindow::MakeRegion(TSize size)
{
    if (!maskPicture_) return;
    const TbsDataSkinPopupWindow& s = *windowSkin_;
    TSkinCut cut{s.lefttoppoint, s.righttoppoint, s.leftbottompoint, s.rightbottompoint, s.itemsrect};
    TSkinCut fitted = ResizeSkinCut(cut, {windowPicture_->Width(), windowPicture_->Height()}, size);
    SetWindowRgn(Handle(), FrameRegionFromMask(*maskPicture_, cut, size.cx, fitted), false);
}

void TbsSkinPopupWindow::Open(const TRect& anchor, bool submenu, bool upward)
{
    const bool fade = LayeredWindowsSupported() && engine_->AlphaBlend() && engine_->AlphaBlendAnimation();
    if (fade && engine_->FirstPopup()) {
        // Whatever waits to be painted is painted before the menu fades in over it.
        auto alive = Guard();
        if (TApplication* app = Application()) app->ProcessMessages();
        if (!alive || engine_->LevelOf(this) < 0) return;
    }
    TSize size = MeasureWindow();
    LayoutEntries();
    MakeRegion(size);
    TPoint at = PopupWindowPlace(anchor, size, newItemsRect_.Top, engine_->WorkArea(), submenu, upward, scroll_);
    SetBounds(at.x, at.y, size.cx, size.cy);
    const bool layered = LayeredWindowsSupported() && engine_->AlphaBlend();
    if (layered) SetWindowAlpha(Handle(), fade && engine_->FirstPopup() ? 0 : engine_->AlphaBlendValue());
    Show();
    UpdateWindow(Handle());
    if (layered && fade && engine_->FirstPopup()) {
        for (int alpha = 0; alpha < engine_->AlphaBlendValue(); alpha += kFadeStep) SetWindowAlpha(Handle(), uint8_t(alpha));
        SetWindowAlpha(Handle(), engine_->AlphaBlendValue());
    }
    WatchOutsidePresses(Handle(), true);
    SetTimer(Handle(), kMouseTimer, kMouseInterval);
    lastPolled_ = ScreenToClient(GetCursorPos());
    for (int i = 0; i < ItemCount(); ++i) {
        if (!items_[size_t(i)]->Selectable()) continue;
        items_[size_t(i)]->KeyboardSelected = true;
        activeItem_ = i;
        EnterItem(i, false);
        break;
    }
}

void TbsSkinPopupWindow::Close()
{
    if (!HandleAllocated()) return;
    KillTimer(Handle(), kMouseTimer);
    KillTimer(Handle(), kMorphTimer);
    KillTimer(Handle(), kScrollTimer);
    morphRunning_ = scrollRunning_ = false;
    WatchOutsidePresses(Handle(), false);
    Hide();
}

TBitmap TbsSkinPopupWindow::Background(TSize size) const
{
    TBitmap image(size.cx, size.cy);
    if (windowSkin_) {
        const TbsDataSkinPopupWindow& s = *windowSkin_;
        TSkinCut cut{s.lefttoppoint, s.righttoppoint, s.leftbottompoint, s.rightbottompoint, s.itemsrect};
        TSize picture{windowPicture_->Width(), windowPicture_->Height()};
        TEdgeStretch stretch{s.topstretch, s.bottomstretch, s.leftstretch, s.rightstretch};
        BuildStretchSkinImage(*windowPicture_, Rect(0, 0, picture.cx, picture.cy), cut, size,
                              ResizeSkinCut(cut, picture, size), TClientFill::Tile, stretch, image);
        return image;
    }
    TCanvas canvas(image);
    const int column = images_ ? glyphWidth_ + 2 : 21;
    canvas.SetBrush(TBrush{clBtnFace, TBrushStyle::bsSolid});
    canvas.FillRect(Rect(0, 0, column, size.cy));
    canvas.Brush().Color = clWindow;
    canvas.FillRect(Rect(column, 0, size.cx, size.cy));
    canvas.Brush().Color = clBtnShadow;
    canvas.FrameRect(Rect(0, 0, size.cx, size.cy));
    canvas.Brush().Color = clWindow;
    canvas.FrameRect(Rect(1, 1, size.cx - 1, size.cy - 1));
    return image;
}

TRect TbsSkinPopupWindow::UpperMarker() const
{
    if (!windowSkin_) return Rect(3, 3, Width() - 3, 3 + kMarkerHeight);
    const TRect& r = newItemsRect_;
    return Rect(r.Left, r.Top, r.Right, r.Top + kMarkerHeight);
}

TRect TbsSkinPopupWindow::LowerMarker() const
{
    if (!windowSkin_) return Rect(3, Height() - kMarkerHeight, Width() - 3, Height() - 3);
    const TRect& r = newItemsRect_;
    return Rect(r.Left, r.Bottom - kMarkerHeight, r.Right, r.Bottom);
}

void TbsSkinPopupWindow::DrawScrollMarkers(TCanvas& canvas) const
{
    TColor still = windowSkin_ ? windowSkin_->scrollmarkercolor : clBtnShadow;
    TColor moving = windowSkin_ ? windowSkin_->scrollmarkeractivecolor : clBtnText;
    DrawArrowGlyph(canvas, UpperMarker(), scrollCode_ == 1 ? moving : still, TArrowDirection::Up);
    DrawArrowGlyph(canvas, LowerMarker(), scrollCode_ == 2 ? moving : still, TArrowDirection::Down);
}

void TbsSkinPopupWindow::Paint()
{
    TSize size{Width(), Height()};
    if (size.cx <= 0 || size.cy <= 0) return;
    TBitmap image = Background(size);
    TCanvas canvas(image);
    for (const auto& e : items_) e->Draw(canvas);
    if (scroll_) DrawScrollMarkers(canvas);
    Canvas()->Draw(0, 0, image);
}

void TbsSkinPopupWindow::RedrawMarkers()
{
    if (!HandleAllocated()) return;
    TRect upper = UpperMarker(), lower = LowerMarker();
    InvalidateRect(Handle(), &upper, false);
    InvalidateRect(Handle(), &lower, false);
}

void TbsSkinPopupWindow::DrawEntry(TbsSkinMenuItem* entry)
{
    if (!HandleAllocated() || !entry->Visible) return;
    InvalidateRect(Handle(), &entry->ItemRect, false);
}

void TbsSkinPopupWindow::WndProc(TMessage& m)
{
    TScopedCount busy(busy_);
    switch (m.Msg) {
    case WM_MOUSEACTIVATE: m.Result = MA_NOACTIVATE; return;
    case WM_ERASEBKGND: m.Result = 1; return;
    case WM_CANCELMODE:
        if (engine_->LevelOf(this) >= 0) engine_->CloseAll();
        return;
    case WM_TIMER:
        if (m.WParam == kMouseTimer) MouseTimer();
        else if (m.WParam == kMorphTimer) MorphTimer();
        else if (m.WParam == kScrollTimer) ScrollTimer();
        return;
    case WM_LBUTTONUP: {
        TPoint p = LParamToPoint(m.LParam);
        auto over = std::find_if(items_.begin(), items_.end(),
                                 [&](const auto& e) { return e->Visible && e->ItemRect.Contains(p); });
        if (over == items_.end()) return;
        HoverAt(p);
        if (activeItem_ >= 0 && !items_[size_t(activeItem_)]->IsDivider()) ClickItem(activeItem_);
        return;
    }
    case WM_KEYDOWN: HandleKey(uint16_t(m.WParam)); return;
    default: break;
    }
    TCustomControl::WndProc(m);
}

} // namespace tavrik
