#include "ui/ListView.h"

#include "core/Utf8.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "ui/HeaderControl.h"
#include "ui/ImageList.h"

#include <algorithm>

namespace tavrik {

TCustomListView::TCustomListView(TComponent* owner) : TCustomControl(owner), items_(this), columns_(this)
{
    SetControlStyle((ControlStyle() | csOpaque) & ~unsigned(csAcceptsControls));
    SetColor(clWindow);
    SetTabStop(true);
    SetBounds(0, 0, 250, 150);
    header_ = new THeaderControl(this);
    header_->SetVisible(false);
    header_->SetParent(this);
    // Image lists kept outside the list's components may go after the header and tell the
    // list so; by then the list must know that the header is gone.
    header_->FreeNotification(this);
}

TCustomListView::~TCustomListView() = default;

void TCustomListView::CreateParams(TCreateParams& params)
{
    TCustomControl::CreateParams(params);
    params.WinClassName = "SysListView32";
    if (borderStyle_ == TBorderStyle::bsSingle) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomListView::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove) {
        if (component == largeImages_) SetLargeImages(nullptr);
        if (component == smallImages_) SetSmallImages(nullptr);
        if (component == stateImages_) SetStateImages(nullptr);
        if (component == header_) header_ = nullptr;
    }
    TCustomControl::Notification(component, operation);
}

void TCustomListView::SetViewStyle(TViewStyle style)
{
    if (style == viewStyle_) return;
    viewStyle_ = style;
    vPos_ = 0;
    hPos_ = 0;
    LayoutChanged();
}

void TCustomListView::SetLargeImages(TImageList* images)
{
    if (images == largeImages_) return;
    if (largeImages_) largeImages_->RemoveFreeNotification(this);
    largeImages_ = images;
    if (images) images->FreeNotification(this);
    LayoutChanged();
}

void TCustomListView::SetSmallImages(TImageList* images)
{
    if (images == smallImages_) return;
    if (smallImages_) smallImages_->RemoveFreeNotification(this);
    smallImages_ = images;
    if (images) images->FreeNotification(this);
    if (header_) header_->SetImages(images);
    LayoutChanged();
}

void TCustomListView::SetStateImages(TImageList* images)
{
    if (images == stateImages_) return;
    if (stateImages_) stateImages_->RemoveFreeNotification(this);
    stateImages_ = images;
    if (images) images->FreeNotification(this);
    LayoutChanged();
}

void TCustomListView::SetBorderStyle(TBorderStyle style)
{
    if (style == borderStyle_) return;
    borderStyle_ = style;
    RecreateWnd();
    LayoutChanged();
}

void TCustomListView::SetRowSelect(bool on)
{
    if (on == rowSelect_) return;
    rowSelect_ = on;
    Invalidate();
}

void TCustomListView::SetHideSelection(bool on)
{
    if (on == hideSelection_) return;
    hideSelection_ = on;
    if (!Focused()) Invalidate();
}

void TCustomListView::SetShowColumnHeaders(bool on)
{
    if (on == showColumnHeaders_) return;
    showColumnHeaders_ = on;
    RecreateWnd();
    LayoutChanged();
}

void TCustomListView::SetFullDrag(bool on)
{
    fullDrag_ = on;
    if (header_) header_->SetDragDrop(on);
}

void TCustomListView::SetOwnerDraw(bool on)
{
    if (on == ownerDraw_) return;
    ownerDraw_ = on;
    Invalidate();
}

void TCustomListView::SetOwnerData(bool on)
{
    if (on == ownerData_) return;
    items_.Clear();
    ownerData_ = on;
    focused_ = anchor_ = -1;
    LayoutChanged();
}

void TCustomListView::SetMultiSelect(bool on)
{
    if (on == multiSelect_) return;
    multiSelect_ = on;
    if (!on && SelCount() > 1) {
        std::vector<int> selected = items_.SelectedIndices();
        ChangeSelection({}, std::vector<int>(selected.begin() + 1, selected.end()));
    }
}

void TCustomListView::SetSortType(TSortType type)
{
    if (type == sortType_) return;
    sortType_ = type;
    if (type != TSortType::stNone) AlphaSort();
}

TListItem* TCustomListView::Selected()
{
    if (SelCount() == 0) return nullptr;
    int n = items_.Count();
    for (int i = 0; i < n; ++i)
        if (items_.IsSelected(i)) return items_.Item(i);
    return nullptr;
}

void TCustomListView::SetSelected(TListItem* item)
{
    int index = items_.IndexOf(item);
    std::vector<int> off = items_.SelectedIndices();
    off.erase(std::remove(off.begin(), off.end(), index), off.end());
    ChangeSelection(index >= 0 ? std::vector<int>{index} : std::vector<int>{}, off);
}

TListItem* TCustomListView::ItemFocused() { return focused_ >= 0 ? items_.Item(focused_) : nullptr; }

void TCustomListView::SetItemFocused(TListItem* item) { SetFocusedIndex(items_.IndexOf(item)); }

void TCustomListView::SetFocusedIndex(int index)
{
    if (index < -1 || index >= items_.Count()) index = -1;
    if (index == focused_) return;
    focused_ = index;
    Invalidate();
}

void TCustomListView::ClearSelection() { ChangeSelection({}, items_.SelectedIndices()); }

void TCustomListView::SelectAll()
{
    if (!multiSelect_) return;
    std::vector<int> all;
    all.reserve(size_t(items_.Count()));
    for (int i = 0; i < items_.Count(); ++i)
        if (!items_.IsSelected(i)) all.push_back(i);
    ChangeSelection(all, {});
}

