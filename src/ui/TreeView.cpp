#include "ui/TreeView.h"

#include "core/TickClock.h"
#include "core/Utf8.h"
#include "gfx/Canvas.h"
#include "gfx/FontInstance.h"
#include "gfx/SystemColors.h"
#include "ui/ImageList.h"
#include "ui/ListScrolling.h"
#include "wsys/WinApi.h"

#include <algorithm>

namespace tavrik {

namespace {

constexpr int kTextPadding = 2;  // inside the text cell, left and right
constexpr int kImageGap = 3;     // between image and text cell
constexpr int kButtonSize = 9;
constexpr int kHorzLine = 8;     // pixels per horizontal scroll line
constexpr uint64_t kPrefixTimeoutMs = 1000;

} // namespace

TCustomTreeView::TCustomTreeView(TComponent* owner) : TCustomControl(owner), nodes_(new TTreeNodes(this))
{
    SetControlStyle(ControlStyle() | csOpaque);
    SetTabStop(true);
    SetColor(clWindow);
    SetBounds(0, 0, 121, 97);
}

TCustomTreeView::~TCustomTreeView()
{
    // Nodes go without events now; BeforeDestruction gave the program its OnDeletion calls.
    selected_ = nullptr;
}

void TCustomTreeView::BeforeDestruction()
{
    nodes_->Clear();
    TCustomControl::BeforeDestruction();
}

void TCustomTreeView::SetShowLines(bool on)
{
    if (on == showLines_) return;
    showLines_ = on;
    Invalidate();
}

void TCustomTreeView::SetShowButtons(bool on)
{
    if (on == showButtons_) return;
    showButtons_ = on;
    Invalidate();
}

void TCustomTreeView::SetShowRoot(bool on)
{
    if (on == showRoot_) return;
    showRoot_ = on;
    NodesChanged(true);
}

void TCustomTreeView::SetHideSelection(bool on)
{
    if (on == hideSelection_) return;
    hideSelection_ = on;
    Invalidate();
}

void TCustomTreeView::SetIndent(int indent)
{
    if (indent < 1 || indent == indent_) return;
    indent_ = indent;
    NodesChanged(true);
}

int TCustomTreeView::ItemHeight() const
{
    if (itemHeight_ > 0) return itemHeight_;
    int h = TFontInstance::Get(Font().Request())->Height() + 2;
    if (images_) h = std::max(h, images_->Height() + 2);
    if (stateImages_) h = std::max(h, stateImages_->Height() + 2);
    return h;
}

void TCustomTreeView::SetItemHeight(int height)
{
    height = std::max(0, height);
    if (height == itemHeight_) return;
    itemHeight_ = height;
    NodesChanged(true);
}

void TCustomTreeView::SetImages(TImageList* images)
{
    if (images == images_) return;
    if (images_) images_->RemoveFreeNotification(this);
    images_ = images;
    if (images_) images_->FreeNotification(this);
    NodesChanged(true);
}

void TCustomTreeView::SetStateImages(TImageList* images)
{
    if (images == stateImages_) return;
    if (stateImages_) stateImages_->RemoveFreeNotification(this);
    stateImages_ = images;
    if (stateImages_) stateImages_->FreeNotification(this);
    NodesChanged(true);
}

void TCustomTreeView::Notification(TComponent* component, TOperation operation)
{
    TCustomControl::Notification(component, operation);
    if (operation != TOperation::opRemove) return;
    if (component == images_) images_ = nullptr;
    else if (component == stateImages_) stateImages_ = nullptr;
    else return;
    NodesChanged(true);
}

int TCustomTreeView::ImagesWidth() const
{
    return (stateImages_ ? stateImages_->Width() + kImageGap : 0) + (images_ ? images_->Width() + kImageGap : 0);
}

void TCustomTreeView::FontChanged()
{
    TCustomControl::FontChanged();
    NodesChanged(true);
}

void TCustomTreeView::Resize()
{
    TCustomControl::Resize();
    ClampScroll();
    UpdateScrollBars();
}

const std::vector<TTreeNode*>& TCustomTreeView::Rows() const
{
    if (!rowsValid_) {
        rows_.clear();
        for (TTreeNode* n = nodes_->GetFirstNode(); n; n = n->GetNextVisible()) rows_.push_back(n);
        rowsValid_ = true;
    }
    return rows_;
}

int TCustomTreeView::RowCount() const { return int(Rows().size()); }

int TCustomTreeView::RowOf(const TTreeNode* node) const
{
    const auto& rows = Rows();
    auto it = std::find(rows.begin(), rows.end(), node);
    return it == rows.end() ? -1 : int(it - rows.begin());
}

int TCustomTreeView::VisibleCount() const { return std::max(0, ClientHeight()) / ItemHeight(); }

int TCustomTreeView::ContentLeft(const TTreeNode* node) const
{
    return (node->Level() + (showRoot_ ? 1 : 0)) * indent_ - horzOffset_;
}

int TCustomTreeView::TextWidth(const TTreeNode* node) const
{
    return TFontInstance::Get(Font().Request())->TextWidth(node->Text()) + 2 * kTextPadding;
}

int TCustomTreeView::ContentWidth() const
{
    if (contentWidth_ >= 0 && rowsValid_) return contentWidth_;
    int width = 0;
    int image = ImagesWidth();
    for (TTreeNode* n : Rows()) width = std::max(width, ContentLeft(n) + horzOffset_ + image + TextWidth(n));
    contentWidth_ = width;
    return width;
}

TRect TCustomTreeView::NodeRect(const TTreeNode* node, bool textOnly) const
{
    int row = node ? RowOf(node) : -1;
    if (row < 0) return {};
    int top = (row - topIndex_) * ItemHeight();
    if (!textOnly) return {0, top, ClientWidth(), top + ItemHeight()};
    int left = ContentLeft(node) + ImagesWidth();
    return {left, top, left + TextWidth(node), top + ItemHeight()};
}

TTreeNode* TCustomTreeView::GetNodeAt(int x, int y) const
{
    if (x < 0 || x >= ClientWidth() || y < 0) return nullptr;
    int row = topIndex_ + y / ItemHeight();
    return row < RowCount() ? Rows()[size_t(row)] : nullptr;
}

unsigned TCustomTreeView::GetHitTestInfoAt(int x, int y) const
{
    TTreeNode* node = GetNodeAt(x, y);
    if (!node) return htNowhere;
    int content = ContentLeft(node);
    int image = ImagesWidth();
    if (x >= content + image + TextWidth(node)) return htOnRight;
    if (x >= content + image) return htOnLabel;
    if (x >= content) return htOnIcon;
    bool button = showButtons_ && node->HasChildren() && (showRoot_ || node->Level() > 0);
    return button && x >= content - indent_ ? htOnButton : htOnIndent;
}

TTreeNode* TCustomTreeView::TopItem() const
{
    return topIndex_ < RowCount() ? Rows()[size_t(topIndex_)] : nullptr;
}

void TCustomTreeView::SetTopItem(TTreeNode* node)
{
    int row = RowOf(node);
    if (row >= 0) SetTopIndex(row);
}

void TCustomTreeView::SetTopIndex(int row)
{
    row = std::clamp(row, 0, std::max(0, RowCount() - std::max(1, VisibleCount())));
    if (row == topIndex_) return;
    topIndex_ = row;
    UpdateScrollBars();
    Invalidate();
}

void TCustomTreeView::SetHorzOffset(int pixels)
{
    pixels = std::clamp(pixels, 0, std::max(0, ContentWidth() - ClientWidth()));
    if (pixels == horzOffset_) return;
    horzOffset_ = pixels;
    UpdateScrollBars();
    Invalidate();
}

void TCustomTreeView::ClampScroll()
{
    SetTopIndex(topIndex_);
    SetHorzOffset(horzOffset_);
}

void TCustomTreeView::GetVertScrollRange(int& min, int& max, int& page, int& position) const
{
    min = 0;
    max = std::max(0, RowCount() - 1);
    page = VisibleCount();
    position = topIndex_;
}

void TCustomTreeView::GetHorzScrollRange(int& min, int& max, int& page, int& position) const
{
    min = 0;
    max = std::max(0, ContentWidth() - 1);
    page = ClientWidth();
    position = horzOffset_;
}

void TCustomTreeView::UpdateScrollBars()
{
    if (!HandleAllocated() || updatingBars_) return;
    // Showing or hiding a bar resizes the client area, which asks again.
    updatingBars_ = true;
    // A second pass takes in the client size that the first pass' bars left.
    for (int pass = 0; pass < 2; ++pass) {
        ClampScroll();
        int min, max, page, position;
        GetVertScrollRange(min, max, page, position);
        SetWindowScrollBar(Handle(), SB_VERT, min, max, page, position);
        GetHorzScrollRange(min, max, page, position);
        SetWindowScrollBar(Handle(), SB_HORZ, min, max, page, position);
    }
    updatingBars_ = false;
}

void TCustomTreeView::CreateWnd()
{
    TCustomControl::CreateWnd();
    UpdateScrollBars();
}

void TCustomTreeView::MakeRowVisible(int row)
{
    if (row < topIndex_) SetTopIndex(row);
    else if (row >= topIndex_ + VisibleCount()) SetTopIndex(row - std::max(1, VisibleCount()) + 1);
}

void TCustomTreeView::NodesChanged(bool layout)
{
    if (layout) {
        rowsValid_ = false;
        contentWidth_ = -1;
    }
    if (nodes_->Updating()) return;
    ClampScroll();
    UpdateScrollBars();
    Invalidate();
}

bool TCustomTreeView::ExpandNode(TTreeNode* node)
{
    if (node->expanded_) return true;
    if (!node->HasChildren()) return false;
    auto alive = Guard();
    bool allow = CanExpand(node);
    if (!alive || !allow) return false;
    if (node->Count() == 0) {
        // Nothing came of the marker: the button goes.
        node->hasChildren_ = false;
        NodesChanged(false);
        return false;
    }
    node->expanded_ = true;
    NodesChanged(true);
    if (OnExpanded) OnExpanded(this, node);
    return bool(alive);
}

bool TCustomTreeView::CollapseNode(TTreeNode* node)
{
    if (!node->expanded_) return true;
    auto alive = Guard();
    bool allow = true;
    if (OnCollapsing) OnCollapsing(this, node, allow);
    if (!alive || !allow) return false;
    node->expanded_ = false;
    NodesChanged(true);
    // A selection hidden by the collapse moves up to the collapsed node.
    if (selected_ && selected_->HasAsParent(node)) SetSelected(node);
    if (!alive) return false;
    if (OnCollapsed) OnCollapsed(this, node);
    return bool(alive);
}

void TCustomTreeView::SetSelected(TTreeNode* node)
{
    if (node && node->owner_ != nodes_.get()) return;
    if (node == selected_) {
        if (node) node->MakeVisible();
        return;
    }
    auto alive = Guard();
    bool allow = true;
    if (OnChanging) OnChanging(this, node, allow);
    if (!alive || !allow) return;
    selected_ = node;
    if (node) node->MakeVisible();
    Invalidate();
    Change(node);
}

void TCustomTreeView::Change(TTreeNode* node)
{
    if (OnChange) OnChange(this, node);
}

void TCustomTreeView::NodeDeleting(TTreeNode* node)
{
    // While the view is being destroyed guards read "gone" already; only OnDeletion runs then.
    bool destroying = Destroying();
    auto alive = Guard();
    if (selected_ && (selected_ == node || selected_->HasAsParent(node))) {
        // The selection goes to a neighbour of the node that goes, or to its parent.
        TTreeNode* next = node->GetNextSibling();
        if (!next) next = node->GetPrevSibling();
        if (!next) next = node->Parent();
        selected_ = destroying ? nullptr : next;
        if (!destroying) {
            Change(next);
            if (!alive) return;
        }
    }
    FireDeletion(node, destroying);
}

bool TCustomTreeView::CanExpand(TTreeNode* node)
{
    bool allow = true;
    if (OnExpanding) OnExpanding(this, node, allow);
    return allow;
}

void TCustomTreeView::Delete(TTreeNode* node)
{
    if (OnDeletion) OnDeletion(this, node);
}

void TCustomTreeView::FireDeletion(TTreeNode* node, bool destroying)
{
    auto alive = Guard();
    for (int i = node->Count() - 1; i >= 0; --i) {
        FireDeletion(node->Item(i), destroying);
        if (!destroying && !alive) return;
    }
    Delete(node);
}

void TCustomTreeView::FullExpand()
{
    nodes_->BeginUpdate();
    for (int i = 0; i < nodes_->TopLevelCount(); ++i) nodes_->TopLevelItem(i)->Expand(true);
    nodes_->EndUpdate();
}

void TCustomTreeView::FullCollapse()
{
    nodes_->BeginUpdate();
    for (int i = 0; i < nodes_->TopLevelCount(); ++i) nodes_->TopLevelItem(i)->Collapse(true);
    nodes_->EndUpdate();
}

void TCustomTreeView::SelectRow(int row)
{
    if (RowCount() == 0) return;
    SetSelected(Rows()[size_t(std::clamp(row, 0, RowCount() - 1))]);
}

void TCustomTreeView::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    auto alive = Guard();
    lastClick_ = {x, y};
    if (button == TMouseButton::Left) {
        if (!Focused() && CanFocus()) SetFocus();
        if (!alive) return;
        TTreeNode* node = GetNodeAt(x, y);
        unsigned hit = GetHitTestInfoAt(x, y);
        if (node && hit == htOnButton) node->SetExpanded(!node->Expanded());
        else if (node && (hit & (htOnIcon | htOnLabel))) SetSelected(node);
        if (!alive) return;
    }
    TCustomControl::MouseDown(button, shift, x, y);
}

