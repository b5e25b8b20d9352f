#include "WorkbenchTest.h"

#include "core/FileIO.h"
#include "imaging/BatchConversion.h"
#include "imaging/HeldFile.h"
#include "imaging/JpegCodec.h"
#include "skindialogs/OpenPictureDlgForm.h"
#include "skindialogs/SelDirDlgForm.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <map>

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

    // Lists files as the import command lists them; the file dialog would not take the
    // named pipes of held files.
    void List(const std::vector<std::string>& paths)
    {
        for (const std::string& p : paths) c->bsSkinListView1->Items().Add()->SetCaption(p);
    }

    // The names in the output folder, sorted.
    std::vector<std::string> Outputs() const
    {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(Scratch("out")))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    // The gauge, the status panel and the outputs each time the gauge is painted during a
    // run; atGauge[v] runs once, at the first paint of the value v.
    struct TSeen {
        int value, max;
        std::string status;
        bool startEnabled;
        std::vector<std::string> outputs;
    };
    void WatchGauge()
    {
        c->bsSkinGauge1->AddWindowHook([this](TMessage& m, const TWndNext& next) {
            if (m.Msg == WM_PAINT) {
                const int value = c->bsSkinGauge1->Value();
                seen.push_back({value, c->bsSkinGauge1->MaxValue(), c->bsSkinStatusPanel3->Caption(),
                                c->bsSkinButton4->Enabled(), Outputs()});
                if (auto action = atGauge.extract(value)) action.mapped()();
            }
            next(m);
        });
    }
    std::vector<TSeen> seen;
    std::map<int, std::function<void()>> atGauge;
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

// Chosen with the mouse in the dialog rather than typed: the dialog lists the folders and the
// pictures of the program's filter, and the files come in list order, not in the order clicked.
TEST_F(BatchPageTest, ImportTakesTheFilesSelectedInTheDialogInListOrder)
{
    std::string a = WriteBmp("a.bmp", PatternPicture(8, 6));
    CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "b.jpg");
    std::string e = CopyTestData("jpeg/libjpeg-turbo/testorig.jpg", "E.JPEG");
    WriteFileAtomically(Scratch("notes.txt"), std::vector<uint8_t>{1});
    auto clickRow = [this](TbsOpenPictureDlgForm* form, const std::string& name) {
        TbsSkinFileListView* list = form->FileList;
        TRect r = list->ItemRect(list->IndexOfName(name), TDisplayCode::drLabel);
        TPoint p = list->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
        screen->Click(p.x, p.y);
        ProcessMessages();
    };
    std::vector<std::string> listed;
    screen->WhenIdle([&] {
        auto* form = dynamic_cast<TbsOpenPictureDlgForm*>(Screen()->ActiveForm());
        ASSERT_NE(form, nullptr);
        screen->TypeText(folder); // the name field has the keyboard; Enter on a folder opens it
        screen->PressKey(VK_RETURN);
        ProcessMessages();
        for (int i = 0; i < form->FileList->RowCount(); ++i) listed.push_back(form->FileList->Row(i)->DisplayName());
        clickRow(form, "E.JPEG");
        screen->KeyDown(VK_CONTROL);
        clickRow(form, "a.bmp");
        screen->KeyUp(VK_CONTROL);
        ClickOn(form->OkButton);
    });
    ClickOn(c->bsSkinButton5);
    EXPECT_EQ(listed, (std::vector<std::string>{"out", "a.bmp", "b.jpg", "E.JPEG"}));
    EXPECT_EQ(Captions(), (std::vector<std::string>{a, e}));

    // The next import starts at the first file chosen, selected; a cancel changes nothing.
    std::string selected;
    screen->WhenIdle([&] {
        auto* form = dynamic_cast<TbsOpenPictureDlgForm*>(Screen()->ActiveForm());
        ASSERT_NE(form, nullptr);
        selected = form->FileList->SelectedPath();
        screen->PressKey(VK_ESCAPE);
    });
    ClickOn(c->bsSkinButton5);
    EXPECT_EQ(selected, a);
    EXPECT_EQ(Captions(), (std::vector<std::string>{a, e}));
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
    // A file that is no picture, and a bitmap without pixels: each ends the run with its
    // reason. Two workers: while one holds first.jpg, the other fails on the bad file, converts
    // c.bmp into memory and takes held.jpg; nothing after the bad file may be written.
    c->SetBatchWorkers(2);
    struct TCase {
        const char* name;
        std::string reason;
    };
    WriteFileAtomically(Scratch("bad.jpg"), std::vector<uint8_t>(50, 1));
    WriteBmp("flat.bmp", TBitmap(6, 0));
    const std::string c2 = WriteBmp("c.bmp", PatternPicture(2, 2));
    const std::vector<uint8_t> jpeg = JpegEncode(PatternPicture(9, 7), 90);
    WatchGauge();
    for (const TCase& bad : {TCase{"bad.jpg", "bad.jpg"}, TCase{"flat.bmp", "Yarro_flat.jpg: the picture is empty"}}) {
        SCOPED_TRACE(bad.name);
        messages.clear();
        c->bsSkinListView1->Items().Clear();
        std::filesystem::remove_all(Scratch("out"));
        std::filesystem::create_directories(Scratch("out"));
        const std::string prefix = std::filesystem::path(bad.name).stem().string() + "-";
        test::THeldFile first(Scratch(prefix + "first.jpg")), held(Scratch(prefix + "held.jpg"));
        List({first.Path(), Scratch(bad.name), c2, held.Path()});
        c->bsSkinEdit1->SetText(Scratch("out"));
        atGauge[1] = [&] {
            held.Release(jpeg);
            first.Release(jpeg);
        };
        ClickOn(c->bsSkinButton4);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].text.find(bad.reason), std::string::npos) << messages[0].text;
        EXPECT_EQ(Outputs(), (std::vector<std::string>{"Yarro_" + prefix + "first.jpg"}));
        EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), Scratch(bad.name));
        EXPECT_EQ(c->bsSkinGauge1->Value(), 2);
        EXPECT_TRUE(c->bsSkinButton4->Enabled());
        EXPECT_FALSE(c->BatchRunning());
    }
}

