/* Stories of things going wrong around the module: the host refusing,
 * vessels vanishing, hostile scenarios, odd steps. Each ends with the module
 * still working. */
#include "emulator/host/files/scenario_text.h"
#include "support/module_test.h"

#include <algorithm>
#include <cmath>
#include <fstream>

using testing_support::ModuleTest;

namespace {

class FaultStory : public ModuleTest {
protected:
    FaultStory() { StartModule(); }

    int OpenWeapons(OBJHANDLE vessel) { return host->openMfd("Weapons", vessel, 400, 400); }
    void Enter(int display, DWORD key, const std::string& text)
    {
        host->mfds().pressKey(display, key);
        host->inputBox().confirm(text);
    }
};

}  // namespace

TEST_F(FaultStory, TheLastVesselIsNeverAskedToGoAndTheSpentBombWaitsForCompany)
{
    // The simulator does not survive losing its last vessel.
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 0, 0});
    Simulate(1.0);
    AddVessel("Nuke/0.000000/1.000000/1.000000", "nuke", {7e6, 0, 0});
    Simulate(0.5);  // the blast pushes the rock far away...
    host->requestDeletion(rock);
    Simulate(3.0);  // ...and now the spent bomb is alone

    EXPECT_EQ(oapiGetVesselCount(), 1u);
    EXPECT_EQ(Calls().count("oapiDeleteVessel(Nuke/0.000000/1.000000/1.000000"), 0);
    EXPECT_EQ(Calls().matching("oapiDeleteVessel").size(), 1u) << "only the test's own request";

    AddShip("GL-01", {7e6, 500, 0});
    Simulate(0.5);
    EXPECT_EQ(VesselNamed("Nuke/0.000000/1.000000/1.000000"), nullptr) << "with company, the bomb goes";
}

TEST_F(FaultStory, ARockInFocusThatIsDestroyedHandsTheFocusOn)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    OBJHANDLE rock = AddVessel("R-100", "roid", {7e6, 5000, 0});
    host->setFocus(rock);
    Simulate(1.0);
    EXPECT_TRUE(oapiIsVessel(rock)) << "the focus is never out of its own range";

    // Eleven bodies strike it, one after another. Each is gone a step before
    // the next comes: the next takes its handle, as the host reuses its
    // objects' addresses, and a body there in both steps is one contact.
    for (int i = 0; i < 11; ++i) {
        AddVessel("H-" + std::to_string(i), "Ship", {7e6, 5010, 0});
        Simulate(0.1);
        oapiDeleteVessel(VesselNamed("H-" + std::to_string(i))->handle);
        Simulate(0.2);
    }
    Simulate(0.5);

    EXPECT_FALSE(oapiIsVessel(rock));
    EXPECT_EQ(host->world().focus, ship);
}

TEST_F(FaultStory, AHostThatRefusesEveryVesselBreaksNothingAndTheNumbersGoOn)
{
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    int display = OpenWeapons(ship);
    host->mfds().pressKey(display, 0x22);  // sequence on
    host->refuseVesselCreation(true);
    Simulate(30.0, 0.5);
    EXPECT_EQ(oapiGetVesselCount(), 1u);

    host->refuseVesselCreation(false);
    Simulate(15.0, 0.5);
    EXPECT_NE(VesselNamed("Nuke/10.000000/3.000000/0.000000"), nullptr) << "the sequence fires again";
    EXPECT_EQ(VesselNamed("R-4"), nullptr) << "the refused rocks kept their numbers";
    EXPECT_NE(VesselNamed("R-10"), nullptr);
}

TEST_F(FaultStory, AHostileScenarioLoadsRunsAndSavesAgain)
{
    std::string longName(300, 'r');
    auto ship = [](const std::string& name, const char* cls, const char* items) {
        return emu::QuoteText(name) + ":" + emu::QuoteText(cls) + "\n" + items + "END\n";
    };
    std::string head = "BRIMSTAR-HOST-SCENARIO 2\nBEGIN_BODIES\n\"Earth\"\n  RADIUS 6371000\nEND\nEND_BODIES\nBEGIN_SHIPS\n";
    std::string ships = ship("GL-01", "Ship", "  RPOS 7000000 0 0\n") + ship(longName, "roid", "  RPOS 7000000 100 0\n") +
                        ship("nukeXYZ/%n%s%s", "nuke", "  RPOS 7000000 0 100\n") + ship("", "roid", "  RPOS 7000000 -100 0\n") +
                        ship("NUKE/5/5", "nuke", "  RPOS 7000000 0 -100\n  RVEL 1e308 1e308 1e308\n");
    std::ofstream(root / "hostile.scn") << head << ships << "END_SHIPS\nEND_SCENARIO\n";
    std::string error;
    ASSERT_TRUE(host->loadScenario(root / "hostile.scn", error)) << error;
    EXPECT_EQ(oapiGetVesselCount(), 5u);

    std::ofstream(root / "nonfinite.scn") << head << ships << ship("Nuke/1e400/-nan/inf", "nuke", "  RPOS nan inf -inf\n")
                                          << "END_SHIPS\nEND_SCENARIO\n";
    EXPECT_FALSE(host->loadScenario(root / "nonfinite.scn", error));
    EXPECT_NE(error.find("nonfinite.scn:25: item RPOS must hold three finite numbers"), std::string::npos) << error;
    EXPECT_EQ(oapiGetVesselCount(), 5u) << "the world is left as it was";

    Simulate(20.0, 0.5);
    EXPECT_EQ(VesselNamed("nukeXYZ/%n%s%s"), nullptr) << "no numbers: a fresh slot's 13 s, then gone";
    EXPECT_TRUE(host->saveScenario(root / "again.scn", error)) << error;
    EXPECT_NE(VesselNamed("GL-01"), nullptr);
}

