/* How a VESSEL method reaches its vessel's record: through the current host,
 * by handle. A handle of no live vessel finds nothing and is a fault, as the
 * real host would crash on it. The call is logged as
 * "<vessel name>.<method>(args)". */
#ifndef BRIMSTAR_EMULATOR_HOST_VESSEL_CALL_H
#define BRIMSTAR_EMULATOR_HOST_VESSEL_CALL_H

#include "emulator/host/host.h"

namespace emu {

template <typename... Args>
BRIMSTAR_COLD_PATH void RecordVesselCall(CallLog& log, const VesselRecord* v, const char* method,
                                         const Args&... args)
{
    log.record((v ? v->details->name : std::string("stale")) + "." + method, args...);
}

template <typename... Args>
inline VesselRecord* EnterVessel(OBJHANDLE handle, const char* method, const Args&... args)
{
    Host* host = Host::current();
    if (!host)
        return nullptr;
    VesselRecord* v = host->world().vessel(handle);
    if (host->calls().enabled())
        RecordVesselCall(host->calls(), v, method, args...);
    if (!v)
        host->liveVessel(handle, (std::string("VESSEL::") + method).c_str());
    return v;
}

}  // namespace emu

#endif
