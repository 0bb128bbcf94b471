/* The stand-in collision library's step over many registered vessels,
 * laid out in each of the ways that once made it quadratic, beside its
 * yardsticks: the host calls it makes, and the least a grid search does. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

#include "host/collision_api.h"
#include "support/loaded_library.h"

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace {

void CountContact(void* counter) { ++*static_cast<long*>(counter); }

/* Where vessel i of count sits, and its radius. */
struct Sphere {
    VECTOR3 pos;
    double size;
};
using Layout = Sphere (*)(int i);

/* Blocks of 1,000 vessels on a 10 x 10 x 10 grid of the spacing, the
 * blocks 100 km apart in a row along the orbit: a larger world is more of
 * the same blocks, so every size holds the same contacts a vessel and the
 * ratio of two sizes measures cost, not a change of layout. */
const int blockSide = 10, blockSize = blockSide * blockSide * blockSide;

int Local(int i, int axis)
{
    int k = i % blockSize;
    return axis == 0 ? k % blockSide : axis == 1 ? k / blockSide % blockSide : k / blockSide / blockSide;
}

VECTOR3 GridPoint(int i, double spacing)
{
    double offset = (blockSide - 1) * spacing / 2;
    return {7e6 + Local(i, 0) * spacing - offset, Local(i, 1) * spacing - offset,
            double(i / blockSize) * 1e5 + Local(i, 2) * spacing - offset};
}

/* Repeatable scatter in [0, 1). */
double Scatter(std::uint64_t seed)
{
    seed = (seed + 0x9E3779B97F4A7C15ull) * 0xBF58476D1CE4E5B9ull;
    seed = (seed ^ (seed >> 31)) * 0x94D049BB133111EBull;
    return double((seed ^ (seed >> 29)) >> 11) / double(1ull << 53);
}

// What the module registers: one vessel in ten is a rock, strewn through
// each block rather than lined up on one face of it.
bool IsRock(int i) { return (Local(i, 0) + 3 * Local(i, 1) + 7 * Local(i, 2)) % 10 == 0; }

/* Radius-5 vessels on a 12 m grid; the rocks, radius 8, touch their six
 * neighbours: about 0.6 contacts a vessel. */
Sphere Rocks(int i) { return {GridPoint(i, 12.0), IsRock(i) ? 8.0 : 5.0}; }

/* Radius-5 vessels scattered through a cube 4e7 m across: no contact. */
Sphere Spread(int i)
{
    return {{7e6 + 4e7 * Scatter(3u * i), 4e7 * Scatter(3u * i + 1), 4e7 * Scatter(3u * i + 2)}, 5.0};
}

/* Everything packed in one place: radius-5 vessels 9 m apart, each touching
 * its six neighbours and no more (the diagonals are 12.7 m). */
Sphere OnePlace(int i) { return {GridPoint(i, 9.0), 5.0}; }

/* Many tiny (radius 0.5) and one in a hundred large (radius 30) on a 12 m
 * grid: each large one touches about 70 tiny ones. */
Sphere Mixed(int i) { return {GridPoint(i, 12.0), i % 100 == 50 ? 30.0 : 0.5}; }

/* Radius-5 vessels on a 12 m grid with one in a thousand a giant of 60 m,
 * touching about 500 others. */
Sphere Giants(int i) { return {GridPoint(i, 12.0), i % 1000 == 500 ? 60.0 : 5.0}; }

/* Creates the layout's vessels; returns the rocks. */
std::vector<OBJHANDLE> AddLayout(bench::BenchWorld& world, Layout layout, int count)
{
    std::vector<OBJHANDLE> rocks;
    for (int i = 0; i < count; ++i) {
        Sphere sphere = layout(i);
        OBJHANDLE h = world.add("V-" + std::to_string(i), "Station", sphere.pos);
        world.host().world().vessel(h)->size = sphere.size;
        if (IsRock(i))
            rocks.push_back(h);
    }
    return rocks;
}

/* The collision library's contact search over the layout, the rocks
 * watched and every vessel a candidate. Reports the contacts that one step
 * finds, per vessel. */
