/* On Windows GetModuleHandle answers both; on POSIX dlopen with RTLD_NOLOAD
 * gives a mapped library's handle, whose reference is dropped at once, and
 * dladdr names the library holding an address. Paths are made absolute, as
 * the platform would search for a relative one. */
#include "emulator/host/session/library_presence.h"
#include "host/host_file.h"

#include <filesystem>

#if !defined(_WIN32)
#include <dlfcn.h>
#endif

namespace emu {

namespace {

std::string AbsolutePath(const std::string& fileName)
{
    std::error_code ignored;
    return std::filesystem::absolute(ToPlatformPath(fileName.c_str()), ignored).make_preferred().string();
}

#if !defined(_WIN32)
HMODULE MappedFile(const char* path)
{
    void* handle = dlopen(path, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return static_cast<HMODULE>(handle);
}
#endif

}  // namespace

#if defined(_WIN32)

HMODULE MappedLibrary(const std::string& fileName)
{
    return GetModuleHandleA(AbsolutePath(fileName).c_str());
}

HMODULE LibraryHolding(const void* code)
{
    HMODULE module = nullptr;
    DWORD flags = GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT;
    return GetModuleHandleExA(flags, static_cast<LPCSTR>(code), &module) ? module : nullptr;
}

#else

HMODULE MappedLibrary(const std::string& fileName)
{
    return MappedFile(AbsolutePath(fileName).c_str());
}

HMODULE LibraryHolding(const void* code)
{
    Dl_info info;
    if (!code || !dladdr(code, &info) || !info.dli_fname)
        return nullptr;
    return MappedFile(info.dli_fname);
}

#endif

}  // namespace emu
