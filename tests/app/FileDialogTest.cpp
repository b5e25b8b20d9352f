#include "app/FileDialogForm.h"
#include "app/PlainFileDialogs.h"
#include "core/FileIO.h"
#include "support/TempFolder.h"
#include "support/UiTest.h"
#include "ui/MenuTracker.h"
#include "ui/Screen.h"

#include <filesystem>

namespace tavrik::testing {
namespace {

class FileDialogTest : public UiTest {
protected:
    FileDialogTest() : UiTest(1024, 768)
    {
        std::filesystem::create_directories(folder + "/sub");
        for (const char* name : {"a.jpg", "b.BMP", "c.txt", "sub/d.jpeg"})
            WriteFileAtomically(folder + "/" + name, std::vector<uint8_t>{1});
        NewForm(0, 0, 200, 100); // the program's main window
    }

    // The captions the dialog lists now.
    static std::vector<std::string> Listed(TFileDialogForm* form)
    {
        std::vector<std::string> names;
        for (int i = 0; i < form->FileList->Items().Count(); ++i) names.push_back(form->FileList->Items()[i]->Caption());
        return names;
    }
    static TFileDialogForm* ShownDialog()
    {
        return dynamic_cast<TFileDialogForm*>(Screen()->ActiveForm());
    }

    void TypeAndEnter(const std::string& text)
    {
        screen->WhenIdle([this, text] {
            screen->TypeText(text);
            screen->PressKey(VK_RETURN);
        });
    }

