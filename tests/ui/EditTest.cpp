#include "support/UiTest.h"

#include "core/Utf8.h"
#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Edit.h"
#include "ui/EditBuffer.h"
#include "ui/EditLayout.h"
#include "ui/MenuTracker.h"

#include <initializer_list>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using TUndo = TEditBuffer::TUndo;

TEST(EditBuffer, TypingIsOneUndoStepAndUndoingTwiceRedoes)
{
    TEditBuffer b;
    for (char32_t c : std::u32string_view(U"abc")) b.ReplaceSelection(std::u32string(1, c), TUndo::Typing);
    EXPECT_EQ(b.Text(), U"abc");
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), U"");
    ASSERT_TRUE(b.Undo());
    EXPECT_EQ(b.Text(), U"abc");
    EXPECT_EQ(b.Caret(), 3u);

    // A caret move ends the step: the next character is undone alone.
    b.Select(1, 1);
    b.ReplaceSelection(U"x", TUndo::Typing);
    b.Undo();
    EXPECT_EQ(b.Text(), U"abc");
    EXPECT_EQ(b.Caret(), 1u);

    // Backspace right after typing joins the typing step.
    b.Select(3, 3);
    b.ReplaceSelection(U"d", TUndo::Typing);
    b.DeleteBackward(false);
    b.ReplaceSelection(U"e", TUndo::Typing);
    EXPECT_EQ(b.Text(), U"abce");
    b.Undo();
    EXPECT_EQ(b.Text(), U"abc");

    b.SetText(U"new");
    EXPECT_FALSE(b.CanUndo());
    EXPECT_EQ(b.Caret(), 0u);
}

TEST(EditBuffer, MaxLengthCutsWhatIsInsertedAndRefusesWhenFull)
{
    TEditBuffer b;
    b.SetMaxLength(5);
    b.ReplaceSelection(U"abc", TUndo::NewStep);
    EXPECT_TRUE(b.ReplaceSelection(U"defg", TUndo::NewStep));
    EXPECT_EQ(b.Text(), U"abcde");
    EXPECT_FALSE(b.ReplaceSelection(U"x", TUndo::Typing));
    EXPECT_EQ(b.Text(), U"abcde");
    // A selection makes room for as many characters as it holds.
    b.Select(1, 3);
    EXPECT_TRUE(b.ReplaceSelection(U"XYZ", TUndo::NewStep));
    EXPECT_EQ(b.Text(), U"aXYde");
    EXPECT_EQ(b.Caret(), 3u);
    // Text set from outside is not cut; deleting still works at any length.
    b.SetText(U"1234567");
    b.Select(7, 7);
    EXPECT_FALSE(b.ReplaceSelection(U"8", TUndo::Typing));
    EXPECT_TRUE(b.DeleteBackward(false));
    EXPECT_EQ(b.Text(), U"123456");
}

TEST(EditBuffer, DeletesCharactersWordsAndSelectionsWithinBounds)
{
    TEditBuffer b;
    b.SetText(U"one two  three");
    EXPECT_FALSE(b.DeleteBackward(false)); // at the start
    b.Select(100, 100);
    EXPECT_EQ(b.Caret(), 14u); // clamped
    EXPECT_FALSE(b.DeleteForward(false));
    EXPECT_TRUE(b.DeleteBackward(true));
    EXPECT_EQ(b.Text(), U"one two  ");
    b.Select(0, 0);
    EXPECT_TRUE(b.DeleteForward(true));
    EXPECT_EQ(b.Text(), U"two  ");
    b.Select(4, 1);
    EXPECT_EQ(b.SelStart(), 1u);
    EXPECT_EQ(b.SelLength(), 3u);
    EXPECT_TRUE(b.DeleteForward(false)); // the selection, not a character
    EXPECT_EQ(b.Text(), U"t ");
}

TEST(EditWords, WordMovesAndDoubleClickRunsFollowTheCharacterClasses)
{
    struct TCase {
        std::u32string text;
        size_t pos;
        size_t left, right, first, last;
    };
    const std::vector<TCase> cases = {
        {U"foo bar", 0, 0, 4, 0, 3},
        {U"foo bar", 4, 0, 7, 4, 7},
        {U"foo bar", 5, 4, 7, 4, 7},
        {U"foo bar", 7, 4, 7, 4, 7},
        {U"foo  bar", 3, 0, 5, 3, 5},     // in the spaces
        {U"a,b", 1, 0, 2, 1, 2},          // punctuation is a word of its own
        {U"/home/user", 5, 1, 6, 5, 6},
        {U"你好，世界", 0, 0, 2, 0, 2},   // Chinese runs end at full-width punctuation
        {U"你好，世界", 3, 2, 5, 3, 5},
        {U"ab\ncd", 2, 0, 3, 0, 2},       // at a line break: the word before it
        {U"ab\ncd", 3, 2, 5, 3, 5},
        {U"", 0, 0, 0, 0, 0},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf32ToUtf8(c.text) + " @" + std::to_string(c.pos));
        EXPECT_EQ(WordLeft(c.text, c.pos), c.left);
        EXPECT_EQ(WordRight(c.text, c.pos), c.right);
        auto word = WordAt(c.text, c.pos);
        EXPECT_EQ(word.first, c.first);
        EXPECT_EQ(word.second, c.last);
    }
}