// Closing the window in the middle of a run ends it: what was converted ahead is not written.
TEST_F(BatchPageTest, ClosingTheWindowDuringARunWritesNoLaterFile)
{
    c->SetBatchWorkers(2);
    test::THeldFile held(Scratch("held.jpg"));
    const std::string a = WriteBmp("a.bmp", PatternPicture(5, 4)), d = WriteBmp("d.bmp", PatternPicture(6, 3));
    List({a, held.Path(), d});
    c->bsSkinEdit1->SetText(Scratch("out"));
    WatchGauge();
    // The held file ends only once the close was handled, so its result comes after it.
    bool released = false;
    c->AddWindowHook([&](TMessage& m, const TWndNext& next) {
        next(m);
        if (m.Msg != WM_CLOSE || released) return;
        released = true;
        held.Release(JpegEncode(PatternPicture(4, 4), 90));
    });
    atGauge[2] = [&] { screen->WhenIdle([&] { screen->CloseFromDesktop(c->Handle()); }); };
    ClickOn(c->bsSkinButton4);
    EXPECT_TRUE(atGauge.empty());
    EXPECT_TRUE(messages.empty());
    // The close ends the program through its quit message: the file in work may still finish
    // before that arrives, as on one core; what was converted ahead never is written.
    const std::vector<std::string> outputs = Outputs();
    EXPECT_TRUE(outputs == (std::vector<std::string>{"Yarro_a.jpg"}) ||
                outputs == (std::vector<std::string>{"Yarro_a.jpg", "Yarro_held.jpg"}))
        << ::testing::PrintToString(outputs);
    EXPECT_FALSE(c->BatchRunning());
    EXPECT_NE(c->bsSkinStatusPanel3->Caption(), "压缩完成！");
}

