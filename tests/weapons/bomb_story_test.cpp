/* The road of one bomb and the laws of its blast, checked against
 * closed-form predictions: F = E / d^2 at level 1, falling linearly over the
 * window, and the impulse a heavy vessel takes from it. */
#include "weapons_fixture.h"

#include "emulator/host/motion/frame_math.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using testing_support::WeaponsTest;
using namespace testing_support;

namespace {

const double kiloton = 4.184e12;

class BombTest : public WeaponsTest {
protected:
    /* A bomb of the given name at rest at the origin, fired from nowhere. */
    OBJHANDLE Bomb(const std::string& name, const VECTOR3& pos = {0, 0, 0}, const VECTOR3& vel = {0, 0, 0})
    {
        return AddVessel(name, "nuke", pos, vel);
    }

    /* Magnitude of the force in an "X.AddForce((x, y, z), (0, 0, 0))" entry. */
    static double Magnitude(const std::string& entry)
    {
        VECTOR3 f{};
        std::sscanf(entry.c_str() + entry.find("((") + 2, "%lf, %lf, %lf", &f.x, &f.y, &f.z);
        return emu::length(f);
    }
};

}  // namespace

TEST_F(BombTest, ThePilotSetsThePowerAndFiresABombAheadWithTheSlotsVelocity)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0}, {0, 7500, 0});
    // Turned a quarter about x: the ship's forward axis (z) points along -y.
    Vessel(ship).rot = emu::RotationFromAngles({std::acos(-1.0) / 2, 0, 0});
    int display = OpenWeapons(ship);

    ASSERT_TRUE(Press(display, KeyP));
    EXPECT_EQ(host->inputBox().title(), "Select power (Kt)");
    EXPECT_EQ(host->inputBox().visibleLength(), 20);
    ASSERT_TRUE(host->inputBox().confirm("50"));
    ASSERT_TRUE(Press(display, KeyB));

    emu::VesselRecord* bomb = VesselNamed("Nuke/10.000000/3.000000/50.000000");
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(*bomb->className, "nuke");
    EXPECT_NEAR(bomb->pos.x, 7e6, 1e-6);
    EXPECT_NEAR(bomb->vel.y, 7500 - 100, 1e-9);
    EXPECT_NEAR(bomb->vel.z, 0, 1e-9);
}

TEST_F(BombTest, ClassCapabilitiesAreDeclaredInTheHostsOrder)
{
    const std::string name = "Nuke/10.000000/3.000000/50.000000";
    OBJHANDLE bomb = Bomb(name);
    ASSERT_NE(bomb, nullptr);
    std::vector<std::string> caps;
    for (const std::string& e : Calls().entries())
        if (e.rfind(name + ".", 0) == 0)
            caps.push_back(e.substr(name.size() + 1));
        else if (e.rfind("oapiLoadMeshGlobal", 0) == 0)
            caps.push_back(e);
    caps.resize(std::min<size_t>(caps.size(), 17));
    EXPECT_EQ(caps, (std::vector<std::string>{
                        "SetSize(2)", "SetPMI((1, 1, 1))", "SetEmptyMass(1000)",
                        "SetCrossSections((0.01, 0.01, 0.01))", "SetRotDrag((0.3, 0.3, 0.3))",
                        "SetSurfaceFrictionCoeff(0.7, 0.7)", "SetCameraOffset((0, 0, 0))",
                        "SetTouchdownPoints((-1, -1, -2), (-1, 1, -2), (1, 0, -2))",
                        "CreatePropellantResource(10, -1, 1)",
                        "CreateThruster((0, 0, 0), (0, 0, 1), 10, " + std::string("0x1") + ", 10000000000, 0, 101400)",
                        "CreateThrusterGroup(1, 0)", "AddExhaust(150, 150, 0)", "SetReentryTexture(0, 60000000, 1, 1)",
                        "oapiLoadMeshGlobal(nuke)", "AddMesh((0, 0, 0))", "SetMeshVisibilityMode(0, 3)",
                        "DefSetStateEx()"}));
    EXPECT_EQ(Vessel(bomb).details->exhausts.at(0).length, 150.0);
    EXPECT_EQ(Vessel(bomb).details->meshes.at(0), "nuke");
}