TEST(EditWords, CaseMappingTable)
{
    struct TPair {
        char32_t lower, upper;
    };
    const TPair pairs[] = {{U'a', U'A'}, {0xE4, 0xC4},   {0xFE, 0xDE},   {0x3C3, 0x3A3}, {0x44F, 0x42F},
                           {0x451, 0x401}, {0x101, 0x100}, {0x142, 0x141}, {0x17E, 0x17D}, {0x14B, 0x14A}};
    for (const TPair& p : pairs) {
        SCOPED_TRACE(std::to_string(unsigned(p.lower)));
        EXPECT_EQ(UpperCaseChar(p.lower), p.upper);
        EXPECT_EQ(LowerCaseChar(p.upper), p.lower);
        EXPECT_EQ(UpperCaseChar(p.upper), p.upper);
        EXPECT_EQ(LowerCaseChar(p.lower), p.lower);
    }
    // No letters, or letters without a simple partner, stay as they are.
    for (char32_t c : {char32_t(0xF7), char32_t(0xD7), char32_t(0xDF), char32_t(0x3C2), char32_t(0x131),
                       char32_t(0x130), char32_t(0x178), char32_t(U'中'), char32_t(U'1')}) {
        SCOPED_TRACE(std::to_string(unsigned(c)));
        EXPECT_EQ(UpperCaseChar(c), c);
        EXPECT_EQ(LowerCaseChar(c), c);
    }
}

// Line layout, with every character 10 pixels wide.

std::vector<std::pair<size_t, size_t>> LinesOf(const std::u32string& text, bool multi, bool wrap, int width)
{
    TEditLayout layout;
    layout.Build(text, {multi, wrap, width, 32}, [](char32_t) { return 10; });
    std::vector<std::pair<size_t, size_t>> lines;
    for (int i = 0; i < layout.LineCount(); ++i) lines.emplace_back(layout.Line(i).Start, layout.Line(i).End);
    return lines;
}

