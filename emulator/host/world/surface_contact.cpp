#include "emulator/host/world/surface_contact.h"

#include "emulator/host/motion/frame_math.h"

#include <algorithm>
#include <cmath>

namespace emu {

namespace {

/* Samples of the way through a step before the lowest is refined: a dip
 * narrower than one of them is still found by the refinement. */
const int samples = 16;
const int refinements = 60;

VECTOR3 Unit(const VECTOR3& a)
{
    double l = length(a);
    return l > 0.0 ? a * (1.0 / l) : VECTOR3{0, 0, 0};
}

bool Finite(const VECTOR3& a)
{
    return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z);
}

/* The way through a step relative to the planet, as the cubic matching both
 * ends' positions and velocities; s runs from 0 to 1 over the step. */
struct Way {
    VECTOR3 p0, v0, p1, v1;
    double dt;

    VECTOR3 at(double s) const
    {
        double s2 = s * s, s3 = s2 * s;
        return p0 * (2 * s3 - 3 * s2 + 1) + v0 * ((s3 - 2 * s2 + s) * dt) + p1 * (3 * s2 - 2 * s3) +
               v1 * ((s3 - s2) * dt);
    }
    VECTOR3 velocityAt(double s) const
    {
        double s2 = s * s;
        return (p0 - p1) * ((6 * s2 - 6 * s) / dt) + v0 * (3 * s2 - 4 * s + 1) + v1 * (3 * s2 - 2 * s);
    }
};

/* How far the centre rests above the ground: the deepest touchdown point
 * below it, along the local vertical. */
double RestHeight(const VesselRecord& v, const VECTOR3& up)
{
    double depth = 0.0;
    for (const VECTOR3& point : v.details->touchdown)
        depth = std::max(depth, -dot(mul(v.rot, point), up));
    return depth;
}

VECTOR3 FixedDirection(double longitude, double latitude)
{
    return {std::cos(latitude) * std::cos(longitude), std::sin(latitude), std::cos(latitude) * std::sin(longitude)};
}

/* Where on the way the vessel first reaches `radius`, as a share of the
 * step; -1 when it stays above it, or started below it. */
double FirstCrossing(const Way& way, double radius)
{
    double r2 = radius * radius, slack = r2 * 1e-12;
    auto below = [&](double s) { return dot(way.at(s), way.at(s)) - r2; };
    if (below(0.0) < -slack)
        return -1;
    // A plane that the whole way lies beyond, clear of the planet: its
    // control points' hull does, and so does the curve.
    VECTOR3 hull[4] = {way.p0, way.p0 + way.v0 * (way.dt / 3), way.p1 - way.v1 * (way.dt / 3), way.p1};
    VECTOR3 normal = Unit(hull[0] + hull[1] + hull[2] + hull[3]);
    if (std::all_of(std::begin(hull), std::end(hull), [&](const VECTOR3& p) { return dot(p, normal) > radius; }))
        return -1;
    double lo = 0, hi = -1;
    for (int i = 1; i <= samples && hi < 0; ++i) {
        double s = double(i) / samples;
        if (below(s) < -slack)
            hi = s;
        else
            lo = s;
    }
    if (hi < 0) {
        // Every sample above: the lowest point may still dip between two.
        int lowest = 0;
        for (int i = 1; i <= samples; ++i)
            if (below(double(i) / samples) < below(double(lowest) / samples))
                lowest = i;
        double a = std::max(0, lowest - 1) / double(samples), b = std::min(samples, lowest + 1) / double(samples);
        const double golden = 0.6180339887498949;
        for (int k = 0; k < refinements; ++k) {
            double m1 = b - golden * (b - a), m2 = a + golden * (b - a);
            if (below(m1) < below(m2))
                b = m2;
            else
                a = m1;
        }
        double deepest = (a + b) / 2;
        if (!(below(deepest) < -slack))
            return -1;
        lo = std::max(0, lowest - 1) / double(samples);
        hi = deepest;
    }
    for (int k = 0; k < refinements; ++k) {
        double mid = (lo + hi) / 2;
        if (below(mid) < -slack)
            hi = mid;
        else
            lo = mid;
    }
    return hi;
}

/* A column-wise turn of the attitude by the planet's rotation over time. */
MATRIX3 Turned(const Body& planet, const MATRIX3& rot, double from, double to)
{
    VECTOR3 columns[3];
    for (int c = 0; c < 3; ++c) {
        VECTOR3 axis{rot.data[c], rot.data[3 + c], rot.data[6 + c]};
        columns[c] = planet.fixedToGlobal(planet.globalToFixed(axis, from), to);
    }
    return {columns[0].x, columns[1].x, columns[2].x, columns[0].y, columns[1].y,
            columns[2].y, columns[0].z, columns[1].z, columns[2].z};
}

/* Lifts a landed vessel that the step's added forces pushed outward harder
 * than its weight; true when it left. */
bool LiftOff(const World& world, const Body& planet, VesselRecord& v, const VECTOR3& force, double dt)
{
    VECTOR3 rel = v.pos - planet.pos;
    double r = length(rel);
    if (!(r > 0.0))
        return false;
    VECTOR3 up = rel * (1.0 / r);
    double weight = world.gravity ? v.mass * planet.gm / (r * r) : 0.0;
    if (!(dot(force, up) > weight))
        return false;
    v.status = 0;
    v.vel = v.vel + (force * (1.0 / v.mass) - up * (weight / v.mass)) * dt;
    return true;
}

}  // namespace

