#include "shell/ShellError.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/SkinDirTreeView.h"
#include "wsys/WinApi.h"

#include "shell/ShellTestTree.h"
#include "skincontrols/SkinScene.h"
#include "skindialogs/RecordingBrowser.h"
#include "PatientShellAccess.h"

#include <filesystem>
#include <mutex>
#include <thread>

using namespace tavrik;
using namespace tavrik::testing;
namespace fs = std::filesystem;

namespace {

using Lines = std::vector<std::string>;

const std::string kBadName = "bad\xff";          // not UTF-8
const std::string kBadShown = "bad\xEF\xBF\xBD"; // as the tree shows it

class SkinDirTreeViewTest : public SkinScene {
protected:
    void SetUp() override
    {
        for (const char* folder : {"home/pics/2024", "home/pics/2023", "home/empty", "home/locked/inside",
                                   "home/archive.zip", "home/gone/sub", "media/usb stick/DCIM"})
            tree.MakeFolder(folder);
        tree.MakeFolder("home/" + kBadName + "/inner");
        tree.WriteText("home/pics/notes.txt", "not a folder");
        fs::create_directory_symlink("..", tree.Path("home/pics/up"));
        locked = !test::RunningAsRoot();
        if (locked) fs::permissions(tree.Path("home/locked"), fs::perms::none);
        view = Add<TbsSkinDirTreeView>(form, Bounds(10, 10, 250, 280));
        // Time enough to look into every folder however busy the machine; the budget running
        // out is a case of its own below.
        view->SetMarkerBudget(std::chrono::seconds(20));
        view->SetShellAccess(access);
        view->OnReadError = [this](TComponent*, const std::string& message) { errors.push_back(message); };
        ProcessMessages();
    }
    void TearDown() override { fs::permissions(tree.Path("home/locked"), fs::perms::owner_all); }

    // The rows the tree shows: indented by level, '+' before a closed node with a button,
    // '-' before an open one, '*' after the selected one.
    Lines Rows() const
    {
        Lines rows;
        for (TTreeNode* n = view->Items().GetFirstNode(); n; n = n->GetNextVisible())
            rows.push_back(std::string(size_t(n->Level()) * 2, ' ') +
                           (n->Expanded() ? "-" : n->HasChildren() ? "+" : " ") + n->Text() +
                           (n->Selected() ? "*" : ""));
        return rows;
    }
    TTreeNode* Row(const std::string& text) const
    {
        for (TTreeNode* n = view->Items().GetFirstNode(); n; n = n->GetNextVisible())
            if (n->Text() == text) return n;
        ADD_FAILURE() << "no row " << text;
        return nullptr;
    }
    void Press(UINT key)
    {
        view->SetFocus();
        screen->PressKey(key);
    }
    void ClickOn(TTreeNode* node, TMouseButton button = TMouseButton::Left)
    {
        TRect r = node->DisplayRect(true);
        TPoint p = view->ClientToScreen({r.Left + 2, (r.Top + r.Bottom) / 2});
        screen->Click(p.x, p.y, button);
    }