void TCustomTreeView::DblClick()
{
    auto alive = Guard();
    TCustomControl::DblClick();
    if (!alive) return;
    TTreeNode* node = GetNodeAt(lastClick_.x, lastClick_.y);
    if (node && (GetHitTestInfoAt(lastClick_.x, lastClick_.y) & (htOnIcon | htOnLabel)))
        node->SetExpanded(!node->Expanded());
}

void TCustomTreeView::KeyDown(uint16_t& key, TShiftState shift)
{
    auto alive = Guard();
    TCustomControl::KeyDown(key, shift);
    if (!alive || RowCount() == 0) return;
    int row = selected_ ? RowOf(selected_) : -1;
    int page = std::max(1, VisibleCount() - 1);
    switch (key) {
    case VK_UP: SelectRow(row < 0 ? 0 : row - 1); break;
    case VK_DOWN: SelectRow(row + 1); break;
    case VK_PRIOR: SelectRow(row - page); break;
    case VK_NEXT: SelectRow(std::max(0, row) + page); break;
    case VK_HOME: SelectRow(0); break;
    case VK_END: SelectRow(RowCount() - 1); break;
    case VK_LEFT:
        if (!selected_) SelectRow(0);
        else if (selected_->Expanded()) selected_->SetExpanded(false);
        else if (selected_->Parent()) SetSelected(selected_->Parent());
        break;
    case VK_RIGHT:
        if (!selected_) SelectRow(0);
        else if (!selected_->Expanded()) selected_->SetExpanded(true);
        else if (selected_->Count() > 0) SetSelected(selected_->GetFirstChild());
        break;
    default: return;
    }
    if (alive) key = 0;
}

