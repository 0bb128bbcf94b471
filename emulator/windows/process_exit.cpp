/* ExitProcess in the emulated host. A test's process must survive a library's request
 * to end it, so the emulated host, when one listens, ends its run instead
 * and the call returns; with nobody listening the process does end, at
 * once and without running anything else, as on Windows. */
#include "platform_sink.h"
#include "standin_names.h"
#include "windows_subset.h"

#include <cstdio>
#include <cstdlib>

extern "C" void WINAPI STANDIN(ExitProcess)(UINT exitCode)
{
    char code[16];
    std::snprintf(code, sizeof code, "%u", exitCode);
    if (!NotifyPlatformSink("ExitProcess", code, ""))
        std::_Exit(int(exitCode));
}
