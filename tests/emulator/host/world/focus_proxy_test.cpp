/* When the vessel in focus leaves, the focus goes to its proxy, the vessel
 * that was nearest it when the host last looked (at placement, after its
 * first step, every 100 s, and as soon as the proxy itself leaves), not to
 * the vessel nearest it now; only when the proxy leaves in the same step
 * does it go to the nearest. */
#include "tests/emulator/host/host_fixture.h"
#include "host/host_api.h"

#include <gtest/gtest.h>

#include <string>

TEST_F(HostTest, TheFocusGoesBackToTheShipNearestTheBombWhenTheHostLastLooked)
{
    struct Case {
        const char* story;
        int flight;       // seconds, one step each, before the bomb goes
        int buoyLeaves;   // the second at whose end the buoy goes, or 0
        bool salvo;       // a second bomb fired just after, 2 m ahead of it
        const char* heir;
    };
    // The bomb flies out along x at 2 km/s from beside the carrier. The host
    // looks when it is placed (the carrier nearest), after its first second
    // (the buoy), then at 101 s, when the bomb is at 202 km beside Midway.
    const Case cases[] = {
        {"gone in its first step: the ship it was placed beside", 1, 0, false, "Carrier"},
        {"placed before the next bomb, which it does not see", 1, 0, true, "Carrier"},
        {"gone before the 100 s look: the ship nearest after its first step", 90, 0, false, "Buoy"},
        {"gone after it: the ship beside it then", 140, 0, false, "Midway"},
        {"its proxy going too: the ship nearest now", 90, 90, false, "Midway"},
        {"its proxy gone earlier: the ship nearest then", 90, 10, false, "Carrier"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.story);
        Ship("Carrier", {0, 0, 0});
        OBJHANDLE buoy = Ship("Buoy", {2e3, 300, 0});
        Ship("Midway", {202e3, 0, 1e3});
        Ship("Picket", {300e3, 0, 1e3});
        host.step(1.0);
        OBJHANDLE bomb = Ship("Bomb", {10, 0, 0}, {2e3, 0, 0});
        if (c.salvo)
            Ship("Bomb 2", {12, 0, 0}, {2e3, 0, 0});
        host.setFocus(bomb);
        for (int second = 1; second <= c.flight; ++second) {
            if (second == c.buoyLeaves) {
                ASSERT_TRUE(oapiDeleteVessel(buoy));
            }
            if (second == c.flight) {
                ASSERT_TRUE(oapiDeleteVessel(bomb));
            }
            host.step(1.0);
        }
        ASSERT_FALSE(oapiIsVessel(bomb));
        emu::VesselRecord* focus = host.world().vessel(host.world().focus);
        ASSERT_NE(focus, nullptr);
        EXPECT_EQ(focus->details->name, c.heir);
        host.endSession();
    }
}

TEST_F(HostTest, AScenariosVesselsFindTheirProxiesAmongAllOfTheFile)
{
    // Placed at once: the first vessel's proxy is one listed after it.
    Ship("Lead", {0, 0, 0});
    Ship("Far", {0, 0, 5e3});
    OBJHANDLE wing = Ship("Wing", {0, 0, 100});
    std::string error;
    ASSERT_TRUE(host.saveScenario(root.path() / "three.scn", error)) << error;
    ASSERT_TRUE(host.loadScenario(root.path() / "three.scn", error)) << error;
    OBJHANDLE lead = oapiGetVesselByName(HostText("Lead"));
    wing = oapiGetVesselByName(HostText("Wing"));
    host.setFocus(lead);
    // Moved apart before anything steps: the host does not look again.
    host.world().vessel(wing)->pos = {0, 0, 9e3};
    ASSERT_TRUE(oapiDeleteVessel(lead));
    host.step(0.1);
    EXPECT_EQ(host.world().focus, wing);
}
