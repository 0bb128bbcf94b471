/* The page is offered only the host scenario files it could have saved
 * itself, never more of them than a page can list, the first by name, and
 * finds any of them by a part of its name. */
#include "emulator/runner/live/session/saved_scenarios.h"

#include "emulator/host/files/host_scenario_format.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
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

    // Made in an order of their own: the folder is read in yet another.
    const size_t many = live::mostSavedScenarios + 20;
    std::vector<std::string> names;
    for (size_t i = 0; i < many; ++i) {
        char name[8];
        std::snprintf(name, sizeof name, "s%03zu", i);
        names.push_back(name);
    }
    std::shuffle(names.begin(), names.end(), std::mt19937(7));
    for (const std::string& name : names)
        std::ofstream(folder / (name + ".scn")) << emu::scenarioMagic;
    std::sort(names.begin(), names.end());
    const live::SavedList all = live::FindSavedScenarios(folder, "");
    EXPECT_EQ(all.count, many + 2);
    std::set<std::string> first = {"after bomb", "orbit"};
    first.insert(names.begin(), names.begin() + long(live::mostSavedScenarios - 2));
    EXPECT_EQ(all.names, first);
    EXPECT_EQ(live::SavedScenarios(folder), first);

    struct Search {
        const char* match;
        std::set<std::string> names;
    };
    const Search searches[] = {
        {"S21", {"s210", "s211", "s212", "s213", "s214", "s215", "s216", "s217", "s218", "s219"}},
        {"ORB", {"orbit"}},
        {"r b", {"after bomb"}},
        {"bad!", {}},
        {"folder", {}},
    };
    for (const Search& search : searches) {
        const live::SavedList found = live::FindSavedScenarios(folder, search.match);
        EXPECT_EQ(found.names, search.names) << search.match;
        EXPECT_EQ(found.count, search.names.size()) << search.match;
    }
    EXPECT_EQ(live::FindSavedScenarios(folder / "missing", "").count, 0u);
    fs::remove_all(folder);
}

}  // namespace
