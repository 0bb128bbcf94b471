/* The module's life in the host: start-up in its fixed order, the three
 * conditions of the collision library, the forwarding of steps and
 * scenarios, and a shut-down that really unloads the library. */
#include "support/loaded_library.h"
#include "support/module_test.h"

using testing_support::IsLoaded;
using testing_support::ModuleTest;

namespace {

/* The call log's entries that start with one of the prefixes, in order. */
std::vector<std::string> Sequence(const emu::CallLog& log, std::initializer_list<const char*> prefixes)
{
    std::vector<std::string> found;
    for (const std::string& entry : log.entries())
        for (const char* prefix : prefixes)
            if (entry.rfind(prefix, 0) == 0)
                found.push_back(entry);
    return found;
}

}  // namespace

TEST_F(ModuleTest, StartUpRegistersModesThenLoadsTheCollisionLibraryAndHandsItTheTableFirst)
{
    StartModule();

    EXPECT_EQ(Sequence(Calls(), {"InitLib", "GetProcAddress(ExitModule", "oapiRegisterMFDMode",
                                 "LoadLibraryA(modules\\collision", "GetProcAddress(initint", "OutputDebugStringA",
                                 "GetProcAddress(maincall", "GetProcAddress(drmfd", "GetProcAddress(mfdev",
                                 "GetProcAddress(statl", "GetProcAddress(stats", "GetProcAddress(VSSetOnCollide"}),
              (std::vector<std::string>{
                  "InitLib()",  // which starts the module, inside the attach
                  "oapiRegisterMFDMode(Collision Control, 0x2F)",
                  "oapiRegisterMFDMode(Weapons, 0x11)",
                  "LoadLibraryA(modules\\collision.dll, loaded)",
                  "GetProcAddress(initint, found)",
                  "OutputDebugStringA(collision: initint, )",
                  "GetProcAddress(maincall, found)",
                  "GetProcAddress(drmfd, found)",
                  "GetProcAddress(mfdev, found)",
                  "GetProcAddress(statl, found)",
                  "GetProcAddress(stats, found)",
                  "GetProcAddress(VSSetOnCollide, found)",
                  "GetProcAddress(ExitModule, found)",  // the attach goes on once InitLib returns
              }));
    EXPECT_TRUE(host->messageBoxes().empty());
    EXPECT_EQ(Probe().initintCalls, 1);
    EXPECT_NE(Probe().table, nullptr);
}

TEST_F(ModuleTest, StepsAndScenariosAreForwardedToTheCollisionLibrary)
{
    StartModule();
    AddShip("GL-01");
    Simulate(1.0, 0.25);

    EXPECT_EQ(Probe().maincallCalls[COLLISION_PHASE_PRE], 4);
    EXPECT_EQ(Probe().maincallCalls[COLLISION_PHASE_POST], 4);
    EXPECT_DOUBLE_EQ(Probe().lastSimt, 1.0);
    EXPECT_DOUBLE_EQ(Probe().lastSimdt, 0.25);

    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "saved.scn", error)) << error;
    EXPECT_EQ(Probe().statsCalls, 1);
    ASSERT_TRUE(host->loadScenario(root / "saved.scn", error)) << error;
    EXPECT_EQ(Probe().statlCalls, 1);
    EXPECT_NE(VesselNamed("GL-01"), nullptr);
}

TEST_F(ModuleTest, ShutDownUnregistersCollisionControlThenWeaponsThenReleasesTheLibraryAndUnloads)
{
    StartModule();
    ASSERT_TRUE(IsLoaded("modules/plugin/brimstar!.dll"));
    ASSERT_TRUE(IsLoaded("modules/collision.dll"));
    Calls().clear();
    StopHost();

    EXPECT_EQ(Sequence(Calls(), {"oapiUnregisterMFDMode", "FreeLibrary"}),
              (std::vector<std::string>{"FreeLibrary(, )",  // the host releases the module
                                        "oapiUnregisterMFDMode(Collision Control)",
                                        "oapiUnregisterMFDMode(Weapons)", "FreeLibrary(, )"}));
    EXPECT_FALSE(IsLoaded("modules/plugin/brimstar!.dll")) << "the module stayed mapped after its last release";
    EXPECT_FALSE(IsLoaded("modules/collision.dll"));
}

TEST_F(ModuleTest, AReloadedModuleStartsFromZero)
{
    StartModule();
    StopHost();
    host.reset();
    host = std::make_unique<emu::Host>(root.path());
    host->calls().enable();
    StartModule();

    EXPECT_EQ(Calls().count("InitLib"), 1);
    EXPECT_EQ(Probe().initintCalls, 1) << "the collision library kept its state across a reload";
}

