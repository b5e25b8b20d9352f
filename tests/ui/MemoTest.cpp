#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Memo.h"

#include <initializer_list>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Memo : public UiTest {
protected:
    TForm* form = nullptr;
    TMemo* memo = nullptr;
    int changes = 0;
    int scrolls = 0;

    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        memo = test::NewChild<TMemo>(form, 10, 10, 200, 100);
        memo->OnChange = [this](TComponent*) { ++changes; };
        memo->OnScroll = [this](TComponent*) { ++scrolls; };
        memo->SetFocus();
        ProcessMessages();
    }
    void Press(UINT vk, std::initializer_list<UINT> modifiers = {})
    {
        for (UINT m : modifiers) screen->KeyDown(m);
        screen->PressKey(vk);
        for (UINT m : modifiers) screen->KeyUp(m);
    }
    void FillLines(int count)
    {
        std::string text;
        for (int i = 0; i < count; ++i) text += (i ? "\n" : "") + std::to_string(i);
        memo->SetText(text);
    }
    int MaxFirstLine() const { return memo->LineCount() - memo->VisibleLineCount(); }
};

TEST_F(Memo, LinesEditTheTextOneChangeAtATime)
{
    TMemoLines& lines = memo->Lines();
    EXPECT_EQ(lines.Count(), 0);
    lines.Add("first");
    lines.Add("第二");
    lines.Insert(0, "zero");
    EXPECT_EQ(memo->Text(), "zero\nfirst\n第二");
    EXPECT_EQ(changes, 3);
    EXPECT_EQ(lines.Count(), 3);
    EXPECT_EQ(lines[2], "第二");
    lines.SetStrings(1, "one");
    lines.Delete(0);
    EXPECT_EQ(lines.Text(), "one\n第二\n");
    EXPECT_EQ(changes, 5);
    EXPECT_THROW(lines.Strings(2), Exception);
    EXPECT_THROW(lines.Delete(-1), Exception);
    EXPECT_THROW(lines.Insert(3, "x"), Exception);
    EXPECT_EQ(changes, 5);

    struct TCase {
        std::string text;
        int count;
        std::string normalized;
    };
    const std::vector<TCase> cases = {
        {"", 0, ""},
        {"a", 1, "a"},
        {"a\n", 1, "a\n"},      // a last line break makes no empty line
        {"a\n\nb", 3, "a\n\nb"},
        {"a\r\nb\rc", 3, "a\nb\nc"}, // every kind of line break becomes one
        {"\n", 1, "\n"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.text);
        lines.SetText(c.text);
        EXPECT_EQ(memo->Text(), c.normalized);
        EXPECT_EQ(lines.Count(), c.count);
    }
    lines.Clear();
    EXPECT_EQ(memo->Text(), "");
}

TEST_F(Memo, EnterAndTabFollowWantReturnsAndWantTabs)
{
    screen->TypeText("ab");
    Press(VK_RETURN);
    screen->TypeText("cd");
    EXPECT_EQ(memo->Text(), "ab\ncd");
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->CaretLineAndColumn(), (TPoint{2, 1}));
    Press(VK_TAB);
    EXPECT_EQ(memo->Text(), "ab\ncd"); // Tab left for the form
    memo->SetWantTabs(true);
    memo->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(memo->Text(), "ab\ncd\t");
    memo->SetWantReturns(false);
    Press(VK_RETURN);
    EXPECT_EQ(memo->Text(), "ab\ncd\t");
    // Backspace joins the lines again.
    Press(VK_HOME);
    Press(VK_BACK);
    EXPECT_EQ(memo->Text(), "abcd\t");
}

TEST_F(Memo, UpAndDownKeepTheColumnAndCtrlHomeEndGoToTheEnds)
{
    memo->SetText("abcdef\nab\nabcdef");
    memo->SelectAll();
    memo->Perform(EM_SETSEL, 5, 5);
    Press(VK_DOWN);
    EXPECT_EQ(memo->CaretLineAndColumn(), (TPoint{2, 1})); // the short line's end
    Press(VK_DOWN);
    EXPECT_EQ(memo->CaretLineAndColumn(), (TPoint{5, 2})); // back in the remembered column
    Press(VK_DOWN);
    EXPECT_EQ(memo->CaretLineAndColumn(), (TPoint{5, 2}));
    Press(VK_UP, {VK_SHIFT});
    EXPECT_EQ(memo->SelText(), "\nabcde"); // from the remembered column
    Press(VK_HOME);
    EXPECT_EQ(memo->CaretPos(), 7);
    Press(VK_END);
    EXPECT_EQ(memo->CaretPos(), 9);
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(memo->CaretPos(), 16);
    Press(VK_HOME, {VK_CONTROL, VK_SHIFT});
    EXPECT_EQ(memo->SelLength(), 16);
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(memo->CaretPos(), 6); // a word move stops at the line's end
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(memo->CaretPos(), 7);
}

