/* A session flown live, taken home as a scenario, plays back in the runner
 * to the same trajectory, bit for bit: the pilot's actions land at the
 * steps they took effect, and looking at the world (its published state,
 * the displays redrawn) changes nothing. */
#include "support/emulated_root.h"
#include "support/live_flight.h"

#include "emulator/runner/live/session/live_session.h"
#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/run/script_player.h"
#include "emulator/runner/outputs/trace_writer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <sstream>
#include <vector>

namespace {

const char* const world = R"(planet Earth radius 6371000 gm 3.986004418e14
gravity on
vessel "GL 01" class Ship pos 7000000 0 0 vel 0 7546 0
vessel ISS-A class Ship pos 7000000 0 2000 vel 0 7546 0
vessel ISS-B class Ship pos 7000000 0 -1000 vel 0 7546 0.5
focus "GL 01"
step 0.1
at 0.5 open Weapons on ISS-B as W
run 1
)";

const std::string bomb = "Nuke/10.000000/3.000000/50.000000";

std::string SerialOf(testing_support::LiveFlight& flight, const char* name)
{
    const emu::VesselRecord* v = flight.host.world().vesselByName(name);
    EXPECT_TRUE(v) << name;
    return v ? std::to_string(v->details->serial) : "0";
}

struct Flown {
    std::string trace;
    std::string scenario;
    std::string log;
};

Flown FlyLive(const runner::Script& script)
{
    testing_support::LiveFlight flight(script);
    live::LiveSession& session = *flight.session;
    session.advance(7);
    // The scenario's open has moved the focus to ISS-B: the pilot opens
    // Weapons there, sets a 50 kt bomb and fires it, then looks away.
    flight.act(R"({"do":"open","display":"L","mode":"Weapons"})");
    session.advance(3);
    flight.act(R"({"do":"button","display":"L","index":2})");
    session.advance(1);
    flight.act(R"({"do":"type","text":"50"})");
    flight.act(R"({"do":"button","display":"L","index":7})");
    session.advance(1);
    // A second bomb fired alike: the two share a name.
    flight.act(R"({"do":"button","display":"L","index":7})");
    flight.act(R"({"do":"pause"})");
    // The second bomb, made during the flight, is looked at: the scenario
    // names a vessel its world did not start with, and tells it from the
    // first.
    std::vector<std::uint64_t> bombs;
    for (OBJHANDLE h : flight.host.world().vessels())
        if (flight.host.world().vessel(h)->details->name == bomb)
            bombs.push_back(flight.host.world().vessel(h)->details->serial);
    EXPECT_EQ(bombs.size(), 2u);
    flight.act(R"({"do":"focus","vessel":)" + std::to_string(*std::max_element(bombs.begin(), bombs.end())) + "}");
    EXPECT_EQ(flight.host.world().vessel(flight.host.world().focus)->details->serial,
              *std::max_element(bombs.begin(), bombs.end()));
    flight.act(R"({"do":"step"})");
    flight.act(R"({"do":"save","name":"mid flight"})");
    flight.act(R"({"do":"focus","vessel":)" + SerialOf(flight, "ISS-A") + "}");
    flight.act(R"({"do":"step"})");
    flight.act(R"({"do":"resume"})");
    session.advance(150);
    // ... and goes back to the saved moment: a new session, in the replay too.
    flight.act(R"({"do":"load","name":"mid flight"})");
    session.advance(5);
    // The clock now reads the saved moment's time, earlier than the load's.
    flight.act(R"({"do":"focus","vessel":)" + SerialOf(flight, "ISS-B") + "}");
    session.advance(20);
    return {flight.trace.str(), session.scenario(), flight.out.str()};
}

std::string Replay(const std::string& scenario)
{
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ParseScript("live.scn", scenario, script, error)) << error << "\n" << scenario;
    testing_support::EmulatedRoot root;
    emu::Host host(root.path());
    std::ostringstream trace, out;
    runner::FlightLog log(host, out);
    runner::TraceWriter tracer(host, trace);
    runner::ObserverFanout observers;
    observers.add(&log);
    observers.add(&tracer);
    host.setObserver(&observers);
    EXPECT_TRUE(runner::PlayScript(host, script, log, error)) << error;
    host.setObserver(nullptr);
    host.shutdown();
    return trace.str();
}

TEST(LiveReplay, TheSessionTakenHomePlaysBackBitForBit)
{
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("orbit.scn", world, script, error)) << error;
    Flown flown = FlyLive(script);
    // The story happened: the bomb was set, fired and went off.
    EXPECT_NE(flown.log.find("typed \"50\" into \"Select power (Kt)\": accepted"), std::string::npos) << flown.log;
    EXPECT_NE(flown.log.find("created Nuke/10.000000/3.000000/50.000000"), std::string::npos) << flown.log;
    EXPECT_NE(flown.log.find("Nuke/10.000000/3.000000/50.000000 pushed"), std::string::npos) << flown.log;
    EXPECT_NE(flown.log.find("focus on Nuke/10.000000/3.000000/50.000000 (2)"), std::string::npos) << flown.log;
    EXPECT_NE(flown.scenario.find("focus \"Nuke/10.000000/3.000000/50.000000\" \"2\""), std::string::npos)
        << flown.scenario;
    EXPECT_NE(flown.log.find("focus on ISS-A"), std::string::npos) << flown.log;
    EXPECT_NE(flown.log.find("loaded the host scenario mid flight.scn"), std::string::npos) << flown.log;
    EXPECT_NE(flown.scenario.find("open \"Weapons\" \"on\" \"ISS-B\" \"as\" \"L\""), std::string::npos)
        << flown.scenario;
    EXPECT_NE(flown.scenario.find("open \"Weapons\" \"on\" \"ISS-B\" \"as\" \"W\""), std::string::npos)
        << flown.scenario;
    // Buttons by the labels the pilot read on them.
    EXPECT_NE(flown.scenario.find("button \"L\" \"POW\""), std::string::npos) << flown.scenario;
    EXPECT_NE(flown.scenario.find("button \"L\" \"BMB\""), std::string::npos) << flown.scenario;
    ASSERT_GT(flown.trace.size(), 1000u);
    std::string replayed = Replay(flown.scenario);
    EXPECT_TRUE(replayed == flown.trace) << "the replay went another way\n" << flown.scenario;
}

}  // namespace
