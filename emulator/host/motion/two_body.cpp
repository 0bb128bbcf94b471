/* Universal variables (Battin; Vallado's formulation): one equation in the
 * universal anomaly x covers every kind of conic,
 *   F(x) = r0 vr0 / sqrt(gm) x^2 C(z) + (1 - alpha r0) x^3 S(z) + r0 x - sqrt(gm) t,
 * z = alpha x^2, alpha the reciprocal semi-major axis (0 for a parabola,
 * negative for a hyperbola), C and S Stumpff's functions. F's derivative is
 * the distance from the centre, never negative, so F rises with x and has
 * one root: it is bracketed first, then found by Newton's method kept
 * inside the bracket (bisecting when Newton would leave it or slows
 * down), so that no state hangs the search or makes it diverge. A bound orbit first drops
 * its whole revolutions from t. */
#include "emulator/host/motion/two_body.h"

#include "emulator/host/motion/frame_math.h"

#include <cmath>

namespace emu {

namespace {

constexpr double twoPi = 6.283185307179586;

/* C(z) = (1 - cos sqrt z) / z and S(z) = (sqrt z - sin sqrt z) / sqrt z^3,
 * with their series near 0, where the closed forms lose every digit. */
struct Stumpff {
    double c;
    double s;
};

Stumpff StumpffAt(double z)
{
    if (std::fabs(z) < 0.1) {
        double c = 1.0 / 2, s = 1.0 / 6, term_c = 1.0 / 2, term_s = 1.0 / 6;
        for (int k = 1; k < 8; ++k) {
            term_c *= -z / ((2 * k + 1) * (2 * k + 2));
            term_s *= -z / ((2 * k + 2) * (2 * k + 3));
            c += term_c;
            s += term_s;
        }
        return {c, s};
    }
    if (z > 0) {
        double y = std::sqrt(z);
        return {(1 - std::cos(y)) / z, (y - std::sin(y)) / (y * z)};
    }
    double y = std::sqrt(-z);
    return {(std::cosh(y) - 1) / -z, (std::sinh(y) - y) / (y * -z)};
}

/* What the anomaly equation needs of the starting state. */
struct Anomaly {
    double r0;
    double sigma;  // r0 . v0 / sqrt(gm)
    double alpha;
    double sqrtGm;
    double t;

    /* F(x), a number whatever x: beyond overflow, the sign of x, since F
     * rises without bound on both sides. */
    double residual(double x) const
    {
        Stumpff f = StumpffAt(alpha * x * x);
        double value = sigma * x * x * f.c + (1 - alpha * r0) * x * x * x * f.s + r0 * x - sqrtGm * t;
        return std::isfinite(value) ? value : (x > 0 ? HUGE_VAL : -HUGE_VAL);
    }

    /* F'(x): the distance from the centre at x. */
    double radius(double x) const
    {
        double z = alpha * x * x;
        Stumpff f = StumpffAt(z);
        return sigma * x * (1 - z * f.s) + (1 - alpha * r0) * x * x * f.c + r0;
    }
};

double SolveAnomaly(const Anomaly& eq)
{
    double guess = eq.sqrtGm * eq.t / eq.r0;
    if (eq.alpha > 0)
        guess = eq.sqrtGm * eq.t * eq.alpha;
    double lo = 0, hi = 0;
    // F(0) = -sqrt(gm) t: the root lies on the side of t.
    double stride = std::fabs(guess) > 0 ? std::fabs(guess) : 1.0;
    for (int i = 0; i < 2100; ++i, stride *= 2) {
        double x = eq.t > 0 ? stride : -stride;
        if ((eq.residual(x) > 0) == (eq.t > 0)) {
            (eq.t > 0 ? hi : lo) = x;
            break;
        }
        (eq.t > 0 ? lo : hi) = x;
    }
    double x = std::fmin(std::fmax(guess, lo), hi);
    double lastMove = hi - lo;
    for (int i = 0; i < 200 && lo < hi; ++i) {
        double f = eq.residual(x);
        if (f == 0)
            return x;
        (f > 0 ? hi : lo) = x;
        double next = x - f / eq.radius(x);
        // Newton only while it at least halves its moves: far out on a
        // hyperbola it creeps, and the bisection closes in faster.
        if (!(next > lo && next < hi) || std::fabs(next - x) > lastMove / 2)
            next = lo + (hi - lo) / 2;
        lastMove = std::fabs(next - x);
        if (next == lo || next == hi || lastMove <= 1e-15 * std::fabs(x))
            return next;
        x = next;
    }
    return x;
}

}  // namespace

double OrbitalPeriod(const OrbitState& s, double gm)
{
    double r = length(s.pos);
    if (!(r > 0) || !(gm > 0))
        return HUGE_VAL;
    double alpha = 2 / r - dot(s.vel, s.vel) / gm;
    if (!(alpha > 0))
        return HUGE_VAL;
    return twoPi / (std::sqrt(gm) * alpha * std::sqrt(alpha));
}

OrbitState PropagateTwoBody(const OrbitState& s, double gm, double t)
{
    double r0 = length(s.pos);
    if (!(r0 > 0) || !(gm > 0) || t == 0 || !std::isfinite(t))
        return s;
    double sqrtGm = std::sqrt(gm);
    double alpha = 2 / r0 - dot(s.vel, s.vel) / gm;
    double period = OrbitalPeriod(s, gm);
    if (std::isfinite(period))
        t = std::fmod(t, period);
    Anomaly eq{r0, dot(s.pos, s.vel) / sqrtGm, alpha, sqrtGm, t};
    double x = SolveAnomaly(eq);
    double z = alpha * x * x;
    Stumpff st = StumpffAt(z);
    double f = 1 - x * x / r0 * st.c;
    double g = t - x * x * x / sqrtGm * st.s;
    VECTOR3 pos = s.pos * f + s.vel * g;
    double r = length(pos);
    double fDot = sqrtGm / (r * r0) * x * (z * st.s - 1);
    double gDot = 1 - x * x / r * st.c;
    OrbitState next{pos, s.pos * fDot + s.vel * gDot};
    bool finite = std::isfinite(next.pos.x + next.pos.y + next.pos.z + next.vel.x + next.vel.y + next.vel.z);
    return finite && r > 0 ? next : s;
}

}  // namespace emu
