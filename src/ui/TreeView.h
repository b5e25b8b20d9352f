#pragma once

#include "ui/CustomControl.h"
#include "ui/TreeNodes.h"

#include <functional>
#include <memory>
#include <vector>

namespace tavrik {

class TImageList;

// Requests the tree view answers, with the numbers of the native tree.
constexpr UINT TVM_FIRST = 0x1100;
constexpr UINT TVM_GETCOUNT = TVM_FIRST + 5;
constexpr UINT TVM_GETINDENT = TVM_FIRST + 6;
constexpr UINT TVM_SETINDENT = TVM_FIRST + 7;
constexpr UINT TVM_GETVISIBLECOUNT = TVM_FIRST + 16; // rows that fit completely
constexpr UINT TVM_SETITEMHEIGHT = TVM_FIRST + 27;   // wParam: height, -1 for the automatic one
constexpr UINT TVM_GETITEMHEIGHT = TVM_FIRST + 28;

// Where a point of the client area lies in its row (a set of these bits).
enum THitTest : unsigned {
    htNowhere = 1,  // below the last row
    htOnIndent = 2, // left of the node, not on its button
    htOnButton = 4,
    htOnIcon = 8,       // on the node's image or its state image
    htOnLabel = 16,
    htOnRight = 32,
};

using TTVExpandingEvent = std::function<void(TComponent* Sender, TTreeNode* Node, bool& AllowExpansion)>;
using TTVCollapsingEvent = std::function<void(TComponent* Sender, TTreeNode* Node, bool& AllowCollapse)>;
using TTVChangingEvent = std::function<void(TComponent* Sender, TTreeNode* Node, bool& AllowChange)>;
using TTVExpandedEvent = std::function<void(TComponent* Sender, TTreeNode* Node)>;
using TTVChangedEvent = std::function<void(TComponent* Sender, TTreeNode* Node)>;

// Nodes in rows, each indented by its level, with expand buttons, connecting lines, images
// and one selected node. The rows of expanded nodes scroll vertically by rows and
// horizontally by pixels.
//
// Row layout (Indent columns; ShowRoot gives the top level a column of its own):
//
//     | column per level | [+] | image | text |
//                         ^ button centred in the column left of the node
//
// Expanding, collapsing and selecting fire the events whether the user or the program
// asks; the *ing events may refuse.
class TCustomTreeView : public TCustomControl {
public:
    explicit TCustomTreeView(TComponent* owner);
    ~TCustomTreeView() override;
    const char* ClassName() const override { return "TCustomTreeView"; }

    TTreeNodes& Items() { return *nodes_; }
    const TTreeNodes& Items() const { return *nodes_; }
    TTreeNode* Selected() const { return selected_; }
    // Fires OnChanging, which may refuse, and OnChange; scrolls the node into view.
    void SetSelected(TTreeNode* node);
    TTreeNode* TopItem() const;
    void SetTopItem(TTreeNode* node);

    bool ShowLines() const { return showLines_; }
    void SetShowLines(bool on);
    bool ShowButtons() const { return showButtons_; }
    void SetShowButtons(bool on);
    bool ShowRoot() const { return showRoot_; }
    void SetShowRoot(bool on);
    // Keep showing the selection (in the button face colour) while unfocused.
    bool HideSelection() const { return hideSelection_; }
    void SetHideSelection(bool on);
    int Indent() const { return indent_; }
    void SetIndent(int indent);
    // 0: from the font and the images.
    int ItemHeight() const;
    void SetItemHeight(int height);
    TImageList* Images() const { return images_; }
    void SetImages(TImageList* images);
    // Pictures of a state (a check mark, say) drawn before each node's image, chosen by the
    // node's StateIndex.
    TImageList* StateImages() const { return stateImages_; }
    void SetStateImages(TImageList* images);

