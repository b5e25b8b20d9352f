#include "core/FileIO.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFileListView.h"
#include "skindialogs/SkinShellComboBox.h"
#include "ui/MessageDlg.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "skincontrols/SkinScene.h"

#include <filesystem>

using namespace tavrik;
using namespace tavrik::testing;
namespace fs = std::filesystem;

namespace {

using Names = std::vector<std::string>;

class SkinFileListViewTest : public SkinScene {
protected:
    SkinFileListViewTest()
    {
        tree.MakeFolder("home/pics/sub");
        tree.MakeFolder("home/pics/album.zip");
        for (const char* name : {"a.JPG", "b.jpeg", "c.bmp", "d.png", "e.jp", "README", "f.zip", "\xff\xfe.jpg"})
            tree.WriteText(std::string("home/pics/") + name, "x");
        list = Add<TbsSkinFileListView>(form, Bounds(10, 10, 360, 240));
        list->SetShellAccess(access);
        list->OnFolderChange = [this](TComponent*) { changes.push_back(list->FolderPath()); };
        previousHandler = SetMessageBoxHandler([this](const std::string& text, TMsgDlgType, TMsgDlgButtons, int) {
            messages.push_back(text);
            return mrOk;
        });
    }
    ~SkinFileListViewTest() override { SetMessageBoxHandler(previousHandler); }

    Names Captions() const
    {
        Names names;
        for (int i = 0; i < list->RowCount(); ++i) names.push_back(list->Row(i)->DisplayName());
        return names;
    }
    TPoint RowPoint(int index) const
    {
        TRect r = list->ItemRect(index, TDisplayCode::drLabel);
        return list->ClientToScreen({r.Left + 4, (r.Top + r.Bottom) / 2});
    }
    void ShowPics()
    {
        list->SetPath(tree.Path("home/pics"));
        list->SetFocus();
        ProcessMessages();
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(tree.Environment()));
    TbsSkinFileListView* list = nullptr;
    Names changes;
    Names messages;
    TMessageBoxHandler previousHandler;
};

TEST_F(SkinFileListViewTest, ListsFoldersFirstThenTheFilesThatPassTheMask)
{
    const std::string broken = "\xEF\xBF\xBD\xEF\xBF\xBD.jpg"; // two replacement characters
    struct TCase {
        const char* mask;
        Names expected;
    } cases[] = {
        {"*.*|*.*", {"sub", "a.JPG", "album.zip", "b.jpeg", "c.bmp", "d.png", "e.jp", "f.zip", "README", broken}},
        // ".JP" occurs in the upper-cased mask, so e.jp passes too; README has no extension.
        {"*.jpg;*.jpeg;*.bmp;", {"sub", "a.JPG", "b.jpeg", "c.bmp", "e.jp", broken}},
        {"*.png", {"sub", "d.png"}},
        {"*.zip", {"sub", "album.zip", "f.zip"}}, // an archive folder is a file here
    };
    ShowPics();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.mask);
        list->SetMask(c.mask);
        EXPECT_EQ(Captions(), c.expected);
        EXPECT_EQ(list->Items().Count(), int(c.expected.size()));
    }
    // The name that is not UTF-8 still leads to its file.
    list->SetMask("*.jpg;*.jpeg;*.bmp;");
    list->SetItemSelected(list->IndexOfName(broken), true);
    EXPECT_EQ(list->SelectedPath(), tree.Path("home/pics/\xff\xfe.jpg"));
    EXPECT_TRUE(fs::exists(list->SelectedPath()));

    // Report view: the file system's columns, with the size of each file.
    list->SetViewStyle(TViewStyle::vsReport);
    ASSERT_EQ(list->Columns().Count(), 4);
    Names titles;
    for (int i = 0; i < 4; ++i) titles.push_back(list->Columns()[i]->Caption());
    EXPECT_EQ(titles, (Names{"Name", "Size", "Type", "Modified"}));
    EXPECT_EQ(list->Columns()[1]->Alignment(), TAlignment::taRightJustify);
    TListItem* a = list->Items().Item(1);
    ASSERT_NE(a, nullptr);
    ASSERT_GE(a->SubItems().size(), 2u);
    EXPECT_EQ(a->Caption(), "a.JPG");
    EXPECT_EQ(a->SubItems()[0], "1");
    EXPECT_EQ(a->SubItems()[1], ".JPG");
}

