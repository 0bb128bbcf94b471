/* A live flight has no planned end: left at the top acceleration for hours
 * it must keep what the report and the take-home scenario need within the
 * bounds a planned run keeps, its tracks thinned again as the flight grows
 * longer and its rocks' counted, however many steps it takes; a report
 * asked for is not kept once it is handed over. */
#include "support/live_flight.h"

#include "emulator/runner/report/track_thinner.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <future>
#include <sstream>

namespace {

/* Ships in a ring around a station in a low orbit, a second a step, a run
 * planned for a minute: the flight goes on far past it. */
runner::Script Ring(int ships)
{
    std::ostringstream text;
    text << "planet Earth radius 6371000 gm 3.986004418e14\ngravity on\n"
         << "vessel Station class Station pos 7000000 0 0 vel 0 0 7546\n";
    for (int i = 0; i < ships; ++i) {
        double a = 2 * std::acos(-1.0) * i / ships;
        text << "vessel S-" << i << " class Ship pos " << 7000000 + 3000 * std::cos(a) << ' ' << 3000 * std::sin(a)
             << " 0 vel 0 0 7546\n";
    }
    text << "focus Station\nstep 1\nrun 60\n";
    runner::Script script;
    std::string error;
    EXPECT_TRUE(runner::ParseScript("ring.scn", text.str(), script, error)) << error;
    return script;
}

TEST(LiveMemory, AFlightFarPastItsPlannedEndKeepsTracksWithinThePlannedBudget)
{
    const runner::Script script = Ring(20);
    testing_support::LiveFlight flight(script);
    // The page's budget over 21 vessels: about 286 buckets, each a step long
    // over the planned minute. However far the flight goes, the buckets
    // cover it at most twice over, each keeping at most its extremes.
    const size_t mostPoints = 2 * 286 * report::TrackThinner::kept;
    const int steps = 30000;  // eight hours
    for (int flown = 0; flown < steps; flown += 1000)
        flight.session->advance(1000);
    const report::FlightRecord& record = flight.recorder.finish();
    // The module's rocks come and go about the station, each a short track.
    ASSERT_GT(record.vessels.size(), 21u);
    for (const report::VesselTrack& track : record.vessels)
        ASSERT_LE(track.points.size(), mostPoints) << track.name;
    size_t rocksGone = 0;
    for (const report::VesselTrack& track : record.vessels)
        rocksGone += track.className == "roid" && track.deleted >= 0;
    EXPECT_LE(rocksGone, report::maxDepartedRocks);
    EXPECT_LE(record.events.size(), report::maxEvents);
    for (size_t v = 0; v < 21; ++v) {
        const report::VesselTrack& track = record.vessels[v];
        // Still the whole flight, from its start to now, in order.
        ASSERT_GT(track.points.size(), 100u) << track.name;
        EXPECT_EQ(track.points.front().t, 1.0) << track.name;
        EXPECT_EQ(track.points.back().t, double(steps)) << track.name;
        for (size_t i = 1; i < track.points.size(); ++i)
            ASSERT_LT(track.points[i - 1].t, track.points[i].t) << track.name << " at " << i;
    }
}

TEST(LiveMemory, AReportAskedForIsNotKeptOnceHandedOver)
{
    const runner::Script script = Ring(20);
    testing_support::LiveFlight flight(script);
    flight.session->advance(600);
    std::future<std::string> asked =
        std::async(std::launch::async, [&] { return flight.session->flightReport(std::chrono::seconds(60)); });
    while (asked.wait_for(std::chrono::milliseconds(10)) != std::future_status::ready)
        flight.session->advance(1);
    EXPECT_NE(asked.get().find("S-19"), std::string::npos);
    EXPECT_EQ(flight.session->reportBytesKept(), 0u);
}

}  // namespace
