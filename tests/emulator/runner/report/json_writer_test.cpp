/* The report's data: positions in a frame that does not move with the
 * focus, precise enough for a blast beside an orbit, and who was in focus
 * when. */
#include "emulator/runner/report/json_writer.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

report::TrackPoint Point(double t, double planetX, double relX)
{
    report::TrackPoint p;
    p.t = t;
    p.planet[0] = planetX;
    p.rel[0] = relX;
    return p;
}

std::string Json(const report::FlightRecord& record)
{
    std::ostringstream out;
    report::WriteRecordJson(out, record);
    return out.str();
}

}  // namespace

TEST(ReportJson, PositionsAreRelativeToThePlanetToAMillimetreAtAnOrbitsRadius)
{
    report::FlightRecord record;
    record.vessels.push_back({"A", "Ship", 0, -1, -1, -1, {Point(0, 7000000.123, 0), Point(1, 7000123.456, 0)}, {}});
    std::string json = Json(record);
    EXPECT_NE(json.find("\"wx\":[7000000.123,7000123.456]"), std::string::npos) << json;
    EXPECT_EQ(json.find("\"x\":"), std::string::npos) << "no position relative to the focus";
}

TEST(ReportJson, NamesWhoWasInFocusWhenAndKeepsItWithAVesselRidingAlongside)
{
    report::FlightRecord record;
    // A is in focus until 2 s, B from then on; C rides exactly with A and
    // is nought from the focus too, but A keeps it while A still is.
    record.vessels.push_back({"A", "Ship", 0, -1, -1, -1, {Point(0, 0, 0), Point(1, 0, 0), Point(2, 0, -5)}, {}});
    record.vessels.push_back({"B", "Ship", 0, -1, -1, -1, {Point(0, 5, 5), Point(1, 5, 5), Point(2, 5, 0)}, {}});
    record.vessels.push_back({"C", "Ship", 0, -1, -1, -1, {Point(0, 0, 0), Point(1, 0, 0), Point(2, 0, -5)}, {}});
    EXPECT_NE(Json(record).find("\"focus\":[[0,0],[2,1]]"), std::string::npos) << Json(record);
}