TEST_F(ModuleTest, TheVersionIsComputedOnceAndCached)
{
    emu::ModuleInstance* module = StartModule();
    ASSERT_NE(module->GetModuleVersion, nullptr);

    int first = module->GetModuleVersion();
    int second = module->GetModuleVersion();

    EXPECT_EQ(first, 60425);
    EXPECT_EQ(second, first);
    EXPECT_EQ(Calls().count("Date2Int"), 1);
}

TEST_F(ModuleTest, BothClassesAreServedByTheSameLoadedModule)
{
    emu::ModuleInstance* module = StartModule();

    OBJHANDLE bomb = AddVessel("Nuke/10.000000/3.000000/0.000000", "nuke");
    OBJHANDLE rock = AddVessel("R-4", "roid");

    ASSERT_NE(bomb, nullptr);
    ASSERT_NE(rock, nullptr);
    EXPECT_EQ(Vessel(bomb).details->module, module);
    EXPECT_EQ(Vessel(rock).details->module, module);
    EXPECT_EQ(host->modules().modules().size(), 1u);
}

class MissingCollisionLibrary : public ModuleTest {
protected:
    MissingCollisionLibrary() : ModuleTest("") {}
};

TEST_F(MissingCollisionLibrary, OneBoxNamesThePathAndEverythingElseStillWorks)
{
    StartModule();
    OBJHANDLE ship = AddShip("GL-01");
    int display = host->openMfd("Weapons", ship, 400, 400);
    host->mfds().pressKey(display, 0x22);  // a sequence on: its first bomb after 13 s
    Simulate(14.0);
    EXPECT_NE(VesselNamed("R-4"), nullptr) << "the rock spawner runs without the library";
    EXPECT_NE(VesselNamed("Nuke/10.000000/3.000000/0.000000"), nullptr) << "and so does the sequence";
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "saved.scn", error)) << error;

    ASSERT_EQ(host->messageBoxes().size(), 1u);
    EXPECT_EQ(host->messageBoxes()[0].caption, "Error!");
    EXPECT_EQ(host->messageBoxes()[0].text, "modules\\collision.dll not found. Check installation.");
    EXPECT_EQ(Calls().count("oapiRegisterMFDMode"), 2);
    EXPECT_EQ(Calls().count("GetProcAddress(initint"), 0);
    EXPECT_TRUE(std::filesystem::exists(root / "config/vessels/nuke.cfg"));
    EXPECT_TRUE(std::filesystem::exists(root / "config/vessels/roid.cfg"));
    EXPECT_TRUE(std::filesystem::exists(root / "meshes/nuke.msh"));
}

/* A library that lacks one export: the box for a required one, never for the
 * optional VSSetOnCollide; the table is handed over first either way, and
 * every export that was found is still used. */
class IncompleteCollisionLibrary : public ModuleTest, public ::testing::WithParamInterface<std::string> {
protected:
    IncompleteCollisionLibrary() : ModuleTest("collision_without_" + GetParam()) {}
};

TEST_P(IncompleteCollisionLibrary, ReportsARequiredExportOnceAndUsesWhatWasFound)
{
    const std::string missing = GetParam();
    StartModule();
    AddShip("GL-01");
    Simulate(0.5);
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "saved.scn", error)) << error;
    ASSERT_TRUE(host->loadScenario(root / "saved.scn", error)) << error;
    int display = host->openMfd("Collision Control", VesselNamed("GL-01")->handle, 400, 200);
    host->mfds().redraw(display);
    host->mfds().pressKey(display, 0x19);

    const CollisionProbe& probe = Probe();
    EXPECT_EQ(probe.initintCalls, 1);
    if (missing == "VSSetOnCollide") {
        EXPECT_TRUE(host->messageBoxes().empty());
    } else {
        ASSERT_EQ(host->messageBoxes().size(), 1u);
        EXPECT_EQ(host->messageBoxes()[0].text, "modules\\collision.dll error. Check installation.");
        EXPECT_EQ(host->messageBoxes()[0].caption, "Error!");
        EXPECT_LT(Calls().find("OutputDebugStringA(collision: initint"), Calls().find("MessageBoxA"));
    }
    EXPECT_EQ(probe.maincallCalls[COLLISION_PHASE_PRE] > 0, missing != "maincall");
    EXPECT_EQ(probe.maincallCalls[COLLISION_PHASE_POST] > 0, missing != "maincall");
    EXPECT_EQ(probe.statsCalls, missing == "stats" ? 0 : 1);
    EXPECT_EQ(probe.statlCalls, missing == "statl" ? 0 : 1);
    EXPECT_EQ(probe.drmfdCalls, missing == "drmfd" ? 0 : 1);
}

INSTANTIATE_TEST_SUITE_P(EachExport, IncompleteCollisionLibrary,
                         ::testing::Values("maincall", "drmfd", "mfdev", "statl", "stats", "VSSetOnCollide"));
