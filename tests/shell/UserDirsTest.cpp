#include "shell/UserDirs.h"

#include "ShellTestTree.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(UserDirs, ReadsTheValueForms)
{
    const std::string home = "/home/anna";
    struct Case {
        const char* text;
        const char* expected;
    } cases[] = {
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop\"", "/home/anna/Desktop"},
        {"  XDG_DESKTOP_DIR = \"$HOME/桌面/\"  ", "/home/anna/桌面"},
        {"XDG_DESKTOP_DIR=\"/srv/desk\"", "/srv/desk"},
        {"XDG_DESKTOP_DIR=\"$HOME/My \\\"Desk\\\"\"", "/home/anna/My \"Desk\""},
        {"XDG_DESKTOP_DIR=\"$HOME/\"", "/home/anna"},
        {"XDG_DESKTOP_DIR=\"$HOME\"", "/home/anna"},
        {"XDG_DESKTOP_DIR=\"$HOMEWORK\"", "fallback"},
        {"XDG_DESKTOP_DIR=\"Desktop\"", "fallback"},
        {"XDG_DESKTOP_DIR=$HOME/Desktop", "fallback"},
        {"XDG_DESKTOP_DIR=\"$HOME/Desktop", "fallback"},
        {"XDG_DESKTOP_DIR=\"$HOME/a\" trailing", "fallback"},
        {"# XDG_DESKTOP_DIR=\"$HOME/Commented\"", "fallback"},
        {"XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"", "fallback"},
        {"XDG_DESKTOP_DIR=\"$HOME/First\"\nXDG_DESKTOP_DIR=\"$HOME/Second\"\n", "/home/anna/Second"},
        {"XDG_DESKTOP_DIR=\"$HOME/Good\"\r\nXDG_DESKTOP_DIR=bad\r\n", "/home/anna/Good"},
        {"", "fallback"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(UserDirFromText(c.text, "DESKTOP", home, "fallback"), c.expected);
    }
}

TEST(UserDirs, ReadsTheFileOrFallsBack)
{
    test::TShellTestTree tree;
    tree.WriteText("home/.config/user-dirs.dirs", "XDG_TEMPLATES_DIR=\"$HOME/Vorlagen\"\n");
    std::string config = tree.Path("home/.config");
    EXPECT_EQ(ReadUserDir(config, "TEMPLATES", "/h", "none"), "/h/Vorlagen");
    EXPECT_EQ(ReadUserDir(config, "DESKTOP", "/h", "none"), "none");
    EXPECT_EQ(ReadUserDir(tree.Path("missing"), "TEMPLATES", "/h", "none"), "none");
}
