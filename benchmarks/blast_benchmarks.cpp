/* A bomb in its blast window visits every vessel: its cost per vessel,
 * against a floor of the same arithmetic over plain arrays. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

/* One bomb whose window never closes, among N heavy vessels. */
void BM_Blast(benchmark::State& state)
{
    bench::BenchWorld world(true);
    int count = int(state.range(0));
    world.fill(count, "T-", "Station", {7e6, 0, 0}, 100.0);
    OBJHANDLE bomb = world.add("Nuke/0.000000/1000000000.000000/1.000000", "nuke", {7e6 + 7, 3, 1});
    auto* callbacks = world.host().world().vessel(bomb)->callbacks;
    double simt = 1.0;
    callbacks->clbkPreStep(simt, 0.1, 0);  // its first step: the window opens
    for (auto _ : state) {
        simt += 0.1;
        callbacks->clbkPreStep(simt, 0.1, 0);
    }
    state.SetItemsProcessed(state.iterations() * (count + 1));
}
BENCHMARK(BM_Blast)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

/* The floor: distance, unit vector and inverse-square force over arrays. */
void BM_BlastFloor(benchmark::State& state)
{
    int count = int(state.range(0)) + 1;
    std::vector<double> x(count), y(count), z(count), fx(count), fy(count), fz(count);
    for (int i = 0; i < count; ++i) {
        x[i] = 7e6 + (i % 47) * 100.0;
        y[i] = (i / 47 % 47) * 100.0;
        z[i] = (i / 47 / 47) * 100.0;
    }
    const double px = 7e6 + 7, py = 3, pz = 1, power = 4.184e12, radius = 200000.0;
    double level = 1.0;
    for (auto _ : state) {
        level *= 0.999999;
        for (int i = 0; i < count; ++i) {
            double dx = x[i] - px, dy = y[i] - py, dz = z[i] - pz;
            double d = std::sqrt(dx * dx + dy * dy + dz * dz);
            if (!(d < radius) || d == 0.0)
                continue;
            double m = power / (d * d) * level / d;
            fx[i] = dx * m;
            fy[i] = dy * m;
            fz[i] = dz * m;
        }
        benchmark::DoNotOptimize(fx.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BlastFloor)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
