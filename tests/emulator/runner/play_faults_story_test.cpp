/* A run tells the truth about what did not happen: a deletion the host
 * refuses is a failure in the log, and a run a load sends back in time is
 * still bounded by the steps ceiling. */
#include "support/played_script.h"

#include <gtest/gtest.h>

#include <fstream>
#include <vector>

namespace {

using testing_support::Played;

/* files: (name, text) pairs put in the root folder before the run. */
Played Play(const std::string& text, std::uint64_t maxSteps,
            const std::vector<std::pair<std::string, std::string>>& files = {})
{
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ParseScript("s.scn", text, script, error)) << error;
    testing_support::EmulatedRoot root;
    for (const auto& [name, content] : files)
        std::ofstream(root / name, std::ios::binary) << content;
    return testing_support::PlayWithLog(root, script, maxSteps);
}

}  // namespace

TEST(PlayFaults, ARefusedDeletionIsLoggedAsAFailure)
{
    Played run = Play("planet Earth\nvessel B class Ship pos 7e6 0 0\nrun 2\nat 1 delete B\n", 100);
    EXPECT_TRUE(run.played) << run.error;
    EXPECT_TRUE(run.failed);
    EXPECT_NE(run.log.find("deleting B\n[     1.00] FAILED: the host refused to delete B (the last vessel stays)"),
              std::string::npos)
        << run.log;
}

TEST(PlayFaults, ALoadThatMovesTheClockBackIsStillBoundedByTheCeiling)
{
    const std::string text =
        "planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.1\nrun 10\nat 5 save back.scn\nat 6 load back.scn\n";
    // From 0 to 10 s is 100 steps; the load at 6 s takes the clock back to
    // 5 s, so the whole run takes 110.
    Played fits = Play(text, 110);
    EXPECT_TRUE(fits.played) << fits.error;
    Played over = Play(text, 105);
    EXPECT_FALSE(over.played);
    EXPECT_EQ(over.error,
              "s.scn:4: reaching 10 s from 5 s takes 50 steps of 0.1 s, more than the 45 allowed (--max-steps N "
              "allows more)");
}

TEST(PlayFaults, ARefusedLoadLeavesNoTraceOfWhatItBuiltOrOfItsClock)
{
    // Three vessels come before the bomb's block, whose item is malformed:
    // the load is refused before the session ends, and nothing of it may
    // reach the log.
    std::string ships;
    for (const char* name : {"Made-1", "Made-2", "Made-3"})
        ships += std::string("\"") + name + "\":\"Ship\"\n  RPOS 7e6 0 0\n  RVEL 0 0 0\nEND\n";
    const std::string refused = "BRIMSTAR-HOST-SCENARIO 2\nBEGIN_ENVIRONMENT\n  TIME 500\nEND_ENVIRONMENT\nBEGIN_SHIPS\n" +
                                ships + "\"Nuke/1/1/1\":\"nuke\"\n  RPOS 1 2\nEND\nEND_SHIPS\nEND_SCENARIO\n";
    Played run = Play("planet Earth\nvessel A class Ship pos 7e6 0 0\nrun 3\nat 1 load refused.scn\n", 100,
                      {{"refused.scn", refused}});
    EXPECT_TRUE(run.played) << run.error;
    EXPECT_TRUE(run.failed);
    EXPECT_NE(run.log.find("FAILED: could not load the host scenario"), std::string::npos) << run.log;
    for (const char* trace : {"Made-1", "created Nuke", "deleted Nuke", "[   500.00]"})
        EXPECT_EQ(run.log.find(trace), std::string::npos) << trace << " in\n" << run.log;
}

TEST(PlayFaults, WhatTheSimulatorWouldNotSurviveEndsTheRunAsAFailure)
{
    // The block's unknown item is refused only once the bomb reads it, when
    // the old session is over: the simulator would be left with a broken
    // one, so the run ends, and says why.
    const std::string late = "BRIMSTAR-HOST-SCENARIO 2\nBEGIN_SHIPS\n\"Nuke/1/1/1\":\"nuke\"\n  BOGUS 1\nEND\n"
                             "END_SHIPS\nEND_SCENARIO\n";
    Played run = Play("planet Earth\nvessel A class Ship pos 7e6 0 0\nrun 3\nat 1 load late.scn\n", 100,
                      {{"late.scn", late}});
    EXPECT_TRUE(run.failed);
    EXPECT_NE(run.log.find("FAILED: the simulator would not survive this: loading a scenario: line 4"),
              std::string::npos)
        << run.log;
    EXPECT_EQ(run.log.find("at a library's request"), std::string::npos) << run.log;
    EXPECT_NE(run.log.find("the run stopped at t = 1.00 s by an error"), std::string::npos) << run.log;
}

