#include "MenuHostStub.h"
#include "SkinScene.h"
#include "support/Pictures.h"

#include "skincontrols/SkinEdit.h"
#include "skincontrols/SkinMemo.h"
#include "skincontrols/SkinNumericEdit.h"
#include "skincontrols/SkinPopupMenu.h"
#include "skincontrols/SkinPopupWindow.h"
#include "ui/MenuItem.h"
#include "skincontrols/SkinScrollBar.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// An edit skin 26 x 12 whose hot face lies one row lower; its button sits in the right cap.
const std::vector<std::string> kEditSkin = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=2", "0=edit:edit", "1=memo:memo",
    "[edit]", "pictureindex=0", "skinrect=0,0,26,12", "activeskinrect=0,1,26,13", "lefttoppoint=3,0",
    "righttoppoint=17,0", "clientrect=3,2,17,10", "buttonrect=18,1,25,11", "activebuttonrect=19,2,26,12",
    "fontname=Arial", "fontheight=13", "fontcolor=255", "activefontcolor=65280", "disabledfontcolor=8421504",
    "[memo]", "pictureindex=0", "skinrect=0,0,26,12", "activeskinrect=0,1,26,13", "lefttoppoint=3,2",
    "righttoppoint=17,2", "leftbottompoint=3,10", "rightbottompoint=17,10", "clientrect=3,2,17,10",
    "fontcolor=255", "activefontcolor=65280", "bgcolor=16711680", "activebgcolor=65535"};

class SkinEditTest : public SkinScene {
protected:
    TbsSkinEdit* edit = nullptr;

    void SetUp() override
    {
        LoadSkin(kEditSkin, {test::CoordinatePicture(26, 13)});
        edit = Add<TbsSkinEdit>(form, Bounds(10, 10, 100, 30));
        edit->SetSkinData(data);
        ProcessMessages();
    }
    // A point of the edit's window (frame included) on the screen.
    TPoint Screen(int x, int y) const
    {
        TPoint origin = edit->ClientToScreen({0, 0});
        return {origin.x - 3 + x, origin.y - 2 + y};
    }
    TColor WindowPixel(int x, int y) const
    {
        TPoint p = Screen(x, y);
        return Pixel(p);
    }
};

} // namespace

TEST_F(SkinEditTest, FrameComesFromTheSkinAtItsHeightAndLightsUpUnderThePointer)
{
    EXPECT_EQ(edit->Height(), 12);
    EXPECT_EQ(edit->ClientWidth(), 100 - 3 - 9);
    edit->SetBounds(10, 10, 140, 40);
    ProcessMessages();
    EXPECT_EQ(edit->Height(), 12);
    EXPECT_EQ(edit->Width(), 140);
    struct TSpot {
        int x, y, skinX, skinY;
    } spots[] = {{0, 0, 0, 0}, {2, 11, 2, 11}, {139, 0, 25, 0}, {140 - 9 + 1, 5, 18, 5}};
    for (const TSpot& s : spots) {
        SCOPED_TRACE(std::to_string(s.x) + "," + std::to_string(s.y));
        EXPECT_EQ(WindowPixel(s.x, s.y), CoordinateColor(s.skinX, s.skinY));
    }
    EXPECT_EQ(edit->Font().Color(), TColor(255));
    TPoint inside = Screen(50, 5);
    screen->MouseMove(inside.x, inside.y);
    EXPECT_TRUE(edit->Hovered());
    EXPECT_EQ(edit->Font().Color(), TColor(65280));
    EXPECT_EQ(WindowPixel(0, 0), CoordinateColor(0, 1)) << "the hot face";
    screen->MouseMove(790, 590);
    EXPECT_EQ(edit->Font().Color(), TColor(255));
    EXPECT_EQ(WindowPixel(0, 0), CoordinateColor(0, 0));
}

