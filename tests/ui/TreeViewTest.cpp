#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/ImageList.h"
#include "ui/TreeView.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class TreeView : public UiTest {
protected:
    TForm* form = nullptr;
    TTreeView* tree = nullptr;
    std::vector<std::string> log;

    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        tree = test::NewChild<TTreeView>(form, 10, 10, 200, 100);
        tree->SetItemHeight(20);
        tree->OnChanging = [this](TComponent*, TTreeNode* n, bool&) { log.push_back("changing " + Name(n)); };
        tree->OnChange = [this](TComponent*, TTreeNode* n) { log.push_back("change " + Name(n)); };
        tree->OnExpanded = [this](TComponent*, TTreeNode* n) { log.push_back("expanded " + Name(n)); };
        tree->OnCollapsed = [this](TComponent*, TTreeNode* n) { log.push_back("collapsed " + Name(n)); };
    }
    static std::string Name(const TTreeNode* n) { return n ? n->Text() : "none"; }
    // Folders that get their children on first expansion: "a" gets a1, a2 (a1 with a marker
    // of its own), "empty" gets none.
    void OnDemand()
    {
        tree->OnExpanding = [this](TComponent*, TTreeNode* n, bool&) {
            log.push_back("expanding " + n->Text());
            if (n->Count() > 0 || n->Text() == "empty") return;
            TTreeNode* first = tree->Items().AddChild(n, n->Text() + "1");
            first->SetHasChildren(true);
            tree->Items().AddChild(n, n->Text() + "2");
        };
        for (const char* name : {"a", "b", "empty"}) tree->Items().Add(nullptr, name)->SetHasChildren(true);
    }
    std::vector<std::string> RowTexts() const
    {
        std::vector<std::string> rows;
        for (int y = 0; y < tree->ClientHeight(); y += 20)
            if (TTreeNode* n = tree->GetNodeAt(5, y)) rows.push_back(n->Text());
        return rows;
    }
    void ClickAt(int x, int y)
    {
        TPoint p = tree->ClientToScreen({x, y});
        screen->Click(p.x, p.y);
    }
    void ClickButton(const TTreeNode* n)
    {
        TRect r = n->DisplayRect(true);
        ClickAt(r.Left - tree->Indent() / 2, r.Top + 10);
    }
    void ClickLabel(const TTreeNode* n)
    {
        TRect r = n->DisplayRect(true);
        ClickAt(r.Left + 3, r.Top + 10);
    }
    void Type(const char* text) { screen->TypeText(text); }
};

} // namespace

TEST_F(TreeView, NodesKeepTheirOrderLevelsAndIndices)
{
    TTreeNodes& items = tree->Items();
    TTreeNode* b = items.Add(nullptr, "b");
    TTreeNode* a = items.AddFirst(b, "a");
    TTreeNode* b2 = items.AddChild(b, "b2");
    TTreeNode* b1 = items.AddChildFirst(b, "b1");
    TTreeNode* b1x = items.AddChild(b1, "b1x");
    TTreeNode* c = items.Add(a, "c");
    TTreeNode* bb = items.Insert(b1, "b0");
    EXPECT_EQ(items.Count(), 7);
    std::vector<std::string> order;
    for (int i = 0; i < items.Count(); ++i) order.push_back(items[i]->Text());
    EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "b0", "b1", "b1x", "b2", "c"}));
    EXPECT_EQ(items[7], nullptr);
    EXPECT_EQ(b1x->AbsoluteIndex(), 4);
    EXPECT_EQ(b1x->Level(), 2);
    EXPECT_EQ(b1->Index(), 1);
    EXPECT_EQ(a->Parent(), nullptr);
    EXPECT_EQ(b1x->Parent(), b1);
    EXPECT_TRUE(b1x->HasAsParent(b));
    EXPECT_EQ(b->GetFirstChild(), bb);
    EXPECT_EQ(bb->GetNextSibling(), b1);
    EXPECT_EQ(b2->GetNextSibling(), nullptr);
    EXPECT_EQ(b2->GetNext(), c);
    EXPECT_EQ(c->GetPrev(), b2);
    EXPECT_EQ(b1->GetPrev(), bb);
    EXPECT_EQ(bb->GetPrev(), b);
    EXPECT_EQ(b->GetNextVisible(), c) << "b is collapsed";
    EXPECT_EQ(c->GetPrevVisible(), b);
    EXPECT_TRUE(b->HasChildren());
    EXPECT_FALSE(c->HasChildren());
    EXPECT_FALSE(b1x->IsVisible());

    b->Delete();
    EXPECT_EQ(items.Count(), 2);
    EXPECT_EQ(a->GetNextSibling(), c);

    // Sorting by text ignores ASCII case.
    for (const char* t : {"pear", "Apple", "fig"}) items.AddChild(c, t);
    c->AlphaSort();
    EXPECT_EQ(c->Item(0)->Text(), "Apple");
    EXPECT_EQ(c->Item(2)->Text(), "pear");
}

