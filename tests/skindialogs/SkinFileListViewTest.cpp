#include "core/FileIO.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinFileListView.h"
#include "skindialogs/SkinShellComboBox.h"
#include "ui/MessageDlg.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "skincontrols/SkinScene.h"
#include "PatientShellAccess.h"

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
    // Waits in real time for the list to hear of a change (its watcher's thread queues the
    // news), then lets the settle time pass on the virtual clock.
    void HearChanges()
    {
        {
            TWorkerWait waiting;
            RunMessageLoopUntil([this] { return list->RefreshPending(); });
        }
        screen->Advance(TShellWatch::kSettleMs);
        EXPECT_FALSE(list->RefreshPending());
    }
    void ShowPics()
    {
        list->SetPath(tree.Path("home/pics"));
        list->SetFocus();
        ProcessMessages();
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        test::PatientShellAccess(tree);
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
            EXPECT_EQ(list->Items()[row]->Caption(), c.to) << "the row shows its new name";
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

TEST_F(SkinFileListViewTest, AutoRefreshListsChangesKeepingSelectionScrollAndTypedSearch)
{
    for (int i = 10; i < 50; ++i) tree.WriteText("home/pics/n" + std::to_string(i) + ".jpg", "x");
    list->SetViewStyle(TViewStyle::vsReport);
    list->SetAutoRefresh(true);
    ShowPics();
    list->MakeItemVisible(30, false);
    const int scrolled = list->ScrollInfo(true).Pos;
    ASSERT_GT(scrolled, 0);
    const std::string chosen = tree.Path("home/pics/n40.jpg");
    list->SetItemSelected(list->IndexOfName("n40.jpg"), true);
    list->SetFocusedIndex(list->IndexOfName("n40.jpg"));
    int selectionEvents = 0;
    list->OnChange = [&](TComponent*, TListItem*, TItemChange) { ++selectionEvents; };

    struct TStep {
        const char* what;
        std::function<void()> change;
        const char* appears;
        const char* goes;
    } steps[] = {
        {"created above", [&] { tree.WriteText("home/pics/aa.jpg", "x"); }, "aa.jpg", nullptr},
        {"deleted", [&] { fs::remove(tree.Path("home/pics/n11.jpg")); }, nullptr, "n11.jpg"},
        {"renamed", [&] { fs::rename(tree.Path("home/pics/n12.jpg"), tree.Path("home/pics/m12.jpg")); }, "m12.jpg", "n12.jpg"},
        {"a folder made", [&] { tree.MakeFolder("home/pics/new folder"); }, "new folder", nullptr},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        HearChanges();
        EXPECT_TRUE(!step.appears || list->IndexOfName(step.appears) >= 0);
        EXPECT_TRUE(!step.goes || list->IndexOfName(step.goes) == -1);
        EXPECT_EQ(list->SelectedPaths(), std::vector<std::string>{chosen});
        EXPECT_EQ(list->FocusedIndex(), list->IndexOfName("n40.jpg"));
        EXPECT_EQ(list->ScrollInfo(true).Pos, scrolled);
        EXPECT_EQ(list->Items()[list->IndexOfName(step.appears ? step.appears : "n40.jpg")]->Caption(),
                  step.appears ? step.appears : "n40.jpg") << "no row shows what was there before";
    }
    EXPECT_EQ(selectionEvents, 0);
    // A rewritten file shows its new size, and a search typed meanwhile goes on: "n4" from
    // n40.jpg finds n41.jpg, and "2" after the listing makes it "n42".
    screen->TypeText("n4");
    ASSERT_EQ(list->Row(list->FocusedIndex())->DisplayName(), "n41.jpg");
    tree.WriteText("home/pics/n40.jpg", "12345");
    HearChanges();
    EXPECT_EQ(list->Items()[list->IndexOfName("n40.jpg")]->SubItems().at(0), "5");
    screen->TypeText("2");
    EXPECT_EQ(list->Row(list->FocusedIndex())->DisplayName(), "n42.jpg");
}

TEST_F(SkinFileListViewTest, AutoRefreshKeepsANameBeingEditedOnItsOwnRow)
{
    list->SetAutoRefresh(true);
    ShowPics();
    list->SetFocusedIndex(list->IndexOfName("c.bmp"));
    screen->PressKey(VK_F2);
    ASSERT_TRUE(list->IsEditing());
    screen->TypeText("chosen");
    tree.WriteText("home/pics/a0.jpg", "x"); // sorts above: every row below moves down
    HearChanges();
    ASSERT_TRUE(list->IsEditing());
    screen->TypeText(".bmp");
    screen->PressKey(VK_RETURN);
    EXPECT_TRUE(fs::exists(tree.Path("home/pics/chosen.bmp")));
    EXPECT_FALSE(fs::exists(tree.Path("home/pics/c.bmp")));
    EXPECT_TRUE(fs::exists(tree.Path("home/pics/b.jpeg"))) << "not its neighbour";
    EXPECT_GE(list->IndexOfName("chosen.bmp"), 0);
    EXPECT_TRUE(messages.empty());
    HearChanges(); // the list hears its own rename too

    // The edited file deleted meanwhile: the editing ends without renaming anything.
    list->SetFocusedIndex(list->IndexOfName("b.jpeg"));
    screen->PressKey(VK_F2);
    screen->TypeText("never");
    fs::remove(tree.Path("home/pics/b.jpeg"));
    HearChanges();
    EXPECT_FALSE(list->IsEditing());
    EXPECT_FALSE(fs::exists(tree.Path("home/pics/never")));
}

TEST_F(SkinFileListViewTest, AFolderThatGoesLeavesTheListInItsNearestParentLeft)
{
    struct TCase {
        const char* what;
        std::function<void()> removal;
        const char* shown;
    } cases[] = {
        {"deleted", [&] { fs::remove_all(tree.Path("home/pics/sub")); }, "home/pics"},
        {"deleted with its parent", [&] { fs::remove_all(tree.Path("home/pics")); }, "home"},
        {"renamed", [&] { fs::rename(tree.Path("home/pics/sub/deep"), tree.Path("home/pics/sub/deep2")); }, "home/pics/sub"},
    };
    list->SetAutoRefresh(true);
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.what);
        tree.MakeFolder("home/pics/sub/deep");
        list->SetPath(tree.Path("home/pics/sub/deep"));
        ProcessMessages();
        changes.clear();
        c.removal();
        HearChanges();
        EXPECT_EQ(list->FolderPath(), tree.Path(c.shown));
        EXPECT_EQ(changes, Names{tree.Path(c.shown)});
        EXPECT_EQ(list->ListingError(), "");
    }
}

