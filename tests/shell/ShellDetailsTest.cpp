#include "shell/ShellDetails.h"
#include "shell/ShellError.h"
#include "shell/ShellNamespace.h"

#include "ShellTestTree.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>

using namespace tavrik;

namespace {

// Sets a file's modification time to a local date and time; returns that time.
std::time_t SetModified(const std::string& path, int year, int month, int day, int hour, int minute)
{
    std::tm local{};
    local.tm_year = year - 1900, local.tm_mon = month - 1, local.tm_mday = day;
    local.tm_hour = hour, local.tm_min = minute, local.tm_sec = 59;
    local.tm_isdst = -1;
    std::time_t when = std::mktime(&local);
    timespec times[2] = {{when, 0}, {when, 0}};
    ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    return when;
}

} // namespace

TEST(ShellDetails, ColumnsOfFileSystemAndVirtualFolders)
{
    std::vector<TShellColumn> expected = {
        {"Name", TShellColumnAlignment::Left, 25},
        {"Size", TShellColumnAlignment::Right, 10},
        {"Type", TShellColumnAlignment::Left, 10},
        {"Modified", TShellColumnAlignment::Left, 14},
    };
    test::TShellTestTree tree;
    TShellNamespace shell(tree.Environment());
    EXPECT_EQ(shell.Columns(TShellNamespace::Home()), expected);
    EXPECT_EQ(shell.Columns(TShellNamespace::Computer().Child("/")), expected);
    std::vector<TShellColumn> nameOnly = {{"Name", TShellColumnAlignment::Left, 25}};
    EXPECT_EQ(shell.Columns(TShellNamespace::Desktop()), nameOnly);
    EXPECT_EQ(shell.Columns(TShellNamespace::Computer()), nameOnly);
}

TEST(ShellDetails, TextsOfFilesFoldersAndSpecialItems)
{
    test::TShellTestTree tree;
    TShellNamespace shell(tree.Environment());
    tree.WriteText("home/Photo.Final.JPG", std::string(123456, 'x'));
    tree.WriteText("home/empty", "");
    tree.MakeFolder("home/album.2024");
    SetModified(tree.Path("home/Photo.Final.JPG"), 2024, 3, 5, 9, 7);
    SetModified(tree.Path("home/empty"), 1999, 12, 31, 23, 59);
    SetModified(tree.Path("home/album.2024"), 2010, 1, 2, 0, 0);
    using Texts = std::vector<std::string>;
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Home().Child("Photo.Final.JPG")),
              (Texts{"Photo.Final.JPG", "123456", ".JPG", "2024-03-05 09:07"}));
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Home().Child("empty")), (Texts{"empty", "0", "", "1999-12-31 23:59"}));
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Home().Child("album.2024")),
              (Texts{"album.2024", "", "", "2010-01-02 00:00"}));
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Home()), Texts{"Home"});
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Computer().Child("/")), Texts{"File System"});
    EXPECT_EQ(shell.DetailTexts(TShellNamespace::Desktop()), Texts{"Desktop"});
}

TEST(ShellDetails, VanishedItemsReportTheErrorCode)
{
    test::TShellTestTree tree;
    TShellNamespace shell(tree.Environment());
    try {
        shell.DetailTexts(TShellNamespace::Home().Child("gone.jpg"));
        FAIL() << "details of a missing file";
    } catch (const EShellError& e) {
        EXPECT_STREQ(e.what(), "Unable to retrieve folder details for \"gone.jpg\". Error code $00000002");
    }
}

TEST(ShellDetails, FormatsSizesAndDates)
{
    EXPECT_EQ(FormatFileSize(0), "0");
    EXPECT_EQ(FormatFileSize(18446744073709551615ull), "18446744073709551615");
    std::tm t{};
    t.tm_year = 2000 - 1900, t.tm_mon = 1, t.tm_mday = 29, t.tm_hour = 13, t.tm_min = 5, t.tm_sec = 42;
    EXPECT_EQ(FormatModified(t), "2000-02-29 13:05");
    t.tm_year = 10000 - 1900;
    EXPECT_EQ(FormatModified(t), "10000-02-29 13:05");
}