TEST_F(Memo, WordWrapCountsTheLinesAsShown)
{
    std::string words;
    for (int i = 0; i < 20; ++i) words += "word" + std::to_string(i) + " ";
    memo->SetText(words + "\nlast");
    int shown = int(memo->Perform(EM_GETLINECOUNT));
    EXPECT_GT(shown, 3);
    EXPECT_EQ(memo->Lines().Count(), 2);
    EXPECT_EQ(memo->ScrollX(), 0);
    // Every shown line starts where the one before ended, each inside the width.
    for (int line = 1; line < shown; ++line) {
        SCOPED_TRACE(line);
        int start = int(memo->Perform(EM_LINEINDEX, WPARAM(line)));
        int before = int(memo->Perform(EM_LINEINDEX, WPARAM(line - 1)));
        EXPECT_GT(start, before);
        EXPECT_EQ(memo->Perform(EM_LINEFROMCHAR, WPARAM(start)), line);
        EXPECT_LE(memo->PosFromChar(start - 1).x, memo->FormatRect().Right + memo->AverageCharWidth() * 2);
    }
    EXPECT_EQ(memo->Perform(EM_LINEINDEX, WPARAM(shown)), -1);
    EXPECT_EQ(memo->Perform(EM_LINELENGTH, WPARAM(memo->GetTextLen())), 4); // "last"

    memo->SetWordWrap(false);
    EXPECT_EQ(memo->Perform(EM_GETLINECOUNT), 2);
    Press(VK_END, {VK_CONTROL});
    Press(VK_UP);
    Press(VK_END);
    EXPECT_GT(memo->ScrollX(), 0); // the long line scrolls sideways
    Press(VK_HOME);
    EXPECT_EQ(memo->ScrollX(), 0);
}

TEST_F(Memo, ScrollsByMessagesFromOutsideWithinItsRange)
{
    FillLines(30);
    int visible = memo->VisibleLineCount();
    ASSERT_GT(visible, 2);
    ASSERT_LT(visible, 30);
    scrolls = 0;
    memo->Perform(EM_LINESCROLL, 0, 5);
    EXPECT_EQ(memo->Perform(EM_GETFIRSTVISIBLELINE), 5);
    EXPECT_EQ(scrolls, 1);
    memo->Perform(EM_LINESCROLL, 0, 100);
    EXPECT_EQ(memo->FirstVisibleLine(), MaxFirstLine());
    memo->Perform(EM_LINESCROLL, 0, -100);
    EXPECT_EQ(memo->FirstVisibleLine(), 0);
    memo->Perform(EM_LINESCROLL, 0, -1); // nothing to do, nothing reported
    EXPECT_EQ(scrolls, 3);

    memo->Perform(WM_VSCROLL, SB_LINEDOWN);
    EXPECT_EQ(memo->FirstVisibleLine(), 1);
    memo->Perform(WM_VSCROLL, SB_PAGEDOWN);
    EXPECT_EQ(memo->FirstVisibleLine(), 1 + visible);
    memo->Perform(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 7));
    EXPECT_EQ(memo->FirstVisibleLine(), 7);
    memo->Perform(WM_VSCROLL, SB_BOTTOM);
    EXPECT_EQ(memo->FirstVisibleLine(), MaxFirstLine());
    memo->Perform(WM_VSCROLL, SB_TOP);
    EXPECT_EQ(memo->FirstVisibleLine(), 0);
    LRESULT r = memo->Perform(EM_SCROLL, SB_LINEDOWN);
    EXPECT_EQ(r, MAKELRESULT(1, 1));

    // The wheel turns three lines a notch.
    TPoint c = Center(memo);
    screen->MouseMove(c.x, c.y);
    screen->Wheel(-WHEEL_DELTA);
    EXPECT_EQ(memo->FirstVisibleLine(), 4);
    screen->Wheel(WHEEL_DELTA * 2);
    EXPECT_EQ(memo->FirstVisibleLine(), 0);

    // Scrolling leaves the caret; moving the caret brings its line into view.
    memo->Perform(EM_LINESCROLL, 0, 10);
    EXPECT_EQ(memo->CaretPos(), 0);
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(memo->FirstVisibleLine(), MaxFirstLine());
    Press(VK_PRIOR);
    EXPECT_EQ(memo->FirstVisibleLine(), MaxFirstLine() - visible);
    EXPECT_EQ(memo->CaretLineAndColumn().y, 29 - visible);
    // Deleting lines pulls the view back into the shorter text.
    memo->Lines().SetText("one\ntwo");
    EXPECT_EQ(memo->FirstVisibleLine(), 0);
}