TEST_F(TreeView, ChildrenComeOnDemandWhenANodeFirstExpands)
{
    OnDemand();
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "b", "empty"}));
    TTreeNode* a = tree->Items().GetFirstNode();
    ClickButton(a);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "a1", "a2", "b", "empty"}));
    EXPECT_EQ(log, (std::vector<std::string>{"expanding a", "expanded a"}));

    {
        SCOPED_TRACE("collapsing and expanding again asks again, and adds nothing new");
        ClickButton(a);
        EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "b", "empty"}));
        ClickButton(a);
        EXPECT_EQ(a->Count(), 2);
    }
    {
        SCOPED_TRACE("a marker that brings no children loses its button");
        log.clear();
        TTreeNode* empty = tree->Items().TopLevelItem(2);
        ClickButton(empty);
        EXPECT_FALSE(empty->Expanded());
        EXPECT_FALSE(empty->HasChildren());
        EXPECT_EQ(log, (std::vector<std::string>{"expanding empty"}));
        EXPECT_EQ(tree->GetHitTestInfoAt(empty->DisplayRect(true).Left - 9, empty->DisplayRect(true).Top + 5),
                  unsigned(htOnIndent));
    }
    {
        SCOPED_TRACE("OnExpanding and OnCollapsing may refuse");
        TTreeNode* b = tree->Items().TopLevelItem(1);
        tree->OnExpanding = [](TComponent*, TTreeNode*, bool& allow) { allow = false; };
        b->SetExpanded(true);
        EXPECT_FALSE(b->Expanded());
        tree->OnCollapsing = [](TComponent*, TTreeNode*, bool& allow) { allow = false; };
        a->Collapse(false);
        EXPECT_TRUE(a->Expanded());
    }
}

TEST_F(TreeView, CollapsingOverTheSelectionSelectsTheCollapsedNode)
{
    OnDemand();
    TTreeNode* a = tree->Items().GetFirstNode();
    a->Expand(false);
    TTreeNode* a1 = a->Item(0);
    a1->Expand(false);
    tree->SetSelected(a1->Item(1));
    EXPECT_EQ(tree->Selected()->Text(), "a12");
    log.clear();
    a->Collapse(false);
    EXPECT_EQ(tree->Selected(), a);
    EXPECT_EQ(log, (std::vector<std::string>{"changing a", "change a", "collapsed a"}));
    EXPECT_TRUE(a1->Expanded()) << "the inner node keeps its state";
    a->Expand(false);
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "a1", "a11", "a12", "a2"}));

    // A refused selection change keeps the selection.
    tree->OnChanging = [](TComponent*, TTreeNode*, bool& allow) { allow = false; };
    tree->SetSelected(a1);
    EXPECT_EQ(tree->Selected(), a);
}

TEST_F(TreeView, MouseSelectsOnTheNodeAndTogglesOnTheButtonAndByDoubleClick)
{
    OnDemand();
    TTreeNode* a = tree->Items().GetFirstNode();
    TTreeNode* b = a->GetNextSibling();
    ClickLabel(b);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_TRUE(tree->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"changing b", "change b"}));

    // Right of the text nothing is selected.
    log.clear();
    ClickAt(190, 5);
    EXPECT_EQ(tree->Selected(), b);
    EXPECT_EQ(log, std::vector<std::string>{});

    TRect r = a->DisplayRect(true);
    TPoint p = tree->ClientToScreen({r.Left + 3, r.Top + 10});
    screen->DoubleClick(p.x, p.y);
    EXPECT_TRUE(a->Expanded());
    EXPECT_EQ(tree->Selected(), a);
    screen->Advance(1000);
    screen->DoubleClick(p.x, p.y);
    EXPECT_FALSE(a->Expanded());
}

