/* The page is offered only the host scenario files it could have saved
 * itself, and never more of them than a page can list. */
#include "emulator/runner/live/session/saved_scenarios.h"

#include "emulator/host/files/host_scenario_format.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>

namespace {

TEST(SavedScenarios, ListsOnlyPlainNamesOfScenarioFilesUpToTheBound)
{
    namespace fs = std::filesystem;
    const fs::path folder = fs::temp_directory_path() / ("saved-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder / "a folder.scn");
    for (const char* file : {"orbit.scn", "after bomb.scn", "bad!.scn", ".scn", "notes.txt", "orbit.scn.bak"})
        std::ofstream(folder / file) << emu::scenarioMagic << "\n";
    std::ofstream(folder / "runner.scn") << "planet Earth\n";
    EXPECT_EQ(live::SavedScenarios(folder), (std::set<std::string>{"after bomb", "orbit"}));

    for (size_t i = 0; i < live::mostSavedScenarios + 20; ++i)
        std::ofstream(folder / ("s" + std::to_string(i) + ".scn")) << emu::scenarioMagic;
    EXPECT_EQ(live::SavedScenarios(folder).size(), live::mostSavedScenarios);
    EXPECT_TRUE(live::SavedScenarios(folder / "missing").empty());
    fs::remove_all(folder);
}

}  // namespace
