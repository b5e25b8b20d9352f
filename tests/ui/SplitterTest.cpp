#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "ui/Panel.h"
#include "ui/Splitter.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A 300 x 200 form: a panel aligned to one edge, the splitter beside it, a panel filling the
// rest.
class SplitterTest : public UiTest {
protected:
    TForm* form = nullptr;
    TPanel* side = nullptr;
    TPanel* rest = nullptr;
    TSplitter* splitter = nullptr;
    int moved = 0;

    void Build(TAlign align, int size = 100)
    {
        form = NewForm(100, 100, 300, 200);
        side = Panel(align, size);
        splitter = new TSplitter(form);
        bool horizontal = align == TAlign::alTop || align == TAlign::alBottom;
        splitter->SetBounds(horizontal ? 0 : 150, horizontal ? 150 : 0, 5, 5);
        splitter->SetAlign(align);
        splitter->SetParent(form);
        rest = Panel(TAlign::alClient, 10);
        splitter->OnMoved = [this](TComponent*) { ++moved; };
        ProcessMessages();
    }

    TPanel* Panel(TAlign align, int size)
    {
        auto* p = new TPanel(form);
        p->SetBevelOuter(TBevelCut::bvNone);
        p->SetBounds(0, 0, size, size);
        p->SetAlign(align);
        p->SetParent(form);
        return p;
    }

    void DragBy(int dx, int dy, int steps = 1)
    {
        TPoint from = Center(splitter);
        screen->Drag(from, {from.x + dx, from.y + dy}, steps);
    }
};

TEST_F(SplitterTest, DraggingResizesTheNeighbourBeforeIt)
{
    Build(TAlign::alLeft);
    EXPECT_EQ(splitter->BoundsRect(), Rect(100, 0, 105, 200));
    EXPECT_EQ(splitter->Cursor(), crSizeWE);
    DragBy(40, 0);
    EXPECT_EQ(side->Width(), 140);
    EXPECT_EQ(splitter->Left(), 140);
    EXPECT_EQ(rest->BoundsRect(), Rect(145, 0, 300, 200));
    EXPECT_EQ(moved, 1);
    {
        SCOPED_TRACE("MinSize holds on both sides");
        splitter->SetMinSize(30);
        DragBy(-500, 0);
        EXPECT_EQ(side->Width(), 30);
        DragBy(500, 0);
        EXPECT_EQ(side->Width(), 300 - 5 - 30);
        EXPECT_EQ(rest->Width(), 30);
    }
}

TEST_F(SplitterTest, EveryEdgeGrowsTheNeighbourTowardsThePointer)
{
    struct TCase {
        TAlign align;
        int dx, dy, size;
    };
    for (TCase c : {TCase{TAlign::alRight, -30, 0, 130}, TCase{TAlign::alTop, 0, 25, 125},
                    TCase{TAlign::alBottom, 0, 25, 75}}) {
        SCOPED_TRACE(int(c.align));
        Build(c.align);
        bool horizontal = c.align == TAlign::alTop || c.align == TAlign::alBottom;
        EXPECT_EQ(splitter->Cursor(), horizontal ? crSizeNS : crSizeWE);
        DragBy(c.dx, c.dy);
        EXPECT_EQ(horizontal ? side->Height() : side->Width(), c.size);
        form->Free();
    }
}

TEST_F(SplitterTest, ResizeStylesAndTheLineWhileDragging)
{
    Build(TAlign::alLeft);
    rest->SetColor(clWhite);
    side->SetColor(clWhite);
    ProcessMessages();
    TPoint from = Center(splitter);
    TColor during = 0;
    int widthDuring = 0;
    screen->MouseMove(from.x, from.y);
    screen->MouseDown();
    screen->MouseMove(from.x + 50, from.y);
    during = Pixel({100 + 152, 150});
    widthDuring = side->Width();
    screen->MouseUp();
    EXPECT_EQ(during, clBlack); // the inverted line where the splitter goes
    EXPECT_EQ(widthDuring, 100);
    EXPECT_EQ(side->Width(), 150);
    EXPECT_EQ(Pixel({100 + 100, 150}), clWhite); // the line is gone
    {
        SCOPED_TRACE("rsUpdate resizes as it goes");
        splitter->SetResizeStyle(TResizeStyle::rsUpdate);
        from = Center(splitter);
        screen->MouseMove(from.x, from.y);
        screen->MouseDown();
        screen->MouseMove(from.x - 20, from.y);
        widthDuring = side->Width();
        screen->MouseUp();
        EXPECT_EQ(widthDuring, 130);
    }
    {
        SCOPED_TRACE("OnCanResize can change and refuse");
        splitter->OnCanResize = [](TComponent*, int& size, bool& accept) {
            if (size > 200) accept = false;
            size = size / 10 * 10;
        };
        DragBy(17, 0);
        EXPECT_EQ(side->Width(), 140);
        DragBy(100, 0);
        EXPECT_EQ(side->Width(), 140);
    }
}

TEST_F(SplitterTest, PaintsInItsParentsColourWithAnOptionalBevel)
{
    Build(TAlign::alLeft);
    EXPECT_EQ(Pixel({100 + 102, 150}), ColorToRGB(clBtnFace));
    splitter->SetBeveled(true);
    ProcessMessages();
    EXPECT_EQ(Pixel({100 + 101, 150}), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(Pixel({100 + 103, 150}), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel({100 + 102, 150}), ColorToRGB(clBtnFace));
    {
        SCOPED_TRACE("with nothing before it, nothing moves");
        side->SetAlign(TAlign::alRight);
        int before = side->Width();
        DragBy(30, 0);
        EXPECT_EQ(side->Width(), before);
        EXPECT_EQ(moved, 0);
    }
}

} // namespace
