#include "SkinScene.h"

#include "skincontrols/SkinComboBox.h"
#include "ui/Edit.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class SkinComboBoxTest : public SkinScene {
protected:
    TbsSkinComboBox* combo = nullptr;
    int clicks = 0, dropDowns = 0, closeUps = 0;

    void SetUp() override
    {
        combo = Add<TbsSkinComboBox>(form, Bounds(10, 10, 120, 20));
        combo->OnClick = [this](TComponent*) { ++clicks; };
        combo->OnDropDown = [this](TComponent*) { ++dropDowns; };
        combo->OnCloseUp = [this](TComponent*) { ++closeUps; };
        ProcessMessages();
    }
    void Fill(std::initializer_list<const char*> items)
    {
        for (const char* item : items) combo->Items().Add(item);
    }
    void Fill(int count)
    {
        for (int i = 0; i < count; ++i) combo->Items().Add("item " + std::to_string(i));
    }
    void ClickOn(const TControl* control, int x, int y)
    {
        const TPoint p = control->ClientToScreen({x, y});
        screen->Click(p.x, p.y);
    }
    void Hover(const TControl* control, int x, int y)
    {
        const TPoint p = control->ClientToScreen({x, y});
        screen->MouseMove(p.x, p.y);
    }
};

} // namespace

TEST_F(SkinComboBoxTest, TypedLettersFindItemsByTheirBeginning)
{
    Fill({"apple", "banana", "berry"});
    struct TCase {
        const char* name;
        std::vector<std::pair<uint64_t, char>> typed; // pause before, letter
        int chosen;
    } cases[] = {
        {"b", {{0, 'b'}}, 1},
        {"b, a pause, b", {{0, 'b'}, {600, 'b'}}, 2},
        {"b and e quickly", {{0, 'b'}, {100, 'e'}}, 2},
        {"b twice quickly looks for bb", {{0, 'b'}, {100, 'b'}}, 1},
        {"a letter no item starts with", {{0, 'z'}}, 0},
    };
    combo->SetFocus();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        combo->SetItemIndex(0);
        screen->Advance(1000);
        for (auto [pause, letter] : c.typed) {
            screen->Advance(pause);
            screen->TypeText(std::string(1, letter));
        }
        EXPECT_EQ(combo->ItemIndex(), c.chosen);
        EXPECT_EQ(combo->Text(), combo->Items()[c.chosen]);
    }
}

TEST_F(SkinComboBoxTest, KeysStepAndJumpByTheListsRows)
{
    combo->SetFocus();
    screen->KeyDown(VK_MENU);
    screen->PressKey(VK_DOWN); // no items: nothing opens
    screen->KeyUp(VK_MENU);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(dropDowns, 0);
    Fill(20);
    struct TCase {
        int from;
        UINT key;
        int to;
    } cases[] = {{0, VK_NEXT, 7}, {10, VK_PRIOR, 1}, {18, VK_NEXT, 19}, {0, VK_UP, 0}, {19, VK_DOWN, 19}, {4, VK_RIGHT, 5}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.from) + " key " + std::to_string(c.key));
        combo->SetItemIndex(c.from);
        screen->PressKey(c.key);
        EXPECT_EQ(combo->ItemIndex(), c.to);
    }
}

TEST_F(SkinComboBoxTest, OpenListPicksByPointerAndKeepsTheChoiceOnEscOrAnOutsideClick)
{
    Fill(20);
    combo->SetItemIndex(2);
    clicks = 0;
    ClickOn(combo, 110, 10); // the button
    ASSERT_TRUE(combo->DroppedDown());
    TbsPopupListBox& list = combo->PopupList();
    EXPECT_EQ(list.BoundsRect().TopLeft(), combo->ClientToScreen({0, 20})) << "below the box";
    EXPECT_EQ(list.Width(), 120);
    EXPECT_FALSE(list.Focused());
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "the list takes no activation";
    const int row = combo->PopupList().ItemHeight();

    // Hovering picks, Esc gives the old choice back.
    Hover(&list.ListBox(), 20, row * 5 + 2);
    EXPECT_EQ(list.ItemIndex(), 2 + 5);
    screen->PressKey(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);
    EXPECT_EQ(clicks, 0);

    // A press on the form outside the list closes it the same way.
    ClickOn(combo, 110, 10);
    Hover(&list.ListBox(), 20, row * 1 + 2);
    ClickOn(form, 300, 200);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 2);

    // A click in the list takes the item under the pointer.
    ClickOn(combo, 110, 10);
    const int top = list.ListBox().TopIndex();
    ClickOn(&list.ListBox(), 20, row * 3 + 2);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), top + 3);
    EXPECT_EQ(combo->Text(), combo->Items()[top + 3]);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(closeUps, 1);
}

TEST_F(SkinComboBoxTest, ListOpensAboveABoxNearTheBottomOfTheScreen)
{
    Fill(20);
    form->SetBounds(100, 500, 400, 100);
    ClickOn(combo, 110, 10);
    ASSERT_TRUE(combo->DroppedDown());
    const TbsPopupListBox& list = combo->PopupList();
    EXPECT_EQ(list.BoundsRect().Bottom, combo->ClientToScreen({0, 0}).y);
}

TEST_F(SkinComboBoxTest, EditStyleCompletesTypedTextAndChoosesByKeys)
{
    Fill({"apple", "banana", "berry", "cherry"});
    combo->SetFocus();
    combo->SetStyle(TbsComboBoxStyle::bscbEditStyle);
    TEdit* edit = combo->InnerEdit();
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(combo->TabStop());
    EXPECT_TRUE(edit->Focused()) << "the edit takes the box's focus";
    EXPECT_EQ(edit->BoundsRect(), combo->TextArea());
    std::vector<std::string> changes;
    combo->OnChange = [&](TComponent*) { changes.push_back(combo->Text()); };

    screen->TypeText("b");
    EXPECT_EQ(edit->Text(), "banana") << "completed to the first item beginning with b";
    EXPECT_EQ(edit->SelText(), "anana") << "typing on replaces the completion";
    EXPECT_EQ(combo->ItemIndex(), 1);
    screen->TypeText("e");
    EXPECT_EQ(edit->Text(), "berry");
    EXPECT_EQ(combo->Text(), "berry");
    EXPECT_FALSE(changes.empty());

    clicks = 0;
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 3);
    EXPECT_EQ(edit->Text(), "cherry");
    EXPECT_EQ(clicks, 1);
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(combo->ItemIndex(), 3) << "nothing beyond the last item";

    // The list opens from the button; the keys move in it and Enter takes the item.
    clicks = 0;
    ClickOn(combo, 110, 10);
    ASSERT_TRUE(combo->DroppedDown());
    EXPECT_TRUE(edit->Focused());
    screen->PressKey(VK_UP);
    screen->PressKey(VK_UP);
    EXPECT_EQ(edit->Text(), "cherry") << "only the list's selection moves while it is open";
    EXPECT_EQ(clicks, 0);
    screen->PressKey(VK_RETURN);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(edit->Text(), "banana");

    ClickOn(combo, 110, 10);
    screen->PressKey(VK_DOWN);
    screen->PressKey(VK_ESCAPE);
    EXPECT_EQ(edit->Text(), "banana") << "Esc keeps the choice";

    combo->SetStyle(TbsComboBoxStyle::bscbFixedStyle);
    EXPECT_EQ(combo->InnerEdit(), nullptr);
    EXPECT_TRUE(combo->TabStop());
    EXPECT_EQ(combo->Text(), "banana");
}
