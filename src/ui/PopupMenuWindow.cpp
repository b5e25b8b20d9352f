#include "ui/PopupMenuWindow.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/ImageList.h"
#include "ui/MenuItem.h"
#include "ui/MenuTracker.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

// Geometry of a level, left to right and top to bottom:
//
//   | 1 | gutter (check or image) 28 | caption ... | 24 | shortcut | arrow 20 | 1 |
//
// with 3 pixels above the first and below the last item.
namespace {

constexpr int kBorder = 1;
constexpr int kPadY = 3;
constexpr int kGutter = 28;
constexpr int kShortCutGap = 24;
constexpr int kArrowArea = 20;
constexpr int kSeparatorHeight = 9;
constexpr int kMinWidth = 120;
constexpr TColor kSeparator = RGB(220, 220, 220);

} // namespace

bool HasSubmenu(const TMenuItem* item)
{
    for (int i = 0; i < item->Count(); ++i)
        if (item->Items(i)->Visible()) return true;
    return false;
}

TPopupMenuWindow::TPopupMenuWindow(TMenuTracker* tracker, TMenuItem* parent, TImageList* images, bool first)
    : TCustomControl(nullptr), tracker_(tracker), parent_(parent), images_(images), first_(first)
{
    SetVisible(false);
    SetColor(clMenu);
    Font().SetColor(clMenuText);
    for (int i = 0; i < parent->Count(); ++i)
        if (parent->Items(i)->Visible()) items_.push_back(parent->Items(i));
    Layout();
}

void TPopupMenuWindow::CreateParams(TCreateParams& p)
{
    TCustomControl::CreateParams(p);
    p.Style = WS_POPUP;
    p.ExStyle = WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE;
    p.WindowClassStyle |= CS_SAVEBITS | CS_DROPSHADOW;
}

void TPopupMenuWindow::Layout()
{
    TBitmap scratch(1, 1);
    TCanvas canvas(scratch);
    int textWidth = 0, shortCutWidth = 0;
    int itemHeight = 0;
    for (TMenuItem* item : items_) {
        TFontRequest font = Font().Request();
        if (item->Default()) font.Style |= fsBold;
        canvas.SetFont(font);
        itemHeight = std::max(itemHeight, canvas.TextHeight("Wg") + 8);
        textWidth = std::max(textWidth, canvas.TextWidth(StripHotkey(item->Caption())));
        shortCutWidth = std::max(shortCutWidth, canvas.TextWidth(ShortCutToText(item->ShortCut())));
    }
    itemHeight = std::max(itemHeight, 22);
    int width = kBorder + kGutter + textWidth + (shortCutWidth ? kShortCutGap + shortCutWidth : 0) + kArrowArea + kBorder;
    width = std::max(width, kMinWidth);
    shortCutLeft_ = width - kBorder - kArrowArea - shortCutWidth;
    int y = kBorder + kPadY;
    rects_.clear();
    for (TMenuItem* item : items_) {
        int h = item->IsLine() ? kSeparatorHeight : itemHeight;
        rects_.push_back({kBorder, y, width - kBorder, y + h});
        y += h;
    }
    size_ = {width, y + kPadY + kBorder};
}

void TPopupMenuWindow::SetSelected(int index)
{
    if (index != -1 && !Selectable(index)) index = -1;
    if (index == selected_) return;
    if (HandleAllocated()) {
        if (selected_ >= 0) InvalidateRect(Handle(), &rects_[size_t(selected_)], false);
        if (index >= 0) InvalidateRect(Handle(), &rects_[size_t(index)], false);
    }
    selected_ = index;
}

int TPopupMenuWindow::ItemAt(TPoint client) const
{
    for (size_t i = 0; i < rects_.size(); ++i)
        if (rects_[i].Contains(client)) return items_[i]->IsLine() ? -1 : int(i);
    return -1;
}

bool TPopupMenuWindow::Selectable(int index) const
{
    if (index < 0 || index >= ItemCount()) return false;
    const TMenuItem* item = items_[size_t(index)];
    return !item->IsLine() && item->Enabled();
}

int TPopupMenuWindow::NextSelectable(int from, int direction) const
{
    int n = ItemCount();
    for (int step = 1; step <= n; ++step) {
        int i = from < 0 ? (direction > 0 ? step - 1 : n - step) : ((from + direction * step) % n + n) % n;
        if (Selectable(i)) return i;
    }
    return -1;
}

