/* The step entry points' order, and the Weapons message procedure, driven
 * directly with the collision library's step stood in for. */
#include "host/collision_module.h"
#include "support/emulated_root.h"
#include "weapons/weapon_slots.h"
#include "weapons/weapons_mfd.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <fstream>

DLLCLBK void opcPreStep(double simt, double simdt, double mjd);
DLLCLBK void opcPostStep(double simt, double simdt, double mjd);

namespace {

void COLLAPI RecordMaincall(double, double, int phase)
{
    emu::Host::current()->calls().record("maincall", phase);
}

class EntryPoints : public ::testing::Test {
protected:
    EntryPoints()
    {
        // The classes in place, without the module: the host makes them bare.
        for (const char* className : {"nuke", "roid"})
            std::ofstream(root.path() / "config/vessels" / (std::string(className) + ".cfg")) << "ClassName=" << className << "\n";
        host.calls().enable();
        VesselStateEx state{};
        state.version = 2;
        ship = host.createVessel("GL-01", "Ship", state);
        host.setFocus(ship);
        InitWeaponSlots(100.0, 0.0);
        int slot = FindWeaponSlot(ship);
        weaponSlots[slot].seqOn = 1;
        saved = collisionModule.maincall;
        collisionModule.maincall = RecordMaincall;
        host.calls().clear();
    }
    ~EntryPoints() override { collisionModule.maincall = saved; }

    /* The bombs, rocks and collision steps, in the order they came. */
    std::vector<std::string> Order()
    {
        std::vector<std::string> order;
        for (const std::string& e : host.calls().entries())
            if (e.rfind("oapiCreateVesselEx", 0) == 0 || e.rfind("maincall", 0) == 0)
                order.push_back(e);
        return order;
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE ship;
    MainCallFn saved;
};

}  // namespace

// Later than any time an earlier test left the spawner at.
const double late = 1e12;

TEST_F(EntryPoints, ThePreStepFiresTheSequenceThenSpawnsARockThenStepsTheCollisionLibrary)
{
    opcPreStep(late, 0.5, 0);
    ASSERT_EQ(Order().size(), 3u);
    EXPECT_EQ(Order()[0], "oapiCreateVesselEx(Nuke/10.000000/3.000000/0.000000, nuke)");
    EXPECT_EQ(Order()[1].rfind("oapiCreateVesselEx(R-", 0), 0u) << Order()[1];
    EXPECT_EQ(Order()[2], "maincall(0)");
}

TEST_F(EntryPoints, ThePostStepOnlyStepsTheCollisionLibrary)
{
    opcPostStep(2 * late, 0.5, 0);
    EXPECT_EQ(Order(), std::vector<std::string>{"maincall(1)"});
}

TEST_F(EntryPoints, TheWeaponsProcedureOpensADisplayOnlyOnItsNoticeWithThePackedSize)
{
    VESSEL* vessel = oapiGetVesselInterface(ship);
    auto lparam = reinterpret_cast<LPARAM>(vessel);
    for (UINT msg : {0u, 2u, 3u, 0xFFFFu})
        EXPECT_EQ(WeaponsMFDMsgProc(msg, 0, 300 | (200 << 16), lparam), 0) << msg;

    struct Probe : WeaponsMFD {
        using WeaponsMFD::H;
        using WeaponsMFD::W;
    };
    OAPI_MSGTYPE opened = WeaponsMFDMsgProc(OAPI_MSG_MFD_OPENED, 0, 300 | (200 << 16) | (WPARAM(7) << 32), lparam);
    ASSERT_NE(opened, 0);
    auto* display = reinterpret_cast<WeaponsMFD*>(opened);
    // The members are the base's: reachable on any display through the probe.
    EXPECT_EQ(display->*(&Probe::W), 300u);
    EXPECT_EQ(display->*(&Probe::H), 200u) << "bits 16 to 31, nothing above";
    EXPECT_EQ(display->slot, FindWeaponSlot(ship));
    delete display;
}
