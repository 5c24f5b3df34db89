#include "antworld.h"

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>
#include <vector>

namespace {

using sim::AntWorld;

struct Change {
    int x, y, state;
    bool operator==(const Change&) const = default;
};

AntWorld WorldOf(int width, int height)
{
    AntWorld world;
    world.setDotSize(1);
    world.ResetWorld(static_cast<float>(width), static_cast<float>(height));
    return world;
}

void Steps(AntWorld& world, long steps)
{
    for (long i = 0; i < steps; ++i)
        world.StepAnt([](int, int, int) {});
}

std::tuple<int, int, int> Pose(const AntWorld& world)
{
    return {world.antX(), world.antY(), world.heading()};
}

std::tuple<int, int> Position(const AntWorld& world)
{
    return {world.antX(), world.antY()};
}

int Recount(const AntWorld& world)
{
    int count = 0;
    for (int y = 0; y <= world.gridHeight(); ++y)
        for (int x = 0; x <= world.gridWidth(); ++x)
            count += world.cell(x, y);
    return count;
}

TEST(AntWorld, NoWorldUntilTheFirstReset)
{
    AntWorld world;
    static_assert(sizeof(world.stepCount()) == 8, "the step count never wraps at 2^31");
    EXPECT_FALSE(world.hasWorld());
    EXPECT_EQ(world.gridWidth(), 0);
    EXPECT_EQ(world.gridHeight(), 0);
}

TEST(AntWorld, FirstStepsOnATenByTenWorld)
{
    AntWorld world = WorldOf(10, 10);
    EXPECT_EQ(Pose(world), std::make_tuple(5, 5, 0));

    std::vector<Change> changes;
    auto record = [&](int x, int y, int s) { changes.push_back({x, y, s}); };
    world.StepAnt(record);
    EXPECT_EQ(world.heading(), 1);
    EXPECT_EQ(world.cell(5, 5), 1);
    EXPECT_EQ(Position(world), std::make_tuple(6, 5));
    EXPECT_EQ(world.colorOneCount(), 1);
    EXPECT_EQ(world.stepCount(), 1);

    world.StepAnt(record);
    EXPECT_EQ(world.heading(), 2);
    EXPECT_EQ(world.cell(6, 5), 1);
    EXPECT_EQ(Position(world), std::make_tuple(6, 6));
    EXPECT_EQ(world.colorOneCount(), 2);
    EXPECT_EQ(changes, (std::vector<Change>{{5, 5, 1}, {6, 5, 1}}));
}

TEST(AntWorld, ACellInStateOneTurnsLeftAndLowersTheCount)
{
    // Four right turns bring the ant back to its start cell, heading up again, onto a state-1 cell.
    AntWorld world = WorldOf(10, 10);
    Steps(world, 4);
    ASSERT_EQ(Pose(world), std::make_tuple(5, 5, 0));
    ASSERT_EQ(world.colorOneCount(), 4);
    std::vector<Change> changes;
    world.StepAnt([&](int x, int y, int s) { changes.push_back({x, y, s}); });
    EXPECT_EQ(world.heading(), 3);
    EXPECT_EQ(world.colorOneCount(), 3);
    EXPECT_EQ(changes, (std::vector<Change>{{5, 5, 0}}));
    EXPECT_EQ(Position(world), std::make_tuple(4, 5));
}

TEST(AntWorld, WrapsFromTheLastColumnAndTheFirstRow)
{
    // A 1-row field: the first step turns right and the ant walks along the row, wrapping from
    // column W to column 1; a 1-column field wraps from row 1 up to row H.
    AntWorld row = WorldOf(3, 1);
    ASSERT_EQ(Position(row), std::make_tuple(2, 1));
    Steps(row, 1); // right turn at (2, 1) -> heading right -> (3, 1)
    Steps(row, 1); // right turn -> heading down; row H = 1 wraps to 1 -> (3, 1)
    Steps(row, 1); // (3, 1) is now 1: left turn -> heading right -> column 4 wraps to 1
    EXPECT_EQ(Pose(row), std::make_tuple(1, 1, 1));

    AntWorld column = WorldOf(1, 3);
    ASSERT_EQ(Position(column), std::make_tuple(1, 2));
    Steps(column, 1); // right -> column 2 wraps to 1 -> (1, 2) again, now state 1
    Steps(column, 1); // left turn -> heading up -> (1, 1)
    Steps(column, 1); // right turn -> heading right -> wraps to (1, 1)
    Steps(column, 1); // (1, 1) state 1 -> left -> heading up -> row 0 wraps to row 3
    EXPECT_EQ(Pose(column), std::make_tuple(1, 3, 0));
}

TEST(AntWorld, StartsAtTheCentreWithHalvesGoingToEven)
{
    const std::vector<std::pair<int, int>> cases{{152, 76}, {151, 76}, {153, 76}, {5, 2}, {3, 2}, {2, 1}, {1, 1}};
    for (auto [width, column] : cases) {
        AntWorld world = WorldOf(width, width);
        EXPECT_EQ(world.antX(), column) << "width " << width;
        EXPECT_EQ(world.antY(), column) << "height " << width;
    }
}

TEST(AntWorld, GridSizeIsTheDrawingAreaDividedByTheDotSizeRoundedDown)
{
    AntWorld world;
    world.setDotSize(3);
    world.ResetWorld(457.0F, 335.0F);
    EXPECT_EQ(world.gridWidth(), 152);
    EXPECT_EQ(world.gridHeight(), 111);
    world.setDotSize(15);
    world.ResetWorld(455.0F, 14.0F); // less than one dot high still gives one row
    EXPECT_EQ(world.gridWidth(), 30);
    EXPECT_EQ(world.gridHeight(), 1);
    EXPECT_EQ(world.antY(), 1);
    EXPECT_EQ(sim::GridCells(1e12, 1), sim::MaxGridCells);
    EXPECT_EQ(sim::GridCells(-5, 3), 1);
}

TEST(AntWorld, WorkedRuns)
{
    struct Case {
        int width, height;
        long steps;
        int x, y, heading, ones, shareOne, shareTwo;
    };
    const Case cases[] = {
        {10, 10, 100, 5, 3, 0, 20, 20, 80},
        {3, 3, 10, 1, 3, 2, 6, 67, 33},
        {151, 111, 1000, 84, 50, 2, 118, 1, 99},
    };
    for (const Case& c : cases) {
        AntWorld world = WorldOf(c.width, c.height);
        Steps(world, c.steps);
        EXPECT_EQ(Pose(world), std::make_tuple(c.x, c.y, c.heading))
            << c.width << " x " << c.height;
        EXPECT_EQ(world.colorOneCount(), c.ones);
        EXPECT_EQ(world.stepCount(), c.steps);
        EXPECT_EQ(world.ColorShares().colorOne, c.shareOne);
        EXPECT_EQ(world.ColorShares().colorTwo, c.shareTwo);
    }
}

TEST(AntWorld, SharesRoundHalfUpIndependently)
{
    AntWorld eight = WorldOf(4, 2); // 8 cells
    EXPECT_EQ(eight.ColorShares().colorOne, 0);
    EXPECT_EQ(eight.ColorShares().colorTwo, 100);
    Steps(eight, 1);
    ASSERT_EQ(eight.colorOneCount(), 1);
    EXPECT_EQ(eight.ColorShares().colorOne, 13); // 12.5 goes up
    EXPECT_EQ(eight.ColorShares().colorTwo, 88); // 87.5 goes up too: the sum is 101

    // Exact halves that binary floating point cannot hold go up too, on every machine; beyond 0..100
    // (a cell counted outside the field) a half goes towards +infinity.
    for (const auto& [ones, total, one, two] : std::vector<std::tuple<std::int64_t, std::int64_t, int, int>>{
             {23, 40, 58, 43}, {29, 200, 15, 86}, {1450, 10000, 15, 86}, {-1, 8, -12, 113}, {9, 8, 113, -12}})
        EXPECT_EQ(std::make_pair(sim::SharesOf(ones, total).colorOne, sim::SharesOf(ones, total).colorTwo), std::make_pair(one, two))
            << ones << " of " << total;
}

TEST(AntWorld, ASecondResetStartsAfresh)
{
    AntWorld world = WorldOf(20, 20);
    Steps(world, 5000);
    world.ResetWorld(20.0F, 20.0F);
    EXPECT_EQ(Recount(world), 0);
    EXPECT_EQ(world.stepCount(), 0);
    EXPECT_EQ(world.colorOneCount(), 0);
    EXPECT_EQ(Pose(world), std::make_tuple(10, 10, 0));
}

TEST(AntWorld, LongRunsKeepTheCountExactAndTheAntInsideTheField)
{
    std::mt19937 random(20261208);
    for (int round = 0; round < 12; ++round) {
        const int width = 1 + static_cast<int>(random() % 60);
        const int height = 1 + static_cast<int>(random() % 60);
        AntWorld world = WorldOf(width, height);
        long flips = 0;
        for (int i = 0; i < 20000; ++i) {
            world.StepAnt([&](int x, int y, int s) {
                ASSERT_GE(x, 1);
                ASSERT_LE(x, width);
                ASSERT_GE(y, 1);
                ASSERT_LE(y, height);
                ASSERT_EQ(world.cell(x, y), s);
                ++flips;
            });
            ASSERT_GE(world.antX(), 1);
            ASSERT_LE(world.antX(), width);
            ASSERT_GE(world.antY(), 1);
            ASSERT_LE(world.antY(), height);
        }
        EXPECT_EQ(world.colorOneCount(), Recount(world)) << width << " x " << height;
        EXPECT_EQ(flips, 20000);
        const auto shares = world.ColorShares();
        EXPECT_GE(shares.colorOne, 0);
        EXPECT_LE(shares.colorOne, 100);
        EXPECT_GE(shares.colorTwo, 0);
        EXPECT_LE(shares.colorTwo, 100);
    }
}

} // namespace

namespace {

TEST(AntWorld, MarkingStepsReportEachFlippedCellOnceAndLeaveTheRuleAlone)
{
    AntWorld plain = WorldOf(40, 30);
    AntWorld marking = WorldOf(40, 30);
    for (int round = 0; round < 3; ++round) {
        std::set<std::pair<int, int>> flipped, reported;
        for (int i = 0; i < 2000; ++i) {
            plain.StepAnt([](int, int, int) {});
            marking.StepAntMarking([&](int x, int y, int state, std::uint32_t isNew) {
                EXPECT_EQ(marking.cell(x, y), state);
                flipped.insert({x, y});
                if (isNew) {
                    EXPECT_TRUE(reported.insert({x, y}).second) << "reported twice";
                }
            });
        }
        EXPECT_EQ(reported, flipped);
        EXPECT_EQ(Pose(marking), Pose(plain));
        EXPECT_EQ(marking.colorOneCount(), Recount(marking));
        EXPECT_EQ(marking.colorOneCount(), plain.colorOneCount());
        for (auto [x, y] : flipped)
            EXPECT_EQ(marking.Unmark(x, y), plain.cell(x, y)); // every mark cleared for the next round
    }
}

} // namespace
