#include "shell/ShellError.h"
#include "shell/ShellNamespace.h"

#include "ShellTestTree.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sys/stat.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

class ShellNamespaceTest : public ::testing::Test {
protected:
    TItemIdList HomeItem(std::initializer_list<std::string> parts) const
    {
        TItemIdList id = TShellNamespace::Home();
        for (const std::string& part : parts) id = id.Child(part);
        return id;
    }
    std::vector<std::string> Names(const TItemIdList& folder, TShellObjectTypes types) const
    {
        std::vector<TShellItem> items = shell_.Enumerate(folder, types);
        shell_.SortForDisplay(folder, items);
        std::vector<std::string> names;
        for (const TShellItem& item : items) names.push_back(item.name);
        return names;
    }
    const TShellItem& Find(const std::vector<TShellItem>& items, const std::string& name) const
    {
        auto it = std::find_if(items.begin(), items.end(), [&](const TShellItem& i) { return i.name == name; });
        if (it == items.end()) throw std::runtime_error("not listed: " + name);
        return *it;
    }
    static std::string ErrorOf(auto&& action) { return test::ShellErrorOf(action); }

    test::TShellTestTree tree_;
    TShellNamespace shell_{tree_.Environment()};
};

// A folder with what a picture folder tends to hold, and a few traps.
class ShellFolderTest : public ShellNamespaceTest {
protected:
    void SetUp() override
    {
        for (const char* name : {"pics/b.JPG", "pics/a.jpeg", "pics/file10.bmp", "pics/file2.bmp", "pics/Notes.TXT",
                                 "pics/README", "pics/archive.zip", "pics/.hidden.jpg", "pics/sub/x.png",
                                 "pics/.cache/y"})
            tree_.WriteText(std::string("home/") + name, "data");
        tree_.MakeFolder("home/pics/Album 10");
        tree_.MakeFolder("home/pics/album 9");
        fs::create_directory_symlink("sub", tree_.Path("home/pics/linked"));
        fs::create_symlink("missing-target", tree_.Path("home/pics/broken.jpg"));
        fs::create_symlink("loop", tree_.Path("home/pics/loop"));
    }
    TItemIdList pics_ = HomeItem({"pics"});
};

} // namespace

TEST_F(ShellNamespaceTest, DesktopHoldsHomeTheDesktopFolderAndTheComputer)
{
    std::vector<TShellItem> items = shell_.Enumerate(TShellNamespace::Desktop(), otFolders | otNonFolders);
    shell_.SortForDisplay(TShellNamespace::Desktop(), items);
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].name, "Home");
    EXPECT_EQ(items[0].icon, TShellIconKind::Home);
    EXPECT_EQ(items[0].attributes, saFolder | saFileSystem);
    EXPECT_EQ(items[1].name, "Desktop");
    EXPECT_EQ(items[1].icon, TShellIconKind::Desktop);
    EXPECT_EQ(items[2].name, "Computer");
    EXPECT_EQ(items[2].attributes, saFolder);
    EXPECT_TRUE(shell_.Enumerate(TShellNamespace::Desktop(), otNonFolders).empty());

    EXPECT_EQ(shell_.PathOf(TShellNamespace::Home()), tree_.Home());
    EXPECT_EQ(shell_.PathOf(TShellNamespace::DesktopFolder()), tree_.Path("home/Desktop"));
    EXPECT_EQ(shell_.PathOf(TShellNamespace::Computer()), "");
    EXPECT_EQ(shell_.DisplayName(TShellNamespace::Desktop(), TShellNameKind::Normal), "Desktop");
    EXPECT_TRUE(shell_.HasSubfolders(TShellNamespace::Desktop()));
}