TEST_F(SkinFileListViewTest, NavigatesByMouseAndKeysAndTellsTheLookInBox)
{
    auto* combo = Add<TbsSkinShellComboBox>(form, Bounds(10, 260, 200, 22));
    combo->SetShellAccess(access);
    combo->SetShellListView(list);
    list->SetShellComboBox(combo);
    ShowPics();
    ASSERT_EQ(changes, Names{tree.Path("home/pics")});
    EXPECT_EQ(combo->Path(), tree.Path("home/pics"));

    // A double-click on a folder opens it; on an archive it does not.
    TPoint sub = RowPoint(0);
    screen->Click(sub.x, sub.y);
    screen->DoubleClick(sub.x, sub.y);
    EXPECT_EQ(list->FolderPath(), tree.Path("home/pics/sub"));
    EXPECT_EQ(combo->Path(), tree.Path("home/pics/sub"));
    screen->PressKey(VK_BACK);
    EXPECT_EQ(list->FolderPath(), tree.Path("home/pics"));
    int zip = list->IndexOfName("album.zip");
    TPoint archive = RowPoint(zip);
    screen->Click(archive.x, archive.y);
    screen->DoubleClick(archive.x, archive.y);
    EXPECT_EQ(list->FolderPath(), tree.Path("home/pics"));

    // Enter on the focused folder opens it; choosing in the "Look in" box sends the list.
    screen->PressKey(VK_HOME);
    screen->PressKey(VK_RETURN);
    EXPECT_EQ(list->FolderPath(), tree.Path("home/pics/sub"));
    combo->SetItemIndex(0); // the desktop
    EXPECT_EQ(list->Folder()->AbsoluteID(), TShellNamespace::Desktop());
    EXPECT_EQ(Captions(), (Names{"Home", "Desktop", "Computer"}));
    list->SetFocus();
    screen->PressKey(VK_BACK); // the top stays the top
    EXPECT_EQ(list->Folder()->AbsoluteID(), TShellNamespace::Desktop());
    EXPECT_EQ(changes, (Names{tree.Path("home/pics"), tree.Path("home/pics/sub"), tree.Path("home/pics"),
                              tree.Path("home/pics/sub"), "Desktop"}));
}

TEST_F(SkinFileListViewTest, TypingSearchesOnwardAndF5KeepsTheSelectionWhileTheFileExists)
{
    for (const char* name : {"bb.jpg", "ba.jpg"}) tree.WriteText(std::string("home/pics/") + name, "x");
    list->SetMask("*.jpg;*.jpeg");
    ShowPics();
    ASSERT_EQ(Captions(), (Names{"sub", "a.JPG", "b.jpeg", "ba.jpg", "bb.jpg", "e.jp", "\xEF\xBF\xBD\xEF\xBF\xBD.jpg"}));
    struct TStep {
        const char* typed;
        uint64_t pauseBefore;
        const char* focused;
    } steps[] = {
        {"b", 0, "b.jpeg"},      // from the top onward
        {"b", 0, "ba.jpg"},      // the same letter again moves on
        {"b", 0, "bb.jpg"},
        {"b", 0, "b.jpeg"},      // and wraps around
        {"B", 2000, "ba.jpg"},   // a new word after a pause, ignoring case
        {"B", 0, "bb.jpg"},      // "bb"
        {"s", 2000, "sub"},      // wraps to the folder
        {"x", 2000, "sub"},      // nothing matches: the focus stays
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(std::string(step.typed) + " after " + std::to_string(step.pauseBefore));
        if (step.pauseBefore) screen->Advance(step.pauseBefore);
        screen->TypeText(step.typed);
        ASSERT_GE(list->FocusedIndex(), 0);
        EXPECT_EQ(list->Row(list->FocusedIndex())->DisplayName(), step.focused);
        EXPECT_EQ(list->SelCount(), 1);
    }

    list->SetItemSelected(list->IndexOfName("bb.jpg"), true);
    tree.WriteText("home/pics/aa.jpg", "x");
    screen->PressKey(VK_F5);
    EXPECT_EQ(list->IndexOfName("aa.jpg"), 2);
    EXPECT_EQ(list->SelectedPath(), tree.Path("home/pics/bb.jpg")) << "the same file stays selected";
    // Deleted between listing and choosing: the path is still answered, and F5 drops it.
    fs::remove(tree.Path("home/pics/bb.jpg"));
    EXPECT_FALSE(fs::exists(list->SelectedPath()));
    screen->PressKey(VK_F5);
    EXPECT_EQ(list->IndexOfName("bb.jpg"), -1);
    EXPECT_EQ(list->SelCount(), 0);
    EXPECT_EQ(list->SelectedPath(), "");
}

