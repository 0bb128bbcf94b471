/* A picture of a run: every vessel's track relative to the vessel in focus,
 * seen from above (x across, z up the page) and from the side (x across, y
 * up the page), with bomb detonations and rock deletions marked. Written as
 * SVG when the run ends. */
#ifndef BRIMSTAR_RUNNER_TRACK_PLOT_H
#define BRIMSTAR_RUNNER_TRACK_PLOT_H

#include "emulator/host/host.h"

#include <map>
#include <unordered_map>
#include <ostream>
#include <string>
#include <vector>

namespace runner {

class TrackPlot : public emu::HostObserver {
public:
    /* Samples about every interval seconds, so a long run stays small. */
    TrackPlot(emu::Host& host, double interval);

    void forcesIntegrated() override;
    void vesselDeleted(const emu::VesselRecord& v) override;

    /* The note, when there is one, stands under the title: how a run that
     * ended early ended. */
    void write(std::ostream& out, const std::string& title, const std::string& note = "") const;

private:
    struct Mark {
        VECTOR3 pos;  // relative to the focus
        bool detonation;
    };

    VECTOR3 relative(const VECTOR3& global) const;

    emu::Host& host_;
    double interval_;
    double nextSample_ = 0.0;
    /* One vessel's track, cut where the focus moves on: positions relative
     * to another vessel do not join up. Vessels of one name (bombs fired
     * with the same settings) each have their own. */
    struct Track {
        std::string name, className;
        std::vector<std::vector<VECTOR3>> segments;
    };

    std::vector<Track> tracks_;  // in the order the vessels were first seen
    std::unordered_map<OBJHANDLE, size_t> trackOf_;  // of the vessels alive
    OBJHANDLE lastFocus_ = nullptr;
    std::vector<Mark> marks_;
    std::map<const void*, bool> detonated_;
};

}  // namespace runner

#endif
