#include "support/HeadlessScene.h"
#include "support/Pictures.h"

#include "gfx/SystemColors.h"
#include "skin/SkinData.h"
#include "skin/StoredSkin.h"
#include "skincontrols/SkinUpDown.h"
#include "skinforms/SkinPageControl.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "wsys/WinApi.h"

#include <gtest/gtest.h>

using namespace tavrik;

namespace {

TColor CoordinateColor(int x, int y) { return RGB(uint8_t(x), uint8_t(y), 7); }

// A tab skin on a picture whose every pixel names its coordinates: a 20 x 20 frame with
// 2-pixel borders, tab faces 20 x 10 stacked below each other (normal, selected, focused, hot)
// with 3-pixel caps, and a 4 x 4 strip background.
const std::vector<std::string> kTabSkin = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=1", "0=tab:tab", "[tab]",
    "pictureindex=0", "skinrect=0,0,20,20", "clientrect=2,2,18,18", "lefttoppoint=2,2", "righttoppoint=18,2",
    "leftbottompoint=2,18", "rightbottompoint=18,18", "tabrect=20,0,40,10", "activetabrect=20,10,40,20",
    "focustabrect=20,20,40,30", "mouseintabrect=20,30,40,40", "tableftoffset=3", "tabrightoffset=3",
    "tabsbgrect=40,0,44,4", "bgpictureindex=-1", "fontname=Arial", "fontheight=13", "fontcolor=255"};

class SkinPageControlTest : public ::testing::Test {
protected:
    SkinPageControlTest()
    {
        form = host.app->CreateForm<TForm>();
        form->SetBorderStyle(TFormBorderStyle::bsNone);
        form->SetBounds(50, 50, 400, 300);
        form->AddWindowHook([this](TMessage& m, const TWndNext& next) {
            if (m.Msg >= SKM_BEFORECHANGE && m.Msg <= SKM_AFTERCHANGE) form->RelayToControls(m);
            next(m);
        });
        data = new TbsSkinData(form);
        pages = new TbsSkinPageControl(form);
        pages->SetParent(form);
        pages->SetBounds(0, 0, 300, 200);
        for (const char* caption : {"One", "Two", "Three"}) {
            auto* sheet = new TbsSkinTabSheet(form);
            sheet->SetCaption(caption);
            sheet->SetPageControl(pages);
        }
        // Holds the focus, so that the selected tab shows its face without the focus.
        auto* edit = new TEdit(form);
        edit->SetParent(form);
        edit->SetBounds(0, 250, 100, 20);
        form->Show();
        edit->SetFocus();
        TbsStoredSkin stored;
        stored.SetIniStrings(kTabSkin);
        stored.activepictures.push_back(test::CoordinatePicture(60, 60));
        data->ApplyStoredSkin(stored);
        pages->SetSkinData(data);
        ProcessMessages();
    }

    TColor Pixel(const TControl* c, int x, int y) const
    {
        const TPoint p = c->ClientToScreen({x, y});
        return host.screen->ScreenPixel(p.x, p.y);
    }
    // A point inside the left cap of a tab, in the control's coordinates.
    TPoint TabPoint(int tab) const { return {pages->TabRect(tab).Left + 1, pages->TabRect(tab).Top}; }
    TColor TabPixel(int tab) const { return Pixel(pages, TabPoint(tab).x, TabPoint(tab).y); }
    void MoveTo(TPoint client)
    {
        const TPoint p = pages->ClientToScreen(client);
        host.screen->MouseMove(p.x, p.y);
        ProcessMessages();
    }

    test::THeadlessScene host{800, 600};
    TForm* form = nullptr;
    TbsSkinData* data = nullptr;
    TbsSkinPageControl* pages = nullptr;
};

} // namespace