TEST_F(Memo, NativeScrollBarsFollowTheMemoAndScrollIt)
{
    memo->SetScrollBars(TScrollStyle::ssVertical);
    HWND h = memo->Handle();
    ASSERT_TRUE(GetWindowLongPtr(h, GWL_STYLE) & WS_VSCROLL);
    EXPECT_EQ(memo->ClientWidth(), memo->Width() - 4 - GetSystemMetrics(SM_CXVSCROLL));
    FillLines(30);
    SCROLLINFO info;
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(h, SB_VERT, &info));
    EXPECT_EQ(info.nMin, 0);
    EXPECT_EQ(info.nMax, 29);
    EXPECT_EQ(int(info.nPage), memo->VisibleLineCount());
    EXPECT_EQ(info.nPos, 0);
    memo->Perform(EM_LINESCROLL, 0, 5);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), 5);
    Press(VK_END, {VK_CONTROL});
    EXPECT_EQ(GetScrollPos(h, SB_VERT), MaxFirstLine());

    // A press on the bar's up arrow scrolls the memo a line.
    SCROLLBARINFO bar;
    ASSERT_TRUE(GetScrollBarInfo(h, OBJID_VSCROLL, &bar));
    TPoint upArrow{bar.rcScrollBar.Left + bar.rcScrollBar.Width() / 2, bar.rcScrollBar.Top + bar.dxyLineButton / 2};
    screen->MouseMove(upArrow.x, upArrow.y);
    screen->WhenIdle([&] { screen->MouseUp(); });
    screen->MouseDown();
    EXPECT_EQ(memo->FirstVisibleLine(), MaxFirstLine() - 1);
    EXPECT_EQ(GetScrollPos(h, SB_VERT), MaxFirstLine() - 1);

    // Word wrap leaves no horizontal bar; without it the bar covers the widest line.
    memo->SetScrollBars(TScrollStyle::ssBoth);
    EXPECT_FALSE(GetWindowLongPtr(memo->Handle(), GWL_STYLE) & WS_HSCROLL);
    memo->SetWordWrap(false);
    ASSERT_TRUE(GetWindowLongPtr(memo->Handle(), GWL_STYLE) & WS_HSCROLL);
    memo->Lines().Add(std::string(100, 'w'));
    info.fMask = SIF_ALL;
    ASSERT_TRUE(GetScrollInfo(memo->Handle(), SB_HORZ, &info));
    EXPECT_GT(info.nMax, int(info.nPage));
    memo->Perform(WM_HSCROLL, SB_LINERIGHT);
    EXPECT_GT(memo->ScrollX(), 0);
    EXPECT_EQ(GetScrollPos(memo->Handle(), SB_HORZ), memo->ScrollX());
}

TEST_F(Memo, ReadOnlyKeepsTheTextButScrollsAndSelects)
{
    FillLines(20);
    memo->SetReadOnly(true);
    changes = 0;
    screen->TypeText("x");
    Press(VK_RETURN);
    Press(VK_DELETE);
    Press(VK_NEXT);
    EXPECT_EQ(changes, 0);
    EXPECT_GT(memo->FirstVisibleLine(), 0);
    Press(VK_DOWN, {VK_SHIFT});
    EXPECT_GT(memo->SelLength(), 0);
}

