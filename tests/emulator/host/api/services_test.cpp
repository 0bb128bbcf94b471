/* The host functions the service table passes on, as the emulated host
 * answers them: flight data against closed forms, the camera, the session,
 * meshes, surfaces and annotations, and null or stale handles everywhere. */
#include "support/emulated_root.h"
#include "host/host_api.h"

#include "emulator/host/motion/frame_math.h"
#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

namespace {

const double pi = std::acos(-1.0);
const double radius = emu::Body().radius;

class HostServices : public ::testing::Test {
protected:
    HostServices() { planet = host.world().addBody(emu::Body()); }

    OBJHANDLE Ship(const char* name, const VECTOR3& pos = {7e6, 0, 0}, const VECTOR3& vel = {0, 0, 0})
    {
        return host.createVesselAt(name, "Ship", pos, vel);
    }

    emu::VesselRecord& Record(OBJHANDLE vessel) { return *host.world().vessel(vessel); }
    VESSEL& Iface(OBJHANDLE vessel) { return *oapiGetVesselInterface(vessel); }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE planet;
};

}  // namespace

TEST_F(HostServices, NullAndStaleHandlesAreAnsweredWithZero)
{
    Ship("Stays");
    OBJHANDLE gone = Ship("Gone");
    ASSERT_TRUE(oapiDeleteVessel(gone));
    host.step(0.1);
    double d = 1.0;
    VECTOR3 v{1, 1, 1};
    MATRIX3 m{};
    for (OBJHANDLE h : {OBJHANDLE(nullptr), gone, reinterpret_cast<OBJHANDLE>(0x12345)}) {
        EXPECT_EQ(oapiGetSize(h), 0.0);
        EXPECT_EQ(oapiGetMass(h), 0.0);
        EXPECT_EQ(oapiGetEmptyMass(h), 0.0);
        EXPECT_EQ(oapiGetObjectType(h), OBJTP_INVALID);
        EXPECT_EQ(oapiGetAltitude(h, &d), 0);
        EXPECT_EQ(oapiGetHeading(h, &d), 0);
        EXPECT_EQ(oapiGetEquPos(h, &d, &d, &d), 0);
        EXPECT_EQ(oapiGetShipAirspeedVector(h, &v), 0);
        EXPECT_EQ(oapiSetFocusObject(h), nullptr);
        EXPECT_FALSE(oapiPlanetHasAtmosphere(h));
        EXPECT_EQ(oapiGetPlanetAtmConstants(h), nullptr);
        EXPECT_EQ(oapiGetBaseCount(h), 0u);
        EXPECT_EQ(oapiMeshGroupCount(h), 0u);
        EXPECT_EQ(oapiMeshMaterial(h, 0), nullptr);
        EXPECT_EQ(oapiGetTextureHandle(h, 1), nullptr);
        EXPECT_EQ(oapiGetDC(h), nullptr);
        EXPECT_FALSE(oapiDelAnnotation(h));
        oapiGetRotationMatrix(h, &m);
        EXPECT_EQ(m.m11 + m.m22 + m.m33, 3.0) << "the identity";
        oapiDeleteMesh(h);
        oapiReleaseDC(h, nullptr);
        oapiAnnotationSetPos(h, 0, 0, 1, 1);
        oapiAnnotationSetText(h, HostText("nobody reads this"));
        oapiWriteScenario_string(h, HostText("PAGE"), HostText("1"));
        char* line = nullptr;
        EXPECT_FALSE(oapiReadScenario_nextline(h, line)) << "no file is open";

        VESSEL stale(h);
        EXPECT_EQ(stale.GetPeDist(d), nullptr);
        EXPECT_EQ(d, 0.0);
        EXPECT_FALSE(stale.GetShipAirspeedVector(v));
        EXPECT_EQ(stale.GetAirspeed() + stale.GetPitch() + stale.GetBank() + stale.GetAOA(), 0.0);
        EXPECT_EQ(stale.GetCOG_elev() + stale.GetWheelbrakeLevel(0), 0.0);
        stale.SetControlSurfaceLevel(AIRCTRL_FLAP, 1.0);
        EXPECT_EQ(stale.GetControlSurfaceLevel(AIRCTRL_FLAP), 0.0);
        stale.SetADCtrlMode(1);
    }
    // Null output addresses are skipped.
    OBJHANDLE ship = Ship("GL-01");
    EXPECT_EQ(oapiGetAltitude(ship, nullptr), 0);
    oapiGetRotationMatrix(ship, nullptr);
    oapiCameraGlobalPos(nullptr);
}

