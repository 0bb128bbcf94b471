/* The sweep finds exactly the overlapping pairs an all-pairs check finds. */
#include "emulator/collision_library/contact_sweep.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using collision::ContactSweep;
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

}  // namespace

TEST(ContactSweep, FindsWhatEveryPairCheckFindsInARandomField)
{
    std::mt19937 random(7);
    std::uniform_real_distribution<double> position(-400, 400), radius(1, 30);
    std::vector<Sphere> spheres;
    for (int i = 0; i < 600; ++i)
        spheres.push_back({position(random), position(random), position(random) * 0.1, radius(random), i % 3 == 0});

    ContactSweep sweep;
    auto found = sweep.find(spheres);
    std::sort(found.begin(), found.end());

    EXPECT_EQ(found, AllPairs(spheres));
    EXPECT_GT(found.size(), 10u) << "the field is dense enough to test something";
}

TEST(ContactSweep, TouchingIsNotOverlappingAndUnwatchedPairsAreIgnored)
{
    std::vector<Sphere> spheres = {
        {0, 0, 0, 5, true}, {10, 0, 0, 5, false},   // touching exactly
        {100, 0, 0, 5, false}, {104, 0, 0, 5, false},  // overlapping, neither watched
        {200, 0, 0, 5, true}, {200, 3, 4, 0.1, false},  // overlapping
    };
    ContactSweep sweep;
    EXPECT_EQ(sweep.find(spheres), (std::vector<std::pair<size_t, size_t>>{{4, 5}}));
    EXPECT_TRUE(sweep.find({}).empty());
}
