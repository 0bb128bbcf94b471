/* A bomb's tank as the host fills it: full when fired, empty when read from
 * a scenario unless its PRPLEVEL line fills it, and what it holds kept by a
 * save. */
#include "weapons_fixture.h"

#include "emulator/host/files/scenario_text.h"

#include <fstream>
#include <string>

using testing_support::WeaponsTest;

TEST_F(WeaponsTest, ABombReadFromAScenarioHasFuelOnlyWhereItsLinesSayAndAFiredOneKeepsItsTank)
{
    const std::string name = "Nuke/10.000000/3.000000/1.000000";
    struct Case {
        const char* items;
        double fuel;  // kg, of the tank's 10
    };
    const Case cases[] = {{"", 0.0}, {"  PRPLEVEL 0:0.25\n", 2.5}, {"  PRPLEVEL 0:1 7:0.5\n", 10.0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.items);
        std::ofstream(root / "bomb.scn") << "BRIMSTAR-HOST-SCENARIO 2\nBEGIN_SHIPS\n"
                                         << emu::QuoteText(name) << ":\"nuke\"\n  RPOS 7000000 0 0\n"
                                         << c.items << "END\nEND_SHIPS\nEND_SCENARIO\n";
        std::string error;
        ASSERT_TRUE(host->loadScenario(root / "bomb.scn", error)) << error;
        emu::VesselRecord* bomb = VesselNamed(name);
        ASSERT_NE(bomb, nullptr);
        ASSERT_EQ(bomb->details->propellants.size(), 1u);
        EXPECT_EQ(bomb->details->propellants[0].mass, c.fuel);
        EXPECT_EQ(bomb->mass, 1000.0 + c.fuel);
    }

    // Fired, it is full, and a save holds what it has left.
    host->endSession();
    AddVessel(name, "nuke");
    ASSERT_EQ(VesselNamed(name)->details->propellants[0].mass, 10.0);
    VesselNamed(name)->details->propellants[0].mass = 7.5;
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "saved.scn", error)) << error;
    ASSERT_TRUE(host->loadScenario(root / "saved.scn", error)) << error;
    EXPECT_EQ(VesselNamed(name)->details->propellants[0].mass, 7.5);
}
