/* The world's order is the host's list: a vessel that leaves it is replaced
 * by the last one; a name, in any letter case, finds the earliest vessel
 * that still has it; deletions asked for in any order happen from the end
 * of the list to its start; the focus goes to the nearest vessel that stays. */
#include "tests/emulator/host/host_fixture.h"
#include "host/host_api.h"

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

TEST_F(HostTest, RemovalMovesTheLastVesselIntoTheGapAndNamesFindTheEarliest)
{
    OBJHANDLE x1 = Ship("X"), y = Ship("Y"), x2 = Ship("X"), z = Ship("Z"), x3 = Ship("X");
    Delete(host, x1);  // from the front: the last takes its place
    EXPECT_EQ(oapiGetVesselByIndex(0), x3);
    EXPECT_EQ(oapiGetVesselByName(HostText("X")), x2);
    EXPECT_EQ(oapiGetVesselByName(HostText("x")), x2) << "names in any letter case";
    Delete(host, z);  // from the end
    EXPECT_EQ(oapiGetVesselCount(), 3u);
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"X", "Y", "X"}));
    Delete(host, x3);
    EXPECT_EQ(oapiGetVesselByIndex(0), x2);
    Delete(host, y);
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"X"}));
    EXPECT_EQ(oapiGetVesselByName(HostText("X")), x2);
    EXPECT_EQ(oapiGetVesselByName(HostText("Z")), nullptr);
    OBJHANDLE x4 = Ship("X");
    Delete(host, x2);
    EXPECT_EQ(oapiGetVesselByName(HostText("X")), x4) << "a newer vessel of the name takes over";
}

TEST_F(HostTest, DeletionsAskedForInAnyOrderHappenInDescendingListOrder)
{
    std::vector<OBJHANDLE> ships;
    for (const char* name : {"A", "B", "C", "D", "E", "F"})
        ships.push_back(Ship(name));
    // F moves into A's gap: the list is F B C D E, no longer creation order.
    Delete(host, ships[0]);
    ships.erase(ships.begin());
    Deletions seen;
    host.setObserver(&seen);
    for (size_t i : {3u, 0u, 4u, 1u})
        ASSERT_TRUE(oapiDeleteVessel(ships[i]));
    ASSERT_TRUE(oapiDeleteVessel(ships[3])) << "asking twice is still yes";
    host.step(0.1);
    host.setObserver(nullptr);

    // Asked for E, B, F, C (at list places 4, 1, 0, 2): carried out from the
    // list's end, so no gap is ever filled by a vessel still to go.
    EXPECT_EQ(seen.names, (std::vector<std::string>{"E", "C", "B", "F"}));
    EXPECT_EQ(Order(host.world()), (std::vector<std::string>{"D"}));
}

TEST_F(HostTest, TheFocusMovesToTheNearestVesselThatStays)
{
    OBJHANDLE a = Ship("A", {0, 0, 0});
    Ship("Far", {0, 0, 900});
    OBJHANDLE closest = Ship("Near", {0, 0, -100});
    OBJHANDLE closer = Ship("Nearer", {0, 50, 0});
    host.setFocus(a);
    ASSERT_TRUE(oapiDeleteVessel(a));
    ASSERT_TRUE(oapiDeleteVessel(closer));  // going too: no place for the focus
    host.step(0.1);
    EXPECT_EQ(host.world().focus, closest);
}
