/* What the page's views are given of the world in a state: for each vessel
 * shown, its place relative to the planet and what the flight record knows
 * of it (a bomb's blast level and detonation, a rock's contacts), and the
 * vessels that went lately. A state is bounded whatever the world's size:
 * the caller shows at most so many vessels, and contacts and departures go
 * back only as far as the page keeps its tracks, at most so many of each. */
#ifndef BRIMSTAR_RUNNER_LIVE_VIEW_FEED_H
#define BRIMSTAR_RUNNER_LIVE_VIEW_FEED_H

#include "emulator/host/world/vessel_record.h"
#include "emulator/runner/report/flight_record.h"

#include <ostream>

namespace live {

/* How far back the page keeps tracks and marks, s: its longest trail. */
extern const double keptSeconds;
/* The most contacts of one rock, and departures, one state carries. */
extern const size_t mostHits;
extern const size_t mostGone;

/* What a vessel is measured against. */
struct FeedFrame {
    const emu::VesselRecord* focus = nullptr;
    VECTOR3 planetPos{0, 0, 0};
    VECTOR3 planetVel{0, 0, 0};
    double planetRadius = 0;
    bool altitudes = false;  // the page draws the planet: each vessel's height above it
    double since = 0;        // contacts from this time on
};

/* One vessel shown, known by the host's serial (names repeat), `distance` from the focus; `track` is the record's, or
 * nullptr for a vessel it keeps none of. */
void WriteShownVessel(std::ostream& out, const emu::VesselRecord& v, double distance, const FeedFrame& frame,
                      const report::VesselTrack* track);

/* The vessels the record saw go at or after `since`, newest first:
 * [[serial, time], ...]. */
void WriteGone(std::ostream& out, const report::FlightRecord& record, double since);

}  // namespace live

#endif
