#include "core/Utf8.h"
#include "shell/FolderWatcher.h"
#include "shell/ShellError.h"
#include "skindialogs/ShellAccess.h"
#include "skindialogs/ShellFolder.h"
#include "skindialogs/ShellListing.h"

#include "shell/ShellTestTree.h"
#include "PatientShellAccess.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

class ShellFolderTest : public ::testing::Test {
protected:
    TbsShellFolder::TPtr Open(const std::string& rootOrPath) const
    {
        return TbsShellFolder::FromRootOrPath(access_, rootOrPath);
    }
    static std::vector<std::string> Names(const TShellListing& listing)
    {
        std::vector<std::string> names;
        for (const auto& row : listing.items) names.push_back(row->DisplayName());
        return names;
    }
    static std::string ErrorOf(auto&& action) { return test::ShellErrorOf(action); }

    test::TShellTestTree tree_;
    std::shared_ptr<const TShellAccess> access_ =
        test::PatientShellAccess(tree_);
};

TEST(ShellMaskTest, ExtensionAnywhereInTheMask)
{
    struct Case {
        const char* mask;
        const char* name;
        bool accepted;
    } cases[] = {
        {"*.jpg;*.jpeg;*.bmp;", "a.JPG", true},  {"*.jpg;*.jpeg;*.bmp;", "b.jpeg", true},
        {"*.jpg;*.jpeg;*.bmp;", "c.bmp", true},  {"*.jpg;*.jpeg;*.bmp;", "d.png", false},
        {"*.jpg;*.jpeg;*.bmp;", "e.jp", true},   {"*.jpg;*.jpeg;*.bmp;", "README", false},
        {"*.*|*.*", "README", true},             {"*.bmp", "x.tar.bmp", true},
        {"*.bmp", "x.bmp.tar", false},           {"*.JPG", "photo.jpg", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mask) + " / " + c.name);
        EXPECT_EQ(MaskAcceptsFile(UpperCaseAscii(c.mask), c.name), c.accepted);
    }
}

TEST(ShellDisplayNameTest, ValidUtf8AndSortingMarks)
{
    struct Case {
        std::string name;
        uint8_t attributes;
        std::string shown;
    } cases[] = {
        {"?1Drive?", saFolder, "1Drive"},
        {"?1kept?.jpg", saFileSystem, "?1kept?.jpg"}, // a real file name is never changed
        {"?x", saFolder, "?x"},
        {"bad\xff\xfe.jpg", saFileSystem, "bad\xEF\xBF\xBD\xEF\xBF\xBD.jpg"},
        {"\xe7\x8c\xab.bmp", saFileSystem, "\xe7\x8c\xab.bmp"},
        {"cut\xe7\x8c", saFileSystem, "cut\xEF\xBF\xBD\xEF\xBF\xBD"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ShellDisplayName(TShellItem{c.name, c.name, c.attributes}), c.shown);
    }
}

TEST_F(ShellFolderTest, TheDesktopHoldsHomeDesktopFolderAndTheComputerWithItsVolumes)
{
    TbsShellFolder::TPtr desktop = Open("rfDesktop");
    EXPECT_EQ(desktop->Level(), 0);
    EXPECT_EQ(desktop->Path(), "Desktop");
    TShellListing top = ListShellFolder(desktop, {});
    ASSERT_EQ(Names(top), (std::vector<std::string>{"Home", "Desktop", "Computer"}));
    EXPECT_EQ(top.items[0]->Path(), tree_.Home());
    EXPECT_EQ(top.items[1]->Path(), tree_.Path("home/Desktop"));
    EXPECT_EQ(top.items[2]->Path(), "Computer");
    EXPECT_EQ(top.items[2]->Parent(), desktop.get());

    TShellListing computer = ListShellFolder(top.items[2], {});
    ASSERT_EQ(Names(computer), (std::vector<std::string>{"File System", "usb stick"}));
    EXPECT_EQ(computer.items[0]->Path(), "/");
    EXPECT_EQ(computer.items[1]->Path(), tree_.Path("media/usb stick"));
    EXPECT_EQ(computer.items[1]->Level(), 2);
    EXPECT_EQ(Open("rfMyComputer")->AbsoluteID(), top.items[2]->AbsoluteID());

    // A path resolves below the anchor that holds it, with every ancestor up to the desktop.
    tree_.MakeFolder("media/usb stick/DCIM");
    TbsShellFolder::TPtr dcim = Open(tree_.Path("media/usb stick/DCIM"));
    EXPECT_EQ(dcim->Level(), 3);
    EXPECT_EQ(dcim->Parent()->DisplayName(), "usb stick");
    EXPECT_EQ(dcim->Parent()->Parent()->DisplayName(), "Computer");
    EXPECT_EQ(ErrorOf([&] { Open(tree_.Path("nowhere")); }), "Error setting path: \"" + tree_.Path("nowhere") + "\"");
    EXPECT_EQ(ErrorOf([&] { Open("rfPrinters"); }), "Error setting path: \"rfPrinters\"");
}