TEST_F(HostServices, ObjectsAreTheBodiesThenTheVesselsAndOnlyAVesselTakesTheFocus)
{
    OBJHANDLE first = Ship("GL-01");
    OBJHANDLE second = Ship("GL-02");

    EXPECT_EQ(oapiGetObjectCount(), 3u);
    EXPECT_EQ(oapiGetObjectByIndex(0), planet);
    EXPECT_EQ(oapiGetObjectByIndex(2), second);
    EXPECT_EQ(oapiGetObjectByIndex(3), nullptr);
    EXPECT_EQ(oapiGetObjectByName(HostText("Earth")), planet);
    EXPECT_EQ(oapiGetObjectByName(HostText("GL-02")), second);
    EXPECT_EQ(oapiGetObjectType(planet), OBJTP_PLANET);
    EXPECT_EQ(oapiGetObjectType(first), OBJTP_VESSEL);
    EXPECT_NEAR(oapiGetMass(planet), 5.972e24, 0.001e24);
    EXPECT_EQ(oapiGetSize(planet), radius);

    EXPECT_EQ(oapiGetFocusObject(), first);
    EXPECT_EQ(oapiSetFocusObject(second), first);
    EXPECT_EQ(oapiSetFocusObject(planet), nullptr);
    EXPECT_EQ(oapiGetFocusObject(), second);
}

TEST_F(HostServices, ALandedVesselIsFoundAtItsLongitudeAndLatitude)
{
    // Turned and tilted, so that no frame happens to line up.
    host.world().bodyByIndex(0)->obliquity = 0.4;
    host.world().bodyByIndex(0)->theta = 1.1;
    host.world().bodyByIndex(0)->rotationAtZero = 2.0;
    VESSELSTATUS2 landed{};
    landed.version = 2;
    landed.rbody = planet;
    landed.status = 1;
    landed.surf_lng = -0.7;
    landed.surf_lat = 0.3;
    OBJHANDLE base = host.createVessel("Base", "Ship", landed);

    double lng, lat, rad, alt;
    ASSERT_EQ(oapiGetEquPos(base, &lng, &lat, &rad), 1);
    EXPECT_NEAR(lng, -0.7, 1e-12);
    EXPECT_NEAR(lat, 0.3, 1e-12);
    EXPECT_NEAR(rad, radius + Record(base).size, 1e-6);
    ASSERT_EQ(oapiGetAltitude(base, &alt), 1);
    EXPECT_NEAR(alt, Record(base).size, 1e-6);
}