void TCustomListView::SetItemSelected(int index, bool on)
{
    if (index < 0 || index >= items_.Count()) return;
    if (!on) {
        ChangeSelection({}, {index});
        return;
    }
    std::vector<int> off;
    if (!multiSelect_) {
        off = items_.SelectedIndices();
        off.erase(std::remove(off.begin(), off.end(), index), off.end());
    }
    ChangeSelection({index}, off);
}

void TCustomListView::SelectRange(int from, int to, bool keepOthers)
{
    int n = items_.Count();
    if (n == 0) return;
    int lo = std::clamp(std::min(from, to), 0, n - 1), hi = std::clamp(std::max(from, to), 0, n - 1);
    std::vector<int> on, off;
    for (int i = lo; i <= hi; ++i)
        if (!items_.IsSelected(i)) on.push_back(i);
    if (!keepOthers)
        for (int i : items_.SelectedIndices())
            if (i < lo || i > hi) off.push_back(i);
    ChangeSelection(on, off);
}

// Deselections are applied and announced before selections, so that a handler never sees two
// items selected in a single-selection list.
void TCustomListView::ChangeSelection(const std::vector<int>& turnOn, const std::vector<int>& turnOff)
{
    std::vector<int> changedOff, changedOn;
    for (int i : turnOff)
        if (items_.IsSelected(i)) {
            items_.SetSelectedFlag(i, false);
            changedOff.push_back(i);
        }
    for (int i : turnOn)
        if (!items_.IsSelected(i)) {
            items_.SetSelectedFlag(i, true);
            changedOn.push_back(i);
        }
    if (changedOff.empty() && changedOn.empty()) return;
    Invalidate();
    if (!OnSelectItem && !OnChange) return;
    auto alive = Guard();
    for (int i : changedOff) {
        if (!alive) return;
        SelectionChanged(i, false);
    }
    for (int i : changedOn) {
        if (!alive) return;
        SelectionChanged(i, true);
    }
}

void TCustomListView::SelectionChanged(int index, bool on)
{
    TListItem* item = items_.Item(index);
    if (!item || items_.Updating()) return;
    auto alive = Guard();
    if (OnSelectItem) OnSelectItem(this, item, on);
    if (alive && OnChange && items_.Item(index) == item) OnChange(this, item, TItemChange::ctState);
}

void TCustomListView::ItemChanged(TListItem* item, TItemChange change)
{
    if (fillingVirtual_) return;
    // Captions only widen the list's columns here; deletions measure them all again.
    if (change == TItemChange::ctText && widestCaption_ >= 0)
        widestCaption_ = std::max(widestCaption_, TFontInstance::Get(Font().Request())->TextWidth(item->Caption()));
    if (items_.Updating()) return;
    if (viewStyle_ == TViewStyle::vsList || viewStyle_ == TViewStyle::vsSmallIcon) LayoutChanged();
    else Invalidate();
    if (OnChange) OnChange(this, item, change);
}

void TCustomListView::ItemInserted(int index)
{
    if (focused_ >= index) ++focused_;
    if (anchor_ >= index) ++anchor_;
    LayoutChanged();
}

void TCustomListView::ItemDeleting(TListItem* item)
{
    if (OnDeletion && !Destroying()) OnDeletion(this, item);
}

// The focus does not pass to a neighbour of a deleted focused item: a command that acts on the
// focused item must not hop along the list on repeated use.
void TCustomListView::ItemDeleted(int index)
{
    if (focused_ == index) focused_ = -1;
    else if (focused_ > index) --focused_;
    if (anchor_ == index) anchor_ = -1;
    else if (anchor_ > index) --anchor_;
    widestCaption_ = -1;
    if (!Destroying()) LayoutChanged();
}

void TCustomListView::ItemCountChanged()
{
    int n = items_.Count();
    if (focused_ >= n) focused_ = -1;
    if (anchor_ >= n) anchor_ = -1;
    LayoutChanged();
}

void TCustomListView::ItemsUpdated() { LayoutChanged(); }

void TCustomListView::ColumnsChanged()
{
    if (!syncingHeader_) SyncHeader();
    LayoutChanged();
}

void TCustomListView::FillVirtualItem(TListItem* item)
{
    if (!OnData) return;
    fillingVirtual_ = true;
    try {
        OnData(this, item);
    } catch (...) {
        fillingVirtual_ = false;
        throw;
    }
    fillingVirtual_ = false;
}

bool TCustomListView::AlphaSort()
{
    return CustomSort([this](TListItem* a, TListItem* b) {
        int result = 0;
        if (OnCompare) {
            OnCompare(this, a, b, 0, result);
            return result;
        }
        auto byData = [](TListItem* x, TListItem* y) {
            auto dx = reinterpret_cast<uintptr_t>(x->Data()), dy = reinterpret_cast<uintptr_t>(y->Data());
            return dx < dy ? -1 : dx > dy ? 1 : 0;
        };
        if (sortType_ == TSortType::stData) return byData(a, b);
        std::string ta = LowerCaseAscii(a->Caption()), tb = LowerCaseAscii(b->Caption());
        result = ta.compare(tb);
        if (result == 0 && sortType_ == TSortType::stBoth) result = byData(a, b);
        return result;
    });
}

bool TCustomListView::CustomSort(const std::function<int(TListItem*, TListItem*)>& compare)
{
    if (ownerData_) return false;
    TListItem* focus = ItemFocused();
    TListItem* anchor = anchor_ >= 0 ? items_.Item(anchor_) : nullptr;
    items_.Sort([&](TListItem* a, TListItem* b) { return compare(a, b) < 0; });
    focused_ = focus ? focus->Index() : -1;
    anchor_ = anchor ? anchor->Index() : -1;
    Invalidate();
    return true;
}

} // namespace tavrik
