#include "ui/HeaderControl.h"

#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "gfx/TextLayout.h"
#include "ui/Frame3D.h"
#include "ui/ImageList.h"
#include "wsys/WinApi.h"

#include <algorithm>
#include <numeric>

namespace tavrik {

namespace {

constexpr int kTextMargin = 5; // each side of a section's text
constexpr int kImageGap = 4;

} // namespace

THeaderControl::THeaderControl(TComponent* owner) : TCustomControl(owner)
{
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csAcceptsControls | csDoubleClicks));
    SetColor(clBtnFace);
}

void THeaderControl::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WinClassName = kWindowClass;
    params.Style |= HDS_BUTTONS | HDS_FULLDRAG;
}

int THeaderControl::PreferredHeight() const { return TFontInstance::Get(Font().Request())->Height() + 8; }

void THeaderControl::SetImages(TImageList* images)
{
    if (images == images_) return;
    images_ = images;
    Invalidate();
}

int THeaderControl::InsertItem(int index, const HDITEM& info)
{
    index = std::clamp(index, 0, ItemCount());
    TItem item;
    if (info.mask & HDI_TEXT) item.text = info.text;
    if (info.mask & HDI_WIDTH) item.width = std::max(0, info.cxy);
    if (info.mask & HDI_FORMAT) item.fmt = info.fmt;
    if (info.mask & HDI_LPARAM) item.lParam = info.lParam;
    if (info.mask & HDI_IMAGE) item.image = info.iImage;
    items_.insert(items_.begin() + index, item);
    for (int& i : order_)
        if (i >= index) ++i;
    int position = (info.mask & HDI_ORDER) ? std::clamp(info.iOrder, 0, int(order_.size())) : int(order_.size());
    order_.insert(order_.begin() + position, index);
    Invalidate();
    return index;
}

bool THeaderControl::DeleteItem(int index)
{
    if (index < 0 || index >= ItemCount()) return false;
    items_.erase(items_.begin() + index);
    order_.erase(std::remove(order_.begin(), order_.end(), index), order_.end());
    for (int& i : order_)
        if (i > index) --i;
    if (pressedItem_ == index) pressed_ = false;
    if (trackItem_ == index) trackItem_ = -1;
    Invalidate();
    return true;
}

bool THeaderControl::GetItem(int index, HDITEM& info) const
{
    if (index < 0 || index >= ItemCount()) return false;
    const TItem& item = items_[size_t(index)];
    if (info.mask & HDI_TEXT) info.text = item.text;
    if (info.mask & HDI_WIDTH) info.cxy = item.width;
    if (info.mask & HDI_FORMAT) info.fmt = item.fmt;
    if (info.mask & HDI_LPARAM) info.lParam = item.lParam;
    if (info.mask & HDI_IMAGE) info.iImage = item.image;
    if (info.mask & HDI_ORDER)
        info.iOrder = int(std::find(order_.begin(), order_.end(), index) - order_.begin());
    return true;
}

bool THeaderControl::SetItem(int index, const HDITEM& info, bool notify)
{
    if (index < 0 || index >= ItemCount()) return false;
    HDITEM copy = info;
    auto alive = Guard();
    if (notify && Notify(HDN_ITEMCHANGING, index, &copy) != 0) return false;
    if (!alive || index >= ItemCount()) return false;
    TItem& item = items_[size_t(index)];
    if (info.mask & HDI_TEXT) item.text = info.text;
    if (info.mask & HDI_WIDTH) item.width = std::max(0, info.cxy);
    if (info.mask & HDI_FORMAT) item.fmt = info.fmt;
    if (info.mask & HDI_LPARAM) item.lParam = info.lParam;
    if (info.mask & HDI_IMAGE) item.image = info.iImage;
    if (info.mask & HDI_ORDER) {
        order_.erase(std::remove(order_.begin(), order_.end(), index), order_.end());
        order_.insert(order_.begin() + std::clamp(info.iOrder, 0, int(order_.size())), index);
    }
    Invalidate();
    if (notify) Notify(HDN_ITEMCHANGED, index, &copy);
    return true;
}

bool THeaderControl::SetOrderArray(const std::vector<int>& order)
{
    if (int(order.size()) != ItemCount()) return false;
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < ItemCount(); ++i)
        if (sorted[size_t(i)] != i) return false;
    order_ = order;
    Invalidate();
    HDITEM info;
    info.mask = HDI_ORDER;
    if (!order_.empty()) {
        info.iOrder = 0;
        Notify(HDN_ITEMCHANGED, order_[0], &info);
    }
    return true;
}

int THeaderControl::OrderToIndex(int position) const
{
    return position >= 0 && position < int(order_.size()) ? order_[size_t(position)] : -1;
}

TRect THeaderControl::ItemRect(int index) const
{
    if (index < 0 || index >= ItemCount()) return {};
    int x = 0;
    for (int i : order_) {
        if (i == index) return {x, 0, x + items_[size_t(i)].width, ClientHeight()};
        x += items_[size_t(i)].width;
    }
    return {};
}