TEST_F(BombTest, AOneKilotonBlastPushesAtOneKilometreWithEnergyOverDistanceSquared)
{
    Bomb("Nuke/10.000000/3.000000/1.000000");
    OBJHANDLE nearStation = AddVessel("NEAR", "Station", {1000, 0, 0});
    AddVessel("FAR", "Station", {0, -2000, 0});

    Simulate(9.75, 0.25);  // the bomb's first step is at 0.25: 9.5 s elapsed
    EXPECT_TRUE(Forces("NEAR").empty());
    Simulate(0.25, 0.25);  // elapsed 9.75
    EXPECT_TRUE(Forces("NEAR").empty()) << "no force before the delay has run out";
    Simulate(0.25, 0.25);  // elapsed 10.0: the window opens at level 1

    ASSERT_EQ(Forces("NEAR").size(), 1u);
    EXPECT_EQ(Forces("NEAR")[0], "NEAR.AddForce((4184000, 0, 0), (0, 0, 0))");
    EXPECT_DOUBLE_EQ(Magnitude(Forces("FAR")[0]) * 4, Magnitude(Forces("NEAR")[0])) << "twice as far, a quarter";
    EXPECT_EQ(Forces("FAR")[0], "FAR.AddForce((0, -1046000, 0), (0, 0, 0))") << "pushed away from the bomb";
    EXPECT_NE(VesselNamed("NEAR"), nullptr);
    EXPECT_TRUE(nearStation);
}

TEST_F(BombTest, TheBlastFadesLinearlyDeliversItsImpulseAndTheBombDeletesItselfAtTheEnd)
{
    Bomb("Nuke/10.000000/3.000000/1.000000");
    OBJHANDLE target = AddVessel("T", "Station", {1000, 0, 0});
    Simulate(13.0, 0.25);  // elapsed 12.75: the last step of the window

    std::vector<std::string> forces = Forces("T");
    ASSERT_EQ(forces.size(), 12u) << "one push per step of the window [10, 13)";
    EXPECT_NEAR(Magnitude(forces[6]), 0.5 * Magnitude(forces[0]), 1e-6 * Magnitude(forces[0])) << "halfway: half";
    // Sum over the window of E / d^2 * (1 - k/12) * dt, for k = 0 .. 11, on 1e12 kg.
    double impulse = kiloton / 1e6 * (12 - 66.0 / 12) * 0.25;
    EXPECT_NEAR(Vessel(target).vel.x, impulse / 1e12, 1e-6 * impulse / 1e12);
    EXPECT_NE(VesselNamed("Nuke/10.000000/3.000000/1.000000"), nullptr);

    Simulate(0.25, 0.25);  // elapsed 13.0: the window has closed
    EXPECT_EQ(Forces("T").size(), 12u) << "the closing step pushes nothing";
    EXPECT_EQ(VesselNamed("Nuke/10.000000/3.000000/1.000000"), nullptr);
    std::vector<std::string> levels = Calls().matching("Nuke/10.000000/3.000000/1.000000.SetThrusterGroupLevel");
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.front(), "Nuke/10.000000/3.000000/1.000000.SetThrusterGroupLevel(1)");
    EXPECT_EQ(levels.back(), "Nuke/10.000000/3.000000/1.000000.SetThrusterGroupLevel(0)");
    // Deleting itself is the last thing the bomb does.
    int deletion = Calls().find("oapiDeleteVessel(Nuke/10.000000/3.000000/1.000000)");
    ASSERT_GE(deletion, 0);
    EXPECT_EQ(Calls().entries()[size_t(deletion - 1)], levels.back());
    EXPECT_EQ(Calls().find("Nuke/10.000000/3.000000/1.000000.", deletion), -1);
}

TEST_F(BombTest, OnlyVesselsStrictlyInsideTheRadiusAndNotExemptArePushed)
{
    InstallPlainClass("DynamicPlanet");
    InstallPlainClass("dynamicplanet");
    Bomb("Nuke/0.000000/3.000000/1.000000");
    AddVessel("EDGE", "Station", {200000, 0, 0});
    AddVessel("INSIDE", "Station", {-199999, 0, 0});
    AddVessel("PLANETOID", "DynamicPlanet", {0, 1000, 0});
    AddVessel("LOOKALIKE", "dynamicplanet", {0, -1000, 0});
    AddVessel("HERE", "Station", {0, 0, 0});
    Simulate(0.25, 0.25);

    EXPECT_TRUE(Forces("EDGE").empty());
    EXPECT_EQ(Forces("INSIDE").size(), 1u);
    EXPECT_TRUE(Forces("PLANETOID").empty());
    EXPECT_EQ(Forces("LOOKALIKE").size(), 1u) << "the exemption is case-sensitive";
    EXPECT_TRUE(Forces("HERE").empty()) << "a vessel at the bomb's point has no direction";
    EXPECT_TRUE(Forces("Nuke/0.000000/3.000000/1.000000").empty()) << "a bomb never pushes itself";
}