TEST_F(ShellNamespaceTest, DesktopFolderIsLeftOutWhenMissingOrTheHomeItself)
{
    {
        SCOPED_TRACE("named in user-dirs.dirs, not created");
        tree_.WriteText("home/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n");
        EXPECT_EQ(Names(TShellNamespace::Desktop(), otFolders), (std::vector<std::string>{"Home", "Computer"}));
        EXPECT_EQ(ErrorOf([&] { shell_.RootFolder(TRootFolder::rfDesktopDirectory); }),
                  "Error setting path: \"rfDesktopDirectory\"");
        EXPECT_THROW(shell_.PathOf(TShellNamespace::DesktopFolder()), EShellError);
    }
    {
        SCOPED_TRACE("created");
        tree_.MakeFolder("home/桌面");
        EXPECT_EQ(Names(TShellNamespace::Desktop(), otFolders),
                  (std::vector<std::string>{"Home", "桌面", "Computer"}));
        EXPECT_EQ(shell_.RootFolder(TRootFolder::rfDesktopDirectory), TShellNamespace::DesktopFolder());
    }
    {
        SCOPED_TRACE("the desktop is the home folder");
        tree_.WriteText("home/.config/user-dirs.dirs", "XDG_DESKTOP_DIR=\"$HOME/\"\n");
        EXPECT_EQ(Names(TShellNamespace::Desktop(), otFolders), (std::vector<std::string>{"Home", "Computer"}));
    }
    {
        SCOPED_TRACE("no user-dirs.dirs: the usual Desktop folder");
        fs::remove(tree_.Path("home/.config/user-dirs.dirs"));
        EXPECT_EQ(shell_.DesktopDirectory(), tree_.Path("home/Desktop"));
    }
}

TEST_F(ShellNamespaceTest, ComputerListsTheRootAndTheMountedVolumes)
{
    std::vector<TShellItem> items = shell_.Enumerate(TShellNamespace::Computer(), otFolders);
    shell_.SortForDisplay(TShellNamespace::Computer(), items);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0].id, "/");
    EXPECT_EQ(items[0].name, "File System");
    EXPECT_EQ(items[1].id, tree_.Path("media/usb stick"));
    EXPECT_EQ(items[1].name, "usb stick");
    for (const TShellItem& item : items) {
        EXPECT_EQ(item.icon, TShellIconKind::Drive);
        EXPECT_EQ(item.attributes, saFolder | saFileSystem);
    }
    TItemIdList usb = TShellNamespace::Computer().Child(tree_.Path("media/usb stick"));
    EXPECT_EQ(shell_.DisplayName(usb, TShellNameKind::InFolder), "usb stick");
    EXPECT_EQ(shell_.DisplayName(usb, TShellNameKind::ForParsing), tree_.Path("media/usb stick"));
    EXPECT_EQ(shell_.Describe(usb).name, "usb stick");
    EXPECT_EQ(shell_.DisplayName(TShellNamespace::Computer(), TShellNameKind::InFolder), "Computer");
}

