/* No file a run writes may overwrite its scenario, another output, or the
 * program's own files, however the path reaches it; a save may replace a
 * file the run loads. */
#include "support/emulated_root.h"

#include "emulator/runner/outputs/run_files.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

struct Layout {
    testing_support::EmulatedRoot root{""};
    fs::path scenario = root / "run.scn";
    Layout()
    {
        std::ofstream(scenario) << "run 1\n";
        fs::create_directories(root / "modules" / "plugin");
        fs::create_directories(root / "work");
    }
    runner::RunFiles Files() const
    {
        runner::RunFiles files;
        files.inputs.push_back({"the scenario", scenario});
        files.own.push_back({"the root's modules folder", root / "modules"});
        return files;
    }
};

}  // namespace

TEST(RunFiles, AnOutputOrSaveThatWouldOverwriteWhatItMustNotIsRefused)
{
    Layout at;
    fs::path log = at.root / "work" / "run.log";
    const struct {
        const char* story;
        std::vector<runner::NamedFile> outputs, saves, loads;
        const char* problem;  // "" when allowed
    } cases[] = {
        {"the log is the scenario", {{"the log", at.scenario}}, {}, {}, "the log"},
        {"through ..", {{"the log", at.root / "work" / ".." / "run.scn"}}, {}, {}, "the log"},
        {"two outputs in one file", {{"the log", log}, {"the trace", log}}, {}, {}, "the trace"},
        {"a save over the scenario", {}, {{"the save at line 3", at.scenario}}, {}, "the save at line 3"},
        {"a save over the log", {{"the log", log}}, {{"the save at line 3", log}}, {}, "the save at line 3"},
        {"a save into the modules", {}, {{"the save at line 3", at.root / "modules/plugin/brimstar.so"}}, {},
         "the save at line 3"},
        {"an output that a load reads", {{"the log", log}}, {}, {{"the load at line 4", log}}, "the log"},
        {"a save and its reload", {}, {{"the save at line 3", log}}, {{"the load at line 4", log}}, ""},
        {"a save written twice", {}, {{"the save at line 3", log}, {"the save at line 5", log}}, {}, ""},
        {"every output apart", {{"the log", log}, {"the trace", at.root / "run.csv"}}, {}, {}, ""},
    };
    for (const auto& c : cases) {
        runner::RunFiles files = at.Files();
        files.outputs = c.outputs;
        files.saves = c.saves;
        files.loads = c.loads;
        std::string problem = runner::OverwriteProblem(files);
        if (*c.problem)
            EXPECT_EQ(problem.rfind(c.problem, 0), 0u) << c.story << ": " << problem;
        else
            EXPECT_EQ(problem, "") << c.story;
    }
}

#if !defined(_WIN32)
TEST(RunFiles, LinksAreFollowedToTheFileTheyName)
{
    Layout at;
    fs::create_symlink(at.scenario, at.root / "work" / "soft.log");
    fs::create_hard_link(at.scenario, at.root / "work" / "hard.log");
    fs::create_directory_symlink(at.root / "modules", at.root / "work" / "mods");
    for (const fs::path& output :
         {at.root / "work" / "soft.log", at.root / "work" / "hard.log", at.root / "work" / "mods" / "x.log"}) {
        runner::RunFiles files = at.Files();
        files.outputs = {{"the log", output}};
        EXPECT_NE(runner::OverwriteProblem(files), "") << output;
    }
}
#endif
