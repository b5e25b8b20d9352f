#include "core/FileName.h"
#include "core/Utf8.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(Utf8, DecodesAndEncodesChineseText)
{
    std::string text = "图片处理";
    EXPECT_EQ(Utf8Length(text), 4u);
    EXPECT_EQ(Utf32ToUtf8(Utf8ToUtf32(text)), text);
    size_t pos = 0;
    EXPECT_EQ(Utf8Next(text, pos), U'图');
    EXPECT_EQ(pos, 3u);
    EXPECT_EQ(Utf8Prev(text, 6), 3u);
}

TEST(Utf8, MalformedBytesStepOneAtATime)
{
    std::string bad = "a\xE5\x9B" "b\xFF";
    size_t pos = 1;
    EXPECT_EQ(Utf8Next(bad, pos), U'\xFFFD');
    EXPECT_EQ(pos, 2u);
    EXPECT_EQ(Utf8Length(bad), 5u);
    EXPECT_EQ(Utf8Prev(bad, 3), 2u);
    std::string overlong = "\xC0\x80";
    EXPECT_EQ(Utf8Length(overlong), 2u);
}

TEST(FileName, SplitsPosixPathsAndReplacesExtensions)
{
    EXPECT_EQ(ExtractFileName("/pics/cat.bmp"), "cat.bmp");
    EXPECT_EQ(ExtractFileDir("/pics/cat.bmp"), "/pics");
    EXPECT_EQ(ExtractFileDir("/cat.bmp"), "/");
    EXPECT_EQ(ExtractFileDir("cat.bmp"), "");
    EXPECT_EQ(ExtractFileExt("/a.b/c"), "");
    EXPECT_EQ(ExtractFileExt("/a/b.tar.jpeg"), ".jpeg");
    EXPECT_EQ(ChangeFileExt("/a/b.tar.jpeg", ".jpg"), "/a/b.tar.jpg");
    EXPECT_EQ(ChangeFileExt("/a.d/shot", ".jpg"), "/a.d/shot.jpg");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/out"), "/out/");
    EXPECT_EQ(IncludeTrailingPathDelimiter("/"), "/");
}
