/* Rocks and the stand-in collision library together: contacts found by the
 * library, reported once each, cost the rock its health; a rock that is gone
 * is never called; the field stays bounded over a long run. */
#include "support/module_test.h"

#include "emulator/host/motion/frame_math.h"

#include <fstream>

using testing_support::ModuleTest;

namespace {

class CollisionStory : public ModuleTest {
protected:
    explicit CollisionStory(const std::string& library = "collision") : ModuleTest(library)
    {
        // A small hard body to strike the rocks with.
        std::ofstream(root / "config/vessels/Hammer.cfg") << "ClassName = Hammer\nSize = 1\nMass = 100\n";
        StartModule();
        focus = AddShip("GL-01", {7e6, 0, 0});
    }

    /* Puts the vessel at the position, at rest, relative to the planet. */
    void Place(OBJHANDLE vessel, const VECTOR3& pos)
    {
        Vessel(vessel).pos = pos;
        Vessel(vessel).vel = {0, 0, 0};
    }

    OBJHANDLE focus;
};

}  // namespace

TEST_F(CollisionStory, EachNewContactCostsTenAndTheEleventhDestroysTheRock)
{
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 300, 0});
    OBJHANDLE hammer = AddVessel("H", "Hammer", {7e6, 600, 0});
    ASSERT_NE(rock, nullptr);

    auto strike = [&] {
        Place(hammer, {7e6, 305, 0});  // inside the rock's 10 m
        Simulate(0.5, 0.5);
        Simulate(0.5, 0.5);  // still touching: the same contact, no new call
        Place(hammer, {7e6, 600, 0});
    };
    strike();
    EXPECT_EQ(host->debugLine(), "Hits: 100.000000 %");
    for (int hit = 2; hit <= 10; ++hit) {
        Simulate(0.5, 0.5);
        strike();
        ASSERT_TRUE(oapiIsVessel(rock)) << "hit " << hit;
    }
    Simulate(0.5, 0.5);
    EXPECT_TRUE(oapiIsVessel(rock)) << "at zero health the rock stays";
    Place(hammer, {7e6, 305, 0});
    Simulate(0.5, 0.5);
    EXPECT_EQ(host->debugLine(), "Hits: 0.000000 %") << "the eleventh hit, before it took its ten";
    EXPECT_TRUE(oapiIsVessel(rock));
    EXPECT_EQ(Probe().totalContacts, 11);
    Simulate(0.5, 0.5);
    EXPECT_FALSE(oapiIsVessel(rock)) << "below zero: gone at its next step";
}

TEST_F(CollisionStory, TwoRocksThatMeetAreEachCalledOnce)
{
    OBJHANDLE first = AddVessel("R-100", "roid", {7e6, 300, 0});
    OBJHANDLE second = AddVessel("R-101", "roid", {7e6, 315, 0});
    Simulate(0.5, 0.5);

    EXPECT_EQ(Probe().totalContacts, 1);
    EXPECT_EQ(host->debugLine(), "Hits: 100.000000 %");
    Place(first, {7e6, 300, 0});
    Place(second, {7e6, 315, 0});
    Simulate(0.5, 0.5);
    EXPECT_EQ(Probe().totalContacts, 1) << "a lasting contact is new only once";
    EXPECT_TRUE(oapiIsVessel(first));
    EXPECT_TRUE(oapiIsVessel(second));
}

TEST_F(CollisionStory, ARockThatIsGoneIsNeverCalledEvenWhileRegistered)
{
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 300, 0});
    AddVessel("H", "Hammer", {7e6, 600, 0});
    Simulate(0.5, 0.5);
    EXPECT_EQ(Probe().watched, 1);

    // Gone between two steps, with a body right where it was.
    oapiDeleteVessel(rock);
    host->processDeletions();
    Place(VesselNamed("H")->handle, {7e6, 300, 0});
    host->debugString()[0] = '\0';
    Simulate(0.5, 0.5);

    EXPECT_EQ(host->debugLine(), "") << "a callback reached a destroyed rock";
    EXPECT_EQ(Probe().watched, 0);
}

TEST_F(CollisionStory, TheDisplayShowsWhatTheLibraryTracks)
{
    AddVessel("R-100", "roid", {7e6, 300, 0});
    AddVessel("H", "Hammer", {7e6, 305, 0});
    Simulate(0.5, 0.5);
    int display = host->openMfd("Collision Control", focus, 400, 400);

    EXPECT_EQ(host->mfds().redraw(display).row(16 * 9), "Watched: 1  contacts: 1 new, 1 in all");
}

TEST_F(CollisionStory, ALongRunKeepsTheFieldAndTheRegistrationsBounded)
{
    Vessel(focus).vel = {0, 0, 50};
    size_t most = 0;
    for (int minute = 0; minute < 100; ++minute) {
        Simulate(60, 0.5);
        most = std::max<size_t>(most, host->world().vessels().size());
        // Registrations of rocks deleted in the last step go in the next one.
        ASSERT_LE(Probe().watched, int(host->world().vessels().size()) + 10);
    }
    EXPECT_GT(Calls().count("oapiCreateVesselEx(R-"), 1000) << "the field kept renewing itself";
    EXPECT_LT(most, 60u) << "rocks left behind remove themselves";
}

TEST_F(CollisionStory, ARockLoadedFromAScenarioStartsWhole)
{
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 300, 0});
    OBJHANDLE hammer = AddVessel("H", "Hammer", {7e6, 600, 0});
    for (int hit = 0; hit < 3; ++hit) {
        Place(hammer, {7e6, 305, 0});
        Simulate(0.5, 0.5);
        Place(hammer, {7e6, 600, 0});
        Simulate(0.5, 0.5);
    }
    ASSERT_EQ(host->debugLine(), "Hits: 80.000000 %");
    ASSERT_TRUE(oapiIsVessel(rock));
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "hit.scn", error)) << error;
    ASSERT_TRUE(host->loadScenario(root / "hit.scn", error)) << error;

    Place(VesselNamed("H")->handle, {7e6, 305, 0});
    Simulate(0.5, 0.5);
    EXPECT_EQ(host->debugLine(), "Hits: 100.000000 %");
}

class WithoutRegistration : public CollisionStory {
protected:
    WithoutRegistration() : CollisionStory("collision_without_VSSetOnCollide") {}
};

TEST_F(WithoutRegistration, RocksTakeNoHitsButStillLeaveByRange)
{
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 300, 0});
    AddVessel("H", "Hammer", {7e6, 305, 0});
    Simulate(1.0, 0.5);
    EXPECT_EQ(host->debugLine(), "");
    EXPECT_TRUE(oapiIsVessel(rock));

    Place(rock, {7e6, 900, 0});
    Simulate(0.5, 0.5);
    EXPECT_FALSE(oapiIsVessel(rock));
}
