/* The log, the final table, the trace and the plot hold whole lines for any
 * value the world can reach and any name a vessel can have: a vessel 1e300 m
 * out, one at infinity, names with control characters and markup. */
#include "support/emulated_root.h"

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/outputs/observer_fanout.h"
#include "emulator/runner/outputs/trace_writer.h"
#include "emulator/runner/outputs/track_plot.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

using namespace std::string_literals;

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

bool HoldsControlCharacters(const std::string& text)
{
    for (char c : text)
        if ((static_cast<unsigned char>(c) < 0x20 && c != '\n') || c == 0x7F)
            return true;
    return false;
}

/* The fields of a CSV row, quotes undone. */
std::vector<std::string> Fields(const std::string& row)
{
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (size_t i = 0; i < row.size(); ++i) {
        char c = row[i];
        if (c == '"' && quoted && i + 1 < row.size() && row[i + 1] == '"')
            fields.back() += row[++i];
        else if (c == '"')
            quoted = !quoted;
        else if (c == ',' && !quoted)
            fields.emplace_back();
        else
            fields.back() += c;
    }
    return fields;
}

/* Well-formed enough for an XML reader: every tag closed in order, no
 * markup character loose in text or in a value. */
bool WellFormed(const std::string& svg, std::string& why)
{
    std::vector<std::string> open;
    for (size_t i = 0; i < svg.size(); ++i) {
        if (svg[i] == '&') {
            size_t end = svg.find(';', i);
            std::string entity = end == std::string::npos ? "" : svg.substr(i, end - i + 1);
            if (entity != "&lt;" && entity != "&gt;" && entity != "&amp;" && entity != "&quot;")
                return why = "a loose & at " + std::to_string(i), false;
            continue;
        }
        if (svg[i] == '>')
            return why = "a loose > at " + std::to_string(i), false;
        if (svg[i] != '<')
            continue;
        size_t end = i + 1;
        for (bool inValue = false; end < svg.size() && (inValue || svg[end] != '>'); ++end) {
            if (svg[end] == '"')
                inValue = !inValue;
            if (svg[end] == '<')
                return why = "a < inside a tag at " + std::to_string(end), false;
        }
        if (end == svg.size())
            return why = "a tag not closed", false;
        std::string tag = svg.substr(i + 1, end - i - 1);
        std::string name = tag.substr(tag[0] == '/', tag.find_first_of(" />", 1) - (tag[0] == '/'));
        if (tag[0] == '/') {
            if (open.empty() || open.back() != name)
                return why = "</" + name + "> closes nothing open", false;
            open.pop_back();
        } else if (tag.back() != '/') {
            open.push_back(name);
        }
        i = end;
    }
    return open.empty() ? true : (why = "<" + open.back() + "> never closed", false);
}

struct Outputs {
    std::string log, trace, svg;
};

Outputs PlayHostileWorld()
{
    testing_support::EmulatedRoot root;
    emu::Host host(root.path());
    host.world().addBody(emu::Body());
    std::ostringstream log, trace, svg;
    runner::ObserverFanout observers;
    runner::FlightLog flightLog(host, log);
    runner::TraceWriter traceWriter(host, trace);
    runner::TrackPlot plot(host, 0.1);
    observers.add(&flightLog);
    observers.add(&traceWriter);
    observers.add(&plot);
    host.setObserver(&observers);
    const std::string hostile = "A\"<&>\x1b[2J\nz";
    EXPECT_TRUE(host.createVesselAt(hostile, "Ship", {7e6, 0, 0}));
    EXPECT_TRUE(host.createVesselAt(std::string(300, 'L'), "Ship", {1e300, -1e300, 1.7976931348623157e308},
                                    {-1e300, 0, 1e300}));
    EXPECT_TRUE(host.createVesselAt("far\x7f", "Station", {1e300, 0, 0}));
    host.setFocus(host.world().vesselByName(hostile.c_str())->handle);
    for (int i = 0; i < 3; ++i)
        host.step(0.1);
    flightLog.note("note with\ta tab");
    flightLog.stateTable();
    plot.write(svg, "plot <of> \x01 & more");
    host.setObserver(nullptr);
    return {log.str(), trace.str(), svg.str()};
}

}  // namespace

