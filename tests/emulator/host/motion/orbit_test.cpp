/* Vessels on two-body orbits, flown by the host's steps and checked against
 * Kepler's equation solved here on its own: short steps go by the
 * Runge-Kutta sum, steps over a hundredth of the orbit by the closed form. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/motion/frame_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double gm = emu::Body().gm;

/* Where a vessel that passed periapsis on the x axis, moving along z, is
 * after t seconds on the ellipse of those apsides. */
VECTOR3 KeplerPosition(double periapsis, double apoapsis, double t)
{
    double a = (periapsis + apoapsis) / 2, e = (apoapsis - periapsis) / (apoapsis + periapsis);
    double meanAnomaly = std::sqrt(gm / (a * a * a)) * t;
    double E = meanAnomaly;
    for (int i = 0; i < 50; ++i)
        E -= (E - e * std::sin(E) - meanAnomaly) / (1 - e * std::cos(E));
    return {a * (std::cos(E) - e), 0, a * std::sqrt(1 - e * e) * std::sin(E)};
}

struct OrbitCase {
    const char* name;
    double periapsis;
    double apoapsis;
    double dt;
    int steps;
};

}  // namespace

class TwoBodyOrbit : public HostTest, public ::testing::WithParamInterface<OrbitCase> {};

TEST_P(TwoBodyOrbit, KeepsToKeplersSolutionWithinAMetre)
{
    const OrbitCase& c = GetParam();
    host.world().gravity = true;
    double a = (c.periapsis + c.apoapsis) / 2;
    double speed = std::sqrt(gm * (2 / c.periapsis - 1 / a));
    OBJHANDLE h = Ship("O-1", {c.periapsis, 0, 0}, {0, 0, speed});
    for (int i = 0; i < c.steps; ++i)
        host.step(c.dt);

    VECTOR3 expected = KeplerPosition(c.periapsis, c.apoapsis, c.dt * c.steps);
    EXPECT_LT(emu::length(emu::operator-(host.world().vessel(h)->pos, expected)), 1.0);
}

INSTANTIATE_TEST_SUITE_P(
    Orbits, TwoBodyOrbit,
    ::testing::Values(OrbitCase{"CircularTenMinutesAtATenthOfASecond", 7e6, 7e6, 0.1, 6000},
                      OrbitCase{"EccentricTenMinutesAtATenthOfASecond", 6.8e6, 1.2e7, 0.1, 6000},
                      // A hundredth of this orbit is 58 s: the closed form.
                      OrbitCase{"CircularADayAtAMinute", 7e6, 7e6, 60.0, 1440},
                      // Steps of a tenth of the orbit, which no sum would keep to.
                      OrbitCase{"CircularADayAtTenMinutes", 7e6, 7e6, 600.0, 144},
                      OrbitCase{"EccentricADayAtTenMinutes", 6.8e6, 1.2e7, 600.0, 144},
                      // A hundredth of this one is 91 s: the sixth order sum.
                      OrbitCase{"EccentricADayAtAMinute", 6.8e6, 1.2e7, 60.0, 1440}),
    [](const ::testing::TestParamInfo<OrbitCase>& info) { return std::string(info.param.name); });
