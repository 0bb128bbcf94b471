/* The rock field's own cost: the rocks' pre-steps. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

/* Every rock's pre-step: it registers again and tests its two rules. */
void BM_RockPreSteps(benchmark::State& state)
{
    bench::BenchWorld world(true);
    world.add("GL-01", "Ship", {7e6, 0, 0});
    world.fill(int(state.range(0)), "R-", "roid", {7e6, 0, 0}, 30.0);
    std::vector<VESSEL2*> rocks;
    for (OBJHANDLE h : world.host().world().vessels())
        if (*world.host().world().vessel(h)->className == "roid")
            rocks.push_back(world.host().world().vessel(h)->callbacks);
    for (auto _ : state)
        for (VESSEL2* rock : rocks)
            rock->clbkPreStep(1.0, 0.1, 0);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_RockPreSteps)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
