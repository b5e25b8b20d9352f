#include "ListViewTestUtil.h"

#include "gfx/Canvas.h"
#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Button.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class ListPaint : public ListViewTest {
protected:
    void SetUp() override
    {
        ListViewTest::SetUp();
        list->SetViewStyle(TViewStyle::vsList);
        list->SetMultiSelect(true);
        other = test::NewChild<TButton>(form, 320, 10, 60, 24);
    }
    // Whether any pixel of the rectangle (list client coordinates) has the colour.
    bool Shows(const TRect& r, TColor color)
    {
        ProcessMessages();
        TColor rgb = ColorToRGB(color);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                if (Pixel(list->ClientToScreen({x, y})) == rgb) return true;
        return false;
    }
    // Whether text of the colour is drawn on the background there: anti-aliased glyphs may
    // have no pixel of the exact colour, so a pixel counts when it is nearer to the colour
    // than to the background.
    bool HasInk(const TRect& r, TColor color, TColor background)
    {
        ProcessMessages();
        auto distance = [](TColor a, TColor b) {
            int d = 0;
            for (int shift = 0; shift < 24; shift += 8) d += std::abs(int((a >> shift) & 255) - int((b >> shift) & 255));
            return d;
        };
        TColor ink = ColorToRGB(color), paper = ColorToRGB(background);
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x) {
                TColor p = Pixel(list->ClientToScreen({x, y}));
                if (p != paper && distance(p, ink) < distance(p, paper)) return true;
            }
        return false;
    }
    TButton* other = nullptr;
};

} // namespace

TEST_F(ListPaint, SelectionIsHighlightedWithFocusAndGreyOrHiddenWithout)
{
    Fill(5);
    ClickItem(1);
    TRect sel = list->ItemRect(1, TDisplayCode::drSelectBounds);
    TRect plain = list->ItemRect(2, TDisplayCode::drSelectBounds);
    // A corner pixel of the selection (inside the focus rectangle's dots).
    EXPECT_EQ(ListPixel(sel.Left + 1, sel.Top + 1), ColorToRGB(clHighlight));
    EXPECT_TRUE(HasInk(sel, clHighlightText, clHighlight));
    EXPECT_EQ(ListPixel(plain.Left + 1, plain.Top + 1), ColorToRGB(clWindow));
    EXPECT_FALSE(Shows(plain, clHighlight));

    other->SetFocus();
    EXPECT_EQ(ListPixel(sel.Left + 1, sel.Top + 1), ColorToRGB(clWindow)); // HideSelection
    list->SetHideSelection(false);
    EXPECT_EQ(ListPixel(sel.Left + 1, sel.Top + 1), ColorToRGB(clBtnFace));
    EXPECT_FALSE(Shows(sel, clHighlight));
}

TEST_F(ListPaint, TheFocusedItemHasADottedFrameOnlyWhileTheListHasTheFocus)
{
    Fill(5);
    ClickItem(2);
    ClickItem(2, VK_CONTROL); // focused, not selected
    TRect r = list->ItemRect(2, TDisplayCode::drSelectBounds);
    ProcessMessages();
    // The dotted frame inverts every other pixel of the window colour.
    TColor inverted = ColorToRGB(clWindow) ^ 0xFFFFFF;
    EXPECT_EQ(ListPixel(r.Left, r.Top), inverted);
    EXPECT_EQ(ListPixel(r.Left + 1, r.Top), ColorToRGB(clWindow));
    other->SetFocus();
    EXPECT_EQ(ListPixel(r.Left, r.Top), ColorToRGB(clWindow));
}

TEST_F(ListPaint, ItemsShowTheirImagesFromTheSmallList)
{
    list->SetSmallImages(SolidImages({clRed, clLime}));
    Fill(3);
    list->Items()[0]->SetImageIndex(0);
    list->Items()[1]->SetImageIndex(1);
    list->Items()[2]->SetImageIndex(7); // no such image: nothing drawn
    for (int i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        TRect icon = list->ItemRect(i, TDisplayCode::drIcon);
        EXPECT_EQ(icon.Width(), 16);
        TPoint c{icon.Left + 8, (icon.Top + icon.Bottom) / 2};
        EXPECT_EQ(ListPixel(c.x, c.y), i == 0 ? clRed : i == 1 ? clLime : ColorToRGB(clWindow));
        EXPECT_GE(list->ItemRect(i, TDisplayCode::drLabel).Left, icon.Right);
    }
    // The large list draws the icon style.
    list->SetLargeImages(SolidImages({clBlue}));
    list->SetViewStyle(TViewStyle::vsIcon);
    TRect icon = list->ItemRect(0, TDisplayCode::drIcon);
    EXPECT_EQ(ListPixel((icon.Left + icon.Right) / 2, (icon.Top + icon.Bottom) / 2), clBlue);
}

