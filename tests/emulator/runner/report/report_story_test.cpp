/* The flight report's record of the examples tells their stories in
 * numbers, and the page it makes keeps hostile names inert. */
#include "support/recorded_flight.h"

#include "emulator/host/host.h"
#include "emulator/host/motion/frame_math.h"
#include "emulator/runner/script/scenario_script.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using testing_support::RecordExample;
using testing_support::RecordFlight;

/* Contacts counted the plain way, every rock against every vessel each
 * step: what the recorder's grid must find. */
class EveryPairContacts : public emu::HostObserver {
public:
    void forcesIntegrated() override
    {
        emu::World& world = emu::Host::current()->world();
        std::set<std::pair<OBJHANDLE, OBJHANDLE>> now;
        for (OBJHANDLE r : world.vessels())
            for (OBJHANDLE o : world.vessels()) {
                const emu::VesselRecord* rock = world.vessel(r);
                const emu::VesselRecord* other = world.vessel(o);
                if (*rock->className == "roid" && o != r &&
                    emu::length(emu::operator-(rock->pos, other->pos)) < rock->size + other->size)
                    now.insert({r, o});
            }
        for (const auto& pair : now)
            found += !touching.count(pair);
        touching.swap(now);
    }
    int found = 0;
    std::set<std::pair<OBJHANDLE, OBJHANDLE>> touching;
};

const report::VesselTrack& Bomb(const report::FlightRecord& record)
{
    for (const report::VesselTrack& v : record.vessels)
        if (v.className == "nuke")
            return v;
    ADD_FAILURE() << "no bomb";
    return record.vessels.front();
}

TEST(ReportRecord, PushedVesselsForcesFallAsTheLevelFades)
{
    report::FlightRecord record = RecordExample("01-one-bomb.scn");
    EXPECT_EQ(record.counts.bombsDetonated, 1);
    int pushed = 0;
    for (const report::VesselTrack& v : record.vessels) {
        std::vector<double> forces;
        for (const report::TrackPoint& p : v.points)
            if (p.force > 0)
                forces.push_back(p.force);
        if (forces.empty() || v.className == "roid")
            continue;
        ++pushed;
        EXPECT_GE(forces.size(), 10u) << v.name;
        for (size_t i = 1; i < forces.size(); ++i)
            EXPECT_LT(forces[i], forces[i - 1]) << v.name << " at push " << i;
    }
    EXPECT_EQ(pushed, 3);  // GL-01 and both stations
    const report::VesselTrack& bomb = Bomb(record);
    double previous = 2;
    for (const report::TrackPoint& p : bomb.points)
        if (p.level > 0) {
            EXPECT_LT(p.level, previous);
            previous = p.level;
        }
    EXPECT_FALSE(record.pushes.empty());
}

TEST(ReportRecord, TheFallingBombCrossesItsTriggerHeightWhenItsBlastStarts)
{
    report::FlightRecord record = RecordExample("02-falling-bomb.scn");
    const report::VesselTrack& bomb = Bomb(record);
    ASSERT_DOUBLE_EQ(bomb.triggerHeight, 100000.0);
    ASSERT_GT(bomb.detonated, 0);
    EXPECT_TRUE(record.planetView);
    const report::TrackPoint* before = nullptr;
    for (const report::TrackPoint& p : bomb.points) {
        if (p.t == bomb.detonated) {
            // where the step that blasts began: just below, a step after just above
            ASSERT_TRUE(before);
            EXPECT_GT(before->altitude, bomb.triggerHeight);
            EXPECT_LT(p.altitude, bomb.triggerHeight);
            EXPECT_EQ(p.level, 0);
            EXPECT_GT((&p)[1].level, 0) << "the next step is the blast's";
        }
        before = &p;
    }
}

TEST(ReportRecord, CountsTheRockFieldAndItsDisplay)
{
    EveryPairContacts everyPair;
    report::FlightRecord record = RecordExample("04-rock-field.scn", &everyPair);
    const report::Counts& c = record.counts;
    EXPECT_GT(c.rocksSpawned, 10);
    EXPECT_GT(c.contacts, 0);
    EXPECT_EQ(c.contacts, everyPair.found);
    EXPECT_EQ(c.rocksByRange + c.rocksByDamage, c.deleted);
    EXPECT_GT(c.rocksByRange, 0);  // the old field, left behind
    EXPECT_EQ(record.focusChanges.size(), 1u);
    ASSERT_EQ(record.screens.size(), 1u);
    EXPECT_EQ(record.screens[0].width, 400);
    EXPECT_FALSE(record.screens[0].texts.empty());
    EXPECT_EQ(record.screens[0].buttons.front(), "HLT");
}

TEST(ReportPage, KeepsHostileNamesInert)
{
    const std::string hostile = "</script><img src=x onerror=alert(1)>\"&'\x01\xE2\x80\xA8";
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("hostile.scn",
                                    "planet Earth radius 6371000 gm 3.986004418e14\n"
                                    "vessel GL-01 class Ship pos 7000000 0 0\n"
                                    "focus GL-01\nstep 0.5\nrun 2\n",
                                    script, error))
        << error;
    script.vessels.push_back({hostile, "Ship", {7000000, 0, 100}, {0, 0, 0}, 0});
    std::string page;
    report::FlightRecord record = RecordFlight(script, &page);
    ASSERT_EQ(record.vessels.size(), 2u);
    EXPECT_EQ(record.vessels[1].name, hostile);
    size_t data = page.find("<script type=\"application/json\" id=\"flight\">");
    ASSERT_NE(data, std::string::npos);
    size_t end = page.find("</script>", data);
    std::string json = page.substr(data, end - data);
    EXPECT_EQ(json.find("<img"), std::string::npos);
    EXPECT_EQ(json.find('\x01'), std::string::npos);
    EXPECT_EQ(json.find("\xE2\x80\xA8"), std::string::npos);
    EXPECT_NE(json.find("\\u003c/script\\u003e\\u003cimg src=x onerror=alert(1)\\u003e\\\"\\u0026'\\u0001\\u2028"),
              std::string::npos);
    EXPECT_NE(page.find("<script>", end), std::string::npos) << "the page's own script follows the data";
}

}  // namespace