TEST_F(HostServices, HeadingPitchBankAndAngleOfAttackOnTheEquator)
{
    // At (R, 0, 0) of an untilted planet: up is x, north y, east z.
    host.world().bodyByIndex(0)->rotationPeriod = 0.0;
    OBJHANDLE ship = Ship("GL-01", {7e6, 0, 0}, {0, -10, 100});
    double heading;

    ASSERT_EQ(oapiGetHeading(ship, &heading), 1);
    EXPECT_NEAR(heading, pi / 2, 1e-12) << "its nose, z, points east";
    EXPECT_NEAR(Iface(ship).GetAOA(), std::atan2(10.0, 100.0), 1e-12) << "sinking while level: nose above the flow";

    Record(ship).rot = emu::RotationFromAngles({-pi / 2, 0, 0});  // nose to y: north
    ASSERT_EQ(oapiGetHeading(ship, &heading), 1);
    EXPECT_NEAR(heading, 0.0, 1e-12);

    Record(ship).rot = emu::RotationFromAngles({0, pi / 6, 0});  // nose 30 degrees up towards x
    EXPECT_NEAR(Iface(ship).GetPitch(), pi / 6, 1e-12);
    // Level, nose east, its y axis up; then rolled a quarter radian about the
    // nose, which lifts its x axis above the horizon.
    Record(ship).rot = emu::RotationFromAngles({0, 0, -pi / 2});
    EXPECT_NEAR(Iface(ship).GetBank(), 0.0, 1e-12);
    Record(ship).rot = emu::RotationFromAngles({0, 0, -pi / 2 + 0.25});
    EXPECT_NEAR(Iface(ship).GetBank(), -0.25, 1e-12);
    EXPECT_NEAR(Iface(ship).GetPitch(), 0.0, 1e-12);
}

TEST_F(HostServices, TheAirTurnsWithThePlanet)
{
    double period = host.world().bodyByIndex(0)->rotationPeriod;
    double r = radius + 1000;
    double groundSpeed = 2 * pi * r / period;
    OBJHANDLE still = Ship("Still", {r, 0, 0});
    OBJHANDLE riding = Ship("Riding", {r, 0, 0}, {0, 0, groundSpeed});  // east with the ground
    host.setFocus(still);

    double airspeed;
    ASSERT_EQ(oapiGetFocusAirspeed(&airspeed), 1);
    EXPECT_NEAR(airspeed, groundSpeed, 1e-9);
    VECTOR3 horizon;
    EXPECT_TRUE(Iface(still).GetHorizonAirspeedVector(horizon));
    EXPECT_NEAR(horizon.x, -groundSpeed, 1e-9) << "the wind blows from the east";
    EXPECT_NEAR(Iface(riding).GetAirspeed(), 0.0, 1e-9);

    host.world().bodyByIndex(0)->atmosphere = false;
    EXPECT_FALSE(Iface(still).GetShipAirspeedVector(horizon));
    EXPECT_EQ(oapiGetPlanetAtmConstants(planet), nullptr);
}

TEST_F(HostServices, ApsidesOfAnEllipseAndOfAnEscape)
{
    double gm = emu::Body().gm, rp = 7e6, a = 1e7;
    OBJHANDLE ellipse = Ship("E", {rp, 0, 0}, {0, 0, std::sqrt(gm * (2 / rp - 1 / a))});
    OBJHANDLE escape = Ship("H", {rp, 0, 0}, {0, 0, 1.5 * std::sqrt(2 * gm / rp)});
    double pe, ap;

    EXPECT_EQ(Iface(ellipse).GetPeDist(pe), planet);
    Iface(ellipse).GetApDist(ap);
    EXPECT_NEAR(pe, rp, 1e-3);
    EXPECT_NEAR(ap, 2 * a - rp, 1e-3);
    Iface(escape).GetPeDist(pe);
    Iface(escape).GetApDist(ap);
    EXPECT_NEAR(pe, rp, 1e-3);
    EXPECT_LT(ap, 0.0) << "an open orbit has no apoapsis";
}

TEST_F(HostServices, TheCameraFollowsTheFocusFromBehind)
{
    OBJHANDLE ship = Ship("GL-01", {7e6, 0, 0});
    Record(ship).rot = emu::RotationFromAngles({0, pi / 2, 0});  // nose along x
    VECTOR3 pos, dir;

    oapiCameraScaleDist(2.0);
    oapiCameraScaleDist(-1.0);
    oapiCameraGlobalPos(&pos);
    oapiCameraGlobalDir(&dir);

    EXPECT_EQ(oapiCameraTarget(), ship);
    EXPECT_EQ(oapiCameraTargetDist(), 100.0);
    EXPECT_NEAR(pos.x, 7e6 - 100, 1e-6);
    EXPECT_NEAR(dir.x, 1.0, 1e-12);
    EXPECT_FALSE(oapiCameraInternal());
    EXPECT_EQ(oapiCameraMode(), CAM_TARGETRELATIVE);
    EXPECT_GT(oapiCameraAperture(), 0.0);
}