    test::TShellTestTree tree;
    std::shared_ptr<const TShellAccess> access =
        test::PatientShellAccess(tree);
    TbsSkinDirTreeView* view = nullptr;
    std::vector<std::string> errors;
    bool locked = false;
};

TEST_F(SkinDirTreeViewTest, FoldersAreReadWhenTheirNodeFirstOpens)
{
    EXPECT_EQ(Rows(), (Lines{"-Desktop*", "  +Home", "   Desktop", "  +Computer"}));
    EXPECT_EQ(view->Items().Count(), 4) << "nothing below the desktop's own folders is read yet";

    // Right opens the selected node: folders only, no archive, no hidden ones, natural order.
    Press(VK_DOWN);
    Press(VK_RIGHT);
    Lines home = {"-Desktop", "  -Home*", "    +" + kBadShown, "     Desktop", "     empty", "    +gone",
                  "    +locked", "    +pics", "   Desktop", "  +Computer"};
    EXPECT_EQ(Rows(), home);

    // A folder that cannot be read, or went since it was listed, shows empty and says why.
    struct Unreadable {
        const char* name;
        std::function<void()> spoil;
        const char* reason;
    } unreadable[] = {
        {"gone", [&] { fs::remove_all(tree.Path("home/gone")); }, "No such file or directory"},
        {"locked", [] {}, "Permission denied"},
    };
    for (const Unreadable& u : unreadable) {
        if (std::string(u.name) == "locked" && !locked) continue; // nothing is locked to root
        SCOPED_TRACE(u.name);
        u.spoil();
        errors.clear();
        Row(u.name)->Expand(false);
        EXPECT_FALSE(Row(u.name)->HasChildren()) << "opened and found empty, the button goes";
        const std::string why = "Cannot read folder \"" + tree.Path(std::string("home/") + u.name) + "\": " + u.reason;
        EXPECT_EQ(errors, Lines{why});
        EXPECT_EQ(view->NodeError(Row(u.name)), why);
    }

    // A link back up the tree has no button; the volumes are never looked into in advance.
    Row("pics")->Expand(false);
    Row("Computer")->Expand(false);
    EXPECT_EQ(Rows(), (Lines{"-Desktop", "  -Home*", "    +" + kBadShown, "     Desktop", "     empty", "     gone",
                             locked ? "     locked" : "    +locked", "    -pics", "       2023", "       2024",
                             "       up", "   Desktop", "  -Computer", "    +File System", "    +usb stick"}));

    // With no time to look, every new folder keeps its button until it is opened.
    view->SetMarkerBudget(std::chrono::milliseconds(0));
    view->RefreshNode(Row("pics"));
    EXPECT_EQ(Rows()[8], "      +2023");
    Row("2023")->Expand(false);
    EXPECT_EQ(Rows()[8], "       2023");
}

TEST_F(SkinDirTreeViewTest, SelectingSendsTheLinkedControlsAndBrowsingDoesNot)
{
    auto* list = new TRecordingBrowser(form);
    auto* combo = new TRecordingBrowser(form);
    view->SetShellListView(list);
    view->SetShellComboBox(combo);

    view->SelectPath(tree.Path("home/pics/2024"));
    EXPECT_EQ(Rows(), (Lines{"-Desktop", "  -Home", "    +" + kBadShown, "     Desktop", "     empty",
                             "    +gone", "    +locked", "    -pics", "       2023", "       2024*",
                             "       up", "   Desktop", "  +Computer"}));
    EXPECT_EQ(view->Path(), tree.Path("home/pics/2024"));
    EXPECT_EQ(list->paths, Lines{tree.Path("home/pics/2024")});

    struct Step {
        const char* what;
        std::function<void()> act;
        std::string path; // of the selection, and where the links were sent
    } steps[] = {
        {"Up", [&] { Press(VK_UP); }, tree.Path("home/pics/2023")},
        {"Backspace", [&] { Press(VK_BACK); }, tree.Path("home/pics")},
        {"click", [&] { ClickOn(Row(kBadShown)); }, tree.Path("home/" + kBadName)},
        {"right click", [&] { ClickOn(Row("empty"), TMouseButton::Right); }, tree.Path("home/empty")},
        {"typed letters", [&] { Press('P'); }, tree.Path("home/pics")},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.act();
        EXPECT_EQ(view->Path(), step.path);
        EXPECT_EQ(list->paths.back(), step.path);
        EXPECT_EQ(combo->paths.back(), step.path);
    }
    // The link back up selects itself but sends the linked controls to its target.
    ClickOn(Row("up"));
    EXPECT_EQ(view->Path(), tree.Path("home/pics/up"));
    EXPECT_EQ(list->paths.back(), tree.Home());

    // Shown from a linked control: selected, nothing sent back.
    const size_t sent = list->paths.size();
    view->BrowseTo(TbsShellFolder::FromRootOrPath(access, tree.Path("media/usb stick/DCIM")));
    EXPECT_EQ(view->Path(), tree.Path("media/usb stick/DCIM"));
    EXPECT_EQ(list->paths.size(), sent);
    EXPECT_EQ(combo->paths.size(), sent);

    // A hidden folder asked for by path still gets its node; F5 reads new folders in.
    view->SelectPath(tree.Path("home/.config"));
    EXPECT_EQ(view->Selected()->Text(), ".config");
    tree.MakeFolder("home/pics/2025");
    view->SelectPath(tree.Path("home/pics/2024"));
    Press(VK_BACK);
    Press(VK_F5);
    EXPECT_EQ(Row("pics")->Count(), 4);
    EXPECT_EQ(Row("pics")->Item(2)->Text(), "2025");
    EXPECT_EQ(view->Path(), tree.Path("home/pics"));

    delete list;
    EXPECT_EQ(view->ShellListView(), nullptr);
    Press(VK_UP);
    EXPECT_EQ(combo->paths.back(), view->Path());
}

TEST_F(SkinDirTreeViewTest, BadPathsAndRootsAreRefusedAndLeaveTheTreeAsItWas)
{
    view->SetRoot(tree.Path("home/pics"));
    EXPECT_EQ(Rows(), (Lines{"-pics*", "   2023", "   2024", "   up"}));
    struct Case {
        std::string path;
        std::string error;
    } cases[] = {
        {tree.Path("media/usb stick/DCIM"), "Error setting path: \"" + tree.Path("media/usb stick/DCIM") + "\""},
        {tree.Path("home/pics/missing"), "Error setting path: \"" + tree.Path("home/pics/missing") + "\""},
        {"relative/path", "Error setting path: \"relative/path\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(test::ShellErrorOf([&] { view->SelectPath(c.path); }), c.error);
        EXPECT_EQ(Rows(), (Lines{"-pics*", "   2023", "   2024", "   up"}));
    }
    EXPECT_EQ(test::ShellErrorOf([&] { view->SetRoot("rfPrinters"); }), "Error setting path: \"rfPrinters\"");
    EXPECT_EQ(view->Root(), tree.Path("home/pics"));
    // A file selects its folder.
    view->SelectPath(tree.Path("home/pics/notes.txt"));
    EXPECT_EQ(view->Path(), tree.Path("home/pics"));
}

TEST_F(SkinDirTreeViewTest, ADriveThatDoesNotAnswerOpensEmptyInsteadOfFreezing)
{
    auto quick = std::make_shared<TShellAccess>(std::make_shared<TShellNamespace>(tree.Environment()),
                                                std::chrono::milliseconds(1000));
    view->SetShellAccess(quick);
    view->SelectPath("rfMyComputer");
    EXPECT_EQ(Rows(), (Lines{"-Desktop", "  +Home", "   Desktop", "  -Computer*", "    +File System", "    +usb stick"}));

    // Something else hangs on the stick: the tree does not wait for it.
    std::mutex gate;
    std::unique_lock closed(gate);
    TItemIdList stick({std::string(TShellNamespace::kComputerPart), tree.Path("media/usb stick")});
    EXPECT_THROW(quick->Ask<int>(stick, [&](const TShellNamespace&) {
        std::lock_guard wait(gate);
        return 0;
    }),
                 EShellError);
    Row("usb stick")->Expand(false);
    EXPECT_EQ(Rows().back(), "     usb stick");
    EXPECT_EQ(errors, Lines{"The folder \"" + tree.Path("media/usb stick") + "\" does not answer"});

    // Once it answers again, F5 reads it.
    closed.unlock();
    while (TShellAccess::RequestsRunning() > 0) std::this_thread::yield();
    view->SetSelected(Row("usb stick"));
    Press(VK_F5);
    Press(VK_RIGHT);
    EXPECT_EQ(Rows().back(), "       DCIM");
    EXPECT_EQ(view->NodeError(Row("usb stick")), "");
}

TEST_F(SkinDirTreeViewTest, AutoRefreshShowsFoldersMadeRenamedAndDeletedKeepingWhatIsOpen)
{
    view->SetAutoRefresh(true);
    view->SelectPath(tree.Path("home/pics/2024"));
    auto children = [&](const std::string& name) {
        Lines names;
        TTreeNode* node = Row(name);
        for (int i = 0; node && i < node->Count(); ++i) names.push_back(node->Item(i)->Text());
        return names;
    };
    auto hearChanges = [&] {
        {
            TWorkerWait waiting;
            RunMessageLoopUntil([&] { return view->RefreshPending(); });
        }
        screen->Advance(TShellWatch::kSettleMs);
    };
    ASSERT_EQ(children("pics"), (Lines{"2023", "2024", "up"}));
    struct TStep {
        const char* what;
        std::function<void()> change;
        Lines pics;
        std::string selected;
    } steps[] = {
        {"made", [&] { tree.MakeFolder("home/pics/2025/jan"); }, {"2023", "2024", "2025", "up"}, "home/pics/2024"},
        {"renamed", [&] { fs::rename(tree.Path("home/pics/2023"), tree.Path("home/pics/2022")); },
         {"2022", "2024", "2025", "up"}, "home/pics/2024"},
        {"a file made", [&] { tree.WriteText("home/pics/photo.jpg", "x"); }, {"2022", "2024", "2025", "up"}, "home/pics/2024"},
        {"the selected one deleted", [&] { fs::remove_all(tree.Path("home/pics/2024")); }, {"2022", "2025", "up"}, "home/pics"},
        {"made in an opened folder", [&] {
             Row("2025")->Expand(false);
             tree.MakeFolder("home/pics/2025/march");
         }, {"2022", "2025", "up"}, "home/pics"},
    };
    for (const TStep& step : steps) {
        SCOPED_TRACE(step.what);
        step.change();
        hearChanges();
        EXPECT_EQ(children("pics"), step.pics);
        EXPECT_EQ(view->Path(), tree.Path(step.selected));
        EXPECT_TRUE(Row("Home")->Expanded());
        EXPECT_TRUE(Row("pics")->Expanded());
    }
    EXPECT_EQ(children("2025"), (Lines{"jan", "march"}));
    EXPECT_TRUE(Row("2025")->Expanded()) << "still open after pics was read again";
}

} // namespace
