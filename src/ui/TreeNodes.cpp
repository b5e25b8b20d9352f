#include "ui/TreeNodes.h"

#include "core/Utf8.h"
#include "ui/TreeView.h"

#include <algorithm>
#include <cctype>

namespace tavrik {

TTreeNode::TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text)
    : owner_(owner), parent_(parent), text_(std::move(text))
{
}

TTreeNode::~TTreeNode() = default;

TCustomTreeView* TTreeNode::TreeView() const { return owner_->Owner(); }

void TTreeNode::Changed(bool layout) const { owner_->Changed(layout); }

void TTreeNode::SetText(const std::string& text)
{
    if (text == text_) return;
    text_ = text;
    Changed(true);
}

void TTreeNode::SetImageIndex(int index)
{
    if (index == imageIndex_) return;
    imageIndex_ = index;
    Changed(false);
}

void TTreeNode::SetSelectedIndex(int index)
{
    if (index == selectedIndex_) return;
    selectedIndex_ = index;
    Changed(false);
}

void TTreeNode::SetStateIndex(int index)
{
    if (index == stateIndex_) return;
    stateIndex_ = index;
    Changed(false);
}

void TTreeNode::SetHasChildren(bool on)
{
    if (on == hasChildren_) return;
    hasChildren_ = on;
    Changed(false);
}

void TTreeNode::SetExpanded(bool on)
{
    if (on) TreeView()->ExpandNode(this);
    else TreeView()->CollapseNode(this);
}

void TTreeNode::Expand(bool recurse)
{
    TreeView()->ExpandNode(this);
    if (!recurse) return;
    // Children may come and go while their parents expand, so the walk goes by index.
    for (int i = 0; i < Count(); ++i) Item(i)->Expand(true);
}

void TTreeNode::Collapse(bool recurse)
{
    if (recurse)
        for (int i = 0; i < Count(); ++i) Item(i)->Collapse(true);
    TreeView()->CollapseNode(this);
}

bool TTreeNode::Selected() const { return TreeView()->Selected() == this; }

void TTreeNode::SetSelected(bool on)
{
    if (on) TreeView()->SetSelected(this);
    else if (Selected()) TreeView()->SetSelected(nullptr);
}

bool TTreeNode::IsVisible() const
{
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->expanded_) return false;
    return true;
}

void TTreeNode::MakeVisible()
{
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        if (!p->expanded_) p->SetExpanded(true);
    TCustomTreeView* view = TreeView();
    int row = view->RowOf(this);
    if (row >= 0) view->MakeRowVisible(row);
}

TRect TTreeNode::DisplayRect(bool textOnly) const { return TreeView()->NodeRect(this, textOnly); }

TTreeNode* TTreeNode::Parent() const { return parent_ && !parent_->IsRoot() ? parent_ : nullptr; }

TTreeNode* TTreeNode::Item(int index) const
{
    return index >= 0 && index < Count() ? children_[size_t(index)].get() : nullptr;
}

int TTreeNode::Index() const
{
    if (!parent_) return -1;
    auto& siblings = parent_->children_;
    auto it = std::find_if(siblings.begin(), siblings.end(), [this](const auto& c) { return c.get() == this; });
    return int(it - siblings.begin());
}

int TTreeNode::Level() const
{
    int level = 0;
    for (TTreeNode* p = Parent(); p; p = p->Parent()) ++level;
    return level;
}

int TTreeNode::AbsoluteIndex() const
{
    int index = 0;
    for (TTreeNode* n = owner_->GetFirstNode(); n && n != this; n = n->GetNext()) ++index;
    return index;
}

bool TTreeNode::HasAsParent(const TTreeNode* ancestor) const
{
    for (TTreeNode* p = Parent(); p; p = p->Parent())
        if (p == ancestor) return true;
    return false;
}

TTreeNode* TTreeNode::GetNextSibling() const { return parent_ ? parent_->Item(Index() + 1) : nullptr; }

TTreeNode* TTreeNode::GetPrevSibling() const { return parent_ ? parent_->Item(Index() - 1) : nullptr; }

