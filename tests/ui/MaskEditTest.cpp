#include "support/UiTest.h"

#include "core/Utf8.h"
#include "support/Placement.h"
#include "ui/EditMask.h"
#include "ui/MaskEdit.h"

#include <initializer_list>
#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

TEST(EditMask, FormatsTextIntoTheMaskAndTakesTheValueOut)
{
    struct TCase {
        std::string mask;
        std::string text;
        std::string shown;
        std::string value;
        bool complete;
    };
    const std::vector<TCase> cases = {
        {"00/00/0000", "12345678", "12/34/5678", "12/34/5678", true},
        {"00/00/0000", "", "__/__/____", "  /  /    ", false},
        {"00/00/0000", "1a2", "1_/2_/____", "1 /2 /    ", false},      // a misfit leaves a blank
        {"00/00/0000", "12/34/5678", "12/34/5678", "12/34/5678", true}, // literals typed along
        {"99-99;0;*", "1", "1*-**", "1   ", true},                    // optional places
        {">LL-00;0;*", "ab12", "AB-12", "AB12", true},
        {">LL-00;0;*", "a", "A*-**", "A   ", false},
        {"<ll>ll<>ll", "ABcdEf", "abCDEf", "abCDEf", true},
        {"\\0\\L0", "5", "0L5", "0L5", true},                          // escaped mask characters
        {"_9#", " 1-", " 1-", " 1-", true},
        {"LL", "中文", "中文", "中文", true},                          // Chinese counts as letters
        {"00", "中1", "_1", " 1", false},
        {"AAA", "a1!", "a1_", "a1 ", false},
        {"cC", "?", "?_", "? ", false},
        {"\\;0;0;_", ";7", ";7", "7", true},
        {"", "free", "", "", true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.mask + " <- " + c.text);
        TEditMask mask(c.mask);
        std::u32string shown = mask.Format(Utf8ToUtf32(c.text));
        EXPECT_EQ(Utf32ToUtf8(shown), c.shown);
        EXPECT_EQ(Utf32ToUtf8(mask.Value(shown)), c.value);
        EXPECT_EQ(mask.IsComplete(shown), c.complete);
        EXPECT_EQ(mask.Format(shown), shown); // formatting what is shown changes nothing
    }
}

TEST(EditMask, FindsTheInputPlacesAroundLiterals)
{
    TEditMask mask("(00) 0");
    ASSERT_EQ(mask.Length(), 6u);
    EXPECT_EQ(mask.NextInput(0), 1u);
    EXPECT_EQ(mask.NextInput(3), 5u);
    EXPECT_EQ(mask.NextInput(6), 6u);
    EXPECT_EQ(mask.PreviousInput(5), 2u);
    EXPECT_EQ(mask.PreviousInput(1), std::u32string::npos);
    EXPECT_EQ(mask.PreviousInput(99), 5u);
    EXPECT_EQ(mask.Accept(0, U'1'), U'\0'); // a literal place takes nothing
    EXPECT_EQ(mask.Accept(1, U'x'), U'\0');
    EXPECT_EQ(mask.Accept(1, U'7'), U'7');
}

class MaskEdit : public UiTest {
protected:
    TForm* form = nullptr;
    TMaskEdit* edit = nullptr;
    int changes = 0;

    void SetUp() override
    {
        form = NewForm();
        edit = test::NewChild<TMaskEdit>(form, 10, 10, 200, 21);
        edit->SetAutoSelect(false);
        edit->OnChange = [this](TComponent*) { ++changes; };
        edit->SetFocus();
        ProcessMessages();
    }
    void Press(UINT vk, std::initializer_list<UINT> modifiers = {})
    {
        for (UINT m : modifiers) screen->KeyDown(m);
        screen->PressKey(vk);
        for (UINT m : modifiers) screen->KeyUp(m);
    }
};

TEST_F(MaskEdit, TypingFillsTheInputPlacesAndSkipsLiterals)
{
    edit->SetEditMask("00/00/0000");
    EXPECT_EQ(edit->Text(), "__/__/____");
    changes = 0;
    Press(VK_HOME);
    screen->TypeText("1231");
    EXPECT_EQ(edit->Text(), "12/31/____");
    EXPECT_EQ(edit->SelStart(), 6); // after the literal
    screen->TypeText("/"); // no literal stands at the caret
    EXPECT_EQ(edit->Text(), "12/31/____");
    EXPECT_EQ(screen->BeepCount(), 1);
    screen->TypeText("2024x");
    EXPECT_EQ(edit->Text(), "12/31/2024");
    EXPECT_EQ(screen->BeepCount(), 2);
    EXPECT_EQ(changes, 8);
    EXPECT_TRUE(edit->IsValidInput());
    EXPECT_NO_THROW(edit->ValidateEdit());

    Press(VK_BACK);
    Press(VK_BACK);
    EXPECT_EQ(edit->Text(), "12/31/20__");
    EXPECT_EQ(edit->SelStart(), 8);
    Press(VK_HOME);
    Press(VK_DELETE);
    EXPECT_EQ(edit->Text(), "_2/31/20__");
    EXPECT_FALSE(edit->IsValidInput());
    EXPECT_THROW(edit->ValidateEdit(), EConvertError);
    // Overwriting keeps the length; a selection is blanked first.
    edit->SetSelStart(1);
    edit->SetSelLength(4);
    screen->TypeText("9");
    EXPECT_EQ(edit->Text(), "_9/__/20__");
    edit->SelectAll();
    Press(VK_BACK);
    EXPECT_EQ(edit->Text(), "__/__/____");
    Press('Z', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "_9/__/20__");
}

TEST_F(MaskEdit, TextFromCodeAndClipboardIsFormattedIntoTheMask)
{
    edit->SetText("abc");
    edit->SetEditMask(">LLL-000;0;_");
    EXPECT_EQ(edit->Text(), "ABC-___");
    changes = 0;
    edit->SetText("xy7");
    EXPECT_EQ(edit->Text(), "XY_-___");
    EXPECT_EQ(changes, 1);
    SetClipboardText("q-123");
    edit->SetSelStart(2);
    Press('V', {VK_CONTROL});
    EXPECT_EQ(edit->Text(), "XYQ-123");
    EXPECT_EQ(edit->MaskValue(), "XYQ123");
    edit->SetSelStart(4);
    edit->SetSelLength(3);
    Press('X', {VK_CONTROL});
    EXPECT_EQ(GetClipboardText(), "123");
    EXPECT_EQ(edit->Text(), "XYQ-___");
    edit->Perform(EM_REPLACESEL, 1, PtrToLParam("45"));
    EXPECT_EQ(edit->Text(), "XYQ-45_");
    // Without a mask it is a plain edit again.
    edit->SetEditMask("");
    edit->SetText("free text");
    Press(VK_END);
    screen->TypeText("!");
    EXPECT_EQ(edit->Text(), "free text!");
    EXPECT_EQ(edit->MaskValue(), "free text!");
}

} // namespace