TEST_F(HostServices, TheSessionsClockPauseAndTimeAcceleration)
{
    Ship("GL-01");
    host.step(0.5);
    EXPECT_EQ(oapiGetSimTime(), 0.5);
    EXPECT_DOUBLE_EQ(oapiGetSimMJD(), 51544.5 + 0.5 / 86400);

    host.setPaused(true);
    host.step(0.5);
    EXPECT_TRUE(oapiGetPause());
    EXPECT_EQ(oapiGetSimTime(), 0.5) << "paused: no step";

    oapiSetTimeAcceleration(10);
    EXPECT_EQ(oapiGetTimeAcceleration(), 10.0);
    oapiSetTimeAcceleration(0);
    oapiSetTimeAcceleration(1e9);
    EXPECT_EQ(oapiGetTimeAcceleration(), 1e4);
}

TEST_F(HostServices, ASavedScenarioHoldsItsDescriptionAndLoadsBack)
{
    Ship("GL-01", {7e6, 5, 6});
    host.world().bodyByIndex(0)->atmosphere = false;

    ASSERT_TRUE(oapiSaveScenario("Quick save", "Before the rock field"));
    std::string text = testing_support::ReadFile(root / "Scenarios/Quick save.scn");
    EXPECT_NE(text.find("Before the rock field"), std::string::npos);
    EXPECT_FALSE(oapiSaveScenario("", "no name"));

    std::string error;
    ASSERT_TRUE(host.loadScenario(root / "Scenarios/Quick save.scn", error)) << error;
    EXPECT_FALSE(oapiPlanetHasAtmosphere(oapiGetGbodyByIndex(0)));
    ASSERT_NE(oapiGetVesselByName(HostText("GL-01")), nullptr);

    host.endRun();
    host.step(1.0);
    EXPECT_EQ(oapiGetSimTime(), 0.0);
    EXPECT_FALSE(oapiSaveScenario("Too late", ""));
}

TEST_F(HostServices, MeshesTheirMaterialsAndTexturesAsTheirFilesSay)
{
    std::ofstream(root / "meshes/tex.msh") << "MSHX1\nGROUPS 2\nMATERIAL 0\nTEXTURE 1\nGEOM 0 0\nMATERIAL 0\n"
                                               "TEXTURE 1\nGEOM 0 0\nMATERIALS 0\nTEXTURES 1\nrock.dds\n";
    MESHHANDLE roid = oapiLoadMeshGlobal("roid");
    MESHHANDLE textured = oapiLoadMeshGlobal("tex");

    EXPECT_EQ(oapiMeshGroupCount(roid), 1u);
    ASSERT_NE(oapiMeshMaterial(roid, 0), nullptr);
    EXPECT_FLOAT_EQ(oapiMeshMaterial(roid, 0)->diffuse.g, 0.4f);
    EXPECT_FLOAT_EQ(oapiMeshMaterial(roid, 0)->specular.r, 0.1f);
    EXPECT_EQ(oapiMeshMaterial(roid, 1), nullptr);
    EXPECT_EQ(oapiGetTextureHandle(roid, 1), nullptr);

    EXPECT_EQ(oapiMeshGroupCount(textured), 2u);
    SURFHANDLE texture = oapiGetTextureHandle(textured, 1);
    ASSERT_NE(texture, nullptr);
    EXPECT_EQ(oapiGetTextureHandle(textured, 1), texture);
    EXPECT_EQ(host.surfaces().find(texture)->texture, "rock.dds");
    EXPECT_EQ(oapiGetTextureHandle(textured, 0), nullptr);

    oapiDeleteMesh(roid);
    EXPECT_EQ(oapiMeshGroupCount(roid), 0u);
    EXPECT_NE(oapiLoadMeshGlobal("roid"), roid) << "loaded anew";
}

