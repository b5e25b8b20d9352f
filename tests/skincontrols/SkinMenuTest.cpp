#include "MenuHostStub.h"
#include "SkinScene.h"

#include "gfx/SystemColors.h"
#include "skin/DataSkinObject.h"
#include "skin/SkinImageBuilders.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinMenu.h"
#include "skincontrols/SkinMenuHost.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinPopupWindow.h"
#include "ui/MenuItem.h"
#include "ui/Panel.h"
#include "ui/WndHookChain.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// Records the menu notices a control hears.
class TListeningPanel : public TPanel {
public:
    using TPanel::TPanel;
    std::vector<UINT> heard;
    void WndProc(TMessage& m) override
    {
        if (m.Msg == SKM_MENUCLOSED || m.Msg == SKM_MENUCOMMAND) heard.push_back(m.Msg);
        TPanel::WndProc(m);
    }
};

class SkinMenus : public SkinScene {
protected:
    void SetUp() override
    {
        host = new TMenuHost(form);
        host->data = data;
        menu = new TbsSkinPopupMenu(form);
        panel = Add<TListeningPanel>(form, Bounds(0, 0, 400, 300));
        panel->SetPopupMenu(menu);
        Item(menu->Items(), "&Rotate")->SetShortCut(scCtrl | 'R');
        Item(menu->Items(), "&Flip")->SetChecked(true);
        Item(menu->Items(), "-");
        TMenuItem* more = Item(menu->Items(), "&More");
        Item(more, "A&lpha");
        TMenuItem* beta = Item(more, "&Beta");
        beta->SetRadioItem(true);
        beta->SetChecked(true);
        Item(more, "&Gamma")->SetEnabled(false);
        Item(menu->Items(), "&Disabled")->SetEnabled(false);
        Item(menu->Items(), "&Help");
    }

    TMenuItem* Item(TMenuItem* parent, const std::string& caption)
    {
        auto* item = new TMenuItem(form);
        item->SetCaption(caption);
        item->OnClick = [this, caption](TComponent*) { chosen.push_back(caption); };
        parent->Add(item);
        return item;
    }

    TbsSkinMenu* Engine() const { return host->SkinMenu(); }
    int Levels() const { return Engine()->PopupWindowCount(); }
    TbsSkinPopupWindow* Level(int i) const { return Engine()->PopupWindows(i); }
    // The screen point in the middle of entry `index` of a level.
    TPoint EntryPoint(int level, int index) const
    {
        TbsSkinPopupWindow* w = Level(level);
        TRect r = w->Items(index)->ItemRect;
        return w->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
    }
    // Lets the menu's mouse timer see the pointer where it is.
    void Rest(TPoint p)
    {
        MoveTo(p);
        screen->Advance(50);
    }
    void MoveTo(TPoint p) { screen->MouseMove(p.x, p.y); }
    std::string Highlighted(int level) const
    {
        TbsSkinPopupWindow* w = Level(level);
        std::string s;
        for (int i = 0; i < w->ItemCount(); ++i)
            if (w->Items(i)->Highlighted()) s += StripHotkey(w->Items(i)->MenuItem()->Caption());
        return s;
    }

    TMenuHost* host = nullptr;
    TbsSkinPopupMenu* menu = nullptr;
    TListeningPanel* panel = nullptr;
    std::vector<std::string> chosen;
};

} // namespace