TEST_F(BombTest, ANegativePowerPullsAndTheFocusIsToldWhileItIsPushed)
{
    Bomb("Nuke/0.000000/1.000000/-1.000000");
    OBJHANDLE target = AddVessel("T", "Station", {1000, 0, 0});
    host->setFocus(target);
    Simulate(0.25, 0.25);

    EXPECT_EQ(Forces("T").at(0), "T.AddForce((-4184000, -0, -0), (0, 0, 0))");
    EXPECT_EQ(host->debugLine(), "Nuke: pow=1.00 dst=1000.00");
}

TEST_F(BombTest, AZeroDurationPushesNothingAndSetsNoLevelThatIsNotFinite)
{
    Bomb("Nuke/0.000000/0.000000/1.000000");
    AddVessel("T", "Station", {1000, 0, 0});
    Simulate(0.25, 0.25);

    EXPECT_TRUE(Forces("T").empty());
    EXPECT_EQ(VesselNamed("Nuke/0.000000/0.000000/1.000000"), nullptr) << "deleted in its first step";
    std::vector<std::string> levels = Calls().matching("Nuke/0.000000/0.000000/1.000000.SetThrusterGroupLevel");
    ASSERT_FALSE(levels.empty());
    for (const std::string& level : levels)
        EXPECT_TRUE(std::isfinite(std::strtod(level.c_str() + level.rfind('(') + 1, nullptr))) << level;
}

TEST_F(BombTest, FallingBelowTheTriggerAltitudeStartsTheBlastAtOnce)
{
    const std::string name = "Nuke/-5000.000000/2.000000/1.000000";
    double radius = emu::Body().radius;
    // 5100 m up, falling 25 m a step; the trigger is at 5000 m.
    Bomb(name, {radius + 5100, 0, 0}, {-100, 0, 0});
    AddVessel("T", "Station", {radius + 5100, 1000, 0});

    Simulate(0.5, 0.25);
    EXPECT_EQ(host->debugLine(), "Nuke: A=5075.00 D=75.00") << "the altitude as the step begins";
    Simulate(0.75, 0.25);
    EXPECT_EQ(host->debugLine(), "Nuke: A=5000.00 D=0.00");
    EXPECT_TRUE(Forces("T").empty()) << "exactly at the trigger height is not below it";

    Simulate(0.25, 0.25);
    EXPECT_EQ(host->debugLine(), "Nuke: A=4975.00 D=-25.00");
    ASSERT_EQ(Forces("T").size(), 1u) << "the blast begins in the step that passes the trigger";
    // The fall comes in sub-steps of a twelfth of a second, so 6.4e6 m from
    // the planet's centre the heights are whole to rounding (1e-9 m), not exactly.
    double expected = kiloton / (125.0 * 125 + 1000.0 * 1000);
    EXPECT_NEAR(Magnitude(Forces("T")[0]), expected, expected * 1e-11);

    Simulate(1.75, 0.25);
    EXPECT_NE(VesselNamed(name), nullptr);
    Simulate(0.25, 0.25);
    EXPECT_EQ(VesselNamed(name), nullptr) << "gone when its duration has passed";
    EXPECT_EQ(Forces("T").size(), 8u);
}

TEST_F(BombTest, ABombThatNeverFallsBelowItsTriggerWaitsForever)
{
    double radius = emu::Body().radius;
    Bomb("Nuke/-5000.000000/1.000000/1.000000", {radius + 6000, 0, 0}, {10, 0, 0});
    // A bomb absurdly far out: its debug line is cut to the host's line, never past it.
    Bomb("Nuke/-1.000000/1.000000/1.000000", {1e150, 0, 0});
    Simulate(60, 1);

    EXPECT_NE(VesselNamed("Nuke/-5000.000000/1.000000/1.000000"), nullptr);
    EXPECT_EQ(host->debugLine().size(), size_t(OAPI_DEBUG_STRING_SIZE - 1)) << host->debugLine();
}

