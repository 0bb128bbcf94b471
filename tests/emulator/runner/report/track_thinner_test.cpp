/* A long track thins to a few points a bucket, keeping each bucket's first
 * and last point and every extreme; a short one keeps every point. */
#include "emulator/runner/report/track_thinner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace {

using report::TrackPoint;

TrackPoint At(double t, double force = 0, double speed = 10, double altitude = 1000, double x = 1)
{
    TrackPoint p;
    p.t = t;
    p.force = force;
    p.speed = speed;
    p.altitude = altitude;
    p.rel[0] = x;
    return p;
}

bool Has(const std::vector<TrackPoint>& points, double t)
{
    return std::any_of(points.begin(), points.end(), [&](const TrackPoint& p) { return p.t == t; });
}

TEST(TrackThinner, KeepsEveryPointWhenABucketIsAStep)
{
    report::TrackThinner thinner(0.25);
    std::vector<TrackPoint> out;
    for (int i = 1; i <= 80; ++i)
        thinner.add(At(i * 0.25), out);
    thinner.flush(out);
    EXPECT_EQ(out.size(), 80u);
}

TEST(TrackThinner, KeepsEachBucketsEndsAndExtremesInOrder)
{
    report::TrackThinner thinner(100.0);
    std::vector<TrackPoint> out;
    for (int i = 0; i < 1000; ++i) {
        double t = i * 1.0;
        double force = i == 437 ? 5e6 : 0;              // one blast step
        double speed = i == 512 ? 99 : i == 513 ? 1 : 10;  // fastest, slowest
        double altitude = i == 650 ? 10 : 1000;         // lowest
        double x = i == 777 ? 5000 : 1;                 // farthest
        TrackPoint p = At(t, force, speed, altitude, x);
        p.level = i == 301 ? 1 : 0;                     // a blast's first step
        thinner.add(p, out);
    }
    thinner.flush(out);
    EXPECT_LE(out.size(), 10u * 2 + 6);  // ends of ten buckets, six extremes
    for (double t : {0.0, 99.0, 100.0, 999.0, 301.0, 437.0, 512.0, 513.0, 650.0, 777.0})
        EXPECT_TRUE(Has(out, t)) << t;
    EXPECT_TRUE(std::is_sorted(out.begin(), out.end(), [](auto& a, auto& b) { return a.t < b.t; }));
    for (size_t i = 1; i < out.size(); ++i)
        EXPECT_LT(out[i - 1].t, out[i].t) << "a point twice";
}

TEST(TrackThinner, AFlushCutsTheBucketAtOnce)
{
    report::TrackThinner thinner(100.0);
    std::vector<TrackPoint> out;
    thinner.add(At(1), out);
    thinner.add(At(2), out);
    thinner.add(At(3), out);
    EXPECT_TRUE(out.empty());
    thinner.flush(out);
    EXPECT_TRUE(Has(out, 1) && Has(out, 3));
    thinner.add(At(4), out);  // the same bucket, after the cut: a new start
    thinner.flush(out);
    EXPECT_TRUE(Has(out, 4));
}

}  // namespace
