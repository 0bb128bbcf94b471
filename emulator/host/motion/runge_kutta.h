/* The explicit Runge-Kutta methods the host moves vessels with, and which
 * one a step of a given length uses. A method is its Butcher tableau; the
 * levels table says, by step length, the method and the sub-step length it
 * aims at. */
#ifndef BRIMSTAR_EMULATOR_HOST_RUNGE_KUTTA_H
#define BRIMSTAR_EMULATOR_HOST_RUNGE_KUTTA_H

namespace emu {

constexpr int maxStages = 11;

/* Stage i starts from the state plus h times sum of a[i][j] times the
 * derivative of stage j, at time c[i] h; the step adds h times sum of b[i]
 * times the derivative of stage i. */
struct RungeKuttaMethod {
    int order;
    int stages;
    double c[maxStages];
    double a[maxStages][maxStages];
    double b[maxStages];
};

const RungeKuttaMethod& RungeKutta2();  // the midpoint method
const RungeKuttaMethod& RungeKutta4();  // the classical one
const RungeKuttaMethod& RungeKutta6();  // Butcher's, seven stages
const RungeKuttaMethod& RungeKutta8();  // Cooper and Verner's, eleven stages

/* How a step is integrated: the method, and how many equal sub-steps. */
struct StepPlan {
    const RungeKuttaMethod* method;
    int subSteps;
};

/* The host's choice by step length; a step of 0 or less, or one that is
 * not finite, has no sub-steps. */
StepPlan PlanStep(double dt);

}  // namespace emu

#endif
