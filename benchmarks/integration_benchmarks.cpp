/* What moving the vessels costs: the world's integration of a step of
 * 0.1 s (one midpoint sub-step with body 0's gravity, the new states held
 * back and then applied) against the same arithmetic over plain arrays, per
 * vessel, at 1,000 to 100,000 vessels in low orbit. */
#include "emulator/host/world/world.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr double stepLength = 0.1;
constexpr double gmEarth = 3.986004418e14;

/* Vessel i on a circular orbit 7,000 km out, spread round the equator. */
void OrbitAt(int i, int count, double pos[3], double vel[3])
{
    double angle = 6.283185307179586 * i / count, r = 7e6, speed = std::sqrt(gmEarth / r);
    pos[0] = r * std::cos(angle);
    pos[1] = 0;
    pos[2] = r * std::sin(angle);
    vel[0] = -speed * std::sin(angle);
    vel[1] = 0;
    vel[2] = speed * std::cos(angle);
}

void BM_Integrate(benchmark::State& state)
{
    int count = int(state.range(0));
    emu::World world;
    world.gravity = true;
    world.addBody(emu::Body());
    for (int i = 0; i < count; ++i) {
        emu::VesselRecord record;
        double p[3], v[3];
        OrbitAt(i, count, p, v);
        record.pos = {p[0], p[1], p[2]};
        record.vel = {v[0], v[1], v[2]};
        record.mass = 1e4;
        world.seedAcceleration(record);
        world.addVessel(std::move(record));
    }
    std::vector<OBJHANDLE> order = world.vessels();
    for (auto _ : state) {
        world.integrate(order, stepLength);
        world.applyIntegration();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_Integrate)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

/* The same sub-step, vessel by vessel, over arrays of plain numbers: the
 * push cleared into the acceleration, the midpoint, gravity twice, the new
 * state held apart and then copied back (none of the vessels spins). */
void BM_IntegrateFloor(benchmark::State& state)
{
    std::size_t count = std::size_t(state.range(0));
    std::vector<double> pos(3 * count), vel(3 * count), kept(3 * count), force(3 * count), mass(count, 1e4);
    std::vector<double> newPos(3 * count), newVel(3 * count);
    for (std::size_t i = 0; i < count; ++i) {
        OrbitAt(int(i), int(count), &pos[3 * i], &vel[3 * i]);
        double r = std::sqrt(pos[3 * i] * pos[3 * i] + pos[3 * i + 2] * pos[3 * i + 2]);
        for (int k = 0; k < 3; ++k)
            kept[3 * i + k] = -gmEarth * pos[3 * i + k] / (r * r * r);
    }
    auto gravity = [](const double p[3], double g[3]) {
        double r2 = p[0] * p[0] + p[1] * p[1] + p[2] * p[2], r = std::sqrt(r2);
        for (int k = 0; k < 3; ++k)
            g[k] = -gmEarth * p[k] / (r2 * r);
    };
    const double h = stepLength;
    for (auto _ : state) {
        for (std::size_t i = 0; i < count; ++i) {
            double* p = &pos[3 * i];
            double* v = &vel[3 * i];
            double* a = &kept[3 * i];
            double push[3], mid[3], g[3], end[3];
            for (int k = 0; k < 3; ++k) {
                push[k] = force[3 * i + k] / mass[i];
                force[3 * i + k] = 0;
                mid[k] = p[k] + v[k] * (h / 2);
            }
            gravity(mid, g);
            for (int k = 0; k < 3; ++k) {
                end[k] = p[k] + (v[k] + a[k] * (h / 2)) * h;
                newVel[3 * i + k] = v[k] + (g[k] + push[k]) * h;
                newPos[3 * i + k] = end[k];
            }
            gravity(end, g);
            for (int k = 0; k < 3; ++k)
                a[k] = g[k] + push[k];
        }
        for (std::size_t i = 0; i < count; ++i) {
            for (int k = 0; k < 3; ++k) {
                pos[3 * i + k] = newPos[3 * i + k];
                vel[3 * i + k] = newVel[3 * i + k];
            }
        }
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_IntegrateFloor)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

}  // namespace