TEST_F(HostServices, DrawingOnASurfaceAndWritingAnAnnotation)
{
    EXPECT_EQ(oapiCreateTextureSurface(0, 32), nullptr);
    SURFHANDLE surface = oapiCreateTextureSurface(64, 32);
    HDC dc = oapiGetDC(surface);
    ASSERT_NE(dc, nullptr);
    TextOutA(dc, 1, 2, "hit", 3);
    EXPECT_TRUE(host.surfaces().find(surface)->dcHandedOut);
    oapiReleaseDC(surface, dc);
    EXPECT_FALSE(host.surfaces().find(surface)->dcHandedOut);
    EXPECT_EQ(host.surfaces().find(surface)->canvas.items.at(0).text, "hit");

    NOTEHANDLE note = oapiCreateAnnotation(true, 0.8, {1, 0, 0});
    oapiAnnotationSetPos(note, 0.1, 0.2, 0.9, 0.4);
    oapiAnnotationSetText(note, HostText("Rock ahead"));
    const emu::Annotation* a = host.annotations().find(note);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a->text, "Rock ahead");
    EXPECT_EQ(a->y2, 0.4);
    EXPECT_TRUE(oapiDelAnnotation(note));
    EXPECT_EQ(host.annotations().find(note), nullptr);
    EXPECT_FALSE(oapiDelAnnotation(note));
}

TEST_F(HostServices, ControlsAreKeptWithinTheirRange)
{
    VESSEL& ship = Iface(Ship("GL-01"));
    ship.SetControlSurfaceLevel(AIRCTRL_ELEVATOR, 3.0);
    // 7: the largest value the type holds (its enumerators fit in three
    // bits), and no surface's.
    ship.SetControlSurfaceLevel(static_cast<AIRCTRL_TYPE>(7), 0.5);
    Record(ship.GetHandle()).details->wheelbrakes[0] = 0.5;
    Record(ship.GetHandle()).details->wheelbrakes[1] = 1.0;

    EXPECT_EQ(ship.GetControlSurfaceLevel(AIRCTRL_ELEVATOR), 1.0);
    EXPECT_EQ(ship.GetControlSurfaceLevel(static_cast<AIRCTRL_TYPE>(7)), 0.0);
    EXPECT_EQ(ship.GetWheelbrakeLevel(0), 0.75);
    EXPECT_EQ(ship.GetWheelbrakeLevel(2), 1.0);
    EXPECT_EQ(ship.GetWheelbrakeLevel(3), 0.0);
    ship.SetTouchdownPoints({0, -3, 2}, {-2, -3, -2}, {2, -3, -2});
    EXPECT_DOUBLE_EQ(ship.GetCOG_elev(), 3.0) << "the points' plane lies 3 m below";

    // Thrust levels, set through the group's handle or its type, between 0
    // and 1; a level that is no number leaves the one before.
    THRUSTER_HANDLE engine = ship.CreateThruster({0, 0, 0}, {0, 0, 1}, 100.0, nullptr, 1e4);
    THGROUP_HANDLE main = ship.CreateThrusterGroup(&engine, 1, THGROUP_MAIN);
    const struct {
        double asked, kept;
    } levels[] = {{1.7, 1.0}, {0.25, 0.25}, {-0.5, 0.0}, {0.5, 0.5}, {std::nan(""), 0.5}, {1e300, 1.0}};
    for (bool byType : {false, true})
        for (const auto& l : levels) {
            SCOPED_TRACE(testing::Message() << (byType ? "by type " : "by handle ") << l.asked);
            if (byType)
                ship.SetThrusterGroupLevel(THGROUP_MAIN, l.asked);
            else
                ship.SetThrusterGroupLevel(main, l.asked);
            EXPECT_EQ(ship.GetThrusterGroupLevel(main), l.kept);
            EXPECT_EQ(Record(ship.GetHandle()).details->thrusters[0].level, l.kept) << "what the thruster burns";
        }
}
