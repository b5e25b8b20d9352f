#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/PageControl.h"
#include "ui/Panel.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A focusable child for the pages.
class TFocusBox : public TCustomControl {
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
};

// A page control that moves its tabs and pages the way a skinned frame does: every tab
// 2 pixels up and left, the page area 10 pixels in from each side below the tabs.
class TShiftedPageControl : public TPageControl {
public:
    explicit TShiftedPageControl(TComponent* owner) : TPageControl(owner) {}
    void WndProc(TMessage& m) override
    {
        TPageControl::WndProc(m);
        if (m.Msg == TCM_GETITEMRECT && m.Result) *LParamToPtr<TRect>(m.LParam) = LParamToPtr<TRect>(m.LParam)->Offset(-2, -2);
        if (m.Msg == TCM_ADJUSTRECT && m.WParam == 0) {
            TRect& r = *LParamToPtr<TRect>(m.LParam);
            r = {10, r.Top, Width() - 10, Height() - 10};
        }
    }
};

class PageControl : public UiTest {
protected:
    TForm* form = nullptr;
    TPageControl* pages = nullptr;
    std::vector<std::string> log;

    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        pages = Make<TPageControl>();
    }
    template <class T>
    T* Make()
    {
        auto* p = test::NewChild<T>(form, 10, 10, 300, 200);
        p->SetTabWidth(60);
        p->SetTabHeight(20);
        p->OnChanging = [this](TComponent*, bool&) { log.push_back("changing"); };
        p->OnChange = [this](TComponent*) { log.push_back("change"); };
        return p;
    }
    TTabSheet* AddPage(TPageControl* control, const std::string& caption)
    {
        auto* sheet = new TTabSheet(form);
        sheet->SetCaption(caption);
        sheet->SetPageControl(control);
        return sheet;
    }
    void ClickTab(TPageControl* control, int tab)
    {
        TRect r = control->TabRect(tab);
        TPoint p = control->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        screen->Click(p.x, p.y);
    }
    void PressWith(UINT modifier, UINT key, UINT second = 0)
    {
        screen->KeyDown(modifier);
        if (second) screen->KeyDown(second);
        screen->PressKey(key);
        if (second) screen->KeyUp(second);
        screen->KeyUp(modifier);
    }
    std::vector<bool> Visibility() const
    {
        std::vector<bool> v;
        for (int i = 0; i < pages->PageCount(); ++i) v.push_back(pages->Pages(i)->Visible());
        return v;
    }
};

} // namespace

TEST_F(PageControl, TabAndPageRectanglesFollowTheRowOnTopAndAtTheBottom)
{
    AddPage(pages, "One");
    AddPage(pages, "Two");
    AddPage(pages, "Three");
    EXPECT_EQ(pages->TabRect(0), Rect(2, 2, 62, 22));
    EXPECT_EQ(pages->TabRect(2), Rect(122, 2, 182, 22));
    EXPECT_EQ(pages->TabRect(3), TRect{});
    EXPECT_EQ(pages->DisplayRect(), Rect(4, 26, 296, 196));
    EXPECT_EQ(pages->Pages(0)->BoundsRect(), Rect(4, 26, 296, 196));
    EXPECT_EQ(pages->Pages(1)->BoundsRect(), Rect(4, 26, 296, 196)) << "hidden pages are laid out too";

    // The two directions of TCM_ADJUSTRECT undo each other.
    TRect r = Rect(20, 30, 220, 130);
    pages->Perform(TCM_ADJUSTRECT, 0, PtrToLParam(&r));
    EXPECT_EQ(r, Rect(24, 56, 216, 126));
    pages->Perform(TCM_ADJUSTRECT, 1, PtrToLParam(&r));
    EXPECT_EQ(r, Rect(20, 30, 220, 130));

    pages->SetTabPosition(TTabPosition::tpBottom);
    EXPECT_EQ(pages->TabRect(1), Rect(62, 178, 122, 198));
    EXPECT_EQ(pages->DisplayRect(), Rect(4, 4, 296, 174));
    EXPECT_EQ(pages->ActivePage()->BoundsRect(), Rect(4, 4, 296, 174));

    // Automatic sizes: wider captions make wider tabs, the height comes from the font.
    pages->SetTabPosition(TTabPosition::tpTop);
    pages->SetTabWidth(0);
    pages->SetTabHeight(0);
    TRect one = pages->TabRect(0), three = pages->TabRect(2);
    EXPECT_EQ(one.Left, 2);
    EXPECT_GT(three.Width(), one.Width());
    EXPECT_EQ(pages->TabRect(1).Left, one.Right);
    EXPECT_GT(one.Height(), 6);
    EXPECT_EQ(pages->DisplayRect().Top, one.Bottom + 4);
}

