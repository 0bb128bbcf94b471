/* How an oapi function reaches the emulated host: through the current host,
 * null when there is none. The call is logged as "oapiX(args)". */
#ifndef BRIMSTAR_EMULATOR_HOST_HOST_CALL_H
#define BRIMSTAR_EMULATOR_HOST_HOST_CALL_H

#include "emulator/host/host.h"

namespace emu {

template <typename... Args>
Host* EnterHost(const char* function, const Args&... args)
{
    Host* host = Host::current();
    if (host && host->calls().enabled())
        host->calls().record(function, args...);
    return host;
}

}  // namespace emu

#endif
