/* What the runner says of the ground and of the host's time jump: a
 * touchdown in the log, the trace and the report; a jump that sends the
 * clock below 0 or past the run's end, the actions after it counting from
 * the new clock, the step ceiling still holding, and the report kept in
 * the order the flight was flown. */
#include "support/emulated_root.h"

#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/report/recorder.h"
#include "emulator/runner/run/script_player.h"
#include "emulator/runner/outputs/trace_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

struct Outputs {
    bool played = false;
    std::string error, log, trace;
    report::FlightRecord record;
};

Outputs Play(const std::string& text, std::uint64_t maxSteps = runner::defaultMaxSteps)
{
    Outputs o;
    runner::Script script;
    EXPECT_TRUE(runner::ParseScript("s.scn", text, script, o.error)) << o.error;
    testing_support::EmulatedRoot root;
    std::ostringstream log, trace;
    emu::Host host(root.path());
    runner::FlightLog flightLog(host, log);
    runner::TraceWriter traceWriter(host, trace);
    report::Recorder recorder(host, script);
    runner::ObserverFanout observers;
    observers.add(&flightLog);
    observers.add(&traceWriter);
    observers.add(&recorder);
    flightLog.listen(&recorder);
    host.setObserver(&observers);
    o.played = runner::PlayScript(host, script, flightLog, o.error, maxSteps);
    host.setObserver(nullptr);
    o.log = log.str();
    o.trace = trace.str();
    o.record = recorder.finish();
    return o;
}

const std::string twoShips =
    "planet Earth\nvessel A class Ship pos 7e6 0 0\nvessel B class Ship pos 7e6 0 10\nstep 0.25\n";

/* Events and track points in the order they were recorded never go back. */
void ExpectFlightOrder(const report::FlightRecord& record)
{
    for (size_t i = 1; i < record.events.size(); ++i)
        EXPECT_GE(record.events[i].t, record.events[i - 1].t) << "event " << i << ": " << record.events[i].text;
    for (const report::VesselTrack& track : record.vessels)
        for (size_t i = 1; i < track.points.size(); ++i)
            EXPECT_GT(track.points[i].t, track.points[i - 1].t) << track.name << " point " << i;
}

}  // namespace

TEST(TimeJump, BelowZeroTheActionsAfterItCountFromTheNewClock)
{
    const std::string text = twoShips + "run 3\nat 1 jump -2\nat -1 focus B\nat 2 focus A\n";
    Outputs run = Play(text);
    ASSERT_TRUE(run.played) << run.error;
    EXPECT_NE(run.log.find("[     1.00] the clock jumps to -2.00 s\n[    -1.00] focus on B\n"), std::string::npos)
        << run.log;
    EXPECT_NE(run.log.find("[     2.00] focus on A\n"), std::string::npos) << run.log;
    EXPECT_NE(run.trace.find("\n1,\"B\",\"Ship\",7000000,0,10,0,0,0\n# the clock jumps from 1 s to -2 s\n-1.75,\"A\""),
              std::string::npos)
        << run.trace;
    // 4 steps to 1 s, then 20 from -2 s to 3 s.
    EXPECT_EQ(run.record.steps, 24);
    ExpectFlightOrder(run.record);
    bool jumpEvent = false;
    for (const report::Event& e : run.record.events)
        if (e.kind == report::EventKind::jump) {
            jumpEvent = true;
            EXPECT_EQ(e.t, 1.0);
            EXPECT_EQ(e.text, "the clock jumps from 1.00 s to -2.00 s; the report's times run on from 1.00 s");
        }
    EXPECT_TRUE(jumpEvent);
    EXPECT_EQ(run.record.simulated, 6.0) << "the time flown, not the clock's reading";

    Outputs over = Play(text, 23);
    EXPECT_FALSE(over.played);
    EXPECT_EQ(over.error,
              "s.scn:5: reaching 3 s from 2 s takes 4 steps of 0.25 s, more than the 3 allowed (--max-steps N allows "
              "more)");
}

TEST(TimeJump, PastTheRunsEndTheRunEndsThereAndLaterActionsComeAtOnce)
{
    Outputs run = Play(twoShips + "run 5\nat 1 jump 100\nat 50 focus B\n");
    ASSERT_TRUE(run.played) << run.error;
    EXPECT_NE(run.log.find("[   100.00] focus on B\n"), std::string::npos) << run.log;
    EXPECT_EQ(run.record.steps, 4);

    Outputs refused = Play(twoShips + "run 5\nat 1 jump -1e300\n");
    EXPECT_FALSE(refused.played);
    EXPECT_EQ(refused.error, "s.scn:5: a step of 0.25 s cannot move the clock at 1e+300 s (the time plus the step rounds "
                         "back to the time)");
}

TEST(Touchdown, AFallOntoThePlanetIsSaidInTheLogTheTraceAndTheReport)
{
    // The ship stands 1 m below its centre on its touchdown points: from
    // 101 m at 50 m/s it touches down after 2 s, at the end of a step: it
    // is said with the next, the one that would have taken it below.
    Outputs run = Play("planet Earth period 0\nvessel A class Ship pos 6371101 0 0 vel -50 0 0\nstep 0.25\nrun 3\n");
    ASSERT_TRUE(run.played) << run.error;
    const std::string said =
        "A touched down at 2.0000 s, longitude 0.0000°, latitude 0.0000°, at 50.00 m/s against the ground";
    EXPECT_NE(run.log.find("[     2.25] " + said + "\n"), std::string::npos) << run.log;
    EXPECT_NE(run.trace.find("# 2.25: " + said + "\n"), std::string::npos) << run.trace;
    EXPECT_NE(run.trace.find("\n3,\"A\",\"Ship\",6371001,0,0,0,0,0\n"), std::string::npos) << run.trace;
    bool reported = false;
    for (const report::Event& e : run.record.events)
        reported = reported || (e.kind == report::EventKind::touchdown && e.t == 2.25 && e.text == said);
    EXPECT_TRUE(reported);
}
