#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/PictureFiles.h"
#include "skincontrols/SkinButton.h"
#include "skincontrols/SkinEdit.h"
#include "skincontrols/SkinScrollBox.h"
#include "skincontrols/SkinSpeedButton.h"
#include "skincontrols/SkinStdLabel.h"
#include "skindialogs/OpenPictureDlgForm.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFilterComboBox.h"
#include "skindialogs/SkinOpenPictureDialog.h"
#include "skindialogs/SkinShellComboBox.h"
#include "ui/Image.h"
#include "ui/MenuItem.h"
#include "ui/Screen.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "support/UiTest.h"
#include "PatientShellAccess.h"

#include <filesystem>

namespace tavrik::testing {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

TBitmap Gradient(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGB(uint8_t(x * 4), uint8_t(y * 4), 90));
    return picture;
}

class OpenPictureDialogTest : public UiTest {
protected:
    OpenPictureDialogTest() : UiTest(1024, 768)
    {
        tree.MakeFolder("home/pics/sub");
        WriteBmpFile(Gradient(40, 30), Path("a.bmp"));
        WriteJpegFile(Gradient(64, 48), 90, Path("b.jpg"));
        tree.WriteText("home/pics/broken.jpg", "not a picture");
        tree.WriteText("home/pics/c.txt", "x");
        WriteBmpFile(Gradient(8, 8), Path("sub/d.bmp"));
        NewForm(0, 0, 200, 100); // the program's main window
    }