TEST(EditLayout, BreaksAtLineBreaksAndWrapsAfterSpaces)
{
    using L = std::vector<std::pair<size_t, size_t>>;
    struct TCase {
        std::u32string text;
        bool multi, wrap;
        int width;
        L lines;
    };
    const std::vector<TCase> cases = {
        {U"", true, true, 50, L{{0, 0}}},
        {U"a\nb", false, false, 0, L{{0, 3}}},             // a single line shows the break
        {U"ab\n\ncd\n", true, false, 0, L{{0, 2}, {3, 3}, {4, 6}, {7, 7}}},
        {U"abc def ghi", true, false, 45, L{{0, 11}}},     // no wrap
        {U"abc def ghi", true, true, 45, L{{0, 4}, {4, 8}, {8, 11}}},
        {U"abcdef", true, true, 25, L{{0, 2}, {2, 4}, {4, 6}}}, // a long word is cut
        {U"ab    cd", true, true, 35, L{{0, 6}, {6, 8}}},  // spaces may pass the edge
        {U"abc def", true, true, 0, L{{0, 7}}},            // no width yet: no wrapping
        {U"ab cd\nef gh", true, true, 50, L{{0, 5}, {6, 11}}}, // exactly full
        {U"ab cd\nef gh", true, true, 45, L{{0, 3}, {3, 5}, {6, 9}, {9, 11}}},
        {U"abcd e", true, true, 40, L{{0, 5}, {5, 6}}},
        // An indent belongs to the first word: cut with it, never left on a line of its own.
        {U"  abcdef", true, true, 45, L{{0, 4}, {4, 8}}},
        {U"  ab cd", true, true, 45, L{{0, 5}, {5, 7}}},
        {U"ab\n  cdefgh", true, true, 45, L{{0, 2}, {3, 7}, {7, 11}}},
        {U"\tabc", true, true, 45, L{{0, 2}, {2, 4}}},
        // Spaces alone pass the edge as one line; an indent wider than the line is all it holds.
        {U"        ", true, true, 35, L{{0, 8}}},
        {U"      ab", true, true, 35, L{{0, 6}, {6, 8}}},
        // Chinese text breaks between any two characters, but a closing mark never opens a
        // line and an opening one never ends it; its indent stays with it.
        {U"ab 中文中文", true, true, 45, L{{0, 4}, {4, 7}}},
        {U"  中文中文。", true, true, 45, L{{0, 4}, {4, 7}}},
        {U"  中文！", true, true, 45, L{{0, 3}, {3, 5}}},
        {U"中文（中文", true, true, 35, L{{0, 2}, {2, 5}}},
        {U"abcd!", true, true, 40, L{{0, 3}, {3, 5}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(Utf32ToUtf8(c.text) + " width " + std::to_string(c.width));
        EXPECT_EQ(LinesOf(c.text, c.multi, c.wrap, c.width), c.lines);
    }
}

TEST(EditLayout, MapsPositionsToLinesAndOffsets)
{
    TEditLayout layout;
    layout.Build(U"abc def\n\tx", {true, true, 45, 32}, [](char32_t) { return 10; });
    ASSERT_EQ(layout.LineCount(), 3);
    EXPECT_EQ(layout.LineOfChar(3), 0);
    EXPECT_EQ(layout.LineOfChar(4), 1); // where the wrapped line goes on
    EXPECT_EQ(layout.LineOfChar(7), 1); // before the line break
    EXPECT_EQ(layout.LineOfChar(8), 2);
    EXPECT_EQ(layout.LineOfChar(99), 2);
    EXPECT_EQ(layout.Offsets(2), (std::vector<int>{0, 32, 42})); // the tab goes to the stop
    EXPECT_EQ(layout.Offsets(0), (std::vector<int>{0, 10, 20, 30, 40}));
    EXPECT_EQ(layout.MaxLineWidth(), 42);
    // Nearest boundary: the middle of a character belongs to its right side.
    EXPECT_EQ(layout.CharAtX(0, -5), 0u);
    EXPECT_EQ(layout.CharAtX(0, 4), 0u);
    EXPECT_EQ(layout.CharAtX(0, 5), 1u);
    EXPECT_EQ(layout.CharAtX(0, 1000), 4u);
    EXPECT_EQ(layout.CharAtX(2, 20), 9u);
}

// Every edit of a text laid out by Update gives exactly the lines a fresh Build gives: random
// texts of words, spaces, tabs, line breaks and wide characters, edited at random places.
TEST(EditLayout, UpdatingAfterAnEditMatchesBuildingAnew)
{
    const std::u32string alphabet = U"ab c\td\n\u4E2D\uFF01\uFF08";
    auto advance = [](char32_t c) { return c == U'\u4E2D' ? 17 : c == U'd' ? 3 : 10; };
    uint32_t seed = 12345;
    auto random = [&seed](size_t n) {
        seed = seed * 1103515245u + 12345u;
        return size_t((seed >> 8) % uint32_t(n));
    };
    auto randomText = [&](size_t length) {
        std::u32string t;
        for (size_t i = 0; i < length; ++i) t += alphabet[random(alphabet.size())];
        return t;
    };
    const TEditLayout::TOptions optionSets[] = {{true, true, 45, 32}, {true, true, 12, 8}, {true, false, 0, 32},
                                                {false, false, 0, 32}, {true, true, 200, 32}};
    for (const TEditLayout::TOptions& options : optionSets) {
        for (int round = 0; round < 60; ++round) {
            std::u32string text = randomText(random(120));
            TEditLayout updated;
            updated.Build(text, options, advance);
            for (int step = 0; step < 20; ++step) {
                size_t at = random(text.size() + 1);
                size_t removed = std::min(text.size() - at, random(4) == 0 ? random(30) : random(3));
                text.replace(at, removed, randomText(random(4) == 0 ? random(25) : random(3)));
                updated.Update(text, options, advance);
                TEditLayout built;
                built.Build(text, options, advance);
                SCOPED_TRACE("wrap " + std::to_string(options.WrapWidth) + " round " + std::to_string(round) +
                             " step " + std::to_string(step) + ": " + Utf32ToUtf8(text));
                ASSERT_EQ(updated.LineCount(), built.LineCount());
                for (int i = 0; i < built.LineCount(); ++i) {
                    EXPECT_EQ(updated.Line(i).Start, built.Line(i).Start) << "line " << i;
                    EXPECT_EQ(updated.Line(i).End, built.Line(i).End) << "line " << i;
                    EXPECT_EQ(updated.Line(i).Width, built.Line(i).Width) << "line " << i;
                }
                ASSERT_EQ(updated.MaxLineWidth(), built.MaxLineWidth());
            }
        }
    }
}

class Edit : public UiTest {
protected:
    TForm* form = nullptr;
    TEdit* edit = nullptr;
    int changes = 0;

    void SetUp() override
    {
        form = NewForm();
        edit = AddEdit(10, 10);
        edit->OnChange = [this](TComponent*) { ++changes; };
        edit->SetFocus();
        ProcessMessages();
    }
    TEdit* AddEdit(int left, int top, int width = 200)
    {
        auto* e = test::NewChild<TEdit>(form, left, top, width, 21);
        return e;
    }
    void Press(UINT vk, std::initializer_list<UINT> modifiers = {})
    {
        for (UINT m : modifiers) screen->KeyDown(m);
        screen->PressKey(vk);
        for (UINT m : modifiers) screen->KeyUp(m);
    }
    void Type(std::string_view text) { screen->TypeText(text); }
    // The screen point of the boundary before character pos, in the middle of the line.
    TPoint ScreenAtChar(const TCustomEdit* e, int pos) const
    {
        TPoint p = e->PosFromChar(pos);
        return e->ClientToScreen({p.x, p.y + e->LineHeight() / 2});
    }
    void SetSel(int start, int length)
    {
        edit->SetSelStart(start);
        edit->SetSelLength(length);
    }
};

TEST_F(Edit, TypesLatinAndChineseOneCaretStepPerCharacter)
{
    Type("ab中文c");
    EXPECT_EQ(edit->Text(), "ab中文c");
    EXPECT_EQ(edit->GetTextLen(), 5);
    EXPECT_EQ(edit->SelStart(), 5);
    Press(VK_LEFT);
    Press(VK_LEFT);
    EXPECT_EQ(edit->SelStart(), 3);
    Type("x");
    EXPECT_EQ(edit->Text(), "ab中x文c");
    Press(VK_BACK);
    Press(VK_BACK);
    EXPECT_EQ(edit->Text(), "ab文c");
    Press(VK_DELETE);
    EXPECT_EQ(edit->Text(), "abc");
    // The window text is the same UTF-8, measured in bytes.
    EXPECT_EQ(GetWindowText(edit->Handle()), "abc");
    EXPECT_TRUE(edit->Modified());
}

TEST_F(Edit, SelectsWithShiftAndMovesByWordsWithCtrl)
{
    Type("hello big world");
    Press(VK_HOME);
    EXPECT_EQ(edit->SelStart(), 0);
    Press(VK_RIGHT, {VK_SHIFT, VK_CONTROL});
    EXPECT_EQ(edit->SelText(), "hello ");
    Press(VK_RIGHT, {VK_CONTROL});
    EXPECT_EQ(edit->SelStart(), 10);
    EXPECT_EQ(edit->SelLength(), 0);
    Press(VK_END, {VK_SHIFT});
    EXPECT_EQ(edit->SelText(), "world");
    Press(VK_LEFT); // collapses to the start of the selection
    EXPECT_EQ(edit->SelStart(), 10);
    EXPECT_EQ(edit->SelLength(), 0);
    Press(VK_LEFT, {VK_SHIFT});
    Press(VK_LEFT, {VK_SHIFT, VK_CONTROL});
    EXPECT_EQ(edit->SelText(), "big ");
    EXPECT_EQ(edit->CaretPos(), 6);
    Press(VK_UP); // a single line: Up is Left
    EXPECT_EQ(edit->SelStart(), 6);
    Press('A', {VK_CONTROL});
    EXPECT_EQ(edit->SelLength(), 15);
}

TEST_F(Edit, CutsCopiesAndPastesWithEveryKeyCombination)
{
    Type("abc def");
    Press('A', {VK_CONTROL});
    Press('C', {VK_CONTROL});
    EXPECT_EQ(GetClipboardText(), "abc def");
    Press(VK_END);
    Press('V', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "abc defabc def");

    SetSel(4, 3);
    Press(VK_DELETE, {VK_SHIFT});
    EXPECT_EQ(GetClipboardText(), "def");
    EXPECT_EQ(edit->Text(), "abc abc def");
    SetSel(0, 3);
    Press(VK_INSERT, {VK_CONTROL});
    EXPECT_EQ(GetClipboardText(), "abc");
    Press(VK_END);
    Press(VK_INSERT, {VK_SHIFT});
    EXPECT_EQ(edit->Text(), "abc abc defabc");
    SetSel(0, 4);
    Press('X', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "abc defabc");
    EXPECT_EQ(GetClipboardText(), "abc ");

    // A single line takes the first line of what is pasted.
    SetClipboardText("第一行\r\nsecond");
    edit->SelectAll();
    Press('V', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "第一行");
    EXPECT_EQ(edit->SelStart(), 3);
    // Through the messages the skinned context menu sends.
    edit->SelectAll();
    edit->Perform(WM_CUT);
    EXPECT_EQ(edit->Text(), "");
    edit->Perform(WM_PASTE);
    edit->Perform(WM_PASTE);
    EXPECT_EQ(edit->Text(), "第一行第一行");
    edit->SetSelStart(0);
    edit->SetSelLength(1);
    edit->Perform(WM_COPY);
    EXPECT_EQ(GetClipboardText(), "第");
    edit->Perform(WM_CLEAR);
    EXPECT_EQ(edit->Text(), "一行第一行");
}

TEST_F(Edit, UndoesByKeyAndMessageAndForgetsTextSetFromCode)
{
    Type("abc");
    EXPECT_TRUE(edit->CanUndo());
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(edit->Perform(EM_CANUNDO), 1);
    EXPECT_EQ(edit->Perform(EM_UNDO), 1);
    EXPECT_EQ(edit->Text(), "");
    edit->Perform(WM_UNDO);
    EXPECT_EQ(edit->Text(), "abc");
    edit->SelectAll();
    Type("x");
    Press(VK_LEFT);
    Type("y"); // a step of its own
    edit->Undo();
    EXPECT_EQ(edit->Text(), "x");
    edit->Undo();
    EXPECT_EQ(edit->Text(), "yx");

    edit->SetText("from code");
    EXPECT_FALSE(edit->CanUndo());
    EXPECT_EQ(edit->Perform(EM_CANUNDO), 0);
    EXPECT_FALSE(edit->Modified());
    EXPECT_EQ(edit->SelStart(), 0);
}

TEST_F(Edit, FiresOnChangeForEveryChangeOfTheTextAndOnlyThen)
{
    edit->SetText("x");
    EXPECT_EQ(changes, 1);
    edit->SetText("x");
    EXPECT_EQ(changes, 1);
    Press(VK_END);
    Type("abc");
    EXPECT_EQ(changes, 4);
    Press(VK_LEFT, {VK_SHIFT}); // selection alone changes nothing
    Press(VK_HOME);
    EXPECT_EQ(changes, 4);
    SetClipboardText("12");
    Press('V', {VK_CONTROL});
    EXPECT_EQ(changes, 5);
    SetWindowText(edit->Handle(), "set");
    EXPECT_EQ(edit->Text(), "set");
    EXPECT_EQ(changes, 6);
    edit->Perform(EM_REPLACESEL, 1, PtrToLParam("++"));
    EXPECT_EQ(edit->Text(), "++set");
    EXPECT_EQ(changes, 7);
    edit->Undo();
    EXPECT_EQ(changes, 8);
    Press(VK_BACK); // nothing before the caret
    Press(VK_DELETE, {VK_SHIFT}); // nothing selected to cut
    EXPECT_EQ(changes, 8);
}

TEST_F(Edit, AnOnChangeHandlerMayCorrectTheTextItIsToldAbout)
{
    // As a numeric field clamps what is typed.
    edit->OnChange = [this](TComponent*) {
        ++changes;
        if (edit->Text() == "123") edit->SetText("99");
    };
    Type("123");
    EXPECT_EQ(edit->Text(), "99");
    EXPECT_EQ(edit->GetTextLen(), 2);
    EXPECT_EQ(edit->SelStart(), 0);
    EXPECT_EQ(changes, 4);
    Press(VK_END);
    Type("7");
    EXPECT_EQ(edit->Text(), "997");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "99");
}

TEST_F(Edit, MaxLengthLimitsTheUserWithABeepButNotTheCode)
{
    edit->SetMaxLength(4);
    Type("abcdef");
    EXPECT_EQ(edit->Text(), "abcd");
    EXPECT_EQ(screen->BeepCount(), 2);
    SetClipboardText("XYZ");
    SetSel(1, 2);
    Press('V', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "aXYd");
    edit->SetText("123456");
    EXPECT_EQ(edit->Text(), "123456");
    edit->Perform(EM_LIMITTEXT, 0);
    Press(VK_END);
    Type("7");
    EXPECT_EQ(edit->Text(), "1234567");
}

TEST_F(Edit, ReadOnlyRefusesEveryChangeButLetsTheUserSelectAndCopy)
{
    edit->SetText("fixed");
    edit->SetReadOnly(true);
    changes = 0;
    Type("x");
    Press(VK_BACK);
    Press(VK_END);
    Press(VK_BACK);
    Press(VK_DELETE);
    Press('A', {VK_CONTROL});
    Press('X', {VK_CONTROL});
    Press('V', {VK_CONTROL});
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "fixed");
    EXPECT_EQ(changes, 0);
    EXPECT_GE(screen->BeepCount(), 3);
    Press('C', {VK_CONTROL});
    EXPECT_EQ(GetClipboardText(), "fixed");
    edit->Perform(EM_SETREADONLY, 0);
    Type("!");
    EXPECT_EQ(edit->Text(), "!");
}

