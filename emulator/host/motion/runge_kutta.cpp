#include "emulator/host/motion/runge_kutta.h"

#include <algorithm>
#include <cmath>

namespace emu {

namespace {

/* Cooper and Verner's nodes and weights hold the square root of 21, which
 * is no constant expression: the table is built once, on first use. */
RungeKuttaMethod CooperVerner()
{
    const double s = std::sqrt(21.0);
    RungeKuttaMethod m{8, 11, {0, 0.5, 0.5, (7 + s) / 14, (7 + s) / 14, 0.5, (7 - s) / 14, (7 - s) / 14, 0.5, (7 + s) / 14, 1},
                       {}, {1.0 / 20, 0, 0, 0, 0, 0, 0, 49.0 / 180, 16.0 / 45, 49.0 / 180, 1.0 / 20}};
    double rows[11][10] = {
        {},
        {1.0 / 2},
        {1.0 / 4, 1.0 / 4},
        {1.0 / 7, (-7 - 3 * s) / 98, (21 + 5 * s) / 49},
        {(11 + s) / 84, 0, (18 + 4 * s) / 63, (21 - s) / 252},
        {(5 + s) / 48, 0, (9 + s) / 36, (-231 + 14 * s) / 360, (63 - 7 * s) / 80},
        {(10 - s) / 42, 0, (-432 + 92 * s) / 315, (633 - 145 * s) / 90, (-504 + 115 * s) / 70, (63 - 13 * s) / 35},
        {1.0 / 14, 0, 0, 0, (14 - 3 * s) / 126, (13 - 3 * s) / 63, 1.0 / 9},
        {1.0 / 32, 0, 0, 0, (91 - 21 * s) / 576, 11.0 / 72, (-385 - 75 * s) / 1152, (63 + 13 * s) / 128},
        {1.0 / 14, 0, 0, 0, 1.0 / 9, (-733 - 147 * s) / 2205, (515 + 111 * s) / 504, (-51 - 11 * s) / 56,
         (132 + 28 * s) / 245},
        {0, 0, 0, 0, (-42 + 7 * s) / 18, (-18 + 28 * s) / 45, (-273 - 53 * s) / 72, (301 + 53 * s) / 72,
         (28 - 28 * s) / 45, (49 - 7 * s) / 18},
    };
    for (int i = 0; i < 11; ++i)
        for (int j = 0; j < i; ++j)
            m.a[i][j] = rows[i][j];
    return m;
}

/* The host's levels: below the bound, the method and the sub-step it aims at. */
struct Level {
    double below;
    const RungeKuttaMethod& (*method)();
    double subStepTarget;
};

const Level levels[] = {
    {0.5, RungeKutta2, 0.1},
    {10.0, RungeKutta4, 2.0},
    {100.0, RungeKutta6, 20.0},
    {HUGE_VAL, RungeKutta8, 200.0},
};

constexpr int maxSubSteps = 10;

}  // namespace

const RungeKuttaMethod& RungeKutta2()
{
    static const RungeKuttaMethod m{2, 2, {0, 0.5}, {{}, {0.5}}, {0, 1}};
    return m;
}

const RungeKuttaMethod& RungeKutta4()
{
    static const RungeKuttaMethod m{
        4, 4, {0, 0.5, 0.5, 1}, {{}, {0.5}, {0, 0.5}, {0, 0, 1}}, {1.0 / 6, 1.0 / 3, 1.0 / 3, 1.0 / 6}};
    return m;
}

const RungeKuttaMethod& RungeKutta6()
{
    static const RungeKuttaMethod m{6,
                                    7,
                                    {0, 1.0 / 3, 2.0 / 3, 1.0 / 3, 0.5, 0.5, 1},
                                    {{},
                                     {1.0 / 3},
                                     {0, 2.0 / 3},
                                     {1.0 / 12, 1.0 / 3, -1.0 / 12},
                                     {-1.0 / 16, 9.0 / 8, -3.0 / 16, -3.0 / 8},
                                     {0, 9.0 / 8, -3.0 / 8, -3.0 / 4, 1.0 / 2},
                                     {9.0 / 44, -9.0 / 11, 63.0 / 44, 18.0 / 11, 0, -16.0 / 11}},
                                    {11.0 / 120, 0, 27.0 / 40, 27.0 / 40, -4.0 / 15, -4.0 / 15, 11.0 / 120}};
    return m;
}

const RungeKuttaMethod& RungeKutta8()
{
    static const RungeKuttaMethod m = CooperVerner();
    return m;
}

StepPlan PlanStep(double dt)
{
    if (!(dt > 0.0) || !std::isfinite(dt))
        return {&RungeKutta2(), 0};
    const Level* level = levels;
    while (dt >= level->below)  // the last level's bound is above any finite step
        ++level;
    double subSteps = std::min(double(maxSubSteps), std::ceil(dt / level->subStepTarget));
    return {&level->method(), int(subSteps)};
}

}  // namespace emu