    std::string Path(const std::string& name = "") const
    {
        return tree.Path("home/pics") + (name.empty() ? "" : "/" + name);
    }
    template <class TDialog>
    std::unique_ptr<TDialog> Dialog(const std::string& filter = "Pictures|*.bmp;*.jpg|Bitmaps (*.bmp)|*.bmp|")
    {
        auto dialog = std::make_unique<TDialog>(nullptr);
        dialog->SetShellAccess(access);
        dialog->SetInitialDir(Path());
        dialog->SetFilter(filter);
        return dialog;
    }
    static TbsOpenPictureDlgForm* Shown() { return dynamic_cast<TbsOpenPictureDlgForm*>(Screen()->ActiveForm()); }
    static Names Listed(TbsOpenPictureDlgForm* form)
    {
        Names names;
        for (int i = 0; i < form->FileList->RowCount(); ++i) names.push_back(form->FileList->Row(i)->DisplayName());
        return names;
    }
    // Input inside the dialog's modal loop waits for the step to return unless handled here.
    void Press(UINT vk)
    {
        screen->PressKey(vk);
        ProcessMessages();
    }
    void Type(const std::string& text)
    {
        screen->TypeText(text);
        ProcessMessages();
    }
    void ClickAt(const TControl* control)
    {
        ClickOn(control);
        ProcessMessages();
    }
    // Types into the name field, replacing what it holds, and presses Enter.
    void Enter(TbsOpenPictureDlgForm* form, const std::string& text)
    {
        form->FileNameEdit->SetFocus();
        form->FileNameEdit->SelectAll();
        Type(text);
        Press(VK_RETURN);
    }
    void ClickRow(TbsOpenPictureDlgForm* form, const std::string& name, bool doubleClick = false)
    {
        TbsSkinFileListView* list = form->FileList;
        TRect r = list->ItemRect(list->IndexOfName(name), TDisplayCode::drLabel);
        TPoint p = list->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
        screen->Click(p.x, p.y);
        if (doubleClick) screen->DoubleClick(p.x, p.y);
        ProcessMessages();
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        test::PatientShellAccess(tree);
};

TEST(PictureFilterTest, SplitsDescriptionsAndMasksAndFallsBackToTheLastEntry)
{
    using Entries = std::vector<TPictureFilterEntry>;
    struct TCase {
        const char* filter;
        Entries entries;
    } cases[] = {
        {"*.jpg|*.JPG|*.bmp|*.BMP|", {{"*.jpg", "*.JPG"}, {"*.bmp", "*.BMP"}}},
        {"All|*.bmp;*.jpg|Bitmaps|*.bmp", {{"All", "*.bmp;*.jpg"}, {"Bitmaps", "*.bmp"}}},
        {"Lonely", {{"Lonely", ""}}},
        {"", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.filter);
        EXPECT_EQ(SplitPictureFilter(c.filter), c.entries);
    }
}

// Input given inside a modal loop is handled when the step returns, so each step checks what
// the one before it did.
TEST_F(OpenPictureDialogTest, OpensByTheKeyboardAloneAfterBrowsingFiltersAndFolders)
{
    auto dialog = Dialog<TbsSkinOpenPictureDialog>();
    TbsOpenPictureDlgForm* form = nullptr;
    std::vector<Names> seen;
    screen->WhenIdle([&] {
        form = Shown();
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->Caption(), "Open picture");
        EXPECT_EQ(form->ClientWidth(), 550);
        EXPECT_EQ(form->ClientHeight(), 290);
        EXPECT_EQ(form->ActiveControl(), form->FileNameEdit);
        EXPECT_EQ(form->OkButton->Caption(), "&Open");
        EXPECT_EQ(form->LookInBox->Path(), Path());
        seen.push_back(Listed(form));
        // Tab to the filter box; Down picks the bitmaps.
        Press(VK_TAB);
        Press(VK_DOWN);
    });
    screen->WhenIdle([&] {
        seen.push_back(Listed(form));
        Enter(form, "*.txt"); // a wildcard filters
    });
    screen->WhenIdle([&] {
        seen.push_back(Listed(form));
        Enter(form, "sub/"); // a folder with a trailing slash opens
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(form->FileList->FolderPath(), Path("sub"));
        EXPECT_EQ(form->LookInBox->Path(), Path("sub"));
        EXPECT_EQ(form->FileNameEdit->Text(), "");
        Enter(form, Path()); // an absolute folder too
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(form->FileList->FolderPath(), Path());
        screen->KeyDown(VK_SHIFT);
        Press(VK_TAB); // back to the list
        screen->KeyUp(VK_SHIFT);
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(form->ActiveControl(), form->FileList);
        Type("c"); // the typed mask still holds
        Press(VK_RETURN);
    });
    EXPECT_TRUE(dialog->Execute());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (Names{"sub", "a.bmp", "b.jpg", "broken.jpg"}));
    EXPECT_EQ(seen[1], (Names{"sub", "a.bmp"}));
    EXPECT_EQ(seen[2], (Names{"sub", "c.txt"}));
    EXPECT_EQ(dialog->FileName(), Path("c.txt"));
    EXPECT_EQ(dialog->Files(), Names{Path("c.txt")});
    EXPECT_EQ(dialog->FilterIndex(), 2);
    EXPECT_TRUE(messages.empty());
}