void TCustomTreeView::KeyPress(char32_t& key)
{
    auto alive = Guard();
    TCustomControl::KeyPress(key);
    if (!alive || key < 0x20 || key == 0x7F) return;
    if (selected_ && (key == U'+' || key == U'-' || key == U'*')) {
        if (key == U'+') selected_->SetExpanded(true);
        else if (key == U'-') selected_->SetExpanded(false);
        else selected_->Expand(true);
        if (alive) key = 0;
        return;
    }
    uint64_t now = GetTickCount();
    if (now - prefixTime_ > kPrefixTimeoutMs) prefix_.clear();
    prefixTime_ = now;
    std::string typed = Utf8Encode(key);
    prefix_ += typed;
    TTreeNode* found = FindByPrefix(prefix_, prefix_.size() > typed.size());
    if (!found && prefix_.size() > typed.size() && prefix_.find_first_not_of(typed) == std::string::npos)
        found = FindByPrefix(typed, false); // the same letter again steps on
    if (found) SetSelected(found);
    if (alive) key = 0;
}

TTreeNode* TCustomTreeView::FindByPrefix(const std::string& prefix, bool includeCurrent) const
{
    int n = RowCount();
    int start = selected_ ? RowOf(selected_) : -1;
    for (int step = includeCurrent ? 0 : 1; step <= n; ++step) {
        TTreeNode* node = Rows()[size_t(((start + step) % n + n) % n)];
        const std::string& text = node->Text();
        if (text.size() >= prefix.size() && SameTextAscii(std::string_view(text).substr(0, prefix.size()), prefix))
            return node;
    }
    return nullptr;
}

