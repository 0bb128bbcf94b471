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
#include "emulator/host/world/integration.h"

#include "emulator/host/world/frame_math.h"
#include "emulator/host/world/runge_kutta.h"
#include "emulator/host/world/two_body.h"

#include <cmath>

namespace emu {

namespace {

constexpr double enckeFractionOfOrbit = 0.01;

/* One sub-step of length h of x'' = accel(stage, c, x) from (pos, vel),
 * whose first stage's acceleration is given. */
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

Motion Integrate(const Motion& start, double gm, const VECTOR3& push, double dt)
{
    StepPlan plan = PlanStep(dt);
    if (plan.subSteps == 0)
        return start;
    double h = dt / plan.subSteps;
    if (gm > 0.0 && dt > enckeFractionOfOrbit * OrbitalPeriod({start.pos, start.vel}, gm))
        return IntegrateEncke(start, gm, push, plan, h);
    return IntegrateDirect(start, gm, push, plan, h);
}

}  // namespace emu