TEST_F(BombTest, TheBlastReadsItsPositionThenSetsItsLevelAndAsksForTheFocusAfterEachPush)
{
    const std::string name = "Nuke/0.000000/1.000000/1.000000";
    Bomb(name);
    AddVessel("T1", "Station", {1000, 0, 0});
    AddVessel("T2", "Station", {0, 1000, 0});
    Calls().clear();
    Simulate(0.25, 0.25);

    std::vector<std::string> order;
    for (const std::string& e : Calls().entries())
        for (const std::string& call : {name + ".GetGlobalPos", name + ".SetThrusterGroupLevel", std::string("T1.AddForce"),
                                        std::string("T2.AddForce"), std::string("oapiGetFocusInterface")})
            if (e.rfind(call, 0) == 0)
                order.push_back(call);
    // Rocks are not made yet (the spawner waits 5 s), so every focus query is
    // the bomb's; the loop visits the bomb itself first, without pushing it.
    EXPECT_EQ(order, (std::vector<std::string>{name + ".GetGlobalPos", name + ".SetThrusterGroupLevel",
                                               name + ".GetGlobalPos", "T1.AddForce", "oapiGetFocusInterface",
                                               "T2.AddForce", "oapiGetFocusInterface"}));
}

TEST_F(BombTest, PushesEveryOtherVesselInRangeWhateverItIs)
{
    Bomb("Nuke/0.000000/1.000000/1.000000");
    Bomb("Nuke/100.000000/1.000000/1.000000", {1000, 0, 0});  // a bomb still waiting
    AddVessel("R-100", "roid", {0, 1000, 0});
    OBJHANDLE nameless = AddVessel("NAMELESS", "Station", {0, 0, 1000});
    Vessel(nameless).hasClassName = false;  // the host reports no class name
    Simulate(0.25, 0.25);

    for (const char* target : {"Nuke/100.000000/1.000000/1.000000", "R-100", "NAMELESS"})
        EXPECT_EQ(Forces(target).size(), 1u) << target;
}

TEST_F(BombTest, TheFocusIsToldNothingWhileItIsNotPushed)
{
    Bomb("Nuke/0.000000/1.000000/1.000000");
    AddVessel("T", "Station", {1000, 0, 0});
    OBJHANDLE focus = AddVessel("FAR", "Station", {300000, 0, 0});
    host->setFocus(focus);
    host->debugString()[0] = '\0';
    Simulate(0.5, 0.25);

    EXPECT_EQ(Forces("T").size(), 2u);
    EXPECT_EQ(host->debugLine(), "");
}

TEST_F(BombTest, ANegativeDurationDeletesTheBombBeforeItsDelayWithoutABlast)
{
    const std::string name = "Nuke/10.000000/-3.000000/1.000000";
    Bomb(name);
    AddVessel("T", "Station", {1000, 0, 0});
    Simulate(7.0, 0.25);  // elapsed 6.75: 6.75 - 10 is still below -3
    EXPECT_NE(VesselNamed(name), nullptr);
    Simulate(0.25, 0.25);  // elapsed 7.0

    EXPECT_EQ(VesselNamed(name), nullptr);
    EXPECT_TRUE(Forces("T").empty());
}

TEST_F(BombTest, APowerTooSmallForTheNamePushesNothing)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    AddVessel("T", "Station", {7e6, 0, 1000});
    int display = OpenWeapons(ship);
    ASSERT_TRUE(Enter(display, KeyP, "0.0000001"));
    ASSERT_TRUE(Enter(display, KeyL, "0"));
    ASSERT_TRUE(Press(display, KeyB));
    Simulate(4.0, 0.25);

    EXPECT_TRUE(Forces("T").empty());
    EXPECT_EQ(Calls().count("Nuke/0.000000/3.000000/0.000000.SetThrusterGroupLevel(1"), 0);
    EXPECT_EQ(VesselNamed("Nuke/0.000000/3.000000/0.000000"), nullptr) << "gone when its window has passed";
}

