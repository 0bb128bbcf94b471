/* Host scenario files: a saved world loads back exactly, a broken file names
 * its line. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/world/frame_math.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

TEST_F(HostTest, AScenarioSavedAndLoadedKeepsTheWorldExactly)
{
    host.world().simt = 12.5;
    OBJHANDLE h = Ship("GL-01", {7e6 + 0.1, -3.3, 1.0 / 3}, {1.5, 7546.123456789, -2});
    host.world().vessel(h)->rot = emu::RotationFromAngles({0.1, -0.2, 0.3});
    Ship("GL-02", {1, 2, 3});
    host.setFocus(host.world().vesselByName("GL-02")->handle);
    emu::VesselRecord before = *host.world().vessel(h);

    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "round.scn", error)) << error;
    ASSERT_TRUE(host.loadScenario(root / "round.scn", error)) << error;

    emu::VesselRecord* after = host.world().vesselByName("GL-01");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->pos.x, before.pos.x);
    EXPECT_EQ(after->pos.z, before.pos.z);
    EXPECT_EQ(after->vel.y, before.vel.y);
    EXPECT_NEAR(after->rot.m12, before.rot.m12, 1e-15);
    EXPECT_EQ(after->size, 20.0);
    EXPECT_EQ(after->emptyMass, 10000.0);
    EXPECT_EQ(host.world().simt, 12.5);
    EXPECT_EQ(host.world().vessel(host.world().focus)->name, "GL-02");
}

TEST_F(HostTest, ABrokenScenarioNamesItsLine)
{
    std::ofstream(root / "bad.scn") << "BRIMSTAR-HOST-SCENARIO 2\nBEGIN_ENVIRONMENT\n  SPEED 3\nEND_ENVIRONMENT\n";
    std::string error;
    EXPECT_FALSE(host.loadScenario(root / "bad.scn", error));
    EXPECT_NE(error.find("bad.scn:3: unknown environment item 'SPEED'"), std::string::npos) << error;
}
