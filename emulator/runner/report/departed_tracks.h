/* Forgets tracks the record no longer has room for: a flight of any length
 * makes rocks for ever, and each keeps a track once it has gone. The
 * tracks removed take their own events with them (their creation, their
 * going, a blast, a touchdown); every other index into the tracks is moved
 * down to where its track now is. */
#ifndef BRIMSTAR_RUNNER_REPORT_DEPARTED_TRACKS_H
#define BRIMSTAR_RUNNER_REPORT_DEPARTED_TRACKS_H

#include "flight_record.h"

#include <vector>

namespace report {

/* Removes the tracks marked, and their events; each old index's new one,
 * -1 for a track removed. A push series must not name a track removed. */
std::vector<int> RemoveTracks(FlightRecord& record, const std::vector<bool>& removed);

/* Which departed rocks go when there are more than `most`: the latest
 * half of `most` stay whole, and of the older ones the first of each of
 * most / 4 equal stretches of the flight, so that every part of it keeps
 * some at any length. A rock that a bomb pushed stays, for its push series. */
std::vector<bool> DepartedRocksToRemove(const FlightRecord& record, size_t most);

}  // namespace report

#endif
