/* The world's order is creation order, however vessels leave it: the index
 * of every later vessel moves down, a name finds the earliest vessel that
 * still has it, and deletions asked for in any order happen in this one. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/session/host_observer.h"

#include <string>
#include <vector>

namespace {

std::vector<std::string> Order(emu::World& world)
{
    std::vector<std::string> names;
    for (DWORD i = 0; i < oapiGetVesselCount(); ++i)
        names.push_back(world.vessel(oapiGetVesselByIndex(int(i)))->details->name);
    return names;
}

/* Gone at the end of a step, as every deletion goes. */
void Delete(emu::Host& host, OBJHANDLE vessel)
{
    ASSERT_TRUE(oapiDeleteVessel(vessel));
    host.step(0.1);
}

struct Deletions : emu::HostObserver {
    void vesselDeleted(const emu::VesselRecord& v) override { names.push_back(v.details->name); }
    std::vector<std::string> names;
};

}  // namespace

TEST_F(HostTest, RemovalFromAnywhereKeepsTheOrderAndTheEarliestOfAName)
{
    OBJHANDLE x1 = Ship("X"), y = Ship("Y"), x2 = Ship("X"), z = Ship("Z"), x3 = Ship("X");
    Delete(host, x1);
    EXPECT_EQ(oapiGetVesselByName("X"), x2);
    Delete(host, z);  // from the middle
    EXPECT_EQ(oapiGetVesselCount(), 3u);
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"Y", "X", "X"}));
    EXPECT_EQ(oapiGetVesselByIndex(2), x3);
    Delete(host, x3);  // from the end
    Delete(host, y);   // from the front
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"X"}));
    EXPECT_EQ(oapiGetVesselByName("X"), x2);
    EXPECT_EQ(oapiGetVesselByName("Z"), nullptr);
    OBJHANDLE x4 = Ship("X");
    Delete(host, x2);
    EXPECT_EQ(oapiGetVesselByName("X"), x4) << "a newer vessel of the name takes over";
}

TEST_F(HostTest, DeletionsAskedForInAnyOrderHappenInCreationOrder)
{
    std::vector<OBJHANDLE> ships;
    for (const char* name : {"A", "B", "C", "D", "E"})
        ships.push_back(Ship(name));
    Deletions seen;
    host.setObserver(&seen);
    for (size_t i : {3u, 0u, 4u, 1u})
        ASSERT_TRUE(oapiDeleteVessel(ships[i]));
    ASSERT_TRUE(oapiDeleteVessel(ships[3])) << "asking twice is still yes";
    host.step(0.1);
    host.setObserver(nullptr);

    EXPECT_EQ(seen.names, (std::vector<std::string>{"A", "B", "D", "E"}));
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"C"}));
}

TEST_F(HostTest, TheFocusMovesToTheFirstVesselLeftPastTheGapsBeforeIt)
{
    OBJHANDLE a = Ship("A"), b = Ship("B"), c = Ship("C");
    host.setFocus(a);
    Delete(host, a);
    EXPECT_EQ(host.world().focus, b);
    Delete(host, c);  // from the end, with the gap at the front still open
    OBJHANDLE d = Ship("D");
    Delete(host, b);
    EXPECT_EQ(host.world().focus, d);
    EXPECT_EQ(host.world().firstVessel(), d);
    EXPECT_EQ(oapiGetVesselByIndex(0), d);
}