TEST_F(ShellFolderTest, AVolumeHasSubfoldersWithoutBeingTouched)
{
    // A mount point that cannot be reached: asking it would say "no subfolders".
    tree_.WriteText("mounts", "/dev/sda1 / ext4 rw 0 0\nserver:/share /nonexistent/dead-share nfs rw 0 0\n");
    TShellListing computer = ListShellFolder(Open("rfMyComputer"), {});
    ASSERT_EQ(Names(computer), (std::vector<std::string>{"File System", "dead-share"}));
    EXPECT_TRUE(computer.items[1]->HasSubfolders());

    tree_.MakeFolder("home/flat");
    tree_.MakeFolder("home/deep/inner");
    EXPECT_FALSE(Open(tree_.Path("home/flat"))->HasSubfolders());
    EXPECT_TRUE(Open(tree_.Path("home/deep"))->HasSubfolders());
}

TEST_F(ShellFolderTest, APictureFolderListsFoldersFirstInNaturalOrderThroughTheMask)
{
    for (const char* name : {"pics/b.JPG", "pics/a.jpeg", "pics/file10.bmp", "pics/file2.bmp", "pics/d.png",
                             "pics/README", "pics/.hidden.jpg", "pics/Sub/x.png", "pics/archive.zip/inside.jpg"})
        tree_.WriteText("home/" + std::string(name), "x");
    tree_.WriteText("home/pics/bad\xff.jpg", "x");
    TbsShellFolder::TPtr pics = Open(tree_.Path("home/pics"));

    TShellListingRequest request;
    request.mask = "*.jpg;*.jpeg;*.bmp;";
    TShellListing listing = ListShellFolder(pics, request);
    EXPECT_EQ(listing.error, "");
    // The archive is a folder on disk but a file here: after the folders, and through the mask.
    EXPECT_EQ(Names(listing), (std::vector<std::string>{"Sub", "a.jpeg", "b.JPG", "bad\xEF\xBF\xBD.jpg", "file2.bmp",
                                                        "file10.bmp"}));
    request.mask = "*.*|*.*";
    listing = ListShellFolder(pics, request);
    EXPECT_EQ(Names(listing), (std::vector<std::string>{"Sub", "a.jpeg", "archive.zip", "b.JPG", "bad\xEF\xBF\xBD.jpg",
                                                        "d.png", "file2.bmp", "file10.bmp", "README"}));
    EXPECT_FALSE(listing.items[2]->IsFolder());
    EXPECT_TRUE(listing.items[0]->IsFolder());

    // A name that is not UTF-8 shows replacement characters but keeps its bytes for opening.
    const TbsShellFolder& bad = *listing.items[4];
    EXPECT_EQ(bad.Path(), tree_.Path("home/pics/bad\xff.jpg"));
    struct stat st {};
    EXPECT_EQ(::stat(bad.Path().c_str(), &st), 0);
    EXPECT_EQ(bad.Details().at(0), "bad\xEF\xBF\xBD.jpg");
    EXPECT_EQ(bad.Details().at(1), "1");

    request.onAddFolder = [](const TbsShellFolder& row) { return row.IsFolder(); };
    EXPECT_EQ(Names(ListShellFolder(pics, request)), std::vector<std::string>{"Sub"});
    request = {};
    request.types = otFolders | otNonFolders | otHidden;
    request.sorted = false;
    EXPECT_EQ(ListShellFolder(pics, request).items.size(), 10u);
}

