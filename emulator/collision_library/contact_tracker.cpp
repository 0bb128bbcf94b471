#include "contact_tracker.h"

#include <algorithm>

namespace collision {

namespace {

PairKey Lone(OBJHANDLE vessel)
{
    return {reinterpret_cast<std::uintptr_t>(vessel), 0};
}

}  // namespace

HostServices HostServices::FromTable(void** table)
{
    HostServices s{};
    if (!table)
        return s;
    s.vesselCount = reinterpret_cast<decltype(s.vesselCount)>(table[SVC_oapiGetVesselCount]);
    s.vesselByIndex = reinterpret_cast<decltype(s.vesselByIndex)>(table[SVC_oapiGetVesselByIndex]);
    s.globalPos = reinterpret_cast<decltype(s.globalPos)>(table[SVC_oapiGetGlobalPos]);
    s.size = reinterpret_cast<decltype(s.size)>(table[SVC_oapiGetSize]);
    s.isVessel = reinterpret_cast<decltype(s.isVessel)>(table[SVC_oapiIsVessel]);
    return s;
}

void ContactTracker::watch(OBJHANDLE vessel, void* context, CollideCallback callback)
{
    if (vessel && callback)
        watches_[vessel] = {context, callback};
}

void ContactTracker::gather(const HostServices& host)
{
    spheres_.clear();
    handles_.clear();
    int count = int(host.vesselCount());
    for (int i = 0; i < count; ++i) {
        OBJHANDLE vessel = host.vesselByIndex(i);
        VECTOR3 pos{0, 0, 0};
        host.globalPos(vessel, &pos);
        spheres_.push_back({pos.x, pos.y, pos.z, host.size(vessel), watched_.contains(Lone(vessel))});
        handles_.push_back(vessel);
    }
}

void ContactTracker::step(const HostServices& host)
{
    contactsThisStep_ = 0;
    if (!host.complete())
        return;
    // A registration can outlive its vessel: it is dropped, never called.
    for (auto it = watches_.begin(); it != watches_.end();)
        it = host.isVessel(it->first) ? std::next(it) : watches_.erase(it);

    watched_.reset(watches_.size());
    for (const auto& watch : watches_)
        watched_.insert(Lone(watch.first));
    gather(host);
    toCall_.clear();
    const auto& pairs = grid_.find(spheres_);
    current_.reset(pairs.size());
    for (const auto& [i, j] : pairs) {
        auto a = reinterpret_cast<std::uintptr_t>(handles_[i]), b = reinterpret_cast<std::uintptr_t>(handles_[j]);
        PairKey key{std::min(a, b), std::max(a, b)};
        current_.insert(key);
        if (previous_.contains(key))
            continue;  // the same contact as last step: no new call
        ++contactsThisStep_;
        for (std::size_t k : {i, j})
            if (spheres_[k].watched)
                toCall_.push_back(handles_[k]);
    }
    std::swap(previous_, current_);
    totalContacts_ += contactsThisStep_;
    for (OBJHANDLE vessel : toCall_)
        callBack(host, vessel);
}

void ContactTracker::callBack(const HostServices& host, OBJHANDLE vessel)
{
    // Looked up again for each call: an earlier callback may have changed
    // the registrations, or the vessel may be gone.
    auto it = watches_.find(vessel);
    if (it == watches_.end() || !host.isVessel(vessel))
        return;
    Watch watch = it->second;
    watch.callback(watch.context);
}

}  // namespace collision
