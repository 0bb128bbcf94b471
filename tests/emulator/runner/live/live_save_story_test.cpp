/* A host scenario saved from the page lands in the root folder and is then
 * offered for loading; a save that would overwrite one of the run's own
 * files (the scenario being flown, its trace) is refused and changes
 * nothing. */
#include "support/emulated_root.h"
#include "support/live_flight.h"

#include "emulator/runner/live/session/live_session.h"
#include "emulator/runner/live/session/saved_scenarios.h"
#include "emulator/runner/run/script_player.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace {

const char* const world = "planet Earth\nvessel GL-01 class Ship pos 7e6 0 0\nstep 0.5\n";

std::string Read(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(LiveSave, SavesBesideTheRunsFilesButNeverOverThem)
{
    testing_support::EmulatedRoot root;
    const std::filesystem::path flown = root / "world.scn";
    std::ofstream(flown, std::ios::binary) << world;
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript(flown.string(), world, script, error)) << error;
    emu::Host host(root.path());
    std::ostringstream out;
    live::LogLines lines(&out);
    std::ostream logOut(&lines);
    runner::FlightLog log(host, logOut);
    host.setObserver(&log);
    ASSERT_TRUE(runner::BuildWorld(host, script, log, error)) << error;
    runner::RunFiles files;
    files.inputs.push_back({"the scenario", flown});
    live::LiveSession session(host, script, log, lines, nullptr, files);

    for (const char* name : {"world", "orbit"}) {
        live::LiveCommand command;
        std::string body = std::string(R"({"do":"save","name":")") + name + "\"}";
        ASSERT_TRUE(live::DecodeRequest(body, session.known(), command, error)) << error;
        session.submit(command);
        session.advance(1);
    }
    host.setObserver(nullptr);
    host.shutdown();
    EXPECT_EQ(Read(flown), world);
    EXPECT_NE(out.str().find("not saved: "), std::string::npos) << out.str();
    EXPECT_NE(Read(root / "orbit.scn").find("GL-01"), std::string::npos);
    EXPECT_EQ(session.savedScenarios("").names, (std::set<std::string>{"orbit"}));
}


// However much the pilot does, the session taken home stays a scenario the
// runner reads: once it holds as much as a scenario can, actions are refused.
TEST(LiveSave, TheSessionTakenHomeStaysAScenarioTheRunnerReads)
{
    const std::string name(60000, 'A');  // each focus on it records a line of 60 kB
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("long.scn", "planet Earth\nvessel " + name + " class Ship pos 7e6 0 0\n", script,
                                    error)) << error;
    testing_support::LiveFlight flight(script);
    live::LiveSession& session = *flight.session;
    const std::string focus =
        R"({"do":"focus","vessel":)" + std::to_string(*session.known().vessels.begin()) + "}";
    // As fast as the queue takes them: the world hears of the limit only
    // after the last batch was queued.
    for (int batch = 0;; ++batch) {
        ASSERT_LT(batch, 20) << "never refused";
        live::LiveCommand command;
        if (!live::DecodeRequest(focus, session.known(), command, error))
            break;
        while (session.submit(command)) {
        }
        session.advance(0);
    }
    EXPECT_NE(error.find("holds as much as a scenario can"), std::string::npos) << error;
    EXPECT_NE(flight.out.str().find("not done: the session holds as much"), std::string::npos);
    const std::string scenario = session.scenario();
    EXPECT_GT(scenario.size(), runner::scenarioLimits.bytes - runner::scenarioLimits.lineLength);
    runner::Script back;
    EXPECT_TRUE(runner::ParseScript("home.scn", scenario, back, error)) << error;
}

// A vessel whose name a scenario cannot hold (a module may name one so) is
// never written into the session: opening a display on it is refused, and
// what is taken home still plays.
TEST(LiveSave, NoActionIsRecordedThatAScenarioCannotHold)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("w.scn", world, script, error)) << error;
    testing_support::LiveFlight flight(script);
    flight.host.setFocus(flight.host.createVesselAt("say \"hi\"", "Ship", {7e6, 0, 100}));
    flight.session->advance(0);
    flight.act(R"({"do":"open","display":"L","mode":"Weapons"})");
    EXPECT_NE(flight.out.str().find("not done: "), std::string::npos) << flight.out.str();
    runner::Script back;
    EXPECT_TRUE(runner::ParseScript("home.scn", flight.session->scenario(), back, error)) << error;
    EXPECT_TRUE(back.actions.empty());
}

}  // namespace

