/* The plain forwarding services: each reaches its own host method with its
 * arguments, in the order given, and passes the answer back; a null vessel
 * reaches nothing. Answers are checked against closed forms. */
#include "collision/vessel_commands.h"
#include "collision/vessel_queries.h"
#include "service_fixture.h"

#include <cmath>
#include <functional>

namespace {

struct Forward {
    const char* call;  // the host call it must make, as the call log shows it
    std::function<void(VESSEL*)> invoke;
};

void PrintTo(const Forward& f, std::ostream* out)
{
    *out << f.call;
}

class VesselService : public ServiceTest, public ::testing::WithParamInterface<Forward> {};

const VECTOR3 p{1, 2, 3};
const VECTOR3 q{4, 5, 6};
const VECTOR3 points[3] = {{0, -2, 1}, {-1, -2, -1}, {1, -2, -1}};

}  // namespace

TEST_P(VesselService, ReachesItsHostMethodWithItsArguments)
{
    VESSEL* ship = Ship("GL-01");
    host.calls().clear();

    GetParam().invoke(ship);

    ASSERT_EQ(host.calls().entries().size(), 1u) << "one host call, no more";
    EXPECT_EQ(host.calls().entries()[0], std::string("GL-01.") + GetParam().call);
}

TEST_P(VesselService, ANullVesselReachesNothing)
{
    GetParam().invoke(nullptr);
    EXPECT_TRUE(host.calls().entries().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Services, VesselService,
    ::testing::Values(
        Forward{"Global2Local((1, 2, 3))", [](VESSEL* v) { SvcGlobal2Local(v, p); }},
        Forward{"Local2Global((1, 2, 3))", [](VESSEL* v) { SvcLocal2Global(v, p); }},
        Forward{"GetSurfaceRef()", [](VESSEL* v) { SvcGetSurfaceRef(v); }},
        Forward{"GetPeDist()", [](VESSEL* v) { SvcGetPeDist(v); }},
        Forward{"GetApDist()", [](VESSEL* v) { SvcGetApDist(v); }},
        Forward{"AddForce((1, 2, 3), (4, 5, 6))", [](VESSEL* v) { SvcAddForce(v, p, q); }},
        Forward{"GetHorizonAirspeedVector()", [](VESSEL* v) { SvcGetHorizonAirspeedVector(v); }},
        Forward{"GetPitch()", [](VESSEL* v) { SvcGetPitch(v); }},
        Forward{"GetBank()", [](VESSEL* v) { SvcGetBank(v); }},
        Forward{"GetAOA()", [](VESSEL* v) { SvcGetAOA(v); }},
        Forward{"SetThrusterGroupLevelByType(2, 0.5)",
                [](VESSEL* v) { SvcSetThrusterGroupLevelByType(v, THGROUP_HOVER, 0.5); }},
        Forward{"GetThrusterGroupLevelByType(2)", [](VESSEL* v) { SvcGetThrusterGroupLevelByType(v, THGROUP_HOVER); }},
        Forward{"SetThrusterGroupLevel(0.25)", [](VESSEL* v) { SvcSetThrusterGroupLevel(v, nullptr, 0.25); }},
        Forward{"GetThrusterGroupLevel()", [](VESSEL* v) { SvcGetThrusterGroupLevel(v, nullptr); }},
        Forward{"SetControlSurfaceLevel(3, -0.5)",
                [](VESSEL* v) { SvcSetControlSurfaceLevel(v, AIRCTRL_FLAP, -0.5); }},
        Forward{"GetControlSurfaceLevel(1)", [](VESSEL* v) { SvcGetControlSurfaceLevel(v, AIRCTRL_RUDDER); }},
        Forward{"SetADCtrlMode(7)", [](VESSEL* v) { SvcSetADCtrlMode(v, 7); }},
        Forward{"GetTouchdownPoints()",
                [](VESSEL* v) {
                    VECTOR3 read[3];
                    SvcGetTouchdownPoints(v, &read[0], &read[1], &read[2]);
                }},
        Forward{"SetTouchdownPoints((0, -2, 1), (-1, -2, -1), (1, -2, -1))",
                [](VESSEL* v) { SvcSetTouchdownPoints(v, &points[0], &points[1], &points[2]); }},
        Forward{"GetWheelbrakeLevel(2)", [](VESSEL* v) { SvcGetWheelbrakeLevel(v, 2); }},
        Forward{"GetShipAirspeedVector()", [](VESSEL* v) { SvcGetShipAirspeedVector(v); }},
        Forward{"GetAngularVel()", [](VESSEL* v) { SvcGetAngularVel(v); }},
        Forward{"GetPMI()", [](VESSEL* v) { SvcGetPMI(v); }},
        Forward{"SetSize(12.5)", [](VESSEL* v) { SvcSetSize(v, 12.5); }},
        Forward{"GetAirspeed()", [](VESSEL* v) { SvcGetAirspeed(v); }},
        Forward{"GetCOG_elev()", [](VESSEL* v) { SvcGetCOG_elev(v); }}));

TEST_F(ServiceTest, AnswersComeBackFromTheHost)
{
    // A circular orbit: both apsides at its radius, the speed all airspeed
    // on a planet that does not turn.
    double r = 7e6;
    double speed = std::sqrt(host.world().bodyByIndex(0)->gm / r);
    host.world().bodyByIndex(0)->rotationPeriod = 0.0;
    VESSEL* ship = Ship("GL-01", {r, 0, 0}, {0, 0, speed});

    EXPECT_NEAR(SvcGetPeDist(ship), r, 1e-3);
    EXPECT_NEAR(SvcGetApDist(ship), r, 1e-3);
    EXPECT_NEAR(SvcGetAirspeed(ship), speed, 1e-9);
    EXPECT_NEAR(SvcGetShipAirspeedVector(ship).z, speed, 1e-9);
    EXPECT_EQ(SvcGetSurfaceRef(ship), planet);

    VECTOR3 local = SvcGlobal2Local(ship, {r + 1, 2, 3});
    EXPECT_NEAR(local.x, 1, 1e-9);
    EXPECT_NEAR(local.z, 3, 1e-9);
    VECTOR3 global = SvcLocal2Global(ship, {1, 2, 3});
    EXPECT_NEAR(global.x, r + 1, 1e-9);

    SvcSetControlSurfaceLevel(ship, AIRCTRL_ELEVATOR, 0.75);
    EXPECT_EQ(SvcGetControlSurfaceLevel(ship, AIRCTRL_ELEVATOR), 0.75);
    SvcSetSize(ship, 12.5);
    EXPECT_EQ(oapiGetSize(ship->GetHandle()), 12.5);
}
