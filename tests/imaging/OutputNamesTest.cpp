#include "imaging/OutputNames.h"

#include <gtest/gtest.h>

using namespace tavrik;

TEST(OutputNames, BatchOutputName)
{
    EXPECT_EQ(BatchOutputName("/out", "/pics/cat.bmp"), "/out/Yarro_cat.jpg");
    EXPECT_EQ(BatchOutputName("/out", "/pics/shot"), "/out/Yarro_shot.jpg");
    EXPECT_EQ(BatchOutputName("/out", "/a/b.tar.jpeg"), "/out/Yarro_b.tar.jpg");
    // The folder is used as typed; the doubled slash names the same file.
    EXPECT_EQ(BatchOutputName("/", "/pics/cat.bmp"), "//Yarro_cat.jpg");
    EXPECT_EQ(BatchOutputName("/out/", "cat.JPG"), "/out//Yarro_cat.jpg");
    // A dot in a folder name is not an extension.
    EXPECT_EQ(BatchOutputName("/out", "/pics.d/cat"), "/out/Yarro_cat.jpg");
    EXPECT_EQ(BatchOutputName("/out", "/pics/cat."), "/out/Yarro_cat.jpg");
    EXPECT_EQ(BatchOutputName("", "cat.bmp"), "/Yarro_cat.jpg");
    EXPECT_EQ(BatchOutputName("/输出", "/图片/猫.bmp"), "/输出/Yarro_猫.jpg");
}

TEST(OutputNames, SaveAsReplacesTheExtension)
{
    EXPECT_EQ(SaveAsFileName("/home/u/photo.png", ".jpg"), "/home/u/photo.jpg");
    EXPECT_EQ(SaveAsFileName("/home/u/photo", ".jpg"), "/home/u/photo.jpg");
    EXPECT_EQ(SaveAsFileName("/home/u/a.b.c", ".bmp"), "/home/u/a.b.bmp");
    EXPECT_EQ(SaveAsFileName("/home/u.v/photo", ".bmp"), "/home/u.v/photo.bmp");
    EXPECT_EQ(SaveAsFileName("/home/u/photo.JPG", ".jpg"), "/home/u/photo.jpg");
}