TEST_F(OpenPictureDialogTest, OpenTakesOnlyExistingFilesAndSeveralInListOrder)
{
    auto dialog = Dialog<TbsSkinOpenPictureDialog>();
    dialog->SetMultiSelection(true);
    TbsOpenPictureDlgForm* form = nullptr;
    screen->WhenIdle([&] {
        form = Shown();
        Enter(form, "missing.jpg");
    });
    screen->WhenIdle([&] {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].text, "\"" + Path("missing.jpg") + "\"\nFile not found.");
        // Deleted between listing and choosing: refused, and the list no longer shows it.
        ClickRow(form, "broken.jpg");
        fs::remove(Path("broken.jpg"));
        ClickAt(form->OkButton);
    });
    screen->WhenIdle([&] {
        ASSERT_EQ(messages.size(), 2u);
        EXPECT_EQ(form->FileList->IndexOfName("broken.jpg"), -1);
        // b, then a with Ctrl: the list's order counts, and the field shows both.
        ClickRow(form, "b.jpg");
        screen->KeyDown(VK_CONTROL);
        ClickRow(form, "a.bmp");
        screen->KeyUp(VK_CONTROL);
        EXPECT_EQ(form->FileNameEdit->Text(), "\"a.bmp\" \"b.jpg\"");
        // Alt+Enter shows the focused file's properties; the dialog stays open.
        screen->KeyDown(VK_MENU);
        Press(VK_RETURN);
        screen->KeyUp(VK_MENU);
        ASSERT_EQ(messages.size(), 3u);
        EXPECT_EQ(messages[2].text.substr(0, 26), "Name: a.bmp\nKind: BMP file");
        ClickAt(form->OkButton);
    });
    ASSERT_TRUE(dialog->Execute());
    EXPECT_EQ(dialog->Files(), (Names{Path("a.bmp"), Path("b.jpg")}));
    EXPECT_EQ(dialog->FileName(), Path("a.bmp"));

    // The next use starts in the folder of that file with its name selected; a cancel keeps
    // the last choice but not the filter entry.
    screen->WhenIdle([&] {
        form = Shown();
        EXPECT_EQ(form->FileNameEdit->Text(), "a.bmp");
        EXPECT_EQ(form->FileList->SelectedPath(), Path("a.bmp"));
        form->FilterBox->SetItemIndex(1);
        Press(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(dialog->FileName(), Path("a.bmp"));
    EXPECT_EQ(dialog->FilterIndex(), 2);
}

TEST_F(OpenPictureDialogTest, APictureSavedByAnotherProgramMeanwhileShowsUp)
{
    auto dialog = Dialog<TbsSkinOpenPictureDialog>();
    TbsOpenPictureDlgForm* form = nullptr;
    screen->WhenIdle([&] {
        form = Shown();
        WriteBmpFile(Gradient(8, 8), Path("new.bmp"));
        {
            TWorkerWait waiting; // no other step is queued: this loop waits for the news
            RunMessageLoopUntil([&] { return form->FileList->RefreshPending(); });
        }
        screen->Advance(TShellWatch::kSettleMs);
        screen->WhenIdle([&] {
            EXPECT_GE(form->FileList->IndexOfName("new.bmp"), 0);
            Press(VK_ESCAPE);
        });
    });
    EXPECT_FALSE(dialog->Execute());
}

TEST_F(OpenPictureDialogTest, SaveTakesATypedNameInAnExistingFolder)
{
    struct TCase {
        const char* typed;
        const char* chosen;    // "" when the dialog stays
        const char* complaint; // "" for none
    } cases[] = {
        {"out", "/out", ""},             // no extension is added
        {"sub/new.jpg", "/sub/new.jpg", ""},
        {"nosuch/x.jpg", "", "The folder \"@/nosuch\" does not exist."},
        {"nosuch/", "", "The folder \"nosuch\" does not exist."},
        {"*.jpg", "", ""},               // filters instead
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.typed);
        messages.clear();
        auto dialog = Dialog<TbsSkinSavePictureDialog>();
        bool stayed = false;
        screen->WhenIdle([&] {
            TbsOpenPictureDlgForm* form = Shown();
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->Caption(), "Save file");
            EXPECT_EQ(form->OkButton->Caption(), "&Save");
            Enter(form, c.typed);
            stayed = Shown() != nullptr && Shown()->ModalResult() == mrNone;
            if (stayed) Press(VK_ESCAPE);
        });
        const bool confirmed = dialog->Execute();
        EXPECT_EQ(confirmed, *c.chosen != 0);
        EXPECT_EQ(stayed, !confirmed);
        if (confirmed) {
            EXPECT_EQ(dialog->FileName(), Path() + c.chosen);
        }
        std::string complaint = c.complaint;
        if (auto at = complaint.find('@'); at != std::string::npos) complaint.replace(at, 1, Path());
        EXPECT_EQ(messages.empty() ? "" : messages[0].text, complaint);
    }
}

