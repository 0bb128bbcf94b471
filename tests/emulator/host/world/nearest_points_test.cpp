/* The batched search finds what a look at every point finds: the nearest
 * point a place may take, the lower rank at equal distances, nothing for a
 * place or point that is no finite number. */
#include "emulator/host/world/nearest_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

namespace {

const std::uint64_t anyRank = std::numeric_limits<std::uint64_t>::max();

/* The nearest by a look at every point, for comparison. */
std::size_t Brute(const std::vector<emu::RankedPoint>& points, const emu::NearestQuery& q)
{
    std::size_t best = emu::noPoint;
    double bestD2 = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const emu::RankedPoint& p = points[i];
        double dx = p.pos.x - q.pos.x, dy = p.pos.y - q.pos.y, dz = p.pos.z - q.pos.z;
        double d2 = dx * dx + dy * dy + dz * dz;
        if (p.rank >= q.below || p.rank == q.self || !std::isfinite(d2))
            continue;
        if (best == emu::noPoint || d2 < bestD2 || (d2 == bestD2 && p.rank < points[best].rank)) {
            best = i;
            bestD2 = d2;
        }
    }
    return best;
}

}  // namespace

TEST(NearestPoints, ABatchFindsWhatALookAtEveryPointFinds)
{
    // Clustered and spread points on a coarse lattice, so that many lie at
    // equal distances; ranks in no order of place.
    std::mt19937_64 random(7);
    std::uniform_int_distribution<int> cell(-20, 20), cluster(0, 3);
    std::vector<emu::RankedPoint> points;
    for (std::uint64_t i = 0; i < 3000; ++i) {
        double scale = cluster(random) == 0 ? 1e6 : 10.0;
        points.push_back({{cell(random) * scale, cell(random) * scale, cell(random) * 1.0}, (i * 7919) % 3001});
    }
    points.push_back({{std::nan(""), 0, 0}, 5000});
    points.push_back({{0, std::numeric_limits<double>::infinity(), 0}, 5001});

    for (std::size_t batch : {std::size_t(3), std::size_t(500)}) {
        std::vector<emu::NearestQuery> queries;
        for (std::size_t i = 0; i < batch; ++i) {
            const emu::RankedPoint& own = points[i * 5];
            // Every other place takes only points ranked below its own.
            queries.push_back({own.pos, own.rank, i % 2 ? own.rank : anyRank});
        }
        queries.push_back({{std::nan(""), 0, 0}, anyRank, anyRank});
        queries.push_back({{5, 5, 0}, anyRank, 0});  // may take nothing
        std::vector<std::size_t> found = emu::NearestPoints(points, queries);
        ASSERT_EQ(found.size(), queries.size());
        for (std::size_t i = 0; i + 2 < queries.size(); ++i)
            ASSERT_EQ(found[i], Brute(points, queries[i])) << "batch " << batch << ", place " << i;
        EXPECT_EQ(found[found.size() - 2], emu::noPoint);
        EXPECT_EQ(found.back(), emu::noPoint);
    }
}