    test::TTempFolder scratch{"tavrik-dialog"};
    std::string folder = scratch.Path();
};

// Input given inside a modal loop is handled when the step returns, so each step checks what
// the one before it did.
TEST_F(FileDialogTest, ListsFoldersFirstAndTheFilesOfTheChosenFilter)
{
    TPlainOpenPictureDialog dialog(nullptr);
    dialog.SetInitialDir(folder);
    dialog.SetFilter("All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|Bitmaps (*.bmp)|*.bmp|");
    std::vector<std::vector<std::string>> seen;
    TFileDialogForm* form = nullptr;
    screen->WhenIdle([&] {
        form = ShownDialog();
        ASSERT_NE(form, nullptr);
        seen.push_back(Listed(form));
        EXPECT_EQ(form->TypeButton->Caption(), "All (*.jpg;*.jpeg;*.bmp;)");
        ASSERT_EQ(form->TypeMenu->Items()->Count(), 2);
        form->TypeMenu->Items()->Items(1)->Click(); // the filter menu's second entry
        EXPECT_EQ(form->TypeButton->Caption(), "Bitmaps (*.bmp)");
        seen.push_back(Listed(form));
        // Into the folder by double-click.
        TRect r = form->FileList->ItemRect(0, TDisplayCode::drLabel);
        TPoint p = form->FileList->ClientToScreen({r.Left + 3, (r.Top + r.Bottom) / 2});
        screen->MouseMove(p.x, p.y);
        screen->DoubleClick(p.x, p.y);
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(form->FolderPath(), folder + "/sub");
        seen.push_back(Listed(form));
        ClickOn(form->UpButton);
    });
    screen->WhenIdle([&] {
        EXPECT_EQ(form->FolderPath(), folder);
        ClickOn(form->NameEdit);
        screen->TypeText("b.BMP");
        screen->PressKey(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    ASSERT_EQ(seen.size(), 3u);
    EXPECT_EQ(seen[0], (std::vector<std::string>{"sub", "a.jpg", "b.BMP"}));
    EXPECT_EQ(seen[1], (std::vector<std::string>{"sub", "b.BMP"}));
    EXPECT_TRUE(seen[2].empty()) << "d.jpeg is not a bitmap";
    EXPECT_EQ(dialog.FileName(), folder + "/b.BMP");
    EXPECT_EQ(dialog.Files(), std::vector<std::string>{folder + "/b.BMP"});
    EXPECT_EQ(dialog.FilterIndex(), 2);
}

// Without a mouse: Tab to the filter chooser, Space or Enter opens its menu, the arrow keys
// and Enter pick a filter; back in the name field, Enter opens the typed file.
TEST_F(FileDialogTest, TheFilterIsChosenWithTheKeyboard)
{
    for (UINT opener : {UINT(VK_SPACE), UINT(VK_RETURN)}) {
        SCOPED_TRACE(opener == VK_SPACE ? "Space" : "Enter");
        TPlainOpenPictureDialog dialog(nullptr);
        dialog.SetInitialDir(folder);
        dialog.SetFilter("All (*.jpg;*.jpeg;*.bmp)|*.jpg;*.jpeg;*.bmp|Bitmaps (*.bmp)|*.bmp|Text (*.txt)|*.txt");
        TFileDialogForm* form = nullptr;
        bool menuOpened = false;
        bool menuClosed = false;
        std::string caption;
        std::vector<std::string> listed;
        screen->WhenIdle([&] {
            form = ShownDialog();
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(Listed(form), (std::vector<std::string>{"sub", "a.jpg", "b.BMP"}));
            screen->PressKey(VK_TAB); // from the name field
            screen->PressKey(opener);
        });
        screen->WhenIdle([&] { // in the menu's own loop
            menuOpened = TMenuTracker::Current() != nullptr;
            screen->PressKey(VK_DOWN);
            screen->PressKey(VK_DOWN);
            screen->PressKey(VK_RETURN);
        });
        screen->WhenIdle([&] {
            menuClosed = TMenuTracker::Current() == nullptr;
            caption = form->TypeButton->Caption();
            listed = Listed(form);
            screen->KeyDown(VK_SHIFT);
            screen->PressKey(VK_TAB);
            screen->KeyUp(VK_SHIFT);
            screen->TypeText("b.BMP");
            screen->PressKey(VK_RETURN);
        });
        ASSERT_TRUE(dialog.Execute());
        EXPECT_TRUE(menuOpened);
        EXPECT_TRUE(menuClosed);
        EXPECT_EQ(caption, "Bitmaps (*.bmp)");
        EXPECT_EQ(listed, (std::vector<std::string>{"sub", "b.BMP"}));
        EXPECT_EQ(dialog.FilterIndex(), 2);
        EXPECT_EQ(dialog.FileName(), folder + "/b.BMP");
        EXPECT_TRUE(messages.empty());
    }
}

TEST_F(FileDialogTest, OpenRefusesMissingFilesAndTakesSeveralWhenAsked)
{
    TPlainOpenPictureDialog dialog(nullptr);
    dialog.SetInitialDir(folder);
    dialog.SetMultiSelection(true);
    TypeAndEnter("nothing.jpg");
    screen->WhenIdle([&] {
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_NE(messages[0].text.find("File not found"), std::string::npos);
        TFileDialogForm* form = ShownDialog();
        ASSERT_NE(form, nullptr) << "the dialog stays";
        form->NameEdit->SelectAll();
        screen->TypeText("\"a.jpg\" \"" + folder + "/sub/d.jpeg\"");
        screen->PressKey(VK_RETURN);
    });
    ASSERT_TRUE(dialog.Execute());
    EXPECT_EQ(dialog.Files(), (std::vector<std::string>{folder + "/a.jpg", folder + "/sub/d.jpeg"}));
    EXPECT_EQ(dialog.FileName(), folder + "/a.jpg");
    // The next time it starts in the folder of the last file.
    screen->WhenIdle([&] {
        EXPECT_EQ(ShownDialog()->FolderPath(), folder);
        screen->PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(dialog.Execute());
    EXPECT_EQ(dialog.FileName(), folder + "/a.jpg") << "a cancel keeps the last choice";
}

TEST_F(FileDialogTest, SaveTakesANewNameAndTheFolderDialogAFolder)
{
    TPlainSavePictureDialog save(nullptr);
    save.SetInitialDir(folder);
    TypeAndEnter("new picture");
    ASSERT_TRUE(save.Execute());
    EXPECT_EQ(save.FileName(), folder + "/new picture");

    TPlainSelectDirectoryDialog select(nullptr);
    select.SetDirectory(folder);
    screen->WhenIdle([&] {
        TFileDialogForm* form = ShownDialog();
        EXPECT_EQ(Listed(form), std::vector<std::string>{"sub"}) << "folders only";
        for (TControl* button : {static_cast<TControl*>(form->OkButton), static_cast<TControl*>(form->CancelButton)}) {
            EXPECT_TRUE(button->Visible());
            EXPECT_LE(button->Top() + button->Height(), form->ClientHeight()) << button->Caption();
        }
        ClickOn(form->OkButton);
    });
    ASSERT_TRUE(select.Execute());
    EXPECT_EQ(select.Directory(), folder);
}

TEST_F(FileDialogTest, ReopeningShowsTheLastFileSelectedAndTypingReplacesIt)
{
    TPlainOpenPictureDialog open(nullptr);
    open.SetInitialDir(folder);
    TypeAndEnter("a.jpg");
    ASSERT_TRUE(open.Execute());

    screen->WhenIdle([&] {
        TFileDialogForm* form = ShownDialog();
        EXPECT_EQ(form->NameEdit->Text(), "a.jpg");
        ASSERT_NE(form->FileList->Selected(), nullptr);
        EXPECT_EQ(form->FileList->Selected()->Caption(), "a.jpg");
        screen->TypeText("sub/d.jpeg");
        screen->PressKey(VK_RETURN);
    });
    ASSERT_TRUE(open.Execute());
    EXPECT_EQ(open.FileName(), folder + "/sub/d.jpeg");

    // A name without a folder is shown as it is, in the initial folder.
    TPlainSavePictureDialog save(nullptr);
    save.SetInitialDir(folder);
    save.SetFileName("plain.jpg");
    screen->WhenIdle([&] {
        TFileDialogForm* form = ShownDialog();
        EXPECT_EQ(form->FolderPath(), folder);
        EXPECT_EQ(form->NameEdit->Text(), "plain.jpg");
        screen->PressKey(VK_ESCAPE);
    });
    EXPECT_FALSE(save.Execute());
}

} // namespace
} // namespace tavrik::testing
