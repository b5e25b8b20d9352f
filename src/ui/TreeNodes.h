#pragma once

#include "core/Geometry.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tavrik {

class TCustomTreeView;
class TTreeNodes;

// One node of a tree view: a text with images, a data pointer for the program and children.
// A node shows an expand button when it has children or a child marker (HasChildren), so
// that children can be added when the user first expands it (OnExpanding).
class TTreeNode {
public:
    TTreeNode(const TTreeNode&) = delete;
    TTreeNode& operator=(const TTreeNode&) = delete;
    ~TTreeNode();

    TTreeNodes* Owner() const { return owner_; }
    TCustomTreeView* TreeView() const;

    const std::string& Text() const { return text_; }
    void SetText(const std::string& text);
    int ImageIndex() const { return imageIndex_; }
    void SetImageIndex(int index);
    // The image while the node is selected.
    int SelectedIndex() const { return selectedIndex_; }
    void SetSelectedIndex(int index);
    // The picture of the tree view's StateImages before the image; -1 for none.
    int StateIndex() const { return stateIndex_; }
    void SetStateIndex(int index);
    void* Data() const { return data_; }
    void SetData(void* data) { data_ = data; }

    // True with children or with the child marker; the marker goes when the node is found
    // to have no children on expanding, and when its last child is deleted.
    bool HasChildren() const { return hasChildren_ || !children_.empty(); }
    void SetHasChildren(bool on);
    bool Expanded() const { return expanded_; }
    // Expanding and collapsing fire the tree view's events, which may refuse.
    void SetExpanded(bool on);
    void Expand(bool recurse);
    void Collapse(bool recurse);
    bool Selected() const;
    void SetSelected(bool on);
    // Every ancestor is expanded.
    bool IsVisible() const;
    // Expands the ancestors and scrolls the node into view.
    void MakeVisible();
    // In the tree view's client coordinates: the whole row, or the text's cell. Empty when
    // the node is not visible.
    TRect DisplayRect(bool textOnly) const;

    // nullptr for a top-level node.
    TTreeNode* Parent() const;
    int Count() const { return int(children_.size()); }
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    int Index() const; // among its siblings
    int Level() const; // 0 for a top-level node
    int AbsoluteIndex() const; // in the order of the whole tree, parents before children
    bool HasAsParent(const TTreeNode* ancestor) const;

    TTreeNode* GetFirstChild() const { return Item(0); }
    TTreeNode* GetLastChild() const { return Item(Count() - 1); }
    TTreeNode* GetNextSibling() const;
    TTreeNode* GetPrevSibling() const;
    // The next and previous node in the whole tree, parents before children.
    TTreeNode* GetNext() const;
    TTreeNode* GetPrev() const;
    // The next and previous node whose ancestors are all expanded.
    TTreeNode* GetNextVisible() const;
    TTreeNode* GetPrevVisible() const;

    void Delete();
    void DeleteChildren();
    // Sorts the children by text (ASCII letters without case), or by a comparison that
    // answers whether a goes before b.
    void AlphaSort(bool recurse = false);
    void CustomSort(const std::function<bool(const TTreeNode* a, const TTreeNode* b)>& less, bool recurse = false);

private:
    friend class TTreeNodes;
    friend class TCustomTreeView;
    TTreeNode(TTreeNodes* owner, TTreeNode* parent, std::string text);
    void Changed(bool layout) const;
    bool IsRoot() const { return parent_ == nullptr; }

    TTreeNodes* owner_;
    TTreeNode* parent_; // the invisible root node above the top-level nodes
    std::vector<std::unique_ptr<TTreeNode>> children_;
    std::string text_;
    int imageIndex_ = -1;
    int selectedIndex_ = -1;
    int stateIndex_ = -1;
    void* data_ = nullptr;
    bool hasChildren_ = false;
    bool expanded_ = false;
};

// The nodes of a tree view, top-level nodes first-to-last under an invisible root.
class TTreeNodes {
public:
    explicit TTreeNodes(TCustomTreeView* owner);
    ~TTreeNodes();
    TTreeNodes(const TTreeNodes&) = delete;
    TTreeNodes& operator=(const TTreeNodes&) = delete;

    TCustomTreeView* Owner() const { return owner_; }
    // All nodes, at any depth.
    int Count() const { return count_; }
    // By absolute index; nullptr out of range.
    TTreeNode* Item(int index) const;
    TTreeNode* operator[](int index) const { return Item(index); }
    TTreeNode* GetFirstNode() const { return root_->GetFirstChild(); }
    // The top-level nodes are the children of an invisible root.
    int TopLevelCount() const { return root_->Count(); }
    TTreeNode* TopLevelItem(int index) const { return root_->Item(index); }

    // As the last (Add) or first (AddFirst) sibling of `sibling`; top level when it is nullptr.
    TTreeNode* Add(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    TTreeNode* AddFirst(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    // As the last or first child of `parent`; top level when it is nullptr.
    TTreeNode* AddChild(TTreeNode* parent, const std::string& text, void* data = nullptr);
    TTreeNode* AddChildFirst(TTreeNode* parent, const std::string& text, void* data = nullptr);
    // Just before `sibling` (at the end of the top level when it is nullptr).
    TTreeNode* Insert(TTreeNode* sibling, const std::string& text, void* data = nullptr);
    void Delete(TTreeNode* node);
    void Clear();

    // Defers the tree view's relayout and repaint to the matching EndUpdate.
    void BeginUpdate();
    void EndUpdate();
    bool Updating() const { return updateLevel_ > 0; }

private:
    friend class TTreeNode;
    TTreeNode* InsertAt(TTreeNode* parent, int index, const std::string& text, void* data);
    void Changed(bool layout);

    TCustomTreeView* owner_;
    std::unique_ptr<TTreeNode> root_;
    int count_ = 0;
    int updateLevel_ = 0;
};

} // namespace tavrik
