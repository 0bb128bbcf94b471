/* How an oapi function reaches the emulated host: through the current host,
 * null when there is none. The call is logged as "oapiX(args)". */
#ifndef BRIMSTAR_EMULATOR_HOST_HOST_CALL_H
#define BRIMSTAR_EMULATOR_HOST_HOST_CALL_H

#include "emulator/host/host.h"

namespace emu {

template <typename... Args>
BRIMSTAR_COLD_PATH void RecordHostCall(CallLog& log, const char* function, const Args&... args)
{
    log.record(function, args...);
}

template <typename... Args>
inline Host* EnterHost(const char* function, const Args&... args)
{
    Host* host = Host::current();
    if (host && host->calls().enabled())
        RecordHostCall(host->calls(), function, args...);
    return host;
}

}  // namespace emu

#endif
