/* A machine-readable trace of a run: every vessel's position and velocity
 * (global, m and m/s) after every step, as CSV. What no row can hold is said
 * in lines that begin with "#", as CSV readers take comments: a vessel's
 * touchdown, a time jump (after which the time column starts again from
 * the new clock: a reader drawing it breaks the line there), and a run that
 * ended early. */
#ifndef BRIMSTAR_RUNNER_TRACE_WRITER_H
#define BRIMSTAR_RUNNER_TRACE_WRITER_H

#include "emulator/runner/outputs/run_ending.h"

#include "emulator/host/host.h"

#include <ostream>

namespace runner {

class TraceWriter : public emu::HostObserver {
public:
    TraceWriter(emu::Host& host, std::ostream& out);
    void forcesIntegrated() override;
    void touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where) override;
    void timeJumped(double from, double to) override;
    void finish(const RunEnding& ending);

private:
    emu::Host& host_;
    std::ostream& out_;
};

}  // namespace runner

#endif
