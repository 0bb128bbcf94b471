/* The host's integration methods: which one a step uses, that each table
 * really has its order, and that the closed-form orbit stays a number. */
#include "emulator/host/motion/frame_math.h"
#include "emulator/host/motion/runge_kutta.h"
#include "emulator/host/motion/two_body.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

struct PlanCase {
    double dt;
    int order;
    int subSteps;
};

class StepLevels : public ::testing::TestWithParam<PlanCase> {};

}  // namespace

TEST_P(StepLevels, TheMethodAndTheSubStepsFollowTheStepsLength)
{
    const PlanCase& c = GetParam();
    emu::StepPlan plan = emu::PlanStep(c.dt);
    EXPECT_EQ(plan.subSteps, c.subSteps);
    if (c.subSteps > 0) {
        EXPECT_EQ(plan.method->order, c.order);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lengths, StepLevels,
    ::testing::Values(PlanCase{0.01, 2, 1}, PlanCase{0.1, 2, 1}, PlanCase{0.25, 2, 3}, PlanCase{0.49, 2, 5},
                      PlanCase{0.5, 4, 1}, PlanCase{3.0, 4, 2}, PlanCase{9.9, 4, 5}, PlanCase{10.0, 6, 1},
                      PlanCase{60.0, 6, 3}, PlanCase{99.0, 6, 5}, PlanCase{100.0, 8, 1}, PlanCase{1000.0, 8, 5},
                      PlanCase{86400.0, 8, 10}, PlanCase{0.0, 0, 0}, PlanCase{-1.0, 0, 0},
                      PlanCase{std::numeric_limits<double>::infinity(), 0, 0},
                      PlanCase{std::numeric_limits<double>::quiet_NaN(), 0, 0}));

namespace {

/* y' = y cos t from y(0) = 1 to t = 2 in n steps of the table: the exact
 * answer is exp(sin 2). */
double TableError(const emu::RungeKuttaMethod& m, int n)
{
    double h = 2.0 / n, t = 0, y = 1;
    for (int step = 0; step < n; ++step, t += h) {
        double k[emu::maxStages];
        double next = y;
        for (int i = 0; i < m.stages; ++i) {
            double yi = y;
            for (int j = 0; j < i; ++j)
                yi += h * m.a[i][j] * k[j];
            k[i] = yi * std::cos(t + m.c[i] * h);
            next += h * m.b[i] * k[i];
        }
        y = next;
    }
    return std::fabs(y - std::exp(std::sin(2.0)));
}

}  // namespace

TEST(RungeKuttaTables, EachConvergesAtItsOrder)
{
    for (const emu::RungeKuttaMethod* m :
         {&emu::RungeKutta2(), &emu::RungeKutta4(), &emu::RungeKutta6(), &emu::RungeKutta8()}) {
        // Halving the step divides the error by 2 to the order, with steps
        // short enough for that and the error still far above rounding.
        int steps = m->order <= 4 ? 16 : 4;
        double coarse = TableError(*m, steps), fine = TableError(*m, 2 * steps);
        EXPECT_NEAR(std::log2(coarse / fine), m->order, 0.5) << "order " << m->order;
    }
}

namespace {

const double gm = 3.986004418e14;

double Energy(const emu::OrbitState& s)
{
    return emu::dot(s.vel, s.vel) / 2 - gm / emu::length(s.pos);
}

struct ConicCase {
    const char* name;
    VECTOR3 pos;
    VECTOR3 vel;
    double t;
};

class ClosedFormOrbit : public ::testing::TestWithParam<ConicCase> {};

}  // namespace

TEST_P(ClosedFormOrbit, KeepsEnergyAndAngularMomentumAndRunsBackToItsStart)
{
    const ConicCase& c = GetParam();
    emu::OrbitState start{c.pos, c.vel};
    emu::OrbitState there = emu::PropagateTwoBody(start, gm, c.t);
    emu::OrbitState back = emu::PropagateTwoBody(there, gm, -c.t);

    double scale = std::fabs(Energy(start)) + gm / emu::length(c.pos);
    EXPECT_NEAR(Energy(there), Energy(start), 1e-10 * scale);
    VECTOR3 momentum = emu::cross(start.pos, start.vel), later = emu::cross(there.pos, there.vel);
    EXPECT_LT(emu::length(emu::operator-(later, momentum)), 1e-9 * (emu::length(momentum) + 1.0));
    double reach = emu::length(there.pos) + emu::length(c.pos);
    EXPECT_LT(emu::length(emu::operator-(back.pos, start.pos)), 1e-10 * reach);
}

INSTANTIATE_TEST_SUITE_P(
    Conics, ClosedFormOrbit,
    ::testing::Values(ConicCase{"Circle", {7e6, 0, 0}, {0, 0, 7546.05}, 3000},
                      ConicCase{"ManyRevolutions", {7e6, 0, 0}, {0, 0, 8000}, 1e7},
                      ConicCase{"Parabola", {7e6, 0, 0}, {0, 3000, std::sqrt(2 * gm / 7e6 - 9e6)}, 5e4},
                      ConicCase{"NearParabola", {7e6, 0, 0}, {0, 0, std::sqrt(2 * gm / 7e6) * (1 + 1e-12)}, 1e6},
                      ConicCase{"Hyperbola", {7e6, 0, 0}, {0, -2e4, 2e4}, 1e6},
                      ConicCase{"FastHyperbolaFarOut", {7e6, 0, 0}, {0, 0, 3e5}, 1e9},
                      ConicCase{"Backwards", {7e6, 0, 0}, {0, 1000, 9000}, -2e4}),
    [](const ::testing::TestParamInfo<ConicCase>& info) { return std::string(info.param.name); });

TEST(ClosedFormOrbit, AnyFiniteStateGivesANumber)
{
    const ConicCase states[] = {
        {"AtRest", {7e6, 0, 0}, {0, 0, 0}, 1e4},  // falls through the centre
        {"AtTheCentre", {0, 0, 0}, {0, 0, 1000}, 100},
        {"OneMetreOut", {1, 0, 0}, {0, 1, 0}, 1e3},
        {"FarAndSlow", {1e15, 0, 0}, {0, 1e-3, 0}, 1e12},
        {"Enormous", {1e300, 0, 0}, {0, 1e300, 0}, 1e300},
    };
    for (const ConicCase& c : states) {
        emu::OrbitState s = emu::PropagateTwoBody({c.pos, c.vel}, gm, c.t);
        for (double x : {s.pos.x, s.pos.y, s.pos.z, s.vel.x, s.vel.y, s.vel.z})
            EXPECT_TRUE(std::isfinite(x)) << c.name;
    }
}