TEST(SkinPopupWindowPlace, BelowAboveOrBesideTheAnchorAndAlwaysInsideTheWorkArea)
{
    const TRect area = Rect(0, 0, 800, 600);
    struct TCase {
        const char* what;
        TRect anchor;
        bool submenu, upward, scroll;
        TPoint at;
        int height = 200;
    } cases[] = {
        {"below a point", Rect(50, 60, 50, 60), false, false, false, {50, 60}},
        {"below a button", Rect(50, 60, 120, 80), false, false, false, {50, 80}},
        {"near the bottom: above the point", Rect(50, 500, 50, 500), false, false, false, {50, 300}},
        {"too low in the upper half: beside", Rect(50, 250, 50, 450), false, false, false, {51, 400}},
        {"near the right edge", Rect(750, 60, 750, 60), false, false, false, {700, 60}},
        {"left of the screen", Rect(-30, 60, -30, 60), false, false, false, {0, 60}},
        {"upward", Rect(50, 300, 120, 320), false, true, false, {50, 100}},
        {"upward without room, upper half", Rect(50, 100, 120, 120), false, true, false, {50, 120}},
        {"upward without room, lifted", Rect(50, 100, 120, 500), false, true, false, {121, 400}},
        {"upward without room, lower half", Rect(50, 350, 120, 370), false, true, false, {121, 0}, 400},
        {"submenu to the right", Rect(200, 100, 300, 120), true, false, false, {301, 97}},
        {"submenu to the left", Rect(650, 100, 750, 120), true, false, false, {549, 97}},
        {"submenu too low, upper half", Rect(200, 280, 300, 300), true, false, false, {301, 277}},
        {"submenu too low, lower half", Rect(200, 450, 300, 470), true, false, false, {301, 273}},
        {"scrolling", Rect(50, 500, 50, 500), false, false, true, {51, 0}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(PopupWindowPlace(c.anchor, {100, c.height}, 3, area, c.submenu, c.upward, c.scroll), c.at);
    }
}

TEST_F(SkinMenus, ARightClickOpensTheMenuWithItsFirstEntryHighlightedInThePlainLook)
{
    screen->Click(150, 150, TMouseButton::Right);
    ASSERT_EQ(Levels(), 1);
    TbsSkinPopupWindow* w = Level(0);
    EXPECT_TRUE(IsWindowVisible(w->Handle()));
    EXPECT_EQ(w->Left(), 150);
    EXPECT_EQ(w->Top(), 150);
    EXPECT_EQ(host->marked, 1);
    EXPECT_EQ(menu->SkinData(), data) << "taken from the frame";
    EXPECT_EQ(Highlighted(0), "Rotate");
    EXPECT_EQ(GetActiveWindow(), form->Handle()) << "a menu never takes the activation";

    // Entries of 20 pixels (dividers 4) inside a two-pixel border.
    EXPECT_EQ(w->Height(), 5 * 20 + 4 + 4);
    EXPECT_EQ(w->Items(3)->ItemRect, Rect(2, 46, w->Width() - 2, 66));
    const TPoint o = w->ClientToScreen({0, 0});
    EXPECT_EQ(Pixel({o.x, o.y}), ColorToRGB(clBtnShadow)) << "the outer ring";
    EXPECT_EQ(Pixel({o.x + 2, o.y + 2}), clNavy) << "the highlighted entry's frame";
    EXPECT_EQ(Pixel({o.x + 4, o.y + 4}), RGB(182, 189, 210));
    EXPECT_EQ(Pixel({o.x + 3, o.y + 30}), ColorToRGB(clBtnFace)) << "the glyph column";
    EXPECT_EQ(Pixel({o.x + w->Width() - 5, o.y + 30}), ColorToRGB(clWindow));
    EXPECT_EQ(Pixel({o.x + 30, o.y + 42 + 2}), ColorToRGB(clBtnShadow)) << "the divider's line";
    EXPECT_EQ(Pixel({o.x + 10, o.y + 42 + 1}), ColorToRGB(clBtnFace));
}

TEST_F(SkinMenus, HoveringAnEntryWithASubmenuOpensItAfterHalfASecond)
{
    screen->Click(150, 150, TMouseButton::Right);
    Rest(EntryPoint(0, 3));
    EXPECT_EQ(Highlighted(0), "More");
    EXPECT_EQ(Engine()->PendingItem(), Level(0)->Items(3)->MenuItem());
    screen->Advance(440);
    EXPECT_EQ(Levels(), 1);
    // Another entry first cancels it.
    Rest(EntryPoint(0, 5));
    screen->Advance(600);
    EXPECT_EQ(Levels(), 1);
    EXPECT_EQ(Highlighted(0), "Help");
    Rest(EntryPoint(0, 3));
    screen->Advance(500);
    ASSERT_EQ(Levels(), 2);
    EXPECT_EQ(Level(1)->Left(), Level(0)->Left() + Level(0)->Items(3)->ItemRect.Right + 1);
    EXPECT_EQ(Level(1)->Top() + Level(1)->NewItemsRect().Top, Level(0)->Top() + Level(0)->Items(3)->ItemRect.Top);
    EXPECT_TRUE(Level(0)->Items(3)->Down);
    // Disabled entries and dividers are never highlighted by the pointer.
    Rest(EntryPoint(1, 2));
    EXPECT_EQ(Highlighted(1), "") << "the entry left, the disabled one not entered";
    Rest(EntryPoint(0, 4));
    EXPECT_EQ(Highlighted(0), "More") << "the open submenu's entry stays down";
    Rest(EntryPoint(0, 0));
    EXPECT_EQ(Levels(), 1) << "another entry closes the submenu";
}

TEST_F(SkinMenus, ASubmenuThatDoesNotFitOnTheRightOpensOnTheLeft)
{
    menu->Popup(760, 150);
    ASSERT_EQ(Levels(), 1);
    EXPECT_EQ(Level(0)->Left() + Level(0)->Width(), 800);
    Rest(EntryPoint(0, 3));
    screen->Advance(500);
    ASSERT_EQ(Levels(), 2);
    EXPECT_EQ(Level(1)->Left() + Level(1)->Width(), Level(0)->Left() + Level(0)->Items(3)->ItemRect.Left - 1);
}

TEST_F(SkinMenus, ClickingACommandClosesTheMenuRunsItAndTellsFormAndControl)
{
    struct TCase {
        const char* what;
        int level, index;
        std::vector<std::string> chosen;
        bool open;
    } cases[] = {
        {"a command", 0, 0, {"&Rotate"}, false},
        {"a divider", 0, 2, {}, true},
        {"a disabled entry", 0, 4, {}, true},
        {"a command of a submenu", 1, 0, {"A&lpha"}, false},
        {"a disabled entry of a submenu", 1, 2, {}, true},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        chosen.clear();
        panel->heard.clear();
        host->closed = 0;
        menu->PopupFromControl(panel, Bounds(20, 20, 60, 20), false);
        ASSERT_EQ(Levels(), 1);
        EXPECT_EQ(Level(0)->Top(), 40) << "below the control";
        if (c.level == 1) {
            TPoint p = EntryPoint(0, 3);
            screen->Click(p.x, p.y);
            ASSERT_EQ(Levels(), 2) << "a click opens a submenu at once";
            chosen.clear();
        }
        TPoint p = EntryPoint(c.level, c.index);
        screen->Click(p.x, p.y);
        EXPECT_EQ(chosen, c.chosen);
        EXPECT_EQ(Levels() > 0, c.open);
        if (c.open) {
            Engine()->CloseAll();
            EXPECT_EQ(panel->heard, (std::vector<UINT>{SKM_MENUCLOSED}));
        } else {
            EXPECT_EQ(panel->heard, (std::vector<UINT>{SKM_MENUCLOSED, SKM_MENUCOMMAND}));
        }
        EXPECT_EQ(host->closed, 1);
    }
}

TEST_F(SkinMenus, KeysWalkOpenAndCloseTheLevels)
{
    screen->Click(150, 150, TMouseButton::Right);
    struct TStep {
        UINT key;
        int levels;
        std::string first, second; // highlighted entries of the levels
    } steps[] = {
        {VK_DOWN, 1, "Flip", ""},
        {VK_DOWN, 1, "More", ""},   // past the divider
        {VK_DOWN, 1, "Help", ""},   // past the disabled entry
        {VK_DOWN, 1, "Rotate", ""}, // from the last to the first
        {VK_UP, 1, "Help", ""},
        {VK_UP, 1, "More", ""},
        {VK_RIGHT, 2, "More", "Alpha"},
        {VK_DOWN, 2, "More", "Beta"},
        {VK_DOWN, 2, "More", "Beta"}, // nothing enabled below: the selection stays
        {VK_LEFT, 1, "More", ""},
        {VK_LEFT, 1, "More", ""}, // not on the first level
        {VK_RETURN, 2, "More", "Alpha"},
        {VK_ESCAPE, 1, "More", ""},
    };
    for (const TStep& s : steps) {
        SCOPED_TRACE(std::to_string(s.key) + " to " + s.first + " " + s.second);
        screen->PressKey(s.key);
        ASSERT_EQ(Levels(), s.levels);
        EXPECT_EQ(Highlighted(0), s.first);
        EXPECT_EQ(s.levels > 1 ? Highlighted(1) : "", s.second);
    }
    EXPECT_FALSE(Level(0)->Items(3)->Down) << "Esc in a submenu closes only that level";
    EXPECT_EQ(host->closed, 0);
    screen->PressKey(VK_ESCAPE);
    EXPECT_EQ(Levels(), 0);
    EXPECT_EQ(host->closed, 1) << "Esc on the first level ends the menu";
    EXPECT_EQ(chosen, (std::vector<std::string>{"&More", "&More"})) << "opening a submenu runs its item's command";
    chosen.clear();

    // A letter of a caption enters and clicks its entry at once; a disabled one only enters.
    screen->Click(150, 150, TMouseButton::Right);
    screen->PressKey('D');
    EXPECT_EQ(Highlighted(0), "Disabled");
    EXPECT_EQ(Levels(), 1);
    screen->PressKey('M');
    ASSERT_EQ(Levels(), 2);
    screen->PressKey('B');
    EXPECT_EQ(chosen, (std::vector<std::string>{"&More", "&Beta"}));
    EXPECT_EQ(Levels(), 0);
}

TEST_F(SkinMenus, APressOutsideEveryLevelClosesTheMenu)
{
    for (TPoint outside : {TPoint{700, 500}, TPoint{120, 120}}) {
        SCOPED_TRACE(std::to_string(outside.x));
        host->closed = 0;
        screen->Click(150, 150, TMouseButton::Right);
        Rest(EntryPoint(0, 3));
        screen->Advance(500);
        ASSERT_EQ(Levels(), 2);
        chosen.clear(); // opening the submenu ran its item's command
        EXPECT_EQ(screen->WatchingWindow(), screen->NativeWindowOf(Level(1)->Handle()));
        TPoint inside = EntryPoint(1, 2);
        screen->Click(inside.x, inside.y);
        EXPECT_EQ(Levels(), 2) << "a press on a disabled entry of the menu";
        screen->Click(outside.x, outside.y);
        EXPECT_EQ(Levels(), 0);
        EXPECT_EQ(host->closed, 1);
        EXPECT_EQ(screen->WatchingWindow(), 0u);
        EXPECT_TRUE(chosen.empty());
    }
}

TEST_F(SkinMenus, AMenuTallerThanTheScreenScrolls)
{
    auto* tall = new TbsSkinPopupMenu(form);
    for (int i = 0; i < 40; ++i) Item(tall->Items(), "Entry " + std::to_string(i));
    tall->Items()->Items(39)->SetEnabled(false);
    tall->Popup(300, 100);
    ASSERT_EQ(Levels(), 1);
    TbsSkinPopupWindow* w = Level(0);
    EXPECT_TRUE(w->Scroll());
    EXPECT_EQ(w->Top(), 0);
    EXPECT_EQ(w->Height(), 600);
    EXPECT_EQ(w->Left(), 301) << "beside the point";
    // 596 pixels less two markers of 10 hold 28 entries of 20.
    EXPECT_EQ(w->VisibleCount(), 28);
    EXPECT_EQ(w->Items(0)->ItemRect.Top, 12) << "below the upper marker";
    EXPECT_FALSE(w->Items(28)->Visible);
    EXPECT_EQ(Highlighted(0), "Entry 0");

    // Resting on the lower marker scrolls one entry every 100 ms, as far as it goes.
    Rest(w->ClientToScreen({w->Width() / 2, w->Height() - 5}));
    EXPECT_EQ(w->ScrollCode(), 2);
    screen->Advance(100);
    EXPECT_EQ(w->VisibleStart(), 1);
    screen->Advance(2000);
    EXPECT_EQ(w->VisibleStart(), 40 - 28);
    EXPECT_EQ(w->ScrollCode(), 0) << "stopped at the end";
    Rest(w->ClientToScreen({w->Width() / 2, 5}));
    screen->Advance(300);
    EXPECT_EQ(w->VisibleStart(), 40 - 28 - 3);
    Rest(w->ClientToScreen({w->Width() / 2, w->Height() / 2}));
    screen->Advance(300);
    EXPECT_EQ(w->VisibleStart(), 40 - 28 - 3) << "off the markers it stops";

    // The keys scroll the selection into view; Up from the first entry goes round to the last
    // enabled one, Down from there finds nothing enabled below and stays.
    const int middle = w->ActiveItem();
    EXPECT_EQ(middle, w->VisibleStart() + (300 - 12) / 20);
    for (int i = middle; i > 0; --i) screen->PressKey(VK_UP);
    EXPECT_EQ(w->ActiveItem(), 0);
    EXPECT_EQ(w->VisibleStart(), 0);
    screen->PressKey(VK_UP);
    EXPECT_EQ(w->ActiveItem(), 38);
    EXPECT_EQ(w->VisibleStart(), 38 - 27) << "the last start that shows it";
    EXPECT_TRUE(w->Items(38)->Visible);
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(w->ActiveItem(), 38);
}

TEST_F(SkinMenus, TheSkinnedLookComesFromThePopupWindowAndMenuItemPictures)
{
    LoadProgramSkin();
    screen->Click(150, 150, TMouseButton::Right);
    ASSERT_EQ(Levels(), 1);
    TbsSkinPopupWindow* w = Level(0);
    const TbsDataSkinPopupWindow& pw = data->PopupWindowSkin;
    const TBitmap& picture = data->activepictures[size_t(pw.windowpictureindex)];
    const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(data->SkinObjects[size_t(data->IndexOfSkinObject("MENUITEM"))].get());
    ASSERT_NE(item, nullptr);
    const TBitmap& items = data->activepictures[size_t(item->activepictureindex)];
    EXPECT_EQ(w->NewItemsRect(), Rect(pw.itemsrect.Left, pw.itemsrect.Top,
                                      w->Width() - (picture.Width() - pw.itemsrect.Right),
                                      w->Height() - (picture.Height() - pw.itemsrect.Bottom)));
    EXPECT_EQ(w->Items(1)->ItemRect.Height(), item->skinrect.Height());

    // The frame against the builder's image; entries against their pictures' left caps.
    TBitmap frame;
    TSkinCut cut{pw.lefttoppoint, pw.righttoppoint, pw.leftbottompoint, pw.rightbottompoint, pw.itemsrect};
    TSize size{w->Width(), w->Height()};
    TSize pictureSize{picture.Width(), picture.Height()};
    BuildStretchSkinImage(picture, Rect(0, 0, pictureSize.cx, pictureSize.cy), cut, size,
                          ResizeSkinCut(cut, pictureSize, size), TClientFill::Tile, {}, frame);
    const TPoint o = w->ClientToScreen({0, 0});
    for (TPoint p : {TPoint{0, 0}, TPoint{size.cx - 1, size.cy - 1}, TPoint{size.cx / 2, 1}, TPoint{1, size.cy / 2}}) {
        SCOPED_TRACE(std::to_string(p.x) + "," + std::to_string(p.y));
        EXPECT_EQ(Pixel({o.x + p.x, o.y + p.y}), frame.GetPixel(p.x, p.y));
    }
    screen->Advance(500); // the highlight's fade is over
    for (int index : {0, 1}) {
        SCOPED_TRACE(index);
        TRect r = w->Items(index)->ItemRect;
        TRect face = index == 0 ? item->activeskinrect : item->skinrect;
        EXPECT_EQ(Pixel({o.x + r.Left + 2, o.y + r.Top + 3}), items.GetPixel(face.Left + 2, face.Top + 3));
    }
    // Layered menus fade in to their opacity, once per popup.
    Engine()->CloseAll();
    Engine()->SetAlphaBlend(true);
    Engine()->SetAlphaBlendValue(180);
    Engine()->SetAlphaBlendAnimation(true);
    screen->Click(150, 150, TMouseButton::Right);
    ASSERT_EQ(Levels(), 1);
    EXPECT_EQ(screen->Native(Level(0)->Handle())->alpha, 180);

    // The skin going away closes the menu before its pictures do.
    data->ApplyStoredSkin(TbsStoredSkin());
    EXPECT_EQ(Levels(), 0);
}

TEST_F(SkinMenus, WithoutAFrameOnTheFormNothingShows)
{
    host->Free();
    int popups = 0;
    menu->OnPopup = [&](TComponent*) { ++popups; };
    size_t windows = GetChildWindows(nullptr).size();
    screen->Click(150, 150, TMouseButton::Right);
    EXPECT_EQ(popups, 1);
    EXPECT_EQ(GetChildWindows(nullptr).size(), windows);
}