TEST_F(Edit, CharCaseConvertsTypingTextFromCodeAndTheTextThere)
{
    edit->SetCharCase(TEditCharCase::ecUpperCase);
    Type("abc ä");
    EXPECT_EQ(edit->Text(), "ABC Ä");
    changes = 0;
    edit->SetText("xyz");
    EXPECT_EQ(edit->Text(), "XYZ");
    EXPECT_EQ(changes, 1);
    edit->SetMaxLength(2); // no limit to a conversion
    edit->SetSelStart(1);
    edit->SetSelLength(1);
    edit->SetCharCase(TEditCharCase::ecLowerCase);
    EXPECT_EQ(edit->Text(), "xyz");
    EXPECT_EQ(edit->SelText(), "y");
    edit->SetMaxLength(0);
    SetClipboardText("MiXed 中");
    Press(VK_END);
    Press('V', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "xyzmixed 中");
}

TEST_F(Edit, AutoSelectOnKeyboardFocusEnterAndExitEvents)
{
    auto* second = AddEdit(10, 40);
    second->SetText("preset");
    std::vector<std::string> log;
    edit->OnExit = [&](TComponent*) { log.push_back("exit first"); };
    second->OnEnter = [&](TComponent*) { log.push_back("enter second"); };
    Press(VK_TAB);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(log, (std::vector<std::string>{"exit first", "enter second"}));
    EXPECT_EQ(second->SelText(), "preset");
    // A click puts the caret where it is, without selecting everything.
    edit->SetFocus();
    TPoint p = ScreenAtChar(second, 2);
    screen->Click(p.x, p.y);
    ASSERT_TRUE(second->Focused());
    EXPECT_EQ(second->SelStart(), 2);
    EXPECT_EQ(second->SelLength(), 0);
    // Without AutoSelect the keyboard keeps the caret.
    second->SetAutoSelect(false);
    edit->SetFocus();
    Press(VK_TAB);
    EXPECT_EQ(second->SelLength(), 0);
}

