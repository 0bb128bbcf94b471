#include "json_writer.h"

#include <functional>
#include <unordered_map>

namespace report {

namespace {

/* One field of a track, written as a column. */
struct Column {
    const char* key;
    int digits;
    std::function<double(const TrackPoint&)> value;
};

/* Positions relative to the planet, a frame that does not move with the
 * focus, so the page can draw every vessel and mark in a frame of the
 * reader's choice. Ten digits keep a millimetre at an orbit's radius: a
 * blast's few hundred metres must not be lost beside the 7000 km. Speeds,
 * altitudes and distances keep nine digits: a push of a few centimetres a
 * second on an orbit's 7.5 km/s is a curve, not a staircase. */
const Column trackColumns[] = {
    {"t", 9, [](const TrackPoint& p) { return p.t; }},
    {"wx", 10, [](const TrackPoint& p) { return p.planet[0]; }},
    {"wy", 10, [](const TrackPoint& p) { return p.planet[1]; }},
    {"wz", 10, [](const TrackPoint& p) { return p.planet[2]; }},
    {"s", 9, [](const TrackPoint& p) { return p.speed; }},
};
const Column planetColumns[] = {
    {"alt", 9, [](const TrackPoint& p) { return p.altitude; }},
};
/* Left out while all zero: most vessels are never pushed, and only bombs blast. */
const Column sparseColumns[] = {
    {"f", 4, [](const TrackPoint& p) { return p.force; }},
    {"lv", 3, [](const TrackPoint& p) { return p.level; }},
    {"fl", 1, [](const TrackPoint& p) { return double(p.flags); }},
};

const char* const eventKinds[] = {"created", "deleted", "blast", "message", "debug", "input",
                                  "pilot",   "screen",  "ended", "touchdown", "jump", "session"};
const char* const collisionStates[] = {"complete", "incomplete", "absent"};
const char* const origins[] = {"module", "scenario", "load"};

void Numbers(std::ostream& out, const std::vector<double>& values, int digits = 6)
{
    out << '[';
    for (size_t i = 0; i < values.size(); ++i)
        out << (i ? "," : "") << JsonNumber(values[i], digits);
    out << ']';
}

void WriteColumn(std::ostream& out, const Column& column, const std::vector<TrackPoint>& points)
{
    out << ",\"" << column.key << "\":[";
    for (size_t i = 0; i < points.size(); ++i)
        out << (i ? "," : "") << JsonNumber(column.value(points[i]), column.digits);
    out << ']';
}

/* Creations and deletions are the most of a day's events, and the tracks
 * hold them: the page makes them again from there. */
bool InTrack(const Event& e) { return e.kind == EventKind::created || e.kind == EventKind::deleted; }

/* A field whose value is its default (-1, never) is left out: a long run has
 * thousands of bombs and rocks. */
void Optional(std::ostream& out, const char* key, double value)
{
    if (value != -1)
        out << ",\"" << key << "\":" << JsonNumber(value, 9);
}

/* The class as an index into the run's list of classes, and the creation
 * left out where it is the first point: a day has thousands of bombs and rocks. */
void WriteTrack(std::ostream& out, const VesselTrack& v, int classIndex, const std::string& how, bool planetView)
{
    // The serial is who it is: bombs fired with the same settings share a name.
    out << "{\"id\":" << v.serial << ",\"name\":" << JsonString(v.name) << ",\"c\":" << classIndex
        << ",\"r\":" << JsonNumber(v.size, 6);
    if (v.identity != v.serial)
        out << ",\"same\":" << v.identity;  // the vessel a save held, loaded back
    if (v.session)
        out << ",\"session\":" << v.session;
    if (v.origin != Origin::module)
        out << ",\"by\":\"" << origins[int(v.origin)] << '"';
    if (v.points.empty() || v.points.front().t != v.created)
        out << ",\"created\":" << JsonNumber(v.created, 9);
    if (v.deleted != -1 && !v.points.empty() && v.points.back().t == v.deleted)
        out << ",\"gone\":1";  // at its last point
    else
        Optional(out, "deleted", v.deleted);
    if (!how.empty())
        out << ",\"how\":" << JsonString(how);
    Optional(out, "trigger", v.triggerHeight);
    Optional(out, "detonated", v.detonated);
    if (!v.hits.empty()) {
        out << ",\"hits\":";
        Numbers(out, v.hits, 9);
    }
    for (const Column& c : trackColumns)
        if (c.key != std::string("s") || v.className != "roid")  // the page charts no rock's speed
            WriteColumn(out, c, v.points);
    // Rocks and timed bombs stay by the focus: at the planet's scale they are
    // as high as it is. A bomb with an altitude trigger falls, and is charted.
    bool nearFocus = v.className == "roid" || (v.className == "nuke" && v.triggerHeight < 0);
    if (planetView && !nearFocus)
        for (const Column& c : planetColumns)
            WriteColumn(out, c, v.points);
    for (const Column& c : sparseColumns)
        for (const TrackPoint& p : v.points)
            if (c.value(p) != 0) {
                WriteColumn(out, c, v.points);
                break;
            }
    out << '}';
}

void WriteScreen(std::ostream& out, const ShownScreen& s)
{
    out << "{\"t\":" << JsonNumber(s.t, 9) << ",\"name\":" << JsonString(s.name) << ",\"mode\":" << JsonString(s.mode) << ",\"title\":"
        << JsonString(s.title) << ",\"width\":" << s.width << ",\"height\":" << s.height << ",\"texts\":[";
    for (size_t i = 0; i < s.texts.size(); ++i)
        out << (i ? "," : "") << '[' << s.texts[i].x << ',' << s.texts[i].y << ',' << JsonString(s.texts[i].text)
            << ']';
    out << "],\"buttons\":[";
    for (size_t i = 0; i < s.buttons.size(); ++i)
        out << (i ? "," : "") << JsonString(s.buttons[i]);
    out << "]}";
}

template <typename T, typename Write>
void List(std::ostream& out, const char* key, const std::vector<T>& items, Write write)
{
    out << ",\n\"" << key << "\":[";
    for (size_t i = 0; i < items.size(); ++i) {
        out << (i ? ",\n" : "");
        write(items[i]);
    }
    out << ']';
}

/* Who was in focus when: a vessel whose position relative to the focus is
 * nought at a point of its track; [time, vessel] at each change. A vessel
 * riding exactly with the focus is nought too, so the one in focus so far
 * keeps it while it still is. */
void WriteFocus(std::ostream& out, const std::vector<VesselTrack>& vessels)
{
    std::vector<std::pair<double, int>> moments;
    for (size_t i = 0; i < vessels.size(); ++i)
        for (const TrackPoint& p : vessels[i].points)
            if (p.rel[0] == 0 && p.rel[1] == 0 && p.rel[2] == 0)
                moments.emplace_back(p.t, int(i));
    std::sort(moments.begin(), moments.end());
    out << ",\n\"focus\":[";
    int current = -1;
    for (size_t i = 0; i < moments.size();) {
        size_t next = i;
        bool kept = false;
        for (; next < moments.size() && moments[next].first == moments[i].first; ++next)
            kept = kept || moments[next].second == current;
        if (!kept) {
            out << (current < 0 ? "" : ",") << '[' << JsonNumber(moments[i].first, 9) << ',' << moments[i].second
                << ']';
            current = moments[i].second;
        }
        i = next;
    }
    out << ']';
}

}  // namespace

void WriteRecordJson(std::ostream& out, const FlightRecord& r)
{
    const Counts& c = r.counts;
    out << "{\"scenario\":" << JsonString(r.scenario) << ",\"comment\":" << JsonString(r.comment)
        << ",\"step\":" << JsonNumber(r.step) << ",\"steps\":" << r.steps << ",\"simulated\":"
        << JsonNumber(r.simulated, 9) << ",\"wall\":" << JsonNumber(r.wallSeconds, 3)
        << ",\"planetRadius\":" << JsonNumber(r.planetRadius, 9) << ",\"planetView\":" << (r.planetView ? "true" : "false")
        << ",\"collision\":\"" << collisionStates[int(r.collision)] << "\",\"pushesLeftOut\":" << r.pushesLeftOut
        << ",\"vesselsLeftOut\":" << r.vesselsLeftOut << ",\"eventsLeftOut\":" << r.eventsLeftOut
        << ",\"rockTracksLeftOut\":" << r.rockTracksLeftOut
        << ",\"debugFolded\":" << r.debugFolded;
    if (!r.ending.kind.empty())
        out << ",\"ending\":{\"kind\":" << JsonString(r.ending.kind) << ",\"t\":" << JsonNumber(r.ending.t, 9)
            << ",\"text\":" << JsonString(r.ending.text) << '}';
    out
        << ",\n\"counts\":{\"created\":" << c.created << ",\"deleted\":" << c.deleted << ",\"bombsFired\":"
        << c.bombsFired << ",\"bombsDetonated\":" << c.bombsDetonated << ",\"rocksSpawned\":" << c.rocksSpawned
        << ",\"rocksByDamage\":" << c.rocksByDamage << ",\"rocksByRange\":" << c.rocksByRange
        << ",\"contacts\":" << c.contacts << ",\"messageBoxes\":" << c.messageBoxes
        << ",\"removedWithSession\":" << c.removedWithSession << ",\"vesselsPushed\":" << c.vesselsPushed
        << ",\"rocksAlive\":" << c.rocksAlive
        << "},\n\"focusChanges\":";
    Numbers(out, r.focusChanges, 9);
    WriteFocus(out, r.vessels);
    std::vector<std::string> classes;
    std::unordered_map<std::string, int> classIndex;
    for (const VesselTrack& v : r.vessels)
        if (classIndex.emplace(v.className, int(classes.size())).second)
            classes.push_back(v.className);
    List(out, "classes", classes, [&](const std::string& name) { out << JsonString(name); });
    std::vector<std::string> how(r.vessels.size());
    std::vector<Event> events;
    for (const Event& e : r.events)
        if (!InTrack(e))
            events.push_back(e);
        else if (e.kind == EventKind::deleted && e.subject >= 0 && size_t(e.subject) < how.size())
            how[size_t(e.subject)] = e.text;
    List(out, "vessels", r.vessels, [&](const VesselTrack& v) {
        WriteTrack(out, v, classIndex.at(v.className), how[size_t(&v - r.vessels.data())], r.planetView);
    });
    List(out, "pushes", r.pushes, [&](const PushSeries& p) {
        out << "{\"bomb\":" << p.bomb << ",\"target\":" << p.target << ",\"t\":";
        Numbers(out, p.t, 9);
        out << ",\"d\":";
        Numbers(out, p.distance, 9);
        out << '}';
    });
    List(out, "screens", r.screens, [&](const ShownScreen& s) { WriteScreen(out, s); });
    // An event's kind as an index into the kinds, its text only where it has one:
    // a day's events are mostly creations and deletions.
    List(out, "eventKinds", std::vector<const char*>(std::begin(eventKinds), std::end(eventKinds)),
         [&](const char* kind) { out << '"' << kind << '"'; });
    List(out, "events", events, [&](const Event& e) {
        out << '[' << JsonNumber(e.t, 9) << ',' << int(e.kind) << ',' << e.subject;
        if (!e.text.empty())
            out << ',' << JsonString(e.text);
        out << ']';
    });
    out << "}\n";
}

}  // namespace report