TTreeNode* TTreeNode::GetNext() const
{
    if (!children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n && !n->IsRoot(); n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrev() const
{
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return Parent();
    while (prev->Count() > 0) prev = prev->GetLastChild();
    return prev;
}

TTreeNode* TTreeNode::GetNextVisible() const
{
    if (expanded_ && !children_.empty()) return children_.front().get();
    for (const TTreeNode* n = this; n && !n->IsRoot(); n = n->parent_)
        if (TTreeNode* next = n->GetNextSibling()) return next;
    return nullptr;
}

TTreeNode* TTreeNode::GetPrevVisible() const
{
    TTreeNode* prev = GetPrevSibling();
    if (!prev) return Parent();
    while (prev->expanded_ && prev->Count() > 0) prev = prev->GetLastChild();
    return prev;
}

void TTreeNode::Delete() { owner_->Delete(this); }

void TTreeNode::DeleteChildren()
{
    owner_->BeginUpdate();
    while (!children_.empty()) owner_->Delete(children_.back().get());
    owner_->EndUpdate();
}

void TTreeNode::AlphaSort(bool recurse)
{
    CustomSort(
        [](const TTreeNode* a, const TTreeNode* b) {
            const std::string& x = a->Text();
            const std::string& y = b->Text();
            return std::lexicographical_compare(x.begin(), x.end(), y.begin(), y.end(), [](char p, char q) {
                return std::tolower(static_cast<unsigned char>(p)) < std::tolower(static_cast<unsigned char>(q));
            });
        },
        recurse);
}

void TTreeNode::CustomSort(const std::function<bool(const TTreeNode*, const TTreeNode*)>& less, bool recurse)
{
    std::stable_sort(children_.begin(), children_.end(),
                     [&](const auto& a, const auto& b) { return less(a.get(), b.get()); });
    if (recurse)
        for (auto& child : children_) child->CustomSort(less, true);
    Changed(true);
}

TTreeNodes::TTreeNodes(TCustomTreeView* owner)
    : owner_(owner), root_(new TTreeNode(this, nullptr, std::string()))
{
    root_->expanded_ = true;
}

TTreeNodes::~TTreeNodes() = default;

TTreeNode* TTreeNodes::Item(int index) const
{
    if (index < 0 || index >= count_) return nullptr;
    TTreeNode* n = GetFirstNode();
    while (n && index-- > 0) n = n->GetNext();
    return n;
}

TTreeNode* TTreeNodes::InsertAt(TTreeNode* parent, int index, const std::string& text, void* data)
{
    if (!parent) parent = root_.get();
    index = std::clamp(index, 0, parent->Count());
    auto* node = new TTreeNode(this, parent, text);
    node->data_ = data;
    parent->children_.insert(parent->children_.begin() + index, std::unique_ptr<TTreeNode>(node));
    ++count_;
    Changed(true);
    return node;
}

TTreeNode* TTreeNodes::Add(TTreeNode* sibling, const std::string& text, void* data)
{
    TTreeNode* parent = sibling ? sibling->parent_ : nullptr;
    return InsertAt(parent, parent ? parent->Count() : root_->Count(), text, data);
}

TTreeNode* TTreeNodes::AddFirst(TTreeNode* sibling, const std::string& text, void* data)
{
    return InsertAt(sibling ? sibling->parent_ : nullptr, 0, text, data);
}

TTreeNode* TTreeNodes::AddChild(TTreeNode* parent, const std::string& text, void* data)
{
    return InsertAt(parent, parent ? parent->Count() : root_->Count(), text, data);
}

TTreeNode* TTreeNodes::AddChildFirst(TTreeNode* parent, const std::string& text, void* data)
{
    return InsertAt(parent, 0, text, data);
}

TTreeNode* TTreeNodes::Insert(TTreeNode* sibling, const std::string& text, void* data)
{
    if (!sibling) return InsertAt(nullptr, root_->Count(), text, data);
    return InsertAt(sibling->parent_, sibling->Index(), text, data);
}

void TTreeNodes::Delete(TTreeNode* node)
{
    if (!node || node == root_.get() || node->owner_ != this) return;
    BeginUpdate();
    owner_->NodeDeleting(node);
    TTreeNode* parent = node->parent_;
    int index = node->Index();
    int removed = 0;
    for (TTreeNode* n = node; n && (n == node || n->HasAsParent(node)); n = n->GetNext()) ++removed;
    std::unique_ptr<TTreeNode> gone = std::move(parent->children_[size_t(index)]);
    parent->children_.erase(parent->children_.begin() + index);
    count_ -= removed;
    if (parent->children_.empty() && !parent->IsRoot()) {
        parent->hasChildren_ = false;
        parent->expanded_ = false;
    }
    Changed(true);
    EndUpdate();
}

void TTreeNodes::Clear()
{
    BeginUpdate();
    while (root_->Count() > 0) Delete(root_->GetLastChild());
    EndUpdate();
}

void TTreeNodes::BeginUpdate() { ++updateLevel_; }

void TTreeNodes::EndUpdate()
{
    if (updateLevel_ == 0 || --updateLevel_ > 0) return;
    owner_->NodesChanged(true);
}

void TTreeNodes::Changed(bool layout)
{
    if (updateLevel_ == 0) owner_->NodesChanged(layout);
}

} // namespace tavrik
