/* The platform's library attach and detach notification, on POSIX: a
 * load-time and an unload-time hook call the library's DllMain with its own
 * handle, as Windows would.
 *
 * The handle is the one dlopen gives for this library: found through dladdr on
 * a function of the library, then dlopen with RTLD_NOLOAD, whose extra
 * reference is dropped at once so that the library can still be unloaded.
 */
#include "windows_subset.h"

#include <dlfcn.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved);

namespace {

HINSTANCE ownHandle;

HINSTANCE FindOwnHandle()
{
    Dl_info info;
    if (!dladdr(reinterpret_cast<void*>(&FindOwnHandle), &info) || !info.dli_fname)
        return nullptr;
    void* handle = dlopen(info.dli_fname, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return static_cast<HINSTANCE>(handle);
}

__attribute__((constructor)) void OnLibraryAttach()
{
    ownHandle = FindOwnHandle();
    DllMain(ownHandle, DLL_PROCESS_ATTACH, nullptr);
}

__attribute__((destructor)) void OnLibraryDetach()
{
    DllMain(ownHandle, DLL_PROCESS_DETACH, nullptr);
}

}  // namespace