TEST_F(ShellFolderTest, UnreadableAndVanishedFoldersListAsEmptyWithTheReason)
{
    tree_.WriteText("home/locked/secret.jpg", "x");
    TbsShellFolder::TPtr locked = Open(tree_.Path("home/locked"));
    TbsShellFolder::TPtr gone = Open(tree_.Path("home/locked"));
    if (!test::RunningAsRoot()) {
        fs::permissions(tree_.Path("home/locked"), fs::perms::none);
        TShellListing listing = ListShellFolder(locked, {});
        EXPECT_TRUE(listing.items.empty());
        EXPECT_EQ(listing.error, "Cannot read folder \"" + tree_.Path("home/locked") + "\": Permission denied");
        fs::permissions(tree_.Path("home/locked"), fs::perms::owner_all);
    }
    fs::remove_all(tree_.Path("home/locked"));
    TShellListing listing = ListShellFolder(gone, {});
    EXPECT_TRUE(listing.items.empty());
    EXPECT_EQ(listing.error, "Cannot read folder \"" + tree_.Path("home/locked") + "\": No such file or directory");
}

TEST_F(ShellFolderTest, LinksBackUpTheTreeLeadToTheirTargetInsteadOfGrowingALoop)
{
    tree_.MakeFolder("home/pics/sub");
    tree_.MakeFolder("home/other");
    fs::create_directory_symlink("..", tree_.Path("home/pics/sub/up"));
    fs::create_directory_symlink(".", tree_.Path("home/pics/sub/here"));
    fs::create_directory_symlink(tree_.Path("home/other"), tree_.Path("home/pics/sub/away"));
    fs::create_symlink("round2", tree_.Path("home/pics/sub/round1"));
    fs::create_symlink("round1", tree_.Path("home/pics/sub/round2"));
    TbsShellFolder::TPtr sub = Open(tree_.Path("home/pics/sub"));
    TShellListing listing = ListShellFolder(sub, {});
    // The two links that point at each other lead nowhere and are left out.
    ASSERT_EQ(Names(listing), (std::vector<std::string>{"away", "here", "up"}));

    struct Case {
        size_t row;
        std::string browsed;
    } cases[] = {{0, tree_.Path("home/pics/sub/away")}, {1, tree_.Path("home/pics/sub")}, {2, tree_.Path("home/pics")}};
    for (const Case& c : cases) {
        SCOPED_TRACE(listing.items[c.row]->DisplayName());
        TItemIdList target = access_->BrowseTarget(sub->AbsoluteID(), listing.items[c.row]->Item());
        EXPECT_EQ(access_->Shell().PathOf(target), c.browsed);
    }
}

TEST_F(ShellFolderTest, ARequestThatDoesNotAnswerFailsInTimeAndBlocksOnlyItsAnchor)
{
    TShellAccess access(std::make_shared<TShellNamespace>(tree_.Environment()), std::chrono::milliseconds(30));
    std::mutex gate;
    std::unique_lock closed(gate);
    TItemIdList volume({std::string(TShellNamespace::kComputerPart), tree_.Path("media/usb stick")});
    auto stuck = [&](const TShellNamespace&) {
        std::lock_guard wait(gate);
        return 1;
    };
    EXPECT_EQ(ErrorOf([&] { access.Ask<int>(volume.Child("DCIM"), stuck); }),
              "The folder \"DCIM\" does not answer");

    // While that request hangs, the volume is not asked again, the rest of the namespace is.
    bool asked = false;
    auto quick = [&](const TShellNamespace&) {
        asked = true;
        return 2;
    };
    EXPECT_EQ(ErrorOf([&] { access.Ask<int>(volume, quick); }), "The folder \"" + tree_.Path("media/usb stick") +
                                                                   "\" does not answer");
    EXPECT_FALSE(asked);
    // Nor is it watched; a folder outside the file system never is.
    auto watcher = std::make_shared<TFolderWatcher>([] {});
    EXPECT_EQ(access.Watch(watcher, volume), -1);
    EXPECT_EQ(access.Watch(watcher, TShellNamespace::Computer()), -1);
    EXPECT_GE(access.Watch(watcher, TShellNamespace::Home()), 0);
    EXPECT_EQ(access.Ask<int>(TShellNamespace::Home(), quick), 2);
    EXPECT_EQ(access.Enumerate(TShellNamespace::Computer(), otFolders).size(), 2u);

    closed.unlock();
    while (TShellAccess::RequestsRunning() > 0) std::this_thread::yield();
    EXPECT_EQ(access.Ask<int>(volume, quick), 2);
    // Failures of the request itself arrive as they were thrown.
    EXPECT_EQ(ErrorOf([&] { access.Describe(TShellNamespace::Home().Child("missing")); }).substr(0, 11), "Cannot find");
}

} // namespace
