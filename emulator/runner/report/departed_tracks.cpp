#include "departed_tracks.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

/* The events whose subject is a track, not a screen. */
bool NamesTrack(EventKind kind)
{
    return kind == EventKind::created || kind == EventKind::deleted || kind == EventKind::blast ||
           kind == EventKind::touchdown;
}

}  // namespace

std::vector<int> RemoveTracks(FlightRecord& record, const std::vector<bool>& removed)
{
    std::vector<int> index(record.vessels.size(), -1);
    size_t kept = 0;
    for (size_t i = 0; i < record.vessels.size(); ++i) {
        if (i < removed.size() && removed[i])
            continue;
        index[i] = int(kept);
        if (kept != i)
            record.vessels[kept] = std::move(record.vessels[i]);
        ++kept;
    }
    record.vessels.resize(kept);
    auto gone = [&](const Event& e) {
        return NamesTrack(e.kind) && e.subject >= 0 && size_t(e.subject) < index.size() && index[size_t(e.subject)] < 0;
    };
    record.events.erase(std::remove_if(record.events.begin(), record.events.end(), gone), record.events.end());
    for (Event& e : record.events)
        if (NamesTrack(e.kind) && e.subject >= 0 && size_t(e.subject) < index.size())
            e.subject = index[size_t(e.subject)];
    for (PushSeries& series : record.pushes) {
        series.bomb = index[size_t(series.bomb)];
        series.target = index[size_t(series.target)];
    }
    return index;
}

std::vector<bool> DepartedRocksToRemove(const FlightRecord& record, size_t most)
{
    const size_t n = record.vessels.size();
    std::vector<bool> pushed(n), removed(n);
    for (const PushSeries& series : record.pushes) {
        pushed[size_t(series.bomb)] = true;
        pushed[size_t(series.target)] = true;
    }
    std::vector<size_t> departed;
    for (size_t i = 0; i < n; ++i)
        if (record.vessels[i].className == "roid" && record.vessels[i].deleted >= 0 && !pushed[i])
            departed.push_back(i);
    if (departed.size() <= most)
        return removed;
    // Tracks are in the order their vessels were made: the latest half stay
    // whole, and the older ones keep the first of each of most / 4 equal
    // stretches of the flight before them, which widen as it goes on.
    const size_t older = departed.size() - most / 2;
    const double width = record.vessels[departed[older]].created / double(std::max<size_t>(1, most / 4));
    double lastSlot = -1;
    for (size_t k = 0; k < older; ++k) {
        const double slot = width > 0 ? std::floor(record.vessels[departed[k]].created / width) : 0.0;
        removed[departed[k]] = slot == lastSlot;
        lastSlot = slot;
    }
    return removed;
}

}  // namespace report
