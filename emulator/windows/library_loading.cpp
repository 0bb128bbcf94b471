/* Libraries on POSIX: LoadLibraryA maps onto dlopen, with the path's
 * backslashes translated. Each library keeps its symbols to itself
 * (RTLD_LOCAL), as a DLL does. GetModuleHandleExA finds the library holding
 * an address, and pins it as RTLD_NODELETE does: dlclose then leaves it
 * mapped until the process ends. */
#include "platform_sink.h"
#include "host/host_file.h"
#include "windows_subset.h"

#include <dlfcn.h>

extern "C" {

HMODULE LoadLibraryA(LPCSTR fileName)
{
    if (!fileName)
        return nullptr;
    void* handle = dlopen(ToPlatformPath(fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
    NotifyPlatformSink("LoadLibraryA", fileName, handle ? "loaded" : "missing");
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR procName)
{
    if (!module || !procName)
        return nullptr;
    void* address = dlsym(module, procName);
    NotifyPlatformSink("GetProcAddress", procName, address ? "found" : "missing");
    return reinterpret_cast<FARPROC>(address);
}

BOOL FreeLibrary(HMODULE module)
{
    if (!module)
        return FALSE;
    NotifyPlatformSink("FreeLibrary", "", "");
    return dlclose(module) == 0 ? TRUE : FALSE;
}

BOOL GetModuleHandleExA(DWORD flags, LPCSTR moduleName, HMODULE* module)
{
    if (!module)
        return FALSE;
    *module = nullptr;
    Dl_info info;
    if (!(flags & GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS) || !dladdr(moduleName, &info) || !info.dli_fname)
        return FALSE;
    bool pin = flags & GET_MODULE_HANDLE_EX_FLAG_PIN;
    void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD | (pin ? RTLD_NODELETE : 0));
    // Windows counts a reference unless told not to; a pinned library
    // keeps no count at all.
    if (handle && (pin || (flags & GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT)))
        dlclose(handle);
    NotifyPlatformSink("GetModuleHandleExA", "", !handle ? "missing" : pin ? "pinned" : "found");
    *module = static_cast<HMODULE>(handle);
    return handle ? TRUE : FALSE;
}
}
