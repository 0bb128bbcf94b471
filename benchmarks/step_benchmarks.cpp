/* What one step costs: the module's idle pre-step against the emulated
 * host's own step, and the host's step as the world grows, against the same
 * three passes over plain arrays. */
#include "bench_world.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <memory>
#include <vector>

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
    // Every vessel's first look at its neighbours, once for the world: with
    // a few timed steps at 100,000 vessels it would be most of them.
    world.host().step(0.1);
    for (auto _ : state)
        world.host().step(0.1);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HostStep)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

/* Half the world deleted in one step, the requests and the step that
 * carries them out, per vessel deleted: every other vessel, or the first
 * half with the focus on the first, so that the focus moves on at every
 * deletion. Each deletion costs the same however large the world, so this
 * grows only as the step itself does, and as the batch of looks made by the
 * vessels whose proxies went. */
void BM_DeleteHalf(benchmark::State& state, int stride, int offset)
{
    int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto world = std::make_unique<bench::BenchWorld>(false);
        world->fill(count, "S-", "Ship", {7e6, 0, 0}, 100.0);
        world->host().step(0.1);  // every vessel's first look at its neighbours, once for the world
        std::vector<OBJHANDLE> doomed;
        for (int i = 0; i < count / 2; ++i)
            doomed.push_back(oapiGetVesselByIndex(i * stride + offset));
        state.ResumeTiming();
        for (OBJHANDLE h : doomed)
            oapiDeleteVessel(h);
        world->host().step(0.1);
        benchmark::DoNotOptimize(oapiGetVesselByIndex(0));  // the order, closed again
        state.PauseTiming();
        world.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * (count / 2));
}
BENCHMARK_CAPTURE(BM_DeleteHalf, EveryOther, 2, 0)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK_CAPTURE(BM_DeleteHalf, FocusFirst, 1, 0)
    ->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

/* A vessel object as small as the host's own: a table of callbacks and the
 * handle it was made with. */
struct FloorVessel {
    explicit FloorVessel(std::uint64_t h) : handle(h) {}
    virtual ~FloorVessel() = default;
    virtual void preStep(double) {}
    virtual void postStep(double) {}
    std::uint64_t handle;
};

/* What the step reads and writes of a vessel, no more, in the cache lines
 * it takes. */
struct alignas(64) FloorRecord {
    FloorVessel* callbacks;
    double pos[3], vel[3], rot[9], force[3], keptAccel[3], angularVel[3];
    double mass;
    int status;
};

/* The step's floor: every vessel's pre-step through its object, the same
 * integration, every post-step, over contiguous records found by checked
 * handles. What it costs at each size is what the memory of that much state
 * costs on this machine. */
void BM_HostStepFloor(benchmark::State& state)
{
    std::size_t count = std::size_t(state.range(0));
    std::vector<FloorVessel> objects;
    objects.reserve(count);
    std::vector<FloorRecord> records(count);
    std::vector<std::uint32_t> generations(count, 1);
    std::vector<std::uint64_t> order(count);
    for (std::size_t i = 0; i < count; ++i) {
        order[i] = std::uint64_t(1) << 32 | i;
        objects.emplace_back(order[i]);
        FloorRecord& r = records[i];
        r = FloorRecord{&objects[i], {7e6 + double(i), 0, 0}, {}, {1, 0, 0, 0, 1, 0, 0, 0, 1}, {}, {}, {}, 1e4, 0};
    }
    auto find = [&](std::uint64_t h) -> FloorRecord* {
        std::size_t index = std::uint32_t(h);
        return index < records.size() && generations[index] == h >> 32 ? &records[index] : nullptr;
    };
    const double dt = 0.1;
    for (auto _ : state) {
        for (std::uint64_t h : order)
            if (FloorRecord* r = find(h))
                r->callbacks->preStep(dt);
        for (std::uint64_t h : order) {
            FloorRecord* r = find(h);
            if (!r)
                continue;
            // One midpoint sub-step without gravity: the push counts from
            // the second stage, and is kept for the next step's first.
            double push[3];
            for (int k = 0; k < 3; ++k) {
                push[k] = r->force[k] * (1.0 / r->mass);
                r->force[k] = 0;
            }
            if (r->status == 1)
                continue;
            for (int k = 0; k < 3; ++k) {
                r->pos[k] += (r->vel[k] + r->keptAccel[k] * (dt / 2)) * dt;
                r->vel[k] += push[k] * dt;
                r->keptAccel[k] = push[k];
            }
            if (r->angularVel[0] != 0.0 || r->angularVel[1] != 0.0 || r->angularVel[2] != 0.0)
                r->rot[0] += dt;  // a spinning vessel turns; none spins here
        }
        for (std::uint64_t h : order)
            if (FloorRecord* r = find(h))
                r->callbacks->postStep(dt);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_HostStepFloor)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
