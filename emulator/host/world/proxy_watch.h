/* Each vessel's proxy: the vessel that was nearest it when the host last
 * looked, which takes the focus when the vessel in focus leaves. A vessel
 * looks when it is placed, after its first step, then every 100 s of
 * simulated time, and again as soon as its proxy leaves.
 *
 * Looks are made in batches, so that a world of many vessels placed at once
 * (a scenario) or looking at once (after their first step) costs a tree
 * search, not a pass over the world per vessel. A placement is looked at
 * before anything moves or leaves: it sees the vessels made before it where
 * they are then, or, for a scenario's vessels placed together, every one.
 * Time is counted in steps taken, so a jump of the clock moves no look. */
#ifndef BRIMSTAR_EMULATOR_HOST_PROXY_WATCH_H
#define BRIMSTAR_EMULATOR_HOST_PROXY_WATCH_H

#include "emulator/host/world/world.h"

#include <cstdint>
#include <deque>
#include <unordered_set>
#include <vector>

namespace emu {

class ProxyWatch {
public:
    static constexpr double lookInterval = 100.0;

    void placed(const VesselRecord& vessel);
    /* Looks for the vessels placed and not yet looked for: each finds the
     * nearest of those made before it, or with `together` the nearest of
     * all. Before any vessel moves or leaves. */
    void settlePlacements(World& world, bool together = false);
    /* The placed vessels are about to be stepped for the first time. */
    void beforeIntegration(World& world);
    /* After a step: the vessels after their first step and those whose
     * interval is up look again. */
    void afterStep(World& world, double dt);
    /* The vessels whose proxy is among those that left look again. */
    void departed(World& world, const std::unordered_set<OBJHANDLE>& gone);
    void clear();

    /* The vessel's proxy if it still lives, or null. */
    static VesselRecord* proxyOf(World& world, const VesselRecord& vessel);

private:
    struct Entry {
        OBJHANDLE handle;
        std::uint64_t serial;
        double due;
    };

    std::vector<Entry> placed_;     // not yet looked for
    std::vector<Entry> unstepped_;  // looked for at placement, not yet stepped
    std::vector<Entry> stepped_;    // stepped for the first time in this step
    std::deque<Entry> periodic_;    // by due time, which only grows
    double elapsed_ = 0.0;
};

}  // namespace emu

#endif
