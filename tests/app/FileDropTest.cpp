#include "WorkbenchTest.h"

#include "core/FileIO.h"

namespace tavrik::testing {
namespace {

using FileDropTest = WorkbenchTest;

TEST_F(FileDropTest, PicturesJoinTheBatchListAndOnePictureOpensOnThePicturePage)
{
    const std::string a = WriteBmp("a.bmp", PatternPicture(10, 8));
    const std::string b = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "b.JPG");
    const std::string text = Scratch("notes.txt");
    WriteFileAtomically(text, std::vector<uint8_t>{'h', 'i'});

    // The picture page takes exactly one picture, anywhere on it.
    struct TCase {
        const TControl* over;
        std::vector<std::string> files;
        bool taken;
    };
    const TCase onPicturePage[] = {
        {c->bsSkinScrollBox1, {a}, true},   {c->bsSkinButton1, {b}, true},  {c->bsSkinScrollBox1, {a, b}, false},
        {c->bsSkinScrollBox1, {text}, false}, {c->bsSkinPageControl2, {a}, false},
    };
    for (const TCase& k : onPicturePage) {
        SCOPED_TRACE(k.over->Name() + " " + ::testing::PrintToString(k.files));
        TPoint at = k.over == c->bsSkinPageControl2 ? At(k.over, 20, 8) : Center(k.over); // its tab row
        EXPECT_EQ(screen->DragFilesOver(at.x, at.y, k.files), std::optional<bool>(k.taken));
    }
    EXPECT_EQ(c->Image1->Picture().Graphic(), nullptr) << "dragging over changes nothing";
    const TPoint view = Center(c->bsSkinScrollBox1);
    EXPECT_EQ(screen->DropFiles(view.x, view.y, {a, b}), std::optional<bool>(false));
    EXPECT_EQ(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_EQ(screen->DropFiles(view.x, view.y, {a}), std::optional<bool>(true));
    ASSERT_NE(c->Image1->Picture().Graphic(), nullptr);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(10, 8));
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + a) << "as the open command shows it";
    EXPECT_TRUE(c->bsSkinButton3->Enabled());

    // The batch list takes the pictures among the files, in their order, as the import takes
    // them (existing files the open dialog shows); the rest of the page takes nothing.
    c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet3);
    ProcessMessages();
    const TPoint list = Center(c->bsSkinListView1), start = Center(c->bsSkinButton4);
    EXPECT_EQ(screen->DragFilesOver(list.x, list.y, {text}), std::optional<bool>(false));
    EXPECT_EQ(screen->DragFilesOver(list.x, list.y, {text, b}), std::optional<bool>(true));
    EXPECT_EQ(screen->DragFilesOver(start.x, start.y, {a}), std::optional<bool>(false));
    EXPECT_EQ(screen->DropFiles(start.x, start.y, {a}), std::optional<bool>(false));
    EXPECT_EQ(c->bsSkinListView1->Items().Count(), 0);
    EXPECT_EQ(screen->DropFiles(list.x, list.y, {b, text, a, Scratch("gone.bmp")}), std::optional<bool>(true));
    std::vector<std::pair<std::string, int>> listed;
    for (int i = 0; i < c->bsSkinListView1->Items().Count(); ++i)
        listed.emplace_back(c->bsSkinListView1->Items()[i]->Caption(), c->bsSkinListView1->Items()[i]->ImageIndex());
    EXPECT_EQ(listed, (std::vector<std::pair<std::string, int>>{{b, 1}, {a, 0}}));
    EXPECT_TRUE(c->bsSkinButton6->Enabled());
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet3);
}

} // namespace
} // namespace tavrik::testing