// Tabs on every side of the page area: the row's rectangles, the page area beside it, the
// two directions of TCM_ADJUSTRECT, and a click on the second tab.
TEST_F(PageControl, TheRowStandsOnAnySideOfThePages)
{
    AddPage(pages, "One");
    AddPage(pages, "Two");
    struct TCase {
        TTabPosition position;
        TRect second, display;
    } cases[] = {
        {TTabPosition::tpTop, Rect(62, 2, 122, 22), Rect(4, 26, 296, 196)},
        {TTabPosition::tpBottom, Rect(62, 178, 122, 198), Rect(4, 4, 296, 174)},
        {TTabPosition::tpLeft, Rect(2, 62, 22, 122), Rect(26, 4, 296, 196)},
        {TTabPosition::tpRight, Rect(278, 62, 298, 122), Rect(4, 4, 274, 196)},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(int(c.position));
        pages->SetTabPosition(c.position);
        pages->SetActivePageIndex(0);
        EXPECT_EQ(pages->TabRect(1), c.second);
        EXPECT_EQ(pages->DisplayRect(), c.display);
        EXPECT_EQ(pages->ActivePage()->BoundsRect(), c.display);
        TRect r = Rect(20, 30, 220, 130);
        pages->Perform(TCM_ADJUSTRECT, 0, PtrToLParam(&r));
        pages->Perform(TCM_ADJUSTRECT, 1, PtrToLParam(&r));
        EXPECT_EQ(r, Rect(20, 30, 220, 130));
        ClickTab(pages, 1);
        EXPECT_EQ(pages->ActivePageIndex(), 1);
        EXPECT_TRUE(pages->ArrowRect(true).IsEmpty());
    }
}

// An upright tab is a lying one turned: on the left its outer edge is light and its caption
// stands in it; the selected one covers the frame beside its page.
TEST_F(PageControl, UprightTabsAreDrawnTurned)
{
    AddPage(pages, "A");
    AddPage(pages, "B");
    pages->Pages(0)->SetColor(clWhite);
    pages->SetTabPosition(TTabPosition::tpLeft);
    ProcessMessages();
    TColor face = ColorToRGB(clBtnFace);
    TColor light = ColorToRGB(clBtnHighlight);
    auto at = [&](int x, int y) { return Pixel(pages->ClientToScreen({x, y})); };
    EXPECT_EQ(at(100, 100), clWhite);
    EXPECT_EQ(at(2, 90), light) << "the second tab's outer edge";
    EXPECT_EQ(at(0, 30), light) << "the selected tab stands 2 pixels out";
    EXPECT_EQ(at(22, 30), face) << "and opens into its page";
    EXPECT_EQ(at(22, 90), light) << "the frame beside the other tab";
    bool ink = false;
    for (int y = 66; y < 118; ++y)
        for (int x = 5; x < 20; ++x) ink = ink || at(x, y) != face;
    EXPECT_TRUE(ink) << "the caption";
}

