/* The page's views learn from the states what the flight report would
 * tell: the one-bomb example flown live with its recorder, and in the state
 * published after the blast the bomb says when it went off and how strongly
 * it blasts, and the rocks it threw out of range are among the vessels gone. */
#include "support/live_flight.h"

#include "emulator/runner/run/script_player.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace {

/* The published object of the vessel named, or "". */
std::string ShownVessel(const std::string& state, const std::string& name)
{
    std::smatch found;
    std::regex vessel("\\{\"i\":[0-9]+,\"n\":\"" + name + "\"[^}]*\\}");
    return std::regex_search(state, found, vessel) ? found.str() : "";
}

/* The state's list of the vessels gone. */
std::string Gone(const std::string& state)
{
    size_t from = state.find("\"gone\":"), to = state.find(",\"displays\":");
    return from == std::string::npos || to == std::string::npos ? "" : state.substr(from + 7, to - from - 7);
}

TEST(LiveViews, TheStateTellsOfTheBlastAndOfTheRocksItThrewAway)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ReadScript(std::string(BRIMSTAR_SOURCE_DIR) + "/examples/01-one-bomb.scn", script, error))
        << error;
    testing_support::LiveFlight flight(script);
    live::LiveSession& session = *flight.session;

    unsigned long long seen = 0;
    std::string state;
    session.advance(40);  // t = 10 s: the bomb is on its way
    ASSERT_TRUE(session.nextState(seen, std::chrono::milliseconds(0), state));
    const std::string bombName = "Nuke/10.000000/3.000000/50.000000";
    std::string bomb = ShownVessel(state, bombName);
    ASSERT_FALSE(bomb.empty()) << state.substr(0, 2000);
    EXPECT_EQ(bomb.find("\"dt\""), std::string::npos) << bomb;
    EXPECT_EQ(bomb.find("\"lv\""), std::string::npos) << bomb;
    EXPECT_EQ(Gone(state), "[]");

    session.advance(8);  // t = 12 s: it has gone off, and two rocks are gone
    ASSERT_TRUE(session.nextState(seen, std::chrono::milliseconds(0), state));
    bomb = ShownVessel(state, bombName);
    std::smatch when;
    ASSERT_TRUE(std::regex_search(bomb, when, std::regex("\"dt\":([0-9.]+)"))) << bomb;
    EXPECT_GE(std::stod(when[1]), 10.75);
    EXPECT_LE(std::stod(when[1]), 11.25);
    EXPECT_NE(bomb.find("\"lv\":"), std::string::npos) << bomb;
    std::string gone = Gone(state);
    // The host moves a pushed vessel only from the sub-step after the push
    // on: the rocks go a step later than if the blast moved them at once.
    int rocksGone = 0;
    for (const report::VesselTrack& rock : flight.recorder.record().vessels)
        if ((rock.name == "R-4" || rock.name == "R-5") && ++rocksGone) {
            EXPECT_NE(gone.find("[" + std::to_string(rock.serial) + ",12]"), std::string::npos)
                << rock.name << " " << gone << "\n" << flight.out.str();
        }
    EXPECT_EQ(rocksGone, 2);
    EXPECT_TRUE(ShownVessel(state, "R-4").empty());
}

}  // namespace
