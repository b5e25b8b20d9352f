#include "SkinScene.h"
#include "support/Pictures.h"

#include "skincontrols/SkinSplitter.h"
#include "ui/Panel.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

// A lying splitter skin 23 x 6 with caps of 4 and 7.
const std::vector<std::string> kSplitterSkin = {
    "[VERSION]", "skinversion=1", "[PICTURES]", "picture=main.bmp", "activepicturescount=1", "[FORMINFO]",
    "clientrect=1,1,2,2", "[SKINOBJECTS]", "count=0", "[SKINCONTROLS]", "count=1", "0=hsplitter:splitter",
    "[hsplitter]", "pictureindex=0", "skinrect=1,2,24,8", "lefttoppoint=4,0", "righttoppoint=16,0"};

} // namespace

TEST_F(SkinScene, SplitterTakesTheSkinsThicknessAndKeepsTheMinimumSizes)
{
    LoadSkin(kSplitterSkin, {test::CoordinatePicture(25, 12)});
    auto* top = new TPanel(form);
    top->SetParent(form);
    top->SetAlign(TAlign::alTop);
    top->SetHeight(100);
    auto* splitter = new TbsSkinSplitter(form);
    splitter->SetParent(form);
    splitter->SetSkinDataName("hsplitter");
    splitter->SetAlign(TAlign::alTop);
    splitter->SetTop(100);
    splitter->SetResizeStyle(TResizeStyle::rsUpdate);
    splitter->SetSkinData(data);
    ProcessMessages();
    EXPECT_EQ(splitter->Height(), 6);
    EXPECT_EQ(splitter->MinSize(), 6);
    // Caps copied, the middle tiled along the 400-pixel bar.
    EXPECT_EQ(PixelOf(splitter, 0, 0), CoordinateColor(1, 2));
    EXPECT_EQ(PixelOf(splitter, 399, 5), CoordinateColor(23, 7));

    // Dragged far up, the neighbour keeps MinSize; far down, the room below keeps it.
    const TPoint grip = splitter->ClientToScreen({50, 3});
    screen->Drag(grip, {grip.x, 0}, 4);
    EXPECT_EQ(top->Height(), 6);
    const TPoint grip2 = splitter->ClientToScreen({50, 3});
    screen->Drag(grip2, {grip2.x, 599}, 4);
    EXPECT_EQ(form->ClientHeight() - (top->Height() + splitter->Height()), 6);

    splitter->SetSkinData(nullptr);
    EXPECT_EQ(splitter->Height(), 10) << "DefaultSize while unbound";
}
