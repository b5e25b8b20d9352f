#include "shell/ShellError.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinShellComboBox.h"
#include "ui/ListBox.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "skincontrols/SkinScene.h"
#include "skindialogs/RecordingBrowser.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

class SkinShellComboBoxTest : public SkinScene {
protected:
    void SetUp() override
    {
        tree.MakeFolder("home/pics/2024");
        tree.MakeFolder("home/pics/2023");
        tree.MakeFolder("media/usb stick/DCIM");
        combo = Add<TbsSkinShellComboBox>(form, Bounds(10, 10, 200, 22));
        combo->SetShellAccess(access);
        ProcessMessages();
    }
    // Each entry as "level name", the selected one marked with '*'.
    std::vector<std::string> Entries() const
    {
        std::vector<std::string> entries;
        for (int i = 0; i < combo->EntryCount(); ++i)
            entries.push_back(std::to_string(combo->EntryLevel(i)) + " " + combo->EntryFolder(i)->DisplayName() +
                              (i == combo->ItemIndex() ? "*" : ""));
        return entries;
    }
    TbsShellFolder::TPtr Folder(const std::string& relative) const
    {
        return TbsShellFolder::FromRootOrPath(access, tree.Path(relative));
    }
    static TPoint Middle(const TRect& r) { return {r.Left + r.Width() / 2, r.Top + r.Height() / 2}; }
    // The leftmost column of a row of the open list whose colour differs from the row's own at
    // its right end: where the row's icon starts.
    int IconStart(int row) const
    {
        TbsListBox& list = combo->PopupList().ListBox();
        TRect r = list.ItemRect(row);
        TPoint left = list.ClientToScreen({r.Left, r.Top + r.Height() / 2});
        TColor background = screen->ScreenPixel(left.x + r.Width() - 3, left.y);
        for (int x = 0; x < r.Width(); ++x)
            if (screen->ScreenPixel(left.x + x, left.y) != background) return x;
        return -1;
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(tree.Environment()));
    TbsSkinShellComboBox* combo = nullptr;
};

TEST_F(SkinShellComboBoxTest, ShowingAFolderInsertsItsMissingAncestorsBelowTheDeepestEntry)
{
    using Lines = std::vector<std::string>;
    EXPECT_EQ(Entries(), (Lines{"0 Desktop*", "1 Home", "1 Desktop", "1 Computer", "2 File System", "2 usb stick"}));

    combo->BrowseTo(Folder("home/pics/2024"));
    EXPECT_EQ(Entries(), (Lines{"0 Desktop", "1 Home", "2 pics", "3 2024*", "1 Desktop", "1 Computer",
                                "2 File System", "2 usb stick"}));
    EXPECT_EQ(combo->Path(), tree.Path("home/pics/2024"));
    EXPECT_EQ(combo->Text(), "2024");

    // The earlier chain goes; a volume's folder hangs below the volume.
    combo->BrowseTo(Folder("media/usb stick/DCIM"));
    EXPECT_EQ(Entries(), (Lines{"0 Desktop", "1 Home", "1 Desktop", "1 Computer", "2 File System", "2 usb stick",
                                "3 DCIM*"}));
    combo->BrowseTo(TbsShellFolder::FromRootOrPath(access, "rfMyComputer"));
    EXPECT_EQ(Entries(), (Lines{"0 Desktop", "1 Home", "1 Desktop", "1 Computer*", "2 File System", "2 usb stick"}));

    // Below another root: the root's own folders, in natural order; a folder outside it
    // selects nothing.
    combo->SetRoot(tree.Path("home/pics"));
    EXPECT_EQ(Entries(), (Lines{"0 pics*", "1 2023", "1 2024"}));
    combo->BrowseTo(Folder("media/usb stick/DCIM"));
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Folder(), nullptr);

    try {
        combo->SetRoot("rfPrinters");
        ADD_FAILURE() << "a root that does not resolve was taken";
    } catch (const EShellError& e) {
        EXPECT_STREQ(e.what(), "Error setting path: \"rfPrinters\"");
    }
    EXPECT_EQ(combo->Root(), tree.Path("home/pics"));
    EXPECT_EQ(combo->EntryCount(), 3);
}

TEST_F(SkinShellComboBoxTest, ChoosingAnEntrySendsTheLinkedControlsThereAndShowingDoesNot)
{
    auto* list = new TRecordingBrowser(form);
    auto* tree2 = new TRecordingBrowser(form);
    combo->SetShellListView(list);
    combo->SetShellTreeView(tree2);
    combo->BrowseTo(Folder("home/pics/2024"));
    EXPECT_TRUE(list->paths.empty());

    // With the mouse: open the list, click the computer's entry.
    TPoint button = combo->ClientToScreen(Middle(combo->ButtonRect()));
    screen->Click(button.x, button.y);
    ASSERT_TRUE(combo->DroppedDown());
    TbsListBox& popup = combo->PopupList().ListBox();
    TPoint computer = popup.ClientToScreen(Middle(popup.ItemRect(5)));
    screen->Click(computer.x, computer.y);
    EXPECT_FALSE(combo->DroppedDown());
    EXPECT_EQ(list->paths, std::vector<std::string>{"Computer"});
    EXPECT_EQ(tree2->paths, std::vector<std::string>{"Computer"});
    EXPECT_EQ(combo->EntryCount(), 6); // the chain below Home went with the choice

    // With the keys: Down steps to the next entry, which is chosen at once.
    combo->SetFocus();
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(list->paths.back(), "/");
    EXPECT_EQ(combo->Text(), "File System");

    // A link that goes is forgotten.
    delete list;
    EXPECT_EQ(combo->ShellListView(), nullptr);
    screen->PressKey(VK_DOWN);
    EXPECT_EQ(tree2->paths.back(), tree.Path("media/usb stick"));
}

TEST_F(SkinShellComboBoxTest, TheOpenListIndentsHalfAnIconPerLevel)
{
    combo->BrowseTo(Folder("home/pics/2024"));
    TPoint button = combo->ClientToScreen(Middle(combo->ButtonRect()));
    screen->Click(button.x, button.y);
    ASSERT_TRUE(combo->DroppedDown());
    ProcessMessages();
    // "pics" (level 2) and "2024" (level 3) carry the same folder icon.
    int pics = IconStart(2), year = IconStart(3);
    ASSERT_GE(pics, 0);
    EXPECT_EQ(year - pics, 8);
    // The closed box shows the chosen folder's icon without the indent.
    screen->PressKey(VK_ESCAPE);
    EXPECT_FALSE(combo->DroppedDown());
}

} // namespace
