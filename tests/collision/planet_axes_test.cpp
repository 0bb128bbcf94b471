/* The axes services against the planet's angles, with pi taken to 15 digits:
 * the quarter turn falls short of pi / 2, and that shows as a cosine of
 * about 1.6e-15 where a quarter turn of the closest double to pi gives 6e-17. */
#include "collision/planet_axes.h"
#include "emulator/host/motion/frame_math.h"
#include "service_fixture.h"

#include <cmath>

namespace {

const double pi = std::acos(-1.0);
const double quarterTurn = 0.5 * 3.14159265358979;
const double shortfall = std::cos(quarterTurn);

struct Angles {
    double obliquity, theta, rotation;
};

emu::Body PlanetWith(const Angles& angles)
{
    emu::Body body;
    body.obliquity = angles.obliquity;
    body.theta = angles.theta;
    body.rotationAtZero = angles.rotation;
    body.rotationPeriod = 0.0;  // holds still at its rotation angle
    return body;
}

void ExpectNear(const VECTOR3& v, const VECTOR3& expected, double tolerance, const char* what)
{
    EXPECT_NEAR(v.x, expected.x, tolerance) << what;
    EXPECT_NEAR(v.y, expected.y, tolerance) << what;
    EXPECT_NEAR(v.z, expected.z, tolerance) << what;
}

class PlanetAxes : public ServiceTest {
protected:
    explicit PlanetAxes(const Angles& angles = {0, 0, 0}) : ServiceTest(PlanetWith(angles)) {}

    void AxesGlobal() { SvcPlanetAxesGlobal(planet, &a, &b, &c); }

    VECTOR3 a{}, b{}, c{};
};

class TurnedPlanet : public PlanetAxes {
protected:
    TurnedPlanet() : PlanetAxes({0, 0, quarterTurn}) {}
};

class TiltedPlanet : public PlanetAxes {
protected:
    TiltedPlanet() : PlanetAxes({quarterTurn, 0, 0}) {}
};

}  // namespace

TEST_F(PlanetAxes, WithAllAnglesZeroTheShortQuarterTurnShows)
{
    AxesGlobal();

    ExpectNear(a, {1, 0, 0}, 0, "x axis");
    ExpectNear(b, {shortfall, 0, 1}, 1e-17, "z axis");
    ExpectNear(c, {shortfall, 1, 0}, 1e-17, "polar axis");
    EXPECT_GT(b.x, 1e-15) << "a true quarter turn would leave only 6e-17";
}

TEST_F(TurnedPlanet, AQuarterRotationTurnsTheEquatorialAxes)
{
    AxesGlobal();

    ExpectNear(a, {0, 0, 1}, 1e-14, "x axis");
    ExpectNear(b, {-1, 0, 0}, 1e-14, "z axis");
}

TEST_F(TiltedPlanet, AQuarterObliquityLaysThePoleAlongZ)
{
    AxesGlobal();

    ExpectNear(c, {0, 0, 1}, 1e-14, "polar axis");
}

TEST_F(TurnedPlanet, InAnAlignedVesselTheLocalAxesAreTheGlobalOnes)
{
    VESSEL* ship = Ship("GL-01", {7e6, 2e5, -3e5});
    VECTOR3 local[3];
    SvcPlanetAxesLocal(ship, &local[0], &local[1], &local[2]);
    AxesGlobal();

    // Only the rounding of going out a metre from 7e6 m and back remains.
    ExpectNear(local[0], a, 1e-8, "x axis");
    ExpectNear(local[1], b, 1e-8, "z axis");
    ExpectNear(local[2], c, 1e-8, "polar axis");
}

TEST_F(PlanetAxes, GlobalAxesInAVesselFrame)
{
    VESSEL* aligned = Ship("GL-01", {7e6, 0, 0});
    SvcGlobalAxesLocal(aligned, &a, &b, &c);
    ExpectNear(a, {1, 0, 0}, 1e-8, "x");
    ExpectNear(b, {0, 1, 0}, 1e-8, "y");
    ExpectNear(c, {0, 0, 1}, 1e-8, "z");

    // Turned a quarter about z: its x axis lies along global y.
    VESSEL* turned = Ship("GL-02", {7e6, 0, 0});
    Record(turned).rot = emu::RotationFromAngles({0, 0, pi / 2});
    SvcGlobalAxesLocal(turned, &a, &b, &c);
    ExpectNear(a, {0, -1, 0}, 1e-8, "x");
    ExpectNear(b, {1, 0, 0}, 1e-8, "y");
    ExpectNear(c, {0, 0, 1}, 1e-8, "z");
}

TEST_F(PlanetAxes, MissingOutputsAndANullVesselAreSkipped)
{
    SvcPlanetAxesGlobal(planet, nullptr, &b, nullptr);
    ExpectNear(b, {shortfall, 0, 1}, 1e-17, "z axis");

    VECTOR3 untouched{7, 7, 7};
    SvcGlobalAxesLocal(nullptr, &untouched, nullptr, nullptr);
    SvcPlanetAxesLocal(nullptr, &untouched, nullptr, nullptr);
    ExpectNear(untouched, {7, 7, 7}, 0, "left alone");
}