TEST_F(Edit, MouseClicksDragsAndDoubleClicksSelect)
{
    edit->SetText("alpha beta gamma");
    TPoint at2 = ScreenAtChar(edit, 2);
    screen->Click(at2.x, at2.y);
    EXPECT_EQ(edit->SelStart(), 2);
    TPoint at8 = ScreenAtChar(edit, 8);
    screen->KeyDown(VK_SHIFT);
    screen->Click(at8.x, at8.y);
    screen->KeyUp(VK_SHIFT);
    EXPECT_EQ(edit->SelText(), "pha be");

    screen->Drag(ScreenAtChar(edit, 11), ScreenAtChar(edit, 16), 3);
    EXPECT_EQ(edit->SelText(), "gamma");
    EXPECT_EQ(edit->CaretPos(), 16);
    // Dragging backwards keeps where it started as the anchor.
    screen->Drag(ScreenAtChar(edit, 5), ScreenAtChar(edit, 0), 2);
    EXPECT_EQ(edit->SelText(), "alpha");
    EXPECT_EQ(edit->CaretPos(), 0);

    screen->Advance(1000);
    TPoint inBeta = ScreenAtChar(edit, 7);
    screen->DoubleClick(inBeta.x, inBeta.y);
    EXPECT_EQ(edit->SelText(), "beta");
    // Clicks left and right of the text land at its ends.
    screen->Advance(1000);
    screen->Click(edit->ClientToScreen({1, 5}).x, edit->ClientToScreen({1, 5}).y);
    EXPECT_EQ(edit->SelStart(), 0);
    TPoint right = edit->ClientToScreen({edit->ClientWidth() - 2, 5});
    screen->Click(right.x, right.y);
    EXPECT_EQ(edit->SelStart(), 16);
}