TEST_F(SkinEditTest, ButtonLightsUpAndClicksOnRelease)
{
    int clicks = 0;
    edit->OnButtonClick = [&](TComponent*) { ++clicks; };
    edit->SetButtonMode(true);
    ProcessMessages();
    const TRect button = edit->ButtonRect();
    EXPECT_EQ(button, Rect(92, 1, 99, 11));
    TPoint on = Screen(95, 5);
    screen->MouseMove(on.x, on.y);
    EXPECT_EQ(WindowPixel(93, 2), CoordinateColor(20, 3)) << "the hot button";
    screen->MouseDown();
    TPoint off = Screen(40, 5);
    screen->MouseMove(off.x, off.y);
    screen->MouseUp();
    EXPECT_EQ(clicks, 0) << "released off the button";
    EXPECT_TRUE(edit->Text().empty()) << "the press on the button did not reach the text";
    screen->Click(on.x, on.y);
    EXPECT_EQ(clicks, 1);
    EXPECT_TRUE(edit->Focused());
}

TEST_F(SkinEditTest, TextEntryKeepsWorkingInTheFrame)
{
    edit->SetFocus();
    screen->TypeText("ab 中文");
    EXPECT_EQ(edit->Text(), "ab 中文");
    edit->SelectAll();
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('C');
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(screen->ClipboardText(), "ab 中文");
    screen->SetClipboardText(std::string(100000, 'x'));
    edit->SetMaxLength(10);
    screen->KeyDown(VK_CONTROL);
    screen->PressKey('V');
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(edit->Text(), std::string(10, 'x')) << "a long paste is cut to MaxLength";
    const TPoint blank = edit->ClientToScreen({edit->ClientWidth() - 2, edit->ClientHeight() / 2});
    const TColor field = Pixel(blank);
    edit->SetEnabled(false);
    ProcessMessages();
    EXPECT_EQ(edit->Font().Color(), TColor(8421504)) << "the skin's disabled colour";
    EXPECT_EQ(Pixel(blank), field) << "only the text greys, not the field inside the skin's frame";
}

TEST_F(SkinEditTest, NumericEditClampsTypedNumbersAndRefusesLetters)
{
    auto* number = Add<TbsSkinNumericEdit>(form, Bounds(10, 40, 120, 20));
    number->SetSkinData(data);
    number->SetMaxValue(10000);
    number->SetFocus();
    number->SelectAll();
    const int beeps = screen->BeepCount();
    screen->TypeText("1234a5");
    EXPECT_EQ(number->Text(), "10000");
    EXPECT_EQ(number->Value(), 10000);
    EXPECT_EQ(screen->BeepCount(), beeps + 1);
    EXPECT_EQ(number->Height(), 12) << "the skin's height";
}

TEST_F(SkinEditTest, MemoDrawsTheSkinBorderAndDrivesItsScrollBar)
{
    auto* memo = Add<TbsSkinMemo>(form, Bounds(150, 10, 120, 80));
    auto* bar = Add<TbsSkinScrollBar>(form, Bounds(270, 10, 19, 80));
    bar->SetKind(TbsScrollBarKind::sbVertical);
    memo->SetSkinData(data);
    memo->SetVScrollBar(bar);
    ProcessMessages();
    EXPECT_EQ(memo->Height(), 80) << "a memo keeps its height";
    EXPECT_EQ(memo->Color(), TColor(16711680));
    const TPoint origin = memo->ClientToScreen({-3, -2});
    EXPECT_EQ(Pixel(origin), CoordinateColor(0, 0));
    EXPECT_EQ(Pixel({origin.x + 119, origin.y + 79}), CoordinateColor(25, 11));
    EXPECT_FALSE(bar->Enabled()) << "nothing to scroll";

    std::string text;
    for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + "\n";
    memo->SetText(text);
    const int visible = memo->VisibleLineCount();
    ASSERT_LT(visible, 30);
    EXPECT_TRUE(bar->Enabled());
    EXPECT_EQ(bar->Max(), memo->LineCount());
    EXPECT_EQ(bar->PageSize(), visible + 1);
    bar->SetPosition(10);
    EXPECT_EQ(memo->FirstVisibleLine(), 10);
    memo->SetFocus();
    screen->KeyDown(VK_CONTROL);
    screen->PressKey(VK_END);
    screen->KeyUp(VK_CONTROL);
    EXPECT_EQ(bar->Position(), memo->FirstVisibleLine());
    EXPECT_GT(bar->Position(), 10);
    EXPECT_EQ(memo->Color(), TColor(65535)) << "focused";
}

