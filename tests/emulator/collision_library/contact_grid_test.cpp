/* The grid finds exactly the overlapping pairs an all-pairs check finds,
 * giants and far-flung spheres included. */
#include "emulator/collision_library/contact_grid.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using collision::ContactGrid;
using collision::Sphere;

namespace {

std::vector<std::pair<size_t, size_t>> AllPairs(const std::vector<Sphere>& s)
{
    std::vector<std::pair<size_t, size_t>> found;
    for (size_t i = 0; i < s.size(); ++i)
        for (size_t j = i + 1; j < s.size(); ++j) {
            double dx = s[i].x - s[j].x, dy = s[i].y - s[j].y, dz = s[i].z - s[j].z;
            double reach = s[i].radius + s[j].radius;
            if ((s[i].watched || s[j].watched) && dx * dx + dy * dy + dz * dz < reach * reach)
                found.push_back({i, j});
        }
    return found;
}

std::vector<std::pair<size_t, size_t>> Sorted(std::vector<std::pair<size_t, size_t>> pairs)
{
    std::sort(pairs.begin(), pairs.end());
    return pairs;
}

}  // namespace

TEST(ContactGrid, FindsWhatEveryPairCheckFindsInARandomFieldWithGiants)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(-400, 400), radius(1, 12);
    std::vector<Sphere> spheres;
    for (int i = 0; i < 800; ++i)
        spheres.push_back({7e6 + position(random), position(random), position(random) * 0.2, radius(random), i % 3 == 0});
    spheres.push_back({7e6, 0, 0, 200, false});   // a station
    spheres.push_back({7e6 + 100, 50, 0, 300, true});  // a larger one, watched
    spheres.push_back({1e30, 0, 0, 5, true});     // far away

    ContactGrid grid;
    std::vector<std::pair<size_t, size_t>> expected = AllPairs(spheres);
    EXPECT_EQ(Sorted(grid.find(spheres)), expected);
    EXPECT_GT(expected.size(), 50u) << "the field is dense enough to test something";
    EXPECT_EQ(Sorted(grid.find(spheres)), expected) << "and again, with the grid reused";
}

TEST(ContactGrid, TouchingIsNotOverlappingAndUnwatchedPairsAreIgnored)
{
    std::vector<Sphere> spheres = {
        {0, 0, 0, 5, true},      {10, 0, 0, 5, false},    // touching exactly
        {100, 0, 0, 5, false},   {104, 0, 0, 5, false},   // overlapping, neither watched
        {200, 0, 0, 5, true},    {200, 3, 4, 0.1, false}, // overlapping
        {300, 0, 0, 5, true},    {303, 0, 0, 5, true},    // both watched: one pair
    };
    ContactGrid grid;
    EXPECT_EQ(Sorted(grid.find(spheres)), (std::vector<std::pair<size_t, size_t>>{{4, 5}, {6, 7}}));
    EXPECT_TRUE(grid.find({}).empty());
}