int TPopupMenuWindow::IndexOfAccelerator(char32_t c) const
{
    if (c < 128) c = char32_t(std::toupper(int(c)));
    for (int i = 0; i < ItemCount(); ++i)
        if (Selectable(i) && items_[size_t(i)]->Accelerator() == c) return i;
    return -1;
}

void TPopupMenuWindow::WndProc(TMessage& m)
{
    if (m.Msg >= WM_MOUSEMOVE && m.Msg <= WM_MBUTTONDBLCLK) {
        tracker_->MouseMessage(m.Msg, ClientToScreen(LParamToPoint(m.LParam)));
        return;
    }
    switch (m.Msg) {
    case WM_MOUSEACTIVATE: m.Result = MA_NOACTIVATE; return;
    case WM_CAPTURECHANGED:
        // The first level holds the mouse for the whole menu; losing it ends the menu.
        if (first_ && HandleFromValue(uint64_t(m.LParam)) != Handle()) tracker_->Close(nullptr);
        return;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TPopupMenuWindow::Paint()
{
    TCanvas& c = *Canvas();
    TRect client = ClientRect();
    c.Brush().Color = clBtnShadow;
    c.FrameRect(client);
    c.Brush().Color = Color();
    c.FillRect(client.Inflate(-kBorder, -kBorder));
    for (int i = 0; i < ItemCount(); ++i)
        if (c.RectVisible(rects_[size_t(i)])) PaintItem(c, i);
}

void TPopupMenuWindow::PaintItem(TCanvas& c, int index)
{
    TMenuItem* item = items_[size_t(index)];
    TRect r = rects_[size_t(index)];
    TCanvasStateSaver saver(c);
    c.Brush().Color = Color();
    c.FillRect(r);
    if (item->IsLine()) {
        c.Brush().Color = kSeparator;
        c.FillRect({r.Left + kGutter, r.Top + r.Height() / 2, r.Right - 4, r.Top + r.Height() / 2 + 1});
        return;
    }
    bool selected = index == selected_;
    TColor text = !item->Enabled() ? clGrayText : selected ? clHighlightText : clMenuText;
    if (selected) {
        c.Brush().Color = clHighlight;
        c.FillRect(r.Inflate(-2, 0));
    }
    int midY = r.Top + r.Height() / 2;
    bool image = images_ && item->ImageIndex() >= 0 && item->ImageIndex() < images_->Count();
    if (image) {
        images_->Draw(c, r.Left + (kGutter - images_->Width()) / 2, midY - images_->Height() / 2, item->ImageIndex(),
                      item->Enabled());
    }
    if (item->Checked()) {
        c.Brush().Color = text;
        int cx = r.Left + kGutter / 2;
        if (item->RadioItem()) {
            c.Pen().Color = text;
            c.Ellipse(cx - 3, midY - 3, cx + 4, midY + 4);
        } else if (!image) {
            for (int i = 0; i < 3; ++i) c.FillRect(Bounds(cx - 4 + i, midY - 1 + i, 1, 3));
            for (int i = 0; i < 5; ++i) c.FillRect(Bounds(cx - 1 + i, midY + 1 - i, 1, 3));
        } else {
            c.Brush().Color = clHighlight;
            c.FrameRect(Bounds(r.Left + (kGutter - images_->Width()) / 2 - 2, midY - images_->Height() / 2 - 2,
                               images_->Width() + 4, images_->Height() + 4));
        }
    }
    TFontRequest font = Font().Request();
    font.Color = text;
    if (item->Default()) font.Style |= fsBold;
    c.SetFont(font);
    c.Brush().Style = TBrushStyle::bsClear;
    TRect caption{r.Left + kGutter, r.Top, shortCutLeft_, r.Bottom};
    c.DrawText(item->Caption(), caption, DT_SINGLELINE | DT_VCENTER);
    std::string shortCut = ShortCutToText(item->ShortCut());
    if (!shortCut.empty()) {
        TRect sr{shortCutLeft_, r.Top, r.Right - kArrowArea, r.Bottom};
        c.DrawText(shortCut, sr, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    if (HasSubmenu(item)) {
        // A small triangle pointing right.
        c.Brush().Style = TBrushStyle::bsSolid;
        c.Brush().Color = text;
        int x = r.Right - kArrowArea / 2 - 2;
        for (int i = 0; i < 4; ++i) c.FillRect({x + i, midY - 3 + i, x + i + 1, midY + 4 - i});
    }
}

} // namespace tavrik