    // Rows that fit completely into the client area.
    int VisibleCount() const;
    // Rows of the nodes whose ancestors are all expanded.
    int RowCount() const;
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int row);
    int HorzOffset() const { return horzOffset_; }
    void SetHorzOffset(int pixels);
    // Vertical: rows 0 .. RowCount() - 1, a page of VisibleCount(), the top row. Horizontal:
    // pixels 0 .. the widest row's right edge - 1, a page of the client width, the offset. The
    // window's own bars show the same.
    void GetVertScrollRange(int& min, int& max, int& page, int& position) const;
    void GetHorzScrollRange(int& min, int& max, int& page, int& position) const;

    // The node of the row at a client point (anywhere across the row), or nullptr.
    TTreeNode* GetNodeAt(int x, int y) const;
    unsigned GetHitTestInfoAt(int x, int y) const;
    TRect NodeRect(const TTreeNode* node, bool textOnly) const;
    void FullExpand();
    void FullCollapse();

    void WndProc(TMessage& message) override;
    void Notification(TComponent* component, TOperation operation) override;

    TTVExpandingEvent OnExpanding;
    TTVExpandedEvent OnExpanded;
    TTVCollapsingEvent OnCollapsing;
    TTVExpandedEvent OnCollapsed;
    TTVChangingEvent OnChanging;
    TTVChangedEvent OnChange;
    // Before a node goes (its children first), so that the program can free its Data.
    TTVExpandedEvent OnDeletion;

protected:
    void BeforeDestruction() override;
    void Paint() override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void DblClick() override;
    void KeyDown(uint16_t& key, TShiftState shift) override;
    void KeyPress(char32_t& key) override;
    void FontChanged() override;
    void Resize() override;
    void CreateWnd() override;
    // The selection changed (to node, or to none): fires OnChange. A view that shows its
    // scroll position elsewhere follows the scrolling the new selection caused.
    virtual void Change(TTreeNode* node);
    // Whether a node may expand: fires OnExpanding. A view that reads its children on demand
    // adds them here; a node that still has none afterwards loses its button.
    virtual bool CanExpand(TTreeNode* node);
    // A node goes, after its children: fires OnDeletion.
    virtual void Delete(TTreeNode* node);

private:
    friend class TTreeNode;
    friend class TTreeNodes;
    // Calls from the nodes.
    bool ExpandNode(TTreeNode* node);
    bool CollapseNode(TTreeNode* node);
    void NodesChanged(bool layout);
    void NodeDeleting(TTreeNode* node);
    void FireDeletion(TTreeNode* node, bool destroying);

    const std::vector<TTreeNode*>& Rows() const;
    int RowOf(const TTreeNode* node) const;
    int ContentLeft(const TTreeNode* node) const; // where the image (or the text) starts
    int TextWidth(const TTreeNode* node) const;
    int ContentWidth() const;
    void ClampScroll();
    void UpdateScrollBars();
    void MakeRowVisible(int row);
    void SelectRow(int row);
    void PaintRow(TCanvas& canvas, int row, TTreeNode* node);
    void PaintLines(TCanvas& canvas, TTreeNode* node, int top);
    void PaintButton(TCanvas& canvas, TTreeNode* node, int top);
    TTreeNode* FindByPrefix(const std::string& prefix, bool includeCurrent) const;
    // The room the state image and the image take before a node's text.
    int ImagesWidth() const;

    std::unique_ptr<TTreeNodes> nodes_;
    TTreeNode* selected_ = nullptr;
    TImageList* images_ = nullptr;
    TImageList* stateImages_ = nullptr;
    int topIndex_ = 0;
    int horzOffset_ = 0;
    int indent_ = 19;
    int itemHeight_ = 0;
    bool showLines_ = true;
    bool showButtons_ = true;
    bool showRoot_ = true;
    bool hideSelection_ = true;
    mutable std::vector<TTreeNode*> rows_;
    mutable bool rowsValid_ = false;
    mutable int contentWidth_ = -1; // of the rows, measured when first asked for
    bool updatingBars_ = false;
    std::string prefix_;
    uint64_t prefixTime_ = 0;
    TPoint lastClick_;
};

// The tree view with everything published.
class TTreeView : public TCustomTreeView {
public:
    explicit TTreeView(TComponent* owner) : TCustomTreeView(owner) {}
    const char* ClassName() const override { return "TTreeView"; }
};

} // namespace tavrik
