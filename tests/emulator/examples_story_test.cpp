/* Each example scenario plays in the emulated host; its log holds the key
 * facts of what it shows. */
#include "support/emulated_root.h"

#include "emulator/runner/script_player.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Play(const std::string& example)
{
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ReadScript(std::string(BRIMSTAR_SOURCE_DIR) + "/examples/" + example, script, error))
        << error;
    testing_support::EmulatedRoot root;
    std::ostringstream out;
    {
        emu::Host host(root.path());
        runner::FlightLog log(host, out);
        host.setObserver(&log);
        EXPECT_TRUE(runner::PlayScript(host, script, log, error)) << error;
        host.setObserver(nullptr);
    }
    return out.str();
}

}  // namespace

TEST(Examples, TheRoadOfOneBomb)
{
    std::string log = Play("one_bomb.scn");
    EXPECT_NE(log.find("typed \"50\" into \"Select power (Kt)\": accepted"), std::string::npos) << log;
    EXPECT_NE(log.find("|  50.000000"), std::string::npos) << "the screen shows the power";
    EXPECT_NE(log.find("[     1.00] created Nuke/10.000000/3.000000/50.000000 (nuke)"), std::string::npos);
    EXPECT_NE(log.find("[    11.25] debug: Nuke: pow=1.00 dst=1000.00"), std::string::npos);
    EXPECT_NE(log.find("[    14.25] deleted Nuke/10.000000/3.000000/50.000000"), std::string::npos);
}

TEST(Examples, TheDefaultScenarioRunsQuietly)
{
    std::string log = Play("default.scn");
    EXPECT_NE(log.find("created GL-01 (Ship)"), std::string::npos) << log;
    EXPECT_EQ(log.find("message box"), std::string::npos);
    EXPECT_NE(log.find("Final state at t = 60 s"), std::string::npos);
}
