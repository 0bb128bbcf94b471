/* What one step costs: the module's idle pre-step against the emulated
 * host's own step, and the host's step as the world grows. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

namespace {

/* The module's pre-step with 100 bound weapon slots, no sequence due and the
 * spawner not due. */
void BM_IdlePreStep(benchmark::State& state)
{
    bench::BenchWorld world(true);
    for (int i = 0; i < 100; ++i) {
        OBJHANDLE ship = world.add("S-" + std::to_string(i), "Ship", {7e6 + 50.0 * i, 0, 0});
        world.host().mfds().close(world.host().openMfd("Weapons", ship, 400, 400));
    }
    auto preStep = world.module()->opcPreStep;
    for (auto _ : state)
        preStep(1.0, 0.1, 51544.5);  // before the first rock is due
}
BENCHMARK(BM_IdlePreStep);

/* The emulated host's whole step, without modules, over N plain vessels. */
void BM_HostStep(benchmark::State& state)
{
    bench::BenchWorld world(false);
    world.fill(int(state.range(0)), "S-", "Ship", {7e6, 0, 0}, 100.0);
    for (auto _ : state)
        world.host().step(0.1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HostStep)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
