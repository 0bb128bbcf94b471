/* The creation record SpawnVessel hands the host. */
#include "host/spawn_vessel.h"
#include "host/host_api.h"
#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

class SpawnVesselTest : public ::testing::Test {
protected:
    SpawnVesselTest()
    {
        emu::Body earth;
        earth.pos = {1e11, -2e10, 3e9};
        earth.vel = {-3e4, 1e3, 5};
        planet = host.world().addBody(earth);
        host.calls().enable();
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE planet;
};

}  // namespace

TEST_F(SpawnVesselTest, TheRecordIsZeroedVersionTwoAndRelativeToBodyZero)
{
    ASSERT_TRUE(SpawnVessel("X-1", "Ship", {1e11 + 10, -2e10 + 20, 3e9 + 30}, {-3e4 + 1, 1e3 + 2, 5 + 3}));

    VesselStateEx record = host.lastCreationRecord();
    EXPECT_EQ(record.version, 2u);
    EXPECT_EQ(record.status, 0);
    EXPECT_EQ(record.rbody, planet);
    EXPECT_DOUBLE_EQ(record.rpos.x, 10);
    EXPECT_DOUBLE_EQ(record.rpos.y, 20);
    EXPECT_DOUBLE_EQ(record.rpos.z, 30);
    EXPECT_DOUBLE_EQ(record.rvel.x, 1);
    EXPECT_DOUBLE_EQ(record.rvel.y, 2);
    EXPECT_DOUBLE_EQ(record.rvel.z, 3);

    // Every other byte, padding included, is zero.
    record.version = 0;
    record.rbody = nullptr;
    record.rpos = record.rvel = {0, 0, 0};
    unsigned char zero[sizeof record] = {};
    EXPECT_EQ(std::memcmp(&record, zero, sizeof record), 0);

    EXPECT_EQ(host.calls().matching("oapiCreateVesselEx"),
              std::vector<std::string>{"oapiCreateVesselEx(X-1, Ship)"});
    VECTOR3 pos;
    oapiGetGlobalPos(oapiGetVesselByName(HostText("X-1")), &pos);
    EXPECT_DOUBLE_EQ(pos.x, 1e11 + 10);
}

TEST_F(SpawnVesselTest, APositionAtTheBodyIsRelativeZero)
{
    SpawnVessel("X-2", "Ship", {1e11, -2e10, 3e9}, {0, 0, 0});
    VesselStateEx record = host.lastCreationRecord();
    EXPECT_EQ(record.rpos.x, 0);
    EXPECT_EQ(record.rpos.y, 0);
    EXPECT_EQ(record.rpos.z, 0);
}

TEST_F(SpawnVesselTest, AsksForTheBodyItsPositionAndItsVelocityThenCreates)
{
    host.calls().clear();
    SpawnVessel("X-4", "Ship", {0, 0, 0}, {0, 0, 0});
    std::vector<std::string> order;
    for (const std::string& e : host.calls().entries())
        if (e.rfind("oapi", 0) == 0)  // the host's own work inside the creation is not the module's
            order.push_back(e.substr(0, e.find('(')));
    EXPECT_EQ(order, (std::vector<std::string>{"oapiGetGbodyByIndex", "oapiGetGlobalPos", "oapiGetGlobalVel",
                                               "oapiCreateVesselEx"}));
}

TEST_F(SpawnVesselTest, ARefusedCreationIsReportedAsFalse)
{
    host.refuseVesselCreation(true);
    EXPECT_FALSE(SpawnVessel("X-3", "Ship", {0, 0, 0}, {0, 0, 0}));
    EXPECT_EQ(oapiGetVesselCount(), 0u);
}