void TCustomTreeView::WndProc(TMessage& m)
{
    switch (m.Msg) {
    case TVM_GETCOUNT: m.Result = nodes_->Count(); return;
    case TVM_GETVISIBLECOUNT: m.Result = VisibleCount(); return;
    case TVM_GETINDENT: m.Result = indent_; return;
    case TVM_SETINDENT: SetIndent(int(m.WParam)); return;
    case TVM_GETITEMHEIGHT: m.Result = ItemHeight(); return;
    case TVM_SETITEMHEIGHT:
        m.Result = ItemHeight();
        SetItemHeight(int(int64_t(m.WParam)) < 0 ? 0 : int(m.WParam));
        return;
    case WM_VSCROLL: {
        int page = std::max(1, VisibleCount());
        SetTopIndex(ScrollTarget(LOWORD(m.WParam), HIWORD(m.WParam), topIndex_, 1, page, RowCount() - 1));
        return;
    }
    case WM_HSCROLL:
        SetHorzOffset(ScrollTarget(LOWORD(m.WParam), HIWORD(m.WParam), horzOffset_, kHorzLine, ClientWidth(),
                                   ContentWidth()));
        return;
    case WM_MOUSEWHEEL: SetTopIndex(topIndex_ - WheelLines(GET_WHEEL_DELTA_WPARAM(m.WParam))); return;
    case WM_GETDLGCODE: m.Result = DLGC_WANTARROWS | DLGC_WANTCHARS; return;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: Invalidate(); break;
    default: break;
    }
    TCustomControl::WndProc(m);
}