TEST_F(ShellNamespaceTest, PathsResolveBelowTheClosestAnchor)
{
    tree_.WriteText("home/Desktop/note.txt", "x");
    tree_.WriteText("home/a/b.jpg", "x");
    tree_.WriteText("media/usb stick/DCIM/1.jpg", "x");
    tree_.WriteText("elsewhere/c.bmp", "x");
    TItemIdList usb = TShellNamespace::Computer().Child(tree_.Path("media/usb stick"));
    TItemIdList fileSystem = TShellNamespace::Computer().Child("/");
    struct Case {
        std::string path;
        TItemIdList expected;
    } cases[] = {
        {tree_.Path("home/a/b.jpg"), HomeItem({"a", "b.jpg"})},
        {tree_.Path("home/a/./../a//b.jpg/"), HomeItem({"a", "b.jpg"})},
        {tree_.Home(), TShellNamespace::Home()},
        {tree_.Path("home/Desktop/note.txt"), TShellNamespace::DesktopFolder().Child("note.txt")},
        {tree_.Path("media/usb stick/DCIM/1.jpg"), usb.Child("DCIM").Child("1.jpg")},
        {tree_.Path("media/usb stick"), usb},
        {"/", fileSystem},
        {"/..", fileSystem},
        {"::{Desktop}", TShellNamespace::Desktop()},
        {"::{Computer}", TShellNamespace::Computer()},
        {"::{Home}", TShellNamespace::Home()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(shell_.ParsePath(c.path), c.expected);
        EXPECT_EQ(shell_.Resolve(c.path), c.expected);
    }
    TItemIdList elsewhere = shell_.ParsePath(tree_.Path("elsewhere/c.bmp"));
    EXPECT_EQ(elsewhere.Parts().front(), "::{Computer}");
    EXPECT_EQ(elsewhere.Parts()[1], "/");
    EXPECT_EQ(elsewhere.Last(), "c.bmp");
    EXPECT_EQ(shell_.PathOf(elsewhere), tree_.Path("elsewhere/c.bmp"));
}

TEST_F(ShellNamespaceTest, ParsingNamesRoundTripForEveryKindOfItem)
{
    tree_.WriteText("home/a/b.jpg", "x");
    std::vector<TItemIdList> ids = {TShellNamespace::Desktop(), TShellNamespace::Computer(), TShellNamespace::Home(),
                                    TShellNamespace::DesktopFolder(), HomeItem({"a"}), HomeItem({"a", "b.jpg"}),
                                    TShellNamespace::Computer().Child("/"),
                                    TShellNamespace::Computer().Child(tree_.Path("media/usb stick"))};
    for (const TItemIdList& id : ids) {
        std::string parsing = shell_.DisplayName(id, TShellNameKind::ForParsing);
        SCOPED_TRACE(parsing);
        EXPECT_EQ(shell_.ParsePath(parsing), id);
    }
    EXPECT_EQ(shell_.DisplayName(TShellNamespace::Desktop(), TShellNameKind::ForParsing), "::{Desktop}");
    EXPECT_EQ(shell_.DisplayName(TShellNamespace::Computer(), TShellNameKind::ForParsing), "::{Computer}");
}

TEST_F(ShellNamespaceTest, UnresolvablePathsGiveTheSetPathError)
{
    fs::create_symlink("nowhere", tree_.Path("home/dangling"));
    fs::create_symlink("self", tree_.Path("home/self"));
    for (std::string path : {tree_.Path("missing"), std::string("relative/path"), std::string(""),
                             tree_.Path("home/dangling"), tree_.Path("home/self"), std::string("::{Nothing}"),
                             std::string("rfdesktop")}) {
        SCOPED_TRACE(path);
        EXPECT_EQ(ErrorOf([&] { shell_.Resolve(path); }), "Error setting path: \"" + path + "\"");
    }
    try {
        shell_.ParsePath(tree_.Path("missing"));
    } catch (const EShellError& e) {
        EXPECT_EQ(e.Reason(), "No such file or directory");
    }
}

TEST_F(ShellNamespaceTest, RootNamesMapToTheirLinuxCounterparts)
{
    for (const char* folder : {"home/.local/share/Trash/files", "home/.local/share/fonts",
                               "home/.local/share/applications", "home/.config/autostart", "home/Templates",
                               "usr/share/applications", "etc/xdg/autostart"})
        tree_.MakeFolder(folder);
    struct Case {
        const char* root;
        std::string path; // empty: no counterpart
    } cases[] = {
        {"rfDesktop", ""},
        {"rfMyComputer", ""},
        {"rfPersonal", tree_.Home()},
        {"rfDesktopDirectory", tree_.Path("home/Desktop")},
        {"rfAppData", tree_.Path("home/.config")},
        {"rfRecycleBin", tree_.Path("home/.local/share/Trash/files")},
        {"rfFonts", tree_.Path("home/.local/share/fonts")},
        {"rfPrograms", tree_.Path("home/.local/share/applications")},
        {"rfStartMenu", tree_.Path("home/.local/share/applications")},
        {"rfStartup", tree_.Path("home/.config/autostart")},
        {"rfTemplates", tree_.Path("home/Templates")},
        {"rfCommonPrograms", tree_.Path("usr/share/applications")},
        {"rfCommonStartMenu", tree_.Path("usr/share/applications")},
        {"rfCommonStartup", tree_.Path("etc/xdg/autostart")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.root);
        EXPECT_EQ(shell_.PathOf(shell_.Resolve(c.root)), c.path);
    }
    EXPECT_EQ(shell_.Resolve("rfDesktop"), TShellNamespace::Desktop());
    EXPECT_EQ(shell_.Resolve("rfMyComputer"), TShellNamespace::Computer());
    for (const char* root : {"rfNetwork", "rfCommonDesktopDirectory", "rfControlPanel", "rfFavorites", "rfInternet",
                             "rfPrinters", "rfPrintHood", "rfRecent", "rfSendTo"}) {
        SCOPED_TRACE(root);
        EXPECT_EQ(ErrorOf([&] { shell_.Resolve(root); }), std::string("Error setting path: \"") + root + "\"");
    }
    fs::remove_all(tree_.Path("home/.local"));
    EXPECT_EQ(ErrorOf([&] { shell_.Resolve("rfFonts"); }), "Error setting path: \"rfFonts\"");
}

TEST_F(ShellFolderTest, EnumeratesByObjectTypes)
{
    EXPECT_EQ(Names(pics_, otFolders), (std::vector<std::string>{"album 9", "Album 10", "linked", "sub"}));
    EXPECT_EQ(Names(pics_, otNonFolders),
              (std::vector<std::string>{"a.jpeg", "archive.zip", "b.JPG", "file2.bmp", "file10.bmp", "Notes.TXT",
                                        "README"}));
    EXPECT_EQ(Names(pics_, otFolders | otNonFolders | otHidden),
              (std::vector<std::string>{".cache", "album 9", "Album 10", "linked", "sub", ".hidden.jpg", "a.jpeg",
                                        "archive.zip", "b.JPG", "file2.bmp", "file10.bmp", "Notes.TXT", "README"}));
    EXPECT_EQ(Names(pics_, otHidden), std::vector<std::string>{});
}

TEST_F(ShellFolderTest, ItemsCarryAttributesAndIcons)
{
    std::vector<TShellItem> items = shell_.Enumerate(pics_, otFolders | otNonFolders | otHidden);
    struct Case {
        const char* name;
        uint8_t attributes;
        TShellIconKind icon;
    } cases[] = {
        {"sub", saFolder | saFileSystem, TShellIconKind::Folder},
        {"linked", saFolder | saFileSystem | saLink, TShellIconKind::Folder},
        {".cache", saFolder | saFileSystem | saHidden, TShellIconKind::Folder},
        {"b.JPG", saFileSystem, TShellIconKind::PictureFile},
        {"a.jpeg", saFileSystem, TShellIconKind::PictureFile},
        {".hidden.jpg", saFileSystem | saHidden, TShellIconKind::PictureFile},
        {"archive.zip", saFileSystem, TShellIconKind::OtherFile},
        {"README", saFileSystem, TShellIconKind::OtherFile},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TShellItem& item = Find(items, c.name);
        EXPECT_EQ(item.id, c.name);
        EXPECT_EQ(int(item.attributes), int(c.attributes));
        EXPECT_EQ(item.icon, c.icon);
        TShellItem described = shell_.Describe(pics_.Child(c.name));
        EXPECT_EQ(described.attributes, item.attributes);
        EXPECT_EQ(described.name, item.name);
    }
    // Broken links and link loops cannot be opened: they are not listed at all.
    EXPECT_THROW(Find(items, "broken.jpg"), std::runtime_error);
    EXPECT_THROW(Find(items, "loop"), std::runtime_error);
    EXPECT_THROW(shell_.Describe(pics_.Child("broken.jpg")), EShellError);
}

TEST_F(ShellFolderTest, ParentsAndSubfolderMarkers)
{
    TItemIdList file = pics_.Child("sub").Child("x.png");
    EXPECT_EQ(file.Parent(), pics_.Child("sub"));
    EXPECT_EQ(file.Parent().Parent().Parent(), TShellNamespace::Home());
    EXPECT_EQ(TShellNamespace::Home().Parent(), TShellNamespace::Desktop());
    EXPECT_EQ(TShellNamespace::Desktop().Parent(), TShellNamespace::Desktop());
    EXPECT_EQ(TShellNamespace::Computer().Child("/").Parent(), TShellNamespace::Computer());
    EXPECT_EQ(file.Level(), 4);
    EXPECT_TRUE(pics_.Contains(file));
    EXPECT_FALSE(file.Contains(pics_));
    EXPECT_EQ(shell_.PathOf(file.Parent()), tree_.Path("home/pics/sub"));

    EXPECT_TRUE(shell_.HasSubfolders(pics_));
    EXPECT_FALSE(shell_.HasSubfolders(pics_.Child("sub")));
    tree_.MakeFolder("home/only-hidden/.git");
    EXPECT_FALSE(shell_.HasSubfolders(HomeItem({"only-hidden"})));
    EXPECT_TRUE(shell_.HasSubfolders(HomeItem({"only-hidden"}), true));
    EXPECT_FALSE(shell_.HasSubfolders(HomeItem({"no-such-folder"})));
}

TEST_F(ShellFolderTest, RenamesWithoutEverReplacing)
{
    TItemIdList renamed = shell_.Rename(pics_.Child("README"), "README.txt");
    EXPECT_EQ(renamed, pics_.Child("README.txt"));
    EXPECT_TRUE(fs::exists(tree_.Path("home/pics/README.txt")));
    EXPECT_FALSE(fs::exists(tree_.Path("home/pics/README")));
    EXPECT_EQ(shell_.Rename(renamed, "README.txt"), renamed);

    tree_.WriteText("home/pics/keep.txt", "precious");
    for (std::string newName : {"keep.txt", "", "..", ".", "a/b", "sub"}) {
        SCOPED_TRACE(newName);
        EXPECT_EQ(ErrorOf([&] { shell_.Rename(renamed, newName); }), "Rename to " + newName + " failed");
    }
    EXPECT_EQ(fs::file_size(tree_.Path("home/pics/keep.txt")), 8u);
    EXPECT_TRUE(fs::exists(tree_.Path("home/pics/README.txt")));
    EXPECT_EQ(ErrorOf([&] { shell_.Rename(pics_.Child("gone"), "x"); }), "Rename to x failed");
    EXPECT_EQ(ErrorOf([&] { shell_.Rename(pics_.Child("gone"), "gone"); }), "Rename to gone failed");
    for (const TItemIdList& fixed : {TShellNamespace::Home(), TShellNamespace::Computer(), TShellNamespace::Desktop(),
                                     TShellNamespace::Computer().Child("/")})
        EXPECT_THROW(shell_.Rename(fixed, "other"), EShellError);
}

TEST_F(ShellFolderTest, CreatesFoldersOnlyWhereThereIsRoom)
{
    TItemIdList created = shell_.CreateFolder(pics_, "New Folder");
    EXPECT_EQ(created, pics_.Child("New Folder"));
    EXPECT_TRUE(shell_.Describe(created).IsFolder());
    for (std::string name : {"New Folder", "a.jpeg", "", "..", "x/y"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(shell_.CreateFolder(pics_, name), EFileError);
    }
    try {
        shell_.CreateFolder(pics_.Child("missing"), "x");
        FAIL() << "created a folder in a missing folder";
    } catch (const EFileError& e) {
        EXPECT_EQ(std::string(e.what()),
                  "Cannot create folder \"" + tree_.Path("home/pics/missing/x") + "\": No such file or directory");
    }
    EXPECT_THROW(shell_.CreateFolder(TShellNamespace::Computer(), "x"), EShellError);
}

TEST_F(ShellFolderTest, UnreadableAndVanishedFoldersGiveErrorsNamingThePath)
{
    std::string gone = tree_.Path("home/pics/sub");
    fs::remove_all(gone);
    EXPECT_EQ(ErrorOf([&] { shell_.Enumerate(pics_.Child("sub"), otFolders); }),
              "Cannot read folder \"" + gone + "\": No such file or directory");
    EXPECT_THROW(shell_.Describe(pics_.Child("sub")), EShellError);
    std::string file = tree_.Path("home/pics/a.jpeg");
    EXPECT_EQ(ErrorOf([&] { shell_.Enumerate(pics_.Child("a.jpeg"), otFolders); }),
              "Cannot read folder \"" + file + "\": Not a directory");

    if (test::RunningAsRoot()) GTEST_SKIP() << "permissions do not restrict root";
    tree_.MakeFolder("home/pics/locked/inner");
    ::chmod(tree_.Path("home/pics/locked").c_str(), 0);
    EXPECT_EQ(ErrorOf([&] { shell_.Enumerate(pics_.Child("locked"), otFolders); }),
              "Cannot read folder \"" + tree_.Path("home/pics/locked") + "\": Permission denied");
    EXPECT_FALSE(shell_.HasSubfolders(pics_.Child("locked")));
    // The folder itself is still listed in its parent.
    EXPECT_NO_THROW(Find(shell_.Enumerate(pics_, otFolders), "locked"));
}

TEST_F(ShellNamespaceTest, MalformedIdentitiesAreRefused)
{
    for (const TItemIdList& id :
         {TItemIdList({"bogus"}), HomeItem({".."}), HomeItem({"a/b"}), HomeItem({""}),
          TItemIdList({"::{Computer}", "relative"}), TItemIdList({"::{Computer}", "/a/../b"})}) {
        EXPECT_THROW(shell_.PathOf(id), EShellError);
        EXPECT_THROW(shell_.Enumerate(id, otFolders), EShellError);
    }
}
