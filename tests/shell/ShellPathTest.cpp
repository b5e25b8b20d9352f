#include "shell/ShellPath.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(ShellPath, NormalisesAbsolutePathsLexically)
{
    struct Case {
        const char* path;
        const char* expected;
    } cases[] = {
        {"/", "/"},          {"//", "/"},          {"/a/b/", "/a/b"},   {"/a//b/./c", "/a/b/c"},
        {"/a/b/../c", "/a/c"}, {"/../..", "/"},    {"/a/..", "/"},      {"/a/...", "/a/..."},
        {"/.hidden/.", "/.hidden"}, {"", ""},      {"a/b", ""},         {"./a", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(NormaliseAbsolutePath(c.path), c.expected);
    }
}

TEST(ShellPath, ComparesFoldersPartByPart)
{
    EXPECT_TRUE(IsPathUnder("/a/b", "/a/b"));
    EXPECT_TRUE(IsPathUnder("/a/b/c", "/a/b"));
    EXPECT_FALSE(IsPathUnder("/a/bc", "/a/b"));
    EXPECT_FALSE(IsPathUnder("/a", "/a/b"));
    EXPECT_TRUE(IsPathUnder("/anything", "/"));
    EXPECT_TRUE(IsPathUnder("/", "/"));
    EXPECT_EQ(JoinPath("/", "x"), "/x");
    EXPECT_EQ(JoinPath("/a", "x"), "/a/x");
    EXPECT_EQ(JoinPath("/a/", "x"), "/a/x");
}