TEST_F(Memo, MouseSelectsAcrossLinesAndPasteKeepsLineBreaks)
{
    memo->SetText("first line\nsecond line");
    TPoint from = memo->PosFromChar(6);
    TPoint to = memo->PosFromChar(17);
    int half = memo->LineHeight() / 2;
    screen->Drag(memo->ClientToScreen({from.x, from.y + half}), memo->ClientToScreen({to.x, to.y + half}), 3);
    EXPECT_EQ(memo->SelText(), "line\nsecond");
    screen->Advance(1000);
    TPoint word = memo->PosFromChar(19);
    TPoint at = memo->ClientToScreen({word.x, word.y + half});
    screen->DoubleClick(at.x, at.y);
    EXPECT_EQ(memo->SelText(), "line");
    SetClipboardText("a\r\nb\n");
    Press('V', {VK_CONTROL});
    EXPECT_EQ(memo->Text(), "first line\nsecond a\nb\n");
    EXPECT_EQ(memo->Lines().Count(), 3);
    EXPECT_EQ(memo->CaretLineAndColumn(), (TPoint{0, 3}));
}

// Typed Chinese text, line breaks and a click all move the caret; the input method is told
// each place, so its candidates stay beside the caret, in the memo and in the next control.
TEST_F(Memo, TellsTheInputMethodWhereTheCaretIs)
{
    TNativeWindow native = screen->NativeWindowOf(form->Handle());
    auto caretOnScreen = [](const TCustomEdit* edit) { return edit->ClientToScreen(edit->PosFromChar(edit->CaretPos())); };
    screen->TypeText("中文");
    screen->PressKey(VK_RETURN);
    screen->TypeText("ab");
    ASSERT_EQ(memo->Text(), "中文\nab");
    TRect spot = screen->TextInputSpot(native);
    EXPECT_EQ(spot.TopLeft(), caretOnScreen(memo));
    EXPECT_EQ(spot.Height(), memo->LineHeight());

    TPoint first = memo->ClientToScreen(memo->PosFromChar(1));
    screen->Click(first.x + 1, first.y + 2);
    ASSERT_EQ(memo->CaretPos(), 1);
    EXPECT_EQ(screen->TextInputSpot(native).TopLeft(), caretOnScreen(memo));

    auto* other = new TMemo(form);
    other->SetParent(form);
    other->SetBounds(220, 10, 150, 100);
    other->SetText("xyz");
    other->SetFocus();
    other->SetSelStart(2);
    ProcessMessages();
    EXPECT_EQ(screen->TextInputSpot(native).TopLeft(), caretOnScreen(other));
}

TEST_F(Memo, DraggingBelowTheTextKeepsScrollingUntilTheButtonIsReleased)
{
    FillLines(40);
    TPoint start = memo->ClientToScreen({memo->PosFromChar(0).x, 2});
    TPoint below = memo->ClientToScreen({20, memo->ClientHeight() + 15});
    screen->MouseMove(start.x, start.y);
    screen->MouseDown();
    screen->MouseMove(below.x, below.y);
    int afterMove = memo->FirstVisibleLine();
    screen->Advance(1000);
    int afterWait = memo->FirstVisibleLine();
    EXPECT_GT(afterWait, afterMove);
    EXPECT_EQ(memo->SelStart(), 0);
    EXPECT_GT(memo->SelLength(), 0);
    EXPECT_EQ(memo->CaretLineAndColumn().y, afterWait + memo->VisibleLineCount() - 1); // the last line shown
    screen->MouseUp();
    screen->Advance(1000);
    EXPECT_EQ(memo->FirstVisibleLine(), afterWait);
}

TEST_F(Memo, DrawsTheFirstVisibleLineAtTheTop)
{
    std::string text(12, '\n');
    memo->SetText(text + "MMMMMMMM");
    ProcessMessages();
    int lh = memo->LineHeight();
    auto darkInBand = [&](int band) {
        int dark = 0;
        for (int y = band * lh; y < (band + 1) * lh; ++y)
            for (int x = 4; x < 80; ++x) // right of the caret
                if ((Pixel(memo->ClientToScreen({x, y})) & 0xFF) < 0x80) ++dark;
        return dark;
    };
    EXPECT_EQ(darkInBand(0), 0);
    memo->Perform(EM_LINESCROLL, 0, 12);
    ASSERT_EQ(memo->FirstVisibleLine(), std::min(12, MaxFirstLine()));
    ProcessMessages();
    int row = 12 - memo->FirstVisibleLine();
    EXPECT_GT(darkInBand(row), 10);
    EXPECT_EQ(darkInBand(row == 0 ? 1 : 0), 0);
}

} // namespace
