/* A machine-readable trace of a run: every vessel's position and velocity
 * (global, m and m/s) after every step, as CSV. A run that ended early says
 * so in a last line that begins with "#", as CSV readers take comments. */
#ifndef BRIMSTAR_RUNNER_TRACE_WRITER_H
#define BRIMSTAR_RUNNER_TRACE_WRITER_H

#include "run_ending.h"

#include "emulator/host/host.h"

#include <ostream>

namespace runner {

class TraceWriter : public emu::HostObserver {
public:
    TraceWriter(emu::Host& host, std::ostream& out);
    void forcesIntegrated() override;
    void finish(const RunEnding& ending);

private:
    emu::Host& host_;
    std::ostream& out_;
};

}  // namespace runner

#endif