TEST_F(SkinFileListViewTest, F2RenamesButNeverOverwrites)
{
    ShowPics();
    struct TCase {
        const char* from;
        const char* to;
        bool renamed;
    } cases[] = {
        {"d.png", "renamed.png", true},
        {"renamed.png", "c.bmp", false}, // taken by a file
        {"renamed.png", "sub", false},   // taken by a folder
        {"renamed.png", "no/such/folder.png", false},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.from) + " -> " + c.to);
        messages.clear();
        int row = list->IndexOfName(c.from);
        ASSERT_GE(row, 0);
        list->SetFocusedIndex(row);
        screen->PressKey(VK_F2);
        ASSERT_TRUE(list->IsEditing());
        screen->TypeText(c.to); // replaces the selected old name
        screen->PressKey(VK_RETURN);
        EXPECT_FALSE(list->IsEditing());
        EXPECT_EQ(list->IndexOfName(c.from) >= 0, !c.renamed);
        EXPECT_EQ(fs::exists(tree.Path("home/pics/" + std::string(c.from))), !c.renamed);
        if (c.renamed) {
            EXPECT_TRUE(messages.empty());
        } else {
            EXPECT_EQ(messages, Names{"Rename to " + std::string(c.to) + " failed"});
            EXPECT_EQ(ReadFileBytes(tree.Path("home/pics/" + std::string(c.from))).size(), 1u);
        }
    }
    // Esc leaves the name as it was.
    list->SetFocusedIndex(list->IndexOfName("c.bmp"));
    screen->PressKey(VK_F2);
    screen->TypeText("zzz");
    screen->PressKey(VK_ESCAPE);
    EXPECT_FALSE(list->IsEditing());
    EXPECT_GE(list->IndexOfName("c.bmp"), 0);
}

TEST_F(SkinFileListViewTest, AnUnreadableFolderShowsEmptyWithTheReason)
{
    // Gone since it was opened (root reads every folder, so a locked one would not do).
    tree.MakeFolder("home/gone");
    list->SetPath(tree.Path("home/gone"));
    list->SetFocus();
    fs::remove(tree.Path("home/gone"));
    screen->PressKey(VK_F5);
    ProcessMessages();
    EXPECT_EQ(list->RowCount(), 0);
    EXPECT_NE(list->ListingError().find("gone"), std::string::npos) << list->ListingError();
    // The reason is written in the list: some pixels of the first text line differ from the
    // background.
    const TColor background = PixelOf(list, list->ClientWidth() - 4, list->ClientHeight() - 4);
    int inked = 0;
    for (int x = 6; x < list->ClientWidth() - 6; ++x)
        for (int y = 6; y < 20; ++y) inked += PixelOf(list, x, y) != background;
    EXPECT_GT(inked, 20);
    tree.MakeFolder("home/gone/back");
    screen->PressKey(VK_F5);
    EXPECT_EQ(list->RowCount(), 1);
    EXPECT_EQ(list->ListingError(), "");
}

TEST_F(SkinFileListViewTest, AFolderOfThousandsMakesOnlyTheRowsItShows)
{
    tree.MakeFolder("home/big");
    for (int i = 0; i < 3000; ++i) tree.WriteText("home/big/IMG_" + std::to_string(i) + ".jpg", "");
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetPath(tree.Path("home/big"));
    list->SetFocus();
    ProcessMessages();
    ASSERT_EQ(list->RowCount(), 3000);
    EXPECT_EQ(list->Row(2999)->DisplayName(), "IMG_2999"".jpg") << "natural order";
    EXPECT_LT(list->Items().VirtualItemsMade(), 100u);
    screen->PressKey(VK_END);
    ProcessMessages();
    EXPECT_EQ(list->FocusedIndex(), 2999);
    EXPECT_LT(list->Items().VirtualItemsMade(), 200u);
}

} // namespace