TEST_F(SkinPageControlTest, TabsFrameAndPagesAreDrawnFromTheSkin)
{
    EXPECT_EQ(pages->TabRect(0).Height(), 10) << "the skin's tab height";
    EXPECT_EQ(pages->TabRect(0).Top, 0) << "moved up by 2 onto the strip's edge";
    const TRect d = pages->DisplayRect();
    EXPECT_EQ(d, Rect(2, pages->TabRect(0).Bottom + 2, 298, 198)) << "the frame meets the tabs";
    struct TSpot {
        const char* what;
        TPoint at;
        TColor expected;
    } spots[] = {
        {"selected tab, not focused", TabPoint(0), CoordinateColor(21, 10)},
        {"normal tab", TabPoint(1), CoordinateColor(21, 0)},
        {"normal tab's right cap", {pages->TabRect(1).Right - 2, 0}, CoordinateColor(38, 0)},
        {"normal tab's middle", {pages->TabRect(1).Left + 3, 0}, CoordinateColor(23, 0)},
        {"strip behind the tabs", {299, 0}, CoordinateColor(40 + 299 % 4, 0)},
        {"frame corner", {d.Left - 2, d.Top - 2}, CoordinateColor(0, 0)},
        {"frame's far corner", {d.Right + 1, d.Bottom + 1}, CoordinateColor(19, 19)},
        {"frame's left edge", {d.Left - 1, d.Top + 40}, CoordinateColor(1, 2 + (40 + 2 - 2) % 16)},
    };
    for (const TSpot& s : spots) {
        SCOPED_TRACE(s.what);
        EXPECT_EQ(Pixel(pages, s.at.x, s.at.y), s.expected);
    }
    TTabSheet* sheet = pages->ActivePage();
    ASSERT_EQ(sheet->BoundsRect(), d);
    EXPECT_EQ(Pixel(sheet, 0, 0), CoordinateColor(2, 2)) << "the skin's client part, tiled";
    EXPECT_EQ(Pixel(sheet, 17, 17), CoordinateColor(3, 3));
}

TEST_F(SkinPageControlTest, HotSelectedAndFocusedLooksFollowPointerAndKeys)
{
    MoveTo(TabPoint(1));
    EXPECT_EQ(pages->HotTab(), 1);
    EXPECT_EQ(TabPixel(1), CoordinateColor(21, 30)) << "hot";
    MoveTo(TabPoint(0));
    EXPECT_EQ(TabPixel(1), CoordinateColor(21, 0)) << "one at a time";
    EXPECT_EQ(TabPixel(0), CoordinateColor(21, 10)) << "the selected tab never lights up";
    MoveTo({150, 150});
    EXPECT_EQ(pages->HotTab(), -1);

    const TPoint p = pages->ClientToScreen(TabPoint(2));
    host.screen->Click(p.x, p.y);
    ProcessMessages();
    EXPECT_EQ(pages->ActivePageIndex(), 2);
    EXPECT_TRUE(pages->Focused());
    EXPECT_EQ(TabPixel(2), CoordinateColor(21, 20)) << "selected with the focus";
    EXPECT_EQ(TabPixel(0), CoordinateColor(21, 0));

    host.screen->KeyDown(VK_CONTROL);
    host.screen->PressKey(VK_TAB);
    host.screen->KeyUp(VK_CONTROL);
    ProcessMessages();
    EXPECT_EQ(pages->ActivePageIndex(), 0) << "Ctrl+Tab wraps to the first page";
    EXPECT_EQ(TabPixel(0), CoordinateColor(21, 20));
}

TEST_F(SkinPageControlTest, AnUpDownScrollsTabsThatOverflowTheRow)
{
    EXPECT_EQ(pages->TabUpDown(), nullptr) << "three short tabs fit";
    for (int i = 0; i < 12; ++i) {
        auto* sheet = new TbsSkinTabSheet(form);
        sheet->SetCaption("Page " + std::to_string(i));
        sheet->SetPageControl(pages);
    }
    pages->SetWidth(301);
    ProcessMessages();
    TbsSkinUpDown* upDown = pages->TabUpDown();
    ASSERT_NE(upDown, nullptr);
    EXPECT_EQ(upDown->BoundsRect(), Rect(301 - 40, 0, 301, 20));
    EXPECT_GT(upDown->Max(), 0);
    upDown->SetPosition(2);
    EXPECT_EQ(pages->FirstVisibleTab(), 2);
    EXPECT_LE(pages->TabRect(1).Right, 0);
    pages->SetWidth(2000);
    EXPECT_NE(pages->TabUpDown(), nullptr) << "tabs scrolled off the start still need it";
    upDown->SetPosition(0);
    pages->SetWidth(1999);
    EXPECT_EQ(pages->TabUpDown(), nullptr) << "freed once every tab fits";
}

TEST_F(SkinPageControlTest, WithoutTheSkinThePlainLookShows)
{
    pages->SetSkinDataName("none");
    pages->ApplySkin();
    ProcessMessages();
    EXPECT_EQ(pages->TabRect(0).Height(), 20) << "DefaultItemHeight";
    const TRect d = pages->DisplayRect();
    EXPECT_EQ(d.Left, 1);
    EXPECT_EQ(Pixel(pages, d.Left - 1, d.Top + 10), ColorToRGB(clBtnShadow));
    EXPECT_EQ(Pixel(pages, TabPoint(0).x + 1, TabPoint(0).y + 5), RGB(182, 189, 210)) << "selected fill";
    EXPECT_EQ(Pixel(pages->ActivePage(), 5, 5), ColorToRGB(clBtnFace));
}
