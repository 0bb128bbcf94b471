/* Thins a track while it is recorded, so that a long run stays small: of
 * each bucket of time it keeps the first and the last point and every point
 * where a value is at its bucket's extreme (the strongest push, a bomb's
 * highest blast level, the fastest
 * and slowest speed, the lowest altitude, the farthest from the focus). A
 * bucket no longer than a step keeps every point. */
#ifndef BRIMSTAR_RUNNER_REPORT_TRACK_THINNER_H
#define BRIMSTAR_RUNNER_REPORT_TRACK_THINNER_H

#include "flight_record.h"

#include <vector>

namespace report {

class TrackThinner {
public:
    explicit TrackThinner(double bucket) : bucket_(bucket > 0 ? bucket : 1.0) {}

    void add(const TrackPoint& point, std::vector<TrackPoint>& out);
    /* Hands on what the open bucket holds: at a cut (the focus moved on, the
     * vessel is gone, the run ended) nothing may wait. */
    void flush(std::vector<TrackPoint>& out);

    /* The points a bucket keeps. */
    enum Choice { first, last, strongest, brightest, fastest, slowest, lowest, farthest, kept };

private:
    double bucket_;
    double bucketIndex_ = 0;  // whole, and as large as the clock may be
    bool open_ = false;
    TrackPoint chosen_[kept];
};

}  // namespace report

#endif
