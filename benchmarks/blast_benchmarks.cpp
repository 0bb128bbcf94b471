/* A bomb in its blast window visits every vessel: its cost per vessel,
 * against two yardsticks: the same arithmetic over plain arrays, and the
 * same six host calls into a minimal host library. */
#include "bench_world.h"
#include "ideal_host/ideal_host.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <cstring>
#include <vector>

namespace {

const double bombX = 7e6 + 7, bombY = 3, bombZ = 1, power = 4.184e12, blastRadius = 200000.0;

/* The targets where BM_Blast puts them, then the bomb: three doubles each. */
std::vector<double> TargetPositions(int count)
{
    int side = int(std::ceil(std::cbrt(double(count))));
    double offset = (side - 1) * 100.0 / 2;
    std::vector<double> pos;
    for (int i = 0; i < count; ++i) {
        pos.push_back(7e6 + (i % side) * 100.0 - offset);
        pos.push_back((i / side % side) * 100.0 - offset);
        pos.push_back((i / side / side) * 100.0 - offset);
    }
    pos.insert(pos.end(), {bombX, bombY, bombZ});
    return pos;
}

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

/* The bare floor: distance, unit vector and inverse-square force over arrays. */
void BM_BlastFloorBare(benchmark::State& state)
{
    int count = int(state.range(0)) + 1;
    std::vector<double> x(count), y(count), z(count), fx(count), fy(count), fz(count);
    for (int i = 0; i < count; ++i) {
        x[i] = 7e6 + (i % 47) * 100.0;
        y[i] = (i / 47 % 47) * 100.0;
        z[i] = (i / 47 / 47) * 100.0;
    }
    const double px = bombX, py = bombY, pz = bombZ, radius = blastRadius;
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
BENCHMARK(BM_BlastFloorBare)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

/* The fair floor: what the bomb and the host compute per target, on plain
 * arrays: two lengths, the rotation into the target's frame, a unit vector,
 * the class check, the rotation back that AddForce does, the accumulation. */
void BM_BlastFloor(benchmark::State& state)
{
    int count = int(state.range(0)) + 1;
    std::vector<double> pos = TargetPositions(count - 1), rot(9 * std::size_t(count), 0.0),
                        force(3 * std::size_t(count), 0.0);
    std::vector<char> names(16 * std::size_t(count), 0);
    for (int i = 0; i < count; ++i) {
        rot[9 * i] = rot[9 * i + 4] = rot[9 * i + 8] = 1.0;
        std::strcpy(&names[16 * std::size_t(i)], i == count - 1 ? "Nuke" : "Station");
    }
    const int self = count - 1;
    const double bomb[3] = {bombX, bombY, bombZ};
    double level = 1.0;
    for (auto _ : state) {
        level *= 0.999999;
        for (int i = 0; i < count; ++i) {
            const double* p = &pos[3 * std::size_t(i)];
            const double* r = &rot[9 * std::size_t(i)];
            double g[3] = {p[0] - bomb[0], p[1] - bomb[1], p[2] - bomb[2]};
            double d = std::sqrt(g[0] * g[0] + g[1] * g[1] + g[2] * g[2]);
            double local[3];
            for (int k = 0; k < 3; ++k)
                local[k] = -(r[3 * k] * g[0] + r[3 * k + 1] * g[1] + r[3 * k + 2] * g[2]);
            double l = std::sqrt(local[0] * local[0] + local[1] * local[1] + local[2] * local[2]);
            double away[3] = {-local[0] / l, -local[1] / l, -local[2] / l};
            bool exempt = std::strcmp(&names[16 * std::size_t(i)], "roid") == 0;
            if (!(d < blastRadius) || i == self || exempt)
                continue;
            double magnitude = power / (d * d) * level;
            if (d == 0.0 || !std::isfinite(magnitude))
                continue;
            double* f = &force[3 * std::size_t(i)];
            for (int k = 0; k < 3; ++k)
                f[k] += (r[k] * away[0] + r[3 + k] * away[1] + r[6 + k] * away[2]) * magnitude;
        }
        benchmark::DoNotOptimize(force.data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BlastFloor)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

/* The ideal-host floor: the bomb's loop, call for call, into the minimal
 * host library, through interface objects as a module holds them. */
void BM_BlastIdealHost(benchmark::State& state)
{
    int count = int(state.range(0)) + 1;
    idealCreate(count, TargetPositions(count - 1).data(), "Station");
    const IdealHandle self = idealVesselByIndex(count - 1);
    const double bomb[3] = {bombX, bombY, bombZ};
    double level = 1.0;
    for (auto _ : state) {
        level *= 0.999999;
        int n = idealCount();
        for (int i = 0; i < n; ++i) {
            const IdealVessel* v = idealInterface(idealVesselByIndex(i));
            if (!v)
                continue;
            IdealHandle handle = v->handle;
            double p[3], local[3];
            idealGlobalPos(handle, p);
            double d = std::sqrt((p[0] - bomb[0]) * (p[0] - bomb[0]) + (p[1] - bomb[1]) * (p[1] - bomb[1]) +
                                 (p[2] - bomb[2]) * (p[2] - bomb[2]));
            idealGlobal2Local(handle, bomb, local);
            double l = std::sqrt(local[0] * local[0] + local[1] * local[1] + local[2] * local[2]);
            const char* className = idealClassName(handle);
            bool exempt = className && std::strcmp(className, "roid") == 0;
            if (!(d < blastRadius) || handle == self || exempt)
                continue;
            double magnitude = power / (d * d) * level;
            if (d == 0.0 || !std::isfinite(magnitude))
                continue;
            double force[3] = {-local[0] / l * magnitude, -local[1] / l * magnitude, -local[2] / l * magnitude};
            idealAddForce(handle, force);
            if (v == idealFocusInterface())
                benchmark::DoNotOptimize(d);  // where the bomb writes its debug line
        }
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(BM_BlastIdealHost)->Arg(100)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