void TCustomTreeView::Paint()
{
    TCanvas& c = *Canvas();
    c.Brush().Color = Color();
    c.FillRect(ClientRect());
    c.SetFont(Font().Request());
    int h = ItemHeight();
    for (int row = topIndex_; row < RowCount() && (row - topIndex_) * h < ClientHeight(); ++row)
        PaintRow(c, row, Rows()[size_t(row)]);
}

void TCustomTreeView::PaintRow(TCanvas& c, int row, TTreeNode* node)
{
    int top = (row - topIndex_) * ItemHeight();
    if (showLines_) PaintLines(c, node, top);
    if (showButtons_ && node->HasChildren() && (showRoot_ || node->Level() > 0)) PaintButton(c, node, top);
    int x = ContentLeft(node);
    bool selected = node == selected_;
    if (stateImages_) {
        stateImages_->Draw(c, x, top + (ItemHeight() - stateImages_->Height()) / 2, node->StateIndex(), Enabled());
        x += stateImages_->Width() + kImageGap;
    }
    if (images_) {
        int image = selected && node->SelectedIndex() >= 0 ? node->SelectedIndex() : node->ImageIndex();
        images_->Draw(c, x, top + (ItemHeight() - images_->Height()) / 2, image, Enabled());
        x += images_->Width() + kImageGap;
    }
    TRect cell{x, top, x + TextWidth(node), top + ItemHeight()};
    bool focused = Focused();
    bool shown = selected && (focused || !hideSelection_);
    c.Brush().Color = shown ? (focused ? clHighlight : clBtnFace) : Color();
    c.FillRect(cell);
    c.Font().Color = !Enabled() ? clGrayText : (shown && focused ? clHighlightText : Font().Color());
    c.Brush().Style = TBrushStyle::bsClear;
    c.TextOut(x + kTextPadding, top + (ItemHeight() - c.TextHeight(node->Text())) / 2, node->Text());
    c.Brush().Style = TBrushStyle::bsSolid;
    if (selected && focused) c.DrawFocusRect(cell);
}

// Dotted lines: every other pixel, on a grid fixed to the content so that scrolling keeps it.
void TCustomTreeView::PaintLines(TCanvas& c, TTreeNode* node, int top)
{
    int h = ItemHeight();
    int middle = top + h / 2;
    int phase = topIndex_ * h + horzOffset_;
    auto dot = [&](int x, int y) {
        if (((x + y + phase) & 1) == 0) c.SetPixels(x, y, clGrayText);
    };
    auto vertical = [&](int x, int from, int to) {
        for (int y = from; y < to; ++y) dot(x, y);
    };
    int columnShift = showRoot_ ? 0 : 1;
    auto columnCentre = [&](int level) { return (level - columnShift) * indent_ + indent_ / 2 - horzOffset_; };
    int level = node->Level();
    if (level >= columnShift) {
        int x = columnCentre(level);
        for (int i = x; i < ContentLeft(node); ++i) dot(i, middle);
        bool above = node->GetPrevSibling() || node->Parent();
        vertical(x, above ? top : middle, node->GetNextSibling() ? top + h : middle + 1);
    }
    // The lines of the ancestors that have siblings below them pass through this row.
    for (TTreeNode* a = node->Parent(); a; a = a->Parent())
        if (a->Level() >= columnShift && a->GetNextSibling()) vertical(columnCentre(a->Level()), top, top + h);
}

void TCustomTreeView::PaintButton(TCanvas& c, TTreeNode* node, int top)
{
    int centreX = ContentLeft(node) - indent_ + indent_ / 2;
    int centreY = top + ItemHeight() / 2;
    TRect box = Bounds(centreX - kButtonSize / 2, centreY - kButtonSize / 2, kButtonSize, kButtonSize);
    c.Brush().Color = Color();
    c.FillRect(box);
    c.Brush().Color = clGrayText;
    c.FrameRect(box);
    c.Pen().Color = clWindowText;
    c.MoveTo(box.Left + 2, centreY);
    c.LineTo(box.Right - 2, centreY);
    if (!node->Expanded()) {
        c.MoveTo(centreX, box.Top + 2);
        c.LineTo(centreX, box.Bottom - 2);
    }
}

} // namespace tavrik
