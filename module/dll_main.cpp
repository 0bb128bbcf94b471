/* The library's attach and detach notification: the host's library is
 * initialised before anything else, and the module's own exit entry point
 * runs when the library is unmapped. */
#include "host/host_api.h"

#include "host/attached_lifetime.h"

namespace {

typedef void (*ExitFn)(HINSTANCE);

ExitFn exitFunction;

ExitFn FindExitFunction(HINSTANCE module)
{
    FARPROC exit = GetProcAddress(module, "ExitModule");
    if (!exit)
        exit = GetProcAddress(module, "opcDLLExit");
    return FunctionCast<ExitFn>(exit);
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        InitLib(module);
        exitFunction = FindExitFunction(module);
        break;
    case DLL_PROCESS_DETACH:
        if (exitFunction)
            exitFunction(module);
        AttachedObject::EndAll();
        break;
    default:
        break;
    }
    return TRUE;
}
