/* What the report counts across a load and a sequence: only the module's
 * own acts, in the order they were flown, each vessel one entry whatever
 * its name. */
#include "support/recorded_flight.h"

#include "emulator/runner/report/json_writer.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <sstream>

namespace {

using testing_support::RecordExample;

TEST(ReportAcrossALoad, CountsOnlyWhatTheModuleDidAndKeepsFlightOrder)
{
    // One bomb fired at 1 s; saved at 8 s and loaded at 12 s with the bomb in flight.
    report::FlightRecord record = RecordExample("06-save-and-reload.scn");
    EXPECT_EQ(record.counts.bombsFired, 1) << "the load brings the bomb back, it fires nothing";
    EXPECT_EQ(record.counts.bombsDetonated, 1);
    for (size_t i = 1; i < record.events.size(); ++i)
        EXPECT_LE(record.events[i - 1].t, record.events[i].t) << "event " << i << ": " << record.events[i].text;
    // Everything the old session held goes with it at 12 s: the ships, the
    // bomb and the rocks spawned so far; none by an act of its own.
    std::multiset<std::string> withTheSession;
    for (const report::Event& e : record.events)
        if (e.kind == report::EventKind::deleted && e.t == 12) {
            EXPECT_EQ(e.text, "removed with the session") << record.vessels[size_t(e.subject)].name;
            withTheSession.insert(record.vessels[size_t(e.subject)].name);
        }
    EXPECT_EQ(withTheSession.count("GL-01"), 1u);
    EXPECT_EQ(withTheSession.count("Station-1"), 1u);
    EXPECT_EQ(withTheSession.count("Nuke/20.000000/3.000000/5.000000"), 1u);
    EXPECT_EQ(int(withTheSession.size()), record.counts.removedWithSession);
    int spawned = 0, loaded = 0;
    for (const report::VesselTrack& v : record.vessels)
        if (v.className == "roid") {
            spawned += v.origin == report::Origin::module;
            loaded += v.origin == report::Origin::load;
            EXPECT_EQ(v.session, v.created < 12 ? 0 : 1) << v.name;
        }
    EXPECT_GT(loaded, 0) << "the load brings rocks back";
    EXPECT_EQ(record.counts.rocksSpawned, spawned) << "and they are not spawned again";
    size_t sessions = 0;
    for (const report::Event& e : record.events)
        if (e.kind == report::EventKind::session) {
            ++sessions;
            EXPECT_EQ(e.t, 12);
            EXPECT_EQ(e.text, "a new session starts, its clock at 8.00 s; the report's times run on from 12.00 s");
        }
    EXPECT_EQ(sessions, 1u);
    EXPECT_NEAR(record.simulated, 12 + (40 - 8), 1e-9) << "the flight's time runs on from the load";
}

TEST(ReportOfASequence, BombsOfOneNameAreEntriesOfTheirOwn)
{
    report::FlightRecord record = RecordExample("03-sequence.scn");
    std::map<std::string, int> bombsNamed;
    std::set<std::uint64_t> serials;
    for (const report::VesselTrack& v : record.vessels) {
        bombsNamed[v.name] += v.className == "nuke";
        serials.insert(v.serial);
    }
    int sharing = 0;
    for (const auto& [name, n] : bombsNamed)
        sharing += n > 1;
    ASSERT_GT(sharing, 0) << "a sequence fires bombs of one name";
    EXPECT_EQ(serials.size(), record.vessels.size());
    std::ostringstream json;
    report::WriteRecordJson(json, record);
    size_t ids = 0;
    for (size_t at = json.str().find("\"id\":"); at != std::string::npos; at = json.str().find("\"id\":", at + 1))
        ++ids;
    EXPECT_EQ(ids, record.vessels.size()) << "the page is given each vessel's identity";
}

}  // namespace
