#include "WorkbenchTest.h"

#include "core/FileIO.h"
#include "imaging/BatchConversion.h"
#include "imaging/JpegCodec.h"

#include <filesystem>

namespace tavrik::testing {
namespace {

class BatchPageTest : public WorkbenchTest {
protected:
    BatchPageTest()
    {
        c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet3);
        std::filesystem::create_directories(Scratch("out"));
        ProcessMessages();
    }

    // Imports the files through "导入图片", typed as the dialog takes several names.
    void Import(const std::vector<std::string>& paths)
    {
        std::string typed;
        for (const std::string& p : paths) typed += "\"" + p + "\" ";
        TypeInDialog(typed);
        ClickOn(c->bsSkinButton5);
    }

    std::vector<std::string> Captions() const
    {
        std::vector<std::string> captions;
        for (int i = 0; i < c->bsSkinListView1->Items().Count(); ++i)
            captions.push_back(c->bsSkinListView1->Items()[i]->Caption());
        return captions;
    }

    // The gauge and the status panel each time the gauge is painted during a run.
    struct TSeen {
        int value, max;
        std::string status;
        bool startEnabled;
    };
    void WatchGauge()
    {
        c->bsSkinGauge1->AddWindowHook([this](TMessage& m, const TWndNext& next) {
            if (m.Msg == WM_PAINT)
                seen.push_back({c->bsSkinGauge1->Value(), c->bsSkinGauge1->MaxValue(), c->bsSkinStatusPanel3->Caption(),
                                c->bsSkinButton4->Enabled()});
            next(m);
        });
    }
    std::vector<TSeen> seen;
};

TEST_F(BatchPageTest, TheFolderIsCheckedBeforeTheList)
{
    for (std::string folderText : {std::string(), Scratch("nowhere"), WriteBmp("a.bmp", PatternPicture(4, 4))}) {
        SCOPED_TRACE(folderText);
        c->bsSkinEdit1->SetText(folderText);
        c->bsSkinStatusPanel3->SetCaption("加载文件");
        ClickOn(c->bsSkinButton4);
        EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), "不是有效的路径！请重新选择！");
        EXPECT_TRUE(messages.empty());
    }
    c->bsSkinEdit1->SetText(Scratch("out"));
    ClickOn(c->bsSkinButton4);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "请导入图片！");
    EXPECT_EQ(messages[0].type, TMsgDlgType::mtInformation);
}

TEST_F(BatchPageTest, ImportListsEveryFileWithItsIconAndEnablesRemove)
{
    std::string a = WriteBmp("a.bmp", PatternPicture(8, 6));
    std::string b = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "b.jpg");
    std::string d = WriteBmp("D.BMP", PatternPicture(3, 3));
    Import({a, b, d, a});
    EXPECT_EQ(Captions(), (std::vector<std::string>{a, b, d, a}));
    std::vector<int> icons;
    for (int i = 0; i < 4; ++i) icons.push_back(c->bsSkinListView1->Items()[i]->ImageIndex());
    EXPECT_EQ(icons, (std::vector<int>{0, 1, 0, 0}));
    EXPECT_TRUE(c->bsSkinButton6->Enabled());
    EXPECT_TRUE(c->bsSkinOpenPictureDialog1->MultiSelection()) << "until the open command sets it back";
    CancelDialog();
    ClickOn(c->bsSkinButton5);
    EXPECT_EQ(c->bsSkinListView1->Items().Count(), 4);
}

TEST_F(BatchPageTest, ARunConvertsEachFileWithTheGaugeShowingTheFileInWork)
{
    std::string a = WriteBmp("a.bmp", PatternPicture(8, 6));
    std::string b = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "b.jpg");
    Import({a, b});
    c->bsSkinEdit1->SetText(Scratch("out"));
    c->bsSkinTrackBar2->SetValue(40);
    WatchGauge();
    ClickOn(c->bsSkinButton4);
    EXPECT_TRUE(messages.empty());
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen[0].value, 1);
    EXPECT_EQ(seen[0].max, 2);
    EXPECT_EQ(seen[0].status, a);
    EXPECT_FALSE(seen[0].startEnabled) << "no second run while this one pumps messages";
    EXPECT_EQ(seen[1].value, 2);
    EXPECT_EQ(seen[1].status, b);
    EXPECT_EQ(c->bsSkinGauge1->ProgressString(), "100%");
    EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), "压缩完成！");
    EXPECT_TRUE(c->bsSkinButton4->Enabled());
    EXPECT_EQ(ReadFileBytes(Scratch("out/Yarro_a.jpg")), JpegEncode(PatternPicture(8, 6), 40));
    EXPECT_EQ(ReadFileBytes(Scratch("out/Yarro_b.jpg")), JpegEncode(JpegDecode(b), 40));
    EXPECT_EQ(Captions().size(), 2u) << "the list stays";
}