TEST_F(TreeView, KeysWalkTheRowsExpandCollapseAndFindByPrefix)
{
    OnDemand();
    tree->SetFocus();
    struct TStep {
        UINT key;
        const char* selected;
        std::vector<std::string> rows;
    } steps[] = {
        {VK_DOWN, "a", {"a", "b", "empty"}},
        {VK_RIGHT, "a", {"a", "a1", "a2", "b", "empty"}},
        {VK_RIGHT, "a1", {"a", "a1", "a2", "b", "empty"}},
        {VK_RIGHT, "a1", {"a", "a1", "a11", "a12", "a2"}},
        {VK_DOWN, "a11", {"a", "a1", "a11", "a12", "a2"}},
        {VK_LEFT, "a1", {"a", "a1", "a11", "a12", "a2"}},
        {VK_LEFT, "a1", {"a", "a1", "a2", "b", "empty"}},
        {VK_LEFT, "a", {"a", "a1", "a2", "b", "empty"}},
        {VK_END, "empty", {"a", "a1", "a2", "b", "empty"}},
        {VK_HOME, "a", {"a", "a1", "a2", "b", "empty"}},
        {VK_UP, "a", {"a", "a1", "a2", "b", "empty"}},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE("key " + std::to_string(s.key) + " to " + s.selected);
        screen->PressKey(s.key);
        ASSERT_NE(tree->Selected(), nullptr);
        EXPECT_EQ(tree->Selected()->Text(), s.selected);
        EXPECT_EQ(RowTexts(), s.rows);
    }
    Type("-");
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "b", "empty"}));
    Type("+");
    EXPECT_EQ(RowTexts(), (std::vector<std::string>{"a", "a1", "a2", "b", "empty"}));

    screen->Advance(2000);
    Type("b");
    EXPECT_EQ(tree->Selected()->Text(), "b");
    screen->Advance(2000);
    Type("a");
    EXPECT_EQ(tree->Selected()->Text(), "a");
    Type("2");
    EXPECT_EQ(tree->Selected()->Text(), "a2") << "\"a2\" within the pause";
    screen->Advance(2000);
    Type("em");
    EXPECT_EQ(tree->Selected()->Text(), "empty");
}

TEST_F(TreeView, RowsAndCellsFollowLevelIndentAndRoot)
{
    OnDemand();
    TTreeNode* a = tree->Items().GetFirstNode();
    a->Expand(false);
    TTreeNode* a1 = a->Item(0);
    int w = a1->DisplayRect(true).Width();
    EXPECT_EQ(a->DisplayRect(true).Left, 19);
    EXPECT_EQ(a1->DisplayRect(true), Rect(38, 20, 38 + w, 40));
    EXPECT_EQ(a1->DisplayRect(false), Rect(0, 20, 200, 40));
    EXPECT_EQ(tree->GetNodeAt(150, 25), a1) << "anywhere across the row";

    struct TCase {
        int x;
        unsigned hit;
    } cases[] = {{5, htOnIndent}, {18, htOnIndent}, {19, htOnButton}, {37, htOnButton},
                 {38, htOnLabel}, {38 + w - 1, htOnLabel}, {38 + w, htOnRight}};
    for (const TCase& c : cases) {
        SCOPED_TRACE("x " + std::to_string(c.x));
        EXPECT_EQ(tree->GetHitTestInfoAt(c.x, 25), c.hit);
    }
    a->Collapse(false);
    EXPECT_EQ(tree->GetNodeAt(5, 65), nullptr) << "below the last row";
    EXPECT_EQ(tree->GetHitTestInfoAt(5, 65), unsigned(htNowhere));
    a->Expand(false);

    tree->SetShowRoot(false);
    EXPECT_EQ(a->DisplayRect(true).Left, 0);
    EXPECT_EQ(a1->DisplayRect(true).Left, 19);
    EXPECT_EQ(tree->GetHitTestInfoAt(5, 5), unsigned(htOnLabel)) << "top-level nodes have no button";

    // Images come before the text.
    TImageList images(form);
    images.SetSize(16, 16);
    TBitmap cell(16, 16);
    images.Add(cell);
    tree->SetImages(&images);
    EXPECT_EQ(a1->DisplayRect(true).Left, 19 + 16 + 3);
    EXPECT_EQ(tree->GetHitTestInfoAt(20, 25), unsigned(htOnIcon));
    tree->SetImages(nullptr);

    tree->Perform(TVM_SETINDENT, 30);
    EXPECT_EQ(a1->DisplayRect(true).Left, 30);
    EXPECT_EQ(tree->Perform(TVM_GETINDENT), 30);
}

