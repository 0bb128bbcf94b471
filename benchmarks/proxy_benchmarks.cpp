/* What a batch of proxy looks costs: every vessel of a world looking at
 * once, as after a scenario's first step, against sorting the same points
 * once along each axis, work that grows as n log n too. */
#include "emulator/host/world/nearest_points.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <random>
#include <vector>

namespace {

/* Points spread over a cube 100 km wide, as a crowded scenario's vessels. */
std::vector<emu::RankedPoint> Points(int count)
{
    std::mt19937_64 random(1);
    std::uniform_real_distribution<double> within(-5e4, 5e4);
    std::vector<emu::RankedPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back({{7e6 + within(random), within(random), within(random)}, std::uint64_t(i)});
    return points;
}

void BM_ProxyLooks(benchmark::State& state)
{
    std::vector<emu::RankedPoint> points = Points(int(state.range(0)));
    std::vector<emu::NearestQuery> queries;
    for (const emu::RankedPoint& p : points)
        queries.push_back({p.pos, p.rank, std::numeric_limits<std::uint64_t>::max()});
    for (auto _ : state)
        benchmark::DoNotOptimize(emu::NearestPoints(points, queries));
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ProxyLooks)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

void BM_ProxyLooksFloor(benchmark::State& state)
{
    const std::vector<emu::RankedPoint> points = Points(int(state.range(0)));
    for (auto _ : state) {
        std::vector<emu::RankedPoint> sorted = points;
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.pos.x < b.pos.x; });
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.pos.y < b.pos.y; });
        std::sort(sorted.begin(), sorted.end(), [](const auto& a, const auto& b) { return a.pos.z < b.pos.z; });
        benchmark::DoNotOptimize(sorted.data());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_ProxyLooksFloor)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
