#include "emulator/host/world/proxy_watch.h"

#include "emulator/host/world/nearest_points.h"

#include <limits>

namespace emu {

namespace {

/* The entry's vessel, if the handle still names the vessel it was made for. */
VesselRecord* Live(const World& world, OBJHANDLE handle, std::uint64_t serial)
{
    VesselRecord* v = world.vessel(handle);
    return v && v->details->serial == serial ? v : nullptr;
}

/* Each listed vessel that still lives takes the nearest other vessel as its
 * proxy; with `madeBefore`, only a vessel made before it. The ones that
 * looked, in order. */
template <typename Entry>
std::vector<const Entry*> Look(World& world, const std::vector<Entry>& who, bool madeBefore)
{
    std::vector<const Entry*> looked;
    std::vector<NearestQuery> queries;
    std::vector<VesselRecord*> askers;
    for (const Entry& e : who)
        if (VesselRecord* v = Live(world, e.handle, e.serial)) {
            std::uint64_t below = madeBefore ? e.serial : std::numeric_limits<std::uint64_t>::max();
            queries.push_back({v->pos, e.serial, below});
            askers.push_back(v);
            looked.push_back(&e);
        }
    if (queries.empty())
        return looked;
    std::vector<RankedPoint> points;
    points.reserve(world.vesselCount());
    for (OBJHANDLE h : world.vessels()) {
        const VesselRecord* v = world.vessel(h);
        points.push_back({v->pos, v->details->serial});
    }
    std::vector<std::size_t> nearest = NearestPoints(points, queries);
    for (std::size_t i = 0; i < askers.size(); ++i) {
        VesselDetails& d = *askers[i]->details;
        bool none = nearest[i] == noPoint;
        d.proxy = none ? nullptr : world.vessels()[nearest[i]];
        d.proxySerial = none ? 0 : points[nearest[i]].rank;
    }
    return looked;
}

}  // namespace

void ProxyWatch::placed(const VesselRecord& vessel)
{
    placed_.push_back({vessel.handle, vessel.details->serial, 0.0});
}

void ProxyWatch::settlePlacements(World& world, bool together)
{
    if (placed_.empty())
        return;
    Look(world, placed_, !together);
    unstepped_.insert(unstepped_.end(), placed_.begin(), placed_.end());
    placed_.clear();
}

void ProxyWatch::beforeIntegration(World& world)
{
    settlePlacements(world);
    stepped_.insert(stepped_.end(), unstepped_.begin(), unstepped_.end());
    unstepped_.clear();
}

void ProxyWatch::afterStep(World& world, double dt)
{
    elapsed_ += dt;
    std::vector<Entry> due;
    due.swap(stepped_);
    for (; !periodic_.empty() && periodic_.front().due <= elapsed_; periodic_.pop_front())
        due.push_back(periodic_.front());
    for (const Entry* e : Look(world, due, false))
        periodic_.push_back({e->handle, e->serial, elapsed_ + lookInterval});
}

void ProxyWatch::departed(World& world, const std::unordered_set<OBJHANDLE>& gone)
{
    std::vector<Entry> orphans;
    for (OBJHANDLE h : world.vessels()) {
        const VesselDetails& d = *world.vessel(h)->details;
        if (d.proxy && gone.count(d.proxy))
            orphans.push_back({h, d.serial, 0.0});
    }
    Look(world, orphans, false);
}

void ProxyWatch::clear()
{
    placed_.clear();
    unstepped_.clear();
    stepped_.clear();
    periodic_.clear();
}

VesselRecord* ProxyWatch::proxyOf(World& world, const VesselRecord& vessel)
{
    return Live(world, vessel.details->proxy, vessel.details->proxySerial);
}

}  // namespace emu
