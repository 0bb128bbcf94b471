/* The rock field around the vessel in focus, in a freshly loaded module: the
 * seeded random source places the n-th rock the same way every time. */
#include "support/module_test.h"

#include "emulator/host/motion/frame_math.h"

using testing_support::ModuleTest;

namespace {

class RockFieldTest : public ModuleTest {
protected:
    RockFieldTest() { StartModule(); }

    /* Rocks created so far: when, and where they started. */
    struct Births : emu::HostObserver {
        explicit Births(emu::Host& h) : host(h) {}
        void vesselCreated(const emu::VesselRecord& v) override
        {
            if (*v.className != "roid")
                return;
            rocks.push_back({v.details->name, host.world().simt});
            starts.push_back({v.details->name, v.pos, v.vel});
        }
        emu::Host& host;
        std::vector<std::pair<std::string, double>> rocks;
        struct Start {
            std::string name;
            VECTOR3 pos, vel;
        };
        std::vector<Start> starts;
    };
};

}  // namespace

TEST_F(RockFieldTest, TheFirstRockComesJustAfterFiveSecondsAtItsSeededOffsets)
{
    Births births(*host);
    host->setObserver(&births);
    VECTOR3 pos{7e6, 1000, -2000}, vel{10, -20, 7546};
    AddShip("GL-01", pos, vel);
    // The spawner sees each step's start time: the step from 5.0 s is not
    // more than 5 s on, the one from 5.5 s is.
    Simulate(5.5, 0.5);
    EXPECT_TRUE(births.starts.empty()) << "5.0 s is not more than 5 s";
    Simulate(0.5, 0.5);
    host->setObserver(nullptr);

    ASSERT_EQ(births.starts.size(), 1u);
    const Births::Start* rock = &births.starts[0];
    EXPECT_EQ(rock->name, "R-4");
    // The focus's state as the step began, at 5.5 s, plus the offsets of the
    // first six draws: 0.2853809, 0.2533582, 0.0934685, 0.6084969, 0.9034203, 0.1958732.
    VECTOR3 focusPos = emu::operator+(pos, emu::operator*(vel, 5.5));
    const double draws[6] = {0.2853809, 0.2533582, 0.0934685, 0.6084969, 0.9034203, 0.1958732};
    EXPECT_NEAR(rock->pos.z - focusPos.z, (2 * draws[0] - 1) * 200, 2e-5);
    EXPECT_NEAR(rock->pos.y - focusPos.y, (2 * draws[1] - 1) * 200, 2e-5);
    EXPECT_NEAR(rock->pos.x - focusPos.x, (2 * draws[2] - 1) * 200, 2e-5);
    EXPECT_NEAR(rock->vel.z - vel.z, (2 * draws[3] - 1) * 20, 2e-6);
    EXPECT_NEAR(rock->vel.y - vel.y, (2 * draws[4] - 1) * 20, 2e-6);
    EXPECT_NEAR(rock->vel.x - vel.x, (2 * draws[5] - 1) * 20, 2e-6);
    EXPECT_NEAR(rock->pos.x - focusPos.x, -162.61, 0.005);
    EXPECT_NEAR(rock->pos.y - focusPos.y, -98.66, 0.005);
    EXPECT_NEAR(rock->pos.z - focusPos.z, -85.85, 0.005);
    EXPECT_NEAR(rock->vel.x - vel.x, -12.17, 0.005);
    EXPECT_NEAR(rock->vel.y - vel.y, 16.14, 0.005);
    EXPECT_NEAR(rock->vel.z - vel.z, 4.34, 0.005);
}

TEST_F(RockFieldTest, RocksComeMoreThanFiveSecondsApartOnePerStepAtMost)
{
    Births births(*host);
    host->setObserver(&births);
    AddShip("GL-01");
    Simulate(12.0, 0.75);   // steps from 5.25, then more than 5 s later: 10.5
    Simulate(40.0, 8.0);    // steps from 12 (too soon), then longer than the interval: one each

    std::vector<std::pair<std::string, double>> expected = {{"R-4", 5.25}, {"R-5", 10.5}, {"R-6", 20.0},
                                                            {"R-7", 28.0}, {"R-8", 36.0}, {"R-9", 44.0}};
    EXPECT_EQ(births.rocks, expected);
    host->setObserver(nullptr);
}

TEST_F(RockFieldTest, ARefusedRockStillTakesItsNumberAndTime)
{
    AddShip("GL-01");
    host->refuseVesselCreation(true);
    Simulate(6.0, 0.5);
    host->refuseVesselCreation(false);
    Simulate(5.0, 0.5);
    EXPECT_EQ(VesselNamed("R-5"), nullptr) << "not yet: 10.5 is not more than 5 s after 5.5";
    Simulate(0.5, 0.5);

    EXPECT_EQ(VesselNamed("R-4"), nullptr);
    EXPECT_NE(VesselNamed("R-5"), nullptr);
}

TEST_F(RockFieldTest, TheFieldFollowsTheFocusAndRocksLeftBehindRemoveThemselves)
{
    OBJHANDLE home = AddShip("GL-01", {7e6, 0, 0});
    OBJHANDLE away = AddShip("GL-02", {7e6, 50000, 0});
    Simulate(6.0, 0.5);
    emu::VesselRecord* first = VesselNamed("R-4");
    ASSERT_NE(first, nullptr);
    EXPECT_LT(emu::length(emu::operator-(first->pos, Vessel(home).pos)), 400);

    host->setFocus(away);
    Simulate(0.5, 0.5);
    EXPECT_EQ(VesselNamed("R-4"), nullptr) << "50 km from the new focus";
    Simulate(5.0, 0.5);
    emu::VesselRecord* next = VesselNamed("R-5");
    ASSERT_NE(next, nullptr);
    EXPECT_LT(emu::length(emu::operator-(next->pos, Vessel(away).pos)), 400);
}

TEST_F(RockFieldTest, WithoutAFocusNoRockIsMadeAndNothingBreaks)
{
    Simulate(20.0, 0.5);
    EXPECT_EQ(oapiGetVesselCount(), 0u);
    AddShip("GL-01");
    Simulate(0.5, 0.5);
    EXPECT_NE(VesselNamed("R-4"), nullptr) << "the first rock once there is a focus";
}