// A node's state image stands before its image, both before the text; transparent pixels
// of both show the lists' background colour when one is set, the tree's otherwise. A list
// that goes away gives its room back.
TEST_F(TreeView, StateImagesComeBeforeImagesOnTheListsBackground)
{
    tree->SetShowRoot(false);
    tree->SetShowLines(false);
    TTreeNode* node = tree->Items().Add(nullptr, "n");
    auto makeList = [&](TColor ink) {
        auto* list = new TImageList(form);
        list->SetSize(10, 10);
        TBitmap dot(10, 10); // transparent but for a 4 x 4 dot
        dot.Fill(clLime);
        for (int y = 3; y < 7; ++y)
            for (int x = 3; x < 7; ++x) dot.SetPixel(x, y, ink);
        list->AddMasked(dot, clLime);
        return list;
    };
    TImageList* states = makeList(clRed);
    TImageList* images = makeList(clBlue);
    images->SetBkColor(clYellow);
    tree->SetStateImages(states);
    tree->SetImages(images);
    node->SetStateIndex(0);
    node->SetImageIndex(0);
    ProcessMessages();
    auto at = [&](int x, int y) { return Pixel(tree->ClientToScreen({x, y})); };
    EXPECT_EQ(node->DisplayRect(true).Left, 2 * (10 + 3));
    EXPECT_EQ(tree->GetHitTestInfoAt(2, 5), unsigned(htOnIcon));
    EXPECT_EQ(at(5, 10), clRed) << "state image first";
    EXPECT_EQ(at(1, 10), ColorToRGB(clWindow)) << "the tree shows through the state image";
    EXPECT_EQ(at(13 + 5, 10), clBlue);
    EXPECT_EQ(at(13 + 1, 10), clYellow) << "the image list's background";

    node->SetStateIndex(-1);
    ProcessMessages();
    EXPECT_EQ(at(5, 10), ColorToRGB(clWindow)) << "no state: its room stays empty";
    delete states;
    EXPECT_EQ(tree->StateImages(), nullptr);
    EXPECT_EQ(node->DisplayRect(true).Left, 10 + 3);
}

TEST_F(TreeView, ScrollQueriesAndRequestsWorkInRowsAndPixels)
{
    for (int i = 0; i < 30; ++i) tree->Items().Add(nullptr, "node " + std::to_string(i));
    EXPECT_EQ(tree->Perform(TVM_GETVISIBLECOUNT), 5);
    EXPECT_EQ(tree->Perform(TVM_GETCOUNT), 30);
    EXPECT_EQ(tree->Perform(TVM_GETITEMHEIGHT), 20);
    int min, max, page, pos;
    tree->GetVertScrollRange(min, max, page, pos);
    EXPECT_EQ(std::vector<int>({min, max, page, pos}), std::vector<int>({0, 29, 5, 0}));
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(tree->Handle(), SB_VERT, &info));
    EXPECT_EQ(std::vector<int>({info.nMin, info.nMax, int(info.nPage), info.nPos}), std::vector<int>({0, 29, 5, 0}));
    EXPECT_LT(tree->ClientWidth(), 200) << "the vertical bar is shown";

    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 10));
    EXPECT_EQ(tree->TopIndex(), 10);
    EXPECT_EQ(tree->TopItem()->Text(), "node 10");
    EXPECT_EQ(tree->Items()[10]->DisplayRect(false).Top, 0);
    EXPECT_EQ(tree->Items()[9]->DisplayRect(false).Top, -20);
    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 40));
    EXPECT_EQ(tree->TopIndex(), 25) << "the last page ends with the last row";
    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_PAGEUP, 0));
    EXPECT_EQ(tree->TopIndex(), 20);
    tree->Perform(WM_VSCROLL, MAKEWPARAM(SB_LINEUP, 0));
    EXPECT_EQ(tree->TopIndex(), 19);

    tree->SetFocus();
    screen->Wheel(WHEEL_DELTA);
    EXPECT_EQ(tree->TopIndex(), 16);
    screen->PressKey(VK_HOME);
    EXPECT_EQ(tree->TopIndex(), 0);
    screen->PressKey(VK_NEXT);
    EXPECT_EQ(tree->Selected()->Text(), "node 4");
    screen->PressKey(VK_NEXT);
    EXPECT_EQ(tree->Selected()->Text(), "node 8");
    EXPECT_EQ(tree->TopIndex(), 4) << "the selection is scrolled into view";
    tree->SetTopItem(tree->Items()[12]);
    EXPECT_EQ(tree->TopIndex(), 12);

    // Horizontally: pixels up to the widest row.
    int width = tree->ClientWidth();
    tree->GetHorzScrollRange(min, max, page, pos);
    EXPECT_EQ(page, width);
    EXPECT_LT(max, width) << "everything fits";
    EXPECT_EQ(GetWindowLongPtr(tree->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    tree->Items()[12]->SetText(std::string(60, 'W'));
    tree->GetHorzScrollRange(min, max, page, pos);
    EXPECT_EQ(max, tree->Items()[12]->DisplayRect(true).Right - 1);
    EXPECT_NE(GetWindowLongPtr(tree->Handle(), GWL_STYLE) & WS_HSCROLL, 0);
    EXPECT_EQ(tree->VisibleCount(), 4) << "the horizontal bar takes a row's room";
    tree->Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 50));
    EXPECT_EQ(tree->HorzOffset(), 50);
    EXPECT_EQ(tree->Items()[12]->DisplayRect(true).Left, 19 - 50);
    tree->Perform(WM_HSCROLL, MAKEWPARAM(SB_RIGHT, 0));
    EXPECT_EQ(tree->HorzOffset(), max + 1 - width);
    tree->Perform(WM_HSCROLL, MAKEWPARAM(SB_LINELEFT, 0));
    EXPECT_EQ(tree->HorzOffset(), max + 1 - width - 8);
}