TEST_F(ListPaint, CaptionsAreDrawnInTheFontColourAndCutWithAnEllipsis)
{
    list->Font().SetColor(clRed);
    Fill(1);
    TRect label = list->ItemRect(0, TDisplayCode::drSelectBounds);
    EXPECT_TRUE(HasInk(label, clRed, clWindow));
    list->SetEnabled(false);
    EXPECT_FALSE(HasInk(label, clRed, clWindow));
    EXPECT_TRUE(HasInk(label, clGrayText, clWindow));
}

TEST_F(ListPaint, ReportRowsShowSubItemsInTheirColumnsAndRowSelectFillsTheRow)
{
    list->SetViewStyle(TViewStyle::vsReport);
    auto* c0 = list->Columns().Add();
    c0->SetWidth(100);
    auto* c1 = list->Columns().Add();
    c1->SetWidth(80);
    c1->SetAlignment(TAlignment::taRightJustify);
    Fill(3);
    list->Items()[1]->SetSubItems({"x"});
    ClickItem(1);
    TRect row = list->ItemRect(1, TDisplayCode::drBounds);
    EXPECT_EQ(row.Width(), 180);
    EXPECT_EQ(row.Top, list->HeaderHeight() + row.Height());
    TRect sub{100, row.Top, 180, row.Bottom};
    EXPECT_TRUE(HasInk(sub, list->Font().Color(), clWindow));
    // Right-aligned: no ink in the left half of the sub-item's cell.
    EXPECT_FALSE(HasInk({100, row.Top, 140, row.Bottom}, list->Font().Color(), clWindow));
    EXPECT_FALSE(Shows(sub, clHighlight));
    list->SetRowSelect(true);
    EXPECT_EQ(ListPixel(170, row.Top + 1), ColorToRGB(clHighlight));
    EXPECT_TRUE(HasInk(sub, clHighlightText, clHighlight));
    EXPECT_EQ(list->ItemRect(1, TDisplayCode::drSelectBounds), row);
}

TEST_F(ListPaint, OwnerDrawnReportRowsArePaintedByTheHandler)
{
    list->SetViewStyle(TViewStyle::vsReport);
    list->Columns().Add()->SetWidth(150);
    Fill(4);
    ClickItem(2);
    std::vector<std::pair<int, TOwnerDrawState>> drawn;
    list->OnDrawItem = [&](TCustomListView* sender, TListItem* item, TRect rect, TOwnerDrawState state) {
        drawn.push_back({item->Index(), state});
        sender->Canvas()->Brush().Color = item->Selected() ? clLime : clYellow;
        sender->Canvas()->FillRect(rect);
    };
    list->SetOwnerDraw(true);
    ProcessMessages();
    ASSERT_EQ(drawn.size(), 4u);
    EXPECT_EQ(drawn[2].second, TOwnerDrawState(odSelected | odFocused));
    EXPECT_EQ(drawn[1].second, 0u);
    TRect r2 = list->ItemRect(2, TDisplayCode::drBounds), r3 = list->ItemRect(3, TDisplayCode::drBounds);
    EXPECT_EQ(ListPixel(140, r2.Top + 2), clLime);
    EXPECT_EQ(ListPixel(140, r3.Top + 2), clYellow);
    // Without a handler the rows are drawn plainly.
    list->OnDrawItem = nullptr;
    list->Invalidate();
    EXPECT_EQ(ListPixel(140, r3.Top + 2), ColorToRGB(clWindow));
}

TEST_F(ListPaint, ASingleBorderTakesAnEdgeOffTheClientArea)
{
    Fill(2);
    EXPECT_EQ(list->ClientWidth(), 300 - 4);
    EXPECT_EQ(list->ClientOrigin(), form->ClientToScreen({12, 12}));
    EXPECT_NE(Pixel(form->ClientToScreen({10, 10})), ColorToRGB(clWindow));
    list->SetBorderStyle(TBorderStyle::bsNone);
    EXPECT_EQ(list->ClientWidth(), 300);
    EXPECT_EQ(list->ItemRect(0, TDisplayCode::drBounds).Top, 0);
    ProcessMessages();
    EXPECT_EQ(Pixel(form->ClientToScreen({10, 10})), ColorToRGB(clWindow));
}
