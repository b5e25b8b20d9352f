#include "shell/NaturalCompare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

using namespace tavrik;

namespace {

bool Before(const std::string& a, const std::string& b) { return CompareNatural(a, b) < 0; }

} // namespace

TEST(NaturalCompare, SortsAsAPersonExpects)
{
    std::vector<std::string> expected = {
        "",        "1.jpg",        "2.jpg",      "10.jpg",      "_notes",  "file",    "File.txt",
        "file1",   "file2",        "File02b",    "file10",      "file10a", "file10b", "file100",
        "IMG_0009.JPG", "img_10.jpg", "IMG_011.jpg", "photo 7", "Photo 8.bmp",
        "x99999999999999999999", "x100000000000000000000",
    };
    std::vector<std::string> shuffled(expected.rbegin(), expected.rend());
    std::rotate(shuffled.begin(), shuffled.begin() + 7, shuffled.end());
    std::sort(shuffled.begin(), shuffled.end(), Before);
    EXPECT_EQ(shuffled, expected);
}

TEST(NaturalCompare, IsATotalOrderThatOnlyEqualNamesTie)
{
    std::vector<std::string> names = {"a",  "A",   "a1", "a01", "a001", "A01", "a1b", "a01b", "b",
                                      "0",  "00",  "",   "Z",   "z",    "10",  "010", "a.b", "a b"};
    for (const std::string& a : names)
        for (const std::string& b : names) {
            SCOPED_TRACE(a + " | " + b);
            int ab = CompareNatural(a, b), ba = CompareNatural(b, a);
            EXPECT_EQ(ab == 0, a == b);
            EXPECT_EQ(ab < 0, ba > 0);
            for (const std::string& c : names)
                if (ab < 0 && CompareNatural(b, c) < 0) {
                    EXPECT_LT(CompareNatural(a, c), 0) << c;
                }
        }
    // Case and leading zeros only break ties: they never beat a real difference.
    EXPECT_LT(CompareNatural("A01", "a2"), 0);
    EXPECT_GT(CompareNatural("a001", "a1"), 0);
    EXPECT_LT(CompareNatural("Z", "z"), 0);
}

TEST(NaturalCompare, NonAsciiNamesSortByCodePointWithoutCrashing)
{
    // 图 U+56FE, 片 U+7247, 文 U+6587: UTF-8 byte order is code point order.
    std::vector<std::string> names = {"片2", "图片10", "文件", "图片2", "abc", "\xff\xfe", "图", "\xe5"};
    std::sort(names.begin(), names.end(), Before);
    std::vector<std::string> expected = {"abc", "\xe5", "图", "图片2", "图片10", "文件", "片2", "\xff\xfe"};
    EXPECT_EQ(names, expected);
}
