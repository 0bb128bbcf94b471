/* The module across sessions, as the host runs them: it stays loaded from one
 * to the next, each starts its clock at 0, and a vessel's handle is its
 * object's address, which a later vessel may get. */
#include "weapons/weapons_fixture.h"

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
