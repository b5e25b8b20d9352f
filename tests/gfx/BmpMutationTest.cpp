// Damaged copies of valid files must give a sound picture or EInvalidGraphic, never a crash
// or an access outside the data (the sanitizer builds check the latter).
#include "core/Exception.h"
#include "core/FileIO.h"
#include "gfx/BmpFile.h"

#include <gtest/gtest.h>

#include <random>

using namespace tavrik;

namespace {

const std::string kSuiteDir = std::string(TAVRIK_TESTDATA_DIR) + "/bmpsuite/";

// One file of each layout the reader has a separate path for.
const char* const kSeeds[] = {
    "g/pal1.bmp",      "g/pal4.bmp",          "g/pal4rle.bmp",   "g/pal8rle.bmp",     "g/pal8os2.bmp",
    "g/pal8v5.bmp",    "g/rgb16-565.bmp",     "g/rgb24.bmp",     "g/rgb32bf.bmp",     "q/pal2.bmp",
    "q/rgb24rle24.bmp", "q/rgb32-7187.bmp",   "q/pal8os2v2-16.bmp", "x/ba-bm.bmp",    "g/pal8topdown.bmp",
};

// Reads the data; returns false when the reader failed in a way other than EInvalidGraphic.
bool ReadsSoundlyOrRefuses(std::span<const uint8_t> data)
{
    try {
        TBitmap b = ReadBmp(data);
        return b.SizeBytes() == b.RowBytes() * size_t(b.Height()) && b.Width() >= 0 && b.Height() >= 0;
    } catch (const EInvalidGraphic&) {
        return true;
    } catch (...) {
        return false;
    }
}

// Corrupts the headers more often than the pixels: that is where the decisions are made.
size_t PickOffset(std::mt19937& random, size_t size)
{
    size_t headerEnd = std::min<size_t>(size, 160);
    return (random() % 4 != 0) ? random() % headerEnd : random() % size;
}

} // namespace

TEST(BmpMutation, FlippedBytesNeverCrash)
{
    std::mt19937 random(20240601);
    for (const char* seed : kSeeds) {
        SCOPED_TRACE(seed);
        const std::vector<uint8_t> original = ReadFileBytes(kSuiteDir + seed);
        for (int round = 0; round < 120; ++round) {
            std::vector<uint8_t> data = original;
            int changes = 1 + int(random() % 4);
            for (int i = 0; i < changes; ++i) {
                size_t at = PickOffset(random, data.size());
                switch (random() % 3) {
                case 0: data[at] ^= uint8_t(1u << (random() % 8)); break;
                case 1: data[at] = uint8_t(random()); break;
                default: data[at] = (random() % 2) ? 0xFF : 0x00; break;
                }
            }
            ASSERT_TRUE(ReadsSoundlyOrRefuses(data)) << "round " << round;
        }
    }
}

TEST(BmpMutation, TruncationAtEveryHeaderByteAndBeyondNeverCrashes)
{
    std::mt19937 random(5);
    for (const char* seed : kSeeds) {
        SCOPED_TRACE(seed);
        const std::vector<uint8_t> original = ReadFileBytes(kSuiteDir + seed);
        std::vector<size_t> lengths;
        for (size_t n = 0; n < std::min<size_t>(original.size(), 200); ++n) lengths.push_back(n);
        for (int i = 0; i < 40; ++i) lengths.push_back(random() % original.size());
        for (size_t n : lengths) {
            // A copy of exactly n bytes, so that reading past it is caught.
            std::vector<uint8_t> cut(original.begin(), original.begin() + ptrdiff_t(n));
            ASSERT_TRUE(ReadsSoundlyOrRefuses(cut)) << "length " << n;
        }
    }
}