TEST_F(PageControl, RequestsAnswerTheNativeMessages)
{
    TTabSheet* a = AddPage(pages, "A");
    AddPage(pages, "B");
    AddPage(pages, "C");
    EXPECT_EQ(pages->Perform(TCM_GETITEMCOUNT), 3);
    EXPECT_EQ(pages->Perform(TCM_GETCURSEL), 0);
    EXPECT_EQ(pages->Perform(TCM_SETCURSEL, 2), 0) << "answers the previous selection";
    EXPECT_EQ(pages->Perform(TCM_GETCURSEL), 2);
    EXPECT_TRUE(log.empty()) << "no change events for requests";
    EXPECT_EQ(pages->Perform(TCM_HITTEST, 0, PointToLParam({70, 10})), 1);
    EXPECT_EQ(pages->Perform(TCM_HITTEST, 0, PointToLParam({250, 10})), -1);
    TRect r;
    EXPECT_EQ(pages->Perform(TCM_GETITEMRECT, 5, PtrToLParam(&r)), 0);

    // TCM_SETITEMSIZE sets the tab size; 0 goes back to automatic.
    pages->Perform(TCM_SETITEMSIZE, 0, MAKELPARAM(50, 30));
    EXPECT_EQ(pages->TabRect(1), Rect(52, 2, 102, 32));
    EXPECT_EQ(a->BoundsRect().Top, 36);
    EXPECT_EQ(pages->TabHeight(), 20) << "the size asked for stays";
    EXPECT_EQ(pages->TabWidth(), 60);
}

TEST_F(PageControl, OnlyTheActivePageIsShownAndTabsFollowThePages)
{
    TTabSheet* a = AddPage(pages, "A");
    TTabSheet* b = AddPage(pages, "B");
    TTabSheet* c = AddPage(pages, "C");
    EXPECT_EQ(pages->ActivePage(), a) << "the first page becomes active";
    EXPECT_EQ(Visibility(), (std::vector<bool>{true, false, false}));

    pages->SetActivePage(c);
    EXPECT_EQ(Visibility(), (std::vector<bool>{false, false, true}));
    EXPECT_EQ(pages->TabIndex(), 2);
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_TRUE(log.empty()) << "code switches fire no events";

    {
        SCOPED_TRACE("a hidden tab leaves the row; the pages after it move up");
        b->SetTabVisible(false);
        EXPECT_EQ(pages->Perform(TCM_GETITEMCOUNT), 2);
        EXPECT_EQ(c->TabIndex(), 1);
        EXPECT_EQ(b->TabIndex(), -1);
        EXPECT_EQ(pages->TabIndex(), 1);
        EXPECT_EQ(pages->PageOfTab(1), c);
        b->SetTabVisible(true);
    }
    {
        SCOPED_TRACE("moving a page moves its tab");
        c->SetPageIndex(0);
        EXPECT_EQ(pages->Pages(0), c);
        EXPECT_EQ(a->PageIndex(), 1);
        EXPECT_EQ(pages->TabIndex(), 0);
        EXPECT_EQ(pages->PageOfTab(2), b);
    }
    {
        SCOPED_TRACE("a caption change renames and resizes the tab");
        pages->SetTabWidth(0);
        int before = pages->TabRect(1).Width();
        a->SetCaption("A much longer caption");
        EXPECT_GT(pages->TabRect(1).Width(), before);
    }
    {
        SCOPED_TRACE("freeing the active page activates the next one");
        c->Free();
        EXPECT_EQ(pages->PageCount(), 2);
        EXPECT_EQ(pages->ActivePage(), a);
        EXPECT_TRUE(a->Visible());
        EXPECT_EQ(pages->TabIndex(), 0);
    }
    {
        SCOPED_TRACE("a page taken out of the control leaves its tab");
        b->SetParent(form);
        EXPECT_EQ(pages->PageCount(), 1);
        EXPECT_EQ(b->PageControl(), nullptr);
        EXPECT_EQ(pages->Perform(TCM_GETITEMCOUNT), 1);
    }
    pages->Free(); // with its remaining page: nothing reports back to the freed control
}