TEST_F(SkinFileListViewTest, ABurstOfAThousandFilesIsListedAtOnce)
{
    tree.MakeFolder("home/burst");
    list->SetAutoRefresh(true);
    list->SetPath(tree.Path("home/burst"));
    for (int i = 0; i < 1000; ++i) tree.WriteText("home/burst/IMG_" + std::to_string(i) + ".jpg", "");
    HearChanges();
    EXPECT_EQ(list->RowCount(), 1000);
    // Without AutoRefresh nothing is watched.
    list->SetAutoRefresh(false);
    tree.WriteText("home/burst/unseen.jpg", "");
    ProcessMessages();
    screen->Advance(TShellWatch::kSettleMs);
    EXPECT_FALSE(list->RefreshPending());
    EXPECT_EQ(list->RowCount(), 1000);
}

TEST_F(SkinFileListViewTest, AltEnterShowsTheFocusedItemsProperties)
{
    tree.WriteText("home/pics/sub/one.jpg", "x");
    list->SetFocus();
    struct TCase {
        std::string folder; // "" for the desktop
        const char* row;
        std::string starts;
    } cases[] = {
        {tree.Path("home/pics"), "c.bmp", "Name: c.bmp\nKind: BMP file\nSize: 1 byte\nLocation: " + tree.Path("home/pics") + "\nModified: "},
        {tree.Path("home/pics"), "README", "Name: README\nKind: File\nSize: 1 byte\n"},
        {tree.Path("home/pics"), "sub", "Name: sub\nKind: Folder\nContains: 1 item\nLocation: " + tree.Path("home/pics") + "\n"},
        {"", "Computer", "Name: Computer\nKind: Folder\nContains: 2 items"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.row);
        list->SetPath(c.folder.empty() ? "rfDesktop" : c.folder);
        messages.clear();
        list->SetFocusedIndex(list->IndexOfName(c.row));
        screen->KeyDown(VK_MENU);
        screen->PressKey(VK_RETURN);
        screen->KeyUp(VK_MENU);
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].substr(0, c.starts.size()), c.starts);
        EXPECT_EQ(list->FolderPath(), c.folder.empty() ? "Desktop" : c.folder) << "Alt+Enter opens nothing";
    }
}

} // namespace