TEST_F(BombTest, FireNukeReadsItsVesselThenAsksTheHostForTheBomb)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    int display = OpenWeapons(ship);
    Calls().clear();
    ASSERT_TRUE(Press(display, KeyB));

    std::vector<std::string> order;
    const char* calls[] = {"oapiGetVesselInterface", "GL-01.GetGlobalPos", "GL-01.GetGlobalVel", "GL-01.GlobalRot",
                           "oapiGetGbodyByIndex",    "oapiGetGlobalPos",   "oapiGetGlobalVel",   "oapiCreateVesselEx"};
    for (const std::string& e : Calls().entries())
        for (const char* call : calls)
            if (e.rfind(call, 0) == 0 && (order.empty() || order.back() != call))
                order.push_back(call);
    order.resize(std::min<size_t>(order.size(), std::size(calls)));
    EXPECT_EQ(order, std::vector<std::string>(std::begin(calls), std::end(calls)));
}

TEST_F(BombTest, ABombIsFiredOnlyFromAFiniteStartPositionAndVelocity)
{
    const struct {
        const char* distance;
        const char* velocity;
    } settings[] = {{"inf", "0"}, {"0", "nan"}, {"-inf", "0"}, {"1e308", "1e308"}, {"0", "1e306"}};
    for (const auto& s : settings) {
        // Some C libraries read "inf" and "nan" as no number at all, which
        // atof makes 0: then the start is finite, and the bomb goes.
        bool finiteStart = std::isfinite(std::atof(s.distance)) && std::isfinite(std::atof(s.velocity) * 1000.0);
        OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
        int display = OpenWeapons(ship);
        ASSERT_TRUE(Enter(display, KeyD, s.distance));
        ASSERT_TRUE(Enter(display, KeyV, s.velocity));
        Calls().clear();
        Press(display, KeyB);
        EXPECT_EQ(Calls().matching("oapiCreateVesselEx").size(), finiteStart ? 1u : 0u)
            << s.distance << " m, " << s.velocity << " km/s";
    }
}

TEST_F(BombTest, ABombIsFiredOnlyWithANameTheHostCanLoadBack)
{
    // The host formats "nuke (name)" into 256 bytes: 248 characters at most.
    // A delay of n * 10^k prints k + 1 digits and six decimals, so with
    // "Nuke/" and "/3.000000/0.000000" the name is k + 31 characters long.
    const struct {
        const char* delay;
        std::size_t length;
        bool fired;
    } cases[] = {{"9e216", 247, true}, {"2e217", 248, true}, {"2e218", 249, false}, {"5e223", 254, false}};
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    int display = OpenWeapons(ship);
    for (const auto& c : cases) {
        char name[300];
        std::snprintf(name, sizeof name, "Nuke/%f/3.000000/0.000000", std::atof(c.delay));
        ASSERT_EQ(std::strlen(name), c.length) << c.delay;
        ASSERT_TRUE(Enter(display, KeyL, c.delay));
        Calls().clear();
        Press(display, KeyB);
        EXPECT_EQ(Calls().matching("oapiCreateVesselEx").size(), c.fired ? 1u : 0u) << c.length << " characters";
        EXPECT_EQ(VesselNamed(name) != nullptr, c.fired) << c.length << " characters";
    }
}

TEST_F(BombTest, ABombFliesItsDelayAndDurationWhereverTheClockJumps)
{
    const std::string name = "Nuke/10.000000/3.000000/1.000000";
    for (double jumpTo : {-5000.0, 50000.0}) {
        const std::string target = "T" + std::to_string(jumpTo);
        OBJHANDLE bomb = Bomb(name);
        AddVessel(target, "Station", {1000, 0, 0});
        Simulate(4.0, 0.5);  // 3.5 s of flight at its last step
        ASSERT_TRUE(host->jumpTime(jumpTo));
        Simulate(3.0, 0.5);  // flight 4.0 to 6.5 s
        ASSERT_TRUE(oapiIsVessel(bomb)) << "jumped to " << jumpTo;
        Simulate(3.0, 0.5);  // flight 7.0 to 9.5 s
        EXPECT_TRUE(Forces(target).empty()) << "jumped to " << jumpTo;
        Simulate(3.0, 0.5);  // flight 10.0 to 12.5 s: the window
        EXPECT_EQ(Forces(target).size(), 6u) << "jumped to " << jumpTo;
        EXPECT_TRUE(oapiIsVessel(bomb)) << "jumped to " << jumpTo;
        Simulate(0.5, 0.5);  // flight 13.0 s: the window has closed
        EXPECT_FALSE(oapiIsVessel(bomb)) << "jumped to " << jumpTo;
    }
}