TEST_F(FaultStory, ZeroNegativeAndHugeStepsKeepOneRockPerStepAtMost)
{
    AddShip("GL-01", {7e6, 0, 0});
    host->step(0.0);
    host->step(-5.0);
    host->step(1e7);
    host->step(1e7);
    host->step(-1e7);
    host->step(0.0);

    // A rock in each step that starts more than 5 s after the last rock, none
    // in the others; a clock that goes back starts the spawner again from
    // its new reading.
    EXPECT_EQ(Calls().matching("oapiCreateVesselEx(R-"),
              (std::vector<std::string>{"oapiCreateVesselEx(R-4, roid)", "oapiCreateVesselEx(R-5, roid)"}));
    for (OBJHANDLE h : host->world().vessels())
        EXPECT_TRUE(std::isfinite(Vessel(h).pos.x)) << Vessel(h).details->name;
    EXPECT_EQ(host->world().simt, 1e7 - 5.0);
}

TEST_F(FaultStory, TwoVesselsThatGoInOneStepNeverAskForTheLastOne)
{
    // Two spent bombs, the only vessels, both done in the same step.
    AddVessel("Nuke/0.000000/0.500000/0.000000", "nuke", {7e6, 0, 0});
    AddVessel("Nuke/0.000000/0.500000/0.000000", "nuke", {7e6, 0, 100});
    Simulate(1.0, 0.25);

    EXPECT_EQ(Calls().count("oapiDeleteVessel"), 1);
    EXPECT_EQ(oapiGetVesselCount(), 1u);
    for (const std::string& request : Calls().matching("oapiDeleteVessel"))
        EXPECT_EQ(request.find("refused"), std::string::npos) << request;

    AddShip("GL-01", {7e6, 500, 0});
    Simulate(0.25, 0.25);
    EXPECT_EQ(oapiGetVesselCount(), 1u) << "with company, the second bomb goes too";
}

TEST_F(FaultStory, TwoRocksDestroyedTogetherLeaveOneOfThem)
{
    // The only two vessels strike each other eleven times: both fall below
    // zero in the same step and both want to go in the next.
    OBJHANDLE focus = AddVessel("R-100", "roid", {7e6, 0, 0});
    OBJHANDLE other = AddVessel("R-101", "roid", {7e6, 500, 0});
    host->setFocus(focus);
    for (int hit = 0; hit < 11; ++hit) {
        Vessel(other).pos = {7e6, 15, 0};
        Simulate(0.1);
        Vessel(other).pos = {7e6, 500, 0};
        Simulate(0.1);
    }
    Simulate(0.2);  // still short of the first spawned rock at 5 s

    EXPECT_EQ(Probe().totalContacts, 11);
    EXPECT_EQ(Calls().count("oapiDeleteVessel"), 1);
    for (const std::string& request : Calls().matching("oapiDeleteVessel"))
        EXPECT_EQ(request.find("refused"), std::string::npos) << request;
    EXPECT_EQ(oapiGetVesselCount(), 1u);
}

TEST_F(FaultStory, AFocusFlownOffToInfinityKeepsTheRockFieldBounded)
{
    // At 1e308 m/s the focus reaches infinity in its first step: every
    // distance to it is then no number.
    OBJHANDLE focus = AddShip("GL-01", {1e308, 0, 0}, {1e308, 0, 0});
    host->setFocus(focus);
    Calls().enable(false);
    size_t most = 0;
    for (int second = 0; second < 20000; ++second) {
        host->step(1.0);
        most = std::max(most, host->world().vessels().size());
    }
    EXPECT_LE(most - 1, 80u) << "rocks alive at once: the soak's bound";
    EXPECT_GT(Probe().registrations, 1000) << "the field kept renewing itself";
}

TEST_F(FaultStory, AMeshThatCannotBeWrittenStillLetsBombsBeMade)
{
    std::filesystem::remove(root / "meshes/nuke.msh");
    std::filesystem::create_directories(root / "meshes/nuke.msh");  // a folder where the file should be
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    OBJHANDLE target = AddShip("GL-02", {7e6, 0, 2000});
    host->mfds().pressKey(OpenWeapons(ship), 0x30);
    Simulate(11.0, 0.5);

    EXPECT_NE(VesselNamed("Nuke/10.000000/3.000000/0.000000"), nullptr);
    EXPECT_TRUE(oapiIsVessel(target));
    EXPECT_TRUE(std::filesystem::is_directory(root / "meshes/nuke.msh"));
}