TEST(RunOutputs, HoldWholeLinesForAnyValueAndName)
{
    Outputs out = PlayHostileWorld();
    EXPECT_FALSE(HoldsControlCharacters(out.log)) << out.log;
    EXPECT_FALSE(HoldsControlCharacters(out.trace)) << out.trace;
    EXPECT_FALSE(HoldsControlCharacters(out.svg)) << out.svg;

    std::vector<std::string> log = Lines(out.log);
    int created = 0, rows = 0;
    for (const std::string& line : log) {
        if (line.find("] created ") != std::string::npos) {
            ++created;
            EXPECT_EQ(line.back(), ')') << line;
        }
        if (line.find("  (focus)") != std::string::npos || line.find(" Ship ") != std::string::npos ||
            line.find(" Station ") != std::string::npos)
            ++rows;
    }
    EXPECT_EQ(created, 3) << out.log;
    EXPECT_NE(out.log.find("created A\"<&>\\x1B[2J\\x0Az (Ship)"), std::string::npos) << out.log;
    EXPECT_NE(out.log.find("created " + std::string(300, 'L') + " (Ship) at (1.0e+300, -1.0e+300, 1.8e+308)"),
              std::string::npos)
        << out.log;
    EXPECT_NE(out.log.find("note with\\x09a tab"), std::string::npos);
    EXPECT_GE(rows, 3) << out.log;

    std::vector<std::string> trace = Lines(out.trace);
    ASSERT_EQ(trace.size(), 1u + 3 * 3) << out.trace;
    for (const std::string& row : trace)
        EXPECT_EQ(Fields(row).size(), 9u) << row;
    // Numbers round-trip: the far vessel's last row holds its exact state.
    std::vector<std::string> farRow = Fields(trace.back());
    EXPECT_EQ(farRow[1], "far\\x7F");
    EXPECT_EQ(std::strtod(farRow[0].c_str(), nullptr), 0.1 + 0.1 + 0.1);
    EXPECT_EQ(std::strtod(farRow[3].c_str(), nullptr), 1e300);

    std::string why;
    EXPECT_TRUE(WellFormed(out.svg, why)) << why << "\n" << out.svg;
    EXPECT_NE(out.svg.find("plot &lt;of&gt; \\x01 &amp; more"), std::string::npos);
    EXPECT_EQ(out.svg.find("nan"), std::string::npos);
    EXPECT_EQ(out.svg.find("inf"), std::string::npos);
}

TEST(RunOutputs, ThePlotDrawsEachVesselsOwnTrackThoughTheyShareAName)
{
    testing_support::EmulatedRoot root;
    emu::Host host(root.path());
    host.world().addBody(emu::Body());
    runner::TrackPlot plot(host, 0.1);
    host.setObserver(&plot);
    // Two of one name, far apart and moving apart: joined by name, their
    // line would jump between them every sample.
    ASSERT_TRUE(host.createVesselAt("Focus", "Ship", {0, 0, 0}));
    ASSERT_TRUE(host.createVesselAt("Twin", "Ship", {1000, 0, 0}, {10, 0, 0}));
    ASSERT_TRUE(host.createVesselAt("Twin", "Ship", {-1000, 0, 0}, {-10, 0, 0}));
    for (int i = 0; i < 10; ++i)
        host.step(0.1);
    host.setObserver(nullptr);
    std::ostringstream svg;
    plot.write(svg, "twins");
    std::vector<std::string> twins;
    for (const std::string& line : Lines(svg.str()))
        if (line.find("<title>Twin</title></polyline>") != std::string::npos)
            twins.push_back(line);
    ASSERT_EQ(twins.size(), 4u) << "one line a vessel in each of the two views";
    for (const std::string& line : twins) {
        std::istringstream points(line.substr(line.find("points=\"") + 8));
        double previous = std::nan(""), direction = 0;
        double x, y;
        char comma;
        while (points >> x >> comma >> y && comma == ',') {
            if (!std::isnan(previous)) {
                double step = x - previous;
                EXPECT_GE(step * direction, 0) << "the line turns back on itself: " << line;
                direction = step;
            }
            previous = x;
        }
    }
    size_t labels = 0;
    for (size_t at = svg.str().find(">Twin</text>"); at != std::string::npos; at = svg.str().find(">Twin</text>", at + 1))
        ++labels;
    EXPECT_EQ(labels, 2u) << "a name is written once a view";
}
