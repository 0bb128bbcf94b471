/* The platform's own answer: on Windows GetModuleHandleA, which takes no
 * reference; on POSIX dlopen with RTLD_NOLOAD, whose reference is dropped at
 * once. Paths are made absolute, since a relative one would be searched for. */
#include "loaded_library.h"

#include <string>

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace testing_support {

namespace {

std::string AbsolutePath(const std::filesystem::path& library)
{
    return std::filesystem::absolute(library).make_preferred().string();
}

}  // namespace

#if defined(_WIN32)

bool IsLoaded(const std::filesystem::path& library)
{
    return GetModuleHandleA(AbsolutePath(library).c_str()) != nullptr;
}

void* LoadedExport(const std::filesystem::path& library, const char* name)
{
    HMODULE module = GetModuleHandleA(AbsolutePath(library).c_str());
    return module ? reinterpret_cast<void*>(GetProcAddress(module, name)) : nullptr;
}

#else

bool IsLoaded(const std::filesystem::path& library)
{
    void* handle = dlopen(AbsolutePath(library).c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

void* LoadedExport(const std::filesystem::path& library, const char* name)
{
    void* handle = dlopen(AbsolutePath(library).c_str(), RTLD_NOW | RTLD_NOLOAD);
    if (!handle)
        return nullptr;
    void* address = dlsym(handle, name);
    dlclose(handle);
    return address;
}

#endif

}  // namespace testing_support
