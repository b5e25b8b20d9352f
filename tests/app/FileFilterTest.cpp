#include "app/FileFilter.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

TEST(FileFilterTest, ReadsTheOpenDialogsFilter)
{
    auto entries = ParseFileFilter("All (*.jpg;*.jpeg;*.bmp;)|*.jpg;*.jpeg;*.bmp;|JPEG Image File (*.jpg)|*.jpg|"
                                   "JPEG Image File (*.jpeg)|*.jpeg|Bitmaps (*.bmp)|*.bmp|");
    ASSERT_EQ(entries.size(), 4u);
    EXPECT_EQ(entries[0].description, "All (*.jpg;*.jpeg;*.bmp;)");
    EXPECT_EQ(entries[0].masks, (std::vector<std::string>{"*.jpg", "*.jpeg", "*.bmp"}));
    EXPECT_EQ(entries[3].description, "Bitmaps (*.bmp)");
    EXPECT_EQ(entries[3].masks, std::vector<std::string>{"*.bmp"});
}

TEST(FileFilterTest, ReadsTheSaveDialogsFilterAndOddShapes)
{
    auto save = ParseFileFilter("*.jpg|*.JPG|*.bmp|*.BMP|");
    ASSERT_EQ(save.size(), 2u);
    EXPECT_EQ(save[0].description, "*.jpg");
    EXPECT_EQ(save[0].masks, std::vector<std::string>{"*.JPG"});
    EXPECT_EQ(save[1].masks, std::vector<std::string>{"*.BMP"});
    EXPECT_TRUE(ParseFileFilter("").empty());
    auto noMasks = ParseFileFilter("Everything");
    ASSERT_EQ(noMasks.size(), 1u);
    EXPECT_TRUE(noMasks[0].masks.empty());
    EXPECT_TRUE(MatchesFilter("anything.at.all", noMasks[0]));
    EXPECT_FALSE(MatchesFilter("cat.png", save[0]));
    EXPECT_TRUE(MatchesFilter("cat.jpg", save[0]));
}

TEST(FileFilterTest, MasksMatchLikeTheShellDoes)
{
    struct TCase {
        const char* name;
        const char* mask;
        bool match;
    };
    for (TCase c : {TCase{"photo.JPG", "*.jpg", true}, TCase{"photo.jpg", "*.JPG", true},
                    TCase{"photo.jpeg", "*.jpg", false}, TCase{"photo.jpg.bak", "*.jpg", false},
                    TCase{"a.b.jpg", "*.jpg", true}, TCase{".jpg", "*.jpg", true}, TCase{"jpg", "*.jpg", false},
                    TCase{"img1.bmp", "img?.bmp", true}, TCase{"img12.bmp", "img?.bmp", false},
                    TCase{"", "*", true}, TCase{"x", "", false}, TCase{"aaa", "*a*a*a*", true},
                    TCase{"abcabd", "*abd", true}, TCase{"ab", "a**b", true}}) {
        SCOPED_TRACE(std::string(c.name) + " ~ " + c.mask);
        EXPECT_EQ(MatchesMask(c.name, c.mask), c.match);
    }
}

} // namespace
} // namespace tavrik