TEST_F(TreeView, DeletingMovesTheSelectionAndReportsEveryNode)
{
    OnDemand();
    TTreeNode* a = tree->Items().GetFirstNode();
    a->Expand(false);
    a->Item(0)->Expand(false);
    std::vector<std::string> deleted;
    tree->OnDeletion = [&](TComponent*, TTreeNode* n) { deleted.push_back(n->Text()); };
    tree->SetSelected(a->Item(0)->Item(0)); // a11
    log.clear();
    a->Item(0)->Delete();
    EXPECT_EQ(deleted, (std::vector<std::string>{"a12", "a11", "a1"}));
    EXPECT_EQ(tree->Selected()->Text(), "a2");
    EXPECT_EQ(log, (std::vector<std::string>{"change a2"}));
    EXPECT_EQ(tree->Items().Count(), 4);

    a->Item(0)->Delete();
    EXPECT_EQ(tree->Selected(), a) << "no sibling left: the parent";
    EXPECT_FALSE(a->HasChildren());
    EXPECT_FALSE(a->Expanded());

    deleted.clear();
    tree->Free();
    EXPECT_EQ(deleted.size(), 3u) << "the remaining nodes are reported when the tree goes";
}

TEST_F(TreeView, PaintsButtonsLinesAndTheSelection)
{
    OnDemand();
    TTreeNode* a = tree->Items().GetFirstNode();
    a->Expand(false);
    ProcessMessages();
    auto at = [&](int x, int y) { return Pixel(tree->ClientToScreen({x, y})); };
    TColor window = ColorToRGB(clWindow);
    TColor grey = ColorToRGB(clGrayText);
    TColor ink = ColorToRGB(clWindowText);

    // Button of "a" (expanded: minus) centred at (9, 10); of "b" (collapsed: plus) at (9, 70).
    EXPECT_EQ(at(5, 6), grey) << "corner of the box";
    EXPECT_EQ(at(13, 14), grey);
    EXPECT_EQ(at(9, 10), ink) << "the minus";
    EXPECT_EQ(at(9, 8), window) << "no upright stroke on an expanded node";
    EXPECT_EQ(at(9, 68), ink) << "the plus";
    EXPECT_EQ(at(7, 70), ink);

    // Dotted lines: a2 hangs off a's column (x 28) and leads right to its text.
    int dots = 0;
    for (int x = 29; x < 38; ++x) dots += at(x, 50) == grey;
    EXPECT_EQ(dots, 4);
    bool vertical = false;
    for (int y = 20; y < 40; ++y) vertical = vertical || at(28, y) == grey;
    EXPECT_TRUE(vertical);

    // The selection is filled with the highlight while focused, the face colour otherwise
    // only when HideSelection is off.
    tree->SetSelected(a->Item(1));
    tree->SetFocus();
    ProcessMessages();
    TRect cell = a->Item(1)->DisplayRect(true);
    EXPECT_EQ(at(cell.Right - 2, cell.Top + 2), ColorToRGB(clHighlight));
    EXPECT_EQ(at(cell.Right + 2, cell.Top + 2), window);
    form->SetActiveControl(nullptr);
    tree->Perform(WM_KILLFOCUS);
    ::tavrik::SetFocus(form->Handle());
    ProcessMessages();
    EXPECT_EQ(at(cell.Right - 2, cell.Top + 2), window);
    tree->SetHideSelection(false);
    ProcessMessages();
    EXPECT_EQ(at(cell.Right - 2, cell.Top + 2), ColorToRGB(clBtnFace));
}
