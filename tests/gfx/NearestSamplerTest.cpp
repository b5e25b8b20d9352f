#include "gfx/NearestSampler.h"

#include <gtest/gtest.h>

#include <vector>

using namespace tavrik;

TEST(NearestSampler, SourcePositionOfEveryTargetPosition)
{
    struct TCase {
        int32_t t0, t1, s0, s1;
        bool tiled;
        std::vector<int32_t> sources; // for each target position from the lower edge up
    };
    const TCase cases[] = {
        {3, 6, 10, 13, false, {10, 11, 12}},        // same length: pixel for pixel
        {0, 4, 0, 2, false, {0, 0, 1, 1}},           // enlarged: the pixel under each centre
        {0, 3, 0, 5, false, {0, 2, 4}},              // reduced
        {4, 0, 0, 2, false, {1, 1, 0, 0}},           // reversed target: mirrored
        {0, 4, 2, 0, false, {1, 1, 0, 0}},           // reversed source: mirrored too
        {4, 0, 2, 0, false, {0, 0, 1, 1}},           // both reversed: not mirrored
        {0, 4, 0, 3, true, {0, 1, 2, 0}},            // tiled, the last copy cut
        {4, 0, 0, 3, true, {0, 2, 1, 0}},            // tiled and mirrored
        {-2, 2, 5, 7, false, {5, 5, 6, 6}},          // positions below zero
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t0 << "," << c.t1 << " <- " << c.s0 << "," << c.s1 << (c.tiled ? " tiled" : ""));
        TNearestSampler sampler(c.t0, c.t1, c.s0, c.s1);
        ASSERT_FALSE(sampler.Empty());
        EXPECT_EQ(sampler.Identity(), c.t1 - c.t0 == c.s1 - c.s0);
        std::vector<int32_t> sources;
        for (int32_t t = sampler.TargetStart(); t < sampler.TargetEnd(); ++t)
            sources.push_back(c.tiled ? sampler.TiledSource(t) : sampler.Source(t));
        EXPECT_EQ(sources, c.sources);
    }
    EXPECT_TRUE(TNearestSampler(2, 2, 0, 5).Empty());
    EXPECT_TRUE(TNearestSampler(0, 5, 3, 3).Empty());
}

TEST(NearestSampler, InsideRunKeepsTargetsWithExistingSources)
{
    // Sources -2 .. 5 for targets 0 .. 7, mirrored 5 .. -2; a source of 4 pixels.
    EXPECT_EQ(TNearestSampler(0, 8, -2, 6).InsideRun(0, 8, 4), std::make_pair(2, 6));
    EXPECT_EQ(TNearestSampler(8, 0, -2, 6).InsideRun(0, 8, 4), std::make_pair(2, 6));
    EXPECT_EQ(TNearestSampler(0, 8, -2, 6).InsideRun(3, 5, 4), std::make_pair(3, 5));
    auto none = TNearestSampler(0, 8, 10, 18).InsideRun(0, 8, 4);
    EXPECT_EQ(none.first, none.second);
    // Runs over the whole 32-bit range do not overflow (a skin may say anything).
    TNearestSampler wide(INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX);
    EXPECT_EQ(wide.Source(INT32_MAX - 1), INT32_MAX - 1);
    EXPECT_EQ(wide.Source(INT32_MIN), INT32_MIN);
    EXPECT_EQ(TNearestSampler(INT32_MIN, INT32_MAX, 0, 2).Source(0), 1);
}
