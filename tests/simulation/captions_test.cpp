#include "captions.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

namespace {

TEST(Captions, RunCaptionJoinsItsPieces)
{
    EXPECT_EQ(sim::RunCaption(150, 100, 1000, 2, 98), "150 x 100  1000 Steps  Color 1: 2%  Color 2: 98%");
    EXPECT_EQ(sim::RunCaption(10, 10, 100, 20, 80), "10 x 10  100 Steps  Color 1: 20%  Color 2: 80%");
    EXPECT_EQ(sim::RunCaption(-3, 0, -7, -1, 101), "-3 x 0  -7 Steps  Color 1: -1%  Color 2: 101%");
}

TEST(Captions, TheStepCountGoesOnPastThirtyOneBits)
{
    const std::int64_t limit = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(sim::RunCaption(1, 1, limit, 0, 100), "1 x 1  2147483647 Steps  Color 1: 0%  Color 2: 100%");
    EXPECT_EQ(sim::RunCaption(1, 1, limit + 1, 0, 100), "1 x 1  2147483648 Steps  Color 1: 0%  Color 2: 100%");
}

TEST(Captions, SizeCaptionShowsTheNextGrid)
{
    EXPECT_EQ(sim::SizeCaption(455, 335, 3), "Vemmick 2  Size: 151 x 111");
    EXPECT_EQ(sim::SizeCaption(566, 381, 1), "Vemmick 2  Size: 566 x 381");
    EXPECT_EQ(sim::SizeCaption(455, 335, 15), "Vemmick 2  Size: 30 x 22");
    // A drawing area smaller than a dot still gives the one-cell grid that Start creates.
    EXPECT_EQ(sim::SizeCaption(5, 5, 15), "Vemmick 2  Size: 1 x 1");
}

} // namespace
