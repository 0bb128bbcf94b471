/* The rock field's cost: the rocks' own pre-steps, and the stand-in
 * collision library's step over many registered vessels. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

#include "CollisionAPI.h"
#include "support/loaded_library.h"

namespace {

/* Every rock's pre-step: it registers again and tests its two rules. */
void BM_RockPreSteps(benchmark::State& state)
{
    bench::BenchWorld world(true);
    world.add("GL-01", "Ship", {7e6, 0, 0});
    world.fill(int(state.range(0)), "R-", "roid", {7e6, 0, 0}, 30.0);
    std::vector<VESSEL2*> rocks;
    for (OBJHANDLE h : world.host().world().vessels())
        if (world.host().world().vessel(h)->className == "roid")
            rocks.push_back(world.host().world().vessel(h)->callbacks);
    for (auto _ : state)
        for (VESSEL2* rock : rocks)
            rock->clbkPreStep(1.0, 0.1, 0);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RockPreSteps)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

void IgnoreContact(void*) {}

/* The collision library's contact search over N registered vessels at a
 * constant density, a few of them touching. */
void BM_CollisionStep(benchmark::State& state)
{
    bench::BenchWorld world(true);
    int count = int(state.range(0));
    world.fill(count, "V-", "Station", {7e6, 0, 0}, 12.0);
    auto watch = reinterpret_cast<SetOnCollideFn>(testing_support::LoadedExport("modules/collision.dll", "VSSetOnCollide"));
    auto maincall = reinterpret_cast<MainCallFn>(testing_support::LoadedExport("modules/collision.dll", "maincall"));
    for (OBJHANDLE h : world.host().world().vessels())
        watch(h, nullptr, IgnoreContact);
    for (auto _ : state)
        maincall(1.0, 0.1, COLLISION_PHASE_POST);
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_CollisionStep)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

}  // namespace
