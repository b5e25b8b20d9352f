#include "support/UiTest.h"

#include "gfx/SystemColors.h"
#include "support/Placement.h"
#include "ui/Image.h"
#include "ui/MenuTracker.h"
#include "ui/PopupMenu.h"
#include "ui/PopupMenuWindow.h"

#include <string>
#include <vector>

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class Menu : public UiTest {
protected:
    TForm* form = nullptr;
    TImage* image = nullptr;
    TPopupMenu* menu = nullptr;
    TMenuItem* rotate = nullptr;
    TMenuItem* mirror = nullptr;
    TMenuItem* more = nullptr;
    TMenuItem* disabled = nullptr;
    std::vector<std::string> clicks;

    void SetUp() override
    {
        form = NewForm(100, 100, 400, 300);
        image = test::NewChild<TImage>(form, 32, 32, 100, 100);
        menu = new TPopupMenu(form);
        image->SetPopupMenu(menu);
        rotate = Item(menu->Items(), "旋转90度");
        rotate->SetShortCut(ShortCut('R', ssCtrl));
        mirror = Item(menu->Items(), "水平&翻转");
        Item(menu->Items(), "-");
        disabled = Item(menu->Items(), "Disabled");
        disabled->SetEnabled(false);
        more = Item(menu->Items(), "&More");
        Item(more, "Inner &A");
        Item(more, "Inner &B");
    }
    TMenuItem* Item(TMenuItem* parent, const std::string& caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TComponent*) { clicks.push_back(caption); };
        parent->Add(item);
        return item;
    }
    static TPopupMenuWindow* Level(int i) { return TMenuTracker::Current()->Level(i); }
    static TPoint ItemCenter(int level, int index)
    {
        TPopupMenuWindow* w = Level(level);
        TRect r = w->ItemRect(index);
        return w->ClientToScreen({(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2});
    }
    void OpenByRightClick(TPoint at) { screen->Click(at.x, at.y, TMouseButton::Right); }
    // Inside the menu's loop input waits until the loop takes it; this takes it at once.
    void Key(UINT vk)
    {
        screen->PressKey(vk);
        ProcessMessages();
    }
};

} // namespace

TEST_F(Menu, ARightClickOpensTheMenuAtThePointerAndAClickChoosesAnItem)
{
    TPoint at = At(image, 10, 20);
    TRect menuRect;
    bool wasOpen = false;
    screen->WhenIdle([&] {
        wasOpen = TMenuTracker::Current() != nullptr;
        menuRect = Level(0)->BoundsRect();
        TPoint p = ItemCenter(0, 1);
        screen->Click(p.x, p.y);
    });
    OpenByRightClick(at);
    EXPECT_TRUE(wasOpen);
    EXPECT_EQ(menuRect.TopLeft(), at);
    EXPECT_EQ(clicks, (std::vector<std::string>{"水平&翻转"}));
    EXPECT_EQ(menu->PopupComponent(), image);
    EXPECT_EQ(TMenuTracker::Current(), nullptr);
}

TEST_F(Menu, AClickOutsideClosesTheMenuWithoutChoosingAndIsNotPassedOn)
{
    int formClicks = 0;
    form->OnClick = [&](TComponent*) { ++formClicks; };
    screen->WhenIdle([&] { screen->Click(350, 350); });
    OpenByRightClick(At(image, 10, 10));
    EXPECT_TRUE(clicks.empty());
    EXPECT_EQ(formClicks, 0);
    // Disabled items and separators are not chosen either.
    screen->WhenIdle([&] {
        TPoint p = ItemCenter(0, 3);
        screen->Click(p.x, p.y);
        p = ItemCenter(0, 2);
        screen->Click(p.x, p.y);
        EXPECT_NE(TMenuTracker::Current(), nullptr);
        screen->PressKey(VK_ESCAPE);
    });
    OpenByRightClick(At(image, 10, 10));
    EXPECT_TRUE(clicks.empty());
}

TEST_F(Menu, KeysMoveOverTheEnabledItemsAndChoose)
{
    std::vector<int> selected;
    screen->WhenIdle([&] {
        for (UINT key : {VK_DOWN, VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}) {
            Key(key);
            selected.push_back(Level(0)->Selected());
        }
        Key(VK_RETURN);
        EXPECT_EQ(TMenuTracker::Current()->LevelCount(), 2);
        Key(VK_ESCAPE);
        EXPECT_EQ(TMenuTracker::Current()->LevelCount(), 1);
        Key(VK_ESCAPE);
    });
    OpenByRightClick(At(image, 5, 5));
    // The separator (2) and the disabled item (3) are skipped; Down wraps to the top.
    EXPECT_EQ(selected, (std::vector<int>{0, 1, 4, 0, 4}));
    EXPECT_TRUE(clicks.empty()); // Enter on a submenu opens it
}