// Files are converted ahead on several cores, yet the gauge, the status and the outputs follow
// the list, and the window keeps answering while a file is in work.
TEST_F(BatchPageTest, OutputsAppearInListOrderWhileTheWindowAnswers)
{
    c->SetBatchWorkers(2);
    const std::vector<uint8_t> jpeg = JpegEncode(PatternPicture(16, 10), 90);
    test::THeldFile first(Scratch("first.jpg")), third(Scratch("third.jpg"));
    std::string b = WriteBmp("b.bmp", PatternPicture(20, 12)), d = WriteBmp("d.bmp", PatternPicture(7, 5));
    List({first.Path(), b, third.Path(), d});
    c->bsSkinEdit1->SetText(Scratch("out"));
    WatchGauge();
    atGauge[1] = [&] {
        // One worker holds first.jpg; the other has converted b.bmp and begun third.jpg.
        third.WaitForReader();
        EXPECT_TRUE(Outputs().empty()) << "b.bmp waits for first.jpg";
        first.Release(jpeg);
    };
    atGauge[3] = [&] {
        screen->WhenIdle([&] {
            // The slider's thumb dragged to the right, as a user would.
            TbsSkinTrackBar* slider = c->bsSkinTrackBar2;
            const TRect thumb = slider->ThumbRect();
            const TPoint grip = At(slider, (thumb.Left + thumb.Right) / 2, (thumb.Top + thumb.Bottom) / 2);
            MoveTo(grip);
            screen->MouseDown();
            MoveTo({grip.x + 10, grip.y});
            screen->MouseUp();
            screen->WhenIdle([&] {
                EXPECT_GT(c->bsSkinTrackBar2->Value(), 75);
                EXPECT_EQ(c->Label6->Caption(), std::to_string(c->bsSkinTrackBar2->Value()) + "%")
                    << "the slider answers while third.jpg is in work";
                EXPECT_TRUE(c->BatchRunning());
                third.Release(jpeg);
            });
        });
    };
    const uint64_t start = screen->Now();
    ClickOn(c->bsSkinButton4);
    EXPECT_TRUE(messages.empty());
    EXPECT_TRUE(atGauge.empty()) << "every gauge value was shown";
    const std::vector<std::string> names = {"Yarro_b.jpg", "Yarro_d.jpg", "Yarro_first.jpg", "Yarro_third.jpg"};
    EXPECT_EQ(Outputs(), names);
    const std::vector<std::string> files = {first.Path(), b, third.Path(), d};
    for (const TSeen& s : seen) {
        SCOPED_TRACE(s.value);
        ASSERT_GE(s.value, 1);
        ASSERT_LE(s.value, 4);
        EXPECT_EQ(s.max, 4);
        EXPECT_EQ(s.status, files[size_t(s.value - 1)]);
        // Written so far: the files before the one in work, and perhaps that one.
        std::vector<std::string> written;
        for (int i = 0; i < s.value; ++i)
            written.push_back("Yarro_" + std::filesystem::path(files[size_t(i)]).stem().string() + ".jpg");
        std::vector<std::string> before(written.begin(), written.end() - 1);
        std::sort(written.begin(), written.end());
        std::sort(before.begin(), before.end());
        EXPECT_TRUE(s.outputs == before || s.outputs == written) << ::testing::PrintToString(s.outputs);
    }
    for (size_t i = 1; i < seen.size(); ++i) EXPECT_LE(seen[i - 1].value, seen[i].value);
    EXPECT_EQ(ReadFileBytes(Scratch("out/Yarro_first.jpg")), JpegEncode(JpegDecode(jpeg), 75));
    EXPECT_EQ(ReadFileBytes(Scratch("out/Yarro_d.jpg")), JpegEncode(PatternPicture(7, 5), 75));
    EXPECT_EQ(c->bsSkinStatusPanel3->Caption(), "压缩完成！");
    // Waiting for the workers took no virtual time: only the pause after each file did.
    EXPECT_EQ(screen->Now() - start, 4u);
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

// The folder dialog opens at the folder chosen last, and its tree is used with the keys alone.
TEST_F(BatchPageTest, TheFolderDialogFillsTheFolderField)
{
    std::filesystem::create_directories(Scratch("out/inner"));
    struct TUse {
        const char* what;
        std::vector<UINT> keys; // in the folder tree, which has the focus
        std::string field;      // the folder field afterwards
    } uses[] = {
        {"Enter confirms the start folder", {VK_RETURN}, Scratch("out")},
        {"Down: the open start folder's first folder", {VK_DOWN, VK_RETURN}, Scratch("out/inner")},
        {"Backspace: the parent", {VK_BACK, VK_RETURN}, Scratch("out")},
        {"Right: into the open folder", {VK_RIGHT, VK_RETURN}, Scratch("out/inner")},
        {"Esc keeps the field", {VK_BACK, VK_ESCAPE}, Scratch("out/inner")},
    };
    c->bsSkinSelectDirectoryDialog1->SetDirectory(Scratch("out"));
    for (const TUse& use : uses) {
        SCOPED_TRACE(use.what);
        screen->WhenIdle([&] {
            auto* dialog = dynamic_cast<TbsSelDirDlgForm*>(Screen()->ActiveForm());
            ASSERT_NE(dialog, nullptr);
            for (UINT key : use.keys) {
                screen->PressKey(key);
                ProcessMessages();
            }
            EXPECT_NE(dialog->ModalResult(), mrNone) << "the keys closed the dialog";
            if (dialog->ModalResult() == mrNone) dialog->SetModalResult(mrCancel);
        });
        ClickOn(c->bsSkinButton2);
        EXPECT_EQ(c->bsSkinEdit1->Text(), use.field);
    }
}

} // namespace
} // namespace tavrik::testing
