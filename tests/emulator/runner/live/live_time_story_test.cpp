/* The page's pause and time acceleration are the host's own: a module that
 * asks the host sees what the pilot chose, and what a module sets, the page
 * shows. One step while paused moves the world one step and stays paused. */
#include "support/live_flight.h"

#include "emulator/runner/run/script_player.h"

#include <OrbiterAPI.h>

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(LiveTime, ThePauseAndTheAccelerationAreTheHosts)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("t.scn", "planet Earth\nvessel A class Ship pos 7e6 0 0\nstep 0.5\n", script,
                                    error));
    testing_support::LiveFlight flight(script);
    emu::Host& host = flight.host;

    flight.act(R"({"do":"pause"})");
    EXPECT_TRUE(oapiGetPause());
    flight.act(R"({"do":"step"})");
    EXPECT_EQ(host.world().simt, 0.5);
    EXPECT_TRUE(oapiGetPause());
    flight.act(R"({"do":"resume"})");
    EXPECT_FALSE(oapiGetPause());
    flight.act(R"({"do":"warp","x":100})");
    EXPECT_EQ(oapiGetTimeAcceleration(), 100.0);

    oapiSetTimeAcceleration(1000.0);
    host.setPaused(true);
    flight.session->advance(0);
    EXPECT_NE(flight.state().find(R"("paused":true,"warp":1000,)"), std::string::npos) << flight.state();
}

}  // namespace