TEST_F(Edit, ScrollsLongTextSideways)
{
    std::string longText(60, 'w');
    Type(longText);
    TRect r = edit->FormatRect();
    auto caretInside = [&] {
        TPoint p = edit->PosFromChar(edit->CaretPos());
        return p.x >= r.Left && p.x < r.Right;
    };
    EXPECT_GT(edit->ScrollX(), 0);
    EXPECT_TRUE(caretInside());
    EXPECT_GT(edit->Perform(EM_GETFIRSTVISIBLELINE), 0); // the first visible character
    Press(VK_HOME);
    EXPECT_EQ(edit->ScrollX(), 0);
    EXPECT_TRUE(caretInside());
    EXPECT_EQ(edit->Perform(EM_GETFIRSTVISIBLELINE), 0);
    Press(VK_END);
    EXPECT_TRUE(caretInside());
    // Deleting brings the text back into view.
    edit->SelectAll();
    Press(VK_BACK);
    EXPECT_EQ(edit->ScrollX(), 0);
}

TEST_F(Edit, PasswordCharHidesTheTextAndRefusesToCopyIt)
{
    edit->SetPasswordChar(U'*');
    Type("secret");
    SetClipboardText("before");
    Press('A', {VK_CONTROL});
    Press('C', {VK_CONTROL});
    Press('X', {VK_CONTROL});
    EXPECT_EQ(GetClipboardText(), "before");
    EXPECT_EQ(edit->Text(), "secret");
    EXPECT_EQ(GetWindowText(edit->Handle()), "secret");
    EXPECT_EQ(edit->Perform(EM_GETPASSWORDCHAR), LRESULT('*'));
}