TEST_F(BatchPageTest, ARunStopsAtAFileThatCannotBeConverted)
{
    // A file that is no picture, and a bitmap without pixels: each ends the run with its reason.
    struct TCase {
        const char* name;
        std::string reason;
    };
    WriteFileAtomically(Scratch("bad.jpg"), std::vector<uint8_t>(50, 1));
    WriteBmp("flat.bmp", TBitmap(6, 0));
    for (const TCase& bad : {TCase{"bad.jpg", "bad.jpg"}, TCase{"flat.bmp", "Yarro_flat.jpg: the picture is empty"}}) {
        SCOPED_TRACE(bad.name);
        messages.clear();
        c->bsSkinListView1->Items().Clear();
        std::filesystem::remove_all(Scratch("out"));
        std::filesystem::create_directories(Scratch("out"));
        Import({WriteBmp("a.bmp", PatternPicture(8, 6)), Scratch(bad.name), WriteBmp("c.bmp", PatternPicture(2, 2))});
        c->bsSkinEdit1->SetText(Scratch("out"));
        ClickOn(c->bsSkinButton4);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].text.find(bad.reason), std::string::npos) << messages[0].text;
        EXPECT_TRUE(FileExists(Scratch("out/Yarro_a.jpg")));
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(Scratch("out")), {}), 1) << "nothing for the bad file";
        EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), Scratch(bad.name));
        EXPECT_EQ(c->bsSkinGauge1->Value(), 2);
        EXPECT_TRUE(c->bsSkinButton4->Enabled());
    }
}

TEST_F(BatchPageTest, RemoveTakesOnlyTheFocusedItemAfterThePointerWasOverTheList)
{
    std::vector<std::string> files;
    for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) files.push_back(WriteBmp(name, PatternPicture(2, 2)));
    Import(files);
    // The pointer has not been over the list: nothing is removed.
    c->bsSkinListView1->SetItemFocused(c->bsSkinListView1->Items()[1]);
    ClickOn(c->bsSkinButton6);
    EXPECT_EQ(Captions().size(), 3u);

    ClickListItem(0);
    ClickListItem(2, {VK_SHIFT}); // all three selected, the third focused
    EXPECT_EQ(c->bsSkinListView1->SelCount(), 3);
    EXPECT_GT(c->ListMouseX, 0);
    ClickOn(c->bsSkinButton6);
    EXPECT_EQ(Captions(), (std::vector<std::string>{files[0], files[1]}));
    // With no focused item nothing goes.
    c->bsSkinListView1->SetItemFocused(nullptr);
    ClickOn(c->bsSkinButton6);
    EXPECT_EQ(Captions().size(), 2u);
    for (int i = 0; i < 2; ++i) {
        ClickListItem(0);
        ClickOn(c->bsSkinButton6);
    }
    EXPECT_TRUE(Captions().empty());
    EXPECT_FALSE(c->bsSkinButton6->Enabled());
}

TEST_F(BatchPageTest, ADoubleClickShowsTheFileAsOpened)
{
    std::string first = WriteBmp("first.bmp", PatternPicture(30, 20));
    c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet1);
    Open(first);
    c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet3);
    ProcessMessages();
    std::string second = WriteBmp("second.bmp", PatternPicture(12, 8));
    std::string unread = Scratch("notes.txt");
    WriteFileAtomically(unread, std::vector<uint8_t>{'h', 'i'});
    Import({second, unread});
    auto doubleClick = [&](int index) {
        TRect r = c->bsSkinListView1->ItemRect(index, TDisplayCode::drLabel);
        TPoint p = c->bsSkinListView1->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
        screen->MouseMove(p.x, p.y);
        screen->DoubleClick(p.x, p.y);
    };
    doubleClick(0);
    EXPECT_EQ(c->bsSkinPageControl2->ActivePage(), c->bsSkinTabSheet1);
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(12, 8));
    EXPECT_EQ(c->Image1->Width(), 12) << "at its own size";
    EXPECT_EQ(c->Image1->Height(), 8);
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + second);
    EXPECT_EQ(c->bsSkinStatusPanel2->Caption(), PictureStatusText(8, 12, FileSizeOf(second)));
    EXPECT_EQ(c->bsSkinNumericEdit1->Text(), "12");
    EXPECT_EQ(c->bsSkinNumericEdit2->Text(), "8");
    // A listed file that gives no picture is said so, and the picture stays.
    c->bsSkinPageControl2->SetActivePage(c->bsSkinTabSheet3);
    ProcessMessages();
    doubleClick(1);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, "没有读取图片，程序错误");
    EXPECT_EQ(*c->Image1->Picture().Graphic(), PatternPicture(12, 8));
    EXPECT_EQ(c->bsSkinStatusPanel1->Caption(), "文件位置:" + second);
}

TEST_F(BatchPageTest, TheFolderDialogFillsTheFolderField)
{
    TypeInDialog(Scratch("out"));
    screen->WhenIdle([this] { screen->PressKey(VK_RETURN); }); // the folder is shown: confirm it
    ClickOn(c->bsSkinButton2);
    EXPECT_EQ(c->bsSkinEdit1->Text(), Scratch("out"));
    CancelDialog();
    ClickOn(c->bsSkinButton2);
    EXPECT_EQ(c->bsSkinEdit1->Text(), Scratch("out"));
}

} // namespace
} // namespace tavrik::testing
