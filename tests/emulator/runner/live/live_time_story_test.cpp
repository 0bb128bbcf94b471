/* The page's pause and time acceleration are the host's own: a module that
 * asks the host sees what the pilot chose, and what a module sets, the page
 * shows. One step while paused moves the world one step and stays paused. */
#include "support/emulated_root.h"

#include "emulator/runner/live/live_session.h"
#include "emulator/runner/script_player.h"

#include <OrbiterAPI.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

void Ask(live::LiveSession& session, const std::string& body)
{
    live::LiveCommand command;
    std::string error;
    ASSERT_TRUE(live::DecodeRequest(body, session.known(), command, error)) << error;
    session.submit(command);
    session.advance(0);
}

std::string Published(live::LiveSession& session)
{
    unsigned long long seen = 0;
    std::string state;
    session.nextState(seen, std::chrono::milliseconds(0), state);
    return state;
}

TEST(LiveTime, ThePauseAndTheAccelerationAreTheHosts)
{
    testing_support::EmulatedRoot root;
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("t.scn", "planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.5\n", script,
                                    error));
    emu::Host host(root.path());
    std::ostringstream out;
    live::LogLines lines(&out);
    std::ostream logOut(&lines);
    runner::FlightLog log(host, logOut);
    ASSERT_TRUE(runner::BuildWorld(host, script, log, error)) << error;
    live::LiveSession session(host, script, log, lines);

    Ask(session, R"({"do":"pause"})");
    EXPECT_TRUE(oapiGetPause());
    Ask(session, R"({"do":"step"})");
    EXPECT_EQ(host.world().simt, 0.5);
    EXPECT_TRUE(oapiGetPause());
    Ask(session, R"({"do":"resume"})");
    EXPECT_FALSE(oapiGetPause());
    Ask(session, R"({"do":"warp","x":100})");
    EXPECT_EQ(oapiGetTimeAcceleration(), 100.0);

    oapiSetTimeAcceleration(1000.0);
    host.setPaused(true);
    session.advance(0);
    EXPECT_NE(Published(session).find(R"("paused":true,"warp":1000,)"), std::string::npos) << Published(session);
    host.shutdown();
}

}  // namespace