TEST_F(Edit, AnswersTheEditMessages)
{
    edit->SetText("0123456789");
    edit->Perform(EM_SETSEL, 2, 5);
    DWORD start = 0, end = 0;
    LRESULT packed = edit->Perform(EM_GETSEL, WPARAM(reinterpret_cast<uintptr_t>(&start)), PtrToLParam(&end));
    EXPECT_EQ(start, 2u);
    EXPECT_EQ(end, 5u);
    EXPECT_EQ(packed, MAKELRESULT(2, 5));
    edit->Perform(EM_SETSEL, 0, -1);
    EXPECT_EQ(edit->SelLength(), 10);
    edit->Perform(EM_SETSEL, WPARAM(-1), 0);
    EXPECT_EQ(edit->SelLength(), 0);
    edit->Perform(EM_SETSEL, 7, 3); // the caret goes to the end given
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->CaretPos(), 3);
    edit->Perform(EM_SETSEL, 50, 60);
    EXPECT_EQ(edit->SelStart(), 10);

    EXPECT_EQ(edit->Perform(EM_GETLINECOUNT), 1);
    EXPECT_EQ(edit->Perform(EM_LINEINDEX, 0), 0);
    EXPECT_EQ(edit->Perform(EM_LINEINDEX, 1), -1);
    EXPECT_EQ(edit->Perform(EM_LINELENGTH, 0), 10);
    EXPECT_EQ(edit->Perform(EM_LINEFROMCHAR, 7), 0);

    TRect rect;
    edit->Perform(EM_GETRECT, 0, PtrToLParam(&rect));
    EXPECT_EQ(rect, edit->FormatRect());
    EXPECT_EQ(rect.Left, 1);
    edit->Perform(EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(6, 4));
    EXPECT_EQ(edit->Perform(EM_GETMARGINS), MAKELRESULT(6, 4));
    EXPECT_EQ(edit->FormatRect().Left, 6);
    EXPECT_EQ(edit->FormatRect().Right, edit->ClientWidth() - 4);
    EXPECT_EQ(edit->PosFromChar(0).x, 6);
    TRect custom{20, 2, 120, 15};
    edit->Perform(EM_SETRECTNP, 0, PtrToLParam(&custom));
    EXPECT_EQ(edit->FormatRect(), custom);
    EXPECT_EQ(edit->PosFromChar(0).x, 20);
    LRESULT hit = edit->Perform(EM_CHARFROMPOS, 0, PointToLParam(edit->PosFromChar(4)));
    EXPECT_EQ(LOWORD(uint64_t(hit)), 4);
    edit->Perform(EM_SETRECTNP, 0, 0);
    EXPECT_EQ(edit->FormatRect().Left, 6);

    EXPECT_EQ(edit->Perform(EM_GETMODIFY), 0);
    edit->Perform(EM_SETSEL, 0, 0);
    edit->Perform(EM_REPLACESEL, 0, PtrToLParam("ab\ncd"));
    EXPECT_EQ(edit->Text(), "ab0123456789"); // one line only
    EXPECT_EQ(edit->Perform(EM_CANUNDO), 0);  // the caller asked for no undo
    EXPECT_EQ(edit->Perform(EM_GETMODIFY), 1);
}

TEST_F(Edit, TakesInputMethodTextAndLetsKeyPressSwallowCharacters)
{
    std::u32string pressed;
    edit->OnKeyPress = [&](TComponent*, char32_t& key) {
        pressed += key;
        if (key == U'q') key = 0;
    };
    SendMessage(edit->Handle(), WM_IME_CHAR, U'漢', 0);
    SendMessage(edit->Handle(), WM_CHAR, U'😀', 0); // beyond the Basic Multilingual Plane
    Type("aq");
    EXPECT_EQ(edit->Text(), "漢😀a");
    EXPECT_EQ(pressed, U"漢😀aq");
    EXPECT_EQ(edit->GetTextLen(), 3);
}

class EditPixels : public Edit {
protected:
    // Counts the screen pixels of a colour inside a client rectangle of the edit.
    int CountColor(const TRect& client, TColor color)
    {
        int n = 0;
        for (int y = client.Top; y < client.Bottom; ++y)
            for (int x = client.Left; x < client.Right; ++x) {
                TPoint s = edit->ClientToScreen({x, y});
                if (Pixel(s) == color) ++n;
            }
        return n;
    }
};