TEST_F(Menu, SubmenusOpenByKeyAndByPointerAndCloseOneLevelAtATime)
{
    screen->WhenIdle([&] {
        Key(VK_UP);     // "&More"
        Key(VK_RIGHT);  // opens it at its first item
        EXPECT_EQ(TMenuTracker::Current()->LevelCount(), 2);
        EXPECT_EQ(Level(1)->Selected(), 0);
        Key(VK_LEFT);   // back to the first level
        EXPECT_EQ(TMenuTracker::Current()->LevelCount(), 1);
        TPoint p = ItemCenter(0, 4); // pointing at "&More" opens it
        screen->MouseMove(p.x, p.y);
        ProcessMessages();
        ASSERT_EQ(TMenuTracker::Current()->LevelCount(), 2);
        EXPECT_GE(Level(1)->Left(), Level(0)->Left() + Level(0)->Width() - 3);
        p = ItemCenter(1, 1);
        screen->Click(p.x, p.y);
    });
    OpenByRightClick(At(image, 5, 5));
    EXPECT_EQ(clicks, (std::vector<std::string>{"Inner &B"}));
}

TEST_F(Menu, AcceleratorLettersChooseItems)
{
    screen->WhenIdle([&] { screen->TypeText("m"); });
    screen->WhenIdle([&] { screen->TypeText("a"); });
    OpenByRightClick(At(image, 5, 5));
    EXPECT_EQ(clicks, (std::vector<std::string>{"Inner &A"}));
}

TEST_F(Menu, RadioItemsCheckOneOfTheirGroupAndAutoCheckToggles)
{
    TMenuItem* a = Item(menu->Items(), "A");
    TMenuItem* b = Item(menu->Items(), "B");
    for (TMenuItem* i : {a, b}) {
        i->SetRadioItem(true);
        i->SetGroupIndex(1);
        i->SetAutoCheck(true);
    }
    a->SetChecked(true);
    b->Click();
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    mirror->SetAutoCheck(true);
    mirror->Click();
    mirror->Click();
    EXPECT_FALSE(mirror->Checked());
}

TEST_F(Menu, ShortcutsWorkWhileTheFocusIsInTheControlsForm)
{
    form->SetPopupMenu(menu);
    SetFocus(form->Handle());
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('R');
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(clicks, (std::vector<std::string>{"旋转90度"}));
    EXPECT_EQ(ShortCutToText(rotate->ShortCut()), "Ctrl+R");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_F5, ssShift | ssCtrl)), "Shift+Ctrl+F5");
    EXPECT_EQ(ShortCutToText(ShortCut(VK_DELETE, 0)), "Del");
}

TEST_F(Menu, AnErrorInAnItemHandlerIsReportedAfterTheMenuHasGone)
{
    bool menuOpenDuringHandler = true;
    rotate->OnClick = [&](TComponent*) {
        menuOpenDuringHandler = TMenuTracker::Current() != nullptr;
        throw Exception("cannot rotate");
    };
    screen->WhenIdle([&] {
        TPoint p = ItemCenter(0, 0);
        screen->Click(p.x, p.y);
    });
    OpenByRightClick(At(image, 5, 5));
    EXPECT_FALSE(menuOpenDuringHandler);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "cannot rotate");
}

TEST_F(Menu, TheSelectedItemIsDrawnHighlighted)
{
    TColor highlight = ColorToRGB(clHighlight);
    TColor before = 0, after = 0;
    screen->WhenIdle([&] {
        TPoint p = ItemCenter(0, 0);
        TPoint edge{Level(0)->Left() + 4, p.y};
        ProcessMessages();
        before = Pixel(edge);
        screen->MouseMove(p.x, p.y);
        ProcessMessages();
        after = Pixel(edge);
        screen->PressKey(VK_ESCAPE);
    });
    OpenByRightClick(At(image, 5, 5));
    EXPECT_NE(before, highlight);
    EXPECT_EQ(after, highlight);
}
