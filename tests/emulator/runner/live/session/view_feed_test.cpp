/* What one state tells the page's views of a vessel and of the vessels
 * gone: measured from the planet, and bounded however long the run and
 * however many contacts and departures it had. */
#include "emulator/runner/live/session/view_feed.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using report::EventKind;

std::string Gone(const report::FlightRecord& record, double since)
{
    std::ostringstream out;
    live::WriteGone(out, record, since);
    return out.str();
}

/* Tracks of these names, their serials 11, 12 and on: names repeat, serials do not. */
report::FlightRecord Named(std::initializer_list<const char*> names)
{
    report::FlightRecord record;
    for (const char* name : names) {
        report::VesselTrack track;
        track.name = name;
        track.serial = 11 + record.vessels.size();
        record.vessels.push_back(track);
    }
    return record;
}

TEST(ViewFeed, TheVesselsGoneWithinTheWindowNewestFirstAndNothingElse)
{
    report::FlightRecord record = Named({"R-1", "R-1", "B-1", "R-3"});
    record.events = {
        {5, EventKind::deleted, 0, "by damage"},
        {100, EventKind::deleted, 1, "out of range"},
        {120, EventKind::blast, 2, ""},
        {130, EventKind::deleted, 7, ""},   // not a vessel the record has
        {140, EventKind::deleted, -1, ""},  // nor this
        {150, EventKind::deleted, 2, ""},
        {160, EventKind::debug, -1, "3 left"},
    };
    EXPECT_EQ(Gone(record, 100), "[[13,150],[12,100]]");
    EXPECT_EQ(Gone(record, 0), "[[13,150],[12,100],[11,5]]");
    EXPECT_EQ(Gone(record, 161), "[]");
}

TEST(ViewFeed, ADayOfDeparturesGivesTheNewestFewOnly)
{
    report::FlightRecord record = Named({"R"});
    for (int i = 0; i < 5000; ++i)
        record.events.push_back({double(i), EventKind::deleted, 0, ""});
    std::string gone = Gone(record, 0);
    size_t entries = 0;
    for (size_t at = gone.find("[11,"); at != std::string::npos; at = gone.find("[11,", at + 1))
        ++entries;
    EXPECT_EQ(entries, live::mostGone);
    EXPECT_EQ(gone.rfind("[[11,4999],", 0), 0u) << gone.substr(0, 40);
}

std::string Write(emu::VesselRecord& v, const live::FeedFrame& frame, const report::VesselTrack* track)
{
    std::ostringstream out;
    live::WriteShownVessel(out, v, 250, frame, track);
    return out.str();
}

TEST(ViewFeed, AVesselIsPlacedFromThePlanetAndCarriesWhatTheRecordKnows)
{
    const std::string rock = "roid", bomb = "nuke";
    emu::VesselRecord v;
    v.details->name = "R-12";
    v.details->serial = 40;
    v.className = &rock;
    v.pos = {7000100, 20, -30};
    v.vel = {3, 7504, 0};
    live::FeedFrame frame;
    frame.planetPos = {100, 0, 0};
    frame.planetVel = {0, 4, 0};
    frame.planetRadius = 6999000;

    // Without a track: where it is, how far and fast, and nothing the record would know.
    EXPECT_EQ(Write(v, frame, nullptr), "{\"i\":40,\"n\":\"R-12\",\"c\":\"roid\",\"p\":[7000000,20,-30],\"d\":250,"
                                        "\"s\":7504,\"v\":7500}");
    frame.altitudes = true;
    EXPECT_NE(Write(v, frame, nullptr).find(",\"a\":1000}"), std::string::npos) << Write(v, frame, nullptr);

    // Its contacts: those within the window, at most the last few.
    report::VesselTrack track;
    for (int i = 0; i < 15; ++i)
        track.hits.push_back(i);
    struct Case {
        double since;
        const char* hits;
    };
    const Case cases[] = {
        {0, ",\"h\":[5,6,7,8,9,10,11,12,13,14]}"},
        {12, ",\"h\":[12,13,14]}"},
        {14.5, ",\"v\":7500,\"a\":1000}"},  // none left: no list at all
    };
    for (const Case& c : cases) {
        frame.since = c.since;
        std::string text = Write(v, frame, &track);
        EXPECT_EQ(text.substr(text.size() - std::string(c.hits).size()), c.hits) << text;
    }

    // A bomb: its blast level while it blasts, and when it went off.
    v.className = &bomb;
    v.details->groups.push_back({{}, THGROUP_MAIN, 0.25});
    v.details->groups.push_back({{}, THGROUP_RETRO, 0.75});
    report::VesselTrack blasted;
    blasted.detonated = 11.25;
    std::string text = Write(v, frame, &blasted);
    EXPECT_NE(text.find(",\"lv\":0.75,\"dt\":11.25}"), std::string::npos) << text;
}

}  // namespace