int THeaderControl::HitTest(TPoint p, UINT& flags) const
{
    TRect client = ClientRect();
    flags = 0;
    if (p.y < 0) flags |= HHT_ABOVE;
    if (p.y >= client.Bottom) flags |= HHT_BELOW;
    if (p.x < 0) flags |= HHT_TOLEFT;
    if (p.x >= client.Right) flags |= HHT_TORIGHT;
    if (flags) return -1;
    // The divider nearest the point within the grip wins; of equal ones the later, so that a
    // section dragged down to width 0 can be pulled open again.
    int divider = -1, best = kDividerGrip + 1, x = 0, on = -1;
    for (int i : order_) {
        int left = x;
        x += items_[size_t(i)].width;
        if (p.x >= left && p.x < x) on = i;
        int distance = std::abs(p.x - x);
        if (distance <= best && distance <= kDividerGrip) {
            best = distance;
            divider = i;
        }
    }
    if (divider >= 0) {
        flags = HHT_ONDIVIDER;
        return divider;
    }
    flags = on >= 0 ? HHT_ONHEADER : HHT_NOWHERE;
    return on;
}

LRESULT THeaderControl::Notify(UINT code, int item, HDITEM* info)
{
    if (!HandleAllocated()) return 0;
    HWND parent = GetParent(Handle());
    if (!parent) return 0;
    NMHEADER nm;
    nm.hdr.hwndFrom = Handle();
    nm.hdr.idFrom = uintptr_t(GetWindowLongPtr(Handle(), GWLP_ID));
    nm.hdr.code = code;
    nm.iItem = item;
    nm.pitem = info;
    return SendMessage(parent, WM_NOTIFY, WPARAM(nm.hdr.idFrom), PtrToLParam(&nm));
}

void THeaderControl::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case HDM_GETITEMCOUNT: m.Result = ItemCount(); return;
    case HDM_INSERTITEM: {
        auto* info = LParamToPtr<const HDITEM>(m.LParam);
        m.Result = info ? InsertItem(int(m.WParam), *info) : -1;
        return;
    }
    case HDM_DELETEITEM: m.Result = DeleteItem(int(m.WParam)); return;
    case HDM_GETITEM: {
        auto* info = LParamToPtr<HDITEM>(m.LParam);
        m.Result = info && GetItem(int(m.WParam), *info);
        return;
    }
    case HDM_SETITEM: {
        auto* info = LParamToPtr<const HDITEM>(m.LParam);
        m.Result = info && SetItem(int(m.WParam), *info);
        return;
    }
    case HDM_GETITEMRECT: {
        auto* r = LParamToPtr<TRect>(m.LParam);
        int index = int(m.WParam);
        m.Result = r && index >= 0 && index < ItemCount();
        if (m.Result) *r = ItemRect(index);
        return;
    }
    case HDM_HITTEST: {
        auto* info = LParamToPtr<HDHITTESTINFO>(m.LParam);
        if (!info) {
            m.Result = -1;
            return;
        }
        info->iItem = HitTest(info->pt, info->flags);
        m.Result = info->iItem;
        return;
    }
    case HDM_ORDERTOINDEX: m.Result = OrderToIndex(int(m.WParam)); return;
    case HDM_GETORDERARRAY: {
        auto* out = LParamToPtr<int>(m.LParam);
        m.Result = out && int(m.WParam) == ItemCount();
        if (m.Result) std::copy(order_.begin(), order_.end(), out);
        return;
    }
    case HDM_SETORDERARRAY: {
        auto* in = LParamToPtr<const int>(m.LParam);
        m.Result = in && SetOrderArray(std::vector<int>(in, in + m.WParam));
        return;
    }
    case WM_SETCURSOR:
        if (LOWORD(uint64_t(m.LParam)) == HTCLIENT) {
            UINT flags = 0;
            HitTest(ScreenToClient(GetCursorPos()), flags);
            if (flags & HHT_ONDIVIDER || Tracking()) {
                tavrik::SetCursor(LoadCursor(IDC_SIZEWE));
                m.Result = 1;
                return;
            }
        }
        break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void THeaderControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    if (button == TMouseButton::Left) {
        UINT flags = 0;
        int item = HitTest({x, y}, flags);
        auto alive = Guard();
        if (flags & HHT_ONDIVIDER) {
            if (Notify(HDN_BEGINTRACK, item) == 0 && alive) {
                trackItem_ = item;
                trackStartX_ = x;
                trackStartWidth_ = items_[size_t(item)].width;
            }
        } else if (item >= 0) {
            pressed_ = true;
            pressedInside_ = true;
            pressedItem_ = item;
            pressX_ = x;
            moving_ = false;
            Invalidate();
        }
        if (!alive) return;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void THeaderControl::MouseMove(TShiftState shift, int x, int y)
{
    if (trackItem_ >= 0) {
        ChangeWidthFromDrag(x);
    } else if (pressed_ && !moving_ && dragDrop_ && std::abs(x - pressX_) > GetSystemMetrics(SM_CXDRAG)) {
        auto alive = Guard();
        if (Notify(HDN_BEGINDRAG, pressedItem_) == 0 && alive) {
            moving_ = true;
            pressedInside_ = false;
            Invalidate();
        }
        if (!alive) return;
    } else if (pressed_ && !moving_) {
        bool inside = ItemRect(pressedItem_).Contains(TPoint{x, y});
        if (inside != pressedInside_) {
            pressedInside_ = inside;
            Invalidate();
        }
    }
    TCustomControl::MouseMove(shift, x, y);
}

void THeaderControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    if (button == TMouseButton::Left) {
        if (trackItem_ >= 0) {
            ChangeWidthFromDrag(x);
            int item = trackItem_;
            trackItem_ = -1;
            if (alive) Notify(HDN_ENDTRACK, item);
        } else if (pressed_) {
            bool click = !moving_ && pressedInside_ && ItemRect(pressedItem_).Contains(TPoint{x, y});
            int item = pressedItem_;
            bool moved = moving_;
            pressed_ = false;
            moving_ = false;
            pressedItem_ = -1;
            Invalidate();
            if (moved) {
                pressedItem_ = item;
                DropSection(x);
                pressedItem_ = -1;
            } else if (click) {
                Notify(HDN_ITEMCLICK, item);
            }
        }
    }
    if (alive) TCustomControl::MouseUp(button, shift, x, y);
}