TEST_F(EditPixels, DrawsTheSunkenBorderWindowColourAndGreyWhenDisabled)
{
    ProcessMessages();
    TPoint corner = form->ClientToScreen({edit->Left(), edit->Top()});
    EXPECT_EQ(Pixel(corner), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel({corner.x + 1, corner.y + 1}), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(Pixel({corner.x + edit->Width() - 1, corner.y + edit->Height() - 1}), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(edit->ClientWidth(), edit->Width() - 4);
    EXPECT_EQ(Pixel(edit->ClientToScreen({3, 3})), ColorToRGB(clWindow));
    edit->SetEnabled(false);
    ProcessMessages();
    EXPECT_EQ(Pixel(edit->ClientToScreen({3, 3})), ColorToRGB(clBtnFace));
    edit->SetBorderStyle(TBorderStyle::bsNone);
    ProcessMessages();
    EXPECT_EQ(edit->ClientWidth(), edit->Width());
    EXPECT_EQ(Pixel(corner), ColorToRGB(clBtnFace));
}

TEST_F(EditPixels, DrawsTheSelectionInHighlightColoursOnlyWhileFocused)
{
    edit->SetText("MMMM");
    edit->SelectAll();
    ProcessMessages();
    TPoint from = edit->PosFromChar(0);
    TPoint to = edit->PosFromChar(4);
    TRect selection{from.x, from.y, to.x, from.y + edit->LineHeight()};
    int area = selection.Width() * selection.Height();
    int highlight = CountColor(selection, ColorToRGB(clHighlight));
    EXPECT_GT(highlight, area / 3);
    EXPECT_EQ(CountColor(edit->ClientRect(), ColorToRGB(clHighlight)), highlight); // nowhere else
    EXPECT_GT(CountColor(selection, ColorToRGB(clHighlightText)), 0);

    auto* other = AddEdit(10, 60);
    other->SetFocus();
    ProcessMessages();
    EXPECT_EQ(CountColor(edit->ClientRect(), ColorToRGB(clHighlight)), 0);
    edit->SetHideSelection(false);
    ProcessMessages();
    EXPECT_EQ(CountColor(selection, ColorToRGB(clHighlight)), highlight);
}

TEST_F(EditPixels, DrawsTheCaretWhereTheNextCharacterGoes)
{
    Type(" ii");
    ProcessMessages();
    TPoint caret = edit->PosFromChar(3);
    TPoint mid = edit->ClientToScreen({caret.x, caret.y + edit->LineHeight() / 2});
    // The caret inverts the window colour under it; the pixel after it is untouched.
    TColor inverted = ColorToRGB(clWindow) ^ 0xFFFFFF;
    EXPECT_EQ(Pixel(mid), inverted);
    EXPECT_EQ(Pixel({mid.x + 2, mid.y}), ColorToRGB(clWindow));
    Press(VK_HOME);
    ProcessMessages();
    TPoint home = edit->ClientToScreen({edit->PosFromChar(0).x, mid.y - edit->ClientOrigin().y});
    EXPECT_EQ(Pixel(home), inverted);
    EXPECT_EQ(Pixel(mid), ColorToRGB(clWindow));
}

} // namespace

namespace {

TEST_F(Edit, OffersItsOwnContextMenuWithTheCommandsThatApply)
{
    edit->SetText("abc def");
    TPoint at = Center(edit);
    auto openAndType = [&](const char* letter) {
        screen->WhenIdle([&, letter] {
            screen->TypeText(letter);
            if (TMenuTracker::Current()) screen->PressKey(VK_ESCAPE); // the entry was disabled
        });
        screen->Click(at.x, at.y, TMouseButton::Right);
    };
    openAndType("a"); // Select All
    EXPECT_EQ(edit->SelLength(), 7);
    openAndType("c"); // Copy
    EXPECT_EQ(GetClipboardText(), "abc def");
    openAndType("d"); // Delete
    EXPECT_EQ(edit->Text(), "");
    openAndType("u"); // Undo
    EXPECT_EQ(edit->Text(), "abc def");
    // Disabled entries are not chosen: nothing is selected to cut, read-only takes no paste.
    edit->SetSelStart(7);
    openAndType("t");
    EXPECT_EQ(edit->Text(), "abc def");
    edit->SetReadOnly(true);
    openAndType("p");
    EXPECT_EQ(edit->Text(), "abc def");
    // A menu of the control's own replaces the built-in one.
    bool asked = false;
    edit->OnContextPopup = [&](TComponent*, TPoint, bool& handled) { asked = handled = true; };
    screen->Click(at.x, at.y, TMouseButton::Right);
    EXPECT_TRUE(asked);
}

} // namespace