TEST_F(PageControl, ClickingATabSwitchesPagesUnlessOnChangingRefuses)
{
    AddPage(pages, "A");
    TTabSheet* b = AddPage(pages, "B");
    AddPage(pages, "C");
    ClickTab(pages, 1);
    EXPECT_EQ(pages->ActivePage(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change"}));
    EXPECT_TRUE(pages->Focused());

    log.clear();
    ClickTab(pages, 1);
    EXPECT_TRUE(log.empty()) << "the selected tab again changes nothing";

    pages->OnChanging = [this](TComponent*, bool& allow) {
        log.push_back("refused");
        allow = false;
    };
    ClickTab(pages, 2);
    EXPECT_EQ(pages->ActivePage(), b);
    EXPECT_EQ(log, (std::vector<std::string>{"refused"}));
    EXPECT_EQ(Visibility(), (std::vector<bool>{false, true, false}));

    // A click beside the tabs or on the page does nothing.
    log.clear();
    screen->Click(pages->ClientToScreen({250, 10}).x, pages->ClientToScreen({250, 10}).y);
    screen->Click(pages->ClientToScreen({150, 100}).x, pages->ClientToScreen({150, 100}).y);
    EXPECT_TRUE(log.empty());
}

TEST_F(PageControl, KeyboardSwitchesPagesAndTakesTheFocusAlong)
{
    TTabSheet* a = AddPage(pages, "A");
    TTabSheet* b = AddPage(pages, "B");
    TTabSheet* c = AddPage(pages, "C");
    auto* boxA = new TFocusBox(form);
    boxA->SetParent(a);
    boxA->SetBounds(5, 5, 40, 20);
    auto* boxB = new TFocusBox(form);
    boxB->SetParent(b);
    boxB->SetBounds(5, 5, 40, 20);
    boxA->SetFocus();

    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(pages->ActivePage(), b);
    EXPECT_TRUE(boxB->Focused()) << "the focus moves to the new page's first control";
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(pages->ActivePage(), c);
    EXPECT_TRUE(pages->Focused()) << "a page without controls leaves the focus on the tabs";
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(pages->ActivePage(), a) << "Ctrl+Tab wraps around";
    PressWith(VK_CONTROL, VK_TAB, VK_SHIFT);
    EXPECT_EQ(pages->ActivePage(), c);
    EXPECT_EQ(log, (std::vector<std::string>{"changing", "change", "changing", "change", "changing", "change",
                                             "changing", "change"}));

    // Arrows on the focused tabs move one tab and stop at the ends.
    pages->SetFocus();
    screen->PressKey(VK_LEFT);
    EXPECT_EQ(pages->ActivePage(), b);
    screen->PressKey(VK_HOME);
    EXPECT_EQ(pages->ActivePage(), a);
    screen->PressKey(VK_LEFT);
    EXPECT_EQ(pages->ActivePage(), a);
    screen->PressKey(VK_END);
    EXPECT_EQ(pages->ActivePage(), c);
    screen->PressKey(VK_RIGHT);
    EXPECT_EQ(pages->ActivePage(), c);
    EXPECT_TRUE(pages->Focused());

    // Ctrl+Tab outside the page control is not its business.
    auto* outside = test::NewChild<TFocusBox>(form, 320, 10, 40, 20);
    outside->SetFocus();
    PressWith(VK_CONTROL, VK_TAB);
    EXPECT_EQ(pages->ActivePage(), c);
}

TEST_F(PageControl, ADescendantsAnswersMoveHitTestsAndPages)
{
    auto* shifted = Make<TShiftedPageControl>();
    shifted->SetBounds(10, 10, 300, 200);
    TTabSheet* a = AddPage(shifted, "A");
    AddPage(shifted, "B");
    EXPECT_EQ(shifted->TabRect(1), Rect(60, 0, 120, 20));
    EXPECT_EQ(a->BoundsRect(), Rect(10, 26, 290, 190));
    EXPECT_EQ(shifted->IndexOfTabAt(119, 0), 1);
    EXPECT_EQ(shifted->IndexOfTabAt(121, 5), -1);
    shifted->SetBounds(10, 10, 250, 150);
    EXPECT_EQ(a->BoundsRect(), Rect(10, 26, 240, 140));
}

TEST_F(PageControl, TheRowScrollsToTheRequestedTabAndToTheSelection)
{
    for (int i = 0; i < 8; ++i) AddPage(pages, "Page " + std::to_string(i));
    EXPECT_EQ(pages->TabRect(5).Right, 362) << "beyond the 300-pixel width";
    pages->Perform(WM_HSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 3));
    EXPECT_EQ(pages->FirstVisibleTab(), 3);
    EXPECT_EQ(pages->TabRect(3).Left, 2);
    EXPECT_EQ(pages->TabRect(2).Right, 2);
    EXPECT_EQ(pages->TabRect(0).Left, -178);

    pages->SetFocus();
    screen->PressKey(VK_END);
    EXPECT_EQ(pages->ActivePageIndex(), 7);
    EXPECT_LE(pages->TabRect(7).Right, 298) << "the selected tab is scrolled into view";
    EXPECT_GT(pages->TabRect(6).Right, 60);
    EXPECT_LE(pages->TabRect(7).Right, pages->ArrowRect(false).Left) << "and not under the arrows";
    screen->PressKey(VK_HOME);
    EXPECT_EQ(pages->FirstVisibleTab(), 0);
}

TEST_F(PageControl, ArrowsAtTheRowsEndScrollTabsThatDoNotFit)
{
    for (int i = 0; i < 3; ++i) AddPage(pages, "Page " + std::to_string(i));
    EXPECT_FALSE(pages->TabsOverflow());
    EXPECT_EQ(pages->ArrowRect(true), TRect{}) << "three tabs fit: no arrows";
    for (int i = 3; i < 6; ++i) AddPage(pages, "Page " + std::to_string(i));
    EXPECT_EQ(pages->ArrowRect(false), Rect(264, 2, 281, 19));
    EXPECT_EQ(pages->ArrowRect(true), Rect(281, 2, 298, 19));
    ProcessMessages();
    TColor text = ColorToRGB(clBtnText), grey = ColorToRGB(clGrayText);
    auto at = [&](int x, int y) { return Pixel(pages->ClientToScreen({x, y})); };
    EXPECT_EQ(at(272 + 1, 10), grey) << "nothing to the left yet";
    EXPECT_EQ(at(289 - 2, 10), text);

    auto click = [&](bool right) {
        TRect r = pages->ArrowRect(right);
        TPoint p = pages->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
        screen->Click(p.x, p.y);
    };
    std::vector<int> firsts;
    for (int i = 0; i < 4; ++i) {
        click(true);
        firsts.push_back(pages->FirstVisibleTab());
    }
    EXPECT_EQ(firsts, (std::vector<int>{1, 2, 2, 2})) << "until the last tab ends left of the arrows";
    EXPECT_EQ(pages->ActivePageIndex(), 0) << "the arrows do not switch pages";
    ProcessMessages();
    EXPECT_EQ(at(272 + 1, 10), text);
    EXPECT_EQ(at(289 - 2, 10), grey);
    click(false);
    EXPECT_EQ(pages->FirstVisibleTab(), 1);

    // A descendant with arrows of its own turns these off.
    pages->SetScrollArrows(false);
    EXPECT_EQ(pages->ArrowRect(false), TRect{});
    EXPECT_TRUE(pages->TabsOverflow());
}

TEST_F(PageControl, PaintsTabsOverTheFrameOfThePageArea)
{
    AddPage(pages, "A");
    AddPage(pages, "B");
    pages->Pages(0)->SetColor(clWhite);
    ProcessMessages();
    TColor face = ColorToRGB(clBtnFace);
    TColor light = ColorToRGB(clBtnHighlight);
    auto at = [&](int x, int y) { return Pixel(pages->ClientToScreen({x, y})); };
    EXPECT_EQ(at(150, 100), clWhite) << "the active page fills the page area";
    EXPECT_EQ(at(150, 22), light) << "the frame's top edge right of the tabs";
    EXPECT_EQ(at(90, 22), light) << "under the second tab";
    EXPECT_EQ(at(30, 22), face) << "the selected tab opens into its page";
    EXPECT_EQ(at(30, 0), light) << "the selected tab stands 2 pixels higher";
    EXPECT_EQ(at(90, 0), face) << "the other tab does not";
    EXPECT_EQ(at(90, 2), light);
    EXPECT_EQ(at(250, 10), face) << "beside the row";
    EXPECT_EQ(at(0, 100), light) << "left edge of the frame";
    EXPECT_EQ(at(299, 100), ColorToRGB(cl3DDkShadow)) << "right edge of the frame";

    // A caption is drawn in its tab: some pixel of the text differs from the face.
    bool ink = false;
    for (int y = 6; y < 19; ++y)
        for (int x = 70; x < 115; ++x) ink = ink || at(x, y) != face;
    EXPECT_TRUE(ink);

    ClickTab(pages, 1);
    ProcessMessages();
    EXPECT_EQ(at(90, 22), face) << "the second tab now opens into its page";
    EXPECT_EQ(at(30, 22), light);
    EXPECT_EQ(at(90, 0), light);
}
