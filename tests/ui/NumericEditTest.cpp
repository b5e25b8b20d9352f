#include "support/UiTest.h"

#include "support/Placement.h"
#include "ui/NumericEdit.h"

namespace tavrik {
namespace {

class NumericEditTest : public testing::UiTest {
protected:
    NumericEditTest()
    {
        TForm* form = NewForm();
        edit = test::NewChild<TNumericEdit>(form, 10, 10, 100, 20);
        edit->OnChange = [this](TComponent*) { changes.push_back(edit->Text()); };
        ProcessMessages();
        ClickOn(edit);
        edit->SelectAll();
    }
    TNumericEdit* edit = nullptr;
    std::vector<std::string> changes;
};

TEST_F(NumericEditTest, TypedDigitsBeyondTheRangeBecomeTheBound)
{
    edit->SetMaxValue(10000);
    screen->TypeText("12345");
    EXPECT_EQ(edit->Text(), "10000");
    EXPECT_EQ(edit->Value(), 10000);
    EXPECT_EQ(changes, (std::vector<std::string>{"1", "12", "123", "1234", "10000"}));
    screen->TypeText("7");
    EXPECT_EQ(edit->Text(), "10000");
    EXPECT_EQ(edit->Value(), 10000);
}

TEST_F(NumericEditTest, OnlyNumbersAreTypedAndRefusalsBeep)
{
    int beeps = screen->BeepCount();
    screen->TypeText("-");
    EXPECT_EQ(edit->Text(), "-");
    EXPECT_EQ(edit->Value(), 0) << "a lone minus is no number yet";
    EXPECT_EQ(changes, std::vector<std::string>{"-"});
    screen->TypeText("-a.");
    EXPECT_EQ(edit->Text(), "-");
    EXPECT_EQ(screen->BeepCount(), beeps + 3);
    screen->TypeText("42");
    EXPECT_EQ(edit->Value(), -42) << "no range: nothing is clamped";
    screen->PressKey(VK_BACK);
    EXPECT_EQ(edit->Text(), "-4");
    EXPECT_EQ(edit->Value(), -4);
}

TEST_F(NumericEditTest, WritingValueClampsFormatsAndFiresOnce)
{
    edit->SetMinValue(0);
    edit->SetMaxValue(100);
    edit->SetValue(250);
    EXPECT_EQ(edit->Text(), "100");
    edit->SetValue(-3);
    EXPECT_EQ(edit->Text(), "0");
    edit->SetValue(0); // the same text: OnChange still fires once
    edit->SetValue(2.5);
    EXPECT_EQ(edit->Text(), "2") << "rounded half to even";
    EXPECT_EQ(changes, (std::vector<std::string>{"100", "0", "0", "2"}));
    edit->SetValueType(TNumericValueType::vtFloat);
    edit->SetDecimal(2);
    edit->SetValue(3.14159);
    EXPECT_EQ(edit->Text(), "3.14");
}

TEST_F(NumericEditTest, FloatsTakeOneSeparatorNotInFront)
{
    edit->SetValueType(TNumericValueType::vtFloat);
    EXPECT_TRUE(edit->IsValidText("-1.5"));
    EXPECT_FALSE(edit->IsValidText(".5"));
    EXPECT_TRUE(edit->IsValidText("-.5")) << "the separator may follow the minus";
    EXPECT_FALSE(edit->IsValidText("1.2.3"));
    EXPECT_FALSE(edit->IsValidText("1-2"));
    EXPECT_FALSE(edit->IsValidText(""));
    screen->TypeText("-1.2.");
    EXPECT_EQ(edit->Text(), "-1.2");
    EXPECT_DOUBLE_EQ(edit->Value(), -1.2);
    edit->SetValueType(TNumericValueType::vtInteger);
    EXPECT_FALSE(edit->IsValidText("1.5"));
}

} // namespace
} // namespace tavrik