void CarryLanded(const Body& planet, VesselRecord& v, const VECTOR3& planetBefore, double from, double to)
{
    double r = length(v.pos - planetBefore);
    VECTOR3 rel = planet.fixedToGlobal(FixedDirection(v.details->surfLng, v.details->surfLat), to) * r;
    v.pos = planet.pos + rel;
    v.vel = planet.vel + cross(planet.angularVelocity(), rel);
    v.rot = Turned(planet, v.rot, from, to);
}

void SurfaceContact::startStep(const World& world, double dt)
{
    starts_.clear();
    landed_.clear();
    const Body* planet = world.bodyByIndex(0);
    watching_ = planet && planet->radius > 0.0;
    if (!watching_)
        return;
    planetStart_ = planet->pos;
    planetVel_ = planet->vel;
    ground_ = planet->radius + world.touchdownReach;
    pull_ = world.gravity ? planet->gm / (planet->radius * planet->radius) : 0.0;  // at most, outside
    dt_ = dt;
}

void SurfaceContact::note(OBJHANDLE h, const VesselRecord& v)
{
    if (!watching_)
        return;
    if (v.status == 1) {
        landed_.push_back({h, v.force});  // the integration clears it
        return;
    }
    // How far the step's way, and the curve taken for it, can stray from
    // the start, generously: thrust is not known before the integration, so
    // a vessel with thrusters is always looked at.
    double a = length(v.force) / v.mass + pull_;
    double reach = 2 * (length(v.vel - planetVel_) * dt_ + a * dt_ * dt_);
    if (v.hasThrusters || !(length(v.pos - planetStart_) - reach > ground_))
        starts_.push_back({h, v.pos, v.vel});
}

const std::vector<Touchdown>& SurfaceContact::endStep(World& world, double dt)
{
    touchdowns_.clear();
    const Body* planet = world.bodyByIndex(0);
    if (!planet || !(planet->radius > 0.0) || !(dt > 0.0))
        return touchdowns_;
    double t1 = world.simt, t0 = t1 - dt;
    for (const Landed& landed : landed_) {
        VesselRecord* v = world.vessel(landed.vessel);
        if (v && v->status == 1 && !LiftOff(world, *planet, *v, landed.force, dt))
            CarryLanded(*planet, *v, planetStart_, t0, t1);
    }
    for (const Start& start : starts_) {
        VesselRecord* v = world.vessel(start.vessel);
        if (!v || v->status != 0)
            continue;
        Way way{start.pos - planetStart_, start.vel - planet->vel, v->pos - planet->pos, v->vel - planet->vel, dt};
        if (!Finite(way.p0) || !Finite(way.v0) || !Finite(way.p1) || !Finite(way.v1))
            continue;
        double rest = planet->radius + RestHeight(*v, Unit(length(way.p1) > 0.0 ? way.p1 : way.p0));
        double s = FirstCrossing(way, rest);
        if (s < 0)
            continue;
        Touchdown touchdown;
        touchdown.vessel = start.vessel;
        touchdown.time = t0 + s * dt;
        VECTOR3 at = way.at(s);
        VECTOR3 fixed = planet->globalToFixed(at, touchdown.time);
        touchdown.longitude = std::atan2(fixed.z, fixed.x);
        touchdown.latitude = std::asin(std::clamp(fixed.y / length(fixed), -1.0, 1.0));
        touchdown.speed = length(way.velocityAt(s) - cross(planet->angularVelocity(), at));
        v->status = 1;
        v->details->surfLng = touchdown.longitude;
        v->details->surfLat = touchdown.latitude;
        v->pos = planet->pos + Unit(at) * rest;
        CarryLanded(*planet, *v, planet->pos, touchdown.time, t1);
        touchdowns_.push_back(touchdown);
    }
    return touchdowns_;
}

}  // namespace emu
