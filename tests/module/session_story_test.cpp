/* The module across sessions, as the host runs them: it stays loaded from one
 * to the next, each starts its clock at 0, and a vessel's handle is its
 * object's address, which a later vessel may get. */
#include "weapons/weapons_fixture.h"

#include <filesystem>
#include <vector>

using testing_support::KeyG;
using testing_support::WeaponsTest;

namespace {

/* When, on the modules' clock, each rock and bomb was made */
struct Births : emu::HostObserver {
    explicit Births(emu::Host& h) : host(h) {}
    void vesselCreated(const emu::VesselRecord& v) override
    {
        if (*v.className == "roid")
            rocks.push_back(host.simTime());
        if (*v.className == "nuke")
            bombs.push_back(host.simTime());
    }
    emu::Host& host;
    std::vector<double> rocks, bombs;
};

}  // namespace

TEST_F(WeaponsTest, ANewSessionStartsTheFieldAndTheSlotsAfresh)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    Simulate(30.0, 0.5);
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "start.scn", error)) << error;
    Press(OpenWeapons(ship), KeyG);
    Simulate(0.5, 0.5);
    ASSERT_EQ(Calls().matching("oapiCreateVesselEx(Nuke").size(), 1u) << "the sequence fires at once";

    ASSERT_TRUE(host->loadScenario(root / "start.scn", error)) << error;
    Births births(*host);
    host->setObserver(&births);
    Simulate(20.0, 0.5);
    host->setObserver(nullptr);

    ASSERT_FALSE(births.rocks.empty());
    EXPECT_EQ(births.rocks.front(), 5.5) << "the first step more than 5 s into the new session";
    EXPECT_EQ(births.bombs, std::vector<double>{}) << "no slot of the old session acts in the new one";
}

TEST_F(WeaponsTest, AVesselAtADeadVesselsHandleInheritsNoSlot)
{
    OBJHANDLE first = AddShip("A", {7e6, 0, 0});
    AddShip("Keeper", {7e6, 1000, 0});
    int display = OpenWeapons(first);
    Press(display, KeyG);
    Simulate(0.5, 0.5);
    oapiDeleteVessel(first);
    Simulate(0.5, 0.5);

    OBJHANDLE second = AddShip("B", {7e6, 0, 0});
    ASSERT_EQ(second, first) << "the host reuses the dead vessel's handle";
    size_t fired = Calls().matching("oapiCreateVesselEx(Nuke").size();
    Simulate(30.0, 0.5);
    EXPECT_EQ(Calls().matching("oapiCreateVesselEx(Nuke").size(), fired) << "B never opened a Weapons display";
}

TEST(ModuleName, InstalledUnderAnotherNameItsVesselsAreBareAndInert)
{
    // The class files name "plugin\brimstar!", which the host takes
    // literally: a plug-in installed as brimstar.dll runs, but no class finds
    // its module, and every bomb is a vessel with no callbacks.
    testing_support::EmulatedRoot root;
    std::filesystem::rename(root / "modules/plugin/brimstar!.dll", root / "modules/plugin/brimstar.dll");
    emu::Host host(root.path());
    host.calls().enable();
    host.world().addBody(emu::Body());
    ASSERT_NE(host.loadPlugin("plugin\\brimstar"), nullptr);
    OBJHANDLE ship = host.createVesselAt("GL-01", "Ship", {7e6, 0, 0});
    int display = host.openMfd("Weapons", ship, 400, 400);
    ASSERT_TRUE(host.mfds().pressKey(display, 0x30));
    for (int i = 0; i < 200; ++i)
        host.step(0.1);

    // One try for each bomb and rock, and each stays: the field only grows.
    EXPECT_EQ(host.calls().matching("LoadModule(modules\\plugin\\brimstar!.dll").size(), oapiGetVesselCount() - 1);
    EXPECT_GE(oapiGetVesselCount(), 4u);
    emu::VesselRecord* bomb = host.world().vesselByName("Nuke/10.000000/3.000000/0.000000");
    ASSERT_NE(bomb, nullptr) << "a bare bomb never goes";
    EXPECT_EQ(bomb->callbacks, nullptr);
    EXPECT_TRUE(host.faults().empty());
}

TEST_F(WeaponsTest, AJumpOfTheClockEitherWayStallsNeitherTheFieldNorTheSequences)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    Press(OpenWeapons(ship), KeyG);
    Simulate(30.0, 0.5);
    for (double jumpTo : {-100.0, 20.0, 5000.0}) {
        ASSERT_TRUE(host->jumpTime(jumpTo));
        Births births(*host);
        host->setObserver(&births);
        Simulate(30.0, 0.5);
        host->setObserver(nullptr);

        // A rock more than every 5 s, a bomb more than every 13 s.
        ASSERT_GE(births.rocks.size(), 5u) << "jumped to " << jumpTo;
        EXPECT_LE(births.rocks.front(), jumpTo + 5.5) << "jumped to " << jumpTo;
        ASSERT_GE(births.bombs.size(), 2u) << "jumped to " << jumpTo;
        EXPECT_LE(births.bombs.front(), jumpTo + 13.5) << "jumped to " << jumpTo;
    }
}
