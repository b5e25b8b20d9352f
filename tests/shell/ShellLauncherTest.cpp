#include "shell/ShellLauncher.h"
#include "shell/ShellNamespace.h"

#include "ShellTestTree.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

using namespace tavrik;

namespace {

// Waits for a file the launched program writes; the program runs on its own, so there is no
// other way to learn that it ran. The bound only keeps a broken launch from hanging the test.
std::string AwaitFile(const std::string& path)
{
    for (int i = 0; i < 2000 && !std::filesystem::exists(path); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

TEST(ShellLauncher, OpensTheAddressDetachedWithTheConfiguredCommand)
{
    test::TShellTestTree tree;
    std::string report = tree.Path("report"), temp = tree.Path("report.part");
    // Records its arguments, where its standard input comes from and its session, then
    // publishes the report in one rename.
    std::string script = "{ printf '%s|' \"$@\"; echo; readlink /proc/$$/fd/0; readlink /proc/$$/fd/2;"
                         " cut -d' ' -f6 /proc/$$/stat; } > '" + temp + "'; mv '" + temp + "' '" + report + "'";
    TShellEnvironment env = tree.Environment();
    env.openCommand = {"sh", "-c", script, "probe", "--first"};
    TShellNamespace shell(env);
    ASSERT_TRUE(shell.OpenAddress("http://www.example.com/a b?x=1&y='2'"));

    std::istringstream lines(AwaitFile(report));
    std::string args, input, errors, session;
    std::getline(lines, args);
    std::getline(lines, input);
    std::getline(lines, errors);
    std::getline(lines, session);
    EXPECT_EQ(args, "--first|http://www.example.com/a b?x=1&y='2'|");
    EXPECT_EQ(input, "/dev/null");
    EXPECT_EQ(errors, "/dev/null");
    EXPECT_NE(session, std::to_string(::getsid(0)));
}

TEST(ShellLauncher, RefusesWhatCannotBeOpenedSafely)
{
    std::vector<std::string> command = {"true"};
    std::string path = "/usr/bin:/bin";
    EXPECT_FALSE(ShellOpen("", command, path));
    EXPECT_FALSE(ShellOpen("--help", command, path));
    EXPECT_FALSE(ShellOpen(std::string_view("a\0b", 3), command, path));
    EXPECT_FALSE(ShellOpen("http://x", {}, path));
    EXPECT_FALSE(ShellOpen("http://x", {"no-such-program-here"}, path));
    EXPECT_FALSE(LaunchDetached({}, path));
    EXPECT_TRUE(ShellOpen("http://x", command, path));
}

TEST(ShellLauncher, FindsProgramsAlongTheSearchPath)
{
    test::TShellTestTree tree;
    tree.WriteText("bin1/tool", "#!/bin/sh\n");
    tree.WriteText("bin2/tool", "#!/bin/sh\n");
    std::filesystem::permissions(tree.Path("bin2/tool"), std::filesystem::perms::owner_exec,
                                 std::filesystem::perm_options::add);
    std::string search = tree.Path("missing") + "::" + tree.Path("bin1") + ":" + tree.Path("bin2");
    EXPECT_EQ(FindExecutable("tool", search), tree.Path("bin2/tool"));
    EXPECT_EQ(FindExecutable("sh", "/bin"), "/bin/sh");
    EXPECT_EQ(FindExecutable("/bin/sh", ""), "/bin/sh");
    EXPECT_EQ(FindExecutable("nothing-like-this", search), "");
    EXPECT_EQ(FindExecutable("", search), "");
}
