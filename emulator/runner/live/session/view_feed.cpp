#include "view_feed.h"

#include "emulator/runner/report/json_writer.h"
#include "emulator/runner/report/recorder.h"

#include <algorithm>
#include <cmath>

namespace live {

namespace {

using report::JsonNumber;
using report::JsonString;

double Length(const VECTOR3& v)
{
    return std::sqrt(v.x * v.x + v.y * v.y + v.z * v.z);
}

VECTOR3 Minus(const VECTOR3& a, const VECTOR3& b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

}  // namespace

const double keptSeconds = 600.0;
// A rock is destroyed by its tenth contact.
const size_t mostHits = 10;
const size_t mostGone = 200;

void WriteShownVessel(std::ostream& out, const emu::VesselRecord& v, double distance, const FeedFrame& frame,
                      const report::VesselTrack* track)
{
    const VECTOR3 fromPlanet = Minus(v.pos, frame.planetPos);
    const VECTOR3 relative = frame.focus ? Minus(v.vel, frame.focus->vel) : v.vel;
    // Ten digits keep a millimetre at an orbit's radius.
    out << "{\"i\":" << v.details->serial << ",\"n\":" << JsonString(v.details->name) << ",\"c\":" << JsonString(*v.className) << ",\"p\":["
        << JsonNumber(fromPlanet.x, 10) << ',' << JsonNumber(fromPlanet.y, 10) << ',' << JsonNumber(fromPlanet.z, 10)
        << "],\"d\":" << JsonNumber(distance) << ",\"s\":" << JsonNumber(Length(relative))
        << ",\"v\":" << JsonNumber(Length(Minus(v.vel, frame.planetVel)), 4);
    if (frame.altitudes)
        out << ",\"a\":" << JsonNumber(Length(fromPlanet) - frame.planetRadius);
    // Most vessels never blast nor touch a rock: what they lack is left out.
    double level = report::BlastLevel(v);
    if (level > 0)
        out << ",\"lv\":" << JsonNumber(level, 3);
    if (track && track->detonated >= 0)
        out << ",\"dt\":" << JsonNumber(track->detonated, 9);
    if (track) {
        auto recent = std::lower_bound(track->hits.begin(), track->hits.end(), frame.since);
        recent = std::max(recent, track->hits.end() - long(std::min(mostHits, track->hits.size())));
        const char* comma = ",\"h\":[";
        for (auto hit = recent; hit != track->hits.end(); ++hit, comma = ",")
            out << comma << JsonNumber(*hit, 9);
        if (recent != track->hits.end())
            out << ']';
    }
    out << '}';
}

void WriteGone(std::ostream& out, const report::FlightRecord& record, double since)
{
    out << '[';
    size_t written = 0;
    for (auto e = record.events.rbegin(); e != record.events.rend() && e->t >= since && written < mostGone; ++e) {
        if (e->kind != report::EventKind::deleted || e->subject < 0 || size_t(e->subject) >= record.vessels.size())
            continue;
        out << (written++ ? "," : "") << '[' << record.vessels[size_t(e->subject)].serial << ','
            << JsonNumber(e->t, 9) << ']';
    }
    out << ']';
}

}  // namespace live