namespace {

std::string Save(const std::string& name)
{
    return R"({"do":"save","name":")" + name + "\"}";
}

std::string Load(const std::string& name)
{
    return R"({"do":"load","name":")" + name + "\"}";
}

// The take-home scenario names the files it saves and loads, so a page save
// goes only over a scenario the page could list, and never over one the
// flight loaded: the replay must find in it what the flight found.
TEST(LiveSave, SavesOnlyOverHostScenariosTheFlightHasNotLoaded)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("w.scn", world, script, error)) << error;
    testing_support::LiveFlight flight(script);
    const std::filesystem::path root = flight.root.path();
    std::ofstream(root / "runner.scn", std::ios::binary) << world;
    std::filesystem::create_directory(root / "folder.scn");
    flight.act(Save("kept"));
    // Windows grants links to some accounts only (and wine to none): where
    // none can be made, there is no link to save over.
    std::error_code noLinks;
    std::filesystem::create_symlink(root / "kept.scn", root / "link.scn", noLinks);
    flight.act(Save("orbit"));
    flight.session->advance(2);
    flight.act(Save("orbit"));  // over its own earlier save: a host scenario
    const std::string beforeLoad = Read(root / "orbit.scn");
    flight.act(Load("orbit"));
    flight.session->advance(2);
    const std::string kept = Read(root / "kept.scn");
    for (const char* refused : {"runner", "folder", "link", "orbit"}) {
        if (noLinks && std::string(refused) == "link")
            continue;
        flight.out.str("");
        flight.act(Save(refused));
        EXPECT_NE(flight.out.str().find("not saved: "), std::string::npos) << refused << ": " << flight.out.str();
    }
    EXPECT_EQ(Read(root / "runner.scn"), world);
    EXPECT_TRUE(std::filesystem::is_directory(root / "folder.scn"));
    EXPECT_EQ(Read(root / "kept.scn"), kept);
    EXPECT_EQ(Read(root / "orbit.scn"), beforeLoad);
    runner::Script back;
    ASSERT_TRUE(runner::ParseScript("home.scn", flight.session->scenario(), back, error)) << error;
    EXPECT_EQ(std::count_if(back.actions.begin(), back.actions.end(),
                            [](const runner::Action& a) { return a.verb == "save"; }),
              3);
}

// The page is offered a bounded list, but any scenario it could list loads
// by its name, however many there are, and one saved since the list was
// made (by another flight over the same folder) too.
TEST(LiveSave, LoadsAnyListableScenarioByNameBeyondTheList)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("w.scn", world, script, error)) << error;
    testing_support::LiveFlight flight(script);
    const std::filesystem::path root = flight.root.path();
    flight.act(Save("base"));
    std::filesystem::copy_file(root / "base.scn", root / "later.scn");
    flight.act(Load("later"));
    EXPECT_NE(flight.out.str().find("loaded the host scenario later.scn"), std::string::npos) << flight.out.str();
    for (size_t i = 0; i < live::mostSavedScenarios + 20; ++i)
        std::filesystem::copy_file(root / "base.scn", root / ("s" + std::to_string(i) + ".scn"));
    const std::set<std::string> listed = flight.session->savedScenarios("").names;
    ASSERT_EQ(listed.size(), live::mostSavedScenarios);
    std::string unlisted;
    for (size_t i = 0; unlisted.empty(); ++i)
        if (!listed.count("s" + std::to_string(i)))
            unlisted = "s" + std::to_string(i);
    flight.act(Load(unlisted));
    EXPECT_NE(flight.out.str().find("loaded the host scenario " + unlisted + ".scn"), std::string::npos)
        << flight.out.str();
    // A name with no file behind it is still refused, and records nothing.
    flight.out.str("");
    std::string why;
    if (flight.ask(Load("never saved"), why)) {
        flight.session->advance(0);
        why = flight.out.str();
    }
    EXPECT_NE(why.find("never saved"), std::string::npos) << why;
    runner::Script back;
    ASSERT_TRUE(runner::ParseScript("home.scn", flight.session->scenario(), back, error)) << error;
    EXPECT_EQ(back.actions.back().args, std::vector<std::string>{unlisted + ".scn"});
}

}  // namespace
