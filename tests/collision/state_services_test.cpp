/* The services on a vessel's extended state: what they read, and when the
 * adjusters must write it back and when they must not. */
#include "collision/state_adjusters.h"
#include "collision/state_services.h"
#include "emulator/host/motion/frame_math.h"
#include "service_fixture.h"

#include <climits>

namespace {

typedef void (*Adjuster)(VESSEL*, VECTOR3);

struct AdjusterCase {
    const char* name;
    Adjuster adjust;
    bool landed;
    VECTOR3 offset;
    bool writes;
};

void PrintTo(const AdjusterCase& c, std::ostream* out)
{
    *out << c.name << (c.landed ? " landed" : " flying") << " by (" << c.offset.x << ", " << c.offset.y << ", "
         << c.offset.z << ")";
}

class StateAdjuster : public ServiceTest, public ::testing::WithParamInterface<AdjusterCase> {};

}  // namespace

TEST_P(StateAdjuster, WritesOnlyANonZeroOffsetAndNeverALandedPosition)
{
    const AdjusterCase& c = GetParam();
    VESSEL* ship = Ship("GL-01");
    Record(ship).status = c.landed ? 1 : 0;
    host.calls().clear();

    c.adjust(ship, c.offset);

    EXPECT_EQ(host.calls().count("GL-01.GetStatusEx"), 1) << "the state is read in every case";
    EXPECT_EQ(host.calls().count("GL-01.DefSetStateEx"), c.writes ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, StateAdjuster,
    ::testing::Values(AdjusterCase{"position", SvcAddPosition, false, {0, 0, 5}, true},
                      AdjusterCase{"position", SvcAddPosition, true, {0, 0, 5}, false},
                      AdjusterCase{"position", SvcAddPosition, false, {0, 0, 0}, false},
                      AdjusterCase{"velocity", SvcAddVelocity, true, {1, 0, 0}, true},
                      AdjusterCase{"velocity", SvcAddVelocity, false, {0, 0, 0}, false},
                      AdjusterCase{"orientation", SvcAddOrientation, true, {0, 0.1, 0}, true},
                      AdjusterCase{"orientation", SvcAddOrientation, false, {0, 0, 0}, false},
                      AdjusterCase{"angular velocity", SvcAddAngularVel, true, {0, 0, -1}, true},
                      AdjusterCase{"angular velocity", SvcAddAngularVel, false, {0, 0, 0}, false}));

TEST_F(ServiceTest, AdjustersAddTheirOffsetToTheStateVector)
{
    VESSEL* ship = Ship("GL-01", {7e6, 0, 0}, {0, 0, 7500});
    SvcAddPosition(ship, {0, 100, 0});
    SvcAddVelocity(ship, {0, 0, -500});
    SvcAddAngularVel(ship, {0, 0, 0.25});
    SvcAddOrientation(ship, {0, 0, 0.5});

    emu::VesselRecord& v = Record(ship);
    EXPECT_NEAR(v.pos.y, 100, 1e-9);
    EXPECT_NEAR(v.vel.z, 7000, 1e-9);
    EXPECT_NEAR(v.angularVel.z, 0.25, 1e-15);
    EXPECT_NEAR(SvcGetOrientation(ship).z, 0.5, 1e-12);
    EXPECT_NEAR(SvcGetStateAngularVel(ship).z, 0.25, 1e-15);
}

TEST_F(ServiceTest, FlightStatusIsReadAndAlwaysWritten)
{
    VESSEL* ship = Ship("GL-01");
    EXPECT_EQ(SvcGetFlightStatus(ship), 0);

    SvcSetFlightStatus(ship, 1);
    EXPECT_EQ(SvcGetFlightStatus(ship), 1);
    host.calls().clear();
    SvcSetFlightStatus(ship, 1);
    EXPECT_EQ(host.calls().count("GL-01.DefSetStateEx"), 1) << "written even when unchanged";
}

TEST_F(ServiceTest, StatusValuesAreTheAngularVelocityThenTheOrientationAndZeroOutsideTheRecord)
{
    VESSEL* ship = Ship("GL-01");
    Record(ship).angularVel = {0.5, -0.25, 0.125};
    Record(ship).rot = emu::RotationFromAngles({0.1, 0.2, 0.3});

    const double expected[] = {0.5, -0.25, 0.125, 0.1, 0.2, 0.3};
    for (int i = 0; i < 6; ++i)
        EXPECT_NEAR(SvcGetStatusValue(ship, i), expected[i], 1e-12) << "index " << i;
    for (int index : {1000, INT_MAX, INT_MIN, -7})
        EXPECT_EQ(SvcGetStatusValue(ship, index), 0.0) << "index " << index;
}

TEST_F(ServiceTest, StateServicesIgnoreANullVessel)
{
    SvcSetFlightStatus(nullptr, 1);
    SvcAddPosition(nullptr, {1, 2, 3});
    EXPECT_EQ(SvcGetFlightStatus(nullptr), 0);
    EXPECT_EQ(SvcGetStatusValue(nullptr, 0), 0.0);
    EXPECT_EQ(SvcGetOrientation(nullptr).x, 0.0);
    EXPECT_EQ(host.calls().count("stale"), 0);
}
