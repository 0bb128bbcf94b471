/* Libraries on POSIX: LoadLibraryA maps onto dlopen, with the path's
 * backslashes translated. Each library keeps its symbols to itself
 * (RTLD_LOCAL), as a DLL does. */
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
}