TEST_F(SkinEditTest, ContextMenuOffersWhatCanBeDoneAndRunsItInTheSkinnedMenu)
{
    auto* menuHost = new TMenuHost(form);
    menuHost->data = data;
    auto* memo = Add<TbsSkinMemo>(form, Bounds(150, 10, 120, 80));
    memo->SetSkinData(data);
    memo->SetText("memo text");
    memo->SetReadOnly(true);
    edit->SetText("hello world");
    screen->SetClipboardText("");

    auto entries = [&] {
        std::string shown;
        TbsSkinPopupWindow* w = menuHost->SkinMenu()->PopupWindows(0);
        for (int i = 0; i < w->ItemCount(); ++i) {
            TMenuItem* item = w->Items(i)->MenuItem();
            shown += (item->Enabled() ? "" : "!") + item->Caption() + "|";
        }
        return shown;
    };
    auto choose = [&](int index) {
        TbsSkinPopupWindow* w = menuHost->SkinMenu()->PopupWindows(0);
        TRect r = w->Items(index)->ItemRect;
        TPoint p = w->ClientToScreen({r.Left + r.Width() / 2, r.Top + r.Height() / 2});
        screen->Click(p.x, p.y);
        ProcessMessages();
    };
    auto menus = [](TComponent* owner) {
        int n = 0;
        for (int i = 0; i < owner->ComponentCount(); ++i) n += dynamic_cast<TbsSkinPopupMenu*>(owner->Components(i)) != nullptr;
        return n;
    };

    edit->SetFocus();
    edit->SetSelStart(0);
    edit->SetSelLength(5);
    const TPoint at = edit->ClientToScreen({5, 5});
    screen->Click(at.x, at.y, TMouseButton::Right);
    ASSERT_EQ(menuHost->SkinMenu()->PopupWindowCount(), 1);
    EXPECT_EQ(menuHost->SkinMenu()->PopupWindows(0)->Left(), at.x) << "at the pointer";
    EXPECT_EQ(entries(), "!Undo|-|Cut|Copy|!Paste|Delete|-|Select All|");
    choose(2);
    EXPECT_EQ(edit->Text(), " world");
    EXPECT_EQ(screen->ClipboardText(), "hello");
    EXPECT_EQ(menus(edit), 0) << "freed once its command ran";

    screen->Click(at.x, at.y, TMouseButton::Right);
    EXPECT_EQ(entries(), "Undo|-|!Cut|!Copy|Paste|!Delete|-|Select All|");
    choose(0);
    EXPECT_EQ(edit->Text(), "hello world");

    // Asked for from the keyboard: at the centre; read-only text can still be copied and selected.
    memo->SetFocus();
    memo->SelectAll();
    memo->Perform(WM_CONTEXTMENU, 0, PointToLParam({-1, -1}));
    ASSERT_EQ(menuHost->SkinMenu()->PopupWindowCount(), 1);
    const TPoint centre = memo->ClientToScreen({memo->ClientWidth() / 2, memo->ClientHeight() / 2});
    EXPECT_EQ(menuHost->SkinMenu()->PopupWindows(0)->Left(), centre.x);
    EXPECT_EQ(entries(), "!Undo|-|!Cut|Copy|!Paste|!Delete|-|!Select All|");
    menuHost->SkinMenu()->CloseAll();
    EXPECT_EQ(menus(memo), 1) << "a menu closed without a choice waits for the next request";
    screen->Click(at.x, at.y, TMouseButton::Right);
    EXPECT_EQ(menus(memo), 1);
    menuHost->SkinMenu()->CloseAll();
}