// The moved section takes the display position of the section it is dropped on (the first
// or the last one when dropped beyond the ends).
void THeaderControl::DropSection(int x)
{
    int item = pressedItem_;
    if (item < 0 || item >= ItemCount()) return;
    int target = int(order_.size()) - 1;
    int left = 0;
    for (size_t position = 0; position < order_.size(); ++position) {
        left += items_[size_t(order_[position])].width;
        if (x < left) {
            target = int(position);
            break;
        }
    }
    if (x < 0) target = 0;
    std::vector<int> order = order_;
    order.erase(std::find(order.begin(), order.end(), item));
    order.insert(order.begin() + target, item);
    auto alive = Guard();
    Notify(HDN_ENDDRAG, item);
    if (alive && order != order_) SetOrderArray(order);
}

void THeaderControl::ChangeWidthFromDrag(int x)
{
    if (trackItem_ < 0 || trackItem_ >= ItemCount()) return;
    int width = std::max(0, trackStartWidth_ + x - trackStartX_);
    if (width == items_[size_t(trackItem_)].width) return;
    HDITEM info;
    info.mask = HDI_WIDTH;
    info.cxy = width;
    auto alive = Guard();
    if (Notify(HDN_TRACK, trackItem_, &info) != 0 || !alive) return;
    SetItem(trackItem_, info, true);
}

void THeaderControl::Paint()
{
    TCanvas& canvas = *Canvas();
    int right = 0;
    for (int index : order_) {
        TRect r = ItemRect(index);
        right = std::max(right, r.Right);
        if (r.IsEmpty() || !canvas.RectVisible(r)) continue;
        TCanvasStateSaver saver(canvas);
        canvas.IntersectClipRect(r);
        PaintSection(canvas, index, r);
    }
    TRect rest{right, 0, ClientWidth() + 1, ClientHeight()};
    if (rest.IsEmpty()) return;
    TRect frame = rest;
    Frame3D(canvas, frame, clBtnHighlight, clBtnShadow, 1);
    canvas.Brush().Color = clBtnFace;
    canvas.FillRect(frame);
}

void THeaderControl::PaintSection(TCanvas& canvas, int index, const TRect& r)
{
    const TItem& item = items_[size_t(index)];
    bool down = PressedItem() == index;
    TRect inner = r;
    if (down) Frame3D(canvas, inner, clBtnShadow, clBtnShadow, 1);
    else Frame3D(canvas, inner, clBtnHighlight, clBtnShadow, 1);
    canvas.Brush().Color = clBtnFace;
    canvas.Brush().Style = TBrushStyle::bsSolid;
    canvas.FillRect(inner);

    TRect text{r.Left + kTextMargin, r.Top, r.Right - kTextMargin, r.Bottom};
    if (down) text = text.Offset(1, 1);
    bool image = images_ && item.image >= 0 && item.image < images_->Count();
    if (image) {
        images_->Draw(canvas, text.Left, text.Top + (text.Height() - images_->Height()) / 2, item.image, Enabled());
        text.Left += images_->Width() + kImageGap;
    }
    if (text.IsEmpty()) return;
    unsigned align = (item.fmt & HDF_JUSTIFYMASK) == HDF_RIGHT    ? DT_RIGHT
                     : (item.fmt & HDF_JUSTIFYMASK) == HDF_CENTER ? DT_CENTER
                                                                   : DT_LEFT;
    canvas.Brush().Style = TBrushStyle::bsClear;
    canvas.Font().Color = Enabled() ? clBtnText : clGrayText;
    canvas.DrawText(item.text, text, align | DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS | DT_NOPREFIX);
}

} // namespace tavrik