TEST_F(OpenPictureDialogTest, PreviewsPicturesShowsNoPreviewForDamagedOnesAndStretches)
{
    WriteBmpFile(Gradient(800, 600), Path("wide.bmp"));
    auto dialog = Dialog<TbsSkinOpenPictureDialog>();
    struct TCase {
        const char* name;
        int width, height; // 0 x 0: "no preview"
    } cases[] = {{"a.bmp", 40, 30}, {"broken.jpg", 0, 0}, {"b.jpg", 64, 48}};
    screen->WhenIdle([&] {
        TbsOpenPictureDlgForm* form = Shown();
        for (const TCase& c : cases) {
            SCOPED_TRACE(c.name);
            ClickRow(form, c.name);
            EXPECT_EQ(form->FileNameEdit->Text(), c.name);
            EXPECT_EQ(form->PreviewImage->Width(), c.width);
            EXPECT_EQ(form->PreviewImage->Height(), c.height);
            EXPECT_EQ(form->NoPreviewLabel->Visible(), c.width == 0);
        }
        EXPECT_TRUE(messages.empty()) << "a damaged file is no reason for a message";
        // The JPEG's own colours reach the screen at its top-left.
        TColor corner = Pixel(At(form->PreviewImage, 1, 1));
        EXPECT_NEAR(GetGValue(corner), 4, 6);
        ClickAt(form->StretchButton);
        EXPECT_TRUE(form->StretchDown());
        EXPECT_EQ(form->PreviewImage->Width(), form->PreviewBox->ClientWidth());
        EXPECT_EQ(form->PreviewImage->Height(), form->PreviewBox->ClientHeight());
        // A folder clears the name and the preview.
        ClickRow(form, "sub");
        EXPECT_EQ(form->FileNameEdit->Text(), "");
        EXPECT_TRUE(form->PreviewImage->Picture().Bitmap().Empty());
        // Unstretched, a picture wider than the pane scrolls; the dialog then closes with it.
        ClickAt(form->StretchButton);
        ClickRow(form, "wide.bmp");
        EXPECT_GT(form->PreviewImage->Width(), form->PreviewBox->ClientWidth());
        Press(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
}

TEST_F(OpenPictureDialogTest, KeepsSizeViewPreviewAndStretchBetweenUsesAndGoesBackThroughHistory)
{
    auto dialog = Dialog<TbsSkinOpenPictureDialog>();
    Names history;
    screen->WhenIdle([&] {
        TbsOpenPictureDlgForm* form = Shown();
        EXPECT_EQ(form->ViewStyle(), TViewStyle::vsList);
        EXPECT_EQ(form->PreviewWidth(), 190);
        ClickRow(form, "sub", true);
        ClickAt(form->UpButton);
        form->LookInBox->SetItemIndex(0); // the desktop, through the "Look in" box
        ClickAt(form->BackButton);
        for (const TbsShellFolder::TPtr& f : form->History()) history.push_back(f->Path());
        EXPECT_EQ(form->FileList->FolderPath(), Path());
        // New folder, twice: the second is numbered, and its name is open for editing.
        ClickAt(form->NewFolderButton);
        EXPECT_TRUE(form->FileList->IsEditing());
        Press(VK_ESCAPE);
        ClickAt(form->NewFolderButton);
        Press(VK_ESCAPE);
        EXPECT_TRUE(fs::is_directory(Path("New Folder")));
        EXPECT_TRUE(fs::is_directory(Path("New Folder (2)")));
        form->ViewMenu->Items()->Items(3)->Click(); // "Details"
        EXPECT_EQ(form->ViewStyle(), TViewStyle::vsReport);
        EXPECT_TRUE(form->ViewMenu->Items()->Items(3)->Checked());
        EXPECT_FALSE(form->ViewMenu->Items()->Items(2)->Checked());
        form->SetPreviewWidth(240);
        form->SetClientSize(640, 400);
        ClickAt(form->StretchButton);
        Press(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
    EXPECT_EQ(history, (Names{Path(), Path("sub"), Path()}));

    screen->WhenIdle([&] {
        TbsOpenPictureDlgForm* form = Shown();
        EXPECT_EQ(form->ViewStyle(), TViewStyle::vsReport);
        EXPECT_TRUE(form->ViewMenu->Items()->Items(3)->Checked());
        EXPECT_EQ(form->PreviewWidth(), 240);
        EXPECT_EQ(form->ClientWidth(), 640);
        EXPECT_EQ(form->ClientHeight(), 400);
        EXPECT_TRUE(form->StretchDown());
        Press(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog->Execute());
}

} // namespace
} // namespace tavrik::testing
