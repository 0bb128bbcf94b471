/* The host's integration. A step is cut into equal sub-steps and each is
 * one step of the Runge-Kutta method its length calls for (see PlanStep).
 * Every method's first stage is the acceleration kept from the end of the
 * last sub-step, which carries the last step's forces, not this one's: a
 * force added in a pre-step changes the velocity in its step but, in the
 * midpoint method, the position only from the next sub-step on.
 *
 * A step longer than a hundredth of the orbit would lose the orbit in the
 * Runge-Kutta sum, so it goes by Encke's method instead: the reference
 * orbit (the conic through the sub-step's start) in closed form, and the
 * same Runge-Kutta method on the deviation from it, driven by the push
 * and by the difference of gravity at the true and at the reference
 * position. Without a push the deviation stays 0 and the vessel keeps to
 * the conic, to rounding, whatever the step. */
#include "emulator/host/motion/integration.h"

#include "emulator/host/motion/frame_math.h"
#include "emulator/host/motion/runge_kutta.h"
#include "emulator/host/motion/two_body.h"

#include <cmath>

namespace emu {

namespace {

constexpr double enckeFractionOfOrbit = 0.01;
constexpr double twoPi = 6.283185307179586;

/* One sub-step of length h of x'' = accel(c, x) from (pos, vel), c the
 * stage's time in sub-steps, whose first stage's acceleration is given. */
template <class Accel>
void RungeKuttaSubStep(const RungeKuttaMethod& m, double h, VECTOR3& pos, VECTOR3& vel, const VECTOR3& firstAccel,
                       Accel accel)
{
    VECTOR3 stageVel[maxStages], stageAccel[maxStages];
    stageVel[0] = vel;
    stageAccel[0] = firstAccel;
    for (int i = 1; i < m.stages; ++i) {
        VECTOR3 p = pos, v = vel;
        for (int j = 0; j < i; ++j) {
            if (m.a[i][j] == 0.0)
                continue;
            p = p + stageVel[j] * (h * m.a[i][j]);
            v = v + stageAccel[j] * (h * m.a[i][j]);
        }
        stageVel[i] = v;
        stageAccel[i] = accel(m.c[i], p);
    }
    for (int i = 0; i < m.stages; ++i) {
        if (m.b[i] == 0.0)
            continue;
        pos = pos + stageVel[i] * (h * m.b[i]);
        vel = vel + stageAccel[i] * (h * m.b[i]);
    }
}

Motion IntegrateDirect(Motion s, double gm, const VECTOR3& push, const StepPlan& plan, double h)
{
    auto accel = [&](double, const VECTOR3& p) { return GravityAt(p, gm) + push; };
    if (plan.method == &RungeKutta2()) {
        // Every step under half a second, so nearly every step a vessel
        // takes: written out as the host states it, not through the table.
        for (int k = 0; k < plan.subSteps; ++k) {
            VECTOR3 midVel = s.vel + s.keptAccel * (h / 2);
            VECTOR3 midPos = s.pos + s.vel * (h / 2);
            s.pos = s.pos + midVel * h;
            s.vel = s.vel + accel(0.5, midPos) * h;
            s.keptAccel = accel(1.0, s.pos);
        }
        return s;
    }
    for (int k = 0; k < plan.subSteps; ++k) {
        RungeKuttaSubStep(*plan.method, h, s.pos, s.vel, s.keptAccel, accel);
        s.keptAccel = accel(1.0, s.pos);
    }
    return s;
}

Motion IntegrateEncke(Motion s, double gm, const VECTOR3& push, const StepPlan& plan, double h)
{
    for (int k = 0; k < plan.subSteps; ++k) {
        OrbitState reference{s.pos, s.vel};
        auto deviationAccel = [&](double c, const VECTOR3& d) {
            VECTOR3 onOrbit = PropagateTwoBody(reference, gm, c * h).pos;
            return GravityAt(onOrbit + d, gm) - GravityAt(onOrbit, gm) + push;
        };
        VECTOR3 d{0, 0, 0}, dVel{0, 0, 0};
        // The kept acceleration less the reference orbit's own gravity.
        RungeKuttaSubStep(*plan.method, h, d, dVel, s.keptAccel - GravityAt(s.pos, gm), deviationAccel);
        OrbitState end = PropagateTwoBody(reference, gm, h);
        s.pos = end.pos + d;
        s.vel = end.vel + dVel;
        s.keptAccel = GravityAt(s.pos, gm) + push;
    }
    return s;
}

}  // namespace

VECTOR3 GravityAt(const VECTOR3& pos, double gm)
{
    double r2 = dot(pos, pos);
    if (gm == 0.0 || !(r2 > 0.0))
        return {0, 0, 0};
    double r = std::sqrt(r2);
    return pos * (-gm / (r2 * r));
}

StepIntegration PrepareStep(double gm, double dt)
{
    StepPlan plan = PlanStep(dt);
    double subStep = plan.subSteps > 0 ? dt / plan.subSteps : 0.0;
    // dt > P / 100 with P = 2 pi / (sqrt(gm) alpha^1.5), solved for alpha.
    double enckeAbove = HUGE_VAL;
    if (gm > 0.0 && plan.subSteps > 0)
        enckeAbove = std::pow(enckeFractionOfOrbit * twoPi / (dt * std::sqrt(gm)), 2.0 / 3.0);
    return {plan, subStep, gm, enckeAbove};
}

Motion Integrate(const StepIntegration& step, const Motion& start, const VECTOR3& push)
{
    if (step.plan.subSteps == 0)
        return start;
    if (step.enckeAbove < HUGE_VAL) {
        // alpha = 2 / r - v^2 / gm above the bound, without a root: r^2 q^2 < 4.
        double r2 = dot(start.pos, start.pos), q = step.enckeAbove + dot(start.vel, start.vel) / step.gm;
        if (r2 > 0.0 && r2 * q * q < 4.0)
            return IntegrateEncke(start, step.gm, push, step.plan, step.subStep);
    }
    return IntegrateDirect(start, step.gm, push, step.plan, step.subStep);
}

}  // namespace emu
