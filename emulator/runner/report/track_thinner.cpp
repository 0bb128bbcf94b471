#include "track_thinner.h"

#include <algorithm>
#include <cmath>

namespace report {

namespace {

double Distance(const TrackPoint& p)
{
    return std::sqrt(p.rel[0] * p.rel[0] + p.rel[1] * p.rel[1] + p.rel[2] * p.rel[2]);
}

/* The value each extreme is judged by, signed so that more is better. */
double Score(int which, const TrackPoint& p)
{
    switch (which) {
    case TrackThinner::strongest: return p.force;
    case TrackThinner::brightest: return p.level;
    case TrackThinner::fastest: return p.speed;
    case TrackThinner::slowest: return -p.speed;
    case TrackThinner::lowest: return -p.altitude;
    default: return Distance(p);
    }
}

}  // namespace

void TrackThinner::add(const TrackPoint& point, std::vector<TrackPoint>& out)
{
    double index = std::floor(point.t / bucket_);
    if (open_ && index != bucketIndex_)
        flush(out);
    if (!open_) {
        std::fill(std::begin(chosen_), std::end(chosen_), point);
        bucketIndex_ = index;
        open_ = true;
        return;
    }
    chosen_[last] = point;
    for (int which = strongest; which < kept; ++which)
        if (Score(which, point) > Score(which, chosen_[which]))
            chosen_[which] = point;
}

void TrackThinner::flush(std::vector<TrackPoint>& out)
{
    if (!open_)
        return;
    open_ = false;
    std::sort(std::begin(chosen_), std::end(chosen_),
              [](const TrackPoint& a, const TrackPoint& b) { return a.t < b.t; });
    for (const TrackPoint& p : chosen_)
        if (out.empty() || p.t > out.back().t)
            out.push_back(p);
}

}  // namespace report
