/* Libraries on Windows: the system's loader does the work, and the emulated
 * host hears of every call as it does on POSIX. The definition file exports
 * these under the system's names; the test build of a library links this
 * library ahead of kernel32, so its calls come here first. */
#include "platform_sink.h"
#include "standin_names.h"
#include "windows_subset.h"

extern "C" {

HMODULE WINAPI STANDIN(LoadLibraryA)(LPCSTR fileName)
{
    HMODULE handle = LoadLibraryA(fileName);
    NotifyPlatformSink("LoadLibraryA", fileName, handle ? "loaded" : "missing");
    return handle;
}

FARPROC WINAPI STANDIN(GetProcAddress)(HMODULE module, LPCSTR procName)
{
    if (!module || !procName)
        return nullptr;
    FARPROC address = GetProcAddress(module, procName);
    NotifyPlatformSink("GetProcAddress", procName, address ? "found" : "missing");
    return address;
}

BOOL WINAPI STANDIN(FreeLibrary)(HMODULE module)
{
    if (!module)
        return FALSE;
    NotifyPlatformSink("FreeLibrary", "", "");
    return FreeLibrary(module);
}

BOOL WINAPI STANDIN(GetModuleHandleExA)(DWORD flags, LPCSTR moduleName, HMODULE* module)
{
    BOOL found = GetModuleHandleExA(flags, moduleName, module);
    bool pin = flags & GET_MODULE_HANDLE_EX_FLAG_PIN;
    NotifyPlatformSink("GetModuleHandleExA", "", !found ? "missing" : pin ? "pinned" : "found");
    return found;
}
}