TEST(PlayFaults, ASaveOverTheMappedCollisionLibraryLeavesTheRunningOneWhole)
{
    // Written in place, the save would cut the library the run has mapped,
    // and its next call would end the process with a bus error. Replaced,
    // the mapped one stays as it was until it is unloaded; where the system
    // will not replace a loaded library at all, the save fails and says so.
    Played run = Play("planet Earth\nvessel A class Ship pos 7e6 0 0\nvessel B class Ship pos 7e6 100 0\n"
                      "step 0.5\nrun 10\nat 1 save modules/collision.dll\n",
                      100);
    EXPECT_TRUE(run.played) << run.error;
#if defined(_WIN32)
    EXPECT_TRUE(run.failed) << run.log;
    EXPECT_NE(run.log.find("FAILED: could not save the host scenario"), std::string::npos) << run.log;
#else
    EXPECT_FALSE(run.failed) << run.log;
#endif
    EXPECT_NE(run.log.find("Final state at t = 10 s"), std::string::npos) << run.log;
}

// A vessel the module made while the world ran may be named by a later
// action; a name no vessel holds when its action comes ends the run there,
// with the nearest name there is.
TEST(PlayFaults, VesselsAreLookedForWhenTheirActionComes)
{
    const std::string world = "planet Earth\nvessel GL-01 class Ship pos 7e6 0 0\nstep 0.5\nrun 8\n";
    Played rock = Play(world + "at 6 focus R-4\nat 7 delete R-4\n", 100);
    EXPECT_TRUE(rock.played) << rock.error;
    EXPECT_NE(rock.log.find("focus on R-4"), std::string::npos) << rock.log;

    Played typo = Play(world + "at 6 focus GL-02\n", 100);
    EXPECT_FALSE(typo.played);
    EXPECT_EQ(typo.error, "s.scn:5: no vessel named 'GL-02' exists at 6.00 s (did you mean 'GL-01'?)");
}

// After a load the clock reads the loaded file's time: an action after it
// may name an earlier time than the load's, and comes when the clock gets
// there again.
TEST(PlayFaults, ActionsAfterALoadCountFromTheLoadedTime)
{
    Played run = Play("planet Earth\nvessel A class Ship pos 7e6 0 0\nvessel B class Ship pos 7e6 0 10\n"
                      "step 0.5\nrun 9\nat 5 save back.scn\nat 8 load back.scn\nat 6 focus B\nat 7 focus A\n",
                      100);
    EXPECT_TRUE(run.played) << run.error;
    EXPECT_NE(run.log.find("[     6.00] focus on B\n"), std::string::npos) << run.log;
    EXPECT_NE(run.log.find("[     7.00] focus on A\n"), std::string::npos) << run.log;
}

// A button named by a label no button shows is a flight gone another way
// than the one written down: the run fails rather than play on without it.
TEST(PlayFaults, AButtonByALabelNoButtonShowsFailsTheRun)
{
    const std::string text = "planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.1\nrun 1\n"
                             "at 0 open Weapons on A as L\nat 0.5 button L NOPE\n";
    Played run = Play(text, 100);
    EXPECT_FALSE(run.played);
    EXPECT_NE(run.error.find("display 'L' shows no button 'NOPE'"), std::string::npos) << run.error << run.log;
}

// A label the display does not show names the nearest it does, or, with
// none near, every label it shows.
TEST(PlayFaults, AButtonNoButtonShowsNamesTheNearestOrAllThereAre)
{
    const std::string text = "planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.1\nrun 1\n"
                             "at 0 open Weapons on A as L\nat 0.5 button L ";
    Played typo = Play(text + "BMV\n", 100);
    EXPECT_FALSE(typo.played);
    EXPECT_EQ(typo.error, "s.scn:6: display 'L' shows no button 'BMV' (did you mean 'BMB'?)");
    Played none = Play(text + "NOPE\n", 100);
    EXPECT_EQ(none.error, "s.scn:6: display 'L' shows no button 'NOPE' (its buttons: DIS, VEL, POW, DUR, DEL, SDL, SEQ, BMB)");
}

// The runner cannot know how the module reads a text; it says what the
// standard reading of the text as a number gives, and passes it on as typed.
TEST(PlayFaults, TypingAWordWhereANumberMayBeWantedSaysHowItReadsAsOne)
{
    Played run = Play("planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.1\nrun 1\n"
                      "at 0 open Weapons on A as W\nat 0 key W P\nat 0 type fifty\nat 0 key W P\nat 0 type 12kt\n"
                      "at 0 key W P\nat 0 type 2\n",
                      100);
    EXPECT_TRUE(run.played) << run.error;
    EXPECT_NE(run.log.find("typed \"fifty\" into \"Select power (Kt)\": accepted; \"fifty\" is not a number; a module reading it as one reads 0\n"), std::string::npos) << run.log;
    EXPECT_NE(run.log.find("\"12kt\" is not a number; a module reading it as one reads 12\n"), std::string::npos) << run.log;
    EXPECT_EQ(run.log.find("\"2\" is not"), std::string::npos) << run.log;
}
