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

namespace {

struct Field {
    const char* name;
    std::vector<Sphere> (*make)();
};

/* Spheres of the radii at random points of a cube of the side around the
 * point, every third watched. */
std::vector<Sphere> RandomField(int count, double cx, double side, double minRadius, double maxRadius, int seed)
{
    std::mt19937 random{unsigned(seed)};
    std::uniform_real_distribution<double> position(-side / 2, side / 2);
    std::uniform_real_distribution<double> exponent(std::log(minRadius), std::log(maxRadius));
    std::vector<Sphere> spheres;
    for (int i = 0; i < count; ++i)
        spheres.push_back({cx + position(random), position(random), position(random), std::exp(exponent(random)),
                           i % 3 == 0});
    return spheres;
}

const Field fields[] = {
    {"spread far apart", [] { return RandomField(600, 0, 4e7, 1, 3, 1); }},
    {"all in one place", [] { return RandomField(600, 7e6, 20, 0.5, 2, 2); }},
    {"mixed sizes, most tiny", [] {
         std::vector<Sphere> s = RandomField(500, 7e6, 300, 1e-3, 1e-2, 3);
         for (const Sphere& big : RandomField(100, 7e6, 300, 5, 40, 4))
             s.push_back(big);
         return s;
     }},
    {"watched rocks among unwatched vessels of a smaller class", [] {
         std::vector<Sphere> s;
         for (int i = 0; i < 729; ++i) {
             bool rock = i % 10 == 3;
             s.push_back({7e6 + (i % 9) * 12.0, (i / 9 % 9) * 12.0, (i / 81) * 12.0, rock ? 8.0 : 5.0, rock});
         }
         return s;
     }},
    {"giants among many", [] {
         std::vector<Sphere> s = RandomField(600, 7e6, 2000, 1, 10, 5);
         s.push_back({7e6, 0, 0, 600, false});
         s.push_back({7e6 + 300, 0, 0, 2e5, false});
         s.push_back({7e6 - 300, 0, 0, 900, true});
         return s;
     }},
    {"beyond every whole cell, infinite and broken", [] {
         std::vector<Sphere> s = {
             {1e300, 0, 0, 5, true},      {1e300 + 1e284, 0, 0, 5, false},  // far, touching by rounding
             {9.1e15, 0, 0, 1, true},     {9.1e15 + 2, 0, 0, 1.5, false},   // past whole cells of 2 m
             {-9.1e15, 1, 0, 1, false},   {-9.1e15 - 2, 1, 0, 1.5, true},
             {0, 0, 0, HUGE_VAL, false},  {5, 5, 5, 1, true},               // an infinite radius reaches all
             {NAN, 0, 0, 5, true},        {0, 0, 0, NAN, true},             // no number: touches nothing
             {HUGE_VAL, 0, 0, 1, true},   {30, 0, 0, -0.5, true},           // a negative radius shrinks reach
             {31.2, 0, 0, 2, false},      {1e-12, 0, 0, 1e-15, true},       // the smallest class
             {2e-12, 0, 0, 2e-15, true},  {-0.0, 50, 0, 1, true},
             {0.0, 51, 0, 1, false},      {0, 0, 0, 1e306, false},          // beyond the largest class
         };
         return s;
     }},
    {"negative radii, reaching as far as their sum's size", [] {
         std::vector<Sphere> s = {
             {500, 0, 0, -10, true},  {515, 0, 0, -10, false},  // the sum squared reaches 20
             {600, 0, 0, -3, true},   {601, 0, 0, 30, false},   {640, 0, 0, -40, false},
         };
         return s;
     }},
    {"one giant cell row: a line of touching spheres far out", [] {
         std::vector<Sphere> s;
         for (int i = 0; i < 300; ++i)
             s.push_back({3e15 + 7.0 * i, -2e15, 1e9, 4, i % 2 == 0});
         return s;
     }},
    {"lattice spacing just under and over the reach", [] {
         std::vector<Sphere> s;
         for (int i = 0; i < 512; ++i)
             s.push_back({7e6 + (i % 8) * 9.999999, (i / 8 % 8) * 10.000001, (i / 64) * 10.0, 5, i % 10 == 0});
         return s;
     }},
};

}  // namespace

TEST(ContactGrid, FindsWhatEveryPairCheckFindsInEveryDistribution)
{
    ContactGrid grid;
    for (const Field& field : fields) {
        std::vector<Sphere> spheres = field.make();
        EXPECT_EQ(grid.find(spheres), AllPairs(spheres)) << field.name;
    }
}