void BM_CollisionStep(benchmark::State& state, Layout layout)
{
    bench::BenchWorld world(true);
    int count = int(state.range(0));
    auto watch = reinterpret_cast<SetOnCollideFn>(testing_support::LoadedExport("modules/collision.dll", "VSSetOnCollide"));
    auto maincall = reinterpret_cast<MainCallFn>(testing_support::LoadedExport("modules/collision.dll", "maincall"));
    long contacts = 0;
    for (OBJHANDLE h : AddLayout(world, layout, count))
        watch(h, &contacts, CountContact);
    maincall(1.0, 0.1, COLLISION_PHASE_POST);
    state.counters["contacts_per_vessel"] = double(contacts) / count;
    for (auto _ : state)
        maincall(1.0, 0.1, COLLISION_PHASE_POST);
    state.SetItemsProcessed(state.iterations() * count);
}
/* The host calls the step makes for every vessel: the count, each vessel
 * by index, its position and size; each vessel's handed to use. */
template <typename Use>
void ReadEachVessel(Use use)
{
    int vessels = int(oapiGetVesselCount());
    for (int i = 0; i < vessels; ++i) {
        OBJHANDLE vessel = oapiGetVesselByIndex(i);
        VECTOR3 pos;
        oapiGetGlobalPos(vessel, &pos);
        use(std::uint32_t(i), pos, oapiGetSize(vessel));
    }
}
/* The yardstick of the step: only its host calls, and nothing done with
 * what they give. */
void BM_CollisionHostCalls(benchmark::State& state, Layout layout)
{
    bench::BenchWorld world(true);
    int count = int(state.range(0));
    AddLayout(world, layout, count);
    for (auto _ : state)
        ReadEachVessel([](std::uint32_t, VECTOR3 pos, double size) {
            benchmark::DoNotOptimize(pos);
            benchmark::DoNotOptimize(size);
        });
    state.SetItemsProcessed(state.iterations() * count);
}
/* The step's floor: the least any grid search does over the same records.
 * The same host calls for every vessel, each vessel put in its cell of a
 * grid as wide as the step's for its radius, and the vessels counted out by
 * cell into one table (a counting sort on the cell's hash), each with its
 * position, size and place in the list; no neighbour looked at, no pair
 * tried, nothing allocated once the buffers have grown. */
void BM_CollisionFloor(benchmark::State& state, Layout layout)
{
    bench::BenchWorld world(true);
    int count = int(state.range(0));
    AddLayout(world, layout, count);
    struct Placed {
        double x, y, z, radius;
        std::uint32_t index;
    };
    std::vector<Placed> read, byCell;
    std::vector<std::uint32_t> cellOf, start;
    for (auto _ : state) {
        std::size_t slots = 8;
        while (slots < 2 * std::size_t(count))
            slots *= 2;
        read.clear();
        cellOf.clear();
        start.assign(slots + 1, 0);
        ReadEachVessel([&](std::uint32_t i, VECTOR3 pos, double size) {
            int exponent;
            std::frexp(size, &exponent);
            double scale = std::ldexp(1.0, -(exponent + 1));
            std::uint64_t h = std::uint64_t(std::int64_t(std::floor(pos.x * scale))) * 0x9E3779B97F4A7C15ull ^
                              std::uint64_t(std::int64_t(std::floor(pos.y * scale))) * 0xC2B2AE3D27D4EB4Full ^
                              std::uint64_t(std::int64_t(std::floor(pos.z * scale))) * 0x165667B19E3779F9ull ^
                              std::uint64_t(exponent);
            std::uint32_t cell = std::uint32_t((h ^ (h >> 32)) & (slots - 1));
            read.push_back({pos.x, pos.y, pos.z, size, i});
            cellOf.push_back(cell);
            ++start[cell + 1];
        });
        for (std::size_t c = 0; c < slots; ++c)
            start[c + 1] += start[c];
        byCell.resize(read.size());
        for (std::size_t i = 0; i < read.size(); ++i)
            byCell[start[cellOf[i]]++] = read[i];
        benchmark::DoNotOptimize(byCell.data());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
#define COLLISION_BENCHMARK(layout)                                                                        \
    BENCHMARK_CAPTURE(BM_CollisionStep, layout, layout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(BM_CollisionFloor, layout, layout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond); \
    BENCHMARK_CAPTURE(BM_CollisionHostCalls, layout, layout)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)
COLLISION_BENCHMARK(Rocks);
COLLISION_BENCHMARK(Spread);
COLLISION_BENCHMARK(OnePlace);
COLLISION_BENCHMARK(Mixed);
COLLISION_BENCHMARK(Giants);

}  // namespace
